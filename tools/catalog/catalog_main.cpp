// vexolite-catalog: count, build, dump, check and generate the figures of the case file.
// SPDX-License-Identifier: MIT
#include <algorithm>
#include <chrono>
#include <fstream>
#include <iostream>
#include <iterator>
#include <limits>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "catalog_build.h"
#include "catalog_check.h"
#include "fig_text.h"
#include "figure_finder.h"
#include "figure_generator.h"
#include "pinned_pieces.h"
#include "solution_listing.h"

namespace {

using namespace vexolite::catalog;

constexpr char kUsage[] =
    "usage: vexolite-catalog count FILE.fig...\n"
    "       vexolite-catalog solutions FILE.fig... [--case N] [--limit N]\n"
    "       vexolite-catalog find FILE.fig CATALOGUE.DAT [--near]\n"
    "       vexolite-catalog build FILE.fig -o FILE.DAT\n"
    "       vexolite-catalog dump [--filling] FILE.DAT\n"
    "       vexolite-catalog check FILE.DAT\n"
    "       vexolite-catalog generate [--seed S] [--count N] [--first N] [--mirrors N]\n"
    "                                 [--avoid FILE.fig] [-o FILE.fig]\n"
    "       vexolite-catalog -h | --help\n"
    "\n"
    "commands:\n"
    "  count     print the solutions, fillings and symmetry group order of every figure\n"
    "  solutions print every solution of every figure as figure text, one block each with\n"
    "            every cube's piece, one per class of fillings the figure's symmetries map\n"
    "            onto each other, by its smallest digit string, in that order\n"
    "  find      name the cases of the catalogue holding each figure turned, and its mirror\n"
    "            image; by shape alone. Where it has neither, the nearest cases: those that\n"
    "            are the figure, turned or mirrored, with one cube moved (up to 10)\n"
    "  build     solve every figure and write the case file, sorted by solutions; refuses the\n"
    "            whole file, writing nothing, at the first figure that a record cannot hold,\n"
    "            that fixes pieces in a case other than 705 (705 gives every cube's piece),\n"
    "            that has no solution or more than 32767, or that repeats a case\n"
    "  dump      print the case file as figure text that build turns back into the same file\n"
    "  check     recount every record and verify its filling, the order, that no case comes\n"
    "            twice and that case 705 is there\n"
    "  generate  print new figures of 27 cubes, each with 1 to 32767 solutions, as figure text\n"
    "\n"
    "options:\n"
    "  --case N          solutions: only case N (\"12\" or \"12.1\")\n"
    "  --limit N         solutions: at most N of each figure, and how many there are in all\n"
    "  --near            find: the nearest cases of every figure, found or not\n"
    "  -o FILE           the file to write: the case file for build, the figure text for\n"
    "                    generate (else standard output)\n"
    "  --filling         dump: mark each cube with its piece in the stored filling "
    "(\"1\"..\"7\"),\n"
    "                    which build accepts in case 705 only\n"
    "  --seed S          generate: the seed of the random choices (default 1)\n"
    "  --count N         generate: how many figures (default 100)\n"
    "  --first N         generate: the case number of the first figure (default 1)\n"
    "  --mirrors N       generate: every N-th chiral figure also gets its mirror image, as case\n"
    "                    C.1 after its case C (default 0: none)\n"
    "  --avoid FILE.fig  generate: make no figure that is, turned or mirrored, a figure of\n"
    "                    FILE.fig numbered below --first\n"
    "  -h, --help        print this help and exit, also after a command\n"
    "\n"
    "Progress of long runs goes to standard error. Exit status: 0 done, 1 a file refused or a\n"
    "check failed, 2 a wrong command or option.\n";

// A wrong command line: the usage on standard error.
int usage() {
  std::cerr << kUsage;
  return 2;
}

// Asked for: the usage on standard output.
int help() {
  std::cout << kUsage;
  return 0;
}

bool asksForHelp(const std::string& argument) {
  return argument == "-h" || argument == "--help";
}

// Progress on standard error for long runs: a line every tenth of the way.
CountProgress progressLine(const std::string& verb) {
  return [verb](std::size_t done, std::size_t total) {
    if (total < 50) return;
    const std::size_t step = total / 10;
    if (done % step == 0 || done == total) {
      std::cerr << verb << " " << done << " of " << total << " figures\n";
    }
  };
}

std::optional<std::vector<std::uint8_t>> readBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)),
                                  std::istreambuf_iterator<char>());
  if (in.bad()) return std::nullopt;
  return bytes;
}

// The figures of a file, or nothing when it is refused, said on standard error.
std::optional<std::vector<CatalogFigure>> loadFigures(const std::string& file) {
  auto figures = readFigFile(file);
  if (figures) return std::move(figures).value();
  std::cerr << figures.error().message << "\n";
  return std::nullopt;
}

int runCount(const std::vector<std::string>& files) {
  if (files.empty()) return usage();
  int status = 0;
  for (const std::string& file : files) {
    const auto figures = loadFigures(file);
    if (!figures) {
      status = 1;
      continue;
    }
    std::vector<std::vector<FigureCube>> shapes;
    for (const CatalogFigure& f : figures.value())
      shapes.push_back(f.cubes);
    const auto counts = countFigures(shapes, 0, progressLine("counted"));
    for (std::size_t n = 0; n < counts.size(); ++n) {
      const FigureCount& c = counts[n];
      if (const std::string problem = pinnedPieceProblem(figures.value()[n], file);
          !problem.empty()) {
        std::cerr << problem << "\n";
        status = 1;
        continue;
      }
      std::cout << "case " << caseName(figures.value()[n].caseValue) << ": " << c.solutions
                << (c.solutions == 1 ? " solution, " : " solutions, ") << c.fillings
                << (c.fillings == 1 ? " filling, " : " fillings, ") << "symmetry group of order "
                << c.groupOrder << "\n";
    }
  }
  return status;
}

// Reads a whole number option value, or nothing.
std::optional<unsigned long> numberArgument(const std::string& text) {
  if (text.empty() || text.size() > 9) return std::nullopt;
  unsigned long value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + static_cast<unsigned long>(c - '0');
  }
  return value;
}

int runSolutions(const std::vector<std::string>& args) {
  std::vector<std::string> files;
  std::optional<int> onlyCase;
  std::size_t limit = std::numeric_limits<std::size_t>::max();
  for (std::size_t n = 0; n < args.size(); ++n) {
    if (args[n] == "--case" || args[n] == "--limit") {
      if (n + 1 >= args.size()) return usage();
      const std::string& value = args[++n];
      if (args[n - 1] == "--case") {
        const int caseValue = caseValueOf(value);
        if (caseValue < 0) return usage();
        onlyCase = caseValue;
      } else {
        const auto number = numberArgument(value);
        if (!number || *number == 0) return usage();
        limit = *number;
      }
    } else {
      files.push_back(args[n]);
    }
  }
  if (files.empty()) return usage();
  int status = 0;
  std::vector<std::string> withoutCase;  // the files read that do not hold --case
  std::size_t filesRead = 0;
  for (const std::string& file : files) {
    auto figures = loadFigures(file);
    if (!figures) {
      status = 1;
      continue;
    }
    ++filesRead;
    std::vector<CatalogFigure> chosen = std::move(*figures);
    if (onlyCase) {
      std::erase_if(chosen, [&](const CatalogFigure& f) { return f.caseValue != *onlyCase; });
      if (chosen.empty()) withoutCase.push_back(file);
    }
    const SolutionListing listing =
        listFigureSolutions(chosen, file, limit, 0, progressLine("solved"));
    std::cout << listing.figText;
    for (const std::string& problem : listing.problems)
      std::cerr << problem << "\n";
    if (!listing.problems.empty()) status = 1;
  }
  // The case asked for need only be in one of the files read.
  if (onlyCase && !withoutCase.empty() && withoutCase.size() == filesRead) {
    for (const std::string& file : withoutCase)
      std::cerr << file << ": holds no case " << caseName(*onlyCase) << "\n";
    status = 1;
  }
  return status;
}

int runBuild(const std::vector<std::string>& args) {
  std::string source, output;
  for (std::size_t n = 0; n < args.size(); ++n) {
    if (args[n] == "-o" && n + 1 < args.size()) {
      output = args[++n];
    } else if (source.empty()) {
      source = args[n];
    } else {
      return usage();
    }
  }
  if (source.empty() || output.empty()) return usage();
  const auto figures = loadFigures(source);
  if (!figures) return 1;
  auto bytes = buildCatalog(figures.value(), source, progressLine("solved"));
  if (!bytes) {
    std::cerr << bytes.error().message << "\n" << output << " was not written\n";
    return 1;
  }
  if (auto written = replaceFile(output, bytes.value()); !written) {
    std::cerr << written.error().message << "\n";
    return 1;
  }
  std::cerr << "wrote " << bytes.value().size() / vexolite::kRecordSize << " records to " << output
            << "\n";
  return 0;
}

std::optional<std::vector<vexolite::RawRecord>> loadRecords(const std::string& file) {
  const auto bytes = readBytes(file);
  if (!bytes) {
    std::cerr << file << ": cannot read the file\n";
    return std::nullopt;
  }
  auto records = splitRecords(*bytes, file);
  if (!records) {
    std::cerr << records.error().message << "\n";
    return std::nullopt;
  }
  return std::move(records).value();
}

int runDump(const std::vector<std::string>& args) {
  const bool filling = !args.empty() && args[0] == "--filling";
  if (args.size() != (filling ? 2u : 1u)) return usage();
  const std::string& file = args.back();
  const auto records = loadRecords(file);
  if (!records) return 1;
  const DumpResult dump =
      dumpCatalog(*records, file, filling ? DumpCubes::WithFilling : DumpCubes::AsSource);
  std::cout << dump.figText;
  for (const std::string& problem : dump.problems)
    std::cerr << problem << "\n";
  return dump.problems.empty() ? 0 : 1;
}

int runCheck(const std::vector<std::string>& args) {
  if (args.size() != 1) return usage();
  const auto records = loadRecords(args[0]);
  if (!records) return 1;
  const auto problems = checkCatalog(*records, args[0], progressLine("recounted"));
  for (const std::string& problem : problems)
    std::cerr << problem << "\n";
  if (!problems.empty()) {
    std::cerr << args[0] << ": check failed, " << problems.size() << " problem"
              << (problems.size() == 1 ? "" : "s") << "\n";
    return 1;
  }
  std::cout << args[0] << ": " << records->size() << " records, all checks pass\n";
  return 0;
}

// "case 12, case 12.1", or "none".
std::string caseList(const std::vector<int>& cases, std::size_t more = 0) {
  if (cases.empty()) return "none";
  std::string text;
  for (const int caseValue : cases)
    text += (text.empty() ? "case " : ", case ") + caseName(caseValue);
  if (more > 0) text += " and " + std::to_string(more) + " more";
  return text;
}

int runFind(const std::vector<std::string>& args) {
  std::vector<std::string> files;
  bool near = false;
  for (const std::string& arg : args) {
    if (arg == "--near") {
      near = true;
    } else {
      files.push_back(arg);
    }
  }
  if (files.size() != 2) return usage();
  const auto figures = loadFigures(files[0]);
  if (!figures) return 1;
  const auto records = loadRecords(files[1]);
  if (!records) return 1;
  if (records->empty()) {
    std::cerr << files[1] << ": holds no records\n";
    return 1;
  }
  int status = 0;
  std::vector<CatalogFigure> catalogue;
  for (std::size_t r = 0; r < records->size(); ++r) {
    auto figure = recordFigure((*records)[r], files[1], r + 1);
    if (figure) {
      catalogue.push_back(std::move(figure).value());
    } else {
      std::cerr << figure.error().message << "\n";
      status = 1;
    }
  }
  // The nearest cases need an index of every shape less one cube: only built when asked for,
  // or when some figure is not in the catalogue.
  std::optional<ShapeFinder> finder;
  finder.emplace(catalogue, near);
  std::vector<FoundShape> found;
  for (const CatalogFigure& figure : figures.value())
    found.push_back(finder->find(cellsOf(figure.cubes)));
  const bool someNew = std::any_of(found.begin(), found.end(), [](const FoundShape& f) {
    return f.turned.empty() && f.mirrored.empty();
  });
  if (!near && someNew) {
    finder.emplace(catalogue, true);
    for (std::size_t n = 0; n < found.size(); ++n) {
      if (found[n].turned.empty() && found[n].mirrored.empty()) {
        found[n] = finder->find(cellsOf(figures.value()[n].cubes));
      }
    }
  }
  for (std::size_t n = 0; n < found.size(); ++n) {
    const FoundShape& f = found[n];
    std::cout << "case " << caseName(figures.value()[n].caseValue)
              << ": turned: " << caseList(f.turned) << "; mirrored: " << caseList(f.mirrored);
    if (near || (f.turned.empty() && f.mirrored.empty())) {
      std::cout << "; nearest: " << caseList(f.nearest, f.nearestTotal - f.nearest.size());
    }
    std::cout << "\n";
  }
  return status;
}

int runGenerate(const std::vector<std::string>& args) {
  GeneratorSettings settings;
  std::string output, avoid;
  for (std::size_t n = 0; n < args.size(); ++n) {
    const std::string& flag = args[n];
    if (n + 1 >= args.size()) return usage();
    const std::string& text = args[++n];
    if (flag == "-o") {
      output = text;
      continue;
    }
    if (flag == "--avoid") {
      avoid = text;
      continue;
    }
    const auto value = numberArgument(text);
    if (!value) return usage();
    if (flag == "--seed") {
      settings.seed = static_cast<std::uint32_t>(*value);
    } else if (flag == "--count") {
      settings.count = static_cast<int>(*value);
    } else if (flag == "--first") {
      settings.firstCase = static_cast<int>(*value);
    } else if (flag == "--mirrors") {
      settings.mirrorEvery = static_cast<int>(*value);
    } else {
      return usage();
    }
  }
  if (settings.firstCase < 1 || settings.firstCase + settings.count - 1 > kLargestCaseNumber) {
    std::cerr << "generate: cases " << settings.firstCase << " to "
              << settings.firstCase + settings.count - 1 << " do not fit in 1 to 999\n";
    return 2;
  }
  std::vector<CatalogFigure> avoided;
  if (!avoid.empty()) {
    const auto figures = loadFigures(avoid);
    if (!figures) return 1;
    for (const CatalogFigure& f : figures.value()) {
      if (f.caseValue / 10 < settings.firstCase) avoided.push_back(f);
    }
  }
  const std::string text = generatedFigText(settings, avoided, progressLine("generated"));
  if (output.empty()) {
    std::cout << text;
    return 0;
  }
  if (auto written = replaceFile(output, std::vector<std::uint8_t>(text.begin(), text.end()));
      !written) {
    std::cerr << written.error().message << "\n";
    return 1;
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) return usage();
  const std::string command = argv[1];
  const std::vector<std::string> args(argv + 2, argv + argc);
  if (asksForHelp(command)) return help();
  using Run = int (*)(const std::vector<std::string>&);
  const std::pair<const char*, Run> commands[] = {
      {"count", runCount},       {"solutions", runSolutions}, {"find", runFind},
      {"build", runBuild},       {"dump", runDump},           {"check", runCheck},
      {"generate", runGenerate},
  };
  for (const auto& [name, run] : commands) {
    if (command != name) continue;
    return std::any_of(args.begin(), args.end(), asksForHelp) ? help() : run(args);
  }
  return usage();
}
