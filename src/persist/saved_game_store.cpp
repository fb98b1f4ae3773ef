#include "persist/saved_game_store.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "core/program_folder.h"
#include "game/message_texts.h"

namespace tessary {

namespace {

constexpr std::string_view kGameExtension = ".tsy";
constexpr std::string_view kPictureExtension = ".bmp";

// Letter case of ASCII letters only: extensions are ASCII.
char AsciiLower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool EndsWithIgnoringCase(std::string_view text, std::string_view end) {
    return text.size() >= end.size() &&
           std::equal(end.begin(), end.end(), text.end() - static_cast<std::ptrdiff_t>(end.size()),
                      [](char a, char b) { return AsciiLower(a) == AsciiLower(b); });
}

// folder + separator + name + extension as the program writes it; empty for an empty name.
std::string FilePath(std::string_view folder, std::string_view name, std::string_view extension) {
    if (name.empty()) {
        return {};
    }
    std::string path = AppendFileName(folder, name);
    path += extension;
    return path;
}

// The regular files of the folder named name + extension with the extension in another letter
// case ("G.TSY" beside "G.tsy"), in byte order; such files are listed as games too.
std::vector<std::filesystem::path> OtherCaseFiles(std::string_view folder, std::string_view name,
                                                  std::string_view extension) {
    std::vector<std::filesystem::path> files;
    if (name.empty()) {
        return files;
    }
    std::error_code error;
    std::filesystem::directory_iterator entries(std::filesystem::path(folder), error);
    for (; !error && entries != std::filesystem::directory_iterator(); entries.increment(error)) {
        const std::string file = entries->path().filename().string();
        std::error_code typeError;
        if (file.size() == name.size() + extension.size() && file.starts_with(name) &&
            !file.ends_with(extension) && EndsWithIgnoringCase(file, extension) &&
            entries->is_regular_file(typeError)) {
            files.push_back(entries->path());
        }
    }
    std::sort(files.begin(), files.end());
    return files;
}

// The file of a saved game with that extension: the program's own spelling when it exists (or
// when no file of another case does), else the first file of another case.
std::string ExistingFilePath(std::string_view folder, std::string_view name,
                             std::string_view extension) {
    std::string path = FilePath(folder, name, extension);
    std::error_code error;
    if (path.empty() || std::filesystem::exists(std::filesystem::symlink_status(path, error))) {
        return path;
    }
    const std::vector<std::filesystem::path> others = OtherCaseFiles(folder, name, extension);
    return others.empty() ? path : others.front().string();
}

}  // namespace

std::string SavedGamesFolder() {
    return AppendFileName(ProgramFiles().playerFolder, "save");
}

std::string SavedGamePath(std::string_view folder, std::string_view name) {
    return ExistingFilePath(folder, name, kGameExtension);
}

std::string SavedPicturePath(std::string_view folder, std::string_view name) {
    return ExistingFilePath(folder, name, kPictureExtension);
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
        if (file.size() > kGameExtension.size() && EndsWithIgnoringCase(file, kGameExtension) &&
            entries->is_regular_file(typeError)) {
            names.push_back(file.substr(0, file.size() - kGameExtension.size()));
        }
    }
    // "G.tsy" and "G.TSY" are one game.
    std::sort(names.begin(), names.end());
    names.erase(std::unique(names.begin(), names.end()), names.end());
    return names;
}

std::vector<std::string> DeleteSavedGame(std::string_view folder, std::string_view name) {
    std::vector<std::string> failures;
    if (SavedGameNameProblem(name) != nullptr) {
        return failures;  // no file of this name can lie in the folder
    }
    for (std::string_view extension :
         {kGameExtension, std::string_view(".jpg"), kPictureExtension}) {
        std::vector<std::filesystem::path> files = OtherCaseFiles(folder, name, extension);
        files.insert(files.begin(), FilePath(folder, name, extension));
        for (const std::filesystem::path& path : files) {
            std::error_code error;
            std::filesystem::remove(path, error);
            if (error) {
                failures.push_back(path.filename().string());
            }
        }
    }
    return failures;
}

}  // namespace tessary
