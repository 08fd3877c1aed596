// The viewer's operations over its state record: start-up, keys and commands, loading.
// SPDX-License-Identifier: MIT
#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "case_library/case_file.h"
#include "case_library/translatable.h"
#include "drawing/drawing_size.h"
#include "drawing/piece_palette.h"
#include "geometry/quarter_turns.h"
#include "raster/raster_surface.h"
#include "viewer/commands.h"
#include "viewer/controls.h"
#include "viewer/keys.h"
#include "viewer/viewer_state.h"

namespace vexolite {

inline constexpr double kStartZoom = 0.5;
inline constexpr int kLastCaseNumber = 705;
inline constexpr char kStartMessage[] =
    QT_TRANSLATE_NOOP("vexolite", "En proxima pantalla pulsar enter para dar comienzo al sistema");

// The back end of the window. The front end translates toolkit events into the event entry
// points below and implements Controls; everything else happens here. One thread: each entry
// point runs its whole chain before it returns.
class Viewer {
 public:
  Viewer(Controls& controls, CaseFileSearch search);

  ViewerState& state() { return state_; }
  const ViewerState& state() const { return state_; }
  // The case file found at start-up, if any.
  const std::optional<std::filesystem::path>& caseFile() const { return caseFile_; }

  // Events.
  void start();
  // Key-down of the window and of FigureView; the window sees every key before the focused
  // control. Runs the key's command from the command table; a key outside it does nothing.
  void keyPressed(Key key);
  // A command, as its key or its button asks for it.
  void run(Command command);
  // A click on the button of command: the command, then the focus back in CaseNumberBox.
  void buttonClicked(Command command);
  // NoHelpOption (false) or OnePieceHelpOption (true) has just been selected.
  void chooseHelp(bool withPiece);
  // The option of piece 1..7 has just been selected.
  void choosePiece(int piece);
  // A press on FigureView at pixel (x, y); the button plays no part.
  void pressOnView(double x, double y);
  // Every change of CaseNumberBox's text, the user's or the viewer's own.
  void caseNumberEdited();

  // Operations.
  // Shows record currentRecord; false when it could not, after a message saying why.
  bool showCurrentRecord();
  void showHelp();
  void redraw();
  void zoomOut();
  void zoomIn();
  void updateSymmetry();
  void paintFigure();
  // A quarter turn of the shown figure, in place.
  void turn(Turn turn);
  // Shows the case whose number the text gives, or the last record when there is none.
  void showTypedCase(std::string_view typed);
  void previousByNumber();
  void nextByNumber();
  void previousBySolutions();
  bool nextBySolutions();  // as showCurrentRecord, on the next record
  // Image export: the case image, every case, the pages.
  void exportCaseImage();
  void exportAllCases();
  void composePages();
  // Saves PageSurface as the next page; returns why it could not, and then counts no page.
  std::optional<std::string> writeNextPage(ExportPlatform& platform);

  // The surface the operations draw for a picture control: FigureView, TextSurface, CaseImage,
  // PlanSurface or PageSurface.
  const RasterSurface& picture(Control picture) const;
  // The drawing measured at the current zoom.
  DrawingSize measureAtCurrentZoom() const;
  // What the highlight rule reads of the options and the shown case.
  HelpChoice helpChoice() const;

 private:
  std::string measureCaseFile();
  // True when the case file has a record; otherwise says why there is none and returns false.
  bool recordsOrSayWhy();
  void setZoom(double zoom);
  void replaceTypedText(const std::string& replacement, std::size_t characterCount);
  std::string fileName() const;
  // A marked message template in the chosen language, its %1, %2... filled with args.
  std::string say(std::string_view pattern, std::initializer_list<std::string> args = {}) const;
  // A reason a lower layer gave, in the chosen language.
  std::string reasonText(const Reason& reason) const;
  // Composes the shown case's image and writes it under its two names; returns why not.
  std::optional<std::string> writeCaseImage(ExportPlatform& platform);

  Controls& controls_;
  CaseFileSearch search_;
  std::optional<std::filesystem::path> caseFile_;
  std::string caseFileProblem_;  // why no record can be shown, or "" when records exist
  CaseChannel channel_;
  ViewerState state_;
  // The surfaces of the picture controls, drawn here and handed to the window to show.
  RasterSurface figureView_;   // the drawing of the case, with the plan in its corner
  RasterSurface textSurface_;  // where a caption is rendered before it is stamped
  RasterSurface caseImage_;    // the case image composed for export, or a page's image read back
  RasterSurface planSurface_;  // the plan's glyphs
  RasterSurface pageSurface_;  // the page being composed
  bool ending_ = false;        // the program is ending: no further event is handled, nothing drawn
};

// The decimal text of a zoom or other number as ZoomBox shows it: "0.5", "1", "1.5".
std::string decimalText(double value);

}  // namespace vexolite
