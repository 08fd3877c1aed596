// Parsing and writing the .fig figure text.
// SPDX-License-Identifier: MIT
#include "fig_text.h"

#include <fstream>
#include <sstream>

#include "piece_shapes.h"

namespace vexolite::catalog {
namespace {

std::string_view trimRight(std::string_view line) {
  while (!line.empty() && (line.back() == '\r' || line.back() == ' ' || line.back() == '\t')) {
    line.remove_suffix(1);
  }
  return line;
}

bool isDigit(char c) {
  return c >= '0' && c <= '9';
}

// A whole number of 1 to 3 digits without a leading zero ("0" itself is one), or -1.
int smallNumber(std::string_view text) {
  if (text.empty() || text.size() > 3 || (text.size() > 1 && text.front() == '0')) return -1;
  int value = 0;
  for (char c : text) {
    if (!isDigit(c)) return -1;
    value = value * 10 + (c - '0');
  }
  return value;
}

}  // namespace

int caseValueOf(std::string_view text) {
  const std::size_t point = text.find('.');
  const int number = smallNumber(text.substr(0, point));
  if (number < 0 || number > kLargestCaseNumber) return -1;
  if (point == std::string_view::npos) return number * 10;
  const std::string_view decimal = text.substr(point + 1);
  if (decimal.size() != 1 || decimal[0] < '1' || decimal[0] > '9') return -1;
  return number * 10 + (decimal[0] - '0');
}

namespace {

// The shown form of a line in a message, cut short when long.
std::string quoted(std::string_view text) {
  constexpr std::size_t kShown = 40;
  std::string shown(text.substr(0, kShown));
  if (text.size() > kShown) shown += "...";
  return "\"" + shown + "\"";
}

class FigTextParser {
 public:
  explicit FigTextParser(const std::string& fileName) : fileName_(fileName) {}

  Outcome<std::vector<CatalogFigure>> parse(std::string_view text) {
    constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
    if (text.substr(0, kByteOrderMark.size()) == kByteOrderMark) {
      text.remove_prefix(kByteOrderMark.size());
    }
    int lineNumber = 0;
    while (!text.empty()) {
      const std::size_t end = text.find('\n');
      const std::string_view raw = text.substr(0, end);
      text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
      ++lineNumber;
      const std::string_view line = trimRight(raw);
      if (line.substr(0, 4) == "case") {
        if (auto problem = lastFigureProblem(); !problem.empty()) return CatalogError{problem};
      }
      if (auto problem = takeLine(line, lineNumber); !problem.empty()) {
        return CatalogError{fileName_ + ":" + std::to_string(lineNumber) + ": " + problem};
      }
    }
    if (auto problem = lastFigureProblem(); !problem.empty()) return CatalogError{problem};
    return std::move(figures_);
  }

 private:
  // Returns what went wrong with the line, or "".
  std::string takeLine(std::string_view line, int lineNumber) {
    if (!line.empty() && line.front() == '#') return "";
    if (line.substr(0, 4) == "case") {
      std::string_view rest = line.substr(4);
      if (rest.empty() || rest.front() != ' ') return caseLineExpected(line);
      while (!rest.empty() && rest.front() == ' ')
        rest.remove_prefix(1);
      const int value = caseValueOf(rest);
      if (value < 0) return caseLineExpected(line);
      figures_.push_back(CatalogFigure{value, lineNumber, {}});
      layer_ = 0;
      row_ = 0;
      layerOpen_ = false;
      return "";
    }
    if (line.empty()) {
      layerOpen_ = false;  // the next row starts a new layer
      return "";
    }
    if (figures_.empty()) {
      return "expected a \"case N\" line before the first row, found " + quoted(line);
    }
    CatalogFigure& figure = figures_.back();
    if (!layerOpen_) {
      ++layer_;
      row_ = 0;
      layerOpen_ = true;
    }
    ++row_;
    for (std::size_t n = 0; n < line.size(); ++n) {
      const char c = line[n];
      const bool known = c == '.' || c == 'x' || (c >= '1' && c <= '7');
      if (!known) {
        return "expected a row of \".\", \"x\" or \"1\"..\"7\", found \"" + std::string(1, c) +
               "\"";
      }
      if (c != '.') {
        figure.cubes.push_back(
            FigureCube{Cell{layer_, row_, static_cast<int>(n) + 1}, c == 'x' ? 0 : c - '0'});
      }
    }
    return "";
  }

  // The whole message when the figure read last is not one of 27 cubes, or "". It names the
  // figure's case line, as the figure is only known to be short once it has ended.
  std::string lastFigureProblem() const {
    if (figures_.empty()) return "";
    const CatalogFigure& figure = figures_.back();
    const std::size_t cubes = figure.cubes.size();
    if (cubes == static_cast<std::size_t>(kFigureCubes)) return "";
    return fileName_ + ":" + std::to_string(figure.line) + ": case " + caseName(figure.caseValue) +
           " has " + std::to_string(cubes) + (cubes == 1 ? " cube" : " cubes") + ", not 27";
  }

  static std::string caseLineExpected(std::string_view line) {
    return "expected \"case N\" or \"case N.D\" with N 0 to 999 and D 1 to 9, found " +
           quoted(line);
  }

  std::string fileName_;
  std::vector<CatalogFigure> figures_;
  int layer_ = 0, row_ = 0;
  bool layerOpen_ = false;
};

}  // namespace

Outcome<std::vector<CatalogFigure>> parseFigText(std::string_view text,
                                                 const std::string& fileName) {
  return FigTextParser(fileName).parse(text);
}

Outcome<std::vector<CatalogFigure>> readFigFile(const std::filesystem::path& path) {
  // A folder opens as a stream that reads nothing, as if it were an empty file.
  std::error_code error;
  if (std::filesystem::is_directory(path, error)) {
    return CatalogError{path.string() + ": is a folder, not a file"};
  }
  std::ifstream in(path, std::ios::binary);
  if (!in) return CatalogError{path.string() + ": cannot open the file"};
  std::ostringstream text;
  text << in.rdbuf();
  if (in.bad()) return CatalogError{path.string() + ": cannot read the file"};
  return parseFigText(text.str(), path.string());
}

std::string figText(const CatalogFigure& figure, const std::vector<std::string>& comments) {
  std::string text = "case " + caseName(figure.caseValue) + "\n";
  for (const std::string& comment : comments)
    text += "# " + comment + "\n";
  const Extent extent = extentOf(figure.cubes);
  if (figure.cubes.empty()) return text + "\n";
  std::vector<std::string> layers(
      static_cast<std::size_t>(extent.layers),
      std::string(static_cast<std::size_t>(extent.rows * (extent.columns + 1)), '.'));
  for (std::string& layer : layers) {
    for (int j = 1; j <= extent.rows; ++j) {
      layer[static_cast<std::size_t>(j * (extent.columns + 1) - 1)] = '\n';
    }
  }
  for (const FigureCube& cube : figure.cubes) {
    const auto at =
        static_cast<std::size_t>((cube.cell.j - 1) * (extent.columns + 1) + (cube.cell.k - 1));
    layers[static_cast<std::size_t>(cube.cell.i - 1)][at] =
        cube.piece == 0 ? 'x' : static_cast<char>('0' + cube.piece);
  }
  for (std::size_t n = 0; n < layers.size(); ++n) {
    if (n > 0) text += "\n";
    text += layers[n];
  }
  return text + "\n";
}

}  // namespace vexolite::catalog
