// The "pag BMP" button of the real window: cells, pages, listing, and the files it must skip.
// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <cstdio>

#include "test_window.h"

namespace vexolite::test {
namespace {

Records oneCase() {
  return {recordBytes(1230, figureDigits({"111/222/333", "444/555/666", "777/777/777"}), 240)};
}

// A colour of its own for each case image, none of them white.
QRgb colourOf(int n) {
  return qRgb((n * 53) % 200, (n * 97 + 40) % 200, (n * 31 + 80) % 200);
}
constexpr QRgb kWhiteRgb = 0xffffffff;
constexpr QRgb kMixed = 1;  // a cell whose pixels differ

// Case images numbered first .. first + count - 1, each of its own colour, named "caso" + three
// digits + " .bmp" in a letter case of its own.
void writeCaseImages(const std::filesystem::path& folder, int first, int count) {
  const char* const forms[] = {"caso%03d .bmp", "CASO%03d .BMP", "Caso%03d .Bmp", "cAsO%03d .bMp"};
  for (int n = first; n < first + count; ++n) {
    char name[32];
    std::snprintf(name, sizeof name, forms[n % 4], n);
    writeBmp(folder / name, filledImage(143, 115, colourOf(n)));
  }
}

std::string pageName(int n) {
  char name[32];
  std::snprintf(name, sizeof name, "vexo-pag%02d.bmp", n);
  return name;
}

// The colour of each of the 9 x 6 cells of a page, row by row.
std::vector<QRgb> cellColours(const TestWindow& window, int pageNumber) {
  const QImage page = readImage(window.work() / pageName(pageNumber));
  EXPECT_EQ(page.size(), QSize(1287, 690));
  std::vector<QRgb> colours;
  for (int top = 0; top < 690; top += 115) {
    for (int left = 0; left < 1287; left += 143) {
      QRgb colour = page.pixel(left, top);
      for (int y = top; y < top + 115; ++y)
        for (int x = left; x < left + 143; ++x)
          if (page.pixel(x, y) != colour) colour = kMixed;
      colours.push_back(colour);
    }
  }
  return colours;
}

// The colours of images first .. first + count - 1, then white cells to 54.
std::vector<QRgb> cells(int first, int count) {
  std::vector<QRgb> colours(54, kWhiteRgb);
  for (int n = 0; n < count; ++n)
    colours[static_cast<std::size_t>(n)] = colourOf(first + n);
  return colours;
}

// Any letter case of "caso" and ".bmp" is collected, in name order; the solution-named images,
// other names and a folder are not.
TEST(Pages, SixtyImagesFillOnePageAndSixCellsOfTheNextAndASecondClickNumbersOn) {
  TestWindow window(oneCase());
  window.startAndDraw();
  writeCaseImages(window.work(), 0, 60);
  for (const char* other : {"S00001-001 .bmp", "xcaso5.bmp", "caso6.bmp.bak", "caso7.png"})
    writeBmp(window.work() / other, filledImage(143, 115, qRgb(0, 0, 0)));
  std::filesystem::create_directory(window.work() / "caso8.bmp");
  EXPECT_TRUE(window.clickAnswering(Control::ComposePagesButton).empty());

  EXPECT_EQ(cellColours(window, 1), cells(0, 54));
  EXPECT_EQ(cellColours(window, 2), cells(54, 6));
  const std::vector<std::uint8_t> bytes = fileBytes(window.work() / pageName(1));
  ASSERT_EQ(bytes.size(), 54u + 690u * (1287u * 3u + 3u));  // rows padded from 3861 to 3864
  EXPECT_EQ(std::vector<std::uint8_t>(bytes.begin() + 28, bytes.begin() + 34),
            (std::vector<std::uint8_t>{24, 0, 0, 0, 0, 0}));  // 24 bits, uncompressed
  EXPECT_EQ(window.viewer().state().pageNumber, 2);

  EXPECT_TRUE(window.clickAnswering(Control::ComposePagesButton).empty());
  EXPECT_EQ(fileBytes(window.work() / pageName(3)), bytes);
  EXPECT_EQ(fileBytes(window.work() / pageName(4)), fileBytes(window.work() / pageName(2)));
  EXPECT_FALSE(std::filesystem::exists(window.work() / pageName(5)));
  EXPECT_EQ(window.viewer().state().pageNumber, 4);
}

TEST(Pages, FiftyFourImagesMakeOnePageAndNoneMakeNoPageAndAMessage) {
  TestWindow window(oneCase());
  window.startAndDraw();
  writeBmp(window.work() / "S00240-123 .bmp", filledImage(143, 115, colourOf(1)));
  const std::vector<SeenBox> boxes = window.clickAnswering(Control::ComposePagesButton);
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].icon, QMessageBox::Warning);
  EXPECT_EQ(boxes[0].text.toStdString(),
            "No se encontro ninguna imagen de caso (caso*.bmp) en la carpeta " +
                window.work().string() + ": no se escribio ninguna pagina.");
  EXPECT_EQ(window.written(), std::vector<std::string>{"S00240-123 .bmp"});
  EXPECT_EQ(window.viewer().state().pageNumber, 0);

  writeCaseImages(window.work(), 0, 54);
  EXPECT_TRUE(window.clickAnswering(Control::ComposePagesButton).empty());
  EXPECT_TRUE(std::filesystem::exists(window.work() / pageName(1)));
  EXPECT_FALSE(std::filesystem::exists(window.work() / pageName(2)));
  EXPECT_EQ(window.viewer().state().pageNumber, 1);
}

// An unreadable file takes no cell and is named once at the end, after the wait cursor; a larger
// picture gives its upper-left corner, a smaller one leaves the rest of its cell white.
TEST(Pages, UnreadableSkippedLargerCutSmallerOnWhite) {
  TestWindow window(oneCase());
  window.startAndDraw();
  const std::filesystem::path work = window.work();
  writeBmp(work / "caso1.bmp", filledImage(143, 115, qRgb(200, 0, 0)));
  writeFile(work / "caso2.bmp", {'n', 'o', ' ', 'b', 'm', 'p'});
  QImage large = filledImage(300, 200, qRgb(0, 0, 200));
  for (int y = 0; y < 115; ++y)
    for (int x = 0; x < 143; ++x)
      large.setPixel(x, y, qRgb(0, 150, 0));
  writeBmp(work / "caso3.bmp", large);
  writeBmp(work / "caso4.bmp", filledImage(50, 40, qRgb(0, 0, 0)));
  bool waitingUnderTheBox = true;
  const std::vector<SeenBox> boxes = window.clickAnswering(
      Control::ComposePagesButton,
      [&](QMessageBox&) { waitingUnderTheBox = QGuiApplication::overrideCursor() != nullptr; });
  EXPECT_FALSE(waitingUnderTheBox);  // the wait cursor goes before the message comes

  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].icon, QMessageBox::Warning);
  EXPECT_EQ(boxes[0].text.toStdString(),
            "No se pueden leer como imagen 1 archivo, que no entra en las paginas: caso2.bmp (no "
            "es un archivo BMP).");
  std::vector<QRgb> expected(54, kWhiteRgb);
  expected[0] = qRgb(200, 0, 0);
  expected[1] = qRgb(0, 150, 0);
  expected[2] = kMixed;
  EXPECT_EQ(cellColours(window, 1), expected);
  const QImage sheet = readImage(work / pageName(1));
  for (int y = 0; y < 115; ++y) {
    for (int x = 286; x < 429; ++x) {
      const bool inside = x < 286 + 50 && y < 40;
      ASSERT_EQ(sheet.pixel(x, y), inside ? qRgb(0, 0, 0) : kWhiteRgb) << x << ", " << y;
    }
  }
}

// An empty file, a header that states a huge size, a file cut short, a negative width: each is
// refused before any pixel is decoded and named in one message; the good image still makes its
// page and the window goes on.
TEST(Pages, HostileBitmapsAreSkippedAndTheProgramGoesOn) {
  TestWindow window(oneCase());
  window.startAndDraw();
  const std::filesystem::path work = window.work();
  writeBmp(work / "caso005 .bmp", filledImage(143, 115, qRgb(10, 20, 30)));
  const std::vector<std::uint8_t> good = fileBytes(work / "caso005 .bmp");
  writeFile(work / "caso001 .bmp", {});
  std::vector<std::uint8_t> huge(good.begin(), good.begin() + 54);
  for (std::size_t at : {18u, 22u}) {  // 100000 x 100000 pixels
    huge[at] = 0xa0;
    huge[at + 1] = 0x86;
    huge[at + 2] = 0x01;
  }
  writeFile(work / "caso002 .bmp", huge);
  writeFile(work / "caso003 .bmp", std::vector<std::uint8_t>(good.begin(), good.begin() + 2000));
  std::vector<std::uint8_t> negative = good;
  negative[21] = 0xff;
  writeFile(work / "caso004 .bmp", negative);

  const std::vector<SeenBox> boxes = window.clickAnswering(Control::ComposePagesButton);
  ASSERT_EQ(boxes.size(), 1u);
  const std::string text = boxes[0].text.toStdString();
  EXPECT_EQ(text.rfind("No se pueden leer como imagen 4 archivos, que no entran en las paginas: "
                       "caso001 .bmp (esta vacio); caso002 .bmp (declara 100000 x 100000 pixeles",
                       0),
            0u)
      << text;
  EXPECT_NE(text.find("caso003 .bmp (esta cortado"), std::string::npos) << text;
  EXPECT_NE(text.find("caso004 .bmp (declara "), std::string::npos) << text;
  std::vector<QRgb> expected(54, kWhiteRgb);
  expected[0] = qRgb(10, 20, 30);
  EXPECT_EQ(cellColours(window, 1), expected);
  ASSERT_TRUE(window.pressAnswering(Qt::Key_PageUp).empty());
  EXPECT_EQ(window.text(Control::CaseLabel), " CASO:   123   ");
}

// Page numbers have two digits: with page 99 written, page 100 is refused and the run stops;
// page 99 stays, and a further click says so again without writing.
TEST(Pages, PageOneHundredIsRefusedAndPageNinetyNineStays) {
  TestWindow window(oneCase());
  window.startAndDraw();
  writeCaseImages(window.work(), 0, 60);
  window.viewer().state().pageNumber = 98;
  const std::vector<SeenBox> boxes = window.clickAnswering(Control::ComposePagesButton);
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].icon, QMessageBox::Critical);
  EXPECT_TRUE(boxes[0].text.startsWith(
      "No se puede escribir la pagina 100: los nombres de pagina solo tienen dos cifras, de "
      "vexo-pag01.bmp a vexo-pag99.bmp."))
      << boxes[0].text.toStdString();
  EXPECT_EQ(cellColours(window, 99), cells(0, 54));
  EXPECT_EQ(window.viewer().state().pageNumber, 99);
  const std::vector<std::uint8_t> page99 = fileBytes(window.work() / pageName(99));

  ASSERT_EQ(window.clickAnswering(Control::ComposePagesButton).size(), 1u);
  EXPECT_EQ(fileBytes(window.work() / pageName(99)), page99);
  for (const std::string& name : window.written()) {
    EXPECT_TRUE(QString::fromStdString(name).startsWith("caso", Qt::CaseInsensitive) ||
                name == pageName(99))
        << name;
  }
}

TEST(Pages, APageThatCannotBeWrittenIsNamedAndStopsTheRun) {
  TestWindow window(oneCase());
  window.startAndDraw();
  writeCaseImages(window.work(), 0, 60);
  std::filesystem::create_directory(window.work() / pageName(1));
  const std::vector<SeenBox> boxes = window.clickAnswering(Control::ComposePagesButton);
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].icon, QMessageBox::Critical);
  const std::string text = boxes[0].text.toStdString();
  EXPECT_EQ(text.rfind("No se puede escribir el archivo " + (window.work() / pageName(1)).string() +
                           ": no se puede poner en su sitio (",
                       0),
            0u)
      << text;
  EXPECT_NE(text.find("La composicion de paginas se detiene aqui."), std::string::npos);
  EXPECT_FALSE(std::filesystem::exists(window.work() / pageName(2)));
  EXPECT_EQ(window.viewer().state().pageNumber, 0);
}

}  // namespace
}  // namespace vexolite::test
