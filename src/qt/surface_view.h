// A picture box: shows a raster surface's pixels, enlarged by whole pixels on a scaled screen.
// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>
#include <QPoint>
#include <QWidget>
#include <functional>

#include "raster/raster_surface.h"

namespace vexolite::qt {

// The whole-pixel enlargement on a screen of this device-pixel ratio: 1 on 1 and 1.5, 2 on 2.
int wholePixelScale(qreal devicePixelRatio);

// The surface pixel under a point of the widget, in the widget's logical coordinates, when each
// surface pixel covers scale × scale device pixels from the widget's top-left corner.
QPoint surfacePixelAt(QPointF logicalPoint, qreal devicePixelRatio);

class SurfaceView : public QWidget {
  Q_OBJECT

 public:
  // x, y: the surface pixel; button: Qt's mouse button.
  using Press = std::function<void(int x, int y, Qt::MouseButton button)>;

  explicit SurfaceView(QWidget* parent);

  // Copies the surface's pixels and repaints. White until the first call.
  void showSurface(const RasterSurface& surface);
  const QImage& image() const { return image_; }
  void onPress(Press press) { press_ = std::move(press); }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  QImage image_;
  Press press_;
};

}  // namespace vexolite::qt
