// The browser's names of keys, as the viewer's keys.
// SPDX-License-Identifier: MIT
#include "web/browser_keys.h"

#include <array>
#include <utility>

namespace vexolite {

Key keyFromBrowser(std::string_view key, int location) {
  if (location == kKeypadLocation) {
    if (key == "+") return Key::KeypadPlus;
    if (key == "-") return Key::KeypadMinus;
  }
  constexpr std::array<std::pair<std::string_view, Key>, 11> kNamed{{
      {"Enter", Key::Enter},
      {"Escape", Key::Escape},
      {"PageUp", Key::PageUp},
      {"PageDown", Key::PageDown},
      {"End", Key::End},
      {"Home", Key::Home},
      {"ArrowLeft", Key::Left},
      {"ArrowUp", Key::Up},
      {"ArrowRight", Key::Right},
      {"ArrowDown", Key::Down},
      {"F1", Key::F1},
  }};
  for (const auto& [name, viewerKey] : kNamed) {
    if (key == name) return viewerKey;
  }
  return Key::Other;
}

}  // namespace vexolite
