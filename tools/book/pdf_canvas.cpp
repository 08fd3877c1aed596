// The book's end of the figure's description: faces as filled paths, edges as strokes, in PDF.
// SPDX-License-Identifier: MIT
#include "pdf_canvas.h"

#include <string>

namespace vexolite::book {

namespace {

// The edges' width in units of the drawing: the viewer's one pixel, so that the figure keeps
// the viewer's outline (0.6 pt at the book's scale).
constexpr double kEdgeWidth = 1;
// A hatched face: lines of this width, two units apart, as the viewer's every second line.
constexpr double kHatchWidth = 0.5;
constexpr double kPlanLineWidth = 0.5;  // points

// Each square is drawn this far inside its place, so that neighbouring squares stay apart by a
// clear gap, as the viewer leaves one pixel between them, and every cube can be counted.
constexpr double kSquareInset = 1;

// Light interiors take a black number, dark ones a white one (Rec. 601 luma).
bool isDark(Rgb colour) {
  return 0.299 * colour.r + 0.587 * colour.g + 0.114 * colour.b < 128;
}

}  // namespace

BookFonts::BookFonts()
    : regular_(
          cairo_toy_font_face_create(kBookFont, CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_NORMAL)),
      bold_(
          cairo_toy_font_face_create(kBookFont, CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_BOLD)) {}

BookFonts::~BookFonts() {
  cairo_font_face_destroy(regular_);
  cairo_font_face_destroy(bold_);
}

void setColour(cairo_t* context, Rgb colour) {
  cairo_set_source_rgb(context, colour.r / 255.0, colour.g / 255.0, colour.b / 255.0);
}

PdfCanvas::PdfCanvas(cairo_t* context, double x, double y, double scale, const PlanPlacement& plan)
    : context_(context), x_(x), y_(y), scale_(scale), plan_(plan) {}

void PdfCanvas::moveTo(Point p) {
  cairo_move_to(context_, x_ + (p.x - 0.5) * scale_, y_ + (p.y - 0.5) * scale_);
}

void PdfCanvas::lineTo(Point p) {
  cairo_line_to(context_, x_ + (p.x - 0.5) * scale_, y_ + (p.y - 0.5) * scale_);
}

void PdfCanvas::cubeFace(const CubeFace& face) {
  cairo_new_path(context_);
  moveTo(face.corners[0]);
  for (std::size_t n = 1; n < face.corners.size(); ++n)
    lineTo(face.corners[n]);
  cairo_close_path(context_);
  setColour(context_, face.colour);
  if (face.fill == FaceFill::Solid) {
    cairo_fill(context_);
    return;
  }
  // Hatched: every second line inside the face, as on screen: along the top edge for a side
  // face, upright for the top face.
  cairo_save(context_);
  cairo_clip(context_);
  cairo_set_line_width(context_, kHatchWidth * scale_);
  const Point first = face.corners[0];
  if (face.side == FaceSide::Top) {
    const Point right = face.corners[2];
    const int reach = face.corners[1].y - face.corners[3].y;
    for (int x = first.x + 1; x <= right.x; x += 2) {
      moveTo({x, first.y - reach});
      lineTo({x, first.y + reach});
    }
  } else {
    const Point along = face.corners[1];
    const int height = face.corners[3].y - first.y;
    for (int n = 0; n < height; n += 2) {
      moveTo({first.x, first.y + n});
      lineTo({along.x, along.y + n});
    }
  }
  cairo_stroke(context_);
  cairo_restore(context_);
}

void PdfCanvas::cubeEdges(std::span<const Point> path, Rgb colour) {
  if (path.size() < 2) return;
  cairo_new_path(context_);
  moveTo(path[0]);
  for (std::size_t n = 1; n < path.size(); ++n)
    lineTo(path[n]);
  setColour(context_, colour);
  cairo_set_line_width(context_, kEdgeWidth * scale_);
  cairo_set_line_join(context_, CAIRO_LINE_JOIN_ROUND);
  cairo_set_line_cap(context_, CAIRO_LINE_CAP_ROUND);
  cairo_stroke(context_);
}

void PdfCanvas::planSquare(const PlanSquare& square) {
  const int blockWidth = plan_.columnsPerLayer + 1;
  const int layer = (square.column - 1) / blockWidth;
  const int column = (square.column - 1) % blockWidth;
  const int line = layer / plan_.layersPerLine;
  const int block = layer % plan_.layersPerLine;
  const double q = plan_.square;
  const double x = plan_.x + (block * blockWidth + column) * q;
  const double y = plan_.y + line * (plan_.rowsPerLayer + 1) * q + (square.row - 1) * q;

  cairo_new_path(context_);
  cairo_rectangle(context_, x + kSquareInset, y + kSquareInset, q - 2 * kSquareInset,
                  q - 2 * kSquareInset);
  setColour(context_, square.interior);
  cairo_fill_preserve(context_);
  setColour(context_, square.outline);
  cairo_set_line_width(context_, kPlanLineWidth);
  cairo_set_line_join(context_, CAIRO_LINE_JOIN_MITER);
  cairo_stroke(context_);

  if (!plan_.pieceNumbers || plan_.numberFont == nullptr || square.kind != PlanCellKind::Cube ||
      square.piece <= 0) {
    return;
  }
  const std::string digit = std::to_string(square.piece);
  cairo_set_font_face(context_, plan_.numberFont);
  cairo_set_font_size(context_, q * 0.78);
  cairo_text_extents_t extents;
  cairo_text_extents(context_, digit.c_str(), &extents);
  setColour(context_, isDark(square.interior) ? kWhite : kBlack);
  cairo_move_to(context_, x + q / 2 - extents.x_bearing - extents.width / 2,
                y + q / 2 - extents.y_bearing - extents.height / 2);
  cairo_show_text(context_, digit.c_str());
}

}  // namespace vexolite::book
