// The window tests' program: one QApplication on Qt's offscreen platform for every test.
// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <QApplication>

#include "modal_box_answerer.h"

int main(int argc, char* argv[]) {
  // Test discovery runs this program at build time, where no display may exist.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  QApplication::setApplicationName("Vexolite");
  testing::InitGoogleTest(&argc, argv);
  vexolite::test::guardAgainstUnansweredBoxes();
  return RUN_ALL_TESTS();
}
