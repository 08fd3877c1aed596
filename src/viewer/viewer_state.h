// The one viewer-state record, owned by the window for the whole run, grouped by lifetime.
// SPDX-License-Identifier: MIT
#pragma once

#include "case_library/case_decoding.h"
#include "case_library/figure.h"
#include "drawing/figure_drawing.h"

namespace vexolite {

// Where the user is in the catalogue, for the whole run: set at start-up, moved by the steps and
// the search.
struct CataloguePosition {
  int recordCount = 0;    // whole records in the case file
  int currentRecord = 0;  // the record shown, or to be shown; starts at recordCount
};

// What the view adds to a case: the zoom survives case changes; the origin and the plan are
// rebuilt by every redraw.
struct ViewSettings {
  double zoom = 0;                  // 0.5 at start, in steps of 0.5
  double originX = 0, originY = 0;  // pixels that put the drawing at (1, 1), from the last fit
  SchematicPlan plan;
};

struct ViewerState {
  CataloguePosition catalogue;
  CaseTexts shownCase;  // what the shown record gives
  FigureFields figure;  // the shown figure, as turned and with the cubes hidden so far
  ViewSettings view;
  int pageNumber = 0;  // the last page written in this run; never reset
};

}  // namespace vexolite
