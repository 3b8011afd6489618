// Where player data lives and how it survives a crash: the player folder
// follows XDG_DATA_HOME (else ~/.local/share), a run started with the
// environment's folder writes there and reads it back, and a writer killed
// at any moment of its saves leaves a whole file behind.

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>

#include "engine/core/cLog.h"
#include "engine/core/cXmlFile.h"
#include "game/data/cPlayerFile.h"
#include "game/data/cPlayerResults.h"
#include "tests/support/TempDir.h"

namespace {

using Game::cPlayerFile;
using Game::cPlayerResults;

// Sets an environment variable for the life of the object, then puts it back.
class ScopedEnvironment {
public:
    ScopedEnvironment(const char* name_, const char* value) : name(name_) {
        if (const char* old = std::getenv(name)) before = old;
        if (value != nullptr) {
            setenv(name, value, 1);
        } else {
            unsetenv(name);
        }
    }
    ~ScopedEnvironment() {
        if (before) {
            setenv(name, before->c_str(), 1);
        } else {
            unsetenv(name);
        }
    }

private:
    const char* name;
    std::optional<std::string> before;
};

class PlayerFolderTest : public ::testing::Test {
protected:
    void SetUp() override {
        cPlayerResults::Destroy();
        dir.Write("shipped/PlayerData/levelresult.xml",
                  "<LevelResults><levelStat result=\"-1\"/><levelStat result=\"-1\"/>"
                  "<levelStat result=\"-1\"/></LevelResults>");
    }
    void TearDown() override {
        cPlayerResults::Destroy();
        Engine::cLog::Destroy();
    }
    std::string Shipped() const { return dir.File("shipped") + "/"; }

    TestSupport::TempDir dir;
    TestSupport::ScopedWorkingDirectory cwd{dir.Path()};
};

TEST_F(PlayerFolderTest, FolderFollowsXdgDataHomeThenHome) {
    struct Case {
        const char* xdg;
        const char* home;
        std::string folder;
    };
    const Case cases[] = {
        {"/data/me", "/home/me", "/data/me/Brambleby_PlayerData/"},
        {"", "/home/me", "/home/me/.local/share/Brambleby_PlayerData/"},
        {nullptr, "/home/me", "/home/me/.local/share/Brambleby_PlayerData/"},
        {nullptr, nullptr, "./Brambleby_PlayerData/"},
    };
    for (const Case& c : cases) {
        ScopedEnvironment xdg("XDG_DATA_HOME", c.xdg);
        ScopedEnvironment home("HOME", c.home);
        EXPECT_EQ(cPlayerFile::DefaultPlayerFolder(), c.folder) << (c.xdg ? c.xdg : "(unset)");
    }
}

// A test program never touches the player data of whoever runs the tests:
// its start-up gave it a fresh folder of its own.
TEST_F(PlayerFolderTest, ATestProgramKeepsItsPlayerDataInAFreshFolderOfItsOwn) {
    const char* xdg = std::getenv("XDG_DATA_HOME");
    ASSERT_NE(xdg, nullptr);
    const std::filesystem::path folder(xdg);
    EXPECT_EQ(folder.parent_path(), std::filesystem::temp_directory_path());
    EXPECT_TRUE(std::filesystem::is_directory(folder));
    EXPECT_FALSE(std::filesystem::exists(folder / "Brambleby_PlayerData")) << "nothing played in it yet";
}

TEST_F(PlayerFolderTest, ARunWritesToTheXdgFolderAndTheNextRunReadsItBack) {
    ScopedEnvironment xdg("XDG_DATA_HOME", dir.File("xdg").c_str());
    const std::string player = cPlayerFile::DefaultPlayerFolder();
    ASSERT_TRUE(cPlayerResults::Instance().Load(player, Shipped()));
    ASSERT_TRUE(cPlayerResults::Instance().SetResult(2, 4));
    EXPECT_TRUE(Engine::cXmlFile(dir.File("xdg/Brambleby_PlayerData/PlayerData/levelresult.xml")).IsOpen());

    // The shipped copy seeded the player's once; later changes to it are not the player's.
    dir.Write("shipped/PlayerData/levelresult.xml", "<LevelResults><levelStat result=\"3\"/></LevelResults>");
    cPlayerResults::Destroy();
    ASSERT_TRUE(cPlayerResults::Instance().Load(player, Shipped()));
    EXPECT_EQ(cPlayerResults::Instance().LevelCount(), 3);
    EXPECT_EQ(cPlayerResults::Instance().Result(0), -1);
    EXPECT_EQ(cPlayerResults::Instance().Result(2), 4);
}

// A child process saves results over and over and is killed without warning
// after a different delay each round; whatever moment the kill hits, the
// player's file reads back whole with every level listed.
TEST_F(PlayerFolderTest, AWriterKilledMidSaveLeavesAWholeFile) {
    // A long file, so that each save takes a while and a kill often lands inside one.
    constexpr int kLevels = 20000;
    std::string records;
    for (int i = 0; i < kLevels; ++i) records += "<levelStat result=\"-1\"/>\n";
    dir.Write("shipped/PlayerData/levelresult.xml", "<LevelResults>" + records + "</LevelResults>");
    const std::string player = dir.File("player") + "/";
    ASSERT_TRUE(cPlayerResults::Instance().Load(player, Shipped()));
    ASSERT_TRUE(cPlayerResults::Instance().SetResult(0, 0));
    for (int round = 0; round < 25; ++round) {
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            for (int i = 0;; ++i) cPlayerResults::Instance().SetResult(i % 3, i % 5);
        }
        usleep(static_cast<useconds_t>(5000 + round * 1300));
        kill(child, SIGKILL);
        int status = 0;
        waitpid(child, &status, 0);
        ASSERT_TRUE(WIFSIGNALED(status));

        // The player's own copy, not the shipped one a reader would fall back on.
        Engine::cXmlFile saved(player + cPlayerResults::kFileName);
        ASSERT_TRUE(saved.IsOpen()) << "round " << round;
        int listed = 0;
        for (auto* e = saved.Document().RootElement()->FirstChildElement("levelStat"); e != nullptr;
             e = e->NextSiblingElement("levelStat")) {
            ++listed;
        }
        EXPECT_EQ(listed, kLevels) << "round " << round;
    }
}

}  // namespace
