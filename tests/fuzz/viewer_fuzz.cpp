// Fuzz target: a case file, then what a person does with it. Bytes 0 and 1 give the file's length
// (low byte first), then the file; each byte after it is one action on the viewer's event entries.
// SPDX-License-Identifier: MIT
#include <QGuiApplication>
#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "case_library/figure.h"
#include "case_library/record_format.h"
#include "qt/qt_export_platform.h"
#include "support/case_file_writer.h"
#include "support/fake_controls.h"
#include "viewer/keys.h"
#include "viewer/viewer.h"

namespace {

using namespace vexolite;

constexpr std::size_t kMostActions = 128;  // keeps one input quick; every Enter draws a figure

// The actions. Bytes from 0x80 up press the keys in the order of Key (Enter, Esc, ... F1, then a
// key outside the command table); other bytes not listed are typed into CaseNumberBox.
constexpr std::uint8_t kPaste = 0x01;         // then n: the n % 16 raw bytes after it are pasted
constexpr std::uint8_t kComposePages = 0x02;  // the rest is the image file "caso001 .bmp"
constexpr std::uint8_t kClickPlan = 0x03;     // a click on every square of the plan, each redrawn
constexpr std::uint8_t kChooseHelp = 0x04;    // then p: help with piece p % 8, 0 for none
constexpr std::uint8_t kExportCase = 0x05;    // "BMP": the shown case's image, both names

// The stand-in window with the real Qt side of the export (captions, BMP reading and writing), one
// per process as in the real window; shown pictures are counted: a copy costs more than drawing.
class FuzzControls : public test::FakeControls {
 public:
  FuzzControls() {
    static qt::QtExportPlatform qtPlatform;
    platform = &qtPlatform;
  }
  void showPicture(Control c, const RasterSurface&) override { ++picturesShown[index(c)]; }
};

// Text typed or pasted at the end of CaseNumberBox; the box's change handler runs on the result.
void typeInBox(Viewer& viewer, FuzzControls& controls, const std::string& typed) {
  if (typed.empty()) return;  // no change, no handler
  controls.setText(Control::CaseNumberBox, controls.text(Control::CaseNumberBox) + typed);
  viewer.caseNumberEdited();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // Text and images need a GUI application; the offscreen platform needs no display.
  static int argc = (setenv("QT_QPA_PLATFORM", "offscreen", 0), 1);
  static char* argv[] = {const_cast<char*>("viewer_fuzz"), nullptr};
  static const QGuiApplication app(argc, argv);
  static const test::TempFolder folder;  // emptied for every input
  for (const auto& entry : std::filesystem::directory_iterator(folder.path()))
    std::filesystem::remove(entry.path());
  const std::size_t head = std::min<std::size_t>(size, 2);
  const std::size_t length =
      std::min<std::size_t>(head < 2 ? 0 : data[0] | data[1] << 8, size - head);
  test::writeFile(folder / kCaseFileName, {data + head, data + head + length});
  const std::uint8_t* action = data + head + length;
  const std::uint8_t* end = action + std::min(size - head - length, kMostActions);

  // On the heap: the viewer holds its picture surfaces.
  const auto controls = std::make_unique<FuzzControls>();
  const auto viewer = std::make_unique<Viewer>(*controls, CaseFileSearch{folder.path(), {}, {}});
  viewer->start();
  for (; action < end && !controls->ended; ++action) {
    const std::uint8_t byte = *action;
    const std::size_t after = static_cast<std::size_t>(end - action - 1);
    if (byte == kPaste && after > 0) {
      const std::size_t n = std::min<std::size_t>(action[1] % 16, after - 1);
      typeInBox(*viewer, *controls, std::string(reinterpret_cast<const char*>(action + 2), n));
      action += 1 + n;
    } else if (byte == kComposePages) {
      test::writeFile(folder / "caso001 .bmp", {action + 1, data + size});
      viewer->run(Command::ComposePages);
      break;
    } else if (byte == kClickPlan) {  // where the last drawing put the squares, 6 pixels across
      for (const auto& cube : viewer->state().figure.cubes)
        viewer->pressOnView(cube[kSquareXColumn] + 2.5, cube[kSquareYColumn] + 2.5);
    } else if (byte == kChooseHelp && after > 0) {
      const int piece = *++action % (kPieceCount + 1);  // checked as a person would
      controls->setChecked(Control::OnePieceHelpOption, piece != 0);
      viewer->chooseHelp(piece != 0);
      if (piece != 0)
        controls->setChecked(kPieceOptions[static_cast<std::size_t>(piece - 1)], true);
      viewer->choosePiece(piece);  // the viewer ignores piece 0
    } else if (byte == kExportCase) {
      viewer->run(Command::ExportCase);
    } else if (byte >= 0x80) {  // to the window first; keypad plus and minus reach the box too
      const auto key = static_cast<Key>((byte - 0x80) % (static_cast<int>(Key::Other) + 1));
      viewer->keyPressed(key);
      if (!controls->ended && keyReachesFocusedControl(key))
        typeInBox(*viewer, *controls, key == Key::KeypadPlus ? "+" : "-");
    } else if (byte != 0) {  // outside the command table: the character goes into the box
      typeInBox(*viewer, *controls, std::string(1, static_cast<char>(byte)));
    }
  }
  return 0;
}
