// Working through many figures at once on every core, results in input order.
// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <functional>
#include <vector>

#include "catalog_figure.h"
#include "figure_solver.h"

namespace vexolite::catalog {

// Called after each figure with the number of figures done so far and the total, from one
// thread at a time (not necessarily the caller's).
using CountProgress = std::function<void(std::size_t done, std::size_t total)>;

// Calls work(n) for every n below total on `threads` threads (0: one per core), each n once,
// in no fixed order; work must only touch what belongs to n.
void forEachInParallel(std::size_t total, unsigned threads,
                       const std::function<void(std::size_t)>& work,
                       const CountProgress& progress = {});

// countFigure of every figure, on `threads` threads (0: one per core). result[n] belongs to
// figures[n] whatever the order the threads finish in.
std::vector<FigureCount> countFigures(const std::vector<std::vector<FigureCube>>& figures,
                                      unsigned threads = 0, const CountProgress& progress = {});

}  // namespace vexolite::catalog
