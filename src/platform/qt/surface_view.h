// A picture box: a raster work surface of the window, blank (white) until drawn on.
#pragma once

#include <QWidget>

namespace vexolite::qt {

class SurfaceView : public QWidget {
  Q_OBJECT

 public:
  explicit SurfaceView(QWidget* parent);

 protected:
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace vexolite::qt
