// Speed of the catalogue solver: the 3 x 3 x 3 cube on one core (target under 5 ms), the mean
// figure of the shipped catalogue on one core (target under 1 ms) and the whole build on every
// core (target under 60 s). Each runs repeatedly and reports its median.
// SPDX-License-Identifier: MIT
#include <benchmark/benchmark.h>

#include <cstdlib>
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

}  // namespace
}  // namespace vexolite::catalog
