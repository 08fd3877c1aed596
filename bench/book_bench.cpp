// Speed and size of the book of the shipped catalogue: 875 records, with the solution pages.
// Targets: under 10 s and under 15 MB. The book's size is reported as the counter "bytes".
// SPDX-License-Identifier: MIT
#include <benchmark/benchmark.h>

#include <string>
#include <string_view>

#include "book_catalogue.h"
#include "book_pdf.h"

namespace vexolite::book {
namespace {

void WholeBookOfTheShippedCatalogue(benchmark::State& state) {
  auto cases = readCatalogue(VEXOLITE_DATA_FOLDER "/VEXOLITE.DAT");
  if (!cases) {
    state.SkipWithError(cases.error().message.c_str());
    return;
  }
  BookRequest request;
  request.cases = chooseCases(std::move(cases).value(), BookOptions{}).value();
  request.date = "2024-01-01T00:00:00";
  request.translate = [](std::string_view marked) { return std::string(marked); };
  std::size_t bytes = 0;
  for (auto _ : state) {
    const RenderedBook book = renderBook(request);
    if (!book.error.empty()) state.SkipWithError(book.error.c_str());
    bytes = book.bytes.size();
    benchmark::DoNotOptimize(book.bytes.data());
  }
  state.counters["bytes"] = static_cast<double>(bytes);
}
BENCHMARK(WholeBookOfTheShippedCatalogue)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

}  // namespace
}  // namespace vexolite::book
