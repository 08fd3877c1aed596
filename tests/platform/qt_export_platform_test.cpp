// The Qt side of the export on its own: bitmaps both ways, loading limits, listing, the cursor.
#include "platform/qt/qt_export_platform.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QGuiApplication>
#include <QImageWriter>
#include <random>

#include "export_window.h"

namespace vexolite::test {
namespace {

RasterSurface randomSurface(int width, int height, unsigned seed) {
  RasterSurface surface(width, height);
  std::mt19937 random(seed);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      surface.setColour(Rgb{static_cast<std::uint8_t>(random()),
                            static_cast<std::uint8_t>(random()),
                            static_cast<std::uint8_t>(random())});
      surface.plot(x, y);
    }
  }
  return surface;
}

// Every pixel survives the way out and back, rows of every padding included.
TEST(QtExportPlatform, BitmapsGoOutAndComeBackPixelForPixel) {
  qt::QtExportPlatform platform;
  TempFolder folder;
  for (int width : {1, 2, 3, 4, 143}) {
    const RasterSurface surface = randomSurface(width, 7, static_cast<unsigned>(width));
    std::vector<std::uint8_t> bytes;
    ASSERT_EQ(platform.encodeBmp(surface, bytes), std::nullopt);
    EXPECT_EQ(u16At(bytes, 28), 24u);
    EXPECT_EQ(u32At(bytes, 30), 0u);
    EXPECT_EQ(bytes.size(), 54u + 7u * ((3u * width + 3u) / 4u * 4u)) << width;
    writeFile(folder / "caso.bmp", bytes);
    RasterSurface back(width, 7);
    ASSERT_EQ(platform.loadPicture(folder / "caso.bmp", back), std::nullopt);
    EXPECT_EQ(back, surface) << width;
  }
}

// A picture is painted from the corner at its own size: beyond it the surface keeps its
// pixels; beyond the surface it is cut.
TEST(QtExportPlatform, APictureCoversItsOwnSizeFromTheCorner) {
  qt::QtExportPlatform platform;
  TempFolder folder;
  const RasterSurface picture = randomSurface(20, 10, 3);
  std::vector<std::uint8_t> bytes;
  ASSERT_EQ(platform.encodeBmp(picture, bytes), std::nullopt);
  writeFile(folder / "p.bmp", bytes);

  RasterSurface larger = randomSurface(30, 15, 4);
  const RasterSurface before = larger;
  ASSERT_EQ(platform.loadPicture(folder / "p.bmp", larger), std::nullopt);
  for (int y = 0; y < 15; ++y) {
    for (int x = 0; x < 30; ++x) {
      ASSERT_EQ(larger.pixel(x, y), x < 20 && y < 10 ? picture.pixel(x, y) : before.pixel(x, y));
    }
  }
  RasterSurface smaller(5, 4);
  ASSERT_EQ(platform.loadPicture(folder / "p.bmp", smaller), std::nullopt);
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 5; ++x)
      ASSERT_EQ(smaller.pixel(x, y), picture.pixel(x, y));
}

// Only the bitmap reader is tried: a picture in another format under a ".bmp" name is refused,
// as is a missing file, and the surface is left alone.
TEST(QtExportPlatform, OnlyBitmapsAreRead) {
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
}

TEST(QtExportPlatform, TheListingHoldsFilesNotFolders) {
  qt::QtExportPlatform platform;
  TempFolder folder;
  writeFile(folder / "caso1 .BMP", {1});
  writeFile(folder / "notes", {1});
  std::filesystem::create_directory(folder / "caso2.bmp");
  std::vector<std::string> names;
  ASSERT_EQ(platform.listFiles(folder.path(), names), std::nullopt);
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names, (std::vector<std::string>{"caso1 .BMP", "notes"}));
  EXPECT_EQ(platform.listFiles(folder / "gone", names), "no existe");
  EXPECT_EQ(platform.listFiles(folder / "notes", names), "no es una carpeta");
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

// Text is drawn over what is there: only glyph pixels change; a second line goes lower.
TEST(QtExportPlatform, CaptionsInkOnlyTheirGlyphs) {
  qt::QtExportPlatform platform;
  RasterSurface surface = randomSurface(200, 40, 9);
  const RasterSurface before = surface;
  platform.renderText("123.1", surface);
  int changed = 0, lowest = 0;
  for (int y = 0; y < 40; ++y) {
    for (int x = 0; x < 200; ++x) {
      if (surface.pixel(x, y) == before.pixel(x, y)) continue;
      ASSERT_EQ(surface.pixel(x, y), kBlack);
      ++changed;
      lowest = std::max(lowest, y);
    }
  }
  EXPECT_GT(changed, 20);
  RasterSurface twoLines(200, 40);
  platform.renderText("123.1\r\n123.1", twoLines);
  int lowestOfTwo = 0;
  for (int y = 0; y < 40; ++y)
    for (int x = 0; x < 200; ++x)
      if (twoLines.pixel(x, y) == kBlack) lowestOfTwo = std::max(lowestOfTwo, y);
  EXPECT_GT(lowestOfTwo, lowest + 8);
}

}  // namespace
}  // namespace vexolite::test
