// The image export over an in-memory stand-in for the toolkit: the case image, the batch, pages.
// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "export/export_platform.h"
#include "support/pixel_model.h"
#include "support/viewer_run.h"

namespace vexolite {
namespace {

using test::andOf;
using test::pixelOrWhite;
using test::recordBytes;
using Names = std::vector<std::string>;

const std::string kCube = test::figureDigits({"111/222/333", "444/555/666", "777/777/777"});

// A caption inks a pattern of its own per character in the cell (7n .. 7n+5, 0 .. 12), in a
// colour that is not black, so that AND can be told from copying.
void ink(const std::string& text, RasterSurface& surface) {
  surface.setColour(Rgb{96, 160, 48});
  for (std::size_t n = 0; n < text.size(); ++n) {
    for (int row = 0; row < 13; ++row) {
      if ((static_cast<unsigned char>(text[n]) >> (row % 7) & 1) != 0)
        surface.plot(static_cast<int>(7 * n) + row % 6, row);
    }
  }
}
RasterSurface inked(const std::string& text) {
  RasterSurface surface(640, 480);
  ink(text, surface);
  return surface;
}

// The toolkit's side in memory: a bitmap file holds the number of the picture it encodes.
struct MemoryExport : ExportPlatform {
  void renderText(const std::string& text, RasterSurface& surface) override {
    captions.push_back((busy > 0 ? "busy " : "") + text);
    ink(text, surface);
  }
  std::optional<std::string> encodeBmp(const RasterSurface& surface,
                                       std::vector<std::uint8_t>& bytes) override {
    const std::string number = std::to_string(pictures.size());
    pictures.push_back(surface);
    bytes.assign(number.begin(), number.end());
    return std::nullopt;
  }
  std::optional<std::string> loadPicture(const std::filesystem::path& file,
                                         RasterSurface& surface) override {
    if (pictureIn(file) == nullptr) return "ilegible";
    surface.andCopy(*pictureIn(file), 0, 0);
    return std::nullopt;
  }
  std::optional<std::string> listFiles(const std::filesystem::path& folder,
                                       std::vector<std::string>& names) override {
    std::error_code error;
    for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end;
         it.increment(error))
      names.push_back(it->path().filename().string());
    return error ? std::optional<std::string>("no existe") : std::nullopt;
  }
  void setBusy(bool on) override { busy += on ? 1 : -1; }

  const RasterSurface* pictureIn(const std::filesystem::path& file) const {
    const std::vector<std::uint8_t> bytes = test::readFile(file);
    const std::size_t n = bytes.empty() || bytes[0] == 'x'
                              ? pictures.size()
                              : std::stoul(std::string(bytes.begin(), bytes.end()));
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
  const std::vector<test::ShownMessage>& messages() const { return controls.messages; }
  MemoryExport platform;
};

// The image: the view's corner, the case and solution texts and the plan combined by AND,
// inside a black border; the labels stamped on the view until the next redraw.
TEST(CaseImage, EveryPixelIsTheAndOfViewTextsAndPlanInsideABlackBorder) {
  ExportRun run({recordBytes(1230, kCube, 240)});
  run.viewer.run(Command::ExportCase);
  ASSERT_EQ(run.messages().size(), 2u);
  EXPECT_EQ(run.messages()[1].text,
            "Todavia no hay ningun caso dibujado: pulsar enter para dibujar uno antes de generar "
            "su BMP.");
  run.viewer.keyPressed(Key::Enter);
  run.viewer.keyPressed(Key::KeypadPlus);  // at zoom 1.5 the shades reach under the texts
  run.viewer.keyPressed(Key::KeypadPlus);
  const RasterSurface view = run.shown(Control::FigureView), plan = run.shown(Control::PlanSurface);
  test::writeFile(run.work / ".caso123 .BMP.tmp", {});  // left by a run that ended half-way
  run.viewer.run(Command::ExportCase);
  EXPECT_EQ(run.messages().size(), 2u);
  EXPECT_EQ(run.platform.captions, (Names{" CASO:   123   ", " SOLU:   240 ", "123   ", "  240"}));
  ASSERT_EQ(run.written(), (Names{"S00240-123 .bmp", "caso123 .BMP"}));
  EXPECT_EQ(test::readFile(run.work / "caso123 .BMP"),
            test::readFile(run.work / "S00240-123 .bmp"));
  const RasterSurface& image = *run.platform.pictureIn(run.work / "caso123 .BMP");
  const RasterSurface &caseText = inked("123   "), solutionText = inked("  240");
  int wrong = 0, andOnColour = 0;
  for (int y = 0; y < 115; ++y) {
    for (int x = 0; x < 143; ++x) {
      const Rgb under = x >= 1 && y >= 1 ? view.pixel(x, y) : kWhite;
      const Rgb over = andOf(andOf(pixelOrWhite(caseText, x - 102, y + 3),
                                   pixelOrWhite(solutionText, x - 102, y - 11)),
                             pixelOrWhite(plan, x - 1, y - 1));
      const Rgb expected = x == 142 || y == 114 ? kBlack : andOf(under, over);
      wrong += image.pixel(x, y) != expected;
      andOnColour += expected != under && expected != over;
    }
  }
  EXPECT_EQ(wrong, 0);
  EXPECT_GT(andOnColour, 50);
  const RasterSurface &caseLabel = inked(" CASO:   123   "), solutionLabel = inked(" SOLU:   240 ");
  for (int y = 0; y < 480; ++y) {
    for (int x = 0; x < 640; ++x)
      wrong += run.shown(Control::FigureView).pixel(x, y) !=
               andOf(andOf(view.pixel(x, y), pixelOrWhite(caseLabel, x - 540, y - 1)),
                     pixelOrWhite(solutionLabel, x - 540, y - 15));
  }
  EXPECT_EQ(wrong, 0);
  run.viewer.keyPressed(Key::Enter);
  EXPECT_EQ(run.shown(Control::FigureView), view);
}

// Record 2 of three shown: the batch exports records 3, 1 and 2 under the wait cursor and ends
// showing record 2 again; the single export has no wait cursor of its own.
TEST(ExportAll, EveryRecordOnceInSolutionOrderUnderTheWaitCursor) {
  ExportRun run({recordBytes(10, kCube, 1), recordBytes(20, kCube, 2), recordBytes(30, kCube, 3)});
  run.viewer.keyPressed(Key::Enter);
  run.viewer.keyPressed(Key::PageUp);
  run.viewer.run(Command::ExportAll);
  Names captions;
  for (const std::string n : {"3", "1", "2"}) {
    for (const std::string& caption :
         {" CASO:   00" + n + "   ", " SOLU:     " + n + " ", "00" + n + "   ", "    " + n})
      captions.push_back("busy " + caption);
  }
  EXPECT_EQ(run.platform.captions, captions);
  EXPECT_EQ(run.messages().size(), 1u);
  EXPECT_EQ(run.text(Control::CaseLabel), " CASO:   002   ");
  EXPECT_EQ(run.written(), (Names{"S00001-001 .bmp", "S00002-002 .bmp", "S00003-003 .bmp",
                                  "caso001 .BMP", "caso002 .BMP", "caso003 .BMP"}));
  EXPECT_EQ(test::readFile(run.work / "caso003 .BMP"),
            test::readFile(run.work / "S00003-003 .bmp"));
  run.viewer.run(Command::ExportCase);
  EXPECT_EQ(run.platform.captions.back(), "    2");
  EXPECT_EQ(run.platform.busy, 0);
}

// A record outside the data model, a record no longer in the file, a file no longer there: the
// batch ends with the loader's own message; nothing is written for that record or after it.
TEST(ExportAll, StopsAtARecordThatCannotBeShown) {
  const std::tuple<int, std::string, Names> cases[] = {
      {3, "El registro 2 del archivo ", {"S00001-001 .bmp", "caso001 .BMP"}},
      {1, "No se puede leer el registro 2 del archivo ", {"S00001-001 .bmp", "caso001 .BMP"}},
      {0, "No se puede leer el archivo ", {}},
  };
  for (const auto& [recordsLeft, says, written] : cases) {
    ExportRun run({recordBytes(10, kCube, 1),
                   recordsLeft == 3 ? std::vector<std::uint8_t>(154, 0) : recordBytes(20, kCube, 2),
                   recordBytes(30, kCube, 3)});
    run.viewer.keyPressed(Key::Enter);
    if (recordsLeft == 0) std::filesystem::remove(run.file());
    if (recordsLeft == 1) test::writeFile(run.file(), recordBytes(10, kCube, 1));
    run.viewer.run(Command::ExportAll);
    ASSERT_EQ(run.messages().size(), 2u) << says;
    EXPECT_TRUE(run.messages()[1].text.starts_with(says + run.file().string()));
    EXPECT_EQ(run.written(), written) << says;
    EXPECT_EQ(run.platform.busy, 0);
  }
}

TEST(Export, AnUnwritableWorkingFolderIsNamedWithTheReasonOnce) {
  ExportRun run({recordBytes(1230, kCube, 240)}, /*besideProgram=*/true);
  run.viewer.keyPressed(Key::Enter);
  std::filesystem::remove_all(run.work.path());
  run.viewer.run(Command::ExportCase);
  run.viewer.run(Command::ExportAll);
  run.viewer.run(Command::ComposePages);
  const std::string cannot =
      "No se puede escribir el archivo " + (run.work / "caso123 .BMP").string() +
      ": no se puede crear el archivo temporal " + (run.work / ".caso123 .BMP.tmp").string() +
      " (No such file or directory).";
  ASSERT_EQ(run.messages().size(), 4u);
  EXPECT_EQ(run.messages()[1].text, cannot);
  EXPECT_EQ(run.messages()[2].text,
            cannot + " La generacion de los BMP de todos los casos se detiene aqui.");
  EXPECT_EQ(run.messages()[3].text,
            "No se puede leer la carpeta " + run.work.path().string() + ": no existe.");
}

// Case images in any letter case, in name order, onto pages of 9 x 6 cells row by row; a page
// is written once it holds an image, numbered on through the run up to 99.
TEST(Pages, CellsPagesNumbersAndTheirLimits) {
  ExportRun run({recordBytes(1230, kCube, 240)});
  const auto colour = [](int n) {
    return Rgb{static_cast<std::uint8_t>(n * 53 % 200), static_cast<std::uint8_t>(n * 97 % 200),
               static_cast<std::uint8_t>(n * 31 % 200 + 50)};
  };
  const auto image = [&](int n) {  // a smaller picture for image 2
    RasterSurface picture(n == 2 ? 50 : 143, n == 2 ? 40 : 115);
    picture.setColour(colour(n));
    for (int y = 0; y < picture.height(); ++y)
      picture.line(0, y, picture.width(), y);
    std::vector<std::uint8_t> bytes;
    run.platform.encodeBmp(picture, bytes);
    test::writeFile(run.work / ((n % 2 ? "CASO" : "caso") + std::to_string(100 + n) + ".bmp"),
                    bytes);
  };
  // The colours of the cells of page `page`, row by row, as far as they are not white.
  const auto cells = [&](int page) {
    const std::string number = std::to_string(100 + page).substr(1);
    const RasterSurface* sheet = run.platform.pictureIn(run.work / ("vexo-pag" + number + ".bmp"));
    std::vector<Rgb> colours;
    for (int n = 0; sheet != nullptr && n < 54; ++n) {
      const Rgb corner = sheet->pixel(n % 9 * 143, n / 9 * 115);
      if (corner != kWhite && corner == sheet->pixel(n % 9 * 143 + 142, n / 9 * 115 + 114))
        colours.push_back(corner);
    }
    return colours;
  };
  const auto images = [&](int first, int count) {
    std::vector<Rgb> colours;
    for (int n = first; n < first + count; ++n)
      if (n != 2) colours.push_back(colour(n));
    return colours;
  };
  const auto compose = [&] {
    run.controls.messages.clear();
    run.viewer.run(Command::ComposePages);
    EXPECT_EQ(run.platform.busy, 0);
    return run.controls.messages.empty() ? std::string() : run.controls.messages.back().text;
  };

  EXPECT_EQ(compose(), "No se encontro ninguna imagen de caso (caso*.bmp) en la carpeta " +
                           run.work.path().string() + ": no se escribio ninguna pagina.");
  for (int n = 0; n < 60; ++n)
    image(n);
  test::writeFile(run.work / "caso999.bmp", {'x'});
  EXPECT_EQ(compose(),
            "No se pueden leer como imagen 1 archivo, que no entra en las paginas: caso999.bmp "
            "(ilegible).");
  EXPECT_EQ(cells(1), images(0, 54));
  const RasterSurface& first = *run.platform.pictureIn(run.work / "vexo-pag01.bmp");
  EXPECT_EQ(first.pixel(286 + 49, 39), colour(2));  // the smaller picture on white
  EXPECT_EQ(first.pixel(286 + 50, 40), kWhite);
  EXPECT_EQ(cells(2), images(54, 6));  // and on a white page: the rest is white

  for (int n = 54; n < 61; ++n)  // exactly 54 images fill one page; no empty page follows
    std::filesystem::remove(run.work /
                            ((n % 2 ? "CASO" : "caso") + std::to_string(100 + n) + ".bmp"));
  std::filesystem::remove(run.work / "caso999.bmp");
  EXPECT_EQ(compose(), "");
  EXPECT_EQ(cells(3), images(0, 54));
  EXPECT_EQ(run.viewer.state().pageNumber, 3);

  std::filesystem::create_directory(run.work / "vexo-pag04.bmp");  // a page that cannot be written
  EXPECT_TRUE(compose().starts_with("No se puede escribir el archivo " +
                                    (run.work / "vexo-pag04.bmp").string() +
                                    ": no se puede poner en su sitio ("));
  EXPECT_TRUE(
      run.controls.messages[0].text.ends_with(". La composicion de paginas se detiene aqui."));
  EXPECT_EQ(run.viewer.state().pageNumber, 3);

  for (int n = 54; n < 60; ++n)
    image(n);
  run.viewer.state().pageNumber = 98;  // page names have two digits: 100 is refused, each time
  for (int click = 0; click < 2; ++click) {
    EXPECT_EQ(compose(),
              "No se puede escribir la pagina 100: los nombres de pagina solo tienen dos cifras, "
              "de vexo-pag01.bmp a vexo-pag99.bmp. Las paginas ya escritas quedan como estan; "
              "para empezar de nuevo por vexo-pag01.bmp hay que cerrar el programa y volver a "
              "abrirlo.");
    EXPECT_EQ(run.controls.messages[0].icon, MessageIcon::Critical);
    EXPECT_EQ(cells(99), images(0, 54));
    EXPECT_EQ(run.viewer.state().pageNumber, 99);
  }
}

// F1 and "Ayuda" show the help over the drawing while the empty box is open, then the drawing
// and the case read again; Esc ends the program.
TEST(Help, ShowsTheHelpWhileTheBoxIsOpenThenTheCaseAgain) {
  test::ViewerRun run({recordBytes(1230, kCube, 240)});
  run.viewer.keyPressed(Key::Enter);
  for (bool byKey : {true, false}) {
    run.controls.setText(Control::CaseLabel, "");
    byKey ? run.viewer.keyPressed(Key::F1) : run.viewer.run(Command::Help);
    ASSERT_EQ(run.controls.messages.size(), byKey ? 2u : 3u);
    const test::ShownMessage& box = run.controls.messages.back();
    EXPECT_EQ(box.text + (box.icon == MessageIcon::None ? "" : "an icon"), "");
    EXPECT_TRUE(box.helpBoxVisible && !box.figureViewVisible);
    EXPECT_TRUE(!run.visible(Control::HelpBox) && run.visible(Control::FigureView));
    EXPECT_EQ(run.text(Control::CaseLabel), " CASO:   123   ");
  }
  run.viewer.keyPressed(Key::Escape);
  EXPECT_TRUE(run.controls.ended);
}

}  // namespace
}  // namespace vexolite
