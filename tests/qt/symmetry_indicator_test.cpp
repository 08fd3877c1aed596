// The symmetry indicators: each raises its tool tip under the mouse; no click or key changes one.
// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QTest>
#include <QToolTip>
#include <QWindow>

#include "qt/window_layout.h"
#include "test_window.h"

namespace vexolite::test {
namespace {

using enum Control;
constexpr Control kIndicators[] = {MirrorX,           MirrorY,           MirrorZ,
                                   MirrorXYSlash,     MirrorXYBackslash, MirrorXZSlash,
                                   MirrorXZBackslash, MirrorYZSlash,     MirrorYZBackslash};

// A point on the control in the window's coordinates: its middle, or at x pixels from its left.
QPoint pointOn(TestWindow& window, Control control, int x = -1) {
  QWidget* widget = window.control(control);
  return widget->mapTo(&window.form(),
                       QPoint(x < 0 ? widget->width() / 2 : x, widget->height() / 2));
}

// The mouse moves as the window system moves it, so the toolkit itself finds the widget under
// it and raises the tool tip once the pointer rests there.
TEST(SymmetryIndicators, HoveringEachShowsItsToolTip) {
  TestWindow window;
  window.start();
  QWindow* handle = window.form().windowHandle();
  for (Control indicator : kIndicators) {
    const QString expected = QString::fromUtf8(layoutOf(indicator).toolTip);
    SCOPED_TRACE(expected.toStdString());
    ASSERT_FALSE(expected.isEmpty());
    QTest::mouseMove(handle, pointOn(window, indicator));
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return QToolTip::isVisible() && QToolTip::text() == expected; }, 3000))
        << "shown: " << QToolTip::isVisible() << " \"" << QToolTip::text().toStdString() << '"';
    if (indicator == MirrorX) {
      EXPECT_EQ(QToolTip::text(), QString::fromUtf8("Simetría eje  X."));
    }
  }
  QToolTip::hideText();
}

// Whatever the viewer set stays set: a click or double click of any button, on the square or the
// caption, and Space or another key sent to the box itself; and the box never takes the focus.
TEST(SymmetryIndicators, NoClickOrKeyChangesWhatTheViewerSet) {
  TestWindow window;
  window.start();
  QWindow* handle = window.form().windowHandle();
  QWidget* const focus = QApplication::focusWidget();
  ASSERT_NE(focus, nullptr);
  for (Control indicator : kIndicators) {
    auto* box = qobject_cast<QAbstractButton*>(window.control(indicator));
    ASSERT_NE(box, nullptr);
    SCOPED_TRACE(box->objectName().toStdString());
    for (bool set : {true, false}) {
      window.form().setChecked(indicator, set);
      for (const QPoint at : {pointOn(window, indicator, 6), pointOn(window, indicator)}) {
        for (Qt::MouseButton button : {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton}) {
          QTest::mousePress(handle, button, {}, at);
          EXPECT_FALSE(box->isDown());  // not even drawn pressed
          QTest::mouseRelease(handle, button, {}, at);
          QTest::mouseDClick(handle, button, {}, at);
          EXPECT_EQ(window.form().isChecked(indicator), set);
        }
      }
      for (Qt::Key key : {Qt::Key_Space, Qt::Key_Select, Qt::Key_Right}) {
        QTest::keyClick(box, key);
        EXPECT_EQ(window.form().isChecked(indicator), set) << key;
      }
      EXPECT_TRUE(QApplication::focusWidget() == focus) << "the focus moved";
    }
    EXPECT_TRUE(box->isEnabled());
  }
}

}  // namespace
}  // namespace vexolite::test
