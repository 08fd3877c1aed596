// The picture, the schematic clicks, typing and the help options through the real window.
// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QTest>

#include "qt/surface_view.h"
#include "test_window.h"

namespace vexolite::test {
namespace {

class PlayThroughWindow : public testing::Test {
 protected:
  void SetUp() override { window.startAndDraw(); }
  QWidget* figureView() { return window.control(Control::FigureView); }
  const ViewerState& state() { return window.viewer().state(); }
  void click(Control c) {
    QWidget* w = window.control(c);
    QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(8, w->height() / 2));
  }
  QImage shown() { return figureView()->grab().toImage(); }

  TestWindow window;
};

TEST_F(PlayThroughWindow, FigureViewShowsTheViewersSurfacePixelForPixel) {
  const RasterSurface& surface = window.viewer().picture(Control::FigureView);
  const QImage image = shown();
  ASSERT_EQ(image.size(), QSize(640, 480));
  int differences = 0;
  for (int y = 0; y < 480; ++y) {
    for (int x = 0; x < 640; ++x) {
      const Rgb p = surface.pixel(x, y);
      differences += image.pixelColor(x, y) != QColor(p.r, p.g, p.b);
    }
  }
  EXPECT_EQ(differences, 0);
  EXPECT_EQ(image.pixelColor(0, 0), QColor(Qt::white));
}

TEST_F(PlayThroughWindow, APressOnASchematicSquareHidesItsCubeAndAPressBesideItDoesNot) {
  const int gx = state().figure.cubes[1][kSquareXColumn],
            gy = state().figure.cubes[1][kSquareYColumn];
  QTest::mouseClick(figureView(), Qt::LeftButton, {}, QPoint(gx + 6, gy));
  EXPECT_EQ(state().figure.cubes[1][kStateColumn], kCubeShown);
  QTest::mouseClick(figureView(), Qt::RightButton, {}, QPoint(gx + 5, gy + 5));
  EXPECT_EQ(state().figure.cubes[1][kStateColumn], kCubeHidden);
  EXPECT_EQ(shown().pixelColor(gx + 2, gy + 2), QColor(192, 192, 192));
  QTest::mouseClick(figureView(), Qt::LeftButton, {}, QPoint(gx, gy));
  EXPECT_EQ(shown().pixelColor(gx + 2, gy + 2), QColor(128, 128, 128));
}

TEST_F(PlayThroughWindow, TypedDigitsFindTheCaseAndOtherCharactersAreTakenOut) {
  auto* caseNumberBox = qobject_cast<QLineEdit*>(window.control(Control::CaseNumberBox));
  caseNumberBox->setFocus(Qt::OtherFocusReason);
  QTest::keyClicks(caseNumberBox, "7");
  EXPECT_EQ(window.text(Control::CaseLabel), " CASO:   007   ");
  EXPECT_EQ(state().catalogue.currentRecord, 1);
  QTest::keyClicks(caseNumberBox, "x");
  EXPECT_EQ(window.text(Control::CaseNumberBox), "");
  QTest::keyClicks(caseNumberBox, "123.1");
  EXPECT_EQ(window.text(Control::CaseLabel), kLastCaseLabel);
  QTest::keyClicks(caseNumberBox, "5");
  EXPECT_EQ(window.text(Control::CaseNumberBox), "23.15");
}

TEST_F(PlayThroughWindow, TheHelpOptionsMoveThroughTheirStates) {
  EXPECT_FALSE(window.control(Control::PiecePanel)->isEnabled());
  click(Control::OnePieceHelpOption);
  EXPECT_TRUE(window.control(Control::PiecePanel)->isEnabled());
  click(Control::NoHelpOption);
  EXPECT_FALSE(window.control(Control::PiecePanel)->isEnabled());
  EXPECT_TRUE(window.form().isChecked(Control::NoHelpOption));
  click(Control::OnePieceHelpOption);
  click(Control::PieceLeftScrew);
  EXPECT_TRUE(window.form().isChecked(Control::PieceLeftScrew));
  for (Control option : {Control::PieceV, Control::PieceL, Control::PieceT, Control::PieceZ,
                         Control::PieceRightScrew, Control::PieceLeftScrew, Control::PieceTripod,
                         Control::NoHelpOption, Control::OnePieceHelpOption})
    EXPECT_EQ(window.control(option)->isEnabled(), option == Control::PieceLeftScrew)
        << window.control(option)->objectName().toStdString();
  // Case 123.1 has 12 solutions: piece 6 is drawn yellow; the choice cannot be undone.
  const QImage image = shown();
  bool yellow = false;
  for (int y = 0; y < 480 && !yellow; ++y) {
    for (int x = 0; x < 640 && !yellow; ++x)
      yellow = image.pixelColor(x, y) == QColor(255, 255, 0);
  }
  EXPECT_TRUE(yellow);
  click(Control::NoHelpOption);
  EXPECT_TRUE(window.form().isChecked(Control::OnePieceHelpOption));
}

TEST(SurfacePixels, WholePixelScaleAndPressMapping) {
  EXPECT_EQ(qt::wholePixelScale(1), 1);
  EXPECT_EQ(qt::wholePixelScale(1.5), 1);
  EXPECT_EQ(qt::wholePixelScale(2), 2);
  EXPECT_EQ(qt::wholePixelScale(2.5), 2);
  EXPECT_EQ(qt::surfacePixelAt(QPointF(555.9, 458.2), 1), QPoint(555, 458));
  // At ratio 2 a logical pixel is one surface pixel of 2 x 2 device pixels.
  EXPECT_EQ(qt::surfacePixelAt(QPointF(555.5, 458.75), 2), QPoint(555, 458));
  // At 1.5 the surface is shown 1:1 in device pixels, so logical points scale by 1.5.
  EXPECT_EQ(qt::surfacePixelAt(QPointF(100, 10), 1.5), QPoint(150, 15));
}

}  // namespace
}  // namespace vexolite::test
