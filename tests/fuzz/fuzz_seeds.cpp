// Writes the starting inputs of every fuzz target, made by the project's own code: records built
// by the catalogue tool and by the tests' record writer, figure text from the tool's formatter,
// and keystroke runs. Usage: vexolite-fuzz-seeds FOLDER (one subfolder per target).
// SPDX-License-Identifier: MIT
#include <QGuiApplication>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "case_library/record_format.h"
#include "catalog_build.h"
#include "catalog_check.h"
#include "fig_text.h"
#include "figure_generator.h"
#include "piece_shapes.h"
#include "qt/qt_export_platform.h"
#include "support/case_file_writer.h"

namespace {

using namespace vexolite;
using namespace vexolite::catalog;
using Bytes = std::vector<std::uint8_t>;

void writeSeed(const std::filesystem::path& folder, const std::string& name, const Bytes& bytes) {
  std::filesystem::create_directories(folder);
  test::writeFile(folder / ("seed-" + name), bytes);
}

void writeSeed(const std::filesystem::path& folder, const std::string& name,
               const std::string& text) {
  writeSeed(folder, name, Bytes(text.begin(), text.end()));
}

// Case 1: the 3 x 3 x 3 cube, every cube free.
CatalogFigure cubeFigure() {
  CatalogFigure figure{10, 0, {}};
  for (int i = 1; i <= 3; ++i) {
    for (int j = 1; j <= 3; ++j) {
      for (int k = 1; k <= 3; ++k)
        figure.cubes.push_back(FigureCube{Cell{i, j, k}, 0});
    }
  }
  return figure;
}

// Case 705: the seven pieces apart, V, L, T and Z in the front row, the screws and the tripod
// behind them, every cube fixed to its piece.
CatalogFigure piecesApartFigure() {
  CatalogFigure figure{kCase705Value, 0, {}};
  for (int piece = 1; piece <= kPieceTotal; ++piece) {
    const int row = piece <= 4 ? 0 : 3;
    const int column = 4 * ((piece - 1) % 4);
    for (const Cell& c : pieceCells(piece)) {
      figure.cubes.push_back(FigureCube{Cell{c.i, c.j + row, c.k + column}, piece});
    }
  }
  return figure;
}

std::vector<CatalogFigure> seedFigures() {
  std::vector<CatalogFigure> figures{cubeFigure()};
  GeneratorSettings settings;
  settings.seed = 7;
  settings.count = 4;
  settings.firstCase = 2;
  settings.mirrorEvery = 1;
  for (const GeneratedFigure& generated : generateFigures(settings, figures))
    figures.push_back(generated.figure);
  figures.push_back(piecesApartFigure());
  return figures;
}

Bytes recordAt(const Bytes& file, std::size_t number) {
  const auto first = file.begin() + static_cast<std::ptrdiff_t>(number * kRecordSize);
  return Bytes(first, first + static_cast<std::ptrdiff_t>(kRecordSize));
}

// Records the catalogue build never makes: empty rows and layers, a row of 16 cells, 16 layers,
// more than 27 cubes, and a high byte of 128 in a cell group.
std::vector<std::pair<std::string, Bytes>> oddRecords() {
  std::vector<std::string> tallLayers(16, "1");
  Bytes outside = test::recordBytes(1230, test::figureDigits({"123/456/712"}), 7);
  outside[kCellFieldOffset + 1] = 0x80;
  return {
      {"empty-rows", test::recordBytes(1231, test::figureDigits({"/0001/", "", "7"}), 5)},
      {"wide-row", test::recordBytes(40, test::figureDigits({"1234567123456712"}), 0)},
      {"tall", test::recordBytes(7050, test::figureDigits(tallLayers), 32767)},
      {"too-many-cubes",
       test::recordBytes(1, test::figureDigits({"1111111/2222222/3333333", "4444444/5555555"}), 1)},
      {"high-byte", outside},
  };
}

void caseFileSeeds(const std::filesystem::path& folder, const Bytes& catalogue) {
  writeSeed(folder, "catalogue", catalogue);
  for (std::size_t r = 0; r < catalogue.size() / kRecordSize; ++r) {
    writeSeed(folder, "record-" + std::to_string(r + 1), recordAt(catalogue, r));
  }
  Bytes partial = catalogue;
  partial.resize(catalogue.size() + 100, 0x11);
  writeSeed(folder, "partial-record", partial);
  writeSeed(folder, "short", Bytes(100, 0x11));
  for (const auto& [name, record] : oddRecords())
    writeSeed(folder, name, record);
}

void typedEntrySeeds(const std::filesystem::path& folder) {
  // Bytes from 0x80 press the key table's keys (Enter, Page Up, Page Down, End, Home, the four
  // arrows, keypad plus and minus, F1); 0x08 is Backspace, 0x7f deletes the whole text; 0x01 and
  // a length paste the bytes that follow.
  const std::vector<std::pair<std::string, std::string>> runs{
      {"case-705", "705"},
      {"case-12.3", "12.3"},
      {"case-12-point", "12."},
      {"out-of-range",
       "706\x7f"
       "0"},
      {"sixth-character", "123456"},
      {"letter", "7a"},
      {"plus-minus", "7+5-"},
      {"backspace", "1231\x08\x08"},
      {"keys", "\x80\x81\x82\x83\x84\x85\x86\x87\x88\x89\x8a\x8b"},
      {"steps-after-typing", "70\x84\x84\x83\x81\x82"},
      {"pasted-letter",
       "\x01\x06\xc3\xb1"
       "1234"},
      {"pasted-broken-bytes",
       "7\x01\x05\xb1\xc3"
       "123"},
  };
  for (const auto& [name, text] : runs)
    writeSeed(folder, name, text);
}

void figTextSeeds(const std::filesystem::path& folder, const std::vector<CatalogFigure>& figures,
                  const Bytes& catalogue) {
  std::string all = "# seed figures\n\n";
  for (const CatalogFigure& figure : figures) {
    const std::string text = figText(figure, {"case " + caseName(figure.caseValue)});
    writeSeed(folder, "case-" + caseName(figure.caseValue), text);
    all += text + "\n";
  }
  writeSeed(folder, "all", all);
  auto records = splitRecords(catalogue, "seeds.dat");
  writeSeed(folder, "dump", dumpCatalog(records.value(), "seeds.dat").figText);
}

void catalogCheckSeeds(const std::filesystem::path& folder, const Bytes& catalogue) {
  const std::size_t count = catalogue.size() / kRecordSize;
  writeSeed(folder, "catalogue", catalogue);
  for (std::size_t r = 0; r < count; ++r) {
    writeSeed(folder, "record-" + std::to_string(r + 1), recordAt(catalogue, r));
  }
  Bytes reversed;
  for (std::size_t r = count; r-- > 0;) {
    const Bytes record = recordAt(catalogue, r);
    reversed.insert(reversed.end(), record.begin(), record.end());
  }
  writeSeed(folder, "reversed", reversed);
  const Bytes first = recordAt(catalogue, 0);
  Bytes twice = first;
  twice.insert(twice.end(), first.begin(), first.end());
  writeSeed(folder, "given-twice", twice);
  Bytes miscounted = recordAt(catalogue, 0);
  miscounted[kSolutionOffset] ^= 1;
  writeSeed(folder, "miscounted", miscounted);
}

// Case image files as the export writes them, whole and cut short, with the header's sizes
// changed; encoded by the window's own BMP writer.
void pageImageSeeds(const std::filesystem::path& folder) {
  qt::QtExportPlatform platform;
  for (const auto& [width, height] : {std::pair{143, 115}, std::pair{3, 2}, std::pair{150, 120}}) {
    RasterSurface picture(width, height);
    picture.setColour(kBlack);
    picture.line(0, height - 1, width - 1, height - 1);
    picture.setColour(Rgb{0, 0, 255});
    picture.line(0, 0, width, height);
    Bytes bmp;
    if (platform.encodeBmp(picture, bmp)) continue;
    const std::string size = std::to_string(width) + "x" + std::to_string(height);
    writeSeed(folder, "image-" + size, bmp);
    writeSeed(folder, "cut-" + size, Bytes(bmp.begin(), bmp.begin() + bmp.size() / 2));
    Bytes huge = bmp;
    huge[18] = huge[19] = huge[20] = 0x7f;  // the stated width
    writeSeed(folder, "huge-" + size, huge);
  }
  writeSeed(folder, "zero-bytes", Bytes{});
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
    return 2;
  }
  const std::filesystem::path out = argv[1];
  setenv("QT_QPA_PLATFORM", "offscreen", 1);  // the BMP writer needs no display
  QGuiApplication app(argc, argv);
  const std::vector<CatalogFigure> figures = seedFigures();
  auto built = buildCatalog(figures, "seeds.fig");
  if (!built) {
    std::fprintf(stderr, "%s\n", built.error().message.c_str());
    return 1;
  }
  const Bytes& catalogue = built.value();
  caseFileSeeds(out / "case_file_fuzz", catalogue);
  typedEntrySeeds(out / "typed_entry_fuzz");
  figTextSeeds(out / "catalog_fig_text_fuzz", figures, catalogue);
  catalogCheckSeeds(out / "catalog_check_fuzz", catalogue);
  pageImageSeeds(out / "page_image_fuzz");
  return 0;
}
