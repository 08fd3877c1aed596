// The real window on a screen of scale 2: whole device pixels, and no control over another.
// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QPixmap>
#include <QString>
#include <QTest>
#include <string>
#include <vector>

#include "qt/main_window.h"
#include "qt/window_layout.h"

namespace vexolite::test {
namespace {

constexpr int kScale = 2;

std::string nameOf(QWidget* widget) {
  return widget->objectName().toStdString();
}

// The controls of the window that the user sees at its first size, each with its place in the
// window's own logical pixels.
struct Shown {
  Control control;
  QWidget* widget;
  QRect place;
};

std::vector<Shown> shownControls(qt::MainWindow& form) {
  std::vector<Shown> shown;
  for (const ControlLayout& layout : windowLayout()) {
    if (layout.id == Control::MainWindow) continue;
    QWidget* widget = form.widget(layout.id);
    if (!widget->isVisibleTo(&form)) continue;
    const QRect place(widget->mapTo(&form, QPoint(0, 0)), widget->size());
    if (!place.intersects(form.rect())) continue;
    shown.push_back({layout.id, widget, place});
  }
  return shown;
}

class ScaledWindow : public testing::Test {
 protected:
  void SetUp() override {
    form_.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form_));
  }
  qt::MainWindow form_{CaseFileSearch{}, [] {}};
};

TEST_F(ScaledWindow, TheWindowIsTwiceItsSizeInDevicePixels) {
  EXPECT_EQ(form_.devicePixelRatioF(), kScale);
  EXPECT_EQ(form_.size(), QSize(801, 480));
  const QPixmap grabbed = form_.grab();
  EXPECT_EQ(grabbed.size(), QSize(801 * kScale, 480 * kScale));
}

// A control's place in the layout, in twips from the window's top-left corner.
QRect twipPlace(Control control) {
  const ControlLayout& layout = layoutOf(control);
  QRect place(layout.left, layout.top, layout.width, layout.height);
  if (layout.parent != Control::MainWindow) {
    place.translate(twipPlace(layout.parent).topLeft());
  }
  return place;
}

// The layout lays a few neighbours over one another by a seam of up to 21 twips, under a pixel
// and a half (the two case labels, the symmetry checks one under another). At scale 2 every
// control keeps its place, doubled, and shares device pixels only with the neighbours of such a
// seam, never more than two pixels of the layout deep.
TEST_F(ScaledWindow, NoControlReachesIntoAnotherBeyondTheLayoutsOwnSeams) {
  const qreal ratio = form_.devicePixelRatioF();
  const std::vector<Shown> shown = shownControls(form_);
  ASSERT_GT(shown.size(), 30u);
  for (std::size_t a = 0; a < shown.size(); ++a) {
    const QRect twips = twipPlace(shown[a].control);
    const QRect laidOut(qRound(twips.x() / 15.0), qRound(twips.y() / 15.0),
                        qRound(twips.width() / 15.0), qRound(twips.height() / 15.0));
    EXPECT_EQ(shown[a].place, laidOut) << nameOf(shown[a].widget) << " moved or changed size";
    for (std::size_t b = a + 1; b < shown.size(); ++b) {
      // A frame holds its options; only controls that are not inside one another are compared.
      if (shown[a].widget->isAncestorOf(shown[b].widget) ||
          shown[b].widget->isAncestorOf(shown[a].widget)) {
        continue;
      }
      const QRect common = shown[a].place.intersected(shown[b].place);
      if (common.isEmpty()) continue;
      const std::string pair = nameOf(shown[a].widget) + " and " + nameOf(shown[b].widget);
      const QRect seam = twips.intersected(twipPlace(shown[b].control));
      ASSERT_FALSE(seam.isEmpty()) << pair << " overlap where the layout keeps them apart";
      EXPECT_LE(std::min(seam.width(), seam.height()), 21) << pair;
      EXPECT_LE(std::min(common.width(), common.height()) * ratio, 2 * kScale)
          << pair << " share " << common.width() * ratio << " x " << common.height() * ratio
          << " device pixels";
    }
  }
}

// Each pixel of the drawing surface becomes a 2 x 2 block of the same colour, never smoothed:
// a pattern of single pixels shows as sharp blocks.
TEST_F(ScaledWindow, EachDrawingPixelBecomesA2By2Block) {
  RasterSurface surface(640, 480);
  const Rgb colours[] = {kBlack, Rgb{128, 128, 128}, Rgb{192, 192, 192}, Rgb{255, 0, 0}};
  for (int y = 0; y < 480; ++y) {
    for (int x = 0; x < 640; ++x) {
      if ((x + y) % 3 == 0) continue;  // white
      surface.setColour(colours[(x * 7 + y * 3) % 4]);
      surface.plot(x, y);
    }
  }
  form_.showPicture(Control::FigureView, surface);
  const QImage shown = form_.widget(Control::FigureView)->grab().toImage();
  ASSERT_EQ(shown.size(), QSize(640 * kScale, 480 * kScale));
  int wrong = 0;
  for (int y = 0; y < shown.height(); ++y) {
    for (int x = 0; x < shown.width(); ++x) {
      const Rgb want = surface.pixel(x / kScale, y / kScale);
      if (shown.pixel(x, y) != qRgb(want.r, want.g, want.b)) ++wrong;
    }
  }
  EXPECT_EQ(wrong, 0) << "device pixels that do not show their surface pixel";
}

}  // namespace
}  // namespace vexolite::test

int main(int argc, char* argv[]) {
  // Before the application exists: the screen's scale is read once, at its creation.
  qputenv("QT_SCALE_FACTOR", QByteArray::number(vexolite::test::kScale));
  // Test discovery runs this program at build time, where no display may exist.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  QApplication::setApplicationName("Vexolite");
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
