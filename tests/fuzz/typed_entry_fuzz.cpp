// Fuzz target: the input is a run of keystrokes on a small catalogue; typed characters go into
// the case-number box CaseNumberBox as the window would put them there, the keys of the command
// table to the viewer. A byte 0x01 pastes the raw bytes after it (as many as the next byte says, up
// to 15), so that any script, and bytes that are no UTF-8 at all, reach the box through the
// stand-in window.
// SPDX-License-Identifier: MIT
#include <algorithm>
#include <array>
#include <filesystem>
#include <memory>
#include <string>

#include "case_library/record_format.h"
#include "fuzz_entry.h"
#include "quiet_controls.h"
#include "support/case_file_writer.h"
#include "viewer/keys.h"
#include "viewer/viewer.h"

namespace {

using namespace vexolite;

constexpr std::size_t kMostKeystrokes = 128;  // keeps one input quick; every digit searches

constexpr std::uint8_t kPasteByte = 0x01;
constexpr std::uint8_t kBackspaceByte = 0x08;
constexpr std::uint8_t kEnterByte = 0x0d;
constexpr std::uint8_t kEscapeByte = 0x1b;
constexpr std::uint8_t kDeleteByte = 0x7f;

// Bytes from 0x80 up press these keys, in turn.
constexpr std::array kTableKeys{
    Key::Enter, Key::PageUp, Key::PageDown, Key::End,        Key::Home,        Key::Left,
    Key::Up,    Key::Right,  Key::Down,     Key::KeypadPlus, Key::KeypadMinus, Key::F1,
};

// A catalogue in ascending order of solutions with decimal cases, neighbouring case numbers, a
// case whose number equals the record count, and case 705; written once for the process.
const std::filesystem::path& catalogueFolder() {
  static const test::TempFolder folder;
  static const bool written = [] {
    const std::string cube = test::figureDigits({"123/456/712", "123/456/712", "123/456/712"});
    const std::string slab = test::figureDigits({"1122/3344/5566/7777"});
    const std::string apart =
        test::figureDigits({"11022203330440/1002000030004400", "", "66055007700/60050007"});
    const std::string tower = test::figureDigits({"12", "34", "56", "7"});
    test::writeFile(folder / kCaseFileName, test::caseFileBytes({
                                                test::recordBytes(50, tower, 0),
                                                test::recordBytes(70, slab, 3),
                                                test::recordBytes(120, cube, 3),
                                                test::recordBytes(123, slab, 12),
                                                test::recordBytes(1231, tower, 12),
                                                test::recordBytes(7040, cube, 240),
                                                test::recordBytes(7050, apart, 32767),
                                            }));
    return true;
  }();
  (void)written;
  return folder.path();
}

// The text of CaseNumberBox after an edit, as the box makes it; its change handler runs on it.
void editCaseNumberBox(Viewer& viewer, fuzz::QuietControls& controls, const std::string& text) {
  if (text == controls.text(Control::CaseNumberBox)) return;  // no change, no handler
  controls.setText(Control::CaseNumberBox, text);
  viewer.caseNumberEdited();  // the viewer's own changes of the text run it again themselves
}

// A key of the table goes to the window first; keypad plus and minus then reach the box too.
void press(Viewer& viewer, fuzz::QuietControls& controls, Key key) {
  viewer.keyPressed(key);
  if (controls.ended || !keyReachesFocusedControl(key)) return;
  const char typed = key == Key::KeypadPlus ? '+' : '-';
  editCaseNumberBox(viewer, controls, controls.text(Control::CaseNumberBox) + typed);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::filesystem::path& folder = catalogueFolder();
  const auto controls = std::make_unique<fuzz::QuietControls>();
  const auto viewer = std::make_unique<Viewer>(*controls, CaseFileSearch{folder, {}, {}});
  viewer->start();
  viewer->keyPressed(Key::Enter);

  for (std::size_t n = 0; n < size && n < kMostKeystrokes && !controls->ended; ++n) {
    const std::uint8_t byte = data[n];
    if (byte == kPasteByte && n + 1 < size) {
      const std::size_t length = std::min<std::size_t>(data[n + 1] % 16, size - n - 2);
      const std::string pasted(reinterpret_cast<const char*>(data + n + 2), length);
      controls->setText(Control::CaseNumberBox, controls->text(Control::CaseNumberBox) + pasted);
      viewer->caseNumberEdited();
      n += 1 + length;
    } else if (byte >= 0x80) {
      press(*viewer, *controls, kTableKeys[(byte - 0x80u) % kTableKeys.size()]);
    } else if (byte == kEnterByte) {
      press(*viewer, *controls, Key::Enter);
    } else if (byte == kEscapeByte) {
      press(*viewer, *controls, Key::Escape);
    } else if (byte == kBackspaceByte) {
      std::string text = controls->text(Control::CaseNumberBox);
      if (!text.empty()) text.pop_back();
      editCaseNumberBox(*viewer, *controls, text);
    } else if (byte == kDeleteByte) {  // the whole text selected, then deleted
      editCaseNumberBox(*viewer, *controls, "");
    } else if (byte != 0) {  // a zero byte types nothing
      // Any other key is outside the command table: its character goes straight into the box.
      const std::string text = controls->text(Control::CaseNumberBox);
      editCaseNumberBox(*viewer, *controls, text + static_cast<char>(byte));
    }
  }
  return 0;
}
