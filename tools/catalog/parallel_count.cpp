// A small pool of std::threads that take figures by an atomic index.
// SPDX-License-Identifier: MIT
#include "parallel_count.h"

#include <algorithm>
#include <atomic>
#include <mutex>
#include <thread>

namespace vexolite::catalog {

std::vector<FigureCount> countFigures(const std::vector<std::vector<FigureCube>>& figures,
                                      unsigned threads, const CountProgress& progress) {
  std::vector<FigureCount> results(figures.size());
  if (threads == 0) threads = std::max(1u, std::thread::hardware_concurrency());
  threads = static_cast<unsigned>(
      std::min<std::size_t>(threads, std::max<std::size_t>(1, figures.size())));
  std::atomic<std::size_t> next{0};
  std::size_t done = 0;
  std::mutex progressLock;
  auto work = [&] {
    for (std::size_t n = next++; n < figures.size(); n = next++) {
      results[n] = countFigure(figures[n]);
      if (progress) {
        const std::lock_guard<std::mutex> hold(progressLock);
        progress(++done, figures.size());
      }
    }
  };
  std::vector<std::thread> pool;
  for (unsigned t = 1; t < threads; ++t)
    pool.emplace_back(work);
  work();
  for (std::thread& thread : pool)
    thread.join();
  return results;
}

}  // namespace vexolite::catalog
