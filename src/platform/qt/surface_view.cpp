// A picture box: a raster work surface of the window, blank (white) until drawn on.
#include "platform/qt/surface_view.h"

#include <QPainter>

namespace vexolite::qt {

SurfaceView::SurfaceView(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setFocusPolicy(Qt::NoFocus);
}

void SurfaceView::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(this);
  painter.fillRect(rect(), Qt::white);
}

}  // namespace vexolite::qt
