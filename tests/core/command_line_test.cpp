#include "core/command_line.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tessary {
namespace {

using Action = CommandLine::Action;

struct CommandLineRow {
    const char* name;
    std::vector<const char*> arguments;
    Action action;
    const char* picture;
};

class CommandLineTest : public testing::TestWithParam<CommandLineRow> {};

TEST_P(CommandLineTest, ReadsTheArgumentsInOrder) {
    const CommandLineRow& row = GetParam();
    const CommandLine line = ParseCommandLine(row.arguments);
    EXPECT_EQ(line.action, row.action);
    EXPECT_EQ(line.picture, row.picture);
    EXPECT_EQ(line.problem.empty(), row.action != Action::Misuse);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, CommandLineTest,
    testing::Values(
        CommandLineRow{"nothing", {}, Action::Play, ""},
        CommandLineRow{"picture", {"cat.jpg"}, Action::Play, "cat.jpg"},
        CommandLineRow{"help", {"--help"}, Action::ShowHelp, ""},
        CommandLineRow{"shortHelp", {"-h"}, Action::ShowHelp, ""},
        CommandLineRow{"version", {"--version"}, Action::ShowVersion, ""},
        CommandLineRow{"firstAnswerWins", {"--version", "--bogus"}, Action::ShowVersion, ""},
        CommandLineRow{"unknownOption", {"--bogus"}, Action::Misuse, ""},
        CommandLineRow{"unknownBeforeHelp", {"-x", "--help"}, Action::Misuse, ""},
        CommandLineRow{"secondPicture", {"a.png", "b.png"}, Action::Misuse, ""},
        CommandLineRow{"dashedNameAfterDoubleDash", {"--", "-cat.png"}, Action::Play, "-cat.png"},
        CommandLineRow{"loneDashIsAName", {"-"}, Action::Play, "-"}),
    [](const testing::TestParamInfo<CommandLineRow>& info) {
        return std::string(info.param.name);
    });

}  // namespace
}  // namespace tessary
