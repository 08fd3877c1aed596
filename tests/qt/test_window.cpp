// A shown MainWindow over a case file the test writes itself (Esc observed, not quitting), and
// files.
// SPDX-License-Identifier: MIT
#include "test_window.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QImageWriter>
#include <QTest>
#include <algorithm>
#include <fstream>
#include <iterator>

namespace vexolite::test {

Records twoCases() {
  const std::string cube = figureDigits({"111/222/333", "444/555/666", "777/777/777"});
  return {recordBytes(70, cube, 3), recordBytes(1231, cube, 12)};
}

TestWindow::TestWindow(std::optional<Records> records, bool caseFileElsewhere) {
  if (records)
    writeFile((caseFileElsewhere ? elsewhere_ : work_) / "VEXOLITE.DAT", caseFileBytes(*records));
  form_ = std::make_unique<qt::MainWindow>(CaseFileSearch{work_.path(), elsewhere_.path(), {}},
                                           [this] { ++endCalls_; });
}

TestWindow::~TestWindow() = default;

std::vector<SeenBox> TestWindow::start() {
  form_->show();
  form_->activateWindow();
  EXPECT_TRUE(QTest::qWaitForWindowActive(form_.get()));
  ModalBoxAnswerer answerer;
  form_->start();
  waitForActivation();
  return answerer.boxes();
}

void TestWindow::startAndDraw() {
  ASSERT_EQ(start().size(), 1u) << "only the start message";
  ASSERT_TRUE(pressAnswering(Qt::Key_Return).empty());
}

// The window takes the focus back from a closed box once the platform has passed it on.
void TestWindow::waitForActivation() {
  if (form_->isVisible()) {
    EXPECT_TRUE(QTest::qWaitForWindowActive(form_.get()));
  }
}

void TestWindow::press(int key, Qt::KeyboardModifiers modifiers) {
  QWidget* focus = QApplication::focusWidget();
  ASSERT_NE(focus, nullptr) << "no widget has the keyboard focus";
  QTest::keyClick(focus, static_cast<Qt::Key>(key), modifiers);
}

std::vector<SeenBox> TestWindow::pressAnswering(int key, Qt::KeyboardModifiers modifiers) {
  ModalBoxAnswerer answerer;
  press(key, modifiers);
  waitForActivation();
  return answerer.boxes();
}

std::vector<SeenBox> TestWindow::clickAnswering(Control button,
                                                std::function<void(QMessageBox&)> inspect) {
  ModalBoxAnswerer answerer(std::move(inspect));
  auto* widget = qobject_cast<QAbstractButton*>(control(button));
  EXPECT_NE(widget, nullptr);
  if (widget != nullptr) widget->click();
  waitForActivation();
  return answerer.boxes();
}

std::vector<std::string> TestWindow::written() const {
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

}  // namespace vexolite::test
