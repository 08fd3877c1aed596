// The real book: vexolite-book run on case files, its PDF read back with poppler's and mupdf's
// tools, never through the book's own idea of what it wrote.
// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <algorithm>
#include <cmath>
#include <fstream>
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
const std::string kShipped = "'" + kShippedCatalogue.string() + "'";

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
    const std::vector<std::uint8_t> bytes = test::readFile(file);
    std::filesystem::remove(file);
    return std::string(bytes.begin(), bytes.end());
  };
  return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, text(out), text(err)};
}

// The book tool with its arguments, in the C locale with the extra environment.
Ran book(const TempFolder& folder, const std::string& arguments,
         const std::string& environment = "") {
  return run(folder, "env -u LANGUAGE -u LC_ALL -u LC_MESSAGES -u LC_PAPER LANG=C " + environment +
                         " '" VEXOLITE_BOOK_TOOL "' " + arguments);
}

// The 3 x 3 x 3 cube, each layer of three pieces; records numbered as given, counts 1, 2...
const std::string kCube = test::figureDigits({"111/222/333", "444/555/666", "777/777/777"});
void writeCases(const std::filesystem::path& file, const std::vector<int>& caseValues) {
  std::vector<std::vector<std::uint8_t>> records;
  for (int value : caseValues)
    records.push_back(test::recordBytes(value, kCube, static_cast<int>(records.size()) + 1));
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
  const std::string a4 = "595.276 x 841.89 pts (A4)", letter = "612 x 792 pts (letter)";
  const std::tuple<std::string, std::string, std::string, std::string> cases[] = {
      {"", "", "3", a4},
      {"--paper letter", "", "3", letter},
      {"--no-solutions", "LC_PAPER=fr_CA.UTF-8", "2", letter},
      {"--paper a4", "LANG=en_US.UTF-8", "3", a4},
  };
  for (const auto& [arguments, environment, pages, size] : cases) {
    ASSERT_EQ(book(folder, "cases.DAT -o book.pdf " + arguments, environment).status, 0);
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

// The records of a case file, read here byte by byte: case value, then the case number as the
// viewer writes it ("005", "123.1") and count, in file order.
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

std::vector<std::string> twice(const std::vector<std::string>& shown) {
  std::vector<std::string> both = shown;
  both.insert(both.end(), shown.begin(), shown.end());
  return both;
}

TEST(PdfBook, EveryCaseNumberInOrderWithItsCountInSpanishAndInEnglish) {
  TempFolder folder;
  auto records = recordsOf(kShippedCatalogue);
  ASSERT_EQ(records.size(), 875u);
  std::vector<std::string> firstFortyInFileOrder, byNumber;
  for (const auto& [value, shown] : records)
    if (value / 10 <= 40) firstFortyInFileOrder.push_back(shown);
  std::stable_sort(records.begin(), records.end(),
                   [](const auto& a, const auto& b) { return a.first < b.first; });
  for (const auto& record : records)
    byNumber.push_back(record.second);

  ASSERT_EQ(book(folder, kShipped + " -o book.pdf").status, 0);
  const std::string text = run(folder, "pdftotext -raw book.pdf -").out;
  EXPECT_EQ(casesShown(text, "CASO", "SOLU"), twice(byNumber));
  // Every page says its number and the count, and each figure page the range of its cases.
  const int pages = std::stoi(field(run(folder, "pdfinfo book.pdf").out, "Pages"));
  for (int page = 1; page <= pages; ++page)
    EXPECT_NE(text.find("Pagina " + std::to_string(page) + " de " + std::to_string(pages)),
              std::string::npos);
  for (const char* shown : {"Vexolite \u00b7 Figuras Casos 001 a ",
                            "Vexolite \u00b7 Soluciones Casos 001 a ", "875 casos"})
    EXPECT_NE(text.find(shown), std::string::npos) << shown;

  // English from the locale, as the viewer reads it, in the file's order, without solutions.
  ASSERT_EQ(book(folder, kShipped + " -o locale.pdf --order solutions --cases 1-40 --no-solutions",
                 "LANGUAGE=en_GB:es")
                .status,
            0);
  const std::string english = run(folder, "pdftotext -raw locale.pdf -").out;
  EXPECT_EQ(casesShown(english, "CASE", "SOLS"), firstFortyInFileOrder);
  EXPECT_NE(english.find("The seven pieces"), std::string::npos);
  EXPECT_EQ(english.find("Solutions"), std::string::npos);
  // English by its option; a range of case numbers takes the decimal cases of a number with it.
  ASSERT_EQ(book(folder, kShipped + " -o range.pdf --cases 176-177 --language en").status, 0);
  EXPECT_EQ(casesShown(run(folder, "pdftotext -raw range.pdf -").out, "CASE", "SOLS"),
            twice({"176 493", "177 1283", "177.1 1283"}));
}

TEST(PdfBook, OutlineMetadataEmbeddedFontsAndNoRasterImage) {
  TempFolder folder;
  ASSERT_EQ(book(folder, kShipped + " -o book.pdf --cases 1-30").status, 0);
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

  std::istringstream fonts(run(folder, "pdffonts book.pdf").out);
  int fontLines = -2;  // the heading and its rule come first
  for (std::string line; std::getline(fonts, line);)
    EXPECT_TRUE(++fontLines <= 0 || line.find(" yes yes yes ") != std::string::npos) << line;
  EXPECT_GE(fontLines, 1);
  const std::string images = run(folder, "pdfimages -list book.pdf").out;
  EXPECT_EQ(std::count(images.begin(), images.end(), '\n'), 2) << images;
}

// A picture from pdftoppm: "P5" grey or "P6" colour, one byte a channel.
struct Pnm {
  int width = 0, height = 0, channels = 1;
  std::vector<std::uint8_t> bytes;
  const std::uint8_t* at(int x, int y) const {
    return &bytes[(static_cast<std::size_t>(y) * width + x) * channels];
  }
};
Pnm readPnm(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::string magic;
  int maximum = 0;
  Pnm picture;
  in >> magic >> picture.width >> picture.height >> maximum;
  in.get();
  picture.channels = magic == "P6" ? 3 : 1;
  picture.bytes.resize(static_cast<std::size_t>(picture.width) * picture.height * picture.channels);
  in.read(reinterpret_cast<char*>(picture.bytes.data()),
          static_cast<std::streamsize>(picture.bytes.size()));
  return picture;
}

// The figure's silhouette: every pixel that the white around it, reached from the top-left
// corner, does not cover (the white top faces inside the black edges belong to the figure). Each
// pixel is given as (y, x) from the top-left corner of the silhouette's own box, in row order.
std::vector<std::pair<int, int>> silhouette(int width, int height,
                                            const std::function<bool(int, int)>& white) {
  std::vector<bool> outside(static_cast<std::size_t>(width) * height, false);
  std::vector<std::pair<int, int>> pending{{0, 0}}, figure;
  while (!pending.empty()) {
    const auto [x, y] = pending.back();
    pending.pop_back();
    const std::size_t at = static_cast<std::size_t>(y) * width + x;
    if (x < 0 || y < 0 || x >= width || y >= height || outside[at] || !white(x, y)) continue;
    outside[at] = true;
    pending.insert(pending.end(), {{x + 1, y}, {x - 1, y}, {x, y + 1}, {x, y - 1}});
  }
  int left = width;
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x)
      if (!outside[static_cast<std::size_t>(y) * width + x]) {
        figure.emplace_back(y, x);
        left = std::min(left, x);
      }
  const int top = figure.empty() ? 0 : figure.front().first;
  for (auto& [y, x] : figure) {
    y -= top;
    x -= left;
  }
  return figure;
}

// Cases 16 (5 x 3 x 4, a step in front), 36 (sixteen layers) and 705 (the pieces apart): each
// figure rendered from the PDF at one pixel per unit of the viewer's projection, against the
// viewer's own raster drawing at zoom 1. Their silhouettes, each from its own box's corner,
// agree on 97% of the pixels either covers.
TEST(PdfBook, AFigureRenderedFromThePdfHasTheSilhouetteOfTheRasterDrawing) {
  TempFolder folder;
  for (int number : {16, 36, 705}) {
    const std::string range = std::to_string(number) + "-" + std::to_string(number);
    ASSERT_EQ(book(folder, kShipped + " -o one.pdf --cases " + range).status, 0);
    BookOptions options;
    options.firstCase = options.lastCase = number;
    BookRequest request;
    request.cases = chooseCases(readCatalogue(kShippedCatalogue).value(), options).value();
    // Where the figure page puts the drawing: only to cut it out of the rendered page.
    const BookPlan plan = planBook(request);
    const FigureBox& box = plan.pages.at(0).at(0);
    const FigureMeasure& m = plan.measures[0];
    const int left = static_cast<int>(std::floor(box.drawingX / box.scale)) - 3;
    const int top = static_cast<int>(std::floor(box.drawingY / box.scale)) - 3;
    const int width = static_cast<int>(m.drawingWidth) + 8,
              height = static_cast<int>(m.drawingHeight) + 8;
    ASSERT_EQ(
        run(folder, "pdftoppm -gray -singlefile -f 2 -l 2 -r " + std::to_string(72 / box.scale) +
                        " -x " + std::to_string(left) + " -y " + std::to_string(top) + " -W " +
                        std::to_string(width) + " -H " + std::to_string(height) + " one.pdf figure")
            .status,
        0);
    const Pnm page = readPnm(folder / "figure.pgm");
    ASSERT_EQ(page.width, width);
    // Half covered by ink or more is ink.
    const auto fromPdf =
        silhouette(width, height, [&](int x, int y) { return *page.at(x, y) >= 128; });

    FigureFields figure;
    applyFigure(request.cases[0].decoded.figure, figure);
    RasterSurface raster(width, height);
    RasterCanvas canvas(raster);
    describeCubes(canvas, figure, Projection{1, m.originX + 3, m.originY + 3}, {});
    const auto fromRaster =
        silhouette(width, height, [&](int x, int y) { return raster.pixel(x, y) == kWhite; });

    std::vector<std::pair<int, int>> both;
    std::ranges::set_intersection(fromPdf, fromRaster, std::back_inserter(both));
    const std::size_t either = fromPdf.size() + fromRaster.size() - both.size();
    ASSERT_GT(either, 1000u);
    EXPECT_GE(static_cast<double>(both.size()) / either, 0.97) << "case " << number;
  }
}

// Seven cubes in a row, pieces 1 to 7 from left to right (along the row index k, drawn towards
// the lower right). On the solution page each top face shows its piece's full colour, in that
// order from left to right, and the plan numbers the squares 1 to 7; the figure page has no piece
// colour at all.
TEST(PdfBook, TheSolutionOfAHandWorkedCaseHasEachCubeInItsPiecesColours) {
  TempFolder folder;
  test::writeFile(
      folder / "row.DAT",
      test::caseFileBytes({test::recordBytes(4200, test::figureDigits({"1234567"}), 1)}));
  ASSERT_EQ(book(folder, "row.DAT -o row.pdf").status, 0);
  ASSERT_EQ(run(folder, "pdftoppm -r 150 -f 2 -l 3 row.pdf page").status, 0);
  const Pnm figures = readPnm(folder / "page-2.ppm"), solutions = readPnm(folder / "page-3.ppm");
  const auto colourAt = [](const Pnm& picture, int x, int y) {
    const std::uint8_t* rgb = picture.at(x, y);
    return Rgb{rgb[0], rgb[1], rgb[2]};
  };
  const std::array<Rgb, 6> full{
      {{0, 0, 255}, {0, 255, 0}, {0, 255, 255}, {255, 0, 0}, {255, 0, 255}, {255, 255, 0}}};
  double previous = -1;
  for (std::size_t p = 0; p < full.size(); ++p) {
    double sumX = 0;
    int count = 0, onFigurePage = 0;
    for (int y = 0; y < solutions.height; ++y) {
      for (int x = 0; x < solutions.width; ++x) {
        onFigurePage += colourAt(figures, x, y) == full[p];
        if (colourAt(solutions, x, y) == full[p]) {
          sumX += x;
          ++count;
        }
      }
    }
    EXPECT_EQ(onFigurePage, 0) << "piece " << p + 1;
    ASSERT_GT(count, 30) << "piece " << p + 1;
    EXPECT_GT(sumX / count, previous) << "piece " << p + 1;
    previous = sumX / count;
  }
  const std::string text = run(folder, "pdftotext -raw -f 3 -l 3 row.pdf -").out;
  EXPECT_NE(text.find("1 2 3 4 5 6 7"), std::string::npos) << text;
}

TEST(PdfBook, SameBytesFromTheSameInputWithSourceDateEpochDatedByIt) {
  TempFolder folder;
  std::filesystem::create_directory(folder / "other");
  const std::string epoch = "SOURCE_DATE_EPOCH=1700000000";
  ASSERT_EQ(book(folder, kShipped + " -o first.pdf --cases 1-100", epoch).status, 0);
  ASSERT_EQ(book(folder, kShipped + " -o other/second.pdf --cases 1-100", epoch).status, 0);
  EXPECT_EQ(test::readFile(folder / "first.pdf"), test::readFile(folder / "other/second.pdf"));
  const std::string info = run(folder, "pdfinfo first.pdf").out;
  EXPECT_EQ(field(info, "CreationDate"), "Tue Nov 14 22:13:20 2023 UTC");
  EXPECT_EQ(field(info, "ModDate"), "Tue Nov 14 22:13:20 2023 UTC");

  EXPECT_EQ(book(folder, kShipped + " -o dated.pdf", "SOURCE_DATE_EPOCH=soon").status, 1);
  EXPECT_FALSE(std::filesystem::exists(folder / "dated.pdf"));
}

// Each bad input: a message naming the file (and record), exit status 1, and the earlier book
// still there, byte for byte, with no temporary file left beside it.
TEST(PdfBook, BadInputIsNamedExitsOneAndKeepsTheEarlierBook) {
  TempFolder folder;
  writeCases(folder / "good.DAT", {10, 20});
  ASSERT_EQ(book(folder, "good.DAT -o book.pdf").status, 0);
  const auto earlier = test::readFile(folder / "book.pdf");
  auto broken = test::readFile(folder / "good.DAT");
  broken[154 + 153] = 200;  // record 2's solution count: a high byte of 128 or more
  test::writeFile(folder / "broken.DAT", broken);
  test::writeFile(folder / "empty.DAT", {});

  const std::pair<std::string, std::string> cases[] = {
      {"missing.DAT -o book.pdf", "missing.DAT: cannot be read (No such file or directory)"},
      {"empty.DAT -o book.pdf", "empty.DAT: the file is empty, it holds no case"},
      {"broken.DAT -o book.pdf",
       "broken.DAT, record 2: high byte 200 is 128 or more (byte 153 of the record)"},
      {". -o book.pdf", ".: is a folder, not a case file"},
      {"/dev/zero -o book.pdf", "/dev/zero: more than 10092544 bytes"},
      {"good.DAT -o book.pdf --cases 500-600", "good.DAT: no case numbered 500 to 600"},
      {"good.DAT -o ./good.DAT", "./good.DAT: is the case file itself"},
      {"good.DAT -o no-such-folder/book.pdf",
       "cannot write no-such-folder/book.pdf: the temporary file no-such-folder/.book.pdf.tmp "
       "cannot be created (No such file or directory)"},
  };
  const auto good = test::readFile(folder / "good.DAT");
  for (const auto& [arguments, message] : cases) {
    const Ran ran = book(folder, arguments);
    EXPECT_EQ(ran.status, 1) << arguments;
    EXPECT_NE(ran.err.find("vexolite-book: " + message), std::string::npos) << ran.err;
    EXPECT_EQ(test::readFile(folder / "book.pdf"), earlier) << arguments;
  }
  EXPECT_EQ(test::readFile(folder / "good.DAT"), good);
  // A wrong option: the usage, exit status 2.
  const Ran usage = book(folder, "good.DAT -o book.pdf --paper a3");
  EXPECT_EQ(usage.status, 2);
  EXPECT_NE(usage.err.find("usage: vexolite-book"), std::string::npos);

  std::vector<std::string> left;
  for (const auto& entry : std::filesystem::directory_iterator(folder.path()))
    left.push_back(entry.path().filename().string());
  std::sort(left.begin(), left.end());
  EXPECT_EQ(left, (std::vector<std::string>{"book.pdf", "broken.DAT", "empty.DAT", "good.DAT"}));
}

}  // namespace
}  // namespace vexolite::book
