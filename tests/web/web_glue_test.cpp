// The web glue's parts against the desktop's own: caption glyphs, BMP bytes, pictures read back,
// the zip of the folder, the browser's keys and the page's language.
// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <QApplication>
#include <QBuffer>
#include <QImage>
#include <cstdio>
#include <random>

#include "qt/qt_export_platform.h"
#include "support/case_file_writer.h"
#include "web/bmp_codec.h"
#include "web/browser_keys.h"
#include "web/caption_glyphs.h"
#include "web/page_language.h"
#include "web/zip_archive.h"

namespace vexolite::test {
namespace {

RasterSurface noise(int width, int height, unsigned seed) {
  std::mt19937 random(seed);
  RasterSurface surface(width, height);
  for (int n = 0; n < width * height; ++n) {
    surface.setColour(Rgb{static_cast<std::uint8_t>(random()), static_cast<std::uint8_t>(random()),
                          static_cast<std::uint8_t>(random())});
    surface.plot(n % width, n / width);
  }
  return surface;
}

// Every printable character at every column of a caption line, on two lines, and the captions
// the export stamps: the glyph table inks exactly what the desktop's renderer inks.
TEST(CaptionGlyphs, InkWhatTheDesktopsRendererInks) {
  qt::QtExportPlatform desktop;
  std::vector<std::string> texts = {" CASO:   123   ", " CASE:   705   \r\n SOLS: 12345", "a\nb"};
  std::string all;
  for (char c = ' '; c <= '~'; ++c)
    all += c;
  for (int shift = 0; shift < 100; shift += 7) {
    texts.push_back(std::string(static_cast<std::size_t>(shift), ' ') + all);
    texts.push_back(all.substr(static_cast<std::size_t>(shift) % all.size()) + "\r\n" + all);
  }
  for (const std::string& text : texts) {
    RasterSurface expected = noise(640, 40, 7), inked = expected;
    desktop.renderText(text, expected);
    inkCaption(text, inked);
    ASSERT_TRUE(expected.pixels() == inked.pixels()) << "[" << text << "]";
  }
}

// The file the desktop writes, byte for byte, at widths with every row padding; read back, the
// pixels come out the same.
TEST(BmpCodec, WritesTheDesktopsBytesAndReadsThemBack) {
  qt::QtExportPlatform desktop;
  for (const auto& [width, height] : {std::pair{1, 1}, {2, 3}, {3, 2}, {4, 4}, {143, 115}}) {
    const RasterSurface surface = noise(width, height, static_cast<unsigned>(width * 31 + height));
    std::vector<std::uint8_t> expected;
    ASSERT_FALSE(desktop.encodeBmp(surface, expected));
    const std::vector<std::uint8_t> bytes = encodeBmp24(surface);
    ASSERT_EQ(bytes, expected) << width << " x " << height;
    RasterSurface back(width, height);
    ASSERT_FALSE(paintBmp(bytes, back));
    EXPECT_TRUE(back.pixels() == surface.pixels());
  }
}

// The BMP files Qt writes for a pattern of this size at 24, 8, 1 and 32 bits a pixel.
std::vector<std::vector<std::uint8_t>> qtPictures(int width, int height) {
  QImage colours(width, height, QImage::Format_RGB32);
  for (int n = 0; n < width * height; ++n) {
    const int x = n % width, y = n / width;
    colours.setPixel(x, y, qRgb(x * 7 % 256, y * 40 % 256, (x * y) % 256));
  }
  std::vector<std::vector<std::uint8_t>> files;
  for (const QImage::Format format : {QImage::Format_RGB32, QImage::Format_Indexed8,
                                      QImage::Format_Mono, QImage::Format_ARGB32}) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    EXPECT_TRUE(colours.convertToFormat(format).save(&buffer, "BMP"));
    files.emplace_back(bytes.begin(), bytes.end());
  }
  return files;
}

// Pictures of other depths and row orders, written by Qt, read as the desktop reads them; a
// larger picture is cut, a smaller one leaves the rest; what cannot be read leaves the surface.
TEST(BmpCodec, ReadsOtherDepthsAsTheDesktopDoes) {
  TempFolder folder;
  qt::QtExportPlatform desktop;
  for (const std::vector<std::uint8_t>& bytes : qtPictures(150, 9)) {
    writeFile(folder / "p.bmp", bytes);
    RasterSurface expected = noise(143, 115, 3), read = expected;
    ASSERT_FALSE(desktop.loadPicture(folder / "p.bmp", expected));
    ASSERT_FALSE(paintBmp(bytes, read));
    EXPECT_TRUE(read.pixels() == expected.pixels()) << "depth " << int{bytes.at(28)};
  }
  // A top-down picture: the header's height is negative and the first row stored is the top;
  // 16 bits a pixel passes the layout check but is refused, leaving the surface as it was.
  std::vector<std::uint8_t> topDown = encodeBmp24(noise(5, 3, 9)), sixteen = topDown;
  RasterSurface bottomUp(5, 3), flipped(5, 3);
  ASSERT_FALSE(paintBmp(topDown, bottomUp));
  const std::int32_t negative = -3;
  std::memcpy(topDown.data() + 22, &negative, 4);
  ASSERT_FALSE(paintBmp(topDown, flipped));
  for (int n = 0; n < 15; ++n)
    EXPECT_EQ(flipped.pixel(n % 5, n / 5), bottomUp.pixel(n % 5, 2 - n / 5));
  sixteen[28] = 16;
  EXPECT_EQ(paintBmp(sixteen, bottomUp)->text(), "no es una imagen BMP que se pueda leer");
  EXPECT_TRUE(bottomUp.pixels() == noise(5, 3, 9).pixels()) << "the refused picture painted";
}

// Hostile files: every header byte of small pictures of each depth changed at random, the file
// cut anywhere. Nothing is read outside the file (the sanitizer build checks every access),
// and a picture that is read paints only inside the surface or is refused whole.
TEST(BmpCodec, SurvivesDamagedFiles) {
  std::vector<std::vector<std::uint8_t>> files = qtPictures(9, 5);
  files.push_back(encodeBmp24(noise(3, 2, 1)));
  std::mt19937 random(11);
  int read = 0;
  for (int n = 0; n < 40000; ++n) {
    std::vector<std::uint8_t> file = files[static_cast<std::size_t>(n) % files.size()];
    for (int changes = 1 + static_cast<int>(random() % 4); changes > 0; --changes) {
      const std::size_t at = random() % std::min<std::size_t>(file.size(), 70);
      file[at] = static_cast<std::uint8_t>(random() % 3 == 0 ? 0xff : random());
    }
    if (random() % 4 == 0) file.resize(random() % file.size());
    RasterSurface surface = noise(4, 3, 2);
    const RasterSurface before = surface;
    if (paintBmp(file, surface)) {
      ASSERT_TRUE(surface.pixels() == before.pixels()) << "a refused picture painted, file " << n;
    } else {
      ++read;
    }
  }
  EXPECT_GT(read, 1000);  // the damage leaves many pictures readable, so reading is exercised
}

// The check value every CRC-32 implementation shares, and an archive that Python's zipfile
// tests and unpacks whole, names and bytes alike.
TEST(ZipArchive, PythonReadsBackEveryStoredFile) {
  const std::string check = "123456789";
  EXPECT_EQ(crc32(std::vector<std::uint8_t>(check.begin(), check.end())), 0xCBF43926u);
  EXPECT_EQ(crc32({}), 0u);
  TempFolder folder;
  const std::vector<ZipEntry> entries = {{"caso123 .BMP", encodeBmp24(noise(143, 115, 1))},
                                         {"vacío.txt", {}},
                                         {"S00240-123 .bmp", {0, 1, 2, 255}}};
  writeFile(folder / "all.zip", storedZip(entries));
  const std::string command =
      "/usr/bin/python3 -c 'import sys, zipfile; z = zipfile.ZipFile(sys.argv[1]); "
      "assert z.testzip() is None and len(z.namelist()) == 3; z.extractall(sys.argv[2])' '" +
      (folder / "all.zip").string() + "' '" + (folder / "out").string() + "'";
  ASSERT_EQ(std::system(command.c_str()), 0);
  for (const ZipEntry& entry : entries) {
    const auto file = folder / "out" / entry.name;
    EXPECT_TRUE(std::filesystem::exists(file) && readFile(file) == entry.bytes) << entry.name;
  }
}

TEST(BrowserKeys, KeypadSignsOnlyFromTheKeypadNamedKeysEverywhere) {
  EXPECT_EQ(keyFromBrowser("+", kKeypadLocation), Key::KeypadPlus);
  EXPECT_EQ(keyFromBrowser("-", kKeypadLocation), Key::KeypadMinus);
  EXPECT_EQ(keyFromBrowser("+", 0), Key::Other);
  EXPECT_EQ(keyFromBrowser("ArrowLeft", 0), Key::Left);
  EXPECT_EQ(keyFromBrowser("Enter", kKeypadLocation), Key::Enter);
  EXPECT_EQ(keyFromBrowser("Tab", 0), Key::Other);
  EXPECT_EQ(keyFromBrowser("5", kKeypadLocation), Key::Other);
}

TEST(PageLanguage, TheAddressDecidesThenTheBrowsersFirstLanguage) {
  EXPECT_EQ(pageLanguage("", "es-AR"), "es");
  EXPECT_EQ(pageLanguage("", "es"), "es");
  EXPECT_EQ(pageLanguage("", "est"), "en");
  EXPECT_EQ(pageLanguage("", ""), "es");
  EXPECT_EQ(pageLanguage("?lang=en", "es-ES"), "en");
  EXPECT_EQ(pageLanguage("?x=1&lang=es", "de"), "es");
  EXPECT_EQ(pageLanguage("?lang=english", "es"), "es");
}

}  // namespace
}  // namespace vexolite::test

int main(int argc, char* argv[]) {
  // Test discovery runs this program at build time, where no display may exist.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
