// Qt's keys to the standard virtual-key codes: every bound key, and the keys that must not bind.
#include <gtest/gtest.h>

#include "qt/key_translation.h"

namespace vexolite::qt {
namespace {

// The bound keys reached through the window are checked there; these are the rest.
TEST(KeyTranslation, GivesTheStandardVirtualKeyCode) {
  constexpr Qt::KeyboardModifiers kNone = Qt::NoModifier, kKeypad = Qt::KeypadModifier;
  // Keypad 3 and 8 with NumLock off arrive as Page Down and Up with the keypad modifier.
  const std::tuple<Qt::Key, Qt::KeyboardModifiers, int> cases[] = {
      {Qt::Key_Escape, kNone, 27},
      {Qt::Key_Return, kNone, 13},
      {Qt::Key_Enter, kKeypad, 13},
      {Qt::Key_PageDown, kKeypad, 34},
      {Qt::Key_Up, kKeypad, 38},
      {Qt::Key_Up, Qt::ShiftModifier, 38},
      {Qt::Key_Plus, Qt::ShiftModifier, 0},
      {Qt::Key_5, kKeypad, 0}};
  for (const auto& [key, modifiers, code] : cases)
    EXPECT_EQ(virtualKeyCode(key, modifiers), code) << std::hex << key << " " << modifiers.toInt();
  // The main keyboard's plus and minus never zoom; digits, letters and the rest are typed.
  for (Qt::Key key :
       {Qt::Key_Plus, Qt::Key_Minus, Qt::Key_Equal, Qt::Key_5, Qt::Key_Period, Qt::Key_A,
        Qt::Key_F2, Qt::Key_Tab, Qt::Key_Space, Qt::Key_Insert, Qt::Key_Delete})
    EXPECT_EQ(virtualKeyCode(key, kNone), 0) << std::hex << key;
}

}  // namespace
}  // namespace vexolite::qt
