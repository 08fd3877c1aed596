// Lets the window see every key press before the control that has the focus.
// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <functional>

#include "viewer/keys.h"

class QWidget;

namespace vexolite::qt {

// Installed on the application, it looks only at key presses bound for the window or one of
// its own widgets, and only at their first delivery (the focus widget, or the window when
// nothing in it has the focus): a key the focused control leaves unhandled is delivered again
// to each parent. It hands the keys of the command table to onKey and keeps
// the press from the focused control unless the typed character belongs there as well. Keys
// pressed while a modal box is open belong to the box.
class WindowKeyFilter : public QObject {
  Q_OBJECT

 public:
  WindowKeyFilter(QWidget* window, std::function<void(Key key)> onKey);

 protected:
  bool eventFilter(QObject* receiver, QEvent* event) override;

 private:
  QWidget* window_;
  std::function<void(Key)> onKey_;
};

}  // namespace vexolite::qt
