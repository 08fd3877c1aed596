// The image export over an in-memory stand-in for the toolkit: the case image, the batch, pages.
// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "export/export_platform.h"
#include "support/pixel_model.h"
#include "support/viewer_run.h"

namespace vexolite {
namespace {

using test::recordBytes;
using Names = std::vector<std::string>;

const std::string kCube = test::figureDigits({"111/222/333", "444/555/666", "777/777/777"});

// A caption inks a pattern of its own per character in the cell (7n .. 7n+5, 0 .. 12), in a
// colour that is not black, so that AND can be told from copying.
RasterSurface& ink(const std::string& text, RasterSurface& surface) {
  surface.setColour(Rgb{96, 160, 48});
  for (std::size_t n = 0; n < text.size() * 13; ++n) {
    const int row = static_cast<int>(n % 13);
    if ((static_cast<unsigned char>(text[n / 13]) >> (row % 7) & 1) != 0)
      surface.plot(static_cast<int>(n / 13 * 7) + row % 6, row);
  }
  return surface;
}

// The toolkit's side in memory: a bitmap file holds the number of the picture it encodes.
struct MemoryExport : ExportPlatform {
  using Bytes = std::vector<std::uint8_t>;
  using Path = std::filesystem::path;
  void renderText(const std::string& text, RasterSurface& surface) override {
    captions.push_back((busy > 0 ? "busy " : "") + text);
    ink(text, surface);
  }
  std::optional<std::string> encodeBmp(const RasterSurface& surface, Bytes& bytes) override {
    const std::string number = std::to_string(pictures.size());
    pictures.push_back(surface);
    bytes.assign(number.begin(), number.end());
    return std::nullopt;
  }
  std::optional<std::string> loadPicture(const Path& file, RasterSurface& surface) override {
    if (pictureIn(file) == nullptr) return "ilegible";
    surface.andCopy(*pictureIn(file), 0, 0);
    return std::nullopt;
  }
  std::optional<std::string> listFiles(const Path& folder, Names& names) override {
    if (!std::filesystem::is_directory(folder)) return "no existe";
    for (const auto& entry : std::filesystem::directory_iterator(folder))
      names.push_back(entry.path().filename().string());
    return std::nullopt;
  }
  void setBusy(bool on) override { busy += on ? 1 : -1; }

  const RasterSurface* pictureIn(const Path& file) const {
    const Bytes bytes = test::readFile(file);
    const bool number = !bytes.empty() && bytes[0] >= '0' && bytes[0] <= '9';
    const std::size_t n = number ? std::stoul(std::string(bytes.begin(), bytes.end())) : ~0u;
    return n < pictures.size() ? &pictures[n] : nullptr;
  }
  std::vector<RasterSurface> pictures;
  Names captions;
  int busy = 0;
};

struct ExportRun : test::ViewerRun {
  explicit ExportRun(const test::Records& records, bool besideProgram = false)
      : ViewerRun(records, besideProgram) {
    controls.platform = &platform;
  }
  // The files of the working folder other than the case file, in name order.
  Names written() {
    Names names;
    platform.listFiles(work.path(), names);
    std::erase(names, "VEXOLITE.DAT");
    std::sort(names.begin(), names.end());
    return names;
  }
  std::string said(std::size_t n) const { return controls.messages.at(n).text; }
  MemoryExport platform;
};

// The image: the view's corner, the case and solution texts and the plan combined by AND inside
// a black border. The labels are stamped on the view beside its top-right corner.
TEST(CaseImage, EveryPixelIsTheAndOfViewTextsAndPlanInsideABlackBorder) {
  ExportRun run({recordBytes(1230, kCube, 240)});
  run.viewer.run(Command::ExportCase);
  EXPECT_EQ(run.said(1),
            "Todavia no hay ningun caso dibujado: pulsar enter para dibujar uno antes de generar "
            "su BMP.");
  run.viewer.keyPressed(Key::Enter);
  run.viewer.keyPressed(Key::KeypadPlus);  // at zoom 1.5 the shades reach under the texts
  run.viewer.keyPressed(Key::KeypadPlus);
  const RasterSurface view = run.shown(Control::FigureView), plan = run.shown(Control::PlanSurface);
  test::writeFile(run.work / ".caso123 .BMP.tmp", {});  // left by a run that ended half-way
  run.viewer.run(Command::ExportCase);
  EXPECT_EQ(run.controls.messages.size(), 2u);
  EXPECT_EQ(run.platform.captions, (Names{" CASO:   123   ", " SOLU:   240 ", "123   ", "  240"}));
  ASSERT_EQ(run.written(), (Names{"S00240-123 .bmp", "caso123 .BMP"}));
  EXPECT_EQ(test::readFile(run.work / "caso123 .BMP"),
            test::readFile(run.work / "S00240-123 .bmp"));
  const auto stamps = [](const std::string& first, const std::string& second) {
    RasterSurface one(640, 480), two(640, 480);  // the second stamp 14 pixels below the first
    ink(first, one).andCopy(ink(second, two), 0, 14);
    return one;
  };
  const RasterSurface texts = stamps("123   ", "  240"),
                      labels = stamps(" CASO:   123   ", " SOLU:   240 ");
  int wrong = 0, andOnColour = 0;
  const RasterSurface& image = *run.platform.pictureIn(run.work / "caso123 .BMP");
  for (int y = 0; y < 480; ++y) {
    for (int x = 0; x < 640; ++x) {
      const Rgb under = view.pixel(x, y), label = test::pixelOrWhite(labels, x - 540, y - 1);
      wrong += run.shown(Control::FigureView).pixel(x, y) != test::andOf(under, label);
      if (x >= 143 || y >= 115) continue;
      const Rgb over = test::andOf(test::pixelOrWhite(texts, x - 102, y + 3),
                                   test::pixelOrWhite(plan, x - 1, y - 1));
      const Rgb expected =
          x == 142 || y == 114 ? kBlack : test::andOf(x && y ? under : kWhite, over);
      wrong += image.pixel(x, y) != expected;
      andOnColour += expected != under && expected != over;
    }
  }
  EXPECT_EQ(wrong, 0);
  EXPECT_GT(andOnColour, 50);
}

// Record 2 of three shown: the batch exports records 3, 1 and 2 under the wait cursor and ends
// showing record 2 again; the single export has no wait cursor of its own.
TEST(ExportAll, EveryRecordOnceInSolutionOrderUnderTheWaitCursor) {
  ExportRun run({recordBytes(10, kCube, 1), recordBytes(20, kCube, 2), recordBytes(30, kCube, 3)});
  run.viewer.keyPressed(Key::Enter);
  run.viewer.keyPressed(Key::PageUp);
  run.viewer.run(Command::ExportAll);
  run.viewer.run(Command::ExportCase);
  Names captions;
  for (const std::string n : {"3", "1", "2", "2"})
    for (const std::string& caption :
         {" CASO:   00" + n + "   ", " SOLU:     " + n + " ", "00" + n + "   ", "    " + n})
      captions.push_back((captions.size() < 12 ? "busy " : "") + caption);
  EXPECT_EQ(run.platform.captions, captions);
  EXPECT_EQ(run.controls.messages.size(), 1u);
  EXPECT_EQ(run.written(), (Names{"S00001-001 .bmp", "S00002-002 .bmp", "S00003-003 .bmp",
                                  "caso001 .BMP", "caso002 .BMP", "caso003 .BMP"}));
}

// A record outside the data model, a record no longer in the file, a file no longer there: the
// batch ends with the loader's own message; nothing is written for that record or after it.
TEST(ExportAll, StopsAtARecordThatCannotBeShown) {
  const std::tuple<int, std::string, Names> cases[] = {
      {3,
       "El registro 2 del archivo %1 no es un caso valido: una fila tiene mas de 16 celdas (byte "
       "10 del registro).",
       {"S00001-001 .bmp", "caso001 .BMP"}},
      {1,
       "No se puede leer el registro 2 del archivo %1: el archivo termina antes del final de "
       "ese registro.",
       {"S00001-001 .bmp", "caso001 .BMP"}},
      {0, "No se puede leer el archivo %1: no se puede abrir (No such file or directory).", {}},
  };
  for (const auto& [recordsLeft, says, written] : cases) {
    ExportRun run({recordBytes(10, kCube, 1),
                   recordsLeft == 3 ? std::vector<std::uint8_t>(154, 0) : recordBytes(20, kCube, 2),
                   recordBytes(30, kCube, 3)});
    run.viewer.keyPressed(Key::Enter);
    if (recordsLeft == 0) std::filesystem::remove(run.file());
    if (recordsLeft == 1) test::writeFile(run.file(), recordBytes(10, kCube, 1));
    run.viewer.run(Command::ExportAll);
    EXPECT_EQ(run.controls.messages.size(), 2u);
    EXPECT_EQ(run.said(1), fillIn(says, {run.file().string()}));
    EXPECT_EQ(run.written(), written);
    EXPECT_EQ(run.platform.busy, 0);
  }
}

// Case images in any letter case, in name order, onto pages of 9 x 6 cells row by row; a page
// is written once it holds an image, numbered on through the run up to 99.
TEST(Pages, CellsPagesNumbersAndTheirLimits) {
  ExportRun run({recordBytes(1230, kCube, 240)});
  const auto name = [&](int n) {
    return run.work / ((n % 2 ? "CASO" : "caso") + std::to_string(100 + n) + ".bmp");
  };
  const auto images = [&](int first, int end) {  // written, one colour each; those colours
    std::vector<Rgb> colours;
    for (int n = first; n < end; ++n) {
      RasterSurface picture(143, 115);
      colours.push_back(Rgb{static_cast<std::uint8_t>(4 * n), 50, 77});
      picture.setColour(colours.back());
      for (int y = 0; y < 115; ++y)
        picture.line(0, y, 143, y);
      std::vector<std::uint8_t> bytes;
      run.platform.encodeBmp(picture, bytes);
      test::writeFile(name(n), bytes);
    }
    return colours;
  };
  // The colours of the cells of a page, row by row, leaving out white and mixed cells.
  const auto cells = [&](int page) {
    const RasterSurface* sheet = run.platform.pictureIn(
        run.work / ("vexo-pag" + std::to_string(100 + page).substr(1) + ".bmp"));
    std::vector<Rgb> colours;
    for (int n = 0; sheet != nullptr && n < 54; ++n) {
      const Rgb corner = sheet->pixel(n % 9 * 143, n / 9 * 115);
      if (corner != kWhite && corner == sheet->pixel(n % 9 * 143 + 142, n / 9 * 115 + 114))
        colours.push_back(corner);
    }
    return colours;
  };
  const auto compose = [&] {
    run.controls.messages.clear();
    run.viewer.run(Command::ComposePages);
    EXPECT_EQ(run.platform.busy, 0);
    return run.controls.messages.empty() ? std::string() : run.said(0);
  };

  EXPECT_EQ(compose(), "No se encontro ninguna imagen de caso (caso*.bmp) en la carpeta " +
                           run.work.path().string() + ": no se escribio ninguna pagina.");
  const std::vector<Rgb> full = images(0, 54), six = images(54, 60);
  test::writeFile(run.work / "caso999.bmp", {'x'});
  EXPECT_EQ(compose(),
            "No se pueden leer como imagen 1 archivo, que no entra en las paginas: "
            "caso999.bmp (ilegible).");
  EXPECT_EQ(cells(1), full);
  EXPECT_EQ(cells(2), six);  // on a white page

  for (int n = 54; n < 60; ++n)  // exactly 54 images fill one page; no empty page follows
    std::filesystem::remove(name(n));
  compose();
  EXPECT_EQ(cells(3), full);
  EXPECT_EQ(run.viewer.state().pageNumber, 3);

  std::filesystem::create_directory(run.work / "vexo-pag04.bmp");  // a page that cannot be written
  EXPECT_TRUE(compose().starts_with("No se puede escribir el archivo " +
                                    (run.work / "vexo-pag04.bmp").string() +
                                    ": no se puede poner en su sitio ("));
  EXPECT_TRUE(run.said(0).ends_with(". La composicion de paginas se detiene aqui."));
  EXPECT_EQ(run.viewer.state().pageNumber, 3);

  images(54, 60);
  run.viewer.state().pageNumber = 98;  // page names have two digits: 100 is refused
  EXPECT_TRUE(compose().starts_with(
      "No se puede escribir la pagina 100: los nombres de pagina solo tienen dos cifras, de "
      "vexo-pag01.bmp a vexo-pag99.bmp. Las paginas ya escritas quedan como estan;"));
  EXPECT_EQ(cells(99), full);
  EXPECT_EQ(run.viewer.state().pageNumber, 99);
}

// F1 and "Ayuda" show the help while the empty box is open, then the drawing and the case read
// again; a working folder that is gone is named with the reason once per click; Esc ends.
TEST(Export, HelpThenAnUnwritableWorkingFolder) {
  ExportRun run({recordBytes(1230, kCube, 240)}, /*besideProgram=*/true);
  run.viewer.keyPressed(Key::Enter);
  for (bool byKey : {true, false}) {
    run.controls.setText(Control::CaseLabel, "");
    byKey ? run.viewer.keyPressed(Key::F1) : run.viewer.run(Command::Help);
    const test::ShownMessage& box = run.controls.messages.back();
    EXPECT_EQ(run.controls.messages.size(), byKey ? 2u : 3u);
    EXPECT_TRUE(box.text.empty() && box.icon == MessageIcon::None && box.helpBoxVisible &&
                !box.figureViewVisible);
    EXPECT_TRUE(!run.visible(Control::HelpBox) && run.visible(Control::FigureView));
    EXPECT_EQ(run.text(Control::CaseLabel), " CASO:   123   ");
  }
  std::filesystem::remove_all(run.work.path());
  run.viewer.run(Command::ExportCase);
  run.viewer.run(Command::ExportAll);
  run.viewer.run(Command::ComposePages);
  const std::string cannot =
      "No se puede escribir el archivo " + (run.work / "caso123 .BMP").string() +
      ": no se puede crear el archivo temporal " + (run.work / ".caso123 .BMP.tmp").string() +
      " (No such file or directory).";
  EXPECT_EQ(run.controls.messages.size(), 6u);
  EXPECT_EQ(run.said(3), cannot);
  EXPECT_EQ(run.said(4), cannot + " La generacion de los BMP de todos los casos se detiene aqui.");
  EXPECT_EQ(run.said(5),
            "No se puede leer la carpeta " + run.work.path().string() + ": no existe.");
  run.viewer.keyPressed(Key::Escape);
  EXPECT_TRUE(run.controls.ended);
}

}  // namespace
}  // namespace vexolite
