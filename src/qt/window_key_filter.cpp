// Lets the window see every key press before the control that has the focus.
#include "qt/window_key_filter.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

#include "qt/key_translation.h"
#include "viewer/viewer.h"

namespace vexolite::qt {

WindowKeyFilter::WindowKeyFilter(QWidget* window, std::function<void(int)> onKey)
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
  const int code = virtualKeyCode(press->key(), press->modifiers());
  if (code <= 0) return false;
  onKey_(code);
  return !keyReachesFocusedControl(code);
}

}  // namespace vexolite::qt
