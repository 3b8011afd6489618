#pragma once
// cWindow: the program's one top-level window and its message pump.
//
// The window record holds what start-up asked for (caption, client size,
// fullscreen), the desktop size and the SDL window. UpdateInput runs once per
// frame before the state's update: it ages the keyboard and mouse state, then
// drains every pending SDL event without blocking and hands each to
// HandleEvent, the window procedure, which turns it into calls on the window
// listeners, cKeyboardState and cMouseState. Injected events (cInputScript)
// take the same path as real ones. A recorder, when one is set, sees each
// event first (the --record option).
//
// Fullscreen is SDL's desktop fullscreen: a borderless window covering the
// display at its current resolution, so switching never changes the display
// mode. The renderer sets the fullscreen flag and calls ApplyWindowMode.
//
// The cursor display count is kept here, as the platform's own count was: the
// system cursor is visible while it is 0 or more.
//
// All SDL calls live in the .cpp; SDL types appear here only as forward
// declarations so that game code builds without SDL's headers.

#include <cstdint>
#include <string>
#include <vector>

#include "engine/core/Singleton.h"
#include "engine/platform/WindowDesc.h"
#include "engine/platform/cListenerList.h"
#include "engine/platform/iKeyboardListener.h"
#include "engine/platform/iMouseListener.h"
#include "engine/platform/iWindowEventListener.h"

struct SDL_Window;
union SDL_Event;

namespace Engine {

class cInputRecorder;

class cWindow : public Singleton<cWindow> {
public:
    ~cWindow();

    // Starts SDL's video, creates and shows the window and records the desktop
    // size. False, with a log line, when there is no display or SDL fails, or
    // when the window exists already; a size of 0 or less becomes 1024 x 768.
    bool CreateMainWindow(const WindowDesc& desc);
    // Applies the fullscreen flag and, when windowed, the client size; stores the size.
    void ApplyWindowMode(int32_t new_width, int32_t new_height);
    // Destroys the window and stops SDL's video; nothing happens without a window.
    void DestroyMainWindow();

    // Zeroes the keyboard and mouse state.
    void ClearInput();
    // The frame's input step: ageing, then every pending event through HandleEvent.
    void UpdateInput(float dt);
    // The window procedure: one SDL event into the window, keyboard and mouse state.
    void HandleEvent(const SDL_Event& event);
    // The recorder HandleEvent hands every event to; null (the default) for none.
    void SetRecorder(cInputRecorder* new_recorder) { recorder = new_recorder; }

    // Places the system cursor at (x, y) in client coordinates.
    void SetCursorPosition(int32_t cursor_x, int32_t cursor_y);
    // On: raises the display count until the cursor shows (count >= 0); off:
    // lowers it until hidden (count < 0). Each call moves it at least one step.
    void ShowSystemCursor(bool on);
    // The cursor display count; 0 at start, the cursor visible.
    int32_t CursorDisplayCount() const { return cursor_display_count; }

    // Window listeners, called in registration order.
    void AddWindowListener(iWindowEventListener* listener);
    void RemoveWindowListener(iWindowEventListener* listener);
    const std::vector<iWindowEventListener*>& WindowListeners() const { return listeners.Items(); }
    // Keyboard and mouse listeners, kept by cKeyboardState and cMouseState.
    void AddKeyboardListener(iKeyboardListener* listener);
    void RemoveKeyboardListener(iKeyboardListener* listener);
    void AddMouseListener(iMouseListener* listener);
    void RemoveMouseListener(iMouseListener* listener);

    // Set by the renderer before ApplyWindowMode, and by the options screen.
    void SetFullscreen(bool on) { fullscreen = on; }
    // Recorded at creation and again by the renderer when it reads the display mode.
    void SetDesktopSize(int32_t new_width, int32_t new_height);

    const std::string& Caption() const { return caption; }
    int32_t Width() const { return width; }
    int32_t Height() const { return height; }
    bool IsFullscreen() const { return fullscreen; }
    int32_t DesktopWidth() const { return desktop_width; }
    int32_t DesktopHeight() const { return desktop_height; }
    // The SDL window, or null before creation and after destruction.
    SDL_Window* Handle() const { return handle; }

private:
    friend class Singleton<cWindow>;
    cWindow() = default;

    // Destroys the SDL window and stops video; touches no other service.
    void ReleaseWindow();
    // Logs the client size the window really has.
    void LogOpened() const;
    // Reads the desktop resolution of the window's display.
    void RecordDesktopSize();
    // Shows or hides the system cursor from the display count.
    void ApplyCursorVisibility() const;
    // OnWindowClosed on every window listener.
    void NotifyClosed();
    // The window events HandleEvent acts on.
    void HandleWindowEvent(const SDL_Event& event);
    // Key down and up through the key table.
    void HandleKeyEvent(const SDL_Event& event);
    // Left, right and middle button down and up; other buttons are not game input.
    void HandleButtonEvent(const SDL_Event& event);

    std::string caption;
    int32_t width = 0;
    int32_t height = 0;
    bool fullscreen = false;
    int32_t desktop_width = 0;
    int32_t desktop_height = 0;
    SDL_Window* handle = nullptr;
    cListenerList<iWindowEventListener> listeners;
    int32_t cursor_display_count = 0;
    cInputRecorder* recorder = nullptr;
};

}  // namespace Engine
