#include "persist/saved_game_store.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "core/program_folder.h"
#include "game/message_texts.h"

namespace tessary {

namespace {

constexpr std::string_view kGameExtension = ".tsy";

std::string FilePath(std::string_view folder, std::string_view name, std::string_view extension) {
    if (name.empty()) {
        return {};
    }
    std::string path = AppendFileName(folder, name);
    path += extension;
    return path;
}

}  // namespace

std::string SavedGamesFolder() {
    return AppendFileName(ProgramFolder(), "save");
}

std::string SavedGamePath(std::string_view folder, std::string_view name) {
    return FilePath(folder, name, kGameExtension);
}

std::string SavedPicturePath(std::string_view folder, std::string_view name) {
    return FilePath(folder, name, ".bmp");
}

const char* SavedGameNameProblem(std::string_view name) {
    if (name.empty()) {
        return kEmptyNameMessage;
    }
    if (name.find_first_of("/\\") != std::string_view::npos) {
        return kSeparatorInNameMessage;
    }
    if (name.find('\0') != std::string_view::npos) {
        return kNulInNameMessage;
    }
    if (name == "." || name == "..") {
        return kDotNameMessage;
    }
    return nullptr;
}

std::vector<std::string> ListSavedGames(std::string_view folder) {
    std::vector<std::string> names;
    std::error_code error;
    std::filesystem::directory_iterator entries(std::filesystem::path(folder), error);
    for (; !error && entries != std::filesystem::directory_iterator(); entries.increment(error)) {
        const std::string file = entries->path().filename().string();
        std::error_code typeError;
        if (file.size() > kGameExtension.size() && file.ends_with(kGameExtension) &&
            entries->is_regular_file(typeError)) {
            names.push_back(file.substr(0, file.size() - kGameExtension.size()));
        }
    }
    std::sort(names.begin(), names.end());
    return names;
}

std::vector<std::string> DeleteSavedGame(std::string_view folder, std::string_view name) {
    std::vector<std::string> failures;
    if (SavedGameNameProblem(name) != nullptr) {
        return failures;  // no file of this name can lie in the folder
    }
    for (std::string_view extension :
         {kGameExtension, std::string_view(".jpg"), std::string_view(".bmp")}) {
        const std::filesystem::path path = FilePath(folder, name, extension);
        std::error_code error;
        std::filesystem::remove(path, error);
        if (error) {
            failures.push_back(path.filename().string());
        }
    }
    return failures;
}

}  // namespace tessary
