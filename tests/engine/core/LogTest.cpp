// The category log: one truncated-per-run, line-flushed file per category.

#include <gtest/gtest.h>

#include <filesystem>

#include "engine/core/cLog.h"
#include "tests/support/TempDir.h"

namespace {

using Engine::cLog;
using TestSupport::ReadFile;

// Runs each test in its own folder with a fresh log, and leaves none behind.
class LogTest : public ::testing::Test {
protected:
    void SetUp() override { cLog::Destroy(); }
    void TearDown() override { cLog::Destroy(); }

    TestSupport::TempDir dir;
    TestSupport::ScopedWorkingDirectory cwd{dir.Path()};
};

TEST_F(LogTest, LinesAreAppendedAndFlushedAtOnce) {
    cLog::Instance().Write("Engine", "first line");
    EXPECT_EQ(ReadFile("Engine.log"), "first line\n");
    cLog::Instance().Write("Engine", "second line");
    EXPECT_EQ(ReadFile("Engine.log"), "first line\nsecond line\n");
}

TEST_F(LogTest, NewInstanceTruncatesAtItsFirstLine) {
    cLog::Instance().Write("Engine", "last run");
    cLog::Destroy();
    cLog::Instance();
    EXPECT_EQ(ReadFile("Engine.log"), "last run\n") << "the file is opened at the first line, not at creation";
    cLog::Instance().Write("Engine", "this run");
    EXPECT_EQ(ReadFile("Engine.log"), "this run\n");
}

TEST_F(LogTest, CategoriesGoToSeparateFiles) {
    cLog::Instance().Write("Engine", "engine text");
    cLog::Instance().Write("Render", "render text");
    cLog::Instance().Write("Engine", "more engine text");
    EXPECT_EQ(ReadFile("Engine.log"), "engine text\nmore engine text\n");
    EXPECT_EQ(ReadFile("Render.log"), "render text\n");
}

TEST_F(LogTest, EngineHelpersWriteToEngineCategory) {
    Engine::LogError("Something broke");
    Engine::LogEngine("[cDX9Renderer] Initialised successfully");
    EXPECT_EQ(ReadFile("Engine.log"), "Error: Something broke\n[cDX9Renderer] Initialised successfully\n");
}

TEST_F(LogTest, LineAfterCloseAppendsInsteadOfWipingTheRun) {
    cLog::Instance().Write("Engine", "during the run");
    cLog::Instance().Close();
    cLog::Instance().Write("Engine", "after shut-down");
    EXPECT_EQ(ReadFile("Engine.log"), "during the run\nafter shut-down\n");
}

TEST_F(LogTest, UncreatableFileLosesLinesQuietly) {
    cLog::Instance().Write("no-such-folder/Broken", "lost");
    cLog::Instance().Write("no-such-folder/Broken", "lost again");
    cLog::Instance().Write("Engine", "still logging");
    EXPECT_FALSE(std::filesystem::exists("no-such-folder"));
    EXPECT_EQ(ReadFile("Engine.log"), "still logging\n");
}

}  // namespace
