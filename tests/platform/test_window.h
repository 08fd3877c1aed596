// A shown Form1 over a case file the test writes itself, with Esc observed instead of quitting.
#pragma once

#include <QString>
#include <QWidget>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include "modal_box_answerer.h"
#include "platform/qt/form1.h"
#include "qt_printers.h"
#include "support/case_file_writer.h"

namespace vexolite::test {

// Two cases: record 1 is case 7 with 3 solutions, record 2 (the last) case 123.1 with 12.
std::vector<std::uint8_t> twoCaseFile();
inline constexpr char kLastCaseLabel[] = " CASO:   123.1 ";
inline constexpr char kLastSolutionLabel[] = " SOLU:    12 ";

class TestWindow {
 public:
  // caseFile: the bytes of VEXOLITE.DAT in the window's working folder, or none for no file.
  explicit TestWindow(std::optional<std::vector<std::uint8_t>> caseFile = twoCaseFile());
  ~TestWindow();

  qt::Form1& form() { return *form_; }
  QWidget* control(Control control) const { return form_->widget(control); }
  std::string text(Control control) const { return form_->text(control); }
  bool ended() const { return endCalls_ > 0; }

  // Shows and activates the window, then runs Form_Load; returns the boxes it opened.
  std::vector<SeenBox> start();

  // A key press and release sent where the keyboard sends it: to the focus widget.
  void press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
  // The same, answering any box it opens; returns the boxes.
  std::vector<SeenBox> pressAnswering(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
  std::vector<SeenBox> clickAnswering(Control button);

  // Waits until the window is the active one again, as after a message box has closed.
  void waitForActivation();

 private:
  TempFolder folder_;
  int endCalls_ = 0;
  std::unique_ptr<qt::Form1> form_;
};

}  // namespace vexolite::test
