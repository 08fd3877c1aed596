// The book as PDF bytes: the title page, the figure pages and the solution pages, with outline.
// SPDX-License-Identifier: MIT
#include "book_pdf.h"

#include <cairo-pdf.h>
#include <cairo.h>

#include <algorithm>
#include <array>
#include <memory>

#include "book_texts.h"
#include "catalog_figure.h"
#include "drawing/figure_drawing.h"
#include "drawing/schematic.h"
#include "drawing/schematic_rows.h"
#include "geometry/symmetry.h"
#include "pdf_canvas.h"
#include "piece_shapes.h"

namespace vexolite::book {

namespace {

constexpr Rgb kFrameGrey{200, 200, 200};
constexpr Rgb kRuleGrey{150, 150, 150};
constexpr double kHeaderSize = 8;  // points
// An outline entry whose children stay folded until the reader opens it.
constexpr auto kClosed = static_cast<cairo_pdf_outline_flags_t>(0);

// Every piece in its colours, as the viewer shows case 705.
HelpChoice everyPieceInColour() {
  HelpChoice help;
  help.caseNumber = 705;
  return help;
}

// The figure drawn on the figure pages: as the viewer shows the case, neutral unless it is 705.
HelpChoice asTheViewerShows(const CaseTexts& texts) {
  HelpChoice help;
  help.solutionCount = texts.solutionCount;
  help.caseNumber = texts.caseNumber;
  return help;
}

cairo_status_t appendBytes(void* closure, const unsigned char* data, unsigned int length) {
  auto* bytes = static_cast<std::vector<std::uint8_t>*>(closure);
  bytes->insert(bytes->end(), data, data + length);
  return CAIRO_STATUS_SUCCESS;
}

struct SurfaceDeleter {
  void operator()(cairo_surface_t* s) const { cairo_surface_destroy(s); }
};
struct ContextDeleter {
  void operator()(cairo_t* c) const { cairo_destroy(c); }
};

enum class Align { Left, Centre, Right };

// One line of text with its baseline at y.
void showText(cairo_t* context, const std::string& text, double x, double y, double size,
              cairo_font_face_t* font, Align align = Align::Left) {
  cairo_set_font_face(context, font);
  cairo_set_font_size(context, size);
  cairo_text_extents_t extents;
  cairo_text_extents(context, text.c_str(), &extents);
  double left = x;
  if (align == Align::Centre) left = x - extents.x_advance / 2;
  if (align == Align::Right) left = x - extents.x_advance;
  cairo_move_to(context, left, y);
  cairo_show_text(context, text.c_str());
}

std::string trimmed(std::string_view text) {
  const std::size_t first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  return std::string(text.substr(first, text.find_last_not_of(' ') - first + 1));
}

// Everything one page of a book needs to be drawn.
class BookWriter {
 public:
  BookWriter(const BookRequest& request, const BookPlan& plan, cairo_t* context,
             const BookFonts& fonts)
      : request_(request),
        plan_(plan),
        context_(context),
        fonts_(fonts),
        paper_(paperSize(request.paper)) {}

  std::string say(std::string_view marked, std::initializer_list<std::string> parts = {}) const {
    return fillIn(request_.translate(marked), parts);
  }

  void titlePage() {
    setColour(context_, kBlack);
    const double centre = paper_.width / 2;
    showText(context_, std::string(kProgramName), centre, 120, 40, fonts_.bold(), Align::Centre);
    showText(context_, say(kSubtitle), centre, 150, 14, fonts_.regular(), Align::Centre);
    const std::size_t count = request_.cases.size();
    showText(context_, count == 1 ? say(kOneCase) : say(kCaseCount, {std::to_string(count)}),
             centre, 172, 12, fonts_.regular(), Align::Centre);
    showText(context_, say(kHowToPlay), centre, 200, 10, fonts_.regular(), Align::Centre);
    if (request_.solutions) {
      showText(context_, say(kSolutionsAtTheBack), centre, 214, 10, fonts_.regular(),
               Align::Centre);
    }
    showText(context_, say(kPiecesHeading), kMargin + 40, 262, 13, fonts_.bold());

    // The seven pieces, one a row: the piece in its colours, its name and its shape beside it.
    const double rowHeight = (paper_.height - kAreaBottomMargin - 276) / kPieceCount;
    for (int piece = 1; piece <= kPieceCount; ++piece) {
      const double top = 276 + (piece - 1) * rowHeight;
      FigureFields figure;
      figure.cubeSide = 4;
      int cube = 0;
      for (const catalog::Cell& cell : catalog::pieceCells(piece)) {
        figure.cells(cell.i, cell.j, cell.k) = static_cast<std::int16_t>(++cube);
        figure.cubes[static_cast<std::size_t>(cube)][kPieceColumn] =
            static_cast<std::int16_t>(piece);
        figure.cubes[static_cast<std::size_t>(cube)][kStateColumn] = kCubeShown;
      }
      const FigureMeasure m = measureFigure(figure);
      const double scale = std::min(0.9, (rowHeight - 6) / m.drawingHeight);
      const double x = kMargin + 40 + (100 - m.drawingWidth * scale) / 2;
      const double y = top + (rowHeight - m.drawingHeight * scale) / 2;
      PdfCanvas canvas(context_, x, y, scale, {});
      describeCubes(canvas, figure, Projection{1, m.originX, m.originY}, everyPieceInColour());
      setColour(context_, kBlack);
      const auto index = static_cast<std::size_t>(piece - 1);
      showText(context_, say(kPieceNames[index]), kMargin + 160, top + rowHeight / 2 - 2, 11,
               fonts_.bold());
      showText(context_, say(kPieceShapes[index]), kMargin + 160, top + rowHeight / 2 + 12, 10,
               fonts_.regular());
    }
  }

  // A page of figure boxes; solutions draws every cube in its piece's colours and numbers the
  // plan's squares.
  void figurePage(const std::vector<FigureBox>& boxes, int pageNumber, bool solutions) {
    header(boxes, pageNumber, solutions);
    for (const FigureBox& box : boxes) {
      const BookCase& shown = request_.cases[box.figure];
      const FigureMeasure& m = plan_.measures[box.figure];
      FigureFields figure;
      applyFigure(shown.decoded.figure, figure);
      const CaseTexts& texts = shown.decoded.texts;

      cairo_new_path(context_);
      cairo_rectangle(context_, box.x + 1, box.y + 1, box.width - 2, box.height - 2);
      setColour(context_, kFrameGrey);
      cairo_set_line_width(context_, 0.4);
      cairo_stroke(context_);

      setColour(context_, kBlack);
      const double left = box.x + kBoxPadding, right = box.x + box.width - kBoxPadding;
      showText(context_, trimmed(say(kCaseLabelWord)) + " " + caseNumberText(texts), left,
               box.captionY, kCaptionSize, fonts_.bold());
      const SymmetryReport report = findSymmetries(figure.cells, figure.cubeSide);
      showText(context_,
               std::to_string(report.extentX) + " \u00d7 " + std::to_string(report.extentY) +
                   " \u00d7 " + std::to_string(report.extentZ),
               right, box.captionY, kCaptionSize, fonts_.regular(), Align::Right);
      showText(context_,
               trimmed(say(kSolutionLabelWord)) + " " + std::to_string(texts.solutionCount), left,
               box.captionY + kCaptionLeading, kCaptionSize, fonts_.regular());

      const HelpChoice help = solutions ? everyPieceInColour() : asTheViewerShows(texts);
      PlanPlacement planPlace{box.planX, box.planY,         box.planSquare, m.columns,
                              m.rows,    box.layersPerLine, solutions,      fonts_.bold()};
      PdfCanvas canvas(context_, box.drawingX, box.drawingY, box.scale, planPlace);
      describeCubes(canvas, figure, Projection{1, m.originX, m.originY}, help);
      describePlan(canvas, buildSchematicRows(figure.cells, figure.cubeSide), figure.cubes, help);
    }
  }

 private:
  // "Vexolite · Figuras" and the cases of the page above, the page number below.
  void header(const std::vector<FigureBox>& boxes, int pageNumber, bool solutions) {
    setColour(context_, kBlack);
    showText(context_,
             std::string(kProgramName) + " \u00b7 " + say(solutions ? kSolutions : kFigures),
             kMargin, kHeaderBaseline, kHeaderSize, fonts_.bold());
    const std::string first = caseNumberText(request_.cases[boxes.front().figure].decoded.texts);
    const std::string last = caseNumberText(request_.cases[boxes.back().figure].decoded.texts);
    showText(context_,
             boxes.size() == 1 ? say(kOneCaseRange, {first}) : say(kCaseRange, {first, last}),
             paper_.width - kMargin, kHeaderBaseline, kHeaderSize, fonts_.regular(), Align::Right);
    cairo_new_path(context_);
    cairo_move_to(context_, kMargin, kHeaderBaseline + 5);
    cairo_line_to(context_, paper_.width - kMargin, kHeaderBaseline + 5);
    setColour(context_, kRuleGrey);
    cairo_set_line_width(context_, 0.5);
    cairo_stroke(context_);
    footer(pageNumber);
  }

 public:
  void footer(int pageNumber) {
    setColour(context_, kBlack);
    showText(context_, say(kPageOf, {std::to_string(pageNumber), std::to_string(plan_.pageCount)}),
             paper_.width / 2, paper_.height - kFooterBaseline, kHeaderSize, fonts_.regular(),
             Align::Centre);
  }

 private:
  const BookRequest& request_;
  const BookPlan& plan_;
  cairo_t* context_;
  const BookFonts& fonts_;
  PaperSize paper_;
};

// "Casos 001 a 020": the outline's entry of a page.
std::string pageEntry(const BookWriter& writer, const BookRequest& request,
                      const std::vector<FigureBox>& boxes) {
  const std::string first = caseNumberText(request.cases[boxes.front().figure].decoded.texts);
  const std::string last = caseNumberText(request.cases[boxes.back().figure].decoded.texts);
  return boxes.size() == 1 ? writer.say(kOneCaseRange, {first})
                           : writer.say(kCaseRange, {first, last});
}

std::string pageLink(int page) {
  return "page=" + std::to_string(page);
}

}  // namespace

BookPlan planBook(const BookRequest& request) {
  BookPlan plan;
  plan.measures.reserve(request.cases.size());
  for (const BookCase& c : request.cases) {
    FigureFields figure;
    applyFigure(c.decoded.figure, figure);
    plan.measures.push_back(measureFigure(figure));
  }
  plan.pages = layOutFigures(plan.measures, request.paper);
  const int figurePages = static_cast<int>(plan.pages.size());
  plan.figurePagesFrom = 2;
  plan.solutionPagesFrom = request.solutions ? 2 + figurePages : 0;
  plan.pageCount = 1 + figurePages * (request.solutions ? 2 : 1);
  return plan;
}

RenderedBook renderBook(const BookRequest& request) {
  RenderedBook book;
  const BookPlan plan = planBook(request);
  const PaperSize paper = paperSize(request.paper);
  std::unique_ptr<cairo_surface_t, SurfaceDeleter> surface(
      cairo_pdf_surface_create_for_stream(appendBytes, &book.bytes, paper.width, paper.height));
  cairo_pdf_surface_restrict_to_version(surface.get(), CAIRO_PDF_VERSION_1_5);
  std::unique_ptr<cairo_t, ContextDeleter> context(cairo_create(surface.get()));
  cairo_t* cr = context.get();
  const BookFonts fonts;
  BookWriter writer(request, plan, cr, fonts);

  cairo_pdf_surface_set_metadata(surface.get(), CAIRO_PDF_METADATA_TITLE,
                                 writer.say(kBookTitle).c_str());
  cairo_pdf_surface_set_metadata(surface.get(), CAIRO_PDF_METADATA_AUTHOR, "Vexolite");
  cairo_pdf_surface_set_metadata(surface.get(), CAIRO_PDF_METADATA_CREATOR, "vexolite-book");
  const std::string date = request.date + "Z";
  cairo_pdf_surface_set_metadata(surface.get(), CAIRO_PDF_METADATA_CREATE_DATE, date.c_str());
  cairo_pdf_surface_set_metadata(surface.get(), CAIRO_PDF_METADATA_MOD_DATE, date.c_str());

  // The outline: the title page, then the figures and the solutions, each with its pages.
  cairo_pdf_surface_add_outline(surface.get(), CAIRO_PDF_OUTLINE_ROOT,
                                writer.say(kTitlePage).c_str(), pageLink(1).c_str(),
                                CAIRO_PDF_OUTLINE_FLAG_OPEN);
  const std::array<std::pair<std::string_view, int>, 2> parts{
      {{kFigures, plan.figurePagesFrom}, {kSolutions, plan.solutionPagesFrom}}};
  for (const auto& [name, from] : parts) {
    if (from == 0) continue;
    const int parent =
        cairo_pdf_surface_add_outline(surface.get(), CAIRO_PDF_OUTLINE_ROOT,
                                      writer.say(name).c_str(), pageLink(from).c_str(), kClosed);
    for (std::size_t n = 0; n < plan.pages.size(); ++n) {
      cairo_pdf_surface_add_outline(surface.get(), parent,
                                    pageEntry(writer, request, plan.pages[n]).c_str(),
                                    pageLink(from + static_cast<int>(n)).c_str(), kClosed);
    }
  }

  writer.titlePage();
  writer.footer(1);
  cairo_show_page(cr);
  int page = 2;
  for (bool solutions : {false, true}) {
    if (solutions && !request.solutions) break;
    for (const auto& boxes : plan.pages) {
      writer.figurePage(boxes, page++, solutions);
      cairo_show_page(cr);
    }
  }
  context.reset();
  cairo_surface_finish(surface.get());
  const cairo_status_t status = cairo_surface_status(surface.get());
  if (status != CAIRO_STATUS_SUCCESS) {
    book.bytes.clear();
    book.error = cairo_status_to_string(status);
  }
  return book;
}

}  // namespace vexolite::book
