// Qt's keys to the keys of the viewer's command table.
// SPDX-License-Identifier: MIT
#include "qt/key_translation.h"

namespace vexolite::qt {

Key translateKey(int qtKey, Qt::KeyboardModifiers modifiers) {
  const bool keypad = modifiers.testFlag(Qt::KeypadModifier);
  switch (qtKey) {
    case Qt::Key_Return:
    case Qt::Key_Enter:  // the keypad's Enter
      return Key::Enter;
    case Qt::Key_Escape:
      return Key::Escape;
    case Qt::Key_PageUp:
      return Key::PageUp;
    case Qt::Key_PageDown:
      return Key::PageDown;
    case Qt::Key_End:
      return Key::End;
    case Qt::Key_Home:
      return Key::Home;
    case Qt::Key_Left:
      return Key::Left;
    case Qt::Key_Up:
      return Key::Up;
    case Qt::Key_Right:
      return Key::Right;
    case Qt::Key_Down:
      return Key::Down;
    case Qt::Key_Plus:
      return keypad ? Key::KeypadPlus : Key::Other;
    case Qt::Key_Minus:
      return keypad ? Key::KeypadMinus : Key::Other;
    case Qt::Key_F1:
      return Key::F1;
    default:
      return Key::Other;
  }
}

}  // namespace vexolite::qt
