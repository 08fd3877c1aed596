// The one viewer-state record, owned by the window for the whole run, grouped by lifetime.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "case_library/case_decoding.h"
#include "case_library/figure.h"

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

// What the view adds to a case: zoom and projection survive case changes; the schematic and
// the symmetry results are rebuilt by every run of the load-and-show pipeline.
struct ViewFields {
  double ZoomFactor = 0;  // 0.5 at start, steps of 0.5
  double PreviousZoom = 0;
  double RawStepX = 0, RawStepY = 0, RawCellHeight = 0;  // pixels of one cell step
  double CellStepX = 0, CellStepY = 0, CellHeight = 0;   // the same, as the drawings read them
  double AnchorX = 0, AnchorY = 0;                       // pixel anchor of the cell being drawn
  double LeftEdgeX = 0, RightEdgeX = 0, TopEdgeY = 0, BottomEdgeY = 0;
  double MinAnchorX = 0, MinTopY = 0;
  double DrawingWidth = 0, DrawingHeight = 0;  // pixels
  double OriginX = 0, OriginY = 0;             // offsets that put the drawing at pixel (1, 1)

  std::array<std::string, 17> RowSliceText{};
  std::array<std::array<std::string, 17>, 17> RowLineText{};
  std::int16_t FirstColumn = 0, CutLineLength = 0, BoxColumns = 0;
  std::array<std::string, 17> SchematicRows{};  // rows 1..SchematicRowCount
  std::int16_t SchematicRowCount = 0;
  std::int16_t SchematicLeft = 0, SchematicTop = 0, SmallSchematicLeft = 0, SmallSchematicTop = 0;
  std::int16_t GlyphX = 0, GlyphY = 0, SmallGlyphX = 0, SmallGlyphY = 0;
  double GlyphCubeState = 0;

  CellGrid SymmetryGrid;
  std::int16_t BoxMinI = 0, BoxMinJ = 0, BoxMinK = 0;
  std::string SizeTextX, SizeTextY, SizeTextZ;
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
