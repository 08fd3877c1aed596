// A shown Form1 for the export tests: its own working folder, the case file in it or beside it.
#include "export_window.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QImageWriter>
#include <QTest>
#include <algorithm>
#include <fstream>
#include <iterator>

namespace vexolite::test {

ExportWindow::ExportWindow(const std::vector<std::vector<std::uint8_t>>& records,
                           bool caseFileElsewhere) {
  const std::filesystem::path caseFolder = caseFileElsewhere ? elsewhere_.path() : work_.path();
  writeFile(caseFolder / "VEXOLITE.DAT", caseFileBytes(records));
  form_ = std::make_unique<qt::Form1>(CaseFileSearch{work_.path(), elsewhere_.path(), {}},
                                      [] { ADD_FAILURE() << "the program was ended"; });
}

ExportWindow::~ExportWindow() = default;

void ExportWindow::startAndDraw() {
  form_->show();
  form_->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(form_.get()));
  {
    ModalBoxAnswerer answerer;
    form_->start();
    ASSERT_EQ(answerer.boxes().size(), 1u) << "only the start message";
  }
  ASSERT_TRUE(QTest::qWaitForWindowActive(form_.get()));
  ASSERT_TRUE(press(Qt::Key_Return).empty());
}

std::vector<SeenBox> ExportWindow::click(Control button) {
  ModalBoxAnswerer answerer;
  auto* widget = qobject_cast<QAbstractButton*>(form_->widget(button));
  EXPECT_NE(widget, nullptr);
  if (widget != nullptr) widget->click();
  if (!answerer.boxes().empty()) {
    EXPECT_TRUE(QTest::qWaitForWindowActive(form_.get()));
  }
  return answerer.boxes();
}

std::vector<SeenBox> ExportWindow::press(int key) {
  ModalBoxAnswerer answerer;
  QWidget* focus = QApplication::focusWidget();
  EXPECT_NE(focus, nullptr) << "no widget has the keyboard focus";
  if (focus != nullptr) QTest::keyClick(focus, static_cast<Qt::Key>(key));
  if (!answerer.boxes().empty()) {
    EXPECT_TRUE(QTest::qWaitForWindowActive(form_.get()));
  }
  return answerer.boxes();
}

std::vector<std::string> ExportWindow::written() const {
  std::vector<std::string> names;
  std::error_code error;
  for (const auto& entry : std::filesystem::directory_iterator(work_.path(), error)) {
    const std::string name = entry.path().filename().string();
    if (name != "VEXOLITE.DAT") names.push_back(name);
  }
  std::sort(names.begin(), names.end());
  return names;
}

std::vector<std::uint8_t> fileBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

QImage readImage(const std::filesystem::path& path) {
  QImage image;
  EXPECT_TRUE(image.load(QString::fromStdString(path.string()), "BMP")) << path;
  return image.convertToFormat(QImage::Format_RGB32);
}

void writeBmp(const std::filesystem::path& path, const QImage& image) {
  QImageWriter writer(QString::fromStdString(path.string()), "bmp");
  ASSERT_TRUE(writer.write(image.convertToFormat(QImage::Format_RGB888))) << path;
}

QImage filledImage(int width, int height, QRgb colour) {
  QImage image(width, height, QImage::Format_RGB32);
  image.fill(colour);
  return image;
}

std::uint32_t u16At(const std::vector<std::uint8_t>& bytes, std::size_t at) {
  return static_cast<std::uint32_t>(bytes.at(at)) | static_cast<std::uint32_t>(bytes.at(at + 1))
                                                        << 8;
}

std::uint32_t u32At(const std::vector<std::uint8_t>& bytes, std::size_t at) {
  return u16At(bytes, at) | u16At(bytes, at + 2) << 16;
}

}  // namespace vexolite::test
