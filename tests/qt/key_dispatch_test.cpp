// Keys and buttons through the real window: Enter, arrows, Esc, F1 and the help, typing.
// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QTest>
#include <random>
#include <tuple>
#include <utility>

#include "case_library/code_points.h"

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
  // Forgets what the last drawing showed, so that the next one shows afresh.
  void clearLabels() {
    for (Control c : {Control::CaseLabel, Control::SolutionsLabel, Control::CaseNumberLabel,
                      Control::SolutionCountLabel})
      window.form().setText(c, "");
    window.form().setText(Control::SizeX, "");
  }
  QLineEdit* caseNumberBox() {
    return qobject_cast<QLineEdit*>(window.control(Control::CaseNumberBox));
  }
  // What the last key did, seen on the window since clearLabels: a redraw puts the size caption
  // back; a step to a record shows its case label as well ("" for none).
  void expectRedrawn(const std::string& caseLabel, const std::string& which) {
    EXPECT_EQ(window.text(Control::SizeX), "X: 3") << which;
    EXPECT_EQ(window.text(Control::CaseLabel), caseLabel) << which;
  }

  TestWindow window;
};

TEST_F(KeyDispatch, EnterOrDibujarLoadsTheLastRecordWhateverHasTheFocus) {
  const std::tuple<Control, Qt::Key, Qt::KeyboardModifiers> cases[] = {
      {Control::CaseNumberBox, Qt::Key_Return, Qt::NoModifier},
      {Control::CaseNumberBox, Qt::Key_Enter, Qt::KeypadModifier},
      {Control::PreviousByNumberButton, Qt::Key_Return, Qt::NoModifier},
      {Control::HelpButton, Qt::Key_Return, Qt::NoModifier},  // not the help
      {Control::OnePieceHelpOption, Qt::Key_Enter, Qt::KeypadModifier},
  };
  for (const auto& [focus, key, modifiers] : cases) {
    SCOPED_TRACE(window.control(focus)->objectName().toStdString());
    clearLabels();
    focusOn(focus);
    EXPECT_TRUE(window.pressAnswering(key, modifiers).empty());
    EXPECT_EQ(window.text(Control::CaseLabel), kLastCaseLabel);
    EXPECT_EQ(window.text(Control::SolutionsLabel), kLastSolutionLabel);
    // The drawing hands the focus to the case-number box, ready for a typed number.
    EXPECT_EQ(QApplication::focusWidget(), window.control(Control::CaseNumberBox));
  }
  clearLabels();
  EXPECT_TRUE(window.clickAnswering(Control::DrawButton).empty());
  EXPECT_EQ(window.text(Control::CaseLabel), kLastCaseLabel);
  EXPECT_EQ(window.text(Control::SolutionsLabel), kLastSolutionLabel);
  EXPECT_EQ(window.text(Control::CaseNumberLabel), "123.1 ");
  EXPECT_EQ(window.text(Control::SolutionCountLabel), "   12");
}

// From CaseNumberBox the keys leave its text and cursor alone; from a button or option they run
// their operations, whose redraw hands the focus to CaseNumberBox, instead of moving the focus or
// selection.
TEST_F(KeyDispatch, NavigationKeysReachTheWindowWhateverHasTheFocus) {
  // The key, its name, and the case label it shows: the turns redraw in place; from case 123.1
  // in the last record, cases 122 and 124 are missing and show the last record again, and the
  // step back by solutions shows case 7, the step forward the last record again.
  const std::tuple<Qt::Key, const char*, const char*> keys[] = {
      {Qt::Key_Left, "Left", ""},
      {Qt::Key_Right, "Right", ""},
      {Qt::Key_Up, "Up", ""},
      {Qt::Key_Down, "Down", ""},
      {Qt::Key_Home, "Home", kLastCaseLabel},
      {Qt::Key_End, "End", kLastCaseLabel},
      {Qt::Key_PageUp, "PageUp", " CASO:   007   "},
      {Qt::Key_PageDown, "PageDown", kLastCaseLabel},
  };
  focusOn(Control::CaseNumberBox);
  QTest::keyClicks(caseNumberBox(), "123");
  for (const auto& [key, code, caseLabel] : keys) {
    caseNumberBox()->setCursorPosition(1);  // where each of these keys would move the cursor
    clearLabels();
    window.press(key);
    expectRedrawn(caseLabel, code);
    EXPECT_EQ(caseNumberBox()->cursorPosition(), 1) << code;
    EXPECT_EQ(QApplication::focusWidget(), window.control(Control::CaseNumberBox)) << code;
  }
  EXPECT_EQ(window.text(Control::CaseNumberBox), "123");

  window.pressAnswering(Qt::Key_Return);
  for (Control focus :
       {Control::TurnRightButton, Control::NextBySolutionsButton, Control::NoHelpOption}) {
    for (const auto& [key, code, caseLabel] : keys) {
      focusOn(focus);
      clearLabels();
      window.press(key);
      expectRedrawn(caseLabel, code);
      EXPECT_EQ(QApplication::focusWidget(), window.control(Control::CaseNumberBox)) << code;
    }
  }
  EXPECT_TRUE(window.form().isChecked(Control::NoHelpOption));
  EXPECT_FALSE(window.form().isChecked(Control::OnePieceHelpOption));
}

// Pasted text reaches the case-number box through Ctrl+V whatever script it is in; lengths and
// cuts count characters, so the box ends on at most five of them and the program goes on.
TEST_F(KeyDispatch, PastedTextInAnyScriptIsCutByCharactersAndSearched) {
  window.pressAnswering(Qt::Key_Return);
  focusOn(Control::CaseNumberBox);
  const std::pair<QString, QString> pastes[] = {
      {QStringLiteral("ñ1234"), QStringLiteral("ñ1234")},  // five characters, six bytes
      {QStringLiteral("שלום12"), QStringLiteral("לום12")},
      {QStringLiteral("ÁÉÍ.5"), QStringLiteral("ÁÉÍ.5")},
      {QStringLiteral("xy\U0001F600\U0001F600\U0001F6001"),
       QStringLiteral("y\U0001F600\U0001F600\U0001F6001")},
      {QString(10000, QChar(0x00F1)) + "7", QString(4, QChar(0x00F1)) + "7"},
  };
  for (const auto& [pasted, kept] : pastes) {
    SCOPED_TRACE(pasted.left(12).toStdString());
    QTest::keyClicks(caseNumberBox(), "7");  // case 7, record 1
    ASSERT_EQ(window.text(Control::CaseNumberLabel), "007   ");
    caseNumberBox()->selectAll();
    QApplication::clipboard()->setText(pasted);
    QTest::keyClick(caseNumberBox(), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(caseNumberBox()->text(), kept);
    // None of these is a case number (their numeric value is 0 or 5): the last record shows.
    EXPECT_EQ(window.text(Control::CaseLabel), kLastCaseLabel);
    caseNumberBox()->clear();
  }
  // Bytes that are no UTF-8 at all, handed to the box by the viewer's own path.
  window.form().setText(Control::CaseNumberBox,
                        "\xB1\xB1\xC3"
                        "12345");
  window.viewer().caseNumberEdited();
  EXPECT_EQ(window.text(Control::CaseNumberBox), "12345");
}

// The viewer counts the characters of the box's text as the toolkit does, also where the bytes
// are no UTF-8: the headless stand-in for the window relies on this, and so does the cut.
TEST(TypedText, CharactersCountAsTheToolkitCountsThem) {
  std::mt19937 random(12);
  const char pieces[][5] = {"a",
                            "\xC3\xB1",
                            "\xE2\x82\xAC",
                            "\xF0\x9F\x98\x80",
                            "\x80",
                            "\xC3",
                            "\xED\xA0\x80",
                            "\xC0\xAF",
                            "\xF4\x90\x80\x80",
                            "\xE2\x82",
                            "\xFF",
                            "1"};
  for (int n = 0; n < 4000; ++n) {
    std::string bytes;
    for (int piece = random() % 8; piece > 0; --piece)
      bytes += pieces[random() % std::size(pieces)];
    const QString toolkit = QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size()));
    const std::u32string ours = decodeUtf8(bytes);
    const QList<uint> theirs = toolkit.toUcs4();
    ASSERT_EQ(std::u32string(theirs.begin(), theirs.end()), ours)
        << QByteArray::fromStdString(bytes).toHex().toStdString();
    ASSERT_EQ(toolkit.toStdString(), encodeUtf8(ours));
  }
}

TEST_F(KeyDispatch, EscEndsTheProgramFromCaseNumberBoxAndFromAButton) {
  focusOn(Control::CaseNumberBox);
  window.press(Qt::Key_Escape);
  EXPECT_EQ(window.ends(), 1);
  window.pressAnswering(Qt::Key_Return);
  focusOn(Control::ExportCaseButton);
  window.press(Qt::Key_Escape);
  EXPECT_EQ(window.ends(), 2);
}

TEST_F(KeyDispatch, OnlyTheKeypadPlusAndMinusCountAsZoomKeys) {
  focusOn(Control::CaseNumberBox);
  clearLabels();
  QTest::keyClick(caseNumberBox(), Qt::Key_Plus);
  QTest::keyClick(caseNumberBox(), Qt::Key_Minus);
  EXPECT_EQ(window.text(Control::ZoomBox), "0.5");
  EXPECT_EQ(window.text(Control::SizeX), "");  // nothing was redrawn
  window.pressAnswering(Qt::Key_Return);
  for (const auto& [key, zoom] : {std::pair{Qt::Key_Plus, "1"}, std::pair{Qt::Key_Minus, "0.5"}}) {
    clearLabels();
    QTest::keyClick(caseNumberBox(), key, Qt::KeypadModifier);
    EXPECT_EQ(window.text(Control::ZoomBox), zoom);
    expectRedrawn("", zoom);
  }
  // CaseNumberBox received every typed character, and its change handler took each one out again.
  EXPECT_EQ(window.text(Control::CaseNumberBox), "");
}

// F1 and "Ayuda" run the same help sequence: help over the drawing while the empty box is
// open, then the drawing back and the case loaded again.
TEST_F(KeyDispatch, F1AndAyudaShowTheHelpWhileTheBoxIsOpenThenTheCaseAgain) {
  window.pressAnswering(Qt::Key_Return);
  for (bool byButton : {false, true}) {
    SCOPED_TRACE(byButton ? "Ayuda" : "F1");
    clearLabels();
    bool helpShown = false, drawingHidden = false;
    ModalBoxAnswerer answerer([&](QMessageBox&) {
      helpShown = window.control(Control::HelpBox)->isVisible();
      drawingHidden = !window.control(Control::FigureView)->isVisible();
    });
    if (byButton) {
      QTest::mouseClick(window.control(Control::HelpButton), Qt::LeftButton);
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
    EXPECT_FALSE(window.control(Control::HelpBox)->isVisible());
    EXPECT_TRUE(window.control(Control::FigureView)->isVisible());
    EXPECT_EQ(window.text(Control::CaseLabel), kLastCaseLabel);
    EXPECT_EQ(window.text(Control::SolutionsLabel), kLastSolutionLabel);
  }
}

TEST_F(KeyDispatch, KeysPressedWhileABoxIsOpenBelongToTheBox) {
  window.pressAnswering(Qt::Key_Return);
  ModalBoxAnswerer answerer([&](QMessageBox& box) {
    // No second help box opens, the program does not end, and Esc closes the box.
    QTest::keyClick(&box, Qt::Key_F1);
    QTest::keyClick(&box, Qt::Key_Escape);
  });
  window.press(Qt::Key_F1);
  window.waitForActivation();
  EXPECT_EQ(answerer.boxes().size(), 1u);
  EXPECT_EQ(window.ends(), 0);
  EXPECT_FALSE(window.control(Control::HelpBox)->isVisible());
}

}  // namespace
}  // namespace vexolite::test
