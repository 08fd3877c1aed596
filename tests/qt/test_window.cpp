// The Qt tests' program: one QApplication on Qt's offscreen platform, and the shared window.
// SPDX-License-Identifier: MIT
#include "test_window.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QPointer>
#include <QTest>
#include <QTimer>

namespace vexolite::test {
static std::vector<SeenBox> seen;

void answerEveryBox() {
  auto* answerer = new QTimer(qApp);
  QObject::connect(answerer, &QTimer::timeout, [last = QPointer<QMessageBox>()]() mutable {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (box == nullptr || !box->isVisible() || box == last) return;
    last = box;
    seen.push_back({box->windowTitle().toStdString(), box->text().toStdString(), box->icon()});
    if (inspector) inspector(*box);
    if (box->isVisible()) QTest::mouseClick(box->button(QMessageBox::Ok), Qt::LeftButton);
  });
  answerer->start(5);
}

std::vector<SeenBox> takeBoxes() {
  inspector = nullptr;
  return std::exchange(seen, {});
}

TestWindow::TestWindow() {
  const std::string cube = figureDigits({"111/222/333", "444/555/666", "777/777/777"});
  writeFile(folder / "VEXOLITE.DAT",
            caseFileBytes({recordBytes(70, cube, 3), recordBytes(1231, cube, 12)}));
  form =
      std::make_unique<qt::MainWindow>(CaseFileSearch{folder.path(), {}, {}}, [this] { ++ends; });
}

std::vector<SeenBox> TestWindow::start() {
  takeBoxes();
  form->show();
  form->start();
  EXPECT_TRUE(QTest::qWaitForWindowActive(form.get()));  // taken back from the closed box
  return takeBoxes();
}

std::vector<SeenBox> TestWindow::press(int key, Qt::KeyboardModifiers modifiers) {
  QTest::keyClick(form->windowHandle(), static_cast<Qt::Key>(key), modifiers);
  EXPECT_TRUE(QTest::qWaitForWindowActive(form.get()));
  return takeBoxes();
}

}  // namespace vexolite::test

int main(int argc, char* argv[]) {
  // Test discovery runs this program at build time, where no display may exist.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  testing::InitGoogleTest(&argc, argv);
  vexolite::test::answerEveryBox();
  return RUN_ALL_TESTS();
}
