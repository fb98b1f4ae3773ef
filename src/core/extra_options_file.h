#pragma once

#include <filesystem>
#include <istream>
#include <string>
#include <string_view>

#include "core/extra_options.h"

namespace tessary {

/// Name of the extra options file; it lives in the settings file's folder.
inline constexpr std::string_view ExtraOptionsFileName = "options.ini";

/// The extra options file that belongs to the settings file at `settingsPath`: options.ini in
/// the same folder (a bare name for a settings path without a folder).
std::string ExtraOptionsPathBeside(std::string_view settingsPath);

/// ExtraOptionsPathBeside(SettingsFilePath()): wherever the settings file goes, this follows.
std::string ExtraOptionsFilePath();

/// The file's text, LF line ends: a comment line, the section "[Tessary]", "version=1", then one
/// line "key=0|1" per option in the order of the key table.
std::string FormatExtraOptions(const ExtraOptions& options);

/// Reads the file's text leniently; every option the text does not set well keeps its default.
/// Lines are "key=value" with spaces and tabs around either side ignored, CR before LF
/// ignored, ';' or '#' starting a comment line. Only keys in the section "[Tessary]" count;
/// unknown keys, other sections and their keys are passed over. A value other than exactly 0 or
/// 1 gives its key the default; the last line of a key decides. A line longer than the reader
/// takes is ignored whole. The version is not checked: a key keeps its meaning in every
/// version, so a newer file is read key by key. Text holding a NUL byte, or larger than any
/// file this program writes could grow to, is not an options file: all defaults.
ExtraOptions ReadExtraOptions(std::istream& in);

/// ReadExtraOptions from the file at path; the defaults when it is missing or cannot be read.
/// The file is never changed by reading, however damaged.
ExtraOptions ReadExtraOptionsFile(const std::filesystem::path& path);

/// Replaces the file at path with FormatExtraOptions(options) through a FileReplacement: on any
/// failure the old file stays as it was and the result is false.
bool WriteExtraOptionsFile(const std::filesystem::path& path, const ExtraOptions& options);

}  // namespace tessary
