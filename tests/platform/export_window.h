// A shown Form1 for the export tests: its own working folder, the case file in it or beside it.
#pragma once

#include <QImage>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "modal_box_answerer.h"
#include "platform/qt/form1.h"
#include "qt_printers.h"
#include "support/case_file_writer.h"

namespace vexolite::test {

class ExportWindow {
 public:
  // records: the case file. It goes into the working folder, or with caseFileElsewhere into a
  // second folder that the window searches as its program folder.
  explicit ExportWindow(const std::vector<std::vector<std::uint8_t>>& records,
                        bool caseFileElsewhere = false);
  ~ExportWindow();

  qt::Form1& form() { return *form_; }
  Viewer& viewer() { return form_->viewer(); }
  std::string text(Control control) const { return form_->text(control); }
  const std::filesystem::path& work() const { return work_.path(); }
  const std::filesystem::path& elsewhere() const { return elsewhere_.path(); }

  // Shows the window, runs Form_Load and answers its start message, then presses Enter, which
  // draws the last record.
  void startAndDraw();
  // The button's own click, as the mouse gives it; the boxes it opened, each answered with OK.
  std::vector<SeenBox> click(Control button);
  std::vector<SeenBox> press(int key);

  // The names in the working folder other than the case file, sorted by their bytes.
  std::vector<std::string> written() const;

 private:
  TempFolder work_;
  TempFolder elsewhere_;
  std::unique_ptr<qt::Form1> form_;
};

// The whole content of a file.
std::vector<std::uint8_t> fileBytes(const std::filesystem::path& path);

// A bitmap file decoded by Qt, for checking what was written.
QImage readImage(const std::filesystem::path& path);

// Writes an image as a 24-bit BMP file through Qt.
void writeBmp(const std::filesystem::path& path, const QImage& image);

// An image of one colour.
QImage filledImage(int width, int height, QRgb colour);

// Little-endian fields of a file's bytes.
std::uint32_t u16At(const std::vector<std::uint8_t>& bytes, std::size_t at);
std::uint32_t u32At(const std::vector<std::uint8_t>& bytes, std::size_t at);

}  // namespace vexolite::test
