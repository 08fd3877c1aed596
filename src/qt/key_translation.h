// Qt's keys to the standard virtual-key codes of the viewer's key table.
#pragma once

#include <Qt>

namespace vexolite::qt {

// The virtual-key code of a key press, or 0 for a key outside the table. Keypad plus and
// minus count only with the keypad modifier, so the main keyboard's plus and minus never zoom.
int virtualKeyCode(int qtKey, Qt::KeyboardModifiers modifiers);

}  // namespace vexolite::qt
