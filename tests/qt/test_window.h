// A shown MainWindow over a case file the test writes itself (Esc observed, not quitting), and
// files.
// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>
#include <QWidget>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "modal_box_answerer.h"
#include "qt/main_window.h"
#include "qt_printers.h"
#include "support/case_file_writer.h"

namespace vexolite::test {

using Records = std::vector<std::vector<std::uint8_t>>;

// Record 1 is case 7 with 3 solutions, record 2 (the last) case 123.1 with 12.
Records twoCases();
inline constexpr char kLastCaseLabel[] = " CASO:   123.1 ";
inline constexpr char kLastSolutionLabel[] = " SOLU:    12 ";

class TestWindow {
 public:
  // records: the case file, in the working folder or, with caseFileElsewhere, in the program
  // folder the window searches next; none for no case file at all.
  explicit TestWindow(std::optional<Records> records = twoCases(), bool caseFileElsewhere = false);
  ~TestWindow();

  qt::MainWindow& form() { return *form_; }
  Viewer& viewer() { return form_->viewer(); }
  QWidget* control(Control control) const { return form_->widget(control); }
  std::string text(Control control) const { return form_->text(control); }
  int ends() const { return endCalls_; }  // how often Esc ended the program
  const std::filesystem::path& work() const { return work_.path(); }
  const std::filesystem::path& elsewhere() const { return elsewhere_.path(); }

  // Shows and activates the window, then runs start; returns the boxes it opened.
  std::vector<SeenBox> start();
  // start with its one message answered, then Enter, which draws the last record.
  void startAndDraw();

  // A key press and release sent where the keyboard sends it: to the focus widget.
  void press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
  // The same, or the button's own click, answering with OK any box it opens; returns the boxes.
  std::vector<SeenBox> pressAnswering(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
  std::vector<SeenBox> clickAnswering(Control button,
                                      std::function<void(QMessageBox&)> inspect = {});

  // Waits until the window is the active one again, as after a message box has closed.
  void waitForActivation();

  // The names in the working folder other than the case file, sorted by their bytes.
  std::vector<std::string> written() const;

 private:
  TempFolder work_;
  TempFolder elsewhere_;
  int endCalls_ = 0;
  std::unique_ptr<qt::MainWindow> form_;
};

std::vector<std::uint8_t> fileBytes(const std::filesystem::path& path);
// A bitmap file decoded by Qt, as 32-bit RGB.
QImage readImage(const std::filesystem::path& path);
// Writes an image as a 24-bit BMP file through Qt.
void writeBmp(const std::filesystem::path& path, const QImage& image);
QImage filledImage(int width, int height, QRgb colour);

}  // namespace vexolite::test
