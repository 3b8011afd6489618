#include "engine/platform/cInputScript.h"

#include <SDL.h>

#include <algorithm>  // std::stable_sort, std::lower_bound
#include <charconv>   // std::from_chars
#include <cstdio>     // std::snprintf
#include <fstream>
#include <limits>
#include <sstream>
#include <string_view>

#include "engine/core/cLog.h"
#include "engine/platform/cKeyTable.h"
#include "engine/platform/cWindow.h"

namespace Engine {

namespace {

constexpr int kWheelDeltaPerNotch = 120;

struct ActionWord {
    std::string_view word;
    cInputScript::eAction action;
    size_t value_count;
};

constexpr ActionWord kActionWords[] = {
    {"keydown", cInputScript::eAction::KeyDown, 1},
    {"keyup", cInputScript::eAction::KeyUp, 1},
    {"move", cInputScript::eAction::Move, 2},
    {"buttondown", cInputScript::eAction::ButtonDown, 1},
    {"buttonup", cInputScript::eAction::ButtonUp, 1},
    {"wheel", cInputScript::eAction::Wheel, 1},
    {"close", cInputScript::eAction::Close, 0},
};

const ActionWord* FindAction(std::string_view word) {
    for (const ActionWord& entry : kActionWords) {
        if (entry.word == word) return &entry;
    }
    return nullptr;
}

// A 32-bit integer, decimal or 0x-hex, with an optional sign; the whole word must be used.
bool ParseInteger(std::string_view text, int32_t& value) {
    bool negative = false;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    int base = 10;
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        base = 16;
        text.remove_prefix(2);
    }
    uint64_t magnitude = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, magnitude, base);
    if (text.empty() || error != std::errc() || stop != end) return false;
    if (magnitude > uint64_t{1} << 31) return false;  // beyond every 32-bit value
    const int64_t signed_value =
        negative ? -static_cast<int64_t>(magnitude) : static_cast<int64_t>(magnitude);
    if (signed_value > std::numeric_limits<int32_t>::max()) return false;
    value = static_cast<int32_t>(signed_value);
    return true;
}

// Checks the values of one event; an empty text means they are usable.
std::string CheckValues(const cInputScript::Event& event) {
    using eAction = cInputScript::eAction;
    switch (event.action) {
        case eAction::KeyDown:
        case eAction::KeyUp:
            if (event.first < 1 || event.first > 255) return "key code outside 1..255";
            if (cKeyTable::ToSdlKeycode(event.first) == 0) {
                return "key code " + std::to_string(event.first) + " has no key on the keyboard";
            }
            return {};
        case eAction::ButtonDown:
        case eAction::ButtonUp:
            if (event.first < 0 || event.first > 2) return "button outside 0..2";
            return {};
        case eAction::Wheel:
            if (event.first == 0 || event.first % kWheelDeltaPerNotch != 0) {
                return "wheel delta must be a non-zero multiple of 120";
            }
            return {};
        case eAction::Move:
        case eAction::Close: return {};
    }
    return {};
}

uint8_t SdlButton(int32_t button) {
    static constexpr uint8_t kButtons[] = {SDL_BUTTON_LEFT, SDL_BUTTON_RIGHT, SDL_BUTTON_MIDDLE};
    return kButtons[button];
}

SDL_Event KeyEvent(const cInputScript::Event& event, Uint32 window_id) {
    SDL_Event sdl{};
    const bool down = event.action == cInputScript::eAction::KeyDown;
    sdl.type = down ? SDL_KEYDOWN : SDL_KEYUP;
    sdl.key.windowID = window_id;
    sdl.key.state = down ? SDL_PRESSED : SDL_RELEASED;
    sdl.key.keysym.sym = cKeyTable::ToSdlKeycode(event.first);
    sdl.key.keysym.scancode = SDL_GetScancodeFromKey(sdl.key.keysym.sym);
    return sdl;
}

SDL_Event MouseEvent(const cInputScript::Event& event, Uint32 window_id) {
    using eAction = cInputScript::eAction;
    SDL_Event sdl{};
    if (event.action == eAction::Move) {
        sdl.type = SDL_MOUSEMOTION;
        sdl.motion.windowID = window_id;
        sdl.motion.x = event.first;
        sdl.motion.y = event.second;
    } else if (event.action == eAction::Wheel) {
        sdl.type = SDL_MOUSEWHEEL;
        sdl.wheel.windowID = window_id;
        sdl.wheel.y = event.first / kWheelDeltaPerNotch;
        sdl.wheel.preciseY = static_cast<float>(sdl.wheel.y);
        sdl.wheel.direction = SDL_MOUSEWHEEL_NORMAL;
    } else {
        const bool down = event.action == eAction::ButtonDown;
        sdl.type = down ? SDL_MOUSEBUTTONDOWN : SDL_MOUSEBUTTONUP;
        sdl.button.windowID = window_id;
        sdl.button.button = SdlButton(event.first);
        sdl.button.state = down ? SDL_PRESSED : SDL_RELEASED;
        sdl.button.clicks = 1;
    }
    return sdl;
}

// The close button of the main window, or a quit request when there is no window.
SDL_Event CloseEvent(SDL_Window* window) {
    SDL_Event sdl{};
    if (window == nullptr) {
        sdl.type = SDL_QUIT;
        return sdl;
    }
    sdl.type = SDL_WINDOWEVENT;
    sdl.window.event = SDL_WINDOWEVENT_CLOSE;
    sdl.window.windowID = SDL_GetWindowID(window);
    return sdl;
}

}  // namespace

bool cInputScript::Load(const std::string& path) {
    std::ifstream file(path);
    if (!file) {
        events.clear();
        recorded_options.clear();
        skipped_lines = 0;
        LogError("the input script " + path + " could not be opened");
        return false;
    }
    return Parse(file, path);
}

bool cInputScript::Parse(std::istream& input, const std::string& name) {
    events.clear();
    recorded_options.clear();
    skipped_lines = 0;
    std::string line;
    for (unsigned number = 1; std::getline(input, line); ++number) {
        std::string reason;
        if (!ParseLine(line, reason)) {
            LogError(name + ":" + std::to_string(number) + ": " + reason);
            ++skipped_lines;
        }
    }
    std::stable_sort(events.begin(), events.end(),
                     [](const Event& a, const Event& b) { return a.frame < b.frame; });
    if (input.bad()) {
        LogError("the input script " + name + " could not be read to its end");
        return false;
    }
    return true;
}

void cInputScript::Inject(unsigned frame) const {
    auto event = std::lower_bound(events.begin(), events.end(), frame,
                                  [](const Event& e, unsigned f) { return e.frame < f; });
    for (; event != events.end() && event->frame == frame; ++event) Push(*event);
}

void cInputScript::ReadComment(const std::string& line) {
    const std::string_view header(kRecordHeader);
    const size_t at = line.find(header);
    if (at == std::string::npos || line.find_first_not_of("# \t") != at) return;
    const size_t first = line.find_first_not_of(" \t", at + header.size());
    const size_t last = line.find_last_not_of(" \t\r");
    recorded_options = first == std::string::npos ? "" : line.substr(first, last + 1 - first);
}

std::string cInputScript::FormatLine(const Event& event) {
    std::string line = std::to_string(event.frame) + " ";
    for (const ActionWord& entry : kActionWords) {
        if (entry.action == event.action) line += entry.word;
    }
    switch (event.action) {
        case eAction::KeyDown:
        case eAction::KeyUp: {
            char code[16];
            std::snprintf(code, sizeof code, " 0x%02X", static_cast<unsigned>(event.first));
            return line + code;
        }
        case eAction::Move: return line + " " + std::to_string(event.first) + " " + std::to_string(event.second);
        case eAction::Close: return line;
        default: return line + " " + std::to_string(event.first);
    }
}

unsigned cInputScript::LastFrame() const { return events.empty() ? 0u : events.back().frame; }

bool cInputScript::ParseLine(const std::string& line, std::string& reason) {
    std::istringstream words(line);
    std::vector<std::string> word_list;
    for (std::string word; words >> word;) word_list.push_back(word);
    if (word_list.empty()) return true;
    if (word_list.front().front() == '#') {
        ReadComment(line);
        return true;
    }

    int32_t frame = 0;
    if (!ParseInteger(word_list[0], frame) || frame < 1) {
        reason = "the frame '" + word_list[0] + "' is not a number from 1 up";
        return false;
    }
    if (word_list.size() < 2) {
        reason = "an event word must follow the frame";
        return false;
    }
    const ActionWord* action = FindAction(word_list[1]);
    if (action == nullptr) {
        reason = "unknown event '" + word_list[1] + "'";
        return false;
    }
    if (word_list.size() - 2 != action->value_count) {
        reason = "'" + word_list[1] + "' takes " + std::to_string(action->value_count) +
                 " value(s), found " + std::to_string(word_list.size() - 2);
        return false;
    }
    Event event;
    event.frame = static_cast<unsigned>(frame);
    event.action = action->action;
    int32_t* values[] = {&event.first, &event.second};
    for (size_t i = 0; i < action->value_count; ++i) {
        if (!ParseInteger(word_list[2 + i], *values[i])) {
            reason = "'" + word_list[2 + i] + "' is not a 32-bit number";
            return false;
        }
    }
    reason = CheckValues(event);
    if (!reason.empty()) return false;
    events.push_back(event);
    return true;
}

void cInputScript::Push(const Event& event) {
    SDL_Window* window = cWindow::Instance().Handle();
    const Uint32 window_id = window != nullptr ? SDL_GetWindowID(window) : 0;
    SDL_Event sdl{};
    switch (event.action) {
        case eAction::KeyDown:
        case eAction::KeyUp: sdl = KeyEvent(event, window_id); break;
        case eAction::Close: sdl = CloseEvent(window); break;
        default: sdl = MouseEvent(event, window_id); break;
    }
    if (SDL_PushEvent(&sdl) != 1) {
        LogError("a scripted event of frame " + std::to_string(event.frame) +
                 " could not be queued: " + SDL_GetError());
    }
}

}  // namespace Engine
