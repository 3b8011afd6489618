#pragma once
// cKeyTable: the one mapping between SDL key codes and virtual-key codes.
//
// Covers letters, digits, F1 to F12, the arrows and the editing keys (Space,
// Enter, Escape, Tab, Backspace, Delete, Insert, Home, End, Page Up/Down),
// the numeric keypad and the punctuation keys. The sided modifiers (left and
// right Shift, Ctrl, Alt) map to their sided codes 0xA0 to 0xA5; the keyboard
// state also sets the generic 0x10, 0x11 or 0x12 for them (GenericModifier).
// SDL key codes are passed as plain 32-bit integers (SDL_Keycode) so that
// this header needs no SDL include.

#include <cstdint>  // int32_t, the width of SDL_Keycode

namespace Engine {

class cKeyTable {
public:
    // The virtual key of an SDL key code, or 0 when the key is not mapped.
    static int ToVirtualKey(int32_t sdl_keycode);

    // The SDL key code of a virtual key, or 0 when none maps to it. Where two
    // SDL keys share a virtual key (Enter and keypad Enter) the main key is
    // given; a generic modifier gives its left key (0x10 -> left Shift).
    static int32_t ToSdlKeycode(int virtual_key);

    // The generic code (0x10, 0x11, 0x12) of a sided modifier, else 0.
    static int GenericModifier(int virtual_key);

    // The other side of a sided modifier (left Shift <-> right Shift), else 0.
    static int OppositeSide(int virtual_key);
};

}  // namespace Engine
