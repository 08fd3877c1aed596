// The start-up through the real window: the start message, and a missing case file before it.
#include <gtest/gtest.h>

#include <QMessageBox>

#include "test_window.h"

namespace vexolite::test {
namespace {

TEST(StartMessage, AsksForEnterWithAnExclamationAndOneOk) {
  TestWindow window;
  const std::vector<SeenBox> boxes = window.start();
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].title, "Vexolite");
  EXPECT_EQ(boxes[0].text, "En proxima pantalla pulsar enter para dar comienzo al sistema");
  EXPECT_EQ(boxes[0].icon, QMessageBox::Warning);
  EXPECT_EQ(boxes[0].buttons, QStringList{"OK"});
  // Start values the window shows: the zoom in Text3, nothing drawn or labelled yet.
  EXPECT_EQ(window.text(Control::Text3), "0.5");
  EXPECT_EQ(window.text(Control::Label1), "");
  EXPECT_EQ(window.form().viewer().state().CurrentRecord, 2);
}

TEST(StartMessage, AMissingCaseFileIsNamedBeforeIt) {
  TestWindow window(std::nullopt);
  const std::vector<SeenBox> boxes = window.start();
  ASSERT_EQ(boxes.size(), 2u);
  EXPECT_EQ(boxes[0].icon, QMessageBox::Critical);
  EXPECT_TRUE(boxes[0].text.contains("VEXOLITE.DAT")) << boxes[0].text.toStdString();
  EXPECT_EQ(boxes[0].title, "Vexolite");
  EXPECT_EQ(boxes[1].text, "En proxima pantalla pulsar enter para dar comienzo al sistema");

  // Enter and "Dibujar" then load nothing: the same reason again, and no crash.
  for (bool byButton : {false, true}) {
    const std::vector<SeenBox> again =
        byButton ? window.clickAnswering(Control::Command1) : window.pressAnswering(Qt::Key_Return);
    ASSERT_EQ(again.size(), 1u);
    EXPECT_TRUE(again[0].text.contains("VEXOLITE.DAT"));
    EXPECT_EQ(window.text(Control::Label1), "");
  }
}

}  // namespace
}  // namespace vexolite::test
