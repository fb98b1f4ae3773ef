#include "core/settings_file.h"

#include <array>
#include <cstdint>
#include <fstream>

#include "core/file_replace.h"

namespace tessary {

namespace {

// One line of the file: " <key> = <value>". The order is the file's order; it is also the order
// in which the reader expects the keys.
struct KeyLine {
    std::string_view key;
    int32_t GameSettings::*field;
    bool isUnsigned;
};

constexpr std::array<KeyLine, 21> KeyLines = {{
    {"background color", &GameSettings::backgroundColor, true},
    {"3D contour color", &GameSettings::contourColor3D, true},
    {"element size", &GameSettings::elementSize, false},
    {"capture range", &GameSettings::captureRange, false},
    {"contour thickness", &GameSettings::contourThickness, false},
    {"mouse scroll area", &GameSettings::mouseScrollArea, false},
    {"mouse scroll speed", &GameSettings::mouseScrollSpeed, false},
    {"keyboard scroll speed", &GameSettings::keyboardScrollSpeed, false},
    {"enable 3D elements", &GameSettings::enable3DElements, false},
    {"enable mouse scroll", &GameSettings::enableMouseScroll, false},
    {"show timer", &GameSettings::showTimer, false},
    {"wheel rotate elements", &GameSettings::wheelRotateElements, false},
    {"scroll wheel", &GameSettings::scrollWheel, false},
    {"square base", &GameSettings::squareBase, false},
    {"enable offset", &GameSettings::enableOffset, false},
    {"rotate elements", &GameSettings::rotateElements, false},
    {"mosaic", &GameSettings::mosaic, false},
    {"exact assembling", &GameSettings::exactAssembling, false},
    {"full screen", &GameSettings::fullScreen, false},
    {"texture background", &GameSettings::textureBackground, false},
    {"ID background bitmap", &GameSettings::backgroundBitmapId, true},
}};

constexpr std::string_view LineEnd = "\r\n";

// The whitespace of formatted input in the C locale.
bool IsFormatSpace(int c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

// Formatted input over a stream, one character of look-ahead.
class FormatReader {
public:
    explicit FormatReader(std::istream& in) : in_(in) {}

    // The first line without its LF or CR LF; false when it is longer than limit characters.
    bool readFirstLine(std::string& line, size_t limit) {
        line.clear();
        for (int c = in_.get(); c != std::char_traits<char>::eof() && c != '\n'; c = in_.get()) {
            if (line.size() == limit + 1) {  // room for a trailing CR
                return false;
            }
            line += static_cast<char>(c);
        }
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        return line.size() <= limit;
    }

    // Matches template text: a space matches any whitespace run, anything else itself.
    bool matchTemplate(std::string_view text) {
        for (char expected : text) {
            if (expected == ' ') {
                skipWhitespace();
            } else if (in_.peek() == static_cast<unsigned char>(expected)) {
                in_.get();
            } else {
                return false;
            }
        }
        return true;
    }

    // An optionally signed decimal after optional whitespace, within [minimum, maximum]. A sign
    // without digits, or a number beyond the range, is a mismatch.
    bool readNumber(int64_t minimum, int64_t maximum, int64_t& value) {
        skipWhitespace();
        bool isNegative = false;
        if (in_.peek() == '+' || in_.peek() == '-') {
            isNegative = in_.get() == '-';
        }
        const int64_t limit = isNegative ? -minimum : maximum;
        int64_t magnitude = 0;
        bool hasDigits = false;
        while (in_.peek() >= '0' && in_.peek() <= '9') {
            magnitude = magnitude * 10 + (in_.get() - '0');
            if (magnitude > limit) {
                return false;  // stops before the 64-bit product could overflow
            }
            hasDigits = true;
        }
        value = isNegative ? -magnitude : magnitude;
        return hasDigits;
    }

private:
    void skipWhitespace() {
        while (IsFormatSpace(in_.peek())) {
            in_.get();
        }
    }

    std::istream& in_;
};

}  // namespace

std::string FormatSettings(const GameSettings& settings) {
    std::string text(SettingsFileHeader);
    text += LineEnd;
    text += LineEnd;
    for (const KeyLine& line : KeyLines) {
        const int32_t value = settings.*line.field;
        text += ' ';
        text += line.key;
        text += " = ";
        text +=
            line.isUnsigned ? std::to_string(static_cast<uint32_t>(value)) : std::to_string(value);
        text += LineEnd;
    }
    return text;
}

bool ReadSettings(std::istream& in, GameSettings& settings) {
    FormatReader reader(in);
    std::string header;
    if (!reader.readFirstLine(header, SettingsFileHeader.size()) || header != SettingsFileHeader) {
        return false;
    }
    for (const KeyLine& line : KeyLines) {
        // The template " <key> = %d\n"; its closing newline is whitespace like the next line's
        // leading space, so matching that space covers it.
        int64_t value = 0;
        const bool isRead = reader.matchTemplate(" ") && reader.matchTemplate(line.key) &&
                            reader.matchTemplate(" = ") &&
                            (line.isUnsigned ? reader.readNumber(0, UINT32_MAX, value)
                                             : reader.readNumber(INT32_MIN, INT32_MAX, value));
        if (!isRead) {
            return false;
        }
        // Unsigned values keep their bits in the signed field.
        settings.*line.field = static_cast<int32_t>(static_cast<uint32_t>(value));
    }
    return true;
}

bool ReadSettingsFile(const std::filesystem::path& path, GameSettings& settings) {
    std::ifstream in(path, std::ios::binary);
    return in.is_open() && ReadSettings(in, settings);
}

bool WriteSettingsFile(const std::filesystem::path& path, const GameSettings& settings) {
    return ReplaceFile(path, FormatSettings(settings));
}

bool WriteDefaultSettingsFile(const std::filesystem::path& path) {
    return WriteSettingsFile(path, GameSettings{});
}

bool LoadStartupSettings(const std::filesystem::path& path, GameSettings& settings) {
    const bool isRead = ReadSettingsFile(path, settings);
    if (!isRead) {
        const WindowSettings fallback;
        settings.textureBackground = fallback.textureBackground;
        settings.fullScreen = fallback.fullScreen;
        settings.backgroundBitmapId = fallback.backgroundBitmapId;
    }
    RepairSettings(settings);
    return isRead;
}

}  // namespace tessary
