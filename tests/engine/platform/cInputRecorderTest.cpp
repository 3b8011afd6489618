#include "engine/platform/cInputRecorder.h"

#include <SDL.h>  // the raw events a device would send
#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "engine/core/cLog.h"
#include "engine/platform/cInputScript.h"
#include "engine/platform/cWindow.h"
#include "tests/engine/platform/PlatformFixture.h"
#include "tests/support/TempDir.h"

using Engine::cInputRecorder;
using Engine::cInputScript;

namespace {

constexpr float kDt = 1.0f / 60.0f;

// A window on the dummy driver with a recorder attached, in a fresh folder with a fresh log.
class InputRecorderTest : public PlatformFixture {
protected:
    InputRecorderTest() : working_directory(temp.Path()) { Engine::cLog::Destroy(); }
    ~InputRecorderTest() override {
        Engine::cWindow::Instance().SetRecorder(nullptr);
        Engine::cLog::Destroy();
    }

    void OpenWindowAndRecorder() {
        Engine::WindowDesc desc;
        desc.width = 320;
        desc.height = 200;
        ASSERT_TRUE(window.CreateMainWindow(desc));
        ASSERT_TRUE(recorder.Open(path, {"brambleby record: --seed 3 --fixed-dt 0.5"}));
        window.SetRecorder(&recorder);
    }

    // One frame of the game's input step: the frame is set, the events pumped.
    void Frame(unsigned frame) {
        recorder.SetFrame(frame);
        window.UpdateInput(kDt);
    }

    static void PushRaw(SDL_Event event) {
        event.common.timestamp = 0;
        ASSERT_EQ(SDL_PushEvent(&event), 1) << SDL_GetError();
    }

    std::string ReadLog() {
        Engine::cLog::Instance().Close();
        return TestSupport::ReadFile(temp.File("Engine.log"));
    }

    TestSupport::TempDir temp;
    TestSupport::ScopedWorkingDirectory working_directory;
    Engine::cWindow& window = Engine::cWindow::Instance();
    cInputRecorder recorder;
    const std::string path = temp.File("run.txt");
};

// Every kind of event a script can hold, pushed through SDL's queue, comes
// out of the window's pump into the record in the frame it arrived, and the
// record reads back as the same script.
TEST_F(InputRecorderTest, WritesEveryEventTheWindowReceivesWithItsFrame) {
    OpenWindowAndRecorder();
    const std::string events =
        "1 keydown 0x57\n1 keydown 0xA0\n1 move 10 20\n1 buttondown 0\n1 buttondown 1\n1 wheel 240\n"
        "2 keyup 0x57\n2 move -4 300\n2 buttonup 0\n2 buttonup 1\n2 buttondown 2\n2 wheel -120\n"
        "4 buttonup 2\n4 close\n";
    cInputScript script;
    std::istringstream text(events);
    ASSERT_TRUE(script.Parse(text, "played"));
    ASSERT_EQ(script.SkippedLineCount(), 0u);
    for (unsigned frame = 1; frame <= 4; ++frame) {
        script.Inject(frame);
        Frame(frame);
    }
    recorder.Close(4);

    EXPECT_EQ(TestSupport::ReadFile(path),
              "# brambleby record: --seed 3 --fixed-dt 0.5\n" + events + "# the run ended after 4 frames\n");
    cInputScript replay;
    ASSERT_TRUE(replay.Load(path));
    EXPECT_EQ(replay.RecordedOptions(), "--seed 3 --fixed-dt 0.5");
    ASSERT_EQ(replay.Events().size(), script.Events().size());
    for (size_t i = 0; i < script.Events().size(); ++i) {
        EXPECT_EQ(replay.Events()[i].frame, script.Events()[i].frame) << i;
        EXPECT_EQ(replay.Events()[i].action, script.Events()[i].action) << i;
        EXPECT_EQ(replay.Events()[i].first, script.Events()[i].first) << i;
        EXPECT_EQ(replay.Events()[i].second, script.Events()[i].second) << i;
    }
    EXPECT_EQ(ReadLog().find("Error"), std::string::npos) << ReadLog();
}

// What a device sends beyond the script's words: repeats are key downs as
// the keyboard state sees them, a flipped wheel turns the other way, a quit
// request is a close; what the game ignores is not written.
TEST_F(InputRecorderTest, WritesRawEventsAsTheGameReadsThemAndLeavesOutTheRest) {
    OpenWindowAndRecorder();
    SDL_Event repeat{};
    repeat.type = SDL_KEYDOWN;
    repeat.key.repeat = 1;
    repeat.key.keysym.sym = SDLK_a;
    PushRaw(repeat);
    SDL_Event media{};
    media.type = SDL_KEYDOWN;
    media.key.keysym.sym = SDLK_AUDIOPLAY;
    PushRaw(media);
    SDL_Event side_button{};
    side_button.type = SDL_MOUSEBUTTONDOWN;
    side_button.button.button = SDL_BUTTON_X1;
    PushRaw(side_button);
    SDL_Event sideways{};
    sideways.type = SDL_MOUSEWHEEL;
    sideways.wheel.x = 1;
    PushRaw(sideways);
    SDL_Event flipped{};
    flipped.type = SDL_MOUSEWHEEL;
    flipped.wheel.y = 1;
    flipped.wheel.direction = SDL_MOUSEWHEEL_FLIPPED;
    PushRaw(flipped);
    SDL_Event moved{};
    moved.type = SDL_WINDOWEVENT;
    moved.window.event = SDL_WINDOWEVENT_MOVED;
    PushRaw(moved);
    SDL_Event quit{};
    quit.type = SDL_QUIT;
    PushRaw(quit);
    Frame(7);
    recorder.Close(7);
    EXPECT_EQ(TestSupport::ReadFile(path),
              "# brambleby record: --seed 3 --fixed-dt 0.5\n7 keydown 0x41\n7 wheel -120\n7 close\n"
              "# the run ended after 7 frames\n");
}

TEST_F(InputRecorderTest, WritesNothingBeforeOpenOrAfterClose) {
    SDL_Event quit{};
    quit.type = SDL_QUIT;
    recorder.Record(quit);
    ASSERT_TRUE(recorder.Open(path, {}));
    recorder.Record(quit);
    recorder.Close(1);
    recorder.Record(quit);
    EXPECT_FALSE(recorder.IsOpen());
    EXPECT_EQ(TestSupport::ReadFile(path), "1 close\n# the run ended after 1 frames\n");
}

TEST_F(InputRecorderTest, AFileThatCannotBeCreatedIsReported) {
    const std::string bad = temp.File("no-such-folder/run.txt");
    EXPECT_FALSE(recorder.Open(bad, {"header"}));
    EXPECT_FALSE(recorder.IsOpen());
    EXPECT_EQ(ReadLog(), "Error: the input record " + bad + " could not be created\n");
}

}  // namespace
