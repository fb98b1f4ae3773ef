#include "core/program_folder.h"

#include <filesystem>
#include <system_error>

namespace tessary {

namespace {

std::string FolderOfExecutable() {
    std::error_code error;
    const std::filesystem::path executable = std::filesystem::read_symlink("/proc/self/exe", error);
    std::filesystem::path folder =
        error ? std::filesystem::current_path(error) : executable.parent_path();
    if (error || folder.empty()) {
        return "./";
    }
    return AppendFileName(folder.string(), "");
}

}  // namespace

const std::string& ProgramFolder() {
    static const std::string folder = FolderOfExecutable();
    return folder;
}

std::string SettingsFilePath() {
    return AppendFileName(ProgramFolder(), "settings.cfg");
}

std::string AppendFileName(std::string_view folder, std::string_view name) {
    std::string path(folder);
    if (!path.empty() && path.back() != '/' && path.back() != '\\') {
        path += '/';
    }
    path += name;
    return path;
}

}  // namespace tessary
