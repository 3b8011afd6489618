#include "engine/platform/cWindow.h"

#include <SDL.h>

#include "engine/core/cLog.h"
#include "engine/platform/cInputRecorder.h"
#include "engine/platform/cKeyTable.h"
#include "engine/platform/cKeyboardState.h"
#include "engine/platform/cMouseState.h"

namespace Engine {

namespace {

constexpr int32_t kFallbackWidth = 1024;
constexpr int32_t kFallbackHeight = 768;
// One wheel notch in the platform's wheel messages.
constexpr int kWheelDeltaPerNotch = 120;

// The mouse state's button index of an SDL button, or -1 for the others.
int ButtonIndex(Uint8 sdl_button) {
    switch (sdl_button) {
        case SDL_BUTTON_LEFT: return 0;
        case SDL_BUTTON_RIGHT: return 1;
        case SDL_BUTTON_MIDDLE: return 2;
        default: return -1;
    }
}

// The signed wheel delta of an SDL wheel event, away from the user positive.
int WheelDelta(const SDL_MouseWheelEvent& wheel) {
    const int notches = wheel.direction == SDL_MOUSEWHEEL_FLIPPED ? -wheel.y : wheel.y;
    return notches * kWheelDeltaPerNotch;
}

// SDL's creation flags for a description: shown, desktop fullscreen, OpenGL.
Uint32 WindowFlags(const WindowDesc& desc) {
    Uint32 flags = SDL_WINDOW_SHOWN;
    if (desc.fullscreen) flags |= SDL_WINDOW_FULLSCREEN_DESKTOP;
    if (desc.opengl) flags |= SDL_WINDOW_OPENGL;
    return flags;
}

// The context the renderer draws with; SDL needs it asked for before the window exists.
void RequestOpenGLContext() {
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_MAJOR_VERSION, 3);
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_MINOR_VERSION, 3);
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_PROFILE_MASK, SDL_GL_CONTEXT_PROFILE_CORE);
    SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
    SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, 24);
    SDL_GL_SetAttribute(SDL_GL_STENCIL_SIZE, 8);
}

void SdlCapture(bool capture) {
    // Capture is a comfort (drags leaving the window); drivers without it
    // report an error that changes nothing for the game, so it is not checked.
    SDL_CaptureMouse(capture ? SDL_TRUE : SDL_FALSE);
}

}  // namespace

cWindow::~cWindow() { ReleaseWindow(); }

bool cWindow::CreateMainWindow(const WindowDesc& desc) {
    if (handle != nullptr) {
        LogError("the main window exists already; a second one is not created");
        return false;
    }
    caption = desc.caption;
    width = desc.width;
    height = desc.height;
    fullscreen = desc.fullscreen;
    if (width <= 0 || height <= 0) {
        LogError("window size " + std::to_string(width) + " x " + std::to_string(height) +
                 " is not usable; 1024 x 768 is used");
        width = kFallbackWidth;
        height = kFallbackHeight;
    }
    // A close then arrives once, as the window's own close event.
    SDL_SetHint(SDL_HINT_QUIT_ON_LAST_WINDOW_CLOSE, "0");
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
        LogError(std::string("video could not start (no display?): ") + SDL_GetError());
        return false;
    }
    if (desc.opengl) RequestOpenGLContext();
    handle = SDL_CreateWindow(caption.c_str(), 0, 0, width, height, WindowFlags(desc));
    if (handle == nullptr) {
        LogError(std::string("the main window could not be created: ") + SDL_GetError());
        SDL_QuitSubSystem(SDL_INIT_VIDEO);
        return false;
    }
    RecordDesktopSize();
    cMouseState::Instance().SetCaptureHook(SdlCapture);
    ApplyCursorVisibility();
    LogOpened();
    return true;
}

void cWindow::LogOpened() const {
    int client_width = 0;
    int client_height = 0;
    SDL_GetWindowSize(handle, &client_width, &client_height);
    LogEngine("[cWindow] Opened " + std::to_string(client_width) + " x " + std::to_string(client_height) +
              (fullscreen ? " fullscreen" : " windowed") + " on the " + SDL_GetCurrentVideoDriver() +
              " video driver");
}

void cWindow::ApplyWindowMode(int32_t new_width, int32_t new_height) {
    if (new_width <= 0 || new_height <= 0) {
        LogError("window mode " + std::to_string(new_width) + " x " + std::to_string(new_height) +
                 " is not usable; the window is left as it is");
        return;
    }
    width = new_width;
    height = new_height;
    if (handle == nullptr) {
        LogError("window mode applied before the window exists; only the size is stored");
        return;
    }
    if (SDL_SetWindowFullscreen(handle, fullscreen ? SDL_WINDOW_FULLSCREEN_DESKTOP : 0) != 0) {
        LogError(std::string("the window mode could not change: ") + SDL_GetError());
    }
    if (!fullscreen) {
        SDL_SetWindowSize(handle, width, height);
        SDL_SetWindowPosition(handle, 0, 0);
    }
}

void cWindow::DestroyMainWindow() {
    if (handle == nullptr) return;
    cMouseState& mouse = cMouseState::Instance();
    if (mouse.CaptureCount() > 0) SdlCapture(false);
    mouse.SetCaptureHook(nullptr);
    ReleaseWindow();
}

void cWindow::ClearInput() {
    cKeyboardState::Instance().Clear();
    cMouseState::Instance().Clear();
}

void cWindow::UpdateInput(float dt) {
    cKeyboardState::Instance().Age(dt);
    cMouseState& mouse = cMouseState::Instance();
    mouse.Age();
    mouse.ClearWheel();
    SDL_Event event;
    while (SDL_PollEvent(&event) == 1) HandleEvent(event);
}

void cWindow::HandleEvent(const SDL_Event& event) {
    if (recorder != nullptr) recorder->Record(event);
    switch (event.type) {
        case SDL_QUIT: NotifyClosed(); break;
        case SDL_WINDOWEVENT: HandleWindowEvent(event); break;
        case SDL_KEYDOWN:
        case SDL_KEYUP: HandleKeyEvent(event); break;
        case SDL_MOUSEMOTION: cMouseState::Instance().Move(event.motion.x, event.motion.y); break;
        case SDL_MOUSEBUTTONDOWN:
        case SDL_MOUSEBUTTONUP: HandleButtonEvent(event); break;
        case SDL_MOUSEWHEEL: cMouseState::Instance().Wheel(WheelDelta(event.wheel)); break;
        default: break;
    }
}

void cWindow::SetCursorPosition(int32_t cursor_x, int32_t cursor_y) {
    if (handle == nullptr) {
        LogError("the cursor cannot be placed before the window exists");
        return;
    }
    SDL_WarpMouseInWindow(handle, cursor_x, cursor_y);
}

void cWindow::ShowSystemCursor(bool on) {
    if (on) {
        do ++cursor_display_count;
        while (cursor_display_count < 0);
    } else {
        do --cursor_display_count;
        while (cursor_display_count >= 0);
    }
    ApplyCursorVisibility();
}

void cWindow::AddWindowListener(iWindowEventListener* listener) { listeners.Add(listener); }

void cWindow::RemoveWindowListener(iWindowEventListener* listener) { listeners.Remove(listener); }

void cWindow::AddKeyboardListener(iKeyboardListener* listener) {
    cKeyboardState::Instance().AddListener(listener);
}

void cWindow::RemoveKeyboardListener(iKeyboardListener* listener) {
    cKeyboardState::Instance().RemoveListener(listener);
}

void cWindow::AddMouseListener(iMouseListener* listener) {
    cMouseState::Instance().AddListener(listener);
}

void cWindow::RemoveMouseListener(iMouseListener* listener) {
    cMouseState::Instance().RemoveListener(listener);
}

void cWindow::SetDesktopSize(int32_t new_width, int32_t new_height) {
    desktop_width = new_width;
    desktop_height = new_height;
}

void cWindow::ReleaseWindow() {
    if (handle == nullptr) return;
    SDL_DestroyWindow(handle);
    handle = nullptr;
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
}

void cWindow::RecordDesktopSize() {
    const int display = SDL_GetWindowDisplayIndex(handle);
    SDL_DisplayMode mode;
    if (SDL_GetDesktopDisplayMode(display < 0 ? 0 : display, &mode) != 0) {
        LogError(std::string("the desktop size could not be read; the window size is used: ") +
                 SDL_GetError());
        SetDesktopSize(width, height);
        return;
    }
    SetDesktopSize(mode.w, mode.h);
}

void cWindow::ApplyCursorVisibility() const {
    if (SDL_WasInit(SDL_INIT_VIDEO) == 0) return;
    SDL_ShowCursor(cursor_display_count >= 0 ? SDL_ENABLE : SDL_DISABLE);
}

void cWindow::NotifyClosed() {
    listeners.Notify([](iWindowEventListener& listener) { listener.OnWindowClosed(); });
}

void cWindow::HandleWindowEvent(const SDL_Event& event) {
    // Moves and exposures need nothing: the renderer draws every frame anyway.
    if (event.window.event == SDL_WINDOWEVENT_CLOSE) NotifyClosed();
}

void cWindow::HandleKeyEvent(const SDL_Event& event) {
    // Keys without a virtual-key code (media keys and the like) are not game input.
    const int key = cKeyTable::ToVirtualKey(event.key.keysym.sym);
    if (key == 0) return;
    if (event.type == SDL_KEYDOWN) {
        cKeyboardState::Instance().KeyDown(key);
    } else {
        cKeyboardState::Instance().KeyUp(key);
    }
}

void cWindow::HandleButtonEvent(const SDL_Event& event) {
    const int button = ButtonIndex(event.button.button);
    if (button < 0) return;
    if (event.type == SDL_MOUSEBUTTONDOWN) {
        cMouseState::Instance().ButtonDown(button);
    } else {
        cMouseState::Instance().ButtonUp(button);
    }
}

}  // namespace Engine
