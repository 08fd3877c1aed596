// Every control's text fits its rectangle in the font it is drawn with, in Spanish and English.
// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QFontMetrics>
#include <QLabel>
#include <QPlainTextEdit>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTextBlock>

#include "language_support.h"
#include "qt/window_layout.h"
#include "test_window.h"

namespace vexolite::test {
namespace {

// The rectangle a control's style gives its text, and the room the text takes in it.
struct Fit {
  QRect room;
  QRect taken;
};

Fit fitOf(QWidget* widget, ControlKind kind) {
  const QFontMetrics metrics(widget->font());
  if (auto* label = qobject_cast<QLabel*>(widget)) {
    const QRect room = label->contentsRect();
    return {room, QRect(room.topLeft(), QSize(metrics.horizontalAdvance(label->text()),
                                              metrics.tightBoundingRect(label->text()).height()))};
  }
  auto* button = qobject_cast<QAbstractButton*>(widget);
  QStyleOptionButton option;
  option.initFrom(button);
  option.text = button->text();
  if (kind == ControlKind::Button) {
    // The caption button wraps its caption at blanks inside the push button's contents.
    const QRect room =
        button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
    return {room, metrics.boundingRect(room, Qt::AlignCenter | Qt::TextWordWrap, button->text())};
  }
  const QRect room = button->style()->subElementRect(
      kind == ControlKind::CheckBox ? QStyle::SE_CheckBoxContents : QStyle::SE_RadioButtonContents,
      &option, button);
  return {room, QRect(room.topLeft(), QSize(metrics.horizontalAdvance(button->text()),
                                            metrics.tightBoundingRect(button->text()).height()))};
}

void expectEveryTextFits(TestWindow& window, const char* language) {
  int checked = 0;
  for (const ControlLayout& layout : windowLayout()) {
    if (layout.kind != ControlKind::Button && layout.kind != ControlKind::OptionButton &&
        layout.kind != ControlKind::CheckBox && layout.kind != ControlKind::Label) {
      continue;
    }
    const std::string text = window.text(layout.id);
    if (text.empty()) continue;
    const Fit fit = fitOf(window.control(layout.id), layout.kind);
    EXPECT_LE(fit.taken.width(), fit.room.width())
        << language << " " << layout.name << " \"" << text << "\"";
    EXPECT_LE(fit.taken.height(), fit.room.height())
        << language << " " << layout.name << " \"" << text << "\"";
    ++checked;
  }
  EXPECT_GE(checked, 40) << language;
  // The help box: every line as wide as the box at most, at the size the font rule left.
  auto* help = qobject_cast<QPlainTextEdit*>(window.control(Control::HelpBox));
  const QFontMetrics metrics(help->font());
  const int room =
      help->viewport()->width() - 2 * static_cast<int>(help->document()->documentMargin());
  for (QTextBlock line = help->document()->begin(); line.isValid(); line = line.next()) {
    EXPECT_LE(metrics.horizontalAdvance(line.text()), room)
        << language << " help: " << line.text().toStdString();
  }
  EXPECT_EQ(help->document()->blockCount(), kHelpLineCount + 1) << language;
}

TEST(CaptionFit, EveryTextFitsItsControlInSpanish) {
  TestWindow window;
  window.startAndDraw();
  expectEveryTextFits(window, "Spanish");
}

TEST(CaptionFit, EveryTextFitsItsControlInEnglish) {
  const EnglishScope english;
  TestWindow window;
  window.startAndDraw();
  expectEveryTextFits(window, "English");
}

}  // namespace
}  // namespace vexolite::test
