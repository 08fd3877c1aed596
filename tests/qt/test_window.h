// The Qt tests' shared part: a shown MainWindow over a case file of its own, its boxes answered.
// SPDX-License-Identifier: MIT
#pragma once

#include <QMessageBox>
#include <memory>

#include "qt/main_window.h"
#include "support/case_file_writer.h"

namespace vexolite::test {

struct SeenBox {
  std::string title, text;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
};

// The test program answers every message box with OK, after the inspector, if one is set, has
// seen it; takeBoxes hands over those seen since the last call and drops the inspector.
void answerEveryBox();
std::vector<SeenBox> takeBoxes();
inline std::function<void(QMessageBox&)> inspector;

struct TestWindow {
  TestWindow();  // records 1 and 2 (the last) are cases 7 and 123.1
  QWidget* control(Control control) const { return form->widget(control); }
  std::string text(Control control) const { return form->text(control); }
  // Each returns the boxes it opened. press sends a key to the window as the window system does.
  std::vector<SeenBox> start();
  std::vector<SeenBox> press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);

  TempFolder folder;
  int ends = 0;  // how often Esc ended the program
  std::unique_ptr<qt::MainWindow> form;
};

}  // namespace vexolite::test
