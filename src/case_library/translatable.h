// Marks the core's user-visible texts for Qt's lupdate and fills placeholders, without Qt.
// SPDX-License-Identifier: MIT
#pragma once

#include <initializer_list>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// lupdate finds marked texts by this macro's name, so the core marks them without any Qt header;
// the window translates them through Controls::translated. The definition is Qt's own, token for
// token, so a file that also includes Qt sees the same macro. Every marked text, the core's and
// the window's, has the one context "vexolite", written out: lupdate does not expand macros.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, x) x
#endif

namespace vexolite {

// A message template with %1 to %9 replaced by args[0] to args[8]: translated as a whole, so a
// language may put the filled parts in another order. A "%" followed by anything else stays.
std::string fillIn(std::string_view pattern, std::span<const std::string> args);
inline std::string fillIn(std::string_view pattern, std::initializer_list<std::string> args) {
  return fillIn(pattern, std::span<const std::string>(args.begin(), args.size()));
}

// Why something failed, as a lower layer gives it: a marked pattern and the parts (numbers,
// names, the system's causes) that fill its placeholders. The window says it in the chosen
// language by translating the pattern and filling it with the same parts.
struct Reason {
  std::string_view pattern;          // a marked text, with static storage
  std::vector<std::string> parts{};  // none for a pattern without placeholders

  // The reason in the program's own language (Spanish).
  std::string text() const { return fillIn(pattern, parts); }

  friend bool operator==(const Reason&, const Reason&) = default;
};

}  // namespace vexolite
