#include "engine/platform/cWindow.h"

#include <SDL.h>  // the events and window queries the tests check against
#include <gtest/gtest.h>

#include <cstdlib>  // getenv, setenv
#include <sstream>
#include <string>
#include <vector>

#include "engine/platform/VirtualKeys.h"
#include "engine/platform/cInputScript.h"
#include "tests/engine/platform/PlatformFixture.h"
#include "tests/engine/platform/RecordingListener.h"

using Engine::cKeyboardState;
using Engine::cMouseState;
using Engine::cWindow;
using Engine::WindowDesc;

namespace {

constexpr float kDt60 = 1.0f / 60.0f;

WindowDesc Desc(int32_t width, int32_t height) {
    WindowDesc desc;
    desc.width = width;
    desc.height = height;
    return desc;
}

// A window test with a listener on all three lists.
class WindowTest : public PlatformFixture {
protected:
    WindowTest() {
        window.AddWindowListener(&listener);
        window.AddKeyboardListener(&listener);
        window.AddMouseListener(&listener);
    }
    ~WindowTest() override {
        window.RemoveWindowListener(&listener);
        window.RemoveKeyboardListener(&listener);
        window.RemoveMouseListener(&listener);
    }

    cWindow& window = cWindow::Instance();
    std::vector<std::string> journal;
    RecordingListener listener{"a", journal};
};

TEST_F(WindowTest, ScriptedFramesArriveThroughThePumpLikeRealInput) {
    ASSERT_TRUE(window.CreateMainWindow(Desc(320, 200)));
    Engine::cInputScript script;
    std::istringstream text(
        "1 keydown 0x41\n1 keydown 0xA0\n1 move 10 20\n1 buttondown 0\n1 wheel 120\n"
        "2 keyup 0x41\n2 move -4 30\n2 buttonup 0\n2 close\n");
    ASSERT_TRUE(script.Parse(text, "round trip"));
    ASSERT_EQ(script.SkippedLineCount(), 0u);
    cKeyboardState& keyboard = cKeyboardState::Instance();
    cMouseState& mouse = cMouseState::Instance();

    script.Inject(1);
    window.UpdateInput(kDt60);
    EXPECT_TRUE(keyboard.WasPressed('A'));
    EXPECT_TRUE(keyboard.IsDown(Engine::kVK_LSHIFT));
    EXPECT_TRUE(keyboard.IsDown(Engine::kVK_SHIFT));
    EXPECT_EQ(mouse.X(), 10);
    EXPECT_EQ(mouse.Y(), 20);
    EXPECT_TRUE(mouse.WasButtonPressed(0));
    EXPECT_EQ(mouse.CaptureCount(), 1);
    EXPECT_TRUE(mouse.WheelUp());
    EXPECT_EQ(journal,
              (std::vector<std::string>{"a: keydown 65", "a: keydown 160", "a: keydown 16",
                                        "a: move 10 20", "a: buttondown 0", "a: wheel up"}));

    journal.clear();
    script.Inject(2);
    window.UpdateInput(kDt60);
    EXPECT_TRUE(keyboard.WasReleased('A'));
    EXPECT_TRUE(keyboard.IsDown(Engine::kVK_SHIFT)) << "left Shift is still held";
    EXPECT_EQ(mouse.PreviousX(), 10);
    EXPECT_EQ(mouse.X(), -4);
    EXPECT_TRUE(mouse.WasButtonReleased(0));
    EXPECT_EQ(mouse.CaptureCount(), 0);
    EXPECT_FALSE(mouse.WheelUp()) << "the wheel flags last one frame";
    EXPECT_EQ(journal, (std::vector<std::string>{"a: keyup 65", "a: move -4 30", "a: buttonup 0",
                                                 "a: closed"}));

    journal.clear();
    script.Inject(3);
    window.UpdateInput(kDt60);
    EXPECT_TRUE(journal.empty());
    EXPECT_FALSE(keyboard.WasReleased('A'));
}

TEST_F(WindowTest, CreationRecordsTheWindowAndRefusesASecondOne) {
    WindowDesc desc = Desc(320, 200);
    desc.caption = "Brambleby test";
    ASSERT_TRUE(window.CreateMainWindow(desc));
    ASSERT_NE(window.Handle(), nullptr);
    EXPECT_EQ(window.Caption(), "Brambleby test");
    EXPECT_EQ(std::string(SDL_GetWindowTitle(window.Handle())), "Brambleby test");
    EXPECT_EQ(window.Width(), 320);
    EXPECT_EQ(window.Height(), 200);
    EXPECT_FALSE(window.IsFullscreen());
    EXPECT_GT(window.DesktopWidth(), 0);
    EXPECT_GT(window.DesktopHeight(), 0);

    SDL_Window* first = window.Handle();
    EXPECT_FALSE(window.CreateMainWindow(desc));
    EXPECT_EQ(window.Handle(), first);

    window.DestroyMainWindow();
    EXPECT_EQ(window.Handle(), nullptr);
    EXPECT_EQ(SDL_WasInit(SDL_INIT_VIDEO), 0u) << "video is stopped with the window";
    window.DestroyMainWindow();
    EXPECT_TRUE(window.CreateMainWindow(desc)) << "a window can be made again";
}

TEST_F(WindowTest, AnUnusableSizeFallsBackTo1024By768) {
    ASSERT_TRUE(window.CreateMainWindow(Desc(0, -5)));
    int width = 0, height = 0;
    SDL_GetWindowSize(window.Handle(), &width, &height);
    EXPECT_EQ(width, 1024);
    EXPECT_EQ(height, 768);
    EXPECT_EQ(window.Width(), 1024);
}

TEST_F(WindowTest, FailureToCreateIsReportedAndLeavesNoVideoRunning) {
    WindowDesc desc = Desc(320, 200);
    desc.opengl = true;  // the dummy driver has no OpenGL
    EXPECT_FALSE(window.CreateMainWindow(desc));
    EXPECT_EQ(window.Handle(), nullptr);
    EXPECT_EQ(SDL_WasInit(SDL_INIT_VIDEO), 0u);
}

TEST_F(WindowTest, CloseWithoutAWindowArrivesAsQuit) {
    ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_EVENTS), 0) << SDL_GetError();
    Engine::cInputScript script;
    std::istringstream text("1 close\n");
    ASSERT_TRUE(script.Parse(text, "quit"));
    ASSERT_EQ(script.Events().size(), 1u);
    script.Inject(1);
    window.UpdateInput(kDt60);
    SDL_QuitSubSystem(SDL_INIT_EVENTS);
    EXPECT_EQ(journal, (std::vector<std::string>{"a: closed"}));
}

SDL_Event KeyEvent(Uint32 type, SDL_Keycode key) {
    SDL_Event event{};
    event.type = type;
    event.key.keysym.sym = key;
    return event;
}

SDL_Event ButtonEvent(Uint32 type, Uint8 button) {
    SDL_Event event{};
    event.type = type;
    event.button.button = button;
    return event;
}

SDL_Event WheelEvent(Sint32 y, Uint32 direction) {
    SDL_Event event{};
    event.type = SDL_MOUSEWHEEL;
    event.wheel.y = y;
    event.wheel.direction = direction;
    return event;
}

TEST_F(WindowTest, TheWindowProcedureMapsEachEvent) {
    struct Case {
        const char* name;
        SDL_Event event;
        std::vector<std::string> calls;
    };
    SDL_Event motion{};
    motion.type = SDL_MOUSEMOTION;
    motion.motion.x = -3;
    motion.motion.y = 900;
    SDL_Event close{};
    close.type = SDL_WINDOWEVENT;
    close.window.event = SDL_WINDOWEVENT_CLOSE;
    SDL_Event moved{};
    moved.type = SDL_WINDOWEVENT;
    moved.window.event = SDL_WINDOWEVENT_MOVED;
    SDL_Event quit{};
    quit.type = SDL_QUIT;
    const Case cases[] = {
        {"letter down", KeyEvent(SDL_KEYDOWN, SDLK_d), {"a: keydown 68"}},
        {"F1 up", KeyEvent(SDL_KEYUP, SDLK_F1), {"a: keyup 112"}},
        {"unmapped key", KeyEvent(SDL_KEYDOWN, SDLK_CAPSLOCK), {}},
        {"right Ctrl", KeyEvent(SDL_KEYDOWN, SDLK_RCTRL), {"a: keydown 163", "a: keydown 17"}},
        {"left button", ButtonEvent(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT), {"a: buttondown 0"}},
        {"right button", ButtonEvent(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_RIGHT), {"a: buttondown 1"}},
        {"middle button", ButtonEvent(SDL_MOUSEBUTTONUP, SDL_BUTTON_MIDDLE), {"a: buttonup 2"}},
        {"side button", ButtonEvent(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_X1), {}},
        {"wheel away", WheelEvent(2, SDL_MOUSEWHEEL_NORMAL), {"a: wheel up"}},
        {"wheel flipped", WheelEvent(1, SDL_MOUSEWHEEL_FLIPPED), {"a: wheel down"}},
        {"sideways wheel", WheelEvent(0, SDL_MOUSEWHEEL_NORMAL), {}},
        {"motion", motion, {"a: move -3 900"}},
        {"close button", close, {"a: closed"}},
        {"window moved", moved, {}},
        {"quit", quit, {"a: closed"}},
    };
    for (const Case& test : cases) {
        journal.clear();
        window.HandleEvent(test.event);
        EXPECT_EQ(journal, test.calls) << test.name;
    }
}

TEST_F(WindowTest, FlippedWheelSetsTheDownFlag) {
    window.HandleEvent(WheelEvent(1, SDL_MOUSEWHEEL_FLIPPED));
    EXPECT_TRUE(cMouseState::Instance().WheelDown());
    EXPECT_FALSE(cMouseState::Instance().WheelUp());
}

TEST_F(WindowTest, ClearInputZeroesKeysAndMouse) {
    window.HandleEvent(KeyEvent(SDL_KEYDOWN, SDLK_a));
    window.HandleEvent(ButtonEvent(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT));
    window.ClearInput();
    EXPECT_EQ(cKeyboardState::Instance().Flags('A'), 0u);
    EXPECT_EQ(cMouseState::Instance().ButtonFlags(0), 0);
    EXPECT_EQ(cMouseState::Instance().CaptureCount(), 0);
}

TEST_F(WindowTest, SystemCursorFollowsTheDisplayCount) {
    ASSERT_TRUE(window.CreateMainWindow(Desc(320, 200)));
    struct Step {
        bool on;
        int32_t count;
    };
    // Each call moves the count at least one step, then on to the wanted side.
    const Step steps[] = {{false, -1}, {false, -2}, {true, 0}, {true, 1}, {false, -1}, {true, 0}};
    EXPECT_EQ(window.CursorDisplayCount(), 0);
    for (const Step& step : steps) {
        window.ShowSystemCursor(step.on);
        EXPECT_EQ(window.CursorDisplayCount(), step.count);
        EXPECT_EQ(SDL_ShowCursor(SDL_QUERY), step.on ? SDL_ENABLE : SDL_DISABLE);
    }
}

TEST_F(WindowTest, WindowModeNeedsAUsableSize) {
    window.ApplyWindowMode(800, 600);
    EXPECT_EQ(window.Width(), 800) << "stored even before the window exists";
    window.ApplyWindowMode(0, 600);
    window.ApplyWindowMode(800, -1);
    EXPECT_EQ(window.Width(), 800);
    EXPECT_EQ(window.Height(), 600);
}

// Sets an environment variable for one scope and puts the old value back.
class ScopedEnvironment {
public:
    ScopedEnvironment(const char* variable, const char* value) : name(variable) {
        const char* old = std::getenv(variable);
        had_value = old != nullptr;
        if (had_value) previous = old;
        setenv(variable, value, 1);
    }
    ~ScopedEnvironment() {
        if (had_value) {
            setenv(name, previous.c_str(), 1);
        } else {
            unsetenv(name);
        }
    }

private:
    const char* name;
    bool had_value = false;
    std::string previous;
};

// Lets the X server carry out a request; SDL's window queries follow its events.
bool WaitForWindow(SDL_Window* handle, bool fullscreen, int width, int height) {
    for (int attempt = 0; attempt < 100; ++attempt) {
        SDL_PumpEvents();
        int w = 0, h = 0;
        SDL_GetWindowSize(handle, &w, &h);
        const bool is_fullscreen = (SDL_GetWindowFlags(handle) & SDL_WINDOW_FULLSCREEN_DESKTOP) ==
                                   SDL_WINDOW_FULLSCREEN_DESKTOP;
        if (w == width && h == height && is_fullscreen == fullscreen) return true;
        SDL_Delay(20);
    }
    return false;
}

TEST_F(WindowTest, RealWindowOnX11SwitchesToFullscreenAndBack) {
    if (std::getenv("DISPLAY") == nullptr) {
        GTEST_SKIP() << "DISPLAY is not set: no X server to open a window on";
    }
    ScopedEnvironment driver("SDL_VIDEODRIVER", "x11");
    ASSERT_TRUE(window.CreateMainWindow(Desc(640, 360))) << SDL_GetError();
    EXPECT_TRUE(WaitForWindow(window.Handle(), false, 640, 360));
    ASSERT_GT(window.DesktopWidth(), 0);

    window.SetFullscreen(true);
    window.ApplyWindowMode(window.DesktopWidth(), window.DesktopHeight());
    EXPECT_TRUE(
        WaitForWindow(window.Handle(), true, window.DesktopWidth(), window.DesktopHeight()));

    window.SetFullscreen(false);
    window.ApplyWindowMode(640, 360);
    EXPECT_TRUE(WaitForWindow(window.Handle(), false, 640, 360));
    EXPECT_EQ(window.Width(), 640);
    EXPECT_EQ(window.Height(), 360);
}

}  // namespace
