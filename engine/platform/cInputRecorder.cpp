#include "engine/platform/cInputRecorder.h"

#include <SDL.h>

#include "engine/core/cLog.h"
#include "engine/platform/cKeyTable.h"

namespace Engine {

namespace {

constexpr int kWheelDeltaPerNotch = 120;

using eAction = cInputScript::eAction;

// The script's button number of an SDL button, or -1 for buttons the game ignores.
int ScriptButton(Uint8 sdl_button) {
    switch (sdl_button) {
        case SDL_BUTTON_LEFT: return 0;
        case SDL_BUTTON_RIGHT: return 1;
        case SDL_BUTTON_MIDDLE: return 2;
        default: return -1;
    }
}

bool KeyEvent(const SDL_Event& event, cInputScript::Event& out) {
    const int key = cKeyTable::ToVirtualKey(event.key.keysym.sym);
    if (key == 0) return false;
    out.action = event.type == SDL_KEYDOWN ? eAction::KeyDown : eAction::KeyUp;
    out.first = key;
    return true;
}

bool ButtonEvent(const SDL_Event& event, cInputScript::Event& out) {
    const int button = ScriptButton(event.button.button);
    if (button < 0) return false;
    out.action = event.type == SDL_MOUSEBUTTONDOWN ? eAction::ButtonDown : eAction::ButtonUp;
    out.first = button;
    return true;
}

// The same signed delta the window gives the mouse state; a sideways scroll has none.
bool WheelEvent(const SDL_Event& event, cInputScript::Event& out) {
    const int notches = event.wheel.direction == SDL_MOUSEWHEEL_FLIPPED ? -event.wheel.y : event.wheel.y;
    if (notches == 0) return false;
    out.action = eAction::Wheel;
    out.first = notches * kWheelDeltaPerNotch;
    return true;
}

}  // namespace

bool cInputRecorder::Open(const std::string& new_path, const std::vector<std::string>& header) {
    if (file.is_open()) file.close();
    path = new_path;
    write_failed = false;
    file.open(path, std::ios::out | std::ios::trunc);
    if (!file) {
        LogError("the input record " + path + " could not be created");
        return false;
    }
    for (const std::string& line : header) WriteLine("# " + line);
    return !write_failed;
}

void cInputRecorder::Close(unsigned frames) {
    if (!file.is_open()) return;
    WriteLine("# the run ended after " + std::to_string(frames) + " frames");
    file.close();
}

void cInputRecorder::Record(const SDL_Event& event) {
    if (!file.is_open()) return;
    cInputScript::Event script_event;
    if (ToScriptEvent(event, frame, script_event)) WriteLine(cInputScript::FormatLine(script_event));
}

bool cInputRecorder::ToScriptEvent(const SDL_Event& event, unsigned event_frame, cInputScript::Event& out) {
    out = cInputScript::Event{};
    out.frame = event_frame;
    switch (event.type) {
        case SDL_KEYDOWN:
        case SDL_KEYUP: return KeyEvent(event, out);
        case SDL_MOUSEMOTION:
            out.action = eAction::Move;
            out.first = event.motion.x;
            out.second = event.motion.y;
            return true;
        case SDL_MOUSEBUTTONDOWN:
        case SDL_MOUSEBUTTONUP: return ButtonEvent(event, out);
        case SDL_MOUSEWHEEL: return WheelEvent(event, out);
        case SDL_QUIT: out.action = eAction::Close; return true;
        case SDL_WINDOWEVENT:
            out.action = eAction::Close;
            return event.window.event == SDL_WINDOWEVENT_CLOSE;
        default: return false;
    }
}

// One line, flushed at once; the first failure is logged, later ones are not repeated.
void cInputRecorder::WriteLine(const std::string& line) {
    file << line << '\n';
    file.flush();
    if (!file && !write_failed) {
        write_failed = true;
        LogError("the input record " + path + " could not be written");
    }
}

}  // namespace Engine
