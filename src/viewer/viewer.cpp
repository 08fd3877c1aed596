// Start-up, the key table, the buttons, record loading and the help display.
#include "viewer/viewer.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <iostream>

#include "case_library/case_decoding.h"
#include "case_library/case_search.h"
#include "case_library/number_text.h"
#include "geometry/symmetry.h"
#include "viewer/key_codes.h"
#include "viewer/schematic_rows.h"
#include "viewer/window_layout.h"

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
      return true;  // keypad plus and minus are typed into Text1 too, which then drops them
  }
}

namespace {

RasterSurface surfaceOf(Control picture) {
  const ControlLayout& layout = layoutOf(picture);
  return RasterSurface(pixelsFromTwips(layout.width), pixelsFromTwips(layout.height));
}

}  // namespace

Viewer::Viewer(Controls& controls, CaseFileSearch search)
    : controls_(controls),
      search_(std::move(search)),
      pictures_{surfaceOf(Control::Picture1), surfaceOf(Control::Picture2),
                surfaceOf(Control::Picture3), surfaceOf(Control::Picture4),
                surfaceOf(Control::Picture5)} {}

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

void Viewer::Form_Load() {
  const std::string partialRecordWarning = measureCaseFile();
  state_.LastCaseNumber = kLastCaseNumber;
  state_.ZoomFactor = kStartZoom;
  controls_.setText(Control::Text3, decimalText(state_.ZoomFactor));
  state_.CurrentRecord = state_.RecordCount;

  controls_.setEnabled(Control::Frame1, false);
  controls_.setVisible(Control::Text2, false);

  if (!caseFileProblem_.empty()) {
    controls_.showMessage(caseFileProblem_, MessageIcon::Critical);
  } else if (!partialRecordWarning.empty()) {
    controls_.showMessage(partialRecordWarning, MessageIcon::Exclamation);
  }
  controls_.showMessage(kStartMessage, MessageIcon::Exclamation);
}

void Viewer::Form_KeyDown(int keyCode) {
  if (keyCode <= 0 || ending_) return;
  state_.LastKeyText = " " + std::to_string(keyCode);
  switch (keyCode) {
    case key::kEscape:
      controls_.endProgram();
      break;
    case key::kF1:
      AYUDA();
      break;
    case key::kEnter:
      LEERARCHIVO();
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
      LEERANTERIORORDE();
      break;
    case key::kEnd:
      LEERSIGUIENTORDE();
      break;
    case key::kPageUp:
      LEERANTERIORSOLU();
      break;
    case key::kPageDown:
      LEERSIGUIENTSOLU();
      break;
    case key::kKeypadMinus:
      DISMINUIR();
      controls_.setFocus(Control::Text1);
      break;
    case key::kKeypadPlus:
      AUMENTAR();
      controls_.setFocus(Control::Text1);
      break;
    default:
      break;
  }
}

void Viewer::CommandClick(int n) {
  if (ending_) return;
  switch (n) {
    case 1:
      LEERARCHIVO();
      break;
    case 2:
      AYUDA();
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
      LEERANTERIORORDE();
      break;
    case 8:
      LEERSIGUIENTORDE();
      break;
    case 9:
      LEERANTERIORSOLU();
      break;
    case 10:
      LEERSIGUIENTSOLU();
      break;
    case 11:
      DISMINUIR();
      break;
    case 12:
      AUMENTAR();
      break;
    default:
      break;
  }
}

void Viewer::LEERARCHIVO() {
  if (state_.RecordCount < 1) {
    controls_.showMessage(caseFileProblem_, MessageIcon::Critical);
    return;
  }
  channel_.close();
  if (auto reason = channel_.open(*caseFile_)) {
    controls_.showMessage("No se puede leer el archivo " + fileName() + ": " + *reason + ".",
                          MessageIcon::Critical);
    return;
  }
  const double wanted = std::round(state_.CurrentRecord);
  const auto record = wanted >= 1 ? static_cast<std::uint64_t>(wanted) : 0;
  RawRecord raw{};
  if (auto reason = channel_.read(record, raw)) {
    channel_.close();
    controls_.showMessage("No se puede leer el registro " + std::to_string(record) +
                              " del archivo " + fileName() + ": " + *reason + ".",
                          MessageIcon::Critical);
    return;
  }
  ParseResult<DecodedCase> decoded = decodeRecord(raw);
  if (!decoded) {
    channel_.close();
    controls_.showMessage("El registro " + std::to_string(record) + " del archivo " + fileName() +
                              " no es un caso valido: " + decoded.error().reason + " (byte " +
                              std::to_string(decoded.error().byteOffset) + " del registro).",
                          MessageIcon::Critical);
    return;
  }
  static_cast<CaseFields&>(state_) = decoded.value().fields;
  applyFigure(decoded.value().figure, state_);

  controls_.setText(Control::Label1, state_.CaseLabel);
  controls_.setText(Control::Label3, state_.CaseText);
  controls_.setText(Control::Label2, state_.SolutionLabel);
  controls_.setText(Control::Label4, state_.SolutionText);
  channel_.close();
  CARGARYMOSTRAR();
}

void Viewer::CARGARYMOSTRAR() {
  if (ending_) return;
  simetria();
  pictures_[3].clear();
  TAMANO();
  // No lower bound is needed: every figure of side up to 16 fits at zoom 0.5.
  while (!fitsPicture(state_)) {
    state_.ZoomFactor -= kZoomStep;
    controls_.setText(Control::Text3, decimalText(state_.ZoomFactor));
    TAMANO();
  }
  SchematicLayout layout = buildSchematicRows(state_.CellMatrix, state_.CubeSide);
  state_.Schematic = std::move(layout.plan);
  state_.FirstColumn = layout.FirstColumn;
  state_.CutLineLength = layout.CutLineLength;
  state_.BoxColumns = layout.BoxColumns;
  DIBUJATODO();
  controls_.setFocus(Control::Text1);
}

void Viewer::TAMANO() {
  static_cast<DrawingSize&>(state_) =
      measureDrawing(state_.CellMatrix, state_.CubeSide, state_.ZoomFactor);
}

void Viewer::DISMINUIR() {
  if (state_.ZoomFactor - kZoomStep >= kSmallestZoom) {
    state_.ZoomFactor -= kZoomStep;
    controls_.setText(Control::Text3, decimalText(state_.ZoomFactor));
  } else {
    controls_.beep();
  }
  CARGARYMOSTRAR();
}

void Viewer::AUMENTAR() {
  state_.PreviousZoom = state_.ZoomFactor;
  state_.ZoomFactor += kZoomStep;
  controls_.setText(Control::Text3, decimalText(state_.ZoomFactor));
  TAMANO();
  if (!fitsPicture(state_)) {
    state_.ZoomFactor = state_.PreviousZoom;
    controls_.beep();
    controls_.setText(Control::Text3, decimalText(state_.ZoomFactor));
  }
  CARGARYMOSTRAR();
}

void Viewer::simetria() {
  const SymmetryReport report = findSymmetries(state_.CellMatrix, state_.CubeSide);
  state_.SizeTextX = sizeCaption('X', report.extentX);
  state_.SizeTextY = sizeCaption('Y', report.extentY);
  state_.SizeTextZ = sizeCaption('Z', report.extentZ);
  controls_.setText(Control::Label7, state_.SizeTextX);
  controls_.setText(Control::Label8, state_.SizeTextY);
  controls_.setText(Control::Label9, state_.SizeTextZ);
  for (int n = 1; n <= 9; ++n) {
    controls_.setChecked(Check(n), report.mirrors[static_cast<std::size_t>(n - 1)]);
  }
}

HelpChoice Viewer::helpChoice() const {
  HelpChoice help;
  help.helpWithPiece = controls_.isChecked(Control::Option9);
  for (int piece = 1; piece <= kPieceCount && help.chosenPiece == 0; ++piece) {
    if (controls_.isChecked(Option(piece))) help.chosenPiece = piece;
  }
  help.solutionCount = state_.SolutionCount;
  help.caseNumber = state_.CaseNumber;
  return help;
}

void Viewer::DIBUJATODO() {
  if (ending_) return;
  const CellSteps steps = cellStepsFor(state_.ZoomFactor);
  state_.RawStepX = state_.CellStepX = steps.dx;
  state_.RawStepY = state_.CellStepY = steps.dy;
  state_.RawCellHeight = state_.CellHeight = steps.h;
  const Projection projection{state_.ZoomFactor, state_.OriginX, state_.OriginY};
  const std::optional<ImpossibleCell> impossible =
      drawFigure(pictures_[0], pictures_[3], state_, projection, state_.Schematic, helpChoice());
  if (impossible) {
    // The cell grid and the cube table disagree: nothing sound can be drawn any more.
    std::cerr << "vexolite: the cell (" << impossible->i << ", " << impossible->j << ", "
              << impossible->k << ") holds cube " << impossible->cube
              << ", which has no state; the program ends.\n";
    ending_ = true;
    controls_.endProgram();
    return;
  }
  controls_.showPicture(Control::Picture1, pictures_[0]);
  controls_.showPicture(Control::Picture4, pictures_[3]);
  controls_.setFocus(Control::Text1);
}

void Viewer::turn(Turn turn) {
  if (ending_) return;
  turnCells(state_.CellMatrix, state_.CubeSide, turn);
  CARGARYMOSTRAR();
}

void Viewer::ARRIBA() {
  turn(Turn::Up);
}
void Viewer::ABAJO() {
  turn(Turn::Down);
}
void Viewer::IZQUIERDA() {
  turn(Turn::Left);
}
void Viewer::DERECHA() {
  turn(Turn::Right);
}

// A number of 0 or below, or above 705, names no case and shows the last record of the file.
// Searching for the record count as a case number instead would show an unrelated case.
void Viewer::CASONUM() {
  if (ending_) return;
  state_.CurrentRecord = state_.RecordCount;
  if (const std::optional<std::string> key =
          caseSearchKey(state_.SearchCaseText, state_.LastCaseNumber)) {
    state_.SearchCaseText = *key;
    if (caseFile_ && !channel_.open(*caseFile_)) {
      const auto records = static_cast<std::uint64_t>(std::max(state_.RecordCount, 0.0));
      if (const auto found = findCaseRecord(channel_, *key, records)) {
        state_.SearchRecord = static_cast<double>(*found);
        state_.CurrentRecord = state_.SearchRecord;
      }
    }
  }
  channel_.close();
  LEERARCHIVO();
}

void Viewer::stepCaseNumber(double caseNumber) {
  state_.CurrentRecord = caseNumber;
  state_.SearchCaseText = decimalText(caseNumber);
  CASONUM();
}

void Viewer::LEERANTERIORORDE() {
  double previous = std::trunc(numericValue(state_.CaseNumberText) - 1);
  if (previous <= 0) previous = state_.LastCaseNumber;
  stepCaseNumber(previous);
}

void Viewer::LEERSIGUIENTORDE() {
  double next = std::trunc(numericValue(state_.CaseNumberText) + 1);
  if (next > state_.LastCaseNumber) next = 1;
  stepCaseNumber(next);
}

void Viewer::LEERANTERIORSOLU() {
  if (state_.CurrentRecord - 1 >= 1) {
    state_.CurrentRecord = state_.CurrentRecord - 1;
  } else {
    state_.CurrentRecord = state_.RecordCount;
  }
  LEERARCHIVO();
}

void Viewer::LEERSIGUIENTSOLU() {
  if (state_.CurrentRecord + 1 <= state_.RecordCount) {
    state_.CurrentRecord = state_.CurrentRecord + 1;
  } else {
    state_.CurrentRecord = 1;
  }
  LEERARCHIVO();
}

void Viewer::Text1_Change() {
  if (ending_) return;
  const std::string text = controls_.text(Control::Text1);
  state_.LastTypedChar = text.empty() ? std::string() : text.substr(text.size() - 1);
  if (state_.LastTypedChar.find_first_of("1234567890.") == 0) {
    if (text.size() < 6) {
      state_.SearchCaseText = text;
      CASONUM();
    } else {
      // The box keeps the last five characters, and the handler runs again on them.
      controls_.setText(Control::Text1, text.substr(text.size() - 5));
      Text1_Change();
    }
  } else if (!text.empty()) {
    // "+" and "-" as any other character: the box is emptied and the handler runs again on
    // the empty text, which does nothing.
    controls_.setText(Control::Text1, "");
    Text1_Change();
  }
}

void Viewer::OptionClick(int n) {
  if (ending_) return;
  if (n == 8) {
    controls_.setEnabled(Control::Frame1, false);
  } else if (n == 9) {
    controls_.setEnabled(Control::Frame1, true);
  } else if (n >= 1 && n <= kPieceCount) {
    // The help piece is final for the run: every other choice is closed.
    for (int other = 1; other <= 9; ++other) {
      if (other != n) controls_.setEnabled(Option(other), false);
    }
    CARGARYMOSTRAR();
  }
}

void Viewer::Picture1_MouseDown(double x, double y) {
  if (ending_) return;
  for (std::size_t cube = 1; cube <= kMaxCubes; ++cube) {
    auto& row = state_.CubeletTable[cube];
    const double gx = row[kSquareXColumn];
    const double gy = row[kSquareYColumn];
    if (!(gx <= x && x <= gx + 5 && gy <= y && y <= gy + 5)) continue;
    if (row[kStateColumn] == kCubeHidden) {
      row[kStateColumn] = kCubeShown;
      DIBUJATODO();
      return;
    }
    if (row[kStateColumn] == kCubeShown) {
      row[kStateColumn] = kCubeHidden;
      DIBUJATODO();
      return;
    }
  }
}

void Viewer::AYUDA() {
  controls_.setVisible(Control::Picture1, false);
  controls_.setVisible(Control::Text2, true);
  controls_.showMessage("", MessageIcon::None);
  controls_.setVisible(Control::Text2, false);
  controls_.setVisible(Control::Picture1, true);
  LEERARCHIVO();
}

}  // namespace vexolite
