#include "engine/platform/cKeyTable.h"

#include <SDL.h>  // SDLK_* key codes


#include "engine/platform/VirtualKeys.h"

namespace Engine {

namespace {

struct KeyPair {
    int32_t sdl_keycode;
    int virtual_key;
};

// Letters and digits are found by arithmetic; everything else is listed here.
// The first entry for a virtual key is the one ToSdlKeycode gives.
constexpr KeyPair kKeyPairs[] = {
    {SDLK_BACKSPACE, kVK_BACK},     {SDLK_TAB, kVK_TAB},
    {SDLK_RETURN, kVK_RETURN},      {SDLK_KP_ENTER, kVK_RETURN},
    {SDLK_ESCAPE, kVK_ESCAPE},      {SDLK_SPACE, kVK_SPACE},
    {SDLK_PAGEUP, kVK_PRIOR},       {SDLK_PAGEDOWN, kVK_NEXT},
    {SDLK_END, kVK_END},            {SDLK_HOME, kVK_HOME},
    {SDLK_LEFT, kVK_LEFT},          {SDLK_UP, kVK_UP},
    {SDLK_RIGHT, kVK_RIGHT},        {SDLK_DOWN, kVK_DOWN},
    {SDLK_INSERT, kVK_INSERT},      {SDLK_DELETE, kVK_DELETE},
    {SDLK_LSHIFT, kVK_LSHIFT},      {SDLK_RSHIFT, kVK_RSHIFT},
    {SDLK_LCTRL, kVK_LCONTROL},     {SDLK_RCTRL, kVK_RCONTROL},
    {SDLK_LALT, kVK_LMENU},         {SDLK_RALT, kVK_RMENU},
    {SDLK_KP_0, kVK_NUMPAD0},       {SDLK_KP_1, kVK_NUMPAD1},
    {SDLK_KP_2, kVK_NUMPAD2},       {SDLK_KP_3, kVK_NUMPAD3},
    {SDLK_KP_4, kVK_NUMPAD4},       {SDLK_KP_5, kVK_NUMPAD5},
    {SDLK_KP_6, kVK_NUMPAD6},       {SDLK_KP_7, kVK_NUMPAD7},
    {SDLK_KP_8, kVK_NUMPAD8},       {SDLK_KP_9, kVK_NUMPAD9},
    {SDLK_KP_MULTIPLY, kVK_MULTIPLY}, {SDLK_KP_PLUS, kVK_ADD},
    {SDLK_KP_COMMA, kVK_SEPARATOR}, {SDLK_KP_MINUS, kVK_SUBTRACT},
    {SDLK_KP_PERIOD, kVK_DECIMAL},  {SDLK_KP_DIVIDE, kVK_DIVIDE},
    {SDLK_F1, kVK_F1},              {SDLK_F2, kVK_F2},
    {SDLK_F3, kVK_F3},              {SDLK_F4, kVK_F4},
    {SDLK_F5, kVK_F5},              {SDLK_F6, kVK_F6},
    {SDLK_F7, kVK_F7},              {SDLK_F8, kVK_F8},
    {SDLK_F9, kVK_F9},              {SDLK_F10, kVK_F10},
    {SDLK_F11, kVK_F11},            {SDLK_F12, kVK_F12},
    {SDLK_SEMICOLON, kVK_OEM_1},    {SDLK_EQUALS, kVK_OEM_PLUS},
    {SDLK_COMMA, kVK_OEM_COMMA},    {SDLK_MINUS, kVK_OEM_MINUS},
    {SDLK_PERIOD, kVK_OEM_PERIOD},  {SDLK_SLASH, kVK_OEM_2},
    {SDLK_BACKQUOTE, kVK_OEM_3},    {SDLK_LEFTBRACKET, kVK_OEM_4},
    {SDLK_BACKSLASH, kVK_OEM_5},    {SDLK_RIGHTBRACKET, kVK_OEM_6},
    {SDLK_QUOTE, kVK_OEM_7},
};

// SDL names letters by their lower-case ASCII code, Windows by the upper case.
constexpr int32_t kLowerToUpper = 'a' - 'A';

}  // namespace

int cKeyTable::ToVirtualKey(int32_t sdl_keycode) {
    if (sdl_keycode >= SDLK_a && sdl_keycode <= SDLK_z) return sdl_keycode - kLowerToUpper;
    if (sdl_keycode >= SDLK_0 && sdl_keycode <= SDLK_9) return sdl_keycode;
    for (const KeyPair& pair : kKeyPairs) {
        if (pair.sdl_keycode == sdl_keycode) return pair.virtual_key;
    }
    return 0;
}

int32_t cKeyTable::ToSdlKeycode(int virtual_key) {
    if (virtual_key >= kVK_A && virtual_key <= kVK_Z) return virtual_key + kLowerToUpper;
    if (virtual_key >= kVK_0 && virtual_key <= kVK_9) return virtual_key;
    if (virtual_key == kVK_SHIFT) return SDLK_LSHIFT;
    if (virtual_key == kVK_CONTROL) return SDLK_LCTRL;
    if (virtual_key == kVK_MENU) return SDLK_LALT;
    for (const KeyPair& pair : kKeyPairs) {
        if (pair.virtual_key == virtual_key) return pair.sdl_keycode;
    }
    return 0;
}

int cKeyTable::GenericModifier(int virtual_key) {
    switch (virtual_key) {
        case kVK_LSHIFT:
        case kVK_RSHIFT: return kVK_SHIFT;
        case kVK_LCONTROL:
        case kVK_RCONTROL: return kVK_CONTROL;
        case kVK_LMENU:
        case kVK_RMENU: return kVK_MENU;
        default: return 0;
    }
}

int cKeyTable::OppositeSide(int virtual_key) {
    // The sided codes come in left/right pairs that differ only in bit 0.
    return GenericModifier(virtual_key) != 0 ? (virtual_key ^ 1) : 0;
}

}  // namespace Engine
