// The viewer's operations over its state record: start-up, key and button dispatch, loading.
#pragma once

#include <array>
#include <filesystem>
#include <optional>
#include <string>

#include "case_library/case_file.h"
#include "drawing/piece_palette.h"
#include "geometry/quarter_turns.h"
#include "raster/raster_surface.h"
#include "viewer/controls.h"
#include "viewer/viewer_state.h"

namespace vexolite {

inline constexpr double kStartZoom = 0.5;
inline constexpr double kLastCaseNumber = 705;
inline constexpr char kStartMessage[] =
    "En proxima pantalla pulsar enter para dar comienzo al sistema";

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
  // Key-down of the window and of FigureView, with a standard virtual-key code; the window sees
  // every key before the focused control.
  void keyPressed(int keyCode);
  void clickButton(int n);  // DrawButton_Click .. composePages
  // PieceV_Click .. OnePieceHelpOption_Click: the option has just been selected.
  void chooseOption(int n);
  // A press on FigureView at pixel (x, y); the button plays no part.
  void pressOnView(double x, double y);
  // Every change of CaseNumberBox's text, the user's or the viewer's own.
  void caseNumberEdited();

  // Operations.
  // Shows record CurrentRecord; false when it could not, after a message saying why.
  bool showCurrentRecord();
  void showHelp();
  void redraw();
  void fitDrawing();
  void zoomOut();
  void zoomIn();
  void updateSymmetry();
  void paintFigure();
  void ARRIBA();
  void ABAJO();
  void IZQUIERDA();
  void DERECHA();
  void showTypedCase();
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

  // FigureView .. PageSurface, n from 1: the surfaces the operations draw on.
  const RasterSurface& picture(int n) const { return pictures_[static_cast<std::size_t>(n - 1)]; }
  // What the highlight rule reads of the options and the shown case.
  HelpChoice helpChoice() const;

 private:
  std::string measureCaseFile();
  void turn(Turn turn);
  void stepCaseNumber(double caseNumber);
  void replaceTypedText(const std::string& replacement, std::size_t characterCount);
  std::string fileName() const;
  // Composes the shown case's image and writes it under its two names; returns why not.
  std::optional<std::string> writeCaseImage(ExportPlatform& platform);

  Controls& controls_;
  CaseFileSearch search_;
  std::optional<std::filesystem::path> caseFile_;
  std::string caseFileProblem_;  // why no record can be shown, or "" when records exist
  CaseChannel channel_;
  ViewerState state_;
  std::array<RasterSurface, 5> pictures_;
  bool ending_ = false;  // the program is ending: no further event is handled, nothing drawn
};

// The decimal text of a zoom or other number as ZoomBox shows it: "0.5", "1", "1.5".
std::string decimalText(double value);

// True for the keys whose typed character belongs in CaseNumberBox even when the window acted on
// them: every key outside the key table, and the keypad plus and minus.
bool keyReachesFocusedControl(int keyCode);

}  // namespace vexolite
