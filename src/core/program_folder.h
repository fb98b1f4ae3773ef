#pragma once

#include <string>
#include <string_view>

namespace tessary {

/// Folder of the running executable, ending in '/'. Determined on the first call and fixed for
/// the rest of the run; if the executable's path cannot be read, the working directory at that
/// moment stands in.
const std::string& ProgramFolder();

/// ProgramFolder() + "settings.cfg".
std::string SettingsFilePath();

/// folder + name, with a '/' between them unless folder already ends in '/' or '\\'. An empty
/// folder leaves name as it is (relative), rather than turning it into a path from the root.
std::string AppendFileName(std::string_view folder, std::string_view name);

}  // namespace tessary
