// The Qt side of the export on its own: caption text, what it reads, the folder, the cursor.
// SPDX-License-Identifier: MIT
#include "qt/qt_export_platform.h"

#include <gtest/gtest.h>

#include <QFontInfo>
#include <QGuiApplication>
#include <QImageWriter>

#include "test_window.h"

namespace vexolite::test {
namespace {

// Courier New at 8.5 point, where Courier New is an alias of a fixed-pitch family; drawn
// unsmoothed over what is there, a caption inks only its glyphs, in pure black.
TEST(QtExportPlatform, CaptionsAreFixedPitchEightAndAHalfPointInkingOnlyTheirGlyphs) {
  qt::QtExportPlatform platform;
  EXPECT_EQ(platform.captionFont().family(), "Courier New");
  EXPECT_EQ(platform.captionFont().pointSizeF(), 8.5);
  EXPECT_TRUE(QFontInfo(platform.captionFont()).fixedPitch());
  struct Ink {
    int pixels = 0, top = 480, bottom = -1;
  };
  const Rgb ground{100, 150, 200};
  const auto ink = [&](const std::string& text) {
    RasterSurface surface(640, 480);
    surface.setColour(ground);
    for (int y = 0; y < 480; ++y)
      for (int x = 0; x < 640; ++x)
        surface.plot(x, y);
    platform.renderText(text, surface);
    Ink found;
    for (int y = 0; y < 480; ++y) {
      for (int x = 0; x < 640; ++x) {
        if (surface.pixel(x, y) == ground) continue;
        EXPECT_EQ(surface.pixel(x, y), kBlack) << x << ", " << y;
        ++found.pixels;
        found.top = std::min(found.top, y);
        found.bottom = y;
      }
    }
    return found;
  };
  const Ink one = ink("0"), five = ink("00000");
  EXPECT_GT(one.pixels, 10);
  EXPECT_EQ(five.pixels, 5 * one.pixels);  // five equal glyphs on a fixed pitch
  EXPECT_GT(five.top, 0);                  // the box's own margin above the line
  EXPECT_LT(five.bottom, 14);              // one line of an 8.5 point font at 96 dots per inch
  EXPECT_GT(ink("0\r\n0").bottom, one.bottom + 8);
}

// Only the bitmap reader is tried: a picture in another format under a ".bmp" name is refused,
// as is a missing file, and the surface is left alone.
TEST(QtExportPlatform, OnlyBitmapsAreReadAndOnlyFoldersListed) {
  qt::QtExportPlatform platform;
  TempFolder folder;
  QImageWriter png(QString::fromStdString((folder / "caso1.bmp").string()), "png");
  ASSERT_TRUE(png.write(filledImage(143, 115, qRgb(1, 2, 3))));
  RasterSurface surface(143, 115);
  EXPECT_EQ(platform.loadPicture(folder / "caso1.bmp", surface), "no es un archivo BMP");
  const std::optional<std::string> missing = platform.loadPicture(folder / "caso2.bmp", surface);
  ASSERT_TRUE(missing);
  EXPECT_EQ(missing->rfind("no se puede abrir (", 0), 0u) << *missing;
  EXPECT_EQ(surface, RasterSurface(143, 115));
  std::vector<std::string> names;
  EXPECT_EQ(platform.listFiles(folder / "caso1.bmp", names), "no es una carpeta");
}

TEST(QtExportPlatform, TheWaitCursorNestsAndGoes) {
  qt::QtExportPlatform platform;
  ASSERT_EQ(QGuiApplication::overrideCursor(), nullptr);
  platform.setBusy(true);
  platform.setBusy(true);
  ASSERT_NE(QGuiApplication::overrideCursor(), nullptr);
  EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
  platform.setBusy(false);
  EXPECT_NE(QGuiApplication::overrideCursor(), nullptr);
  platform.setBusy(false);
  EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
  platform.setBusy(false);  // one too many changes nothing
  EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

}  // namespace
}  // namespace vexolite::test
