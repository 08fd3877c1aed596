// Speed of the viewer's key presses. One whole cycle on the shipped catalogue: read the record,
// decode, symmetry, zoom fit, schematic rows and the drawing; targets under 1 ms at zoom 0.5
// and under 5 ms at zoom 4.5, the largest at which a 3 x 3 x 3 figure still fits. A typed
// digit, which searches the file from record 1: the last case of a 999-record file in under
// 1 ms, reads included.
// SPDX-License-Identifier: MIT
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <fstream>
#include <iostream>

#include "case_library/case_decoding.h"
#include "case_library/case_file.h"
#include "case_library/case_search.h"
#include "viewer/keys.h"
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
    if (decoded && decoded.value().texts.recordCaseValue == caseNumber * 10) {
      return static_cast<double>(record);
    }
  }
  std::cerr << "vexolite_bench: no case " << caseNumber << " in the shipped catalogue\n";
  std::exit(1);
}

void keyPressCycle(benchmark::State& state, double caseNumber, double zoom) {
  QuietControls controls;
  Viewer viewer(controls, CaseFileSearch{kDataFolder, {}, {}});
  viewer.start();
  viewer.state().catalogue.currentRecord = recordOfCase(caseNumber);
  viewer.state().view.zoom = zoom;
  for (auto _ : state) {
    viewer.keyPressed(Key::Enter);
    benchmark::DoNotOptimize(viewer.picture(Control::FigureView).pixels().data());
  }
  if (viewer.state().view.zoom != zoom) state.SkipWithError("the zoom did not hold");
}

// A folder with a case file of 999 records whose last record holds case 705; the others hold
// cases 1 to 704 with and without a decimal digit. Removed at exit.
struct LargeCaseFile {
  LargeCaseFile() {
    folder = std::filesystem::temp_directory_path() / "vexolite-bench-999";
    std::filesystem::create_directories(folder);
    std::ofstream out(folder / "VEXOLITE.DAT", std::ios::binary | std::ios::trunc);
    const std::string cube = "1238456845684562393";
    for (int record = 1; record <= 999; ++record) {
      const int caseValue =
          record == 999 ? 7050 : ((record - 1) % 704 + 1) * 10 + (record - 1) / 704;
      const RawRecord raw = encodeRecord(caseValue, cube, record);
      out.write(reinterpret_cast<const char*>(raw.data()),
                static_cast<std::streamsize>(raw.size()));
    }
  }
  ~LargeCaseFile() { std::filesystem::remove_all(folder); }
  std::filesystem::path folder;
};

const LargeCaseFile& largeCaseFile() {
  static const LargeCaseFile file;
  return file;
}

void searchTheLastCase(benchmark::State& state) {
  CaseChannel channel;
  const std::string key = caseSearchKey("705", kLastCaseNumber).value();
  for (auto _ : state) {
    channel.open(largeCaseFile().folder / "VEXOLITE.DAT");
    const auto found = findCaseRecord(channel, key, 999);
    channel.close();
    if (found != 999u) state.SkipWithError("case 705 must be found in record 999");
  }
}

// The whole of a typed digit: the search, then loading and drawing the case it found.
void typedDigitShowsTheLastCase(benchmark::State& state) {
  QuietControls controls;
  Viewer viewer(controls, CaseFileSearch{largeCaseFile().folder, {}, {}});
  viewer.start();
  for (auto _ : state) {
    viewer.showTypedCase("705");
  }
  if (viewer.state().catalogue.currentRecord != 999) state.SkipWithError("case 705 was not shown");
}

BENCHMARK(searchTheLastCase)->Unit(benchmark::kMicrosecond);
BENCHMARK(typedDigitShowsTheLastCase)->Unit(benchmark::kMicrosecond);

// Case 1 is the 3 x 3 x 3 cube; case 40 one of the tallest figures.
BENCHMARK_CAPTURE(keyPressCycle, cube_zoom_0_5, 1, 0.5)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(keyPressCycle, cube_zoom_4_5, 1, 4.5)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(keyPressCycle, tall_figure_zoom_0_5, 40, 0.5)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace vexolite
