// A check box that shows what the viewer set: its tool tip comes up, but the user cannot change it.
// SPDX-License-Identifier: MIT
#include "qt/indicator_box.h"

#include <QKeyEvent>

namespace vexolite::qt {

IndicatorBox::IndicatorBox(const QString& caption, QWidget* parent) : QCheckBox(caption, parent) {}

bool IndicatorBox::hitButton(const QPoint& /*pos*/) const {
  return false;
}

// The button's own handling would press the box on Space and move the focus on the arrows.
void IndicatorBox::keyPressEvent(QKeyEvent* event) {
  QWidget::keyPressEvent(event);
}

void IndicatorBox::keyReleaseEvent(QKeyEvent* event) {
  QWidget::keyReleaseEvent(event);
}

void IndicatorBox::nextCheckState() {}

}  // namespace vexolite::qt
