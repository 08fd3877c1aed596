// Start-up, keys and commands, record loading and the help display.
// SPDX-License-Identifier: MIT
#include "viewer/viewer.h"

#include <cmath>
#include <cstdio>
#include <limits>

#include "case_library/case_decoding.h"
#include "case_library/case_file.h"
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

// A decoded label with its opening word in the chosen language. A translation of another width
// would shift the number out of the label and the exported stamp, so it is not used.
std::string labelInChosenLanguage(const Controls& controls, const std::string& label,
                                  std::string_view word) {
  const std::string local = controls.translated(word);
  if (local.size() != word.size() || !label.starts_with(word)) return label;
  return local + label.substr(word.size());
}

// Why a record is not a case, as the viewer's message says it (Spanish, without accents).
std::string recordFaultText(const Controls& controls, const RecordFault& fault) {
  const auto say = [&controls](std::string_view pattern,
                               std::initializer_list<std::string> args = {}) {
    return fillIn(controls.translated(pattern), args);
  };
  switch (fault.kind) {
    case RecordFaultKind::HighByteTooLarge:
      return say(QT_TRANSLATE_NOOP("vexolite", "el byte alto vale %1, 128 o mas"),
                 {std::to_string(fault.value)});
    case RecordFaultKind::CaseValueTooLarge:
      return say(QT_TRANSLATE_NOOP("vexolite", "el valor de caso %1 tiene mas de 4 cifras"),
                 {std::to_string(fault.value)});
    case RecordFaultKind::CellGroupTooLarge:
      return say(QT_TRANSLATE_NOOP("vexolite", "el grupo de celdas %1 vale %2, mas de 4 cifras"),
                 {std::to_string(fault.group), std::to_string(fault.value)});
    case RecordFaultKind::TooManyCubes:
      return say(QT_TRANSLATE_NOOP("vexolite", "la figura tiene mas de 27 cubitos"));
    case RecordFaultKind::TooManyLayers:
      return say(QT_TRANSLATE_NOOP("vexolite", "la figura tiene mas de 16 capas"));
    case RecordFaultKind::TooManyRows:
      return say(QT_TRANSLATE_NOOP("vexolite", "una capa tiene mas de 16 filas"));
    case RecordFaultKind::TooManyCells:
      return say(QT_TRANSLATE_NOOP("vexolite", "una fila tiene mas de 16 celdas"));
    case RecordFaultKind::FigureSignInvalid:
      return say(QT_TRANSLATE_NOOP("vexolite", "la figura tiene un signo no valido"));
  }
  return say(QT_TRANSLATE_NOOP("vexolite", "el registro no es valido"));
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

std::string Viewer::say(std::string_view pattern, std::initializer_list<std::string> args) const {
  return fillIn(controls_.translated(pattern), args);
}

// The reason's pattern translated, filled with the same parts.
std::string Viewer::reasonText(const Reason& reason) const {
  return fillIn(controls_.translated(reason.pattern), reason.parts);
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
    caseFileProblem_ =
        say(QT_TRANSLATE_NOOP("vexolite", "No se encuentra el archivo %1. Se busco en: %2."),
            {std::string(kCaseFileName), folders});
    return {};
  }
  if (auto reason = channel_.open(*caseFile_)) {
    caseFileProblem_ = say(QT_TRANSLATE_NOOP("vexolite", "No se puede leer el archivo %1: %2."),
                           {fileName(), reasonText(*reason)});
    return {};
  }
  const std::optional<std::uint64_t> length = channel_.length();
  channel_.close();
  if (!length) {
    caseFileProblem_ =
        say(QT_TRANSLATE_NOOP("vexolite", "No se puede leer el archivo %1: no se puede medir."),
            {fileName()});
    return {};
  }
  state_.catalogue.recordCount =
      static_cast<int>(std::min<std::uint64_t>(*length / kRecordSize, kMostRecords));
  if (*length == 0) {
    caseFileProblem_ =
        say(QT_TRANSLATE_NOOP("vexolite", "El archivo %1 esta vacio: no tiene ningun caso."),
            {fileName()});
  } else if (*length < kRecordSize) {
    caseFileProblem_ = say(QT_TRANSLATE_NOOP("vexolite",
                                             "El archivo %1 mide %2 bytes, menos que un caso de "
                                             "154 bytes: no tiene ningun caso."),
                           {fileName(), std::to_string(*length)});
  } else if (const std::uint64_t partial = *length % kRecordSize; partial != 0) {
    return say(QT_TRANSLATE_NOOP("vexolite",
                                 "El archivo %1 mide %2 bytes, que no es multiplo de 154: se "
                                 "ignoran los %3 bytes del registro final incompleto."),
               {fileName(), std::to_string(*length), std::to_string(partial)});
  }
  return {};
}

void Viewer::start() {
  const std::string partialRecordWarning = measureCaseFile();
  setZoom(kStartZoom);
  state_.catalogue.currentRecord = state_.catalogue.recordCount;

  controls_.setEnabled(Control::PiecePanel, false);
  controls_.setVisible(Control::HelpBox, false);

  if (!caseFileProblem_.empty()) {
    controls_.showMessage(caseFileProblem_, MessageIcon::Critical);
  } else if (!partialRecordWarning.empty()) {
    controls_.showMessage(partialRecordWarning, MessageIcon::Exclamation);
  }
  controls_.showMessage(controls_.translated(kStartMessage), MessageIcon::Exclamation);
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

// A button keeps no focus, whether or not its command redraws: digits typed after it go on
// reaching the case-number box.
void Viewer::buttonClicked(Command command) {
  run(command);
  if (!ending_) controls_.setFocus(Control::CaseNumberBox);
}

bool Viewer::recordsOrSayWhy() {
  if (state_.catalogue.recordCount >= 1) return true;
  controls_.showMessage(caseFileProblem_, MessageIcon::Critical);
  return false;
}

bool Viewer::showCurrentRecord() {
  if (!recordsOrSayWhy()) return false;
  channel_.close();
  if (auto reason = channel_.open(*caseFile_)) {
    controls_.showMessage(say(QT_TRANSLATE_NOOP("vexolite", "No se puede leer el archivo %1: %2."),
                              {fileName(), reasonText(*reason)}),
                          MessageIcon::Critical);
    return false;
  }
  const int wanted = state_.catalogue.currentRecord;
  const auto record = wanted >= 1 ? static_cast<std::uint64_t>(wanted) : 0;
  RawRecord raw{};
  if (auto reason = channel_.read(record, raw)) {
    channel_.close();
    controls_.showMessage(
        say(QT_TRANSLATE_NOOP("vexolite", "No se puede leer el registro %1 del archivo %2: %3."),
            {std::to_string(record), fileName(), reasonText(*reason)}),
        MessageIcon::Critical);
    return false;
  }
  ParseResult<DecodedCase> decoded = decodeRecord(raw);
  if (!decoded) {
    channel_.close();
    controls_.showMessage(
        say(QT_TRANSLATE_NOOP("vexolite",
                              "El registro %1 del archivo %2 no es un caso valido: %3 (byte %4 "
                              "del registro)."),
            {std::to_string(record), fileName(), recordFaultText(controls_, decoded.error()),
             std::to_string(decoded.error().byteOffset)}),
        MessageIcon::Critical);
    return false;
  }
  state_.shownCase = decoded.value().texts;
  applyFigure(decoded.value().figure, state_.figure);

  controls_.setText(Control::CaseLabel,
                    labelInChosenLanguage(controls_, state_.shownCase.caseLabel, kCaseLabelWord));
  controls_.setText(Control::CaseNumberLabel, state_.shownCase.caseText);
  controls_.setText(
      Control::SolutionsLabel,
      labelInChosenLanguage(controls_, state_.shownCase.solutionLabel, kSolutionLabelWord));
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
