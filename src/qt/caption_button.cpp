// A push button whose caption wraps onto more lines where the button is too narrow for it.
// SPDX-License-Identifier: MIT
#include "qt/caption_button.h"

#include <QStyleOptionButton>
#include <QStylePainter>

namespace vexolite::qt {

CaptionButton::CaptionButton(const QString& caption, QWidget* parent)
    : QPushButton(caption, parent) {}

void CaptionButton::paintEvent(QPaintEvent* /*event*/) {
  QStylePainter painter(this);
  QStyleOptionButton option;
  initStyleOption(&option);
  option.text.clear();  // the bevel and focus frame only; the caption follows, wrapped
  painter.drawControl(QStyle::CE_PushButton, option);
  const QRect inside = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
  painter.drawItemText(inside, Qt::AlignCenter | Qt::TextWordWrap, palette(), isEnabled(), text(),
                       QPalette::ButtonText);
}

}  // namespace vexolite::qt
