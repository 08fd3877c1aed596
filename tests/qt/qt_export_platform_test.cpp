// The Qt side of the export: captions, BMP bytes written and read, the folder, the wait cursor.
// SPDX-License-Identifier: MIT
#include "qt/qt_export_platform.h"

#include <gtest/gtest.h>

#include <QCursor>
#include <QFontInfo>
#include <QGuiApplication>
#include <set>

#include "export/bitmap_layout.h"
#include "support/case_file_writer.h"

namespace vexolite::test {
namespace {

RasterSurface filled(int width, int height, Rgb colour) {
  RasterSurface surface(width, height);
  surface.setColour(colour);
  for (int y = 0; y < height; ++y)
    surface.line(0, y, width, y);
  return surface;
}

// Courier New at 8.5 point, fixed pitch; drawn unsmoothed over what is there, a caption inks
// only its glyphs, in pure black, in one line of 11 pixels below a margin of one.
TEST(QtExportPlatform, CaptionsInkOnlyTheirGlyphsAndBmpFilesAreWrittenReadAndListed) {
  qt::QtExportPlatform platform;
  const Rgb paper{100, 150, 200};
  const auto ink = [&](const std::string& text) {
    RasterSurface surface = filled(640, 480, paper);
    platform.renderText(text, surface);
    std::vector<int> rows(480);
    for (int n = 0; n < 640 * 480; ++n) {
      const Rgb p = surface.pixel(n % 640, n / 640);
      EXPECT_TRUE(p == paper || p == kBlack) << n;
      rows[static_cast<std::size_t>(n / 640)] += p == kBlack;
    }
    return rows;
  };
  const std::vector<int> one = ink("0"), five = ink("00000"), two = ink("0\r\n0");
  for (std::size_t y = 0; y < 480; ++y) {
    EXPECT_EQ(five[y], 5 * one[y]) << y;
    EXPECT_TRUE((y > 0 && y < 12) || one[y] == 0) << y;
    EXPECT_EQ(two[y], y < 13 ? one[y] : one[y - 13]) << y;  // the next line, 13 rows lower
  }
  EXPECT_GT(one[6], 0);

  // A 5 x 3 picture: 14-byte file header, 40-byte info header, rows bottom first, each pixel
  // blue, green, red, each row padded from 15 to 16 bytes. Read back from its file over a wider,
  // lower surface, its upper rows fill the left of it.
  RasterSurface picture(5, 3);
  for (int n = 0; n < 15; ++n) {
    picture.setColour(
        Rgb{static_cast<std::uint8_t>(40 * (n % 5)), static_cast<std::uint8_t>(80 * (n / 5)), 7});
    picture.plot(n % 5, n / 5);
  }
  std::vector<std::uint8_t> bytes;
  ASSERT_EQ(platform.encodeBmp(picture, bytes), std::nullopt);
  ASSERT_EQ(bytes.size(), 102u);
  const std::vector<std::uint8_t> header{'B', 'M', 102, 0, 0,  0, 0, 0, 0, 0, 54, 0,
                                         0,   0,   40,  0, 0,  0, 5, 0, 0, 0, 3,  0,
                                         0,   0,   1,   0, 24, 0, 0, 0, 0, 0};
  EXPECT_EQ(std::vector<std::uint8_t>(bytes.begin(), bytes.begin() + 34), header);
  EXPECT_EQ(std::vector<std::uint8_t>(bytes.begin() + 54, bytes.begin() + 60),
            (std::vector<std::uint8_t>{7, 160, 0, 7, 160, 40}));  // (0, 2) and (1, 2)
  EXPECT_EQ(bytes[69], 0);                                        // the padding of row 2

  TempFolder folder;
  writeFile(folder / "caso1.bmp", bytes);
  const Rgb ground{1, 2, 3};
  RasterSurface wideLow = filled(7, 2, ground);
  ASSERT_EQ(platform.loadPicture(folder / "caso1.bmp", wideLow), std::nullopt);
  for (int n = 0; n < 14; ++n)
    EXPECT_EQ(wideLow.pixel(n % 7, n / 7), n % 7 < 5 ? picture.pixel(n % 7, n / 7) : ground) << n;

  // Only a whole file of at most the longest length is read; a refused file leaves the surface
  // alone. The listing gives files, not folders.
  RasterSurface surface(143, 115);
  EXPECT_TRUE(
      platform.loadPicture(folder / "caso2.bmp", surface)->starts_with("no se puede abrir ("));
  for (const std::int64_t length : {kMaxPictureFileBytes, kMaxPictureFileBytes + 1}) {
    writeFile(folder / "caso3.bmp", std::vector<std::uint8_t>(static_cast<std::size_t>(length)));
    EXPECT_EQ(platform.loadPicture(folder / "caso3.bmp", surface)->starts_with("mide "),
              length > kMaxPictureFileBytes);
  }
  EXPECT_EQ(surface, RasterSurface(143, 115));
  std::vector<std::string> names;
  std::filesystem::create_directory(folder / "sub");
  EXPECT_EQ(platform.listFiles(folder.path(), names), std::nullopt);
  EXPECT_EQ(std::set(names.begin(), names.end()),
            (std::set<std::string>{"caso1.bmp", "caso3.bmp"}));
  EXPECT_EQ(platform.listFiles(folder / "none", names), "no existe");

  for (bool busy : {true, true, false})
    platform.setBusy(busy);  // the wait cursor nests
  EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
  for (int end = 0; end < 2; ++end)
    platform.setBusy(false);  // one end too many changes nothing
  EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

// The stamps of an exported image are the same on every screen: this runs again at screen scales
// 1.5 and 2, where Qt's own choice of hinting would turn each "8" into a "B".
TEST(QtExportPlatform, CaptionGlyphsAreThoseOfAnUnscaledScreen) {
  qt::QtExportPlatform platform;
  RasterSurface surface = filled(14, 13, kWhite);
  platform.renderText("8B", surface);
  std::string rows;
  for (int y = 0; y < 13; ++y) {
    for (int x = 0; x < 14; ++x)
      rows += surface.pixel(x, y) == kBlack ? '#' : '.';
    rows += '\n';
  }
  EXPECT_EQ(rows,
            "..............\n"
            "..............\n"
            "..............\n"
            "..###..####...\n"
            ".#...#.#...#..\n"
            ".#...#.#...#..\n"
            "..###..####...\n"
            ".#...#.#...#..\n"
            ".#...#.#...#..\n"
            "..###..####...\n"
            "..............\n"
            "..............\n"
            "..............\n")
      << "screen scale " << qgetenv("QT_SCALE_FACTOR").toStdString();
}

}  // namespace
}  // namespace vexolite::test
