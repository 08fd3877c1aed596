// The application icon: a case of the catalogue drawn by the viewer's own renderer.
// SPDX-License-Identifier: MIT
#include "figure_icon.h"

#include <QColor>
#include <QPainter>
#include <algorithm>
#include <utility>
#include <vector>

#include "case_library/case_file.h"
#include "drawing/drawing_size.h"
#include "drawing/figure_drawing.h"
#include "record_fault_text.h"

namespace vexolite::icon {
namespace {

// Zooms in whole eighths keep 16 z and 8 z whole, so the cell anchors fall on the pixels that
// the drawing's own steps reach.
constexpr int kSmallestEighths = 2;

struct Box {
  int left = 0, top = 0, width = 0, height = 0;
};

// The smallest box around every pixel that is not white.
Box inkedBox(const RasterSurface& surface) {
  int left = surface.width(), top = surface.height(), right = -1, bottom = -1;
  for (int y = 0; y < surface.height(); ++y) {
    for (int x = 0; x < surface.width(); ++x) {
      if (surface.pixel(x, y) == kWhite) continue;
      left = std::min(left, x);
      right = std::max(right, x);
      top = std::min(top, y);
      bottom = std::max(bottom, y);
    }
  }
  if (right < 0) return {};
  return {left, top, right - left + 1, bottom - top + 1};
}

// The figure on a surface of FigureView's 640 × 480 pixels, laid out from pixel (1, 1) as the
// viewer lays it out, without the plan.
RasterSurface drawAt(const DecodedCase& shownCase, int eighths) {
  const double zoom = eighths / 8.0;
  FigureFields figure;
  applyFigure(shownCase.figure, figure);
  const DrawingSize size = measureDrawing(figure.cells, figure.cubeSide, zoom);
  RasterSurface figureView(640, 480);
  RasterSurface planSurface(143, 115);
  HelpChoice everyPiece;
  everyPiece.caseNumber = 705;
  drawFigure(figureView, planSurface, figure, Projection{zoom, size.originX, size.originY},
             SchematicPlan{}, everyPiece);
  return figureView;
}

// The inked box of a surface as an image in which the white around the figure is transparent:
// white pixels that reach the border through white pixels. The white faces inside the figure's
// black edges stay white.
QImage cutOut(const RasterSurface& surface, const Box& box) {
  QImage image(box.width, box.height, QImage::Format_ARGB32);
  image.fill(Qt::transparent);
  const auto at = [&](int x, int y) { return static_cast<std::size_t>(y * box.width + x); };
  const auto white = [&](int x, int y) {
    return surface.pixel(box.left + x, box.top + y) == kWhite;
  };
  std::vector<bool> outside(static_cast<std::size_t>(box.width * box.height), false);
  std::vector<std::pair<int, int>> pending;
  const auto reach = [&](int x, int y) {
    if (x < 0 || y < 0 || x >= box.width || y >= box.height) return;
    if (outside[at(x, y)] || !white(x, y)) return;
    outside[at(x, y)] = true;
    pending.emplace_back(x, y);
  };
  for (int x = 0; x < box.width; ++x) {
    reach(x, 0);
    reach(x, box.height - 1);
  }
  for (int y = 0; y < box.height; ++y) {
    reach(0, y);
    reach(box.width - 1, y);
  }
  while (!pending.empty()) {
    const auto [x, y] = pending.back();
    pending.pop_back();
    reach(x + 1, y);
    reach(x - 1, y);
    reach(x, y + 1);
    reach(x, y - 1);
  }
  for (int y = 0; y < box.height; ++y) {
    for (int x = 0; x < box.width; ++x) {
      if (outside[at(x, y)]) continue;
      const Rgb c = surface.pixel(box.left + x, box.top + y);
      image.setPixel(x, y, qRgb(c.r, c.g, c.b));
    }
  }
  return image;
}

}  // namespace

FoundCase findCase(const std::filesystem::path& caseFile, int caseNumber) {
  const std::string file = caseFile.string();
  CaseChannel channel;
  if (auto reason = channel.open(caseFile)) return {{}, file + ": " + reason->text()};
  const std::optional<std::uint64_t> length = channel.length();
  if (!length) return {{}, file + ": its length cannot be measured"};
  std::vector<RawRecord> records;
  if (auto reason = channel.readRecords(1, *length / kRecordSize, records)) {
    return {{}, file + ": " + reason->text()};
  }
  for (std::size_t n = 0; n < records.size(); ++n) {
    ParseResult<DecodedCase> decoded = decodeRecord(records[n]);
    if (!decoded) {
      return {{},
              file + ", record " + std::to_string(n + 1) + ": " +
                  catalog::recordFaultText(decoded.error()) + " (byte " +
                  std::to_string(decoded.error().byteOffset) + " of the record)"};
    }
    if (decoded.value().texts.recordCaseValue == caseNumber * 10) {
      return {std::move(decoded).value(), {}};
    }
  }
  return {{}, file + ": no record holds case " + std::to_string(caseNumber)};
}

QImage drawIcon(const DecodedCase& shownCase, int size) {
  const int room = size - 2 * (size / 16);
  RasterSurface best = drawAt(shownCase, kSmallestEighths);
  for (int eighths = kSmallestEighths + 1;; ++eighths) {
    RasterSurface larger = drawAt(shownCase, eighths);
    const Box box = inkedBox(larger);
    // A drawing that touches the surface's far edges may have been cut there.
    const bool whole =
        box.left + box.width < larger.width() && box.top + box.height < larger.height();
    if (!whole || box.width > room || box.height > room) break;
    best = std::move(larger);
  }
  QImage figure = cutOut(best, inkedBox(best));
  if (figure.width() > room || figure.height() > room) {
    figure = figure.scaled(room, room, Qt::KeepAspectRatio, Qt::SmoothTransformation);
  }
  QImage icon(size, size, QImage::Format_ARGB32);
  icon.fill(Qt::transparent);
  QPainter painter(&icon);
  painter.drawImage((size - figure.width()) / 2, (size - figure.height()) / 2, figure);
  return icon;
}

}  // namespace vexolite::icon
