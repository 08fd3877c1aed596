// The desktop's pictures and files for a scenario the browser test plays on the page: the core
// over a stand-in window and the desktop's own export platform.
// SPDX-License-Identifier: MIT
//   page_reference CATALOGUE OUTDIR STEP...
// Steps: key:NAME (Enter, Right, End, PageDown, F1), typed:TEXT, press:X,Y, help:0 or help:1
// (without or with one piece), piece:N (the option of piece N, 1 to 7), export, pages. After
// step n it writes OUTDIR/n.rgb, the figure view's pixels (640 x 480, three bytes each, row by
// row); an export also writes OUTDIR/n.bmp, the case image as the desktop writes it, and pages
// every page the desktop wrote, under its own name.
#include <QApplication>
#include <cstdio>
#include <cstdlib>
#include <map>

#include "qt/qt_export_platform.h"
#include "support/viewer_run.h"

namespace vexolite::test {
namespace {

const std::map<std::string, Key> kKeys{{"Enter", Key::Enter},
                                       {"Right", Key::Right},
                                       {"End", Key::End},
                                       {"PageDown", Key::PageDown},
                                       {"F1", Key::F1}};

// One step; false for a step it does not know.
bool play(ViewerRun& run, const std::string& step) {
  const std::size_t colon = step.find(':');
  const std::string verb = step.substr(0, colon);
  const std::string argument = colon == std::string::npos ? "" : step.substr(colon + 1);
  const int number = std::atoi(argument.c_str());
  if (verb == "key" && kKeys.contains(argument)) {
    run.viewer.keyPressed(kKeys.at(argument));
  } else if (verb == "typed") {
    run.controls.texts[FakeControls::index(Control::CaseNumberBox)] = argument;
    run.viewer.caseNumberEdited();
  } else if (verb == "press") {
    run.viewer.pressOnView(number, std::atoi(argument.substr(argument.find(',') + 1).c_str()));
  } else if (verb == "help") {
    // Option buttons of one group exclude each other, as the window's do.
    run.check(Control::NoHelpOption, number == 0);
    run.check(Control::OnePieceHelpOption, number == 1);
    run.viewer.chooseHelp(number == 1);
  } else if (verb == "piece" && number >= 1 && number <= static_cast<int>(kPieceOptions.size())) {
    for (int n = 1; n <= static_cast<int>(kPieceOptions.size()); ++n)
      run.check(kPieceOptions[static_cast<std::size_t>(n - 1)], n == number);
    run.viewer.choosePiece(number);
  } else if (verb == "export" || verb == "pages") {
    run.viewer.buttonClicked(verb == "export" ? Command::ExportCase : Command::ComposePages);
  } else {
    return false;
  }
  return true;
}

}  // namespace
}  // namespace vexolite::test

int main(int argc, char* argv[]) {
  using namespace vexolite;
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  if (argc < 3) {
    std::fprintf(stderr, "usage: page_reference CATALOGUE OUTDIR STEP...\n");
    return 2;
  }
  const std::filesystem::path out = argv[2];
  test::ViewerRun run;
  std::filesystem::copy_file(argv[1], run.file());
  qt::QtExportPlatform platform;
  run.controls.platform = &platform;
  run.viewer.start();
  for (int n = 3; n < argc; ++n) {
    const std::string step = argv[n], stem = std::to_string(n - 3);
    if (!test::play(run, step)) {
      std::fprintf(stderr, "page_reference: unknown step %s\n", argv[n]);
      return 2;
    }
    std::vector<std::uint8_t> rgb;
    for (const Rgb& p : run.viewer.picture(Control::FigureView).pixels())
      rgb.insert(rgb.end(), {p.r, p.g, p.b});
    test::writeFile(out / (stem + ".rgb"), rgb);
    for (const auto& entry : std::filesystem::directory_iterator(run.work.path())) {
      const std::string name = entry.path().filename().string();
      if ((step == "export" && name.starts_with("caso")) ||
          (step == "pages" && name.starts_with("vexo-pag"))) {
        std::filesystem::copy_file(entry.path(), out / (step == "export" ? stem + ".bmp" : name),
                                   std::filesystem::copy_options::overwrite_existing);
      }
    }
  }
  return 0;
}
