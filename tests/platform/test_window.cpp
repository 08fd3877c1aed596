// A shown Form1 over a case file the test writes itself, with Esc observed instead of quitting.
#include "test_window.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>

namespace vexolite::test {

std::vector<std::uint8_t> twoCaseFile() {
  const std::string cube = figureDigits({"111/222/333", "444/555/666", "777/777/777"});
  return caseFileBytes({recordBytes(70, cube, 3), recordBytes(1231, cube, 12)});
}

TestWindow::TestWindow(std::optional<std::vector<std::uint8_t>> caseFile) {
  if (caseFile) writeFile(folder_ / "VEXOLITE.DAT", *caseFile);
  form_ =
      std::make_unique<qt::Form1>(CaseFileSearch{folder_.path(), {}, {}}, [this] { ++endCalls_; });
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

std::vector<SeenBox> TestWindow::clickAnswering(Control button) {
  ModalBoxAnswerer answerer;
  QTest::mouseClick(control(button), Qt::LeftButton);
  waitForActivation();
  return answerer.boxes();
}

}  // namespace vexolite::test
