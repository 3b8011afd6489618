#include "engine/platform/cInputScript.h"

#include <gtest/gtest.h>

#include <ostream>
#include <sstream>
#include <string>

#include "engine/core/cLog.h"
#include "tests/engine/platform/PlatformFixture.h"
#include "tests/support/TempDir.h"

using Engine::cInputScript;
using eAction = Engine::cInputScript::eAction;

namespace {

// Runs in a fresh folder with a fresh log, so Engine.log holds only this test's lines.
class InputScriptTest : public PlatformFixture {
protected:
    InputScriptTest() : working_directory(temp.Path()) { Engine::cLog::Destroy(); }
    ~InputScriptTest() override { Engine::cLog::Destroy(); }

    bool ParseText(const std::string& text) {
        std::istringstream input(text);
        return script.Parse(input, "test.script");
    }

    std::string ReadLog() {
        Engine::cLog::Instance().Close();
        return TestSupport::ReadFile(temp.File("Engine.log"));
    }

    TestSupport::TempDir temp;
    TestSupport::ScopedWorkingDirectory working_directory;
    cInputScript script;
};

struct GoodLine {
    const char* line;
    unsigned frame;
    eAction action;
    int32_t first, second;
};

// A script line with its tabs and carriage returns shown, for test names.
std::string Visible(const char* line) {
    std::string text;
    for (const char* c = line; *c != '\0'; ++c) {
        if (*c == '\t') {
            text += "\\t";
        } else if (*c == '\r') {
            text += "\\r";
        } else {
            text += *c;
        }
    }
    return '"' + text + '"';
}

// Names each case by its line in the test list.
void PrintTo(const GoodLine& good, std::ostream* out) { *out << Visible(good.line); }

class InputScriptGoodLineTest : public InputScriptTest,
                                public ::testing::WithParamInterface<GoodLine> {};

TEST_P(InputScriptGoodLineTest, ParsesIntoOneEvent) {
    const GoodLine good = GetParam();
    ASSERT_TRUE(ParseText(good.line));
    EXPECT_EQ(script.SkippedLineCount(), 0u) << ReadLog();
    ASSERT_EQ(script.Events().size(), 1u);
    const cInputScript::Event& event = script.Events().front();
    EXPECT_EQ(event.frame, good.frame);
    EXPECT_EQ(event.action, good.action);
    EXPECT_EQ(event.first, good.first);
    EXPECT_EQ(event.second, good.second);
    EXPECT_EQ(ReadLog(), "");
}

// The line a record writes for the event reads back as the same event.
TEST_P(InputScriptGoodLineTest, FormatsALineThatParsesBackToTheEvent) {
    const GoodLine good = GetParam();
    const cInputScript::Event event{good.frame, good.action, good.first, good.second};
    const std::string line = cInputScript::FormatLine(event);
    ASSERT_TRUE(ParseText(line));
    EXPECT_EQ(script.SkippedLineCount(), 0u) << line << ReadLog();
    ASSERT_EQ(script.Events().size(), 1u) << line;
    const cInputScript::Event& back = script.Events().front();
    EXPECT_EQ(back.frame, event.frame) << line;
    EXPECT_EQ(back.action, event.action) << line;
    EXPECT_EQ(back.first, event.first) << line;
    EXPECT_EQ(back.second, event.second) << line;
}

INSTANTIATE_TEST_SUITE_P(
    Lines, InputScriptGoodLineTest,
    ::testing::Values(GoodLine{"1 keydown 65", 1, eAction::KeyDown, 65, 0},
                      GoodLine{"2 keyup 0x41", 2, eAction::KeyUp, 65, 0},
                      GoodLine{"9 keydown 0X1b", 9, eAction::KeyDown, 0x1B, 0},
                      GoodLine{"  8\tkeydown   0x7B  ", 8, eAction::KeyDown, 0x7B, 0},
                      GoodLine{"3 move -5 700", 3, eAction::Move, -5, 700},
                      GoodLine{"4 buttondown 2", 4, eAction::ButtonDown, 2, 0},
                      GoodLine{"5 buttonup 0", 5, eAction::ButtonUp, 0, 0},
                      GoodLine{"6 wheel -240", 6, eAction::Wheel, -240, 0},
                      GoodLine{"6 wheel +120", 6, eAction::Wheel, 120, 0},
                      GoodLine{"70000 close", 70000, eAction::Close, 0, 0},
                      GoodLine{"7 close\r", 7, eAction::Close, 0, 0}));

struct BadLine {
    const char* line;
    const char* reason;
};

// Names each case by its line in the test list.
void PrintTo(const BadLine& bad, std::ostream* out) { *out << Visible(bad.line); }

class InputScriptBadLineTest : public InputScriptTest,
                               public ::testing::WithParamInterface<BadLine> {};

TEST_P(InputScriptBadLineTest, IsLoggedWithItsLineAndSkipped) {
    const BadLine bad = GetParam();
    EXPECT_TRUE(ParseText(std::string("# header\n") + bad.line + "\n1 close\n"));
    EXPECT_EQ(script.SkippedLineCount(), 1u);
    ASSERT_EQ(script.Events().size(), 1u) << "the good line after it is kept";
    EXPECT_EQ(script.Events().front().action, eAction::Close);
    EXPECT_EQ(ReadLog(), std::string("Error: test.script:2: ") + bad.reason + "\n");
}

INSTANTIATE_TEST_SUITE_P(
    Lines, InputScriptBadLineTest,
    ::testing::Values(
        BadLine{"0 keydown 65", "the frame '0' is not a number from 1 up"},
        BadLine{"-3 close", "the frame '-3' is not a number from 1 up"},
        BadLine{"abc close", "the frame 'abc' is not a number from 1 up"},
        BadLine{"5", "an event word must follow the frame"},
        BadLine{"5 jump", "unknown event 'jump'"},
        BadLine{"5 KeyDown 65", "unknown event 'KeyDown'"},
        BadLine{"5 keydown", "'keydown' takes 1 value(s), found 0"},
        BadLine{"5 keydown 65 66", "'keydown' takes 1 value(s), found 2"},
        BadLine{"5 move 10", "'move' takes 2 value(s), found 1"},
        BadLine{"5 close now", "'close' takes 0 value(s), found 1"},
        BadLine{"5 keydown A", "'A' is not a 32-bit number"},
        BadLine{"5 keydown 0x", "'0x' is not a 32-bit number"},
        BadLine{"5 keydown 6five", "'6five' is not a 32-bit number"},
        BadLine{"5 move 2147483648 0", "'2147483648' is not a 32-bit number"},
        BadLine{"5 keydown 256", "key code outside 1..255"},
        BadLine{"5 keyup 0", "key code outside 1..255"},
        BadLine{"5 keydown 0x07", "key code 7 has no key on the keyboard"},
        BadLine{"5 buttondown 3", "button outside 0..2"},
        BadLine{"5 buttonup -1", "button outside 0..2"},
        BadLine{"5 wheel 60", "wheel delta must be a non-zero multiple of 120"},
        BadLine{"5 wheel 0", "wheel delta must be a non-zero multiple of 120"}));

TEST_F(InputScriptTest, OrdersByFrameAndKeepsFileOrderWithinAFrame) {
    const std::string text =
        "# a comment\r\n"
        "\r\n"
        "3 keyup 0x41\r\n"
        "1 keydown 0x41\r\n"
        "   # an indented comment\n"
        "3 move 1 2\n"
        "1 buttondown 0\n"
        "2 close\n";
    EXPECT_TRUE(ParseText(text));
    EXPECT_EQ(script.SkippedLineCount(), 0u) << ReadLog();
    const auto& events = script.Events();
    ASSERT_EQ(events.size(), 5u);
    const eAction expected[] = {eAction::KeyDown, eAction::ButtonDown, eAction::Close,
                                eAction::KeyUp, eAction::Move};
    const unsigned frames[] = {1, 1, 2, 3, 3};
    for (size_t i = 0; i < events.size(); ++i) {
        EXPECT_EQ(events[i].action, expected[i]) << i;
        EXPECT_EQ(events[i].frame, frames[i]) << i;
    }
    EXPECT_EQ(script.LastFrame(), 3u);
}

TEST(InputScriptFormat, WritesEachKindInTheScriptsWords) {
    const struct {
        cInputScript::Event event;
        const char* line;
    } cases[] = {
        {{12, eAction::KeyDown, 0x57, 0}, "12 keydown 0x57"}, {{13, eAction::KeyUp, 0xA0, 0}, "13 keyup 0xA0"},
        {{3, eAction::Move, -4, 30}, "3 move -4 30"},         {{5, eAction::ButtonDown, 1, 0}, "5 buttondown 1"},
        {{5, eAction::ButtonUp, 2, 0}, "5 buttonup 2"},       {{7, eAction::Wheel, -240, 0}, "7 wheel -240"},
        {{9, eAction::Close, 0, 0}, "9 close"},
    };
    for (const auto& entry : cases) EXPECT_EQ(cInputScript::FormatLine(entry.event), entry.line);
}

TEST_F(InputScriptTest, KeepsTheOptionsOfARecordsHeader) {
    ASSERT_TRUE(ParseText("# brambleby record: --seed 7 --fixed-dt 0.0166666675 --state Sandbox2\r\n"
                          "# mouse positions in a client area of 1280 x 720\n1 close\n"));
    EXPECT_EQ(script.RecordedOptions(), "--seed 7 --fixed-dt 0.0166666675 --state Sandbox2");
    EXPECT_EQ(script.Events().size(), 1u);
    ASSERT_TRUE(ParseText("# notes on brambleby record: not a header\n1 close\n"));
    EXPECT_EQ(script.RecordedOptions(), "") << "only a comment that opens with the words is a header";
    ASSERT_TRUE(ParseText("1 close\n"));
    EXPECT_EQ(script.RecordedOptions(), "") << "parsing again forgets the last header";
}

TEST_F(InputScriptTest, ParsingAgainReplacesTheEvents) {
    ASSERT_TRUE(ParseText("4 close\n4 jump\n"));
    ASSERT_TRUE(ParseText("# nothing\n"));
    EXPECT_TRUE(script.Events().empty());
    EXPECT_EQ(script.SkippedLineCount(), 0u);
    EXPECT_EQ(script.LastFrame(), 0u);
}

TEST_F(InputScriptTest, LoadReadsAFile) {
    const std::string path = temp.Write("input.txt", "2 keydown 0x20\n2 keyup 0x20\n2 fly\n");
    EXPECT_TRUE(script.Load(path)) << "a malformed line does not fail the file";
    EXPECT_EQ(script.Events().size(), 2u);
    EXPECT_EQ(script.SkippedLineCount(), 1u);
    EXPECT_EQ(ReadLog(), "Error: " + path + ":3: unknown event 'fly'\n");
}

TEST_F(InputScriptTest, LoadOfAMissingFileFailsWithALogLine) {
    ASSERT_TRUE(ParseText("4 close\n"));
    const std::string path = temp.File("missing.txt");
    EXPECT_FALSE(script.Load(path));
    EXPECT_TRUE(script.Events().empty());
    EXPECT_EQ(ReadLog(), "Error: the input script " + path + " could not be opened\n");
}

}  // namespace
