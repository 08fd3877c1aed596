// The solutions of figures as figure text: one block per solution, every cube with its piece.
// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <limits>
#include <string>
#include <vector>

#include "catalog_figure.h"
#include "parallel_count.h"

namespace vexolite::catalog {

struct SolutionListing {
  std::string figText;                // for standard output
  std::vector<std::string> problems;  // one message per figure refused, for standard error
};

// Every solution of every figure, in the figures' order, each as a "case N" block with a comment
// "solution S of T" and its cubes as piece digits, in the order listSolutions gives; at most
// `limit` per figure, then a comment giving how many there are in all. A figure without solution
// gives the one line "# case N: no solution"; one whose fixed cubes no placement of their piece
// covers gives a problem naming the file, line, case and piece instead. The text is the same
// whatever the number of threads (0: one per core).
SolutionListing listFigureSolutions(const std::vector<CatalogFigure>& figures,
                                    const std::string& fileName,
                                    std::size_t limit = std::numeric_limits<std::size_t>::max(),
                                    unsigned threads = 0, const CountProgress& progress = {});

}  // namespace vexolite::catalog
