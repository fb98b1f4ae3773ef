#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <filesystem>
#include <map>
#include <string>

#include "core/program_folder.h"
#include "core/session_bus.h"
#include "file_in_own_folder.h"

namespace tessary {
namespace {

namespace fs = std::filesystem;

// Where each kind of file goes for an executable in `programFolder` of a prefix tree.
struct LayoutRow {
    const char* name;
    const char* programFolder;  // under the test's folder
    const char* dataFolder;     // created under the test's folder; null for none
    std::map<std::string, std::string> environment;
    bool isInstalled;
    const char* settingsFolder;  // expected; "<program>" stands for the program's folder
    const char* playerFolder;
};

class LocateFilesTest : public FileInOwnFolderTest, public testing::WithParamInterface<LayoutRow> {
protected:
    LocateFilesTest() : FileInOwnFolderTest("prefix") {}
};

TEST_P(LocateFilesTest, DecidesFromTheLayoutBesideTheExecutable) {
    const LayoutRow& row = GetParam();
    const std::string program = (folder_ / row.programFolder).string() + "/";
    fs::create_directories(program);
    if (row.dataFolder != nullptr)
        fs::create_directories(folder_ / row.dataFolder);
    const auto variable = [&row](const char* name) -> const char* {
        const auto found = row.environment.find(name);
        return found == row.environment.end() ? nullptr : found->second.c_str();
    };
    const auto expected = [&program](const char* folder) {
        return std::string(folder) == "<program>" ? program : std::string(folder);
    };

    const FileLocations locations = LocateFiles(program, variable);
    EXPECT_EQ(locations.isInstalled, row.isInstalled);
    EXPECT_EQ(locations.settingsFolder, expected(row.settingsFolder));
    EXPECT_EQ(locations.playerFolder, expected(row.playerFolder));
    EXPECT_EQ(locations.dataFolder,
              row.isInstalled ? (folder_ / "prefix/share/tessary").string() + "/" : program);
    EXPECT_EQ(locations.moduleFolder,
              row.isInstalled ? (folder_ / "prefix/libexec/tessary").string() + "/" : program);
}

const std::map<std::string, std::string> kHomeOnly = {{"HOME", "/home/player"}};
const std::map<std::string, std::string> kXdg = {
    {"HOME", "/home/player"}, {"XDG_CONFIG_HOME", "/cfg"}, {"XDG_DATA_HOME", "/data"}};

INSTANTIATE_TEST_SUITE_P(
    Rows, LocateFilesTest,
    testing::Values(
        LayoutRow{"installedWithXdgFolders", "prefix/bin", "prefix/share/tessary", kXdg, true,
                  "/cfg/tessary/", "/data/tessary/"},
        LayoutRow{"installedWithHomeDefaults", "prefix/bin", "prefix/share/tessary", kHomeOnly,
                  true, "/home/player/.config/tessary/", "/home/player/.local/share/tessary/"},
        LayoutRow{"relativeXdgFoldersAreIgnored",
                  "prefix/bin",
                  "prefix/share/tessary",
                  {{"HOME", "/home/player"}, {"XDG_CONFIG_HOME", "cfg"}, {"XDG_DATA_HOME", ""}},
                  true,
                  "/home/player/.config/tessary/",
                  "/home/player/.local/share/tessary/"},
        LayoutRow{"noHomeAtAll",
                  "prefix/bin",
                  "prefix/share/tessary",
                  {},
                  true,
                  "/.config/tessary/",
                  "/.local/share/tessary/"},
        LayoutRow{"buildFolder", "prefix/build/src", nullptr, kXdg, false, "<program>",
                  "<program>"},
        LayoutRow{"binWithoutData", "prefix/bin", "prefix/share/other", kXdg, false, "<program>",
                  "<program>"},
        LayoutRow{"dataBesideAFolderNotNamedBin", "prefix/games", "prefix/share/tessary", kXdg,
                  false, "<program>", "<program>"}),
    [](const testing::TestParamInfo<LayoutRow>& info) { return std::string(info.param.name); });

class SessionBusTest : public FileInOwnFolderTest {
protected:
    SessionBusTest() : FileInOwnFolderTest("bus") {}
};

TEST_F(SessionBusTest, OnlyAnEnvironmentWithoutABusIsToldThereIsNone) {
    const std::string runtime = folder_.string();
    EXPECT_TRUE(HasNoSessionBus(nullptr, nullptr));
    EXPECT_TRUE(HasNoSessionBus("", runtime.c_str()));  // no socket there yet
    EXPECT_FALSE(HasNoSessionBus("unix:path=/run/user/1000/bus", nullptr));

    writeRaw("not a socket");
    EXPECT_TRUE(HasNoSessionBus(nullptr, runtime.c_str()));
    fs::remove(path_);
    const int listener = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    path_.string().copy(address.sun_path, sizeof(address.sun_path) - 1);
    ASSERT_EQ(::bind(listener, reinterpret_cast<const sockaddr*>(&address), sizeof(address)), 0);
    EXPECT_FALSE(HasNoSessionBus(nullptr, runtime.c_str()));
    ::close(listener);
}

}  // namespace
}  // namespace tessary
