// The desktop's pictures and files for a scenario the browser test plays on the page: the core
// over a stand-in window and the desktop's own export platform.
// SPDX-License-Identifier: MIT
//   page_reference CATALOGUE OUTDIR STEP...
// Steps: key:NAME (Enter, Right, End, PageDown, F1, ...), typed:TEXT, press:X,Y,
// choose:CONTROL (OnePieceHelpOption, PieceT, ...), export, pages. After step n it writes
// OUTDIR/n.rgb, the figure view's pixels (640 x 480, three bytes each, row by row); an export
// also writes OUTDIR/n.bmp, the case image as the desktop writes it, and pages every page the
// desktop wrote, under its own name.
#include <QApplication>
#include <cstdio>
#include <fstream>
#include <map>

#include "qt/qt_export_platform.h"
#include "support/viewer_run.h"

namespace vexolite::test {
namespace {

const std::map<std::string, Key> kKeys{
    {"Enter", Key::Enter}, {"Right", Key::Right},     {"Left", Key::Left},
    {"Up", Key::Up},       {"Down", Key::Down},       {"Home", Key::Home},
    {"End", Key::End},     {"PageUp", Key::PageUp},   {"PageDown", Key::PageDown},
    {"F1", Key::F1},       {"Plus", Key::KeypadPlus}, {"Minus", Key::KeypadMinus},
};

std::optional<Control> controlNamed(const std::string& name) {
  const std::map<std::string, Control> options{{"NoHelpOption", Control::NoHelpOption},
                                               {"OnePieceHelpOption", Control::OnePieceHelpOption},
                                               {"PieceV", Control::PieceV},
                                               {"PieceL", Control::PieceL},
                                               {"PieceT", Control::PieceT},
                                               {"PieceZ", Control::PieceZ},
                                               {"PieceRightScrew", Control::PieceRightScrew},
                                               {"PieceLeftScrew", Control::PieceLeftScrew},
                                               {"PieceTripod", Control::PieceTripod}};
  const auto found = options.find(name);
  if (found == options.end()) return std::nullopt;
  return found->second;
}

void writeBytes(const std::filesystem::path& file, const std::vector<std::uint8_t>& bytes) {
  std::ofstream out(file, std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
}

// One step; false for a step it does not know.
bool play(ViewerRun& run, const std::string& step) {
  const std::size_t colon = step.find(':');
  const std::string verb = step.substr(0, colon);
  const std::string argument = colon == std::string::npos ? "" : step.substr(colon + 1);
  if (verb == "key" && kKeys.contains(argument)) {
    run.viewer.keyPressed(kKeys.at(argument));
  } else if (verb == "typed") {
    run.controls.texts[FakeControls::index(Control::CaseNumberBox)] = argument;
    run.viewer.caseNumberEdited();
  } else if (verb == "press") {
    const std::size_t comma = argument.find(',');
    run.viewer.pressOnView(std::stod(argument.substr(0, comma)),
                           std::stod(argument.substr(comma + 1)));
  } else if (verb == "choose" && controlNamed(argument)) {
    // Option buttons of one group exclude each other, as the window's do.
    const Control option = *controlNamed(argument);
    const bool help = option == Control::NoHelpOption || option == Control::OnePieceHelpOption;
    for (Control other :
         help ? std::vector<Control>{Control::NoHelpOption, Control::OnePieceHelpOption}
              : std::vector<Control>(kPieceOptions.begin(), kPieceOptions.end())) {
      run.check(other, other == option);
    }
    if (help) {
      run.viewer.chooseHelp(option == Control::OnePieceHelpOption);
    } else {
      run.viewer.choosePiece(
          static_cast<int>(std::find(kPieceOptions.begin(), kPieceOptions.end(), option) -
                           kPieceOptions.begin()) +
          1);
    }
  } else if (verb == "export") {
    run.viewer.buttonClicked(Command::ExportCase);
  } else if (verb == "pages") {
    run.viewer.buttonClicked(Command::ComposePages);
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
    if (!test::play(run, argv[n])) {
      std::fprintf(stderr, "page_reference: unknown step %s\n", argv[n]);
      return 2;
    }
    const std::string stem = std::to_string(n - 3);
    std::vector<std::uint8_t> rgb;
    for (const Rgb& p : run.viewer.picture(Control::FigureView).pixels()) {
      rgb.insert(rgb.end(), {p.r, p.g, p.b});
    }
    test::writeBytes(out / (stem + ".rgb"), rgb);
    for (const auto& entry : std::filesystem::directory_iterator(run.work.path())) {
      const std::string name = entry.path().filename().string();
      const auto copy = [&](const std::filesystem::path& to) {
        std::filesystem::copy_file(entry.path(), to,
                                   std::filesystem::copy_options::overwrite_existing);
      };
      if (std::string(argv[n]) == "export" && name.starts_with("caso")) copy(out / (stem + ".bmp"));
      if (std::string(argv[n]) == "pages" && name.starts_with("vexo-pag")) copy(out / name);
    }
  }
  return 0;
}
