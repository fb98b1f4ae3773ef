#include "core/extra_options_file.h"

#include <array>
#include <fstream>

#include "core/file_replace.h"
#include "core/program_folder.h"

namespace tessary {

namespace {

// One option of the file. The defaults are those of ExtraOptions itself, so an option is added
// to the file by its member there and one line here.
struct OptionKey {
    std::string_view key;
    bool ExtraOptions::*field;
};

constexpr std::array OptionKeys = {
    OptionKey{"show_whole_block", &ExtraOptions::showWholeBlock},
    OptionKey{"scroll_while_carrying", &ExtraOptions::scrollWhileCarrying},
    OptionKey{"layout_without_overlap", &ExtraOptions::layoutWithoutOverlap},
    OptionKey{"sound", &ExtraOptions::sound},
};

constexpr std::string_view Comment = "; Tessary: the player's extra options";
constexpr std::string_view Section = "Tessary";
constexpr int Version = 1;

// Lines longer than this are none the reader could use: the longest it writes is 26.
constexpr std::size_t MaxLineLength = 256;
// A larger file is not one this program wrote or a player edited.
constexpr std::size_t MaxFileSize = 64 * 1024;

std::string_view Trimmed(std::string_view text) {
    constexpr std::string_view Blanks = " \t";
    const std::size_t first = text.find_first_not_of(Blanks);
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(Blanks) - first + 1);
}

const OptionKey* FindKey(std::string_view key) {
    for (const OptionKey& option : OptionKeys) {
        if (option.key == key) {
            return &option;
        }
    }
    return nullptr;
}

// Reads one line (LF or CR LF, or the end of the text) of the options text into `options`;
// `isInSection` follows the section headers.
void ReadLine(std::string_view line, bool& isInSection, ExtraOptions& options) {
    if (line.size() > MaxLineLength) {
        return;
    }
    if (!line.empty() && line.back() == '\r') {
        line.remove_suffix(1);
    }
    line = Trimmed(line);
    if (line.empty() || line.front() == ';' || line.front() == '#') {
        return;
    }
    if (line.front() == '[' && line.back() == ']') {
        isInSection = Trimmed(line.substr(1, line.size() - 2)) == Section;
        return;
    }
    const std::size_t equals = line.find('=');
    if (!isInSection || equals == std::string_view::npos) {
        return;
    }
    const OptionKey* option = FindKey(Trimmed(line.substr(0, equals)));
    if (option == nullptr) {
        return;
    }
    const std::string_view value = Trimmed(line.substr(equals + 1));
    options.*option->field = value == "1"   ? true
                             : value == "0" ? false
                                            : ExtraOptions{}.*option->field;
}

}  // namespace

std::string ExtraOptionsPathBeside(std::string_view settingsPath) {
    const std::size_t slash = settingsPath.find_last_of('/');
    const std::string_view folder =
        slash == std::string_view::npos ? std::string_view{} : settingsPath.substr(0, slash + 1);
    return AppendFileName(folder, ExtraOptionsFileName);
}

std::string ExtraOptionsFilePath() {
    return ExtraOptionsPathBeside(SettingsFilePath());
}

std::string FormatExtraOptions(const ExtraOptions& options) {
    std::string text(Comment);
    text += "\n[";
    text += Section;
    text += "]\nversion=";
    text += std::to_string(Version);
    text += '\n';
    for (const OptionKey& option : OptionKeys) {
        text += option.key;
        text += options.*option.field ? "=1\n" : "=0\n";
    }
    return text;
}

ExtraOptions ReadExtraOptions(std::istream& in) {
    std::string text(MaxFileSize + 1, '\0');
    in.read(text.data(), static_cast<std::streamsize>(text.size()));
    text.resize(static_cast<std::size_t>(in.gcount()));
    ExtraOptions options;
    if (text.size() > MaxFileSize || text.find('\0') != std::string::npos) {
        return options;
    }
    bool isInSection = false;
    std::string_view rest = text;
    while (!rest.empty()) {
        const std::size_t end = rest.find('\n');
        ReadLine(rest.substr(0, end), isInSection, options);
        rest = end == std::string_view::npos ? std::string_view{} : rest.substr(end + 1);
    }
    return options;
}

ExtraOptions ReadExtraOptionsFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return in.is_open() ? ReadExtraOptions(in) : ExtraOptions{};
}

bool WriteExtraOptionsFile(const std::filesystem::path& path, const ExtraOptions& options) {
    return ReplaceFile(path, FormatExtraOptions(options));
}

}  // namespace tessary
