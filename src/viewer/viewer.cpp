// Start-up, keys and commands, record loading and the help display.
// SPDX-License-Identifier: MIT
#include "viewer/viewer.h"

#include <cmath>
#include <cstdio>
#include <limits>

#include "case_library/case_decoding.h"
#include "viewer/surface_sizes.h"

namespace vexolite {

std::string decimalText(double value) {
  char text[32];
  std::snprintf(text, sizeof text, "%.15g", value);
  return text;
}

namespace {

// A file of more records than an int counts is far beyond any catalogue; the records past that
// are never shown.
constexpr std::uint64_t kMostRecords = std::numeric_limits<int>::max();

RasterSurface surfaceOf(Control picture) {
  const SurfaceSize size = surfaceSizeOf(picture);
  return RasterSurface(size.width, size.height);
}

// Why a record is not a case, as the viewer's message says it (Spanish, without accents).
std::string recordFaultText(const RecordFault& fault) {
  switch (fault.kind) {
    case RecordFaultKind::HighByteTooLarge:
      return "el byte alto vale " + std::to_string(fault.value) + ", 128 o mas";
    case RecordFaultKind::CaseValueTooLarge:
      return "el valor de caso " + std::to_string(fault.value) + " tiene mas de 4 cifras";
    case RecordFaultKind::CellGroupTooLarge:
      return "el grupo de celdas " + std::to_string(fault.group) + " vale " +
             std::to_string(fault.value) + ", mas de 4 cifras";
    case RecordFaultKind::TooManyCubes:
      return "la figura tiene mas de 27 cubitos";
    case RecordFaultKind::TooManyLayers:
      return "la figura tiene mas de 16 capas";
    case RecordFaultKind::TooManyRows:
      return "una capa tiene mas de 16 filas";
    case RecordFaultKind::TooManyCells:
      return "una fila tiene mas de 16 celdas";
    case RecordFaultKind::FigureSignInvalid:
      return "la figura tiene un signo no valido";
  }
  return "el registro no es valido";
}

}  // namespace

Viewer::Viewer(Controls& controls, CaseFileSearch search)
    : controls_(controls),
      search_(std::move(search)),
      figureView_(surfaceOf(Control::FigureView)),
      textSurface_(surfaceOf(Control::TextSurface)),
      caseImage_(surfaceOf(Control::CaseImage)),
      planSurface_(surfaceOf(Control::PlanSurface)),
      pageSurface_(surfaceOf(Control::PageSurface)) {}

std::string Viewer::fileName() const {
  return caseFile_ ? caseFile_->string() : std::string(kCaseFileName);
}

// Finds the case file and counts its records. Leaves the reason in caseFileProblem_ when no
// record can be shown; returns a warning when whole records are followed by a partial one.
std::string Viewer::measureCaseFile() {
  state_.catalogue.recordCount = 0;
  caseFileProblem_.clear();
  caseFile_ = locateCaseFile(search_);
  if (!caseFile_) {
    std::string folders;
    for (const auto& folder : searchedFolders(search_)) {
      folders += (folders.empty() ? "" : ", ") + folder.string();
    }
    caseFileProblem_ = "No se encuentra el archivo " + std::string(kCaseFileName) +
                       ". Se busco en: " + folders + ".";
    return {};
  }
  if (auto reason = channel_.open(*caseFile_)) {
    caseFileProblem_ = "No se puede leer el archivo " + fileName() + ": " + *reason + ".";
    return {};
  }
  const std::optional<std::uint64_t> length = channel_.length();
  channel_.close();
  if (!length) {
    caseFileProblem_ = "No se puede leer el archivo " + fileName() + ": no se puede medir.";
    return {};
  }
  state_.catalogue.recordCount =
      static_cast<int>(std::min<std::uint64_t>(*length / kRecordSize, kMostRecords));
  if (*length == 0) {
    caseFileProblem_ = "El archivo " + fileName() + " esta vacio: no tiene ningun caso.";
  } else if (*length < kRecordSize) {
    caseFileProblem_ = "El archivo " + fileName() + " mide " + std::to_string(*length) +
                       " bytes, menos que un caso de 154 bytes: no tiene ningun caso.";
  } else if (const std::uint64_t partial = *length % kRecordSize; partial != 0) {
    return "El archivo " + fileName() + " mide " + std::to_string(*length) +
           " bytes, que no es multiplo de 154: se ignoran los " + std::to_string(partial) +
           " bytes del registro final incompleto.";
  }
  return {};
}

void Viewer::start() {
  const std::string partialRecordWarning = measureCaseFile();
  state_.view.zoom = kStartZoom;
  controls_.setText(Control::ZoomBox, decimalText(state_.view.zoom));
  state_.catalogue.currentRecord = state_.catalogue.recordCount;

  controls_.setEnabled(Control::PiecePanel, false);
  controls_.setVisible(Control::HelpBox, false);

  if (!caseFileProblem_.empty()) {
    controls_.showMessage(caseFileProblem_, MessageIcon::Critical);
  } else if (!partialRecordWarning.empty()) {
    controls_.showMessage(partialRecordWarning, MessageIcon::Exclamation);
  }
  controls_.showMessage(kStartMessage, MessageIcon::Exclamation);
}

const RasterSurface& Viewer::picture(Control picture) const {
  switch (picture) {
    case Control::TextSurface:
      return textSurface_;
    case Control::CaseImage:
      return caseImage_;
    case Control::PlanSurface:
      return planSurface_;
    case Control::PageSurface:
      return pageSurface_;
    default:
      return figureView_;
  }
}

void Viewer::keyPressed(Key key) {
  if (ending_) return;
  const CommandBinding* binding = bindingOf(key);
  if (binding == nullptr) return;
  run(binding->command);
  if (binding->keyAlsoTyped) controls_.setFocus(Control::CaseNumberBox);
}

void Viewer::run(Command command) {
  if (ending_) return;
  switch (command) {
    case Command::Draw:
      showCurrentRecord();
      break;
    case Command::Help:
      showHelp();
      break;
    case Command::TurnUp:
      turn(Turn::Up);
      break;
    case Command::TurnDown:
      turn(Turn::Down);
      break;
    case Command::TurnLeft:
      turn(Turn::Left);
      break;
    case Command::TurnRight:
      turn(Turn::Right);
      break;
    case Command::PreviousByNumber:
      previousByNumber();
      break;
    case Command::NextByNumber:
      nextByNumber();
      break;
    case Command::PreviousBySolutions:
      previousBySolutions();
      break;
    case Command::NextBySolutions:
      nextBySolutions();
      break;
    case Command::ZoomOut:
      zoomOut();
      break;
    case Command::ZoomIn:
      zoomIn();
      break;
    case Command::ExportCase:
      exportCaseImage();
      break;
    case Command::ExportAll:
      exportAllCases();
      break;
    case Command::ComposePages:
      composePages();
      break;
    case Command::Quit:
      controls_.endProgram();
      break;
  }
}

bool Viewer::showCurrentRecord() {
  if (state_.catalogue.recordCount < 1) {
    controls_.showMessage(caseFileProblem_, MessageIcon::Critical);
    return false;
  }
  channel_.close();
  if (auto reason = channel_.open(*caseFile_)) {
    controls_.showMessage("No se puede leer el archivo " + fileName() + ": " + *reason + ".",
                          MessageIcon::Critical);
    return false;
  }
  const int wanted = state_.catalogue.currentRecord;
  const auto record = wanted >= 1 ? static_cast<std::uint64_t>(wanted) : 0;
  RawRecord raw{};
  if (auto reason = channel_.read(record, raw)) {
    channel_.close();
    controls_.showMessage("No se puede leer el registro " + std::to_string(record) +
                              " del archivo " + fileName() + ": " + *reason + ".",
                          MessageIcon::Critical);
    return false;
  }
  ParseResult<DecodedCase> decoded = decodeRecord(raw);
  if (!decoded) {
    channel_.close();
    controls_.showMessage("El registro " + std::to_string(record) + " del archivo " + fileName() +
                              " no es un caso valido: " + recordFaultText(decoded.error()) +
                              " (byte " + std::to_string(decoded.error().byteOffset) +
                              " del registro).",
                          MessageIcon::Critical);
    return false;
  }
  state_.shownCase = decoded.value().texts;
  applyFigure(decoded.value().figure, state_.figure);

  controls_.setText(Control::CaseLabel, state_.shownCase.caseLabel);
  controls_.setText(Control::CaseNumberLabel, state_.shownCase.caseText);
  controls_.setText(Control::SolutionsLabel, state_.shownCase.solutionLabel);
  controls_.setText(Control::SolutionCountLabel, state_.shownCase.solutionText);
  channel_.close();
  redraw();
  return true;
}

void Viewer::showHelp() {
  controls_.setVisible(Control::FigureView, false);
  controls_.setVisible(Control::HelpBox, true);
  controls_.showMessage("", MessageIcon::None);
  controls_.setVisible(Control::HelpBox, false);
  controls_.setVisible(Control::FigureView, true);
  showCurrentRecord();
}

}  // namespace vexolite
