// The real book: vexolite-book run on case files, its PDF read back with poppler's and mupdf's
// tools, never through the book's own idea of what it wrote.
// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cmath>
#include <fstream>
#include <iterator>
#include <regex>
#include <sstream>

#include "book_catalogue.h"
#include "book_pdf.h"
#include "drawing/drawing_size.h"
#include "drawing/figure_drawing.h"
#include "drawing/raster_canvas.h"
#include "support/case_file_writer.h"

namespace vexolite::book {
namespace {

using test::TempFolder;

const std::filesystem::path kShippedCatalogue = VEXOLITE_DATA_FOLDER "/VEXOLITE.DAT";
const std::string kBookTool = VEXOLITE_BOOK_TOOL;

struct Ran {
  int status = -1;
  std::string out, err;
};

// Runs a shell command line in folder, its output and errors kept apart.
Ran run(const TempFolder& folder, const std::string& command) {
  const std::filesystem::path out = folder / ".out", err = folder / ".err";
  const int raw = std::system(("cd '" + folder.path().string() + "' && " + command + " >'" +
                               out.string() + "' 2>'" + err.string() + "'")
                                  .c_str());
  const auto text = [](const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  };
  Ran ran{WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, text(out), text(err)};
  std::filesystem::remove(out);
  std::filesystem::remove(err);
  return ran;
}

// The book tool on a case file, with extra arguments and environment.
Ran book(const TempFolder& folder, const std::string& caseFile, const std::string& output,
         const std::string& arguments = "", const std::string& environment = "") {
  return run(folder, "env -u LANGUAGE -u LC_ALL -u LC_MESSAGES -u LC_PAPER LANG=C " + environment +
                         " '" + kBookTool + "' '" + caseFile + "' -o '" + output + "' " +
                         arguments);
}

// The 3 x 3 x 3 cube, each layer of three pieces.
const std::string kCube = test::figureDigits({"111/222/333", "444/555/666", "777/777/777"});

void writeCases(const std::filesystem::path& file, const std::vector<int>& caseValues) {
  std::vector<std::vector<std::uint8_t>> records;
  int solutions = 1;
  for (int value : caseValues)
    records.push_back(test::recordBytes(value, kCube, solutions++));
  test::writeFile(file, test::caseFileBytes(records));
}

std::string field(const std::string& text, const std::string& name) {
  std::smatch match;
  const std::regex line("(^|\n)" + name + ": *([^\n]*)");
  return std::regex_search(text, match, line) ? match[2].str() : "";
}

TEST(PdfBook, PagesAndPaperOfA4AndLetterAsAskedOrAsTheLocaleChooses) {
  TempFolder folder;
  writeCases(folder / "cases.DAT", {10, 20, 30});
  const std::tuple<std::string, std::string, std::string, std::string> cases[] = {
      {"", "", "3", "595.276 x 841.89 pts (A4)"},
      {"--paper letter", "", "3", "612 x 792 pts (letter)"},
      {"--no-solutions", "", "2", "595.276 x 841.89 pts (A4)"},
      {"", "LANG=en_US.UTF-8", "3", "612 x 792 pts (letter)"},
      {"", "LANG=en_US.UTF-8 LC_PAPER=de_DE.UTF-8", "3", "595.276 x 841.89 pts (A4)"},
      {"--paper a4", "LC_PAPER=fr_CA.UTF-8", "3", "595.276 x 841.89 pts (A4)"},
  };
  for (const auto& [arguments, environment, pages, size] : cases) {
    ASSERT_EQ(book(folder, "cases.DAT", "book.pdf", arguments, environment).status, 0);
    const Ran info = run(folder, "pdfinfo book.pdf");
    EXPECT_EQ(field(info.out, "Pages"), pages) << arguments << environment;
    EXPECT_EQ(field(info.out, "Page size"), size) << arguments << environment;
  }
}

// The case numbers and counts a text shows, in order: "CASO: 005" then "SOLU: 12".
std::vector<std::string> casesShown(const std::string& text, const std::string& caseWord,
                                    const std::string& solutionWord) {
  std::vector<std::string> shown;
  const std::regex pair(caseWord + ": (\\S+)[^\n]*\n" + solutionWord + ": (\\d+)");
  for (auto it = std::sregex_iterator(text.begin(), text.end(), pair); it != std::sregex_iterator();
       ++it)
    shown.push_back((*it)[1].str() + " " + (*it)[2].str());
  return shown;
}

// The records of a case file, read here byte by byte: case number as the viewer writes it
// ("005", "123.1") and count, in file order.
std::vector<std::pair<int, std::string>> recordsOf(const std::filesystem::path& file) {
  const std::vector<std::uint8_t> bytes = test::readFile(file);
  std::vector<std::pair<int, std::string>> records;
  for (std::size_t at = 0; at + 154 <= bytes.size(); at += 154) {
    const int value = bytes[at] + 256 * bytes[at + 1];
    const int solutions = bytes[at + 152] + 256 * bytes[at + 153];
    std::string number = std::to_string(value / 10);
    number.insert(0, 3 - std::min<std::size_t>(3, number.size()), '0');
    if (value % 10 != 0) number += "." + std::to_string(value % 10);
    records.emplace_back(value, number + " " + std::to_string(solutions));
  }
  return records;
}

TEST(PdfBook, EveryCaseNumberInOrderWithItsCountInSpanishAndInEnglish) {
  TempFolder folder;
  auto records = recordsOf(kShippedCatalogue);
  ASSERT_EQ(records.size(), 875u);
  std::vector<std::string> inFileOrder, byNumber;
  for (const auto& record : records)
    inFileOrder.push_back(record.second);
  std::stable_sort(records.begin(), records.end(),
                   [](const auto& a, const auto& b) { return a.first < b.first; });
  for (const auto& record : records)
    byNumber.push_back(record.second);

  ASSERT_EQ(book(folder, kShippedCatalogue.string(), "book.pdf").status, 0);
  const std::string text = run(folder, "pdftotext -raw book.pdf -").out;
  std::vector<std::string> twice = byNumber;
  twice.insert(twice.end(), byNumber.begin(), byNumber.end());
  EXPECT_EQ(casesShown(text, "CASO", "SOLU"), twice);
  // Every page says its number and the count, and each figure page the range of its cases.
  const int pages = std::stoi(field(run(folder, "pdfinfo book.pdf").out, "Pages"));
  for (int page = 1; page <= pages; ++page)
    EXPECT_NE(text.find("Pagina " + std::to_string(page) + " de " + std::to_string(pages)),
              std::string::npos);
  EXPECT_NE(text.find("Vexolite \u00b7 Figuras Casos 001 a "), std::string::npos);
  EXPECT_NE(text.find("Vexolite \u00b7 Soluciones Casos 001 a "), std::string::npos);
  EXPECT_NE(text.find("875 casos"), std::string::npos);

  // In English, by its option or by the locale as the viewer reads it; in the file's order.
  ASSERT_EQ(book(folder, kShippedCatalogue.string(), "english.pdf",
                 "--order solutions --no-solutions --language en")
                .status,
            0);
  const std::string english = run(folder, "pdftotext -raw english.pdf -").out;
  EXPECT_EQ(casesShown(english, "CASE", "SOLS"), inFileOrder);
  EXPECT_NE(english.find("The seven pieces"), std::string::npos);
  EXPECT_EQ(english.find("Solutions"), std::string::npos);
  // English from the locale, as the viewer reads it, on the first cases: those of the file's
  // order whose numbers are 1 to 40.
  ASSERT_EQ(book(folder, kShippedCatalogue.string(), "locale.pdf", "--order solutions --cases 1-40",
                 "LANGUAGE=en_GB:es")
                .status,
            0);
  std::vector<std::string> firstForty;
  for (const std::string& shown : inFileOrder)
    if (std::stoi(shown) <= 40) firstForty.push_back(shown);
  std::vector<std::string> twiceForty = firstForty;
  twiceForty.insert(twiceForty.end(), firstForty.begin(), firstForty.end());
  EXPECT_EQ(casesShown(run(folder, "pdftotext -raw locale.pdf -").out, "CASE", "SOLS"), twiceForty);
  // A range of case numbers: the decimal cases of a number come with it.
  ASSERT_EQ(book(folder, kShippedCatalogue.string(), "range.pdf", "--cases 176-177").status, 0);
  EXPECT_EQ(casesShown(run(folder, "pdftotext -raw range.pdf -").out, "CASO", "SOLU"),
            (std::vector<std::string>{"176 493", "177 1283", "177.1 1283", "176 493", "177 1283",
                                      "177.1 1283"}));
}

TEST(PdfBook, EveryFontEmbeddedAndNoRasterImageOnAnyPage) {
  TempFolder folder;
  ASSERT_EQ(book(folder, kShippedCatalogue.string(), "book.pdf", "--cases 1-60").status, 0);
  std::istringstream fonts(run(folder, "pdffonts book.pdf").out);
  std::string line;
  int fontLines = 0;
  for (int n = 0; std::getline(fonts, line); ++n) {
    if (n < 2) continue;  // the heading and its rule
    ++fontLines;
    EXPECT_NE(line.find(" yes yes yes "), std::string::npos) << line;
  }
  EXPECT_GE(fontLines, 1);
  const std::string images = run(folder, "pdfimages -list book.pdf").out;
  EXPECT_EQ(std::count(images.begin(), images.end(), '\n'), 2) << images;
}

// A grey picture read back from pdftoppm (PGM, "P5").
struct GreyPicture {
  int width = 0, height = 0;
  std::vector<std::uint8_t> pixels;
};
GreyPicture readPgm(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::string magic;
  int maximum = 0;
  GreyPicture picture;
  in >> magic >> picture.width >> picture.height >> maximum;
  in.get();
  picture.pixels.resize(static_cast<std::size_t>(picture.width) * picture.height);
  in.read(reinterpret_cast<char*>(picture.pixels.data()),
          static_cast<std::streamsize>(picture.pixels.size()));
  return picture;
}

// The figure's silhouette: every pixel that the white around it does not reach from the
// picture's border (the white top faces inside the black edges belong to the figure).
std::vector<bool> silhouette(int width, int height, const std::function<bool(int, int)>& white) {
  std::vector<bool> outside(static_cast<std::size_t>(width) * height, false);
  std::vector<std::pair<int, int>> pending;
  const auto reach = [&](int x, int y) {
    if (x < 0 || y < 0 || x >= width || y >= height) return;
    const std::size_t at = static_cast<std::size_t>(y) * width + x;
    if (outside[at] || !white(x, y)) return;
    outside[at] = true;
    pending.emplace_back(x, y);
  };
  for (int x = 0; x < width; ++x) {
    reach(x, 0);
    reach(x, height - 1);
  }
  for (int y = 0; y < height; ++y) {
    reach(0, y);
    reach(width - 1, y);
  }
  while (!pending.empty()) {
    const auto [x, y] = pending.back();
    pending.pop_back();
    reach(x + 1, y);
    reach(x - 1, y);
    reach(x, y + 1);
    reach(x, y - 1);
  }
  for (auto&& pixel : outside)
    pixel = !pixel;
  return outside;
}

// Cases 16 (5 x 3 x 4, a step in front), 36 (sixteen layers) and 705 (the pieces apart): each
// figure rendered from the PDF at one pixel per unit of the viewer's projection, against the
// viewer's own raster drawing at zoom 1. Their silhouettes, each from its own inked box, agree
// on 97% of the pixels either covers.
TEST(PdfBook, AFigureRenderedFromThePdfHasTheSilhouetteOfTheRasterDrawing) {
  TempFolder folder;
  for (int number : {16, 36, 705}) {
    const std::string range = std::to_string(number) + "-" + std::to_string(number);
    ASSERT_EQ(book(folder, kShippedCatalogue.string(), "one.pdf", "--cases " + range).status, 0);
    auto all = readCatalogue(kShippedCatalogue);
    BookOptions options;
    options.firstCase = options.lastCase = number;
    BookRequest request;
    request.cases = chooseCases(std::move(all).value(), options).value();
    // Where the figure page puts the drawing: only to cut it out of the rendered page.
    const BookPlan plan = planBook(request);
    const FigureBox& box = plan.pages.at(0).at(0);
    const FigureMeasure& m = plan.measures[0];
    const double dpi = 72 / box.scale;
    const int left = static_cast<int>(std::floor(box.drawingX / box.scale)) - 3;
    const int top = static_cast<int>(std::floor(box.drawingY / box.scale)) - 3;
    const int width = static_cast<int>(m.drawingWidth) + 8,
              height = static_cast<int>(m.drawingHeight) + 8;
    ASSERT_EQ(
        run(folder, "pdftoppm -gray -singlefile -f 2 -l 2 -r " + std::to_string(dpi) + " -x " +
                        std::to_string(left) + " -y " + std::to_string(top) + " -W " +
                        std::to_string(width) + " -H " + std::to_string(height) + " one.pdf figure")
            .status,
        0);
    const GreyPicture page = readPgm(folder / "figure.pgm");
    ASSERT_EQ(page.width, width);
    const std::vector<bool> fromPdf = silhouette(page.width, page.height, [&](int x, int y) {
      // Half covered by ink or more is ink.
      return page.pixels[static_cast<std::size_t>(y) * page.width + x] >= 128;
    });

    FigureFields figure;
    applyFigure(request.cases[0].decoded.figure, figure);
    RasterSurface raster(width, height);
    RasterCanvas canvas(raster);
    describeCubes(canvas, figure, Projection{1, m.originX + 3, m.originY + 3}, {});
    const std::vector<bool> fromRaster =
        silhouette(width, height, [&](int x, int y) { return raster.pixel(x, y) == kWhite; });

    // Each from its own inked box's top-left corner.
    const auto corner = [&](const std::vector<bool>& mask) {
      int x0 = width, y0 = height;
      for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
          if (mask[static_cast<std::size_t>(y) * width + x]) {
            x0 = std::min(x0, x);
            y0 = std::min(y0, y);
          }
      return std::pair{x0, y0};
    };
    const auto [px, py] = corner(fromPdf);
    const auto [rx, ry] = corner(fromRaster);
    int both = 0, either = 0;
    for (int y = -4; y < height + 4; ++y) {
      for (int x = -4; x < width + 4; ++x) {
        const auto at = [&](const std::vector<bool>& mask, int mx, int my) {
          return mx >= 0 && my >= 0 && mx < width && my < height &&
                 mask[static_cast<std::size_t>(my) * width + mx];
        };
        const bool a = at(fromPdf, x + px, y + py), b = at(fromRaster, x + rx, y + ry);
        both += a && b;
        either += a || b;
      }
    }
    ASSERT_GT(either, 1000);
    EXPECT_GE(static_cast<double>(both) / either, 0.97) << "case " << number;
  }
}

// A PPM picture from pdftoppm ("P6").
std::vector<Rgb> readPpm(const std::filesystem::path& file, int& width, int& height) {
  std::ifstream in(file, std::ios::binary);
  std::string magic;
  int maximum = 0;
  in >> magic >> width >> height >> maximum;
  in.get();
  std::vector<Rgb> pixels(static_cast<std::size_t>(width) * height);
  for (Rgb& pixel : pixels) {
    pixel.r = static_cast<std::uint8_t>(in.get());
    pixel.g = static_cast<std::uint8_t>(in.get());
    pixel.b = static_cast<std::uint8_t>(in.get());
  }
  return pixels;
}

// Seven cubes in a row, pieces 1 to 7 from left to right (along the row index k, drawn towards
// the lower right). On the solution page each top face shows its piece's full colour and each
// left face its left-face shade, in that order from left to right, and the plan numbers the
// squares 1 to 7; the figure page has no piece colour at all.
TEST(PdfBook, TheSolutionOfAHandWorkedCaseHasEachCubeInItsPiecesColours) {
  TempFolder folder;
  test::writeFile(
      folder / "row.DAT",
      test::caseFileBytes({test::recordBytes(4200, test::figureDigits({"1234567"}), 1)}));
  ASSERT_EQ(book(folder, "row.DAT", "row.pdf").status, 0);
  ASSERT_EQ(run(folder, "pdftoppm -r 150 -f 2 -l 3 row.pdf page").status, 0);
  int width = 0, height = 0;
  const std::vector<Rgb> figures = readPpm(folder / "page-2.ppm", width, height);
  const std::vector<Rgb> solutions = readPpm(folder / "page-3.ppm", width, height);
  const std::array<Rgb, 6> full{
      {{0, 0, 255}, {0, 255, 0}, {0, 255, 255}, {255, 0, 0}, {255, 0, 255}, {255, 255, 0}}};
  const std::array<Rgb, 6> leftShade{{{80, 80, 255},
                                      {150, 255, 150},
                                      {150, 255, 255},
                                      {255, 80, 80},
                                      {255, 80, 255},
                                      {255, 255, 150}}};
  for (const auto& colours : {full, leftShade}) {
    double previous = -1;
    for (std::size_t p = 0; p < colours.size(); ++p) {
      EXPECT_EQ(std::count(figures.begin(), figures.end(), colours[p]), 0) << "piece " << p + 1;
      double sumX = 0;
      int count = 0;
      for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
          if (solutions[static_cast<std::size_t>(y) * width + x] == colours[p]) {
            sumX += x;
            ++count;
          }
      ASSERT_GT(count, 30) << "piece " << p + 1;
      EXPECT_GT(sumX / count, previous) << "piece " << p + 1;
      previous = sumX / count;
    }
  }
  const std::string text = run(folder, "pdftotext -raw -f 3 -l 3 row.pdf -").out;
  EXPECT_NE(text.find("1 2 3 4 5 6 7"), std::string::npos) << text;
}

TEST(PdfBook, OutlineLeadsToTheTitlePageTheFiguresAndTheSolutions) {
  TempFolder folder;
  ASSERT_EQ(book(folder, kShippedCatalogue.string(), "book.pdf", "--cases 1-30").status, 0);
  EXPECT_EQ(run(folder, "mutool show book.pdf outline").out,
            "|\t\"Portada\"\t#page=1&zoom=100,nan,nan\n"
            "+\t\"Figuras\"\t#page=2&zoom=100,nan,nan\n"
            "|\t\t\"Casos 001 a 022\"\t#page=2&zoom=100,nan,nan\n"
            "|\t\t\"Casos 023 a 030\"\t#page=3&zoom=100,nan,nan\n"
            "+\t\"Soluciones\"\t#page=4&zoom=100,nan,nan\n"
            "|\t\t\"Casos 001 a 022\"\t#page=4&zoom=100,nan,nan\n"
            "|\t\t\"Casos 023 a 030\"\t#page=5&zoom=100,nan,nan\n");
  const std::string info = run(folder, "pdfinfo book.pdf").out;
  EXPECT_EQ(field(info, "Title"), "Vexolite: catalogo de figuras");
  EXPECT_EQ(field(info, "Author"), "Vexolite");
}

TEST(PdfBook, SameBytesFromTheSameInputWithSourceDateEpochDatedByIt) {
  TempFolder folder;
  std::filesystem::create_directory(folder / "other");
  const std::string epoch = "SOURCE_DATE_EPOCH=1700000000";
  ASSERT_EQ(book(folder, kShippedCatalogue.string(), "first.pdf", "--cases 1-100", epoch).status,
            0);
  ASSERT_EQ(
      book(folder, kShippedCatalogue.string(), "other/second.pdf", "--cases 1-100", epoch).status,
      0);
  const auto first = test::readFile(folder / "first.pdf");
  EXPECT_EQ(first, test::readFile(folder / "other/second.pdf"));
  const std::string info = run(folder, "pdfinfo first.pdf").out;
  EXPECT_EQ(field(info, "CreationDate"), "Tue Nov 14 22:13:20 2023 UTC");
  EXPECT_EQ(field(info, "ModDate"), "Tue Nov 14 22:13:20 2023 UTC");

  EXPECT_EQ(
      book(folder, kShippedCatalogue.string(), "dated.pdf", "", "SOURCE_DATE_EPOCH=soon").status,
      1);
  EXPECT_FALSE(std::filesystem::exists(folder / "dated.pdf"));
}

// Each bad input: a message naming the file (and record), exit status 1, and the earlier book
// still there, byte for byte, with no temporary file left beside it.
TEST(PdfBook, BadInputIsNamedExitsOneAndKeepsTheEarlierBook) {
  TempFolder folder;
  writeCases(folder / "good.DAT", {10, 20});
  ASSERT_EQ(book(folder, "good.DAT", "book.pdf").status, 0);
  const auto earlier = test::readFile(folder / "book.pdf");

  auto broken =
      test::caseFileBytes({test::recordBytes(10, kCube, 1), test::recordBytes(20, kCube, 2)});
  broken[154 + 153] = 200;  // record 2's solution count: a high byte of 128 or more
  test::writeFile(folder / "broken.DAT", broken);
  auto wrongGroup = test::caseFileBytes({test::recordBytes(10, kCube, 1)});
  wrongGroup[2] = 0x10;  // the first cell group: 10000 + its digits, more than 4 digits
  wrongGroup[3] = 0x27;
  test::writeFile(folder / "group.DAT", wrongGroup);
  test::writeFile(folder / "empty.DAT", {});
  auto partial = test::caseFileBytes({test::recordBytes(10, kCube, 1)});
  partial.resize(200);
  test::writeFile(folder / "partial.DAT", partial);

  const std::pair<std::string, std::string> cases[] = {
      {"missing.DAT", "missing.DAT: cannot be read (No such file or directory)"},
      {"empty.DAT", "empty.DAT: the file is empty, it holds no case"},
      {"partial.DAT", "partial.DAT: 200 bytes, not a whole number of 154-byte records"},
      {"broken.DAT", "broken.DAT, record 2: high byte 200 is 128 or more (byte 153 of the record)"},
      {"group.DAT", "group.DAT, record 1: cell group 1 is "},
      {".", ".: is a folder, not a case file"},
      {"/dev/zero", "/dev/zero: more than 10092544 bytes"},
  };
  for (const auto& [caseFile, message] : cases) {
    const Ran ran = book(folder, caseFile, "book.pdf");
    EXPECT_EQ(ran.status, 1) << caseFile;
    EXPECT_NE(ran.err.find("vexolite-book: " + message), std::string::npos) << ran.err;
    EXPECT_EQ(test::readFile(folder / "book.pdf"), earlier) << caseFile;
  }
  // A range without a case, and the case file as its own book: refused, nothing lost.
  const Ran none = book(folder, "good.DAT", "book.pdf", "--cases 500-600");
  EXPECT_EQ(none.status, 1);
  EXPECT_NE(none.err.find("good.DAT: no case numbered 500 to 600"), std::string::npos);
  const auto good = test::readFile(folder / "good.DAT");
  EXPECT_EQ(book(folder, "good.DAT", "./good.DAT").status, 1);
  EXPECT_EQ(test::readFile(folder / "good.DAT"), good);
  EXPECT_EQ(test::readFile(folder / "book.pdf"), earlier);

  // A folder that cannot take the book is named with the system's reason.
  const Ran unwritable = book(folder, "good.DAT", "no-such-folder/book.pdf");
  EXPECT_EQ(unwritable.status, 1);
  EXPECT_NE(unwritable.err.find("no-such-folder/.book.pdf.tmp cannot be created (No such file or "
                                "directory)"),
            std::string::npos)
      << unwritable.err;
  // A wrong option: the usage, exit status 2.
  const Ran usage = book(folder, "good.DAT", "book.pdf", "--paper a3");
  EXPECT_EQ(usage.status, 2);
  EXPECT_NE(usage.err.find("usage: vexolite-book"), std::string::npos);

  std::vector<std::string> left;
  for (const auto& entry : std::filesystem::directory_iterator(folder.path()))
    left.push_back(entry.path().filename().string());
  std::sort(left.begin(), left.end());
  EXPECT_EQ(left, (std::vector<std::string>{"book.pdf", "broken.DAT", "empty.DAT", "good.DAT",
                                            "group.DAT", "partial.DAT"}));
}

}  // namespace
}  // namespace vexolite::book
