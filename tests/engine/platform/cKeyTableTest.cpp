#include "engine/platform/cKeyTable.h"

#include <SDL.h>  // SDLK_* codes the table is checked against
#include <gtest/gtest.h>

#include <ostream>

#include "engine/platform/VirtualKeys.h"

using Engine::cKeyTable;

namespace {

struct KeyCase {
    int32_t sdl_keycode;
    int virtual_key;
    int generic;  // 0 unless the key is a sided modifier
};

// Names each case by its virtual key in the test list.
void PrintTo(const KeyCase& key, std::ostream* out) { *out << "vk " << key.virtual_key; }

class KeyTableTest : public ::testing::TestWithParam<KeyCase> {};

TEST_P(KeyTableTest, MapsTheSdlKeyToItsVirtualKey) {
    const KeyCase key = GetParam();
    EXPECT_EQ(cKeyTable::ToVirtualKey(key.sdl_keycode), key.virtual_key);
    EXPECT_EQ(cKeyTable::GenericModifier(key.virtual_key), key.generic);
    EXPECT_NE(cKeyTable::ToSdlKeycode(key.virtual_key), 0) << "no way back for scripted input";
}

INSTANTIATE_TEST_SUITE_P(
    Letters, KeyTableTest,
    ::testing::Values(KeyCase{SDLK_a, 'A', 0}, KeyCase{SDLK_w, 'W', 0}, KeyCase{SDLK_z, 'Z', 0}));
INSTANTIATE_TEST_SUITE_P(
    Digits, KeyTableTest, ::testing::Values(KeyCase{SDLK_0, '0', 0}, KeyCase{SDLK_9, '9', 0}));
INSTANTIATE_TEST_SUITE_P(
    FunctionKeys, KeyTableTest,
    ::testing::Values(KeyCase{SDLK_F1, Engine::kVK_F1, 0}, KeyCase{SDLK_F7, 0x76, 0},
                      KeyCase{SDLK_F12, 0x7B, 0}));
INSTANTIATE_TEST_SUITE_P(
    EditingAndArrows, KeyTableTest,
    ::testing::Values(KeyCase{SDLK_BACKSPACE, 0x08, 0}, KeyCase{SDLK_TAB, 0x09, 0},
                      KeyCase{SDLK_RETURN, 0x0D, 0}, KeyCase{SDLK_KP_ENTER, 0x0D, 0},
                      KeyCase{SDLK_ESCAPE, 0x1B, 0}, KeyCase{SDLK_SPACE, 0x20, 0},
                      KeyCase{SDLK_DELETE, 0x2E, 0}, KeyCase{SDLK_LEFT, 0x25, 0},
                      KeyCase{SDLK_UP, 0x26, 0}, KeyCase{SDLK_RIGHT, 0x27, 0},
                      KeyCase{SDLK_DOWN, 0x28, 0}));
INSTANTIATE_TEST_SUITE_P(
    Keypad, KeyTableTest,
    ::testing::Values(KeyCase{SDLK_KP_0, 0x60, 0}, KeyCase{SDLK_KP_9, 0x69, 0},
                      KeyCase{SDLK_KP_MULTIPLY, 0x6A, 0}, KeyCase{SDLK_KP_PLUS, 0x6B, 0},
                      KeyCase{SDLK_KP_MINUS, 0x6D, 0}, KeyCase{SDLK_KP_PERIOD, 0x6E, 0},
                      KeyCase{SDLK_KP_DIVIDE, 0x6F, 0}));
INSTANTIATE_TEST_SUITE_P(
    Punctuation, KeyTableTest,
    ::testing::Values(KeyCase{SDLK_SEMICOLON, 0xBA, 0}, KeyCase{SDLK_EQUALS, 0xBB, 0},
                      KeyCase{SDLK_COMMA, 0xBC, 0}, KeyCase{SDLK_MINUS, 0xBD, 0},
                      KeyCase{SDLK_PERIOD, 0xBE, 0}, KeyCase{SDLK_SLASH, 0xBF, 0},
                      KeyCase{SDLK_BACKQUOTE, 0xC0, 0}, KeyCase{SDLK_LEFTBRACKET, 0xDB, 0},
                      KeyCase{SDLK_BACKSLASH, 0xDC, 0}, KeyCase{SDLK_RIGHTBRACKET, 0xDD, 0},
                      KeyCase{SDLK_QUOTE, 0xDE, 0}));
INSTANTIATE_TEST_SUITE_P(
    SidedModifiers, KeyTableTest,
    ::testing::Values(KeyCase{SDLK_LSHIFT, 0xA0, 0x10}, KeyCase{SDLK_RSHIFT, 0xA1, 0x10},
                      KeyCase{SDLK_LCTRL, 0xA2, 0x11}, KeyCase{SDLK_RCTRL, 0xA3, 0x11},
                      KeyCase{SDLK_LALT, 0xA4, 0x12}, KeyCase{SDLK_RALT, 0xA5, 0x12}));

TEST(KeyTableUnmapped, KeysWithoutAVirtualKeyGiveZero) {
    for (int32_t sdl_keycode : {int32_t{SDLK_UNKNOWN}, int32_t{SDLK_CAPSLOCK},
                                int32_t{SDLK_AUDIOPLAY}, int32_t{'A'}, int32_t{-1}}) {
        EXPECT_EQ(cKeyTable::ToVirtualKey(sdl_keycode), 0) << sdl_keycode;
    }
    for (int virtual_key : {0, 0x07, 0xFF, 300, -5}) {
        EXPECT_EQ(cKeyTable::ToSdlKeycode(virtual_key), 0) << virtual_key;
    }
}

TEST(KeyTableRoundTrip, EveryReachableVirtualKeyComesBack) {
    int reachable = 0;
    for (int virtual_key = 0; virtual_key < 256; ++virtual_key) {
        const int32_t sdl_keycode = cKeyTable::ToSdlKeycode(virtual_key);
        if (sdl_keycode == 0) continue;
        ++reachable;
        const int back = cKeyTable::ToVirtualKey(sdl_keycode);
        EXPECT_TRUE(back == virtual_key || cKeyTable::GenericModifier(back) == virtual_key)
            << "virtual key " << virtual_key << " came back as " << back;
    }
    // 26 letters, 10 digits, 12 F-keys, 16 keypad, 11 punctuation, 6 sided and
    // 3 generic modifiers, 15 editing and navigation keys.
    EXPECT_EQ(reachable, 99);
}

TEST(KeyTableRoundTrip, SharedAndGenericCodesGiveTheirMainKey) {
    EXPECT_EQ(cKeyTable::ToSdlKeycode(Engine::kVK_RETURN), SDLK_RETURN);
    EXPECT_EQ(cKeyTable::ToSdlKeycode(Engine::kVK_SHIFT), SDLK_LSHIFT);
    EXPECT_EQ(cKeyTable::ToSdlKeycode(Engine::kVK_CONTROL), SDLK_LCTRL);
    EXPECT_EQ(cKeyTable::ToSdlKeycode(Engine::kVK_MENU), SDLK_LALT);
}

TEST(KeyTableModifiers, OppositeSidesPairUp) {
    EXPECT_EQ(cKeyTable::OppositeSide(Engine::kVK_LSHIFT), Engine::kVK_RSHIFT);
    EXPECT_EQ(cKeyTable::OppositeSide(Engine::kVK_RCONTROL), Engine::kVK_LCONTROL);
    EXPECT_EQ(cKeyTable::OppositeSide(Engine::kVK_LMENU), Engine::kVK_RMENU);
    EXPECT_EQ(cKeyTable::OppositeSide(Engine::kVK_SHIFT), 0);
    EXPECT_EQ(cKeyTable::OppositeSide('A'), 0);
}

}  // namespace
