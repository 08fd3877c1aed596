// The browser's names of keys, as the viewer's keys.
// SPDX-License-Identifier: MIT
#pragma once

#include <string_view>

#include "viewer/keys.h"

namespace vexolite {

// KeyboardEvent.location of a key on the numeric keypad.
inline constexpr int kKeypadLocation = 3;

// The viewer's key for a KeyboardEvent's key and location: plus and minus only from the keypad;
// every key the viewer has no use for is Key::Other.
Key keyFromBrowser(std::string_view key, int location);

}  // namespace vexolite
