// Tuning files: values come from the file's own element, each missing or
// unreadable value takes its default, and a file that cannot be used is
// logged once while every value reads as its default.

#include <gtest/gtest.h>

#include <string>

#include "engine/core/cLog.h"
#include "game/data/cTuningFile.h"
#include "tests/support/TempDir.h"

namespace {

using Game::cTuningFile;

class TuningFileTest : public ::testing::Test {
protected:
    void TearDown() override { Engine::cLog::Destroy(); }

    std::string Folder() const { return dir.Path().string() + "/"; }
    std::string LogText() {
        Engine::cLog::Destroy();
        return TestSupport::ReadFile(dir.File("Engine.log"));
    }

    TestSupport::TempDir dir;
    TestSupport::ScopedWorkingDirectory cwd{dir.Path()};
};

TEST_F(TuningFileTest, ValuesComeFromTheElementNamedLikeTheFile) {
    dir.Write("Stroke.xml", R"(<?xml version="1.0"?>
        <Stroke Speed="7.5" Trail="12" Glow="true" Colour="amber" Slack="abc"/>)");
    const cTuningFile tuning("Stroke", Folder());
    ASSERT_TRUE(tuning.IsOpen());
    EXPECT_FLOAT_EQ(tuning.Float("Speed", 1.0f), 7.5f);
    EXPECT_EQ(tuning.Int("Trail", 3), 12);
    EXPECT_TRUE(tuning.Bool("Glow", false));
    EXPECT_EQ(tuning.Text("Colour", "white"), "amber");
    EXPECT_FLOAT_EQ(tuning.Float("Slack", 0.25f), 0.25f);   // unreadable text
    EXPECT_FLOAT_EQ(tuning.Float("Missing", 0.75f), 0.75f);  // not written
    EXPECT_EQ(LogText().find("Error"), std::string::npos);
}

TEST_F(TuningFileTest, UnusableFilesAreLoggedAndGiveDefaults) {
    struct Case {
        const char* what;
        const char* file_text;  // null: no file
    };
    const Case cases[] = {
        {"missing file", nullptr},
        {"another element", R"(<Camera Speed="9"/>)"},
        {"broken XML", R"(<GameCamera Speed="9")"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TestSupport::TempDir folder;
        if (c.file_text != nullptr) folder.Write("GameCamera.xml", c.file_text);
        const cTuningFile tuning("GameCamera", folder.Path().string() + "/");
        EXPECT_FALSE(tuning.IsOpen());
        EXPECT_FLOAT_EQ(tuning.Float("Speed", 2.0f), 2.0f);
        EXPECT_EQ(tuning.Text("Mode", "follow"), "follow");
        EXPECT_NE(LogText().find("Error: Tuning: cannot read the element GameCamera"), std::string::npos);
    }
}

}  // namespace
