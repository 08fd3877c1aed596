// A push button whose caption wraps onto more lines where the button is too narrow for it.
// SPDX-License-Identifier: MIT
#pragma once

#include <QPushButton>

namespace vexolite::qt {

// "pag BMP" and "all BMP" sit on 31-pixel square buttons: their words go on separate lines.
class CaptionButton : public QPushButton {
  Q_OBJECT

 public:
  CaptionButton(const QString& caption, QWidget* parent);

 protected:
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace vexolite::qt
