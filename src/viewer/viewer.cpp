// Start-up, the key table, the buttons, record loading and the help display.
#include "viewer/viewer.h"

#include <cmath>
#include <cstdio>

#include "case_library/case_decoding.h"
#include "viewer/key_codes.h"
#include "viewer/surface_sizes.h"

namespace vexolite {

std::string decimalText(double value) {
  char text[32];
  std::snprintf(text, sizeof text, "%.15g", value);
  return text;
}

bool keyReachesFocusedControl(int keyCode) {
  switch (keyCode) {
    case key::kUp:
    case key::kDown:
    case key::kLeft:
    case key::kRight:
    case key::kHome:
    case key::kEnd:
    case key::kPageUp:
    case key::kPageDown:
    case key::kF1:
    case key::kEscape:
    case key::kEnter:
      return false;
    default:
      return true;  // keypad plus and minus are typed into CaseNumberBox too, which then drops them
  }
}

namespace {

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
      pictures_{surfaceOf(Control::FigureView), surfaceOf(Control::TextSurface),
                surfaceOf(Control::CaseImage), surfaceOf(Control::PlanSurface),
                surfaceOf(Control::PageSurface)} {}

std::string Viewer::fileName() const {
  return caseFile_ ? caseFile_->string() : std::string(kCaseFileName);
}

// Finds the case file and counts its records. Leaves the reason in caseFileProblem_ when no
// record can be shown; returns a warning when whole records are followed by a partial one.
std::string Viewer::measureCaseFile() {
  state_.RecordCount = 0;
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
  state_.RecordCount = static_cast<double>(*length / kRecordSize);
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
  state_.LastCaseNumber = kLastCaseNumber;
  state_.ZoomFactor = kStartZoom;
  controls_.setText(Control::ZoomBox, decimalText(state_.ZoomFactor));
  state_.CurrentRecord = state_.RecordCount;

  controls_.setEnabled(Control::PiecePanel, false);
  controls_.setVisible(Control::HelpBox, false);

  if (!caseFileProblem_.empty()) {
    controls_.showMessage(caseFileProblem_, MessageIcon::Critical);
  } else if (!partialRecordWarning.empty()) {
    controls_.showMessage(partialRecordWarning, MessageIcon::Exclamation);
  }
  controls_.showMessage(kStartMessage, MessageIcon::Exclamation);
}

void Viewer::keyPressed(int keyCode) {
  if (keyCode <= 0 || ending_) return;
  state_.LastKeyText = " " + std::to_string(keyCode);
  switch (keyCode) {
    case key::kEscape:
      controls_.endProgram();
      break;
    case key::kF1:
      showHelp();
      break;
    case key::kEnter:
      showCurrentRecord();
      break;
    case key::kUp:
      ARRIBA();
      break;
    case key::kDown:
      ABAJO();
      break;
    case key::kLeft:
      IZQUIERDA();
      break;
    case key::kRight:
      DERECHA();
      break;
    case key::kHome:
      previousByNumber();
      break;
    case key::kEnd:
      nextByNumber();
      break;
    case key::kPageUp:
      previousBySolutions();
      break;
    case key::kPageDown:
      nextBySolutions();
      break;
    case key::kKeypadMinus:
      zoomOut();
      controls_.setFocus(Control::CaseNumberBox);
      break;
    case key::kKeypadPlus:
      zoomIn();
      controls_.setFocus(Control::CaseNumberBox);
      break;
    default:
      break;
  }
}

void Viewer::clickButton(int n) {
  if (ending_) return;
  switch (n) {
    case 1:
      showCurrentRecord();
      break;
    case 2:
      showHelp();
      break;
    case 3:
      ARRIBA();
      break;
    case 4:
      ABAJO();
      break;
    case 5:
      IZQUIERDA();
      break;
    case 6:
      DERECHA();
      break;
    case 7:
      previousByNumber();
      break;
    case 8:
      nextByNumber();
      break;
    case 9:
      previousBySolutions();
      break;
    case 10:
      nextBySolutions();
      break;
    case 11:
      zoomOut();
      break;
    case 12:
      zoomIn();
      break;
    case 13:
      exportCaseImage();
      break;
    case 14:
      exportAllCases();
      break;
    case 15:
      composePages();
      break;
    default:
      break;
  }
}

bool Viewer::showCurrentRecord() {
  if (state_.RecordCount < 1) {
    controls_.showMessage(caseFileProblem_, MessageIcon::Critical);
    return false;
  }
  channel_.close();
  if (auto reason = channel_.open(*caseFile_)) {
    controls_.showMessage("No se puede leer el archivo " + fileName() + ": " + *reason + ".",
                          MessageIcon::Critical);
    return false;
  }
  const double wanted = std::round(state_.CurrentRecord);
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
  static_cast<CaseFields&>(state_) = decoded.value().fields;
  applyFigure(decoded.value().figure, state_);

  controls_.setText(Control::CaseLabel, state_.CaseLabel);
  controls_.setText(Control::CaseNumberLabel, state_.CaseText);
  controls_.setText(Control::SolutionsLabel, state_.SolutionLabel);
  controls_.setText(Control::SolutionCountLabel, state_.SolutionText);
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
