// Qt's keys to the standard virtual-key codes: every bound key, and the keys that must not bind.
#include <gtest/gtest.h>

#include "platform/qt/key_translation.h"

namespace vexolite::qt {
namespace {

struct KeyCase {
  const char* what;
  Qt::Key key;
  Qt::KeyboardModifiers modifiers;
  int code;
};

class KeyTranslation : public testing::TestWithParam<KeyCase> {};

TEST_P(KeyTranslation, GivesTheStandardVirtualKeyCode) {
  const KeyCase& c = GetParam();
  EXPECT_EQ(virtualKeyCode(c.key, c.modifiers), c.code) << c.what;
}

constexpr Qt::KeyboardModifiers kNone = Qt::NoModifier;
constexpr Qt::KeyboardModifiers kKeypad = Qt::KeypadModifier;

INSTANTIATE_TEST_SUITE_P(
    Table, KeyTranslation,
    testing::Values(
        KeyCase{"Page Up", Qt::Key_PageUp, kNone, 33},
        KeyCase{"Page Down", Qt::Key_PageDown, kNone, 34}, KeyCase{"End", Qt::Key_End, kNone, 35},
        KeyCase{"Home", Qt::Key_Home, kNone, 36}, KeyCase{"Left", Qt::Key_Left, kNone, 37},
        KeyCase{"Up", Qt::Key_Up, kNone, 38}, KeyCase{"Right", Qt::Key_Right, kNone, 39},
        KeyCase{"Down", Qt::Key_Down, kNone, 40}, KeyCase{"F1", Qt::Key_F1, kNone, 112},
        KeyCase{"Esc", Qt::Key_Escape, kNone, 27}, KeyCase{"Return", Qt::Key_Return, kNone, 13},
        KeyCase{"keypad Enter", Qt::Key_Enter, kKeypad, 13},
        KeyCase{"keypad plus", Qt::Key_Plus, kKeypad, 107},
        KeyCase{"keypad minus", Qt::Key_Minus, kKeypad, 109},
        // Keypad 3 and 8 with NumLock off arrive as Page Down and Up with the keypad modifier.
        KeyCase{"keypad Page Down", Qt::Key_PageDown, kKeypad, 34},
        KeyCase{"keypad Up", Qt::Key_Up, kKeypad, 38},
        KeyCase{"Shift+Up", Qt::Key_Up, Qt::ShiftModifier, 38},
        // The main keyboard's plus and minus never zoom.
        KeyCase{"main plus", Qt::Key_Plus, kNone, 0},
        KeyCase{"main plus with Shift", Qt::Key_Plus, Qt::ShiftModifier, 0},
        KeyCase{"main minus", Qt::Key_Minus, kNone, 0},
        KeyCase{"main equal", Qt::Key_Equal, kNone, 0}, KeyCase{"digit", Qt::Key_5, kNone, 0},
        KeyCase{"keypad digit", Qt::Key_5, kKeypad, 0}, KeyCase{"period", Qt::Key_Period, kNone, 0},
        KeyCase{"letter", Qt::Key_A, kNone, 0}, KeyCase{"F2", Qt::Key_F2, kNone, 0},
        KeyCase{"Tab", Qt::Key_Tab, kNone, 0}, KeyCase{"Space", Qt::Key_Space, kNone, 0},
        KeyCase{"Insert", Qt::Key_Insert, kNone, 0}, KeyCase{"Delete", Qt::Key_Delete, kNone, 0}));

}  // namespace
}  // namespace vexolite::qt
