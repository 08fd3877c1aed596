// What the viewer's keys and buttons run: the commands, and the one table that binds them.
// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <optional>

#include "viewer/controls.h"
#include "viewer/keys.h"

namespace vexolite {

// Everything a key or a button of the window can ask of the viewer.
enum class Command {
  Draw,
  Help,
  TurnUp,
  TurnDown,
  TurnLeft,
  TurnRight,
  PreviousByNumber,
  NextByNumber,
  PreviousBySolutions,
  NextBySolutions,
  ZoomOut,
  ZoomIn,
  ExportCase,
  ExportAll,
  ComposePages,
  Quit,
};

// One row of the command table: the key that runs the command and the button that runs it.
struct CommandBinding {
  Command command;
  Key key;                        // Key::Other when no key runs it
  std::optional<Control> button;  // none when no button runs it
  // The key's character belongs in CaseNumberBox as well: the key hands that box the focus,
  // and the box then receives the character (and drops it).
  bool keyAlsoTyped = false;
};

inline constexpr std::array kCommandTable{
    CommandBinding{Command::Draw, Key::Enter, Control::DrawButton},
    CommandBinding{Command::Help, Key::F1, Control::HelpButton},
    CommandBinding{Command::TurnUp, Key::Up, Control::TurnUpButton},
    CommandBinding{Command::TurnDown, Key::Down, Control::TurnDownButton},
    CommandBinding{Command::TurnLeft, Key::Left, Control::TurnLeftButton},
    CommandBinding{Command::TurnRight, Key::Right, Control::TurnRightButton},
    CommandBinding{Command::PreviousByNumber, Key::Home, Control::PreviousByNumberButton},
    CommandBinding{Command::NextByNumber, Key::End, Control::NextByNumberButton},
    CommandBinding{Command::PreviousBySolutions, Key::PageUp, Control::PreviousBySolutionsButton},
    CommandBinding{Command::NextBySolutions, Key::PageDown, Control::NextBySolutionsButton},
    CommandBinding{Command::ZoomOut, Key::KeypadMinus, Control::ZoomOutButton, true},
    CommandBinding{Command::ZoomIn, Key::KeypadPlus, Control::ZoomInButton, true},
    CommandBinding{Command::ExportCase, Key::Other, Control::ExportCaseButton},
    CommandBinding{Command::ExportAll, Key::Other, Control::ExportAllButton},
    CommandBinding{Command::ComposePages, Key::Other, Control::ComposePagesButton},
    CommandBinding{Command::Quit, Key::Escape, std::nullopt},
};

// The row of the command a key runs; none for a key outside the table.
constexpr const CommandBinding* bindingOf(Key key) {
  if (key == Key::Other) return nullptr;
  for (const CommandBinding& binding : kCommandTable) {
    if (binding.key == key) return &binding;
  }
  return nullptr;
}

// True for the keys whose typed character belongs in CaseNumberBox even when the window acted on
// them: every key outside the table, and the keypad plus and minus.
constexpr bool keyReachesFocusedControl(Key key) {
  const CommandBinding* binding = bindingOf(key);
  return binding == nullptr || binding->keyAlsoTyped;
}

}  // namespace vexolite
