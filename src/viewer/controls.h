// The window's controls as the viewer's operations see them: names, and what they may do.
#pragma once

#include <string>
#include <string_view>

#include "platform/raster_surface.h"

namespace vexolite {

class ExportPlatform;

// Every control of the window, by its name. Families are contiguous so that Command(n) etc. work.
enum class Control : int {
  Form1,
  Picture1,
  Picture2,
  Picture3,
  Picture4,
  Picture5,
  Command1,
  Command2,
  Command3,
  Command4,
  Command5,
  Command6,
  Command7,
  Command8,
  Command9,
  Command10,
  Command11,
  Command12,
  Command13,
  Command14,
  Command15,
  Option1,
  Option2,
  Option3,
  Option4,
  Option5,
  Option6,
  Option7,
  Option8,
  Option9,
  Check1,
  Check2,
  Check3,
  Check4,
  Check5,
  Check6,
  Check7,
  Check8,
  Check9,
  Label1,
  Label2,
  Label3,
  Label4,
  Label5,
  Label6,
  Label7,
  Label8,
  Label9,
  Text1,
  Text2,
  Text3,
  Frame1,
  RichTextBox1,
};
inline constexpr int kControlCount = static_cast<int>(Control::RichTextBox1) + 1;

// The n-th member of a family, n from 1. Preconditions: n within the family.
constexpr Control Picture(int n) {
  return Control(static_cast<int>(Control::Picture1) + n - 1);
}
constexpr Control Command(int n) {
  return Control(static_cast<int>(Control::Command1) + n - 1);
}
constexpr Control Option(int n) {
  return Control(static_cast<int>(Control::Option1) + n - 1);
}
constexpr Control Check(int n) {
  return Control(static_cast<int>(Control::Check1) + n - 1);
}
constexpr Control Label(int n) {
  return Control(static_cast<int>(Control::Label1) + n - 1);
}
constexpr Control Text(int n) {
  return Control(static_cast<int>(Control::Text1) + n - 1);
}

enum class MessageIcon { None, Exclamation, Critical };

// What the viewer's operations need of the window: the widgets hold the texts of Text1 and
// Text3, the captions of the labels, the check and option values; the viewer reads and sets
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
};

}  // namespace vexolite
