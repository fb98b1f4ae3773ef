#pragma once

#include <span>
#include <string>
#include <string_view>

namespace tessary {

/// What the command line asks for: `tessary [--help | --version | PICTURE]`.
struct CommandLine {
    enum class Action {
        Play,         // start the game, with `picture` opened when it is not empty
        ShowHelp,     // print the usage and end
        ShowVersion,  // print the version and end
        Misuse,       // print `problem` and the usage on standard error and end with status 2
    };
    Action action = Action::Play;
    std::string picture;
    std::string problem;
};

/// Reads the arguments after the program's name, in order: the first of --help (-h) and
/// --version decides; any other argument that starts with '-' is an unknown option, unless a
/// "--" came before it; one picture file at most.
CommandLine ParseCommandLine(std::span<const char* const> arguments);

/// The usage text, in Russian and English, ending in a newline.
std::string_view CommandLineUsage();

/// The exit status of a misused command line.
inline constexpr int kMisuseExitStatus = 2;

}  // namespace tessary
