// A picture box: shows a raster surface's pixels, enlarged by whole pixels on a scaled screen.
// SPDX-License-Identifier: MIT
#include "qt/surface_view.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <cstring>

namespace vexolite::qt {

int wholePixelScale(qreal devicePixelRatio) {
  return std::max(1, static_cast<int>(std::floor(devicePixelRatio + 1e-9)));
}

QPoint surfacePixelAt(QPointF logicalPoint, qreal devicePixelRatio) {
  const int scale = wholePixelScale(devicePixelRatio);
  const auto pixel = [&](qreal logical) {
    return static_cast<int>(std::floor(logical * devicePixelRatio / scale));
  };
  return {pixel(logicalPoint.x()), pixel(logicalPoint.y())};
}

SurfaceView::SurfaceView(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setFocusPolicy(Qt::NoFocus);
}

void SurfaceView::showSurface(const RasterSurface& surface) {
  if (image_.width() != surface.width() || image_.height() != surface.height()) {
    image_ = QImage(surface.width(), surface.height(), QImage::Format_RGB888);
  }
  static_assert(sizeof(Rgb) == 3, "Rgb is packed as three bytes, as Format_RGB888 is");
  const auto rowBytes = static_cast<std::size_t>(surface.width()) * sizeof(Rgb);
  for (int y = 0; y < surface.height(); ++y) {
    std::memcpy(image_.scanLine(y),
                surface.pixels().data() + static_cast<std::size_t>(y) * surface.width(), rowBytes);
  }
  update();
}

// Each surface pixel becomes a block of whole device pixels, never smoothed, so the lines of
// the drawing stay sharp and a click maps back to exactly one pixel.
void SurfaceView::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(this);
  painter.fillRect(rect(), Qt::white);
  if (image_.isNull()) return;
  const qreal ratio = devicePixelRatioF();
  const int scale = wholePixelScale(ratio);
  QImage shown = scale == 1 ? image_
                            : image_.scaled(image_.width() * scale, image_.height() * scale,
                                            Qt::IgnoreAspectRatio, Qt::FastTransformation);
  shown.setDevicePixelRatio(ratio);
  painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
  painter.drawImage(QPointF(0, 0), shown);
}

void SurfaceView::mousePressEvent(QMouseEvent* event) {
  if (!press_) return QWidget::mousePressEvent(event);
  const QPoint pixel = surfacePixelAt(event->position(), devicePixelRatioF());
  press_(pixel.x(), pixel.y(), event->button());
}

}  // namespace vexolite::qt
