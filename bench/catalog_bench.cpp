// Speed of the catalogue solver: the 3 x 3 x 3 cube on one core (target under 5 ms), the mean
// figure of the shipped catalogue on one core (target under 1 ms), the whole build on every core
// (target under 60 s); and the tool itself as a whole process: all 240 solutions of the cube
// printed (under 30 ms), every figure of the shipped catalogue found in it (under 1 s; with
// --near under 5 s). Each runs repeatedly and reports its median.
// SPDX-License-Identifier: MIT
#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>

#include "catalog_build.h"
#include "fig_text.h"
#include "figure_solver.h"

namespace vexolite::catalog {
namespace {

const std::string kSource = std::string(VEXOLITE_DATA_FOLDER) + "/figures.fig";

const std::vector<CatalogFigure>& shippedFigures() {
  static const std::vector<CatalogFigure> figures = [] {
    auto parsed = readFigFile(kSource);
    if (!parsed) {
      std::cerr << parsed.error().message << "\n";
      std::exit(1);
    }
    return parsed.value();
  }();
  return figures;
}

void countTheCube(benchmark::State& state) {
  const auto cube =
      parseFigText("case 1\nxxx\nxxx\nxxx\n\nxxx\nxxx\nxxx\n\nxxx\nxxx\nxxx\n", "cube")
          .value()
          .front()
          .cubes;
  for (auto _ : state) {
    const FigureCount count = countFigure(cube);
    benchmark::DoNotOptimize(count.solutions);
    if (count.solutions != 240) state.SkipWithError("the cube must have 240 solutions");
  }
}
BENCHMARK(countTheCube)->Unit(benchmark::kMillisecond)->Repetitions(9)->ReportAggregatesOnly();

// One iteration counts every figure of the catalogue in turn on this thread; the counter gives
// the mean time per figure.
void countTheCatalogue(benchmark::State& state) {
  const auto& figures = shippedFigures();
  for (auto _ : state) {
    for (const CatalogFigure& f : figures)
      benchmark::DoNotOptimize(countFigure(f.cubes).solutions);
  }
  state.counters["per_figure"] = benchmark::Counter(
      static_cast<double>(figures.size()),
      benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}
BENCHMARK(countTheCatalogue)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly();

void buildTheCatalogue(benchmark::State& state) {
  const auto& figures = shippedFigures();
  for (auto _ : state) {
    auto bytes = buildCatalog(figures, kSource);
    if (!bytes) state.SkipWithError(bytes.error().message.c_str());
    benchmark::DoNotOptimize(bytes);
  }
}
BENCHMARK(buildTheCatalogue)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->Repetitions(5)
    ->ReportAggregatesOnly()
    ->UseRealTime();

// Runs the tool with its standard output to /dev/null; false when it fails.
bool runTool(std::vector<std::string> arguments) {
  arguments.insert(arguments.begin(), VEXOLITE_CATALOG_TOOL);
  std::vector<char*> argv;
  for (std::string& argument : arguments)
    argv.push_back(argument.data());
  argv.push_back(nullptr);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
  pid_t child = 0;
  const int started = posix_spawn(&child, argv[0], &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  int status = 0;
  return started == 0 && waitpid(child, &status, 0) == child && WIFEXITED(status) &&
         WEXITSTATUS(status) == 0;
}

void runToolRepeatedly(benchmark::State& state, const std::vector<std::string>& arguments) {
  for (auto _ : state) {
    if (!runTool(arguments)) state.SkipWithError("the tool failed");
  }
}

void listTheCubesSolutions(benchmark::State& state) {
  const std::string cube = std::filesystem::temp_directory_path() / "vexolite-bench-cube.fig";
  std::ofstream(cube) << "case 1\nxxx\nxxx\nxxx\n\nxxx\nxxx\nxxx\n\nxxx\nxxx\nxxx\n";
  runToolRepeatedly(state, {"solutions", cube});
  std::filesystem::remove(cube);
}
BENCHMARK(listTheCubesSolutions)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(9)
    ->ReportAggregatesOnly()
    ->UseRealTime();

void findTheCatalogueInItself(benchmark::State& state) {
  runToolRepeatedly(state, {"find", kSource, std::string(VEXOLITE_DATA_FOLDER) + "/VEXOLITE.DAT"});
}
BENCHMARK(findTheCatalogueInItself)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly()
    ->UseRealTime();

void findTheCatalogueAndItsNearest(benchmark::State& state) {
  runToolRepeatedly(
      state, {"find", "--near", kSource, std::string(VEXOLITE_DATA_FOLDER) + "/VEXOLITE.DAT"});
}
BENCHMARK(findTheCatalogueAndItsNearest)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly()
    ->UseRealTime();

}  // namespace
}  // namespace vexolite::catalog
