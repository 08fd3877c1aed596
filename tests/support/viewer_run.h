// A viewer over a stand-in window and a case file of the test's own in a temporary folder.
// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <filesystem>
#include <vector>

#include "support/case_file_writer.h"
#include "support/fake_controls.h"
#include "viewer/viewer.h"

namespace vexolite::test {

struct ViewerRun {
  // No case file yet: the test makes one at file() and runs start itself.
  ViewerRun() = default;
  // Writes the records as VEXOLITE.DAT and runs start.
  explicit ViewerRun(const std::vector<std::vector<std::uint8_t>>& records) {
    writeFile(file(), caseFileBytes(records));
    viewer.start();
  }
  std::filesystem::path file() const { return work / "VEXOLITE.DAT"; }
  // The surface the window last showed for a picture box.
  const RasterSurface& shown(Control picture) const { return controls.lastPicture.at(picture); }
  int redraws() const { return controls.picturesShown[FakeControls::index(Control::FigureView)]; }
  bool enabled(Control c) const { return controls.enabled[FakeControls::index(c)]; }
  void check(Control c, bool on = true) { controls.checked[FakeControls::index(c)] = on; }
  bool pictureHas(Rgb colour) const {
    for (Rgb p : shown(Control::FigureView).pixels()) {
      if (p == colour) return true;
    }
    return false;
  }

  TempFolder work;
  FakeControls controls;
  Viewer viewer{controls, CaseFileSearch{work.path(), {}, {}}};
};

}  // namespace vexolite::test
