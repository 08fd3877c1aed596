// The window's layout: every control's kind, place, size, caption, tool tip, font and colours.
// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

#include "raster/raster_surface.h"
#include "viewer/controls.h"

namespace vexolite {

enum class ControlKind {
  Window,      // MainWindow itself
  PictureBox,  // a raster work surface
  Button,
  OptionButton,
  CheckBox,  // an indicator set by the viewer, never by the user
  Label,
  TextBox,  // single line
  MultiLineTextBox,
  Frame,
  RichTextBox,
};

struct FontSpec {
  std::string_view family;
  double pointSize = 0;
  bool bold = false;
  // The family to use instead where family is not installed; empty for none.
  std::string_view fallbackFamily;
};

// One control. Places and sizes are in twips (15 to a pixel), relative to the parent's client
// area; texts are UTF-8.
struct ControlLayout {
  Control id;
  std::string_view name;
  ControlKind kind;
  Control parent;  // MainWindow, or PiecePanel for the seven piece options
  int left = 0, top = 0, width = 0, height = 0;
  std::string_view text;  // caption, or the initial text of a text box
  std::string_view toolTip;
  FontSpec font;
  std::optional<Rgb> background;
  std::optional<Rgb> foreground;
  bool visibleAtStart = true;
  bool enabledAtStart = true;
  bool checkedAtStart = false;
  int tabIndex = -1;  // position in the tab order, 0 first; -1 for controls the focus skips
};

inline constexpr std::string_view kWindowCaption = "Vexolite";
inline constexpr int kTwipsPerPixel = 15;
inline constexpr int kClientWidthTwips = 12015;
inline constexpr int kClientHeightTwips = 7200;

// Twips to pixels, rounded to nearest. Precondition: twips >= 0.
constexpr int pixelsFromTwips(int twips) {
  return (twips + kTwipsPerPixel / 2) / kTwipsPerPixel;
}

// Every control, indexed by Control (MainWindow first).
const std::array<ControlLayout, kControlCount>& windowLayout();
const ControlLayout& layoutOf(Control control);

// The help text shown by HelpBox: 29 lines, each ended by "\r\n". Lines 3 to 5 show the down,
// left and right arrow glyphs for the arrow keys.
inline constexpr int kHelpLineCount = 29;
std::string_view helpText();

}  // namespace vexolite
