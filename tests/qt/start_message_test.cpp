// The start-up through the real window: the start message, and a missing case file before it.
// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "test_window.h"

namespace vexolite::test {
namespace {

constexpr char kStartMessage[] = "En proxima pantalla pulsar enter para dar comienzo al sistema";

TEST(StartMessage, AsksForEnterWithAnExclamationAndOneOk) {
  TestWindow window;
  const std::vector<SeenBox> boxes = window.start();
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].title, "Vexolite");
  EXPECT_EQ(boxes[0].text, kStartMessage);
  EXPECT_EQ(boxes[0].icon, QMessageBox::Warning);
  EXPECT_EQ(boxes[0].buttons, QStringList{"OK"});
  // Nothing drawn or labelled yet; the zoom and the last record are ready.
  EXPECT_EQ(window.text(Control::ZoomBox), "0.5");
  EXPECT_EQ(window.text(Control::CaseLabel), "");
  EXPECT_EQ(window.viewer().state().catalogue.currentRecord, 2);
}

TEST(StartMessage, AMissingCaseFileIsNamedBeforeIt) {
  TestWindow window(std::nullopt);
  const std::vector<SeenBox> boxes = window.start();
  ASSERT_EQ(boxes.size(), 2u);
  EXPECT_EQ(boxes[0].icon, QMessageBox::Critical);
  EXPECT_TRUE(boxes[0].text.contains("VEXOLITE.DAT")) << boxes[0].text.toStdString();
  EXPECT_EQ(boxes[0].title, "Vexolite");
  EXPECT_EQ(boxes[1].text, kStartMessage);
}

}  // namespace
}  // namespace vexolite::test
