#include <gtest/gtest.h>

#include <string>

#include "app/Settings.h"
#include "engine/audio/SoundManagerAccess.h"
#include "engine/audio/iSoundManager.h"
#include "engine/core/cEngineSettings.h"
#include "engine/platform/cWindow.h"
#include "game/data/cGameData.h"
#include "tests/support/TempDir.h"

namespace Game {
namespace {

class SettingsTest : public ::testing::Test {
protected:
    SettingsTest() {
        cGameData::Instance().enable_tessary = true;
        Engine::cEngineSettings::Instance().enforce_res = false;
        Engine::cEngineSettings::Instance().developer_mode = false;
    }

    std::string Settings(const std::string& element) {
        return dir.Write("settings.xml", "<Config>" + element + "</Config>");
    }

    TestSupport::TempDir dir;
    unsigned width = 7, height = 7;
    bool fullscreen = false;
};

TEST_F(SettingsTest, ReadsTheShippedExample) {
    const std::string path = Settings(
        R"(<Settings width="1280" height="720" fullscreen="true" EnableTessary="false" EnforceRes="true"/>)");
    EXPECT_TRUE(ReadSettings(width, height, fullscreen, path));
    EXPECT_EQ(width, 1280u);
    EXPECT_EQ(height, 720u);
    EXPECT_TRUE(fullscreen);
    EXPECT_FALSE(cGameData::Instance().enable_tessary);
    EXPECT_TRUE(Engine::cEngineSettings::Instance().enforce_res);
}

TEST_F(SettingsTest, TheSettingsElementMayBeTheRoot) {
    const std::string path = dir.Write("settings.xml", R"(<Settings width="800" height="600"/>)");
    EXPECT_TRUE(ReadSettings(width, height, fullscreen, path));
    EXPECT_EQ(width, 800u);
    EXPECT_EQ(height, 600u);
}

TEST_F(SettingsTest, AMissingFileTouchesNothing) {
    EXPECT_FALSE(ReadSettings(width, height, fullscreen, dir.File("absent.xml")));
    EXPECT_EQ(width, 7u);
    EXPECT_EQ(height, 7u);
    EXPECT_TRUE(cGameData::Instance().enable_tessary);
    EXPECT_FALSE(Engine::cEngineSettings::Instance().enforce_res);
}

TEST_F(SettingsTest, AWidthWithoutHeightIsUnusableButTheSwitchesAreStored) {
    const std::string path = Settings(R"(<Settings width="800" EnableTessary="false"/>)");
    EXPECT_FALSE(ReadSettings(width, height, fullscreen, path));
    EXPECT_FALSE(cGameData::Instance().enable_tessary);
}

struct WindowCase {
    const char* name;
    bool read;
    unsigned width, height;
    bool fullscreen;
    int expected_width, expected_height;
    bool expected_fullscreen;
};

class ResolveWindowTest : public ::testing::TestWithParam<WindowCase> {};

TEST_P(ResolveWindowTest, FallsBackToAWindowedDefault) {
    const WindowCase& c = GetParam();
    const Engine::WindowDesc desc = ResolveWindowDesc(c.read, c.width, c.height, c.fullscreen);
    EXPECT_EQ(desc.caption, "Brambleby");
    EXPECT_EQ(desc.width, c.expected_width);
    EXPECT_EQ(desc.height, c.expected_height);
    EXPECT_EQ(desc.fullscreen, c.expected_fullscreen);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ResolveWindowTest,
    ::testing::Values(WindowCase{"Usable", true, 1280, 720, true, 1280, 720, true},
                      WindowCase{"Unread", false, 1280, 720, true, 1024, 768, false},
                      WindowCase{"ZeroHeightEvenInFullscreen", true, 800, 0, true, 1024, 768, false},
                      WindowCase{"TooWide", true, 16385, 720, false, 1024, 768, false},
                      WindowCase{"LargestSane", true, 16384, 16384, false, 16384, 16384, false}),
    [](const auto& info) { return std::string(info.param.name); });

// A size that does not read as a sane number falls back like a missing one.
TEST_F(SettingsTest, NegativeOrTextSizesGiveTheDefaultWindow) {
    for (const char* bad : {"-5", "abc", "0", "99999"}) {
        const std::string path =
            Settings(std::string(R"(<Settings width=")") + bad + R"(" height="720" fullscreen="true"/>)");
        const bool read = ReadSettings(width, height, fullscreen, path);
        const Engine::WindowDesc desc = ResolveWindowDesc(read, width, height, fullscreen);
        EXPECT_EQ(desc.width, 1024) << bad;
        EXPECT_EQ(desc.height, 768) << bad;
        EXPECT_FALSE(desc.fullscreen) << bad;
    }
}

class DevSettingsTest : public SettingsTest {
protected:
    std::string Dev(const std::string& attributes) {
        return dir.Write("devsettings.xml", "<DevSettings " + attributes + "/>");
    }
    int CursorCount() { return Engine::cWindow::Instance().CursorDisplayCount(); }
};

TEST_F(DevSettingsTest, KnownNamesGiveTheirState) {
    const std::pair<const char*, GameStateId> cases[] = {
        {"MainMenu", StateMainMenu}, {"Splash", StateSplash},           {"Sandbox1", StateSandbox1},
        {"Sandbox2", StateSandbox2}, {"Prototype1", StatePrototype1},   {"Game", StateGame},
        {"SceneEditor", StateSceneEditor}, {"ModelViewer", StateModelViewer}, {"End", StateEnd},
    };
    for (const auto& [name, id] : cases) {
        GameStateId state = StateNone;
        EXPECT_TRUE(ReadDevSettings(state, Dev(std::string("InitialState=\"") + name + "\""))) << name;
        EXPECT_EQ(state, id) << name;
    }
    for (const char* unknown : {"Tester", "mainmenu", "WinScreen", ""}) EXPECT_EQ(StateIdFromName(unknown), StateNone);
}

TEST_F(DevSettingsTest, AnUnknownNameStillAppliesTheCursor) {
    Engine::cWindow::Instance().ShowSystemCursor(false);
    GameStateId state = StateMainMenu;
    EXPECT_FALSE(ReadDevSettings(state, Dev(R"(InitialState="Tester" MouseCursor="1")")));
    EXPECT_EQ(state, StateNone);
    EXPECT_GE(CursorCount(), 0);
}

TEST_F(DevSettingsTest, NullStateAppliesNothingAfterTheName) {
    Engine::cWindow::Instance().ShowSystemCursor(false);
    const int before = CursorCount();
    GameStateId state = StateMainMenu;
    EXPECT_FALSE(ReadDevSettings(state, Dev(R"(InitialState="NullState" MouseCursor="1")")));
    EXPECT_EQ(state, StateMainMenu);
    EXPECT_EQ(CursorCount(), before);
}

TEST_F(DevSettingsTest, MouseCursorZeroHidesTheSystemCursor) {
    Engine::cWindow::Instance().ShowSystemCursor(true);
    GameStateId state = StateNone;
    EXPECT_TRUE(ReadDevSettings(state, Dev(R"(InitialState="MainMenu" MouseCursor="0")")));
    EXPECT_LT(CursorCount(), 0);
}

// The sound manager on OpenAL Soft's null output: its mute is what the file sets.
class DevSettingsSoundTest : public DevSettingsTest {
protected:
    DevSettingsSoundTest() {
        setenv("ALSOFT_DRIVERS", "null", 1);
        setenv("ALSOFT_LOGLEVEL", "0", 1);
        Engine::CreateSoundManager();
    }
    ~DevSettingsSoundTest() override { Engine::DestroySoundManager(); }
    Engine::iSoundManager& Sound() { return *Engine::GetSoundManager(); }
};

TEST_F(DevSettingsSoundTest, SoundZeroMutesAfterAnyStateNameButNullState) {
    const std::pair<const char*, bool> cases[] = {
        {R"(InitialState="MainMenu" Sound="0")", true},
        {R"(InitialState="MainMenu" Sound="1")", false},
        {R"(InitialState="MainMenu")", true},
        {R"(InitialState="Tester" Sound="0")", true},
        {R"(InitialState="NullState" Sound="0")", false},
    };
    for (const auto& [attributes, muted] : cases) {
        Sound().SetMute(false);
        GameStateId state = StateNone;
        ReadDevSettings(state, Dev(attributes));
        EXPECT_EQ(Sound().IsMuted(), muted) << attributes;
    }
}

TEST_F(DevSettingsTest, DeveloperModeIsOffUnlessTheFileSaysTrue) {
    GameStateId state = StateNone;
    const std::pair<const char*, bool> cases[] = {
        {R"(InitialState="MainMenu")", false},
        {R"(InitialState="MainMenu" DeveloperMode="true")", true},
        {R"(InitialState="MainMenu" DeveloperMode="1")", false},
        {R"(InitialState="NullState" DeveloperMode="true")", true},
    };
    for (const auto& [attributes, expected] : cases) {
        ReadDevSettings(state, Dev(attributes));
        EXPECT_EQ(Engine::cEngineSettings::Instance().developer_mode, expected) << attributes;
    }
    Engine::cEngineSettings::Instance().developer_mode = true;
    EXPECT_FALSE(ReadDevSettings(state, dir.File("absent.xml")));
    EXPECT_TRUE(Engine::cEngineSettings::Instance().developer_mode) << "an unread file changes nothing";
}

TEST_F(DevSettingsTest, TheShippedFilesAreUsable) {
    const std::string data = std::string(BRAMBLEBY_SOURCE_DIR) + "/GameData/XML_Game/";
    unsigned w = 0, h = 0;
    bool fs = true;
    EXPECT_TRUE(ReadSettings(w, h, fs, data + "settings.xml"));
    EXPECT_EQ(w, 1280u);
    EXPECT_EQ(h, 720u);
    EXPECT_FALSE(fs);
    GameStateId state = StateNone;
    EXPECT_TRUE(ReadDevSettings(state, data + "devsettings.xml"));
    EXPECT_FALSE(Engine::cEngineSettings::Instance().developer_mode);
}

}  // namespace
}  // namespace Game
