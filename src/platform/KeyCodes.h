// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Gapsel developers

#pragma once

#include <Qt>

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace platform {

// One key of a US keyboard under its three names: the classic virtual key
// code that stored shortcuts use (so they read the same on every platform),
// the X11 keysym that the window system knows it by, and the Qt key (with the
// keypad flag) that widgets see. `label` is how the key is shown to a user.
struct KeyCode {
    std::uint32_t classic;
    std::uint32_t keysym;
    int qtKey;
    bool keypad;
    std::string_view label;
};

// Letters, digits, US punctuation, the editing and navigation keys, function
// keys F1 to F20, the arrows and the keypad.
inline constexpr std::array keyCodes = {
    KeyCode{0x00, 0x61, Qt::Key_A, false, "A"},
    KeyCode{0x01, 0x73, Qt::Key_S, false, "S"},
    KeyCode{0x02, 0x64, Qt::Key_D, false, "D"},
    KeyCode{0x03, 0x66, Qt::Key_F, false, "F"},
    KeyCode{0x04, 0x68, Qt::Key_H, false, "H"},
    KeyCode{0x05, 0x67, Qt::Key_G, false, "G"},
    KeyCode{0x06, 0x7a, Qt::Key_Z, false, "Z"},
    KeyCode{0x07, 0x78, Qt::Key_X, false, "X"},
    KeyCode{0x08, 0x63, Qt::Key_C, false, "C"},
    KeyCode{0x09, 0x76, Qt::Key_V, false, "V"},
    KeyCode{0x0B, 0x62, Qt::Key_B, false, "B"},
    KeyCode{0x0C, 0x71, Qt::Key_Q, false, "Q"},
    KeyCode{0x0D, 0x77, Qt::Key_W, false, "W"},
    KeyCode{0x0E, 0x65, Qt::Key_E, false, "E"},
    KeyCode{0x0F, 0x72, Qt::Key_R, false, "R"},
    KeyCode{0x10, 0x79, Qt::Key_Y, false, "Y"},
    KeyCode{0x11, 0x74, Qt::Key_T, false, "T"},
    KeyCode{0x12, 0x31, Qt::Key_1, false, "1"},
    KeyCode{0x13, 0x32, Qt::Key_2, false, "2"},
    KeyCode{0x14, 0x33, Qt::Key_3, false, "3"},
    KeyCode{0x15, 0x34, Qt::Key_4, false, "4"},
    KeyCode{0x16, 0x36, Qt::Key_6, false, "6"},
    KeyCode{0x17, 0x35, Qt::Key_5, false, "5"},
    KeyCode{0x18, 0x3d, Qt::Key_Equal, false, "="},
    KeyCode{0x19, 0x39, Qt::Key_9, false, "9"},
    KeyCode{0x1A, 0x37, Qt::Key_7, false, "7"},
    KeyCode{0x1B, 0x2d, Qt::Key_Minus, false, "-"},
    KeyCode{0x1C, 0x38, Qt::Key_8, false, "8"},
    KeyCode{0x1D, 0x30, Qt::Key_0, false, "0"},
    KeyCode{0x1E, 0x5d, Qt::Key_BracketRight, false, "]"},
    KeyCode{0x1F, 0x6f, Qt::Key_O, false, "O"},
    KeyCode{0x20, 0x75, Qt::Key_U, false, "U"},
    KeyCode{0x21, 0x5b, Qt::Key_BracketLeft, false, "["},
    KeyCode{0x22, 0x69, Qt::Key_I, false, "I"},
    KeyCode{0x23, 0x70, Qt::Key_P, false, "P"},
    KeyCode{0x24, 0xff0d, Qt::Key_Return, false, "Return"},
    KeyCode{0x25, 0x6c, Qt::Key_L, false, "L"},
    KeyCode{0x26, 0x6a, Qt::Key_J, false, "J"},
    KeyCode{0x27, 0x27, Qt::Key_Apostrophe, false, "'"},
    KeyCode{0x28, 0x6b, Qt::Key_K, false, "K"},
    KeyCode{0x29, 0x3b, Qt::Key_Semicolon, false, ";"},
    KeyCode{0x2A, 0x5c, Qt::Key_Backslash, false, "\\"},
    KeyCode{0x2B, 0x2c, Qt::Key_Comma, false, ","},
    KeyCode{0x2C, 0x2f, Qt::Key_Slash, false, "/"},
    KeyCode{0x2D, 0x6e, Qt::Key_N, false, "N"},
    KeyCode{0x2E, 0x6d, Qt::Key_M, false, "M"},
    KeyCode{0x2F, 0x2e, Qt::Key_Period, false, "."},
    KeyCode{0x30, 0xff09, Qt::Key_Tab, false, "Tab"},
    KeyCode{0x31, 0x20, Qt::Key_Space, false, "Space"},
    KeyCode{0x32, 0x60, Qt::Key_QuoteLeft, false, "`"},
    KeyCode{0x33, 0xff08, Qt::Key_Backspace, false, "Backspace"},
    KeyCode{0x35, 0xff1b, Qt::Key_Escape, false, "Escape"},
    KeyCode{0x40, 0xffce, Qt::Key_F17, false, "F17"},
    KeyCode{0x41, 0xffae, Qt::Key_Period, true, "Keypad ."},
    KeyCode{0x43, 0xffaa, Qt::Key_Asterisk, true, "Keypad *"},
    KeyCode{0x45, 0xffab, Qt::Key_Plus, true, "Keypad +"},
    KeyCode{0x47, 0xff0b, Qt::Key_Clear, true, "Keypad Clear"},
    KeyCode{0x4B, 0xffaf, Qt::Key_Slash, true, "Keypad /"},
    KeyCode{0x4C, 0xff8d, Qt::Key_Enter, true, "Enter"},
    KeyCode{0x4E, 0xffad, Qt::Key_Minus, true, "Keypad -"},
    KeyCode{0x4F, 0xffcf, Qt::Key_F18, false, "F18"},
    KeyCode{0x50, 0xffd0, Qt::Key_F19, false, "F19"},
    KeyCode{0x51, 0xffbd, Qt::Key_Equal, true, "Keypad ="},
    KeyCode{0x52, 0xffb0, Qt::Key_0, true, "Keypad 0"},
    KeyCode{0x53, 0xffb1, Qt::Key_1, true, "Keypad 1"},
    KeyCode{0x54, 0xffb2, Qt::Key_2, true, "Keypad 2"},
    KeyCode{0x55, 0xffb3, Qt::Key_3, true, "Keypad 3"},
    KeyCode{0x56, 0xffb4, Qt::Key_4, true, "Keypad 4"},
    KeyCode{0x57, 0xffb5, Qt::Key_5, true, "Keypad 5"},
    KeyCode{0x58, 0xffb6, Qt::Key_6, true, "Keypad 6"},
    KeyCode{0x59, 0xffb7, Qt::Key_7, true, "Keypad 7"},
    KeyCode{0x5A, 0xffd1, Qt::Key_F20, false, "F20"},
    KeyCode{0x5B, 0xffb8, Qt::Key_8, true, "Keypad 8"},
    KeyCode{0x5C, 0xffb9, Qt::Key_9, true, "Keypad 9"},
    KeyCode{0x60, 0xffc2, Qt::Key_F5, false, "F5"},
    KeyCode{0x61, 0xffc3, Qt::Key_F6, false, "F6"},
    KeyCode{0x62, 0xffc4, Qt::Key_F7, false, "F7"},
    KeyCode{0x63, 0xffc0, Qt::Key_F3, false, "F3"},
    KeyCode{0x64, 0xffc5, Qt::Key_F8, false, "F8"},
    KeyCode{0x65, 0xffc6, Qt::Key_F9, false, "F9"},
    KeyCode{0x67, 0xffc8, Qt::Key_F11, false, "F11"},
    KeyCode{0x69, 0xffca, Qt::Key_F13, false, "F13"},
    KeyCode{0x6A, 0xffcd, Qt::Key_F16, false, "F16"},
    KeyCode{0x6B, 0xffcb, Qt::Key_F14, false, "F14"},
    KeyCode{0x6D, 0xffc7, Qt::Key_F10, false, "F10"},
    KeyCode{0x6F, 0xffc9, Qt::Key_F12, false, "F12"},
    KeyCode{0x71, 0xffcc, Qt::Key_F15, false, "F15"},
    KeyCode{0x72, 0xff6a, Qt::Key_Help, false, "Help"},
    KeyCode{0x73, 0xff50, Qt::Key_Home, false, "Home"},
    KeyCode{0x74, 0xff55, Qt::Key_PageUp, false, "Page Up"},
    KeyCode{0x75, 0xffff, Qt::Key_Delete, false, "Delete"},
    KeyCode{0x76, 0xffc1, Qt::Key_F4, false, "F4"},
    KeyCode{0x77, 0xff57, Qt::Key_End, false, "End"},
    KeyCode{0x78, 0xffbf, Qt::Key_F2, false, "F2"},
    KeyCode{0x79, 0xff56, Qt::Key_PageDown, false, "Page Down"},
    KeyCode{0x7A, 0xffbe, Qt::Key_F1, false, "F1"},
    KeyCode{0x7B, 0xff51, Qt::Key_Left, false, "←"},
    KeyCode{0x7C, 0xff53, Qt::Key_Right, false, "→"},
    KeyCode{0x7D, 0xff54, Qt::Key_Down, false, "↓"},
    KeyCode{0x7E, 0xff52, Qt::Key_Up, false, "↑"},
};

inline constexpr std::optional<KeyCode> keyForClassicCode(std::uint32_t classic) {
    for (const KeyCode& key : keyCodes)
        if (key.classic == classic)
            return key;
    return std::nullopt;
}

// Letters come as lower-case keysyms from an unshifted key; an upper-case
// letter names the same key.
inline constexpr std::optional<KeyCode> keyForKeysym(std::uint32_t keysym) {
    if (keysym >= 0x41 && keysym <= 0x5a)
        keysym += 0x20;
    for (const KeyCode& key : keyCodes)
        if (key.keysym == keysym)
            return key;
    return std::nullopt;
}

inline constexpr std::optional<KeyCode> keyForQtKey(int qtKey, bool keypad) {
    for (const KeyCode& key : keyCodes)
        if (key.qtKey == qtKey && key.keypad == keypad)
            return key;
    return std::nullopt;
}

// The classic modifier mask that stored shortcuts use.
struct ClassicModifier {
    static constexpr std::uint32_t command = 0x100;
    static constexpr std::uint32_t shift = 0x200;
    static constexpr std::uint32_t option = 0x800;
    static constexpr std::uint32_t control = 0x1000;
};

} // namespace platform
