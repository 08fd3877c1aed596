// Fuzz target: the input is the whole case file; every record is drawn, its cubes hidden one by
// one, turned, zoomed and stepped from, through the viewer's own event entry points.
// SPDX-License-Identifier: MIT
#include <algorithm>
#include <array>
#include <filesystem>
#include <fstream>
#include <memory>

#include "case_library/figure.h"
#include "case_library/record_format.h"
#include "fuzz_entry.h"
#include "quiet_controls.h"
#include "support/case_file_writer.h"
#include "viewer/keys.h"
#include "viewer/viewer.h"

namespace {

using namespace vexolite;

// Records beyond this many are read by the steps and the search but not each drawn in turn, so
// that one input stays quick.
constexpr int kMostRecordsDrawn = 64;

// After Enter has drawn a record: the four turns, zoom out and in, then the steps by solutions
// and by case number, each of which loads and draws another record.
constexpr std::array kKeysAfterDrawing{
    Key::Left,       Key::Up,     Key::Right,    Key::Down, Key::KeypadMinus,
    Key::KeypadPlus, Key::PageUp, Key::PageDown, Key::Home, Key::End,
};

// One folder for the whole process; the case file in it is replaced by every input.
const std::filesystem::path& workFolder() {
  static const test::TempFolder folder;
  return folder.path();
}

void writeCaseFile(const std::filesystem::path& path, const std::uint8_t* data, std::size_t size) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
}

// One click inside every cube's square of the schematic, in cube order (rows past the figure's
// cubes may hold squares of an earlier case), each of which hides its cube and redraws the whole
// picture; the turns and zoom steps that follow then draw the hidden cubes. The squares are where
// the last drawing put them (the cubelet table's square columns), 6 pixels across.
void clickEverySchematicSquare(Viewer& viewer) {
  for (int n = 1; n <= kMaxCubes; ++n) {
    const auto& cube = viewer.state().figure.cubes[static_cast<std::size_t>(n)];
    viewer.pressOnView(cube[kSquareXColumn] + 2.5, cube[kSquareYColumn] + 2.5);
  }
}

// The help choice follows from the input's length, so that every one of them is drawn: no help,
// or help with piece 1 to 7 (OnePieceHelpOption, then the piece's option).
void chooseHelp(Viewer& viewer, std::size_t inputSize) {
  const int piece = static_cast<int>(inputSize % (kPieceCount + 1));
  if (piece == 0) return;
  viewer.chooseHelp(true);
  viewer.choosePiece(piece);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::filesystem::path& folder = workFolder();
  writeCaseFile(folder / kCaseFileName, data, size);

  // On the heap: the viewer holds its picture surfaces.
  const auto controls = std::make_unique<fuzz::QuietControls>();
  const auto viewer = std::make_unique<Viewer>(*controls, CaseFileSearch{folder, {}, {}});
  viewer->start();
  chooseHelp(*viewer, size);
  // A file without a whole record still gets one round of keys: each must only say so.
  const int records = std::max(
      1, static_cast<int>(std::min(viewer->state().catalogue.recordCount, int{kMostRecordsDrawn})));
  for (int record = 1; record <= records; ++record) {
    viewer->state().catalogue.currentRecord = record;
    viewer->keyPressed(Key::Enter);
    clickEverySchematicSquare(*viewer);
    for (const Key key : kKeysAfterDrawing)
      viewer->keyPressed(key);
  }
  return 0;
}
