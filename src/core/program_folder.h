#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace tessary {

/// Folder of the running executable, ending in '/'. Determined on the first call and fixed for
/// the rest of the run; if the executable's path cannot be read, the working directory at that
/// moment stands in.
const std::string& ProgramFolder();

/// Where the program finds its own files and keeps the player's. Every folder ends in '/'.
///
/// A portable copy, run from any folder (a build folder, an unpacked archive), keeps
/// everything beside its executable. An installed copy lies in an install layout: its
/// executable in `<prefix>/bin`, its data in `<prefix>/share/tessary`; it only reads there and
/// keeps the player's files in his XDG folders.
struct FileLocations {
    bool isInstalled = false;
    /// Read-only data: the help page, the completion fanfare, the sample pictures.
    std::string dataFolder;
    /// settings.cfg and options.ini.
    std::string settingsFolder;
    /// The saved games ("save") and the autosave slots ("autosave").
    std::string playerFolder;
    /// The program's modules: beside the executable, or in `<prefix>/libexec/tessary`.
    std::string moduleFolder;
};

/// A variable of the environment; null when it is not set.
using EnvironmentLookup = std::function<const char*(const char* name)>;

/// The locations for an executable in `programFolder`. The copy is installed when that folder is
/// named "bin" and "../share/tessary" beside it is a folder: a layout a build folder never has,
/// and one that holds wherever the prefix was moved or installed into (a DESTDIR). Installed,
/// the settings go to $XDG_CONFIG_HOME/tessary and the player's files to $XDG_DATA_HOME/tessary,
/// or ~/.config and ~/.local/share when those are not set to absolute paths.
FileLocations LocateFiles(std::string_view programFolder, const EnvironmentLookup& variable);

/// This run's locations: LocateFiles(ProgramFolder(), the process environment), decided on the
/// first call.
const FileLocations& ProgramFiles();

/// Where the settings file is: ProgramFiles().settingsFolder + "settings.cfg".
std::string SettingsFilePath();

/// A file of the program's read-only data: ProgramFiles().dataFolder + name.
std::string DataFilePath(std::string_view name);

/// Creates the folder of the file at `path` when it is missing: an installed program makes the
/// player's folders on their first use. A failure shows in the write that follows.
void CreateFolderOf(const std::string& path);

/// folder + name, with a '/' between them unless folder already ends in '/' or '\\'. An empty
/// folder leaves name as it is (relative), rather than turning it into a path from the root.
std::string AppendFileName(std::string_view folder, std::string_view name);

}  // namespace tessary
