// The tests' stand-in window, made cheap for fuzzing: shown pictures are counted, not copied.
// SPDX-License-Identifier: MIT
#pragma once

#include "support/fake_controls.h"

namespace vexolite::fuzz {

// Each redraw shows whole surfaces; keeping a copy of every one would cost more than drawing.
class QuietControls : public test::FakeControls {
 public:
  void showPicture(Control c, const RasterSurface&) override { ++picturesShown[index(c)]; }
};

}  // namespace vexolite::fuzz
