// Speed of the image export on the shipped catalogue through the real window on Qt's offscreen
// platform: "all BMP" (875 cases, two files each, with Qt's caption text and BMP writer), then
// "pag BMP" over every case image it wrote. Targets: the batch under 10 s, the pages under 5 s.
// SPDX-License-Identifier: MIT
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <filesystem>
#include <iostream>
#include <memory>
#include <string>

#include "qt/main_window.h"

namespace vexolite {
namespace {

const std::filesystem::path kDataFolder = VEXOLITE_DATA_FOLDER;

// A fresh working folder under the system's temporary folder, removed at the end.
class WorkFolder {
 public:
  WorkFolder() {
    std::string pattern =
        (std::filesystem::temp_directory_path() / "vexolite-bench-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) {
      std::cerr << "export_bench: cannot make a temporary folder\n";
      std::exit(1);
    }
    path_ = pattern;
  }
  ~WorkFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  WorkFolder(const WorkFolder&) = delete;
  WorkFolder& operator=(const WorkFolder&) = delete;
  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path path_;
};

// Every message box is closed as soon as it opens; any but the start message is reported, as
// it means the run did not do what is measured.
void closeBoxesAsTheyOpen() {
  auto* timer = new QTimer(qApp);
  QObject::connect(timer, &QTimer::timeout, [] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (box == nullptr || !box->isVisible()) return;
    if (!box->text().startsWith("En proxima pantalla")) {
      std::cerr << "export_bench: " << box->text().toStdString() << "\n";
    }
    box->done(0);
  });
  timer->start(1);
}

// The window, not shown, working in folder and reading the shipped case file from its data
// folder; started, so that its record count and start record are set.
std::unique_ptr<qt::MainWindow> windowIn(const std::filesystem::path& folder) {
  auto form = std::make_unique<qt::MainWindow>(CaseFileSearch{folder, kDataFolder, {}}, [] {});
  form->start();
  return form;
}

std::size_t filesIn(const std::filesystem::path& folder, const std::string& prefix) {
  std::size_t count = 0;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    count += entry.path().filename().string().rfind(prefix, 0) == 0;
  }
  return count;
}

// The folder of case images the pages are composed from, written once by a batch export.
const std::filesystem::path& exportedCatalogue() {
  static WorkFolder folder;
  static bool written = false;
  if (!written) {
    windowIn(folder.path())->viewer().run(Command::ExportAll);
    written = true;
  }
  return folder.path();
}

void BM_BatchExport(benchmark::State& state) {
  for (auto _ : state) {
    state.PauseTiming();
    WorkFolder folder;
    std::unique_ptr<qt::MainWindow> form = windowIn(folder.path());
    const auto records = static_cast<std::size_t>(form->viewer().state().catalogue.recordCount);
    state.ResumeTiming();

    form->viewer().run(Command::ExportAll);

    state.PauseTiming();
    if (records == 0 || filesIn(folder.path(), "caso") != records ||
        filesIn(folder.path(), "S") != records) {
      state.SkipWithError("the batch did not write two files for every record");
    }
    state.counters["records"] = static_cast<double>(records);
    form.reset();
    state.ResumeTiming();
  }
}

void BM_PageComposition(benchmark::State& state) {
  const std::filesystem::path& folder = exportedCatalogue();
  const std::size_t images = filesIn(folder, "caso");
  for (auto _ : state) {
    state.PauseTiming();
    std::unique_ptr<qt::MainWindow> form = windowIn(folder);
    state.ResumeTiming();

    form->viewer().run(Command::ComposePages);

    state.PauseTiming();
    const std::size_t pages = (images + 53) / 54;
    if (images == 0 || form->viewer().state().pageNumber != static_cast<double>(pages)) {
      state.SkipWithError("the pages did not hold every case image");
    }
    state.counters["images"] = static_cast<double>(images);
    state.counters["pages"] = static_cast<double>(pages);
    form.reset();
    state.ResumeTiming();
  }
}

BENCHMARK(BM_BatchExport)
    ->Iterations(1)
    ->Repetitions(3)
    ->ReportAggregatesOnly(true)
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PageComposition)
    ->Iterations(1)
    ->Repetitions(3)
    ->ReportAggregatesOnly(true)
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace vexolite

int main(int argc, char* argv[]) {
  // The window needs no display: Qt's offscreen platform renders the captions all the same.
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  QApplication::setApplicationName("Vexolite");
  vexolite::closeBoxesAsTheyOpen();
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
