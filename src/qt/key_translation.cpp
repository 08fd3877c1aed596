// Qt's keys to the standard virtual-key codes of the viewer's key table.
#include "qt/key_translation.h"

#include "viewer/key_codes.h"

namespace vexolite::qt {

int virtualKeyCode(int qtKey, Qt::KeyboardModifiers modifiers) {
  const bool keypad = modifiers.testFlag(Qt::KeypadModifier);
  switch (qtKey) {
    case Qt::Key_Return:
    case Qt::Key_Enter:  // the keypad's Enter
      return key::kEnter;
    case Qt::Key_Escape:
      return key::kEscape;
    case Qt::Key_PageUp:
      return key::kPageUp;
    case Qt::Key_PageDown:
      return key::kPageDown;
    case Qt::Key_End:
      return key::kEnd;
    case Qt::Key_Home:
      return key::kHome;
    case Qt::Key_Left:
      return key::kLeft;
    case Qt::Key_Up:
      return key::kUp;
    case Qt::Key_Right:
      return key::kRight;
    case Qt::Key_Down:
      return key::kDown;
    case Qt::Key_Plus:
      return keypad ? key::kKeypadPlus : 0;
    case Qt::Key_Minus:
      return keypad ? key::kKeypadMinus : 0;
    case Qt::Key_F1:
      return key::kF1;
    default:
      return 0;
  }
}

}  // namespace vexolite::qt
