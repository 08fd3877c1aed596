// Qt's keys to the keys of the viewer's command table.
// SPDX-License-Identifier: MIT
#pragma once

#include <Qt>

#include "viewer/keys.h"

namespace vexolite::qt {

// The viewer's key for a key press, or Key::Other for a key outside the table. Keypad plus and
// minus count only with the keypad modifier, so the main keyboard's plus and minus never zoom.
// Other modifiers play no part: keypad keys with NumLock off arrive as Page Down, Up and so on
// with the keypad modifier, and count as those keys.
Key translateKey(int qtKey, Qt::KeyboardModifiers modifiers);

}  // namespace vexolite::qt
