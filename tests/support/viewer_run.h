// A viewer over a stand-in window and a case file of the test's own in a temporary folder.
// SPDX-License-Identifier: MIT
#pragma once

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <vector>

#include "support/case_file_writer.h"
#include "support/fake_controls.h"
#include "viewer/viewer.h"

namespace vexolite::test {

using Records = std::vector<std::vector<std::uint8_t>>;

struct ViewerRun {
  // No case file yet: the test makes one at file() and runs start itself.
  ViewerRun() = default;
  // Writes the records as VEXOLITE.DAT, in the working folder or beside the program, and starts.
  explicit ViewerRun(const Records& records, bool besideProgram = false) {
    writeFile((besideProgram ? program : work) / "VEXOLITE.DAT", caseFileBytes(records));
    viewer.start();
  }
  std::filesystem::path file() const { return work / "VEXOLITE.DAT"; }
  // The surface the window last showed for a picture box.
  const RasterSurface& shown(Control picture) const { return controls.lastPicture.at(picture); }
  bool enabled(Control c) const { return controls.enabled[FakeControls::index(c)]; }
  bool visible(Control c) const { return controls.visible[FakeControls::index(c)]; }
  std::string text(Control c) const { return controls.text(c); }
  void check(Control c, bool on = true) { controls.checked[FakeControls::index(c)] = on; }
  bool pictureHas(Rgb colour) const {
    const std::vector<Rgb>& pixels = shown(Control::FigureView).pixels();
    return std::find(pixels.begin(), pixels.end(), colour) != pixels.end();
  }

  TempFolder work, program;
  FakeControls controls;
  Viewer viewer{controls, CaseFileSearch{work.path(), program.path(), {}}};
};

}  // namespace vexolite::test
