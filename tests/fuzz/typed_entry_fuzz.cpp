// Fuzz target: the input is a run of keystrokes on a small catalogue; typed characters go into
// the case-number box CaseNumberBox as the window would put them there, the other keys to the key
// table. A byte 0x01 pastes the raw bytes after it (as many as the next byte says, up to 15), so
// that any script, and bytes that are no UTF-8 at all, reach the box through the stand-in window.
#include <algorithm>
#include <array>
#include <filesystem>
#include <memory>
#include <string>

#include "case_library/record_format.h"
#include "fuzz_entry.h"
#include "quiet_controls.h"
#include "support/case_file_writer.h"
#include "viewer/key_codes.h"
#include "viewer/viewer.h"

namespace {

using namespace vexolite;

constexpr std::size_t kMostKeystrokes = 128;  // keeps one input quick; every digit searches

// Standard virtual-key codes of the editing keys and the typed characters used below.
constexpr int kBackspaceKey = 8;
constexpr int kDeleteKey = 46;
constexpr int kSpaceKey = 32;
constexpr int kPlusKey = 187;  // main keyboard "+" (never zooms)
constexpr int kCommaKey = 188;
constexpr int kMinusKey = 189;  // main keyboard "-"
constexpr int kPeriodKey = 190;
constexpr std::uint8_t kPasteByte = 0x01;

// Bytes from 0x80 up press these keys, in turn.
constexpr std::array kTableKeys{
    key::kEnter, key::kPageUp, key::kPageDown, key::kEnd,        key::kHome,        key::kLeft,
    key::kUp,    key::kRight,  key::kDown,     key::kKeypadPlus, key::kKeypadMinus, key::kF1,
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

// The virtual-key code the window reports for a typed character, or 0 for one it has no code
// for (the viewer ignores those, the box still receives the character).
int virtualKeyOf(char c) {
  if (c >= '0' && c <= '9') return c;
  if (c >= 'A' && c <= 'Z') return c;
  if (c >= 'a' && c <= 'z') return c - 'a' + 'A';
  switch (c) {
    case ' ':
      return kSpaceKey;
    case '+':
      return kPlusKey;
    case ',':
      return kCommaKey;
    case '-':
      return kMinusKey;
    case '.':
      return kPeriodKey;
    default:
      return 0;
  }
}

// The key goes to the window first; a key that also belongs in the box then edits CaseNumberBox's
// text.
void press(Viewer& viewer, fuzz::QuietControls& controls, int code, char typed) {
  viewer.keyPressed(code);
  if (controls.ended || !keyReachesFocusedControl(code)) return;
  std::string text = controls.text(Control::CaseNumberBox);
  if (code == kBackspaceKey) {
    if (text.empty()) return;
    text.pop_back();
  } else if (code == kDeleteKey) {  // the whole text selected, then deleted
    if (text.empty()) return;
    text.clear();
  } else if (typed != '\0') {
    text += typed;
  } else {
    return;
  }
  controls.setText(Control::CaseNumberBox, text);
  viewer.caseNumberEdited();  // the viewer's own changes of the text run it again themselves
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::filesystem::path& folder = catalogueFolder();
  const auto controls = std::make_unique<fuzz::QuietControls>();
  const auto viewer = std::make_unique<Viewer>(*controls, CaseFileSearch{folder, {}, {}});
  viewer->start();
  viewer->keyPressed(key::kEnter);

  for (std::size_t n = 0; n < size && n < kMostKeystrokes && !controls->ended; ++n) {
    const std::uint8_t byte = data[n];
    if (byte == kPasteByte && n + 1 < size) {
      const std::size_t length = std::min<std::size_t>(data[n + 1] % 16, size - n - 2);
      const std::string pasted(reinterpret_cast<const char*>(data + n + 2), length);
      controls->setText(Control::CaseNumberBox, controls->text(Control::CaseNumberBox) + pasted);
      viewer->caseNumberEdited();
      n += 1 + length;
    } else if (byte >= 0x80) {
      const int code = kTableKeys[(byte - 0x80u) % kTableKeys.size()];
      const char typed = code == key::kKeypadPlus ? '+' : code == key::kKeypadMinus ? '-' : '\0';
      press(*viewer, *controls, code, typed);
    } else if (byte == kBackspaceKey || byte == key::kEnter || byte == key::kEscape) {
      press(*viewer, *controls, byte, '\0');
    } else if (byte == 0x7f) {
      press(*viewer, *controls, kDeleteKey, '\0');
    } else {
      const char typed = static_cast<char>(byte);
      press(*viewer, *controls, virtualKeyOf(typed), typed);
    }
  }
  return 0;
}
