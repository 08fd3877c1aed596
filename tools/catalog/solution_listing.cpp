// Listing solutions: figures solved on every core, printed in their own order.
// SPDX-License-Identifier: MIT
#include "solution_listing.h"

#include "fig_text.h"
#include "figure_solver.h"
#include "pinned_pieces.h"

namespace vexolite::catalog {

SolutionListing listFigureSolutions(const std::vector<CatalogFigure>& figures,
                                    const std::string& fileName, std::size_t limit,
                                    unsigned threads, const CountProgress& progress) {
  std::vector<std::string> problems(figures.size());
  std::vector<FigureSolutions> solutions(figures.size());
  forEachInParallel(
      figures.size(), threads,
      [&](std::size_t n) {
        problems[n] = pinnedPieceProblem(figures[n], fileName);
        if (problems[n].empty()) solutions[n] = listSolutions(figures[n].cubes);
      },
      progress);

  SolutionListing listing;
  for (std::size_t n = 0; n < figures.size(); ++n) {
    const CatalogFigure& figure = figures[n];
    if (!problems[n].empty()) {
      listing.problems.push_back(problems[n]);
      continue;
    }
    const std::vector<std::string>& found = solutions[n].representatives;
    const std::string name = caseName(figure.caseValue);
    if (found.empty()) {
      listing.figText += "# case " + name + ": no solution\n";
      continue;
    }
    const std::string total = " of " + std::to_string(found.size());
    const std::size_t shown = std::min(limit, found.size());
    for (std::size_t s = 0; s < shown; ++s) {
      const CatalogFigure filled{figure.caseValue, 0, filledCubes(figure.cubes, found[s])};
      listing.figText += figText(filled, {"solution " + std::to_string(s + 1) + total});
    }
    if (shown < found.size()) {
      listing.figText += "# case " + name + ": " + std::to_string(found.size()) +
                         " solutions in all, the first " + std::to_string(shown) + " shown\n";
    }
  }
  return listing;
}

}  // namespace vexolite::catalog
