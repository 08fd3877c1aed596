// Lets the window see every key press before the control that has the focus.
// SPDX-License-Identifier: MIT
#include "qt/window_key_filter.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

#include "qt/key_translation.h"
#include "viewer/commands.h"

namespace vexolite::qt {

WindowKeyFilter::WindowKeyFilter(QWidget* window, std::function<void(Key)> onKey)
    : QObject(window), window_(window), onKey_(std::move(onKey)) {}

bool WindowKeyFilter::eventFilter(QObject* receiver, QEvent* event) {
  if (event->type() != QEvent::KeyPress) return false;
  if (QApplication::activeModalWidget() != nullptr) return false;
  auto* widget = qobject_cast<QWidget*>(receiver);
  if (widget == nullptr || (widget != window_ && !window_->isAncestorOf(widget))) return false;
  QWidget* focus = QApplication::focusWidget();
  QWidget* firstReceiver = focus != nullptr ? focus : window_;
  if (widget != firstReceiver) return false;

  const auto* press = static_cast<QKeyEvent*>(event);
  const Key key = translateKey(press->key(), press->modifiers());
  if (key == Key::Other) return false;
  onKey_(key);
  return !keyReachesFocusedControl(key);
}

}  // namespace vexolite::qt
