// A check box that shows what the viewer set: its tool tip comes up, but the user cannot change it.
// SPDX-License-Identifier: MIT
#pragma once

#include <QCheckBox>

namespace vexolite::qt {

// The symmetry indicators. The mouse reaches the box, so resting on it raises its tool tip, but
// no point of it counts as the button: a press, click or double click of any button is passed on
// to the window as if the box were not there, and the box is drawn neither pressed nor hovered.
// Keys pass on as well, and a click made in code (click(), a shortcut) leaves the state as it is.
// The window's layout table keeps the box out of the focus.
class IndicatorBox : public QCheckBox {
  Q_OBJECT

 public:
  IndicatorBox(const QString& caption, QWidget* parent);

 protected:
  bool hitButton(const QPoint& pos) const override;
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;
  void nextCheckState() override;
};

}  // namespace vexolite::qt
