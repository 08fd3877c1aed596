// The one viewer-state record, owned by the window for the whole run, grouped by lifetime.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "case_library/case_decoding.h"
#include "case_library/figure.h"
#include "drawing/drawing_size.h"
#include "drawing/figure_drawing.h"

namespace vexolite {

// For the whole run: the catalogue and where the user is in it. Set at start-up, moved by
// navigation and the search.
struct CatalogueFields {
  double RecordCount = 0;     // whole records in the case file
  double CurrentRecord = 0;   // record to load, or shown; starts at RecordCount
  double LastCaseNumber = 0;  // 705, the highest case number
  std::string SearchCaseText;
  double SearchRecord = 0;
  std::string LastTypedChar;
  std::string LastKeyText;  // decimal text of the last key code handled, with a leading blank
};

// What the view adds to a case: the zoom survives case changes; the drawing's size, the
// schematic and the symmetry results are rebuilt by every run of the load-and-show pipeline.
struct ViewFields : DrawingSize {
  double ZoomFactor = 0;  // 0.5 at start, steps of 0.5
  double PreviousZoom = 0;

  std::int16_t FirstColumn = 0, CutLineLength = 0, BoxColumns = 0;
  SchematicPlan Schematic;                      // SchematicRows 1..SchematicRowCount
  std::string SizeTextX, SizeTextY, SizeTextZ;  // the size captions, "X: 3"
};

// The export's own fields; PageNumber lives for the whole run and is never reset.
struct ExportFields {
  double LoopIndexExport = 0;
  double PageNumber = 0;
  double PageCellX = 0, PageCellY = 0;
  std::string PageFileName;
  double PageListingStarted = 0;
  std::string PagePattern;
};

// The record itself. Loop counters of the original procedures are locals or arguments of the
// operations that use them; every reader is handed the values it needs.
struct ViewerState : CatalogueFields, CaseFields, FigureFields, ViewFields, ExportFields {};

}  // namespace vexolite
