// The keys the viewer answers to, as the toolkit's front end reports them.
// SPDX-License-Identifier: MIT
#pragma once

namespace vexolite {

// A key press as the viewer sees it. Other stands for every key the viewer has no use for; its
// character, if any, is typed into the focused control.
enum class Key {
  Enter,
  Escape,
  PageUp,
  PageDown,
  End,
  Home,
  Left,
  Up,
  Right,
  Down,
  KeypadPlus,
  KeypadMinus,
  F1,
  Other,
};

}  // namespace vexolite
