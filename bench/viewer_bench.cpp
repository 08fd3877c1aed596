// Speed of one whole key-press cycle of the viewer on the shipped catalogue: read the record,
// decode, symmetry, zoom fit, schematic rows and the drawing. Targets: under 1 ms at zoom 0.5,
// under 5 ms at zoom 4.5, the largest at which a 3 x 3 x 3 figure still fits.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <iostream>

#include "case_library/case_decoding.h"
#include "case_library/case_file.h"
#include "viewer/key_codes.h"
#include "viewer/viewer.h"

namespace vexolite {
namespace {

const std::filesystem::path kDataFolder = VEXOLITE_DATA_FOLDER;

// The window as the benchmark needs it: every call returns at once.
class QuietControls : public Controls {
 public:
  void setText(Control, const std::string&) override {}
  std::string text(Control) const override { return {}; }
  void setChecked(Control, bool) override {}
  bool isChecked(Control) const override { return false; }
  void setEnabled(Control, bool) override {}
  void setVisible(Control, bool) override {}
  void setFocus(Control) override {}
  void showPicture(Control, const RasterSurface&) override {}
  void showMessage(const std::string& text, MessageIcon) override {
    if (text.rfind("En proxima", 0) != 0) std::cerr << "vexolite_bench: " << text << "\n";
  }
  void beep() override {}
  void endProgram() override {}
};

// The record of the shipped catalogue that holds the given case, 1-based.
double recordOfCase(double caseNumber) {
  CaseChannel channel;
  if (channel.open(kDataFolder / "VEXOLITE.DAT")) std::exit(1);
  const std::uint64_t records = channel.length().value_or(0) / kRecordSize;
  for (std::uint64_t record = 1; record <= records; ++record) {
    RawRecord raw{};
    if (channel.read(record, raw)) break;
    const auto decoded = decodeRecord(raw);
    if (decoded && decoded.value().fields.RecordCaseValue == caseNumber * 10) {
      return static_cast<double>(record);
    }
  }
  std::cerr << "vexolite_bench: no case " << caseNumber << " in the shipped catalogue\n";
  std::exit(1);
}

void keyPressCycle(benchmark::State& state, double caseNumber, double zoom) {
  QuietControls controls;
  Viewer viewer(controls, CaseFileSearch{kDataFolder, {}, {}});
  viewer.Form_Load();
  viewer.state().CurrentRecord = recordOfCase(caseNumber);
  viewer.state().ZoomFactor = zoom;
  for (auto _ : state) {
    viewer.Form_KeyDown(key::kEnter);
    benchmark::DoNotOptimize(viewer.picture(1).pixels().data());
  }
  if (viewer.state().ZoomFactor != zoom) state.SkipWithError("the zoom did not hold");
}

// Case 1 is the 3 x 3 x 3 cube; case 40 one of the tallest figures.
BENCHMARK_CAPTURE(keyPressCycle, cube_zoom_0_5, 1, 0.5)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(keyPressCycle, cube_zoom_4_5, 1, 4.5)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(keyPressCycle, tall_figure_zoom_0_5, 40, 0.5)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace vexolite
