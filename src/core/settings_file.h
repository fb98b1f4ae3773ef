#pragma once

#include <filesystem>
#include <istream>
#include <string>
#include <string_view>

#include "core/game_settings.h"

namespace tessary {

/// First line of every settings file.
inline constexpr std::string_view SettingsFileHeader = "__ Tessary 1.9 configuration file __";

/// The settings file's text: the header, an empty line, then 21 lines " key = value", every
/// line ending in CR LF. Colours and the texture identifier are written unsigned.
std::string FormatSettings(const GameSettings& settings);

/// Reads settings text. The first line (LF or CR LF) must equal the header exactly. The key
/// lines follow formatted-input rules: a space of a line's template matches any whitespace run,
/// even an empty one or one across lines; other key characters and '=' match exactly; a value is
/// an optionally signed decimal that must fit its field (signed 32 bits, or 0..2^32-1 for the
/// unsigned ones). The first mismatch stops the read; every value is stored as soon as it is
/// parsed, so the fields before the stop hold the file's values and the rest are untouched.
/// True only when all 21 values were read; text after the last one is ignored.
bool ReadSettings(std::istream& in, GameSettings& settings);

/// ReadSettings from the file at path; false when it cannot be opened.
bool ReadSettingsFile(const std::filesystem::path& path, GameSettings& settings);

/// Replaces the file at path with FormatSettings(settings). The text goes to a temporary file in
/// the same folder, which is renamed over the old file only once it is complete; on any failure
/// the old file stays as it was and the result is false. A linked file stays a link (the file
/// it names is replaced) and keeps its permissions (FileReplacement).
bool WriteSettingsFile(const std::filesystem::path& path, const GameSettings& settings);

/// WriteSettingsFile with the default value of every field; the running values are not involved.
bool WriteDefaultSettingsFile(const std::filesystem::path& path);

/// The start-up read: ReadSettingsFile into settings (whose play and cut groups hold their
/// defaults); if it fails, texture background on, windowed mode and texture 358 whatever was
/// parsed for them; in all cases RepairSettings after. Returns whether the file was read in full.
bool LoadStartupSettings(const std::filesystem::path& path, GameSettings& settings);

}  // namespace tessary
