// Keys and buttons through the real window: Enter, arrows, Esc, F1 and the help, typing.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QTest>

#include "test_window.h"

namespace vexolite::test {
namespace {

class KeyDispatch : public testing::Test {
 protected:
  void SetUp() override { ASSERT_EQ(window.start().size(), 1u); }

  void focusOn(Control control) {
    window.control(control)->setFocus(Qt::OtherFocusReason);
    ASSERT_EQ(QApplication::focusWidget(), window.control(control));
  }
  QLineEdit* text1() { return qobject_cast<QLineEdit*>(window.control(Control::Text1)); }
  std::string lastKey() { return window.form().viewer().state().LastKeyText; }

  TestWindow window;
};

struct EnterCase {
  const char* what;
  Control focus;
  Qt::Key key;
  Qt::KeyboardModifiers modifiers;
};

class EnterLoadsTheLastRecord : public KeyDispatch,
                                public testing::WithParamInterface<EnterCase> {};

TEST_P(EnterLoadsTheLastRecord, WhateverHasTheFocus) {
  const EnterCase& c = GetParam();
  focusOn(c.focus);
  EXPECT_TRUE(window.pressAnswering(c.key, c.modifiers).empty());
  EXPECT_EQ(window.text(Control::Label1), kLastCaseLabel);
  EXPECT_EQ(window.text(Control::Label2), kLastSolutionLabel);
  EXPECT_EQ(lastKey(), " 13");
  // The drawing hands the focus to the case-number box, ready for a typed number.
  EXPECT_EQ(QApplication::focusWidget(), window.control(Control::Text1));
}

INSTANTIATE_TEST_SUITE_P(
    Focus, EnterLoadsTheLastRecord,
    testing::Values(EnterCase{"Text1", Control::Text1, Qt::Key_Return, Qt::NoModifier},
                    EnterCase{"Text1 keypad", Control::Text1, Qt::Key_Enter, Qt::KeypadModifier},
                    EnterCase{"button", Control::Command7, Qt::Key_Return, Qt::NoModifier},
                    EnterCase{"help button", Control::Command2, Qt::Key_Return, Qt::NoModifier},
                    EnterCase{"option", Control::Option9, Qt::Key_Enter, Qt::KeypadModifier}),
    [](const auto& p) {
      std::string name = p.param.what;
      for (char& ch : name) {
        if (ch == ' ') ch = '_';
      }
      return name;
    });

struct NavigationKey {
  Qt::Key key;
  const char* code;
};
const NavigationKey kNavigationKeys[] = {
    {Qt::Key_Left, " 37"},   {Qt::Key_Right, " 39"},    {Qt::Key_Up, " 38"},
    {Qt::Key_Down, " 40"},   {Qt::Key_Home, " 36"},     {Qt::Key_End, " 35"},
    {Qt::Key_PageUp, " 33"}, {Qt::Key_PageDown, " 34"},
};

TEST_F(KeyDispatch, NavigationKeysReachTheWindowAndNotText1) {
  focusOn(Control::Text1);
  QTest::keyClicks(text1(), "123");
  for (const NavigationKey& k : kNavigationKeys) {
    text1()->setCursorPosition(1);  // where each of these keys would move the cursor
    window.press(k.key);
    EXPECT_EQ(lastKey(), k.code);
    EXPECT_EQ(text1()->cursorPosition(), 1) << k.code;
    EXPECT_EQ(QApplication::focusWidget(), window.control(Control::Text1)) << k.code;
  }
  EXPECT_EQ(window.text(Control::Text1), "123");
}

// The keys run their operations, whose redraw hands the focus to Text1, instead of moving
// the focus to a neighbouring button or option.
TEST_F(KeyDispatch, NavigationKeysFromAButtonOrOptionEndInText1) {
  window.pressAnswering(Qt::Key_Return);
  for (Control focus : {Control::Command6, Control::Command10, Control::Option8}) {
    for (const NavigationKey& k : kNavigationKeys) {
      focusOn(focus);
      window.press(k.key);
      EXPECT_EQ(lastKey(), k.code);
      EXPECT_EQ(QApplication::focusWidget(), window.control(Control::Text1)) << k.code;
    }
  }
  // The arrows did not move the selection from Option8 to Option9 either.
  EXPECT_TRUE(window.form().isChecked(Control::Option8));
  EXPECT_FALSE(window.form().isChecked(Control::Option9));
}

TEST_F(KeyDispatch, EscEndsTheProgramFromText1) {
  focusOn(Control::Text1);
  window.press(Qt::Key_Escape);
  EXPECT_TRUE(window.ended());
}

TEST_F(KeyDispatch, EscEndsTheProgramFromAButtonAfterACaseIsShown) {
  window.pressAnswering(Qt::Key_Return);
  focusOn(Control::Command13);
  window.press(Qt::Key_Escape);
  EXPECT_TRUE(window.ended());
}

TEST_F(KeyDispatch, DigitsAndThePointTypedInText1LandThere) {
  focusOn(Control::Text1);
  QTest::keyClicks(text1(), "12.5");
  EXPECT_EQ(window.text(Control::Text1), "12.5");
  EXPECT_EQ(lastKey(), "");  // none of them is a key of the table
}

TEST_F(KeyDispatch, OnlyTheKeypadPlusAndMinusCountAsZoomKeys) {
  focusOn(Control::Text1);
  QTest::keyClick(text1(), Qt::Key_Plus);
  QTest::keyClick(text1(), Qt::Key_Minus);
  EXPECT_EQ(lastKey(), "");
  EXPECT_EQ(window.text(Control::Text3), "0.5");
  window.pressAnswering(Qt::Key_Return);
  QTest::keyClick(text1(), Qt::Key_Plus, Qt::KeypadModifier);
  EXPECT_EQ(lastKey(), " 107");
  EXPECT_EQ(window.text(Control::Text3), "1");
  QTest::keyClick(text1(), Qt::Key_Minus, Qt::KeypadModifier);
  EXPECT_EQ(lastKey(), " 109");
  EXPECT_EQ(window.text(Control::Text3), "0.5");
  // Text1 received every typed character, and its change handler took each one out again.
  EXPECT_EQ(window.text(Control::Text1), "");
}

// F1 and "Ayuda" run the same help sequence: help over the drawing while the empty box is
// open, then the drawing back and the case loaded again.
class HelpDisplay : public KeyDispatch, public testing::WithParamInterface<bool> {};

TEST_P(HelpDisplay, ShowsTheHelpWhileTheBoxIsOpenThenTheCaseAgain) {
  const bool byButton = GetParam();
  window.pressAnswering(Qt::Key_Return);
  window.form().setText(Control::Label1, "");
  window.form().setText(Control::Label2, "");

  bool helpShown = false, drawingHidden = false;
  ModalBoxAnswerer answerer([&](QMessageBox&) {
    helpShown = window.control(Control::Text2)->isVisible();
    drawingHidden = !window.control(Control::Picture1)->isVisible();
  });
  if (byButton) {
    QTest::mouseClick(window.control(Control::Command2), Qt::LeftButton);
  } else {
    window.press(Qt::Key_F1);
  }
  window.waitForActivation();
  ASSERT_EQ(answerer.boxes().size(), 1u);
  const SeenBox& box = answerer.boxes().front();
  EXPECT_EQ(box.title, "Vexolite");
  EXPECT_EQ(box.text, "");
  EXPECT_EQ(box.icon, QMessageBox::NoIcon);
  EXPECT_EQ(box.buttons, QStringList{"OK"});
  EXPECT_TRUE(helpShown);
  EXPECT_TRUE(drawingHidden);

  EXPECT_FALSE(window.control(Control::Text2)->isVisible());
  EXPECT_TRUE(window.control(Control::Picture1)->isVisible());
  EXPECT_EQ(window.text(Control::Label1), kLastCaseLabel);
  EXPECT_EQ(window.text(Control::Label2), kLastSolutionLabel);
  if (!byButton) {
    EXPECT_EQ(lastKey(), " 112");
  }
}

INSTANTIATE_TEST_SUITE_P(F1OrAyuda, HelpDisplay, testing::Values(false, true),
                         [](const auto& p) { return p.param ? "Ayuda" : "F1"; });

TEST_F(KeyDispatch, DibujarLoadsTheLastRecord) {
  EXPECT_TRUE(window.clickAnswering(Control::Command1).empty());
  EXPECT_EQ(window.text(Control::Label1), kLastCaseLabel);
  EXPECT_EQ(window.text(Control::Label2), kLastSolutionLabel);
  EXPECT_EQ(window.text(Control::Label3), "123.1 ");
  EXPECT_EQ(window.text(Control::Label4), "   12");
}

TEST_F(KeyDispatch, KeysPressedWhileABoxIsOpenBelongToTheBox) {
  window.pressAnswering(Qt::Key_Return);
  ModalBoxAnswerer answerer([&](QMessageBox& box) {
    // F1 and Esc go to the help box: no second help box opens, the program does not end,
    // and Esc closes the box.
    QTest::keyClick(&box, Qt::Key_F1);
    QTest::keyClick(&box, Qt::Key_Escape);
  });
  window.press(Qt::Key_F1);
  window.waitForActivation();
  EXPECT_EQ(answerer.boxes().size(), 1u);
  EXPECT_FALSE(window.ended());
  EXPECT_EQ(lastKey(), " 112");
  EXPECT_FALSE(window.control(Control::Text2)->isVisible());
}

}  // namespace
}  // namespace vexolite::test
