// A small pool of std::threads that take figures by an atomic index.
// SPDX-License-Identifier: MIT
#include "parallel_count.h"

#include <algorithm>
#include <atomic>
#include <mutex>
#include <thread>

namespace vexolite::catalog {

void forEachInParallel(std::size_t total, unsigned threads,
                       const std::function<void(std::size_t)>& work,
                       const CountProgress& progress) {
  if (threads == 0) threads = std::max(1u, std::thread::hardware_concurrency());
  threads = static_cast<unsigned>(std::min<std::size_t>(threads, std::max<std::size_t>(1, total)));
  std::atomic<std::size_t> next{0};
  std::size_t done = 0;
  std::mutex progressLock;
  auto take = [&] {
    for (std::size_t n = next++; n < total; n = next++) {
      work(n);
      if (progress) {
        const std::lock_guard<std::mutex> hold(progressLock);
        progress(++done, total);
      }
    }
  };
  std::vector<std::thread> pool;
  for (unsigned t = 1; t < threads; ++t)
    pool.emplace_back(take);
  take();
  for (std::thread& thread : pool)
    thread.join();
}

std::vector<FigureCount> countFigures(const std::vector<std::vector<FigureCube>>& figures,
                                      unsigned threads, const CountProgress& progress) {
  std::vector<FigureCount> results(figures.size());
  forEachInParallel(
      figures.size(), threads, [&](std::size_t n) { results[n] = countFigure(figures[n]); },
      progress);
  return results;
}

}  // namespace vexolite::catalog
