// The book's end of the figure's description: faces as filled paths, edges as strokes, in PDF.
// SPDX-License-Identifier: MIT
#pragma once

#include <cairo.h>

#include "drawing/figure_canvas.h"

namespace vexolite::book {

// Where the plan goes and how its squares are told apart.
struct PlanPlacement {
  double x = 0, y = 0;                      // top-left, points
  double square = 6.5;                      // side of a square, points
  int columnsPerLayer = 1;                  // the occupied box's columns
  int rowsPerLayer = 1;                     // and rows
  int layersPerLine = 1;                    // blocks side by side before the next line of blocks
  bool pieceNumbers = false;                // print each cube's piece number in its square
  cairo_font_face_t* numberFont = nullptr;  // the numbers' font, when they are printed
};

// Draws on a cairo context in points. A projection point p (the viewer's pixel, one unit) lands
// at (x + (p.x - 0.5) scale, y + (p.y - 0.5) scale): the viewer's pixel (px, py) covers the
// unit square from (px, py), so the drawing at (x, y) covers what the viewer's pixels 1.. cover.
class PdfCanvas : public FigureCanvas {
 public:
  PdfCanvas(cairo_t* context, double x, double y, double scale, const PlanPlacement& plan);

  void cubeFace(const CubeFace& face) override;
  void cubeEdges(std::span<const Point> path, Rgb colour) override;
  void planSquare(const PlanSquare& square) override;

 private:
  void moveTo(Point p);
  void lineTo(Point p);

  cairo_t* context_;
  double x_, y_, scale_;
  PlanPlacement plan_;
};

// The font of every text in the book, embedded in the PDF: its regular and bold faces, looked
// up once for the whole book (a lookup through fontconfig for every text would cost seconds).
inline constexpr char kBookFont[] = "Liberation Sans";
class BookFonts {
 public:
  BookFonts();
  ~BookFonts();
  BookFonts(const BookFonts&) = delete;
  BookFonts& operator=(const BookFonts&) = delete;
  cairo_font_face_t* regular() const { return regular_; }
  cairo_font_face_t* bold() const { return bold_; }

 private:
  cairo_font_face_t* regular_;
  cairo_font_face_t* bold_;
};

// Sets a colour of the drawing's palette on the context.
void setColour(cairo_t* context, Rgb colour);

}  // namespace vexolite::book
