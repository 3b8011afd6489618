#pragma once
// VirtualKeys: the Windows virtual-key codes that index the keyboard state.
//
// Game code and data name keys by these codes (0 to 255) on every platform;
// cKeyTable maps the platform's key codes onto them. Letters and digits are
// their upper-case ASCII codes, so 'W' and kVK_W are the same key. The k
// prefix keeps the names clear of the platform headers' VK_ macros.

namespace Engine {

// Editing and control keys.
inline constexpr int kVK_BACK = 0x08;  // Backspace
inline constexpr int kVK_TAB = 0x09;
inline constexpr int kVK_RETURN = 0x0D;  // Enter, both the main and the keypad key
inline constexpr int kVK_SHIFT = 0x10;  // either Shift
inline constexpr int kVK_CONTROL = 0x11;  // either Ctrl
inline constexpr int kVK_MENU = 0x12;  // either Alt
inline constexpr int kVK_ESCAPE = 0x1B;
inline constexpr int kVK_SPACE = 0x20;
inline constexpr int kVK_PRIOR = 0x21;  // Page Up
inline constexpr int kVK_NEXT = 0x22;  // Page Down
inline constexpr int kVK_END = 0x23;
inline constexpr int kVK_HOME = 0x24;
inline constexpr int kVK_LEFT = 0x25;
inline constexpr int kVK_UP = 0x26;
inline constexpr int kVK_RIGHT = 0x27;
inline constexpr int kVK_DOWN = 0x28;
inline constexpr int kVK_INSERT = 0x2D;
inline constexpr int kVK_DELETE = 0x2E;

// Digits and letters of the main block.
inline constexpr int kVK_0 = 0x30;
inline constexpr int kVK_1 = 0x31;
inline constexpr int kVK_2 = 0x32;
inline constexpr int kVK_3 = 0x33;
inline constexpr int kVK_4 = 0x34;
inline constexpr int kVK_5 = 0x35;
inline constexpr int kVK_6 = 0x36;
inline constexpr int kVK_7 = 0x37;
inline constexpr int kVK_8 = 0x38;
inline constexpr int kVK_9 = 0x39;
inline constexpr int kVK_A = 0x41;
inline constexpr int kVK_B = 0x42;
inline constexpr int kVK_C = 0x43;
inline constexpr int kVK_D = 0x44;
inline constexpr int kVK_E = 0x45;
inline constexpr int kVK_F = 0x46;
inline constexpr int kVK_G = 0x47;
inline constexpr int kVK_H = 0x48;
inline constexpr int kVK_I = 0x49;
inline constexpr int kVK_J = 0x4A;
inline constexpr int kVK_K = 0x4B;
inline constexpr int kVK_L = 0x4C;
inline constexpr int kVK_M = 0x4D;
inline constexpr int kVK_N = 0x4E;
inline constexpr int kVK_O = 0x4F;
inline constexpr int kVK_P = 0x50;
inline constexpr int kVK_Q = 0x51;
inline constexpr int kVK_R = 0x52;
inline constexpr int kVK_S = 0x53;
inline constexpr int kVK_T = 0x54;
inline constexpr int kVK_U = 0x55;
inline constexpr int kVK_V = 0x56;
inline constexpr int kVK_W = 0x57;
inline constexpr int kVK_X = 0x58;
inline constexpr int kVK_Y = 0x59;
inline constexpr int kVK_Z = 0x5A;

// Numeric keypad.
inline constexpr int kVK_NUMPAD0 = 0x60;
inline constexpr int kVK_NUMPAD1 = 0x61;
inline constexpr int kVK_NUMPAD2 = 0x62;
inline constexpr int kVK_NUMPAD3 = 0x63;
inline constexpr int kVK_NUMPAD4 = 0x64;
inline constexpr int kVK_NUMPAD5 = 0x65;
inline constexpr int kVK_NUMPAD6 = 0x66;
inline constexpr int kVK_NUMPAD7 = 0x67;
inline constexpr int kVK_NUMPAD8 = 0x68;
inline constexpr int kVK_NUMPAD9 = 0x69;
inline constexpr int kVK_MULTIPLY = 0x6A;
inline constexpr int kVK_ADD = 0x6B;
inline constexpr int kVK_SEPARATOR = 0x6C;
inline constexpr int kVK_SUBTRACT = 0x6D;
inline constexpr int kVK_DECIMAL = 0x6E;
inline constexpr int kVK_DIVIDE = 0x6F;

// Function keys.
inline constexpr int kVK_F1 = 0x70;
inline constexpr int kVK_F2 = 0x71;
inline constexpr int kVK_F3 = 0x72;
inline constexpr int kVK_F4 = 0x73;
inline constexpr int kVK_F5 = 0x74;
inline constexpr int kVK_F6 = 0x75;
inline constexpr int kVK_F7 = 0x76;
inline constexpr int kVK_F8 = 0x77;
inline constexpr int kVK_F9 = 0x78;
inline constexpr int kVK_F10 = 0x79;
inline constexpr int kVK_F11 = 0x7A;
inline constexpr int kVK_F12 = 0x7B;

// Sided modifiers; each also sets its generic code above.
inline constexpr int kVK_LSHIFT = 0xA0;
inline constexpr int kVK_RSHIFT = 0xA1;
inline constexpr int kVK_LCONTROL = 0xA2;
inline constexpr int kVK_RCONTROL = 0xA3;
inline constexpr int kVK_LMENU = 0xA4;  // left Alt
inline constexpr int kVK_RMENU = 0xA5;  // right Alt

// Punctuation, named for the US layout.
inline constexpr int kVK_OEM_1 = 0xBA;  // ; :
inline constexpr int kVK_OEM_PLUS = 0xBB;  // = +
inline constexpr int kVK_OEM_COMMA = 0xBC;  // , <
inline constexpr int kVK_OEM_MINUS = 0xBD;  // - _
inline constexpr int kVK_OEM_PERIOD = 0xBE;  // . >
inline constexpr int kVK_OEM_2 = 0xBF;  // / ?
inline constexpr int kVK_OEM_3 = 0xC0;  // ` ~
inline constexpr int kVK_OEM_4 = 0xDB;  // [ {
inline constexpr int kVK_OEM_5 = 0xDC;  // \ |
inline constexpr int kVK_OEM_6 = 0xDD;  // ] }
inline constexpr int kVK_OEM_7 = 0xDE;  // ' "

}  // namespace Engine
