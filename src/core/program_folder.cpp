#include "core/program_folder.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace tessary {

namespace {

namespace fs = std::filesystem;

std::string FolderOfExecutable() {
    std::error_code error;
    const fs::path executable = fs::read_symlink("/proc/self/exe", error);
    fs::path folder = error ? fs::current_path(error) : executable.parent_path();
    if (error || folder.empty()) {
        return "./";
    }
    return AppendFileName(folder.string(), "");
}

bool IsInstallLayout(const fs::path& programFolder) {
    const fs::path folder = programFolder.parent_path();  // the path ends in '/'
    std::error_code error;
    return folder.filename() == "bin" &&
           fs::is_directory(folder.parent_path() / "share" / "tessary", error);
}

// $name when it is an absolute path, else home + fallback.
std::string XdgFolder(const EnvironmentLookup& variable, const char* name,
                      std::string_view fallback) {
    if (const char* value = variable(name); value != nullptr && value[0] == '/') {
        return value;
    }
    const char* home = variable("HOME");
    return AppendFileName(home != nullptr && home[0] == '/' ? home : "/", fallback);
}

// The process environment; HOME, when unset, from the password database.
const char* ProcessVariable(const char* name) {
    const char* value = std::getenv(name);
    if (value == nullptr && std::string_view(name) == "HOME") {
        if (const passwd* entry = ::getpwuid(::getuid())) {
            return entry->pw_dir;
        }
    }
    return value;
}

}  // namespace

const std::string& ProgramFolder() {
    static const std::string folder = FolderOfExecutable();
    return folder;
}

FileLocations LocateFiles(std::string_view programFolder, const EnvironmentLookup& variable) {
    const std::string folder = AppendFileName(programFolder, "");
    if (!IsInstallLayout(folder)) {
        return {.isInstalled = false,
                .dataFolder = folder,
                .settingsFolder = folder,
                .playerFolder = folder,
                .moduleFolder = folder};
    }
    const fs::path prefix = fs::path(folder).parent_path().parent_path();
    return {
        .isInstalled = true,
        .dataFolder = AppendFileName((prefix / "share" / "tessary").string(), ""),
        .settingsFolder = AppendFileName(
            AppendFileName(XdgFolder(variable, "XDG_CONFIG_HOME", ".config"), "tessary"), ""),
        .playerFolder = AppendFileName(
            AppendFileName(XdgFolder(variable, "XDG_DATA_HOME", ".local/share"), "tessary"), ""),
        .moduleFolder = AppendFileName((prefix / "libexec" / "tessary").string(), "")};
}

const FileLocations& ProgramFiles() {
    static const FileLocations locations = LocateFiles(ProgramFolder(), ProcessVariable);
    return locations;
}

std::string SettingsFilePath() {
    return AppendFileName(ProgramFiles().settingsFolder, "settings.cfg");
}

std::string DataFilePath(std::string_view name) {
    return AppendFileName(ProgramFiles().dataFolder, name);
}

void CreateFolderOf(const std::string& path) {
    std::error_code error;
    fs::create_directories(fs::path(path).parent_path(), error);
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
