#include "core/command_line.h"

namespace tessary {

namespace {

CommandLine Misuse(std::string problem) {
    CommandLine line;
    line.action = CommandLine::Action::Misuse;
    line.problem = "tessary: " + std::move(problem);
    return line;
}

CommandLine Answer(CommandLine::Action action) {
    CommandLine line;
    line.action = action;
    return line;
}

}  // namespace

CommandLine ParseCommandLine(std::span<const char* const> arguments) {
    CommandLine line;
    bool areOptionsOver = false;
    for (const std::string_view argument : arguments) {
        const bool isOption = !areOptionsOver && argument.size() > 1 && argument.front() == '-';
        if (isOption && argument == "--") {
            areOptionsOver = true;
        } else if (isOption && (argument == "--help" || argument == "-h")) {
            return Answer(CommandLine::Action::ShowHelp);
        } else if (isOption && argument == "--version") {
            return Answer(CommandLine::Action::ShowVersion);
        } else if (isOption) {
            const std::string option(argument);
            return Misuse("неизвестный параметр " + option + " / unknown option " + option);
        } else if (!line.picture.empty()) {
            return Misuse("можно открыть только одну картинку / only one picture can be opened");
        } else {
            line.picture = argument;
        }
    }
    return line;
}

std::string_view CommandLineUsage() {
    return "Использование: tessary [КАРТИНКА]\n"
           "Usage: tessary [PICTURE]\n"
           "\n"
           "Пазл из вашей картинки. С файлом картинки (BMP, JPEG, PNG) игра открывает его\n"
           "и предлагает разрезать картинку на элементы.\n"
           "A jigsaw puzzle from your own picture. Given a picture file (BMP, JPEG, PNG),\n"
           "the game opens it and offers to cut it into pieces.\n"
           "\n"
           "  -h, --help     показать эту справку / show this help\n"
           "      --version  показать версию / show the version\n";
}

}  // namespace tessary
