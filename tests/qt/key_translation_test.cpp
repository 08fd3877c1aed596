// Qt's keys to the viewer's keys: every bound key, and the keys that must not bind.
// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <tuple>

#include "qt/key_translation.h"

namespace vexolite::qt {
namespace {

TEST(KeyTranslation, GivesTheViewersKey) {
  constexpr Qt::KeyboardModifiers kNone = Qt::NoModifier, kKeypad = Qt::KeypadModifier;
  // Keypad 3 and 8 with NumLock off arrive as Page Down and Up with the keypad modifier.
  const std::tuple<Qt::Key, Qt::KeyboardModifiers, Key> cases[] = {
      {Qt::Key_Escape, kNone, Key::Escape},
      {Qt::Key_Return, kNone, Key::Enter},
      {Qt::Key_Enter, kKeypad, Key::Enter},
      {Qt::Key_PageUp, kNone, Key::PageUp},
      {Qt::Key_PageDown, kNone, Key::PageDown},
      {Qt::Key_PageDown, kKeypad, Key::PageDown},
      {Qt::Key_End, kNone, Key::End},
      {Qt::Key_Home, kNone, Key::Home},
      {Qt::Key_Left, kNone, Key::Left},
      {Qt::Key_Up, kNone, Key::Up},
      {Qt::Key_Up, kKeypad, Key::Up},
      {Qt::Key_Up, Qt::ShiftModifier, Key::Up},
      {Qt::Key_Right, kNone, Key::Right},
      {Qt::Key_Down, kNone, Key::Down},
      {Qt::Key_Plus, kKeypad, Key::KeypadPlus},
      {Qt::Key_Minus, kKeypad, Key::KeypadMinus},
      {Qt::Key_F1, kNone, Key::F1},
      {Qt::Key_Plus, Qt::ShiftModifier, Key::Other},
      {Qt::Key_5, kKeypad, Key::Other}};
  for (const auto& [key, modifiers, expected] : cases)
    EXPECT_EQ(translateKey(key, modifiers), expected)
        << std::hex << key << " " << modifiers.toInt();
  // The main keyboard's plus and minus never zoom; digits, letters and the rest are typed.
  for (Qt::Key key :
       {Qt::Key_Plus, Qt::Key_Minus, Qt::Key_Equal, Qt::Key_5, Qt::Key_Period, Qt::Key_A,
        Qt::Key_F2, Qt::Key_Tab, Qt::Key_Space, Qt::Key_Insert, Qt::Key_Delete})
    EXPECT_EQ(translateKey(key, kNone), Key::Other) << std::hex << key;
}

}  // namespace
}  // namespace vexolite::qt
