// The window's controls as the viewer's operations see them: names, and what they may do.
// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "raster/raster_surface.h"

namespace vexolite {

class ExportPlatform;

// Every control of the window, by its role.
enum class Control : int {
  MainWindow,
  FigureView,
  TextSurface,
  CaseImage,
  PlanSurface,
  PageSurface,
  DrawButton,
  HelpButton,
  TurnUpButton,
  TurnDownButton,
  TurnLeftButton,
  TurnRightButton,
  PreviousByNumberButton,
  NextByNumberButton,
  PreviousBySolutionsButton,
  NextBySolutionsButton,
  ZoomOutButton,
  ZoomInButton,
  ExportCaseButton,
  ExportAllButton,
  ComposePagesButton,
  PieceV,
  PieceL,
  PieceT,
  PieceZ,
  PieceRightScrew,
  PieceLeftScrew,
  PieceTripod,
  NoHelpOption,
  OnePieceHelpOption,
  MirrorX,
  MirrorY,
  MirrorZ,
  MirrorXYSlash,
  MirrorXYBackslash,
  MirrorXZSlash,
  MirrorXZBackslash,
  MirrorYZSlash,
  MirrorYZBackslash,
  CaseLabel,
  SolutionsLabel,
  CaseNumberLabel,
  SolutionCountLabel,
  SymmetryHeading,
  SizeHeading,
  SizeX,
  SizeY,
  SizeZ,
  CaseNumberBox,
  HelpBox,
  ZoomBox,
  PiecePanel,
  CaptionBox,
};
inline constexpr int kControlCount = static_cast<int>(Control::CaptionBox) + 1;

// The piece options in piece order: kPieceOptions[p - 1] chooses piece p.
inline constexpr std::array kPieceOptions{
    Control::PieceV,          Control::PieceL,         Control::PieceT,      Control::PieceZ,
    Control::PieceRightScrew, Control::PieceLeftScrew, Control::PieceTripod,
};

// The nine mirror indicators in the order of the symmetry report's mirrors.
inline constexpr std::array kMirrorIndicators{
    Control::MirrorX,           Control::MirrorY,           Control::MirrorZ,
    Control::MirrorXYSlash,     Control::MirrorXYBackslash, Control::MirrorXZSlash,
    Control::MirrorXZBackslash, Control::MirrorYZSlash,     Control::MirrorYZBackslash,
};

enum class MessageIcon { None, Exclamation, Critical };

// What the viewer's operations need of the window: the widgets hold the texts of CaseNumberBox and
// ZoomBox, the captions of the labels, the check and option values; the viewer reads and sets
// them here and never touches a widget directly. Every call acts at once (no deferred repaint
// is observable by the viewer).
class Controls {
 public:
  virtual ~Controls() = default;

  // The caption of a label, check box, button or option; the text of a text box.
  virtual void setText(Control control, const std::string& text) = 0;
  virtual std::string text(Control control) const = 0;
  // Check boxes: checked or not. Option buttons: selected or not.
  virtual void setChecked(Control control, bool checked) = 0;
  virtual bool isChecked(Control control) const = 0;
  virtual void setEnabled(Control control, bool enabled) = 0;
  virtual void setVisible(Control control, bool visible) = 0;
  virtual void setFocus(Control control) = 0;
  // Shows a picture box's surface as it now stands. Precondition: surface has the picture
  // box's size.
  virtual void showPicture(Control picture, const RasterSurface& surface) = 0;

  // A modal message box with an OK button, titled with the application's title "Vexolite";
  // returns when the user has closed it.
  virtual void showMessage(const std::string& text, MessageIcon icon) = 0;
  virtual void beep() = 0;
  // Ends the program at once, with status 0, once the current event has returned.
  virtual void endProgram() = 0;

  // The toolkit's side of the image export: caption text, bitmap files, the folder listing and
  // the wait cursor. Nothing for a window that cannot export; the export buttons then do
  // nothing.
  virtual ExportPlatform* exportPlatform() { return nullptr; }

  // A text marked with QT_TRANSLATE_NOOP("vexolite", ...) in the chosen language.
  // Unchanged by default: Spanish is the source language, so headless runs and fakes keep it.
  virtual std::string translated(std::string_view text) const { return std::string(text); }
};

}  // namespace vexolite
