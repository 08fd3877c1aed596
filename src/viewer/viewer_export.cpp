// The image export: the case image ("BMP"), every case ("all BMP") and the pages ("pag BMP").
// SPDX-License-Identifier: MIT
#include <cstdint>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "export/case_image.h"
#include "export/export_platform.h"
#include "export/file_replacement.h"
#include "export/image_listing.h"
#include "export/page_composition.h"
#include "viewer/viewer.h"

namespace vexolite {

namespace {

// The wait cursor, for as long as it lives.
class BusyCursor {
 public:
  explicit BusyCursor(ExportPlatform& platform) : platform_(platform) { platform_.setBusy(true); }
  ~BusyCursor() { platform_.setBusy(false); }
  BusyCursor(const BusyCursor&) = delete;
  BusyCursor& operator=(const BusyCursor&) = delete;

 private:
  ExportPlatform& platform_;
};

struct PendingMessage {
  std::string text;
  MessageIcon icon = MessageIcon::Critical;
};

// Skipped files are named up to this many in one message; the rest are counted, so that the
// box still fits the screen.
constexpr std::size_t kSkipsNamed = 20;

std::string skippedFilesMessage(const Controls& controls, const std::vector<std::string>& skipped,
                                int pagesWritten) {
  std::string list;
  for (std::size_t n = 0; n < skipped.size() && n < kSkipsNamed; ++n) {
    list += (n == 0 ? "" : "; ") + skipped[n];
  }
  if (skipped.size() > kSkipsNamed) {
    list += fillIn(controls.translated(QT_TRANSLATE_NOOP("vexolite", "; y %1 mas")),
                   {std::to_string(skipped.size() - kSkipsNamed)});
  }
  const std::string_view pattern =
      skipped.size() == 1 ? QT_TRANSLATE_NOOP("vexolite",
                                              "No se pueden leer como imagen %1 archivo, que no "
                                              "entra en las paginas: %2.")
                          : QT_TRANSLATE_NOOP("vexolite",
                                              "No se pueden leer como imagen %1 archivos, que no "
                                              "entran en las paginas: %2.");
  std::string text = fillIn(controls.translated(pattern), {std::to_string(skipped.size()), list});
  if (pagesWritten == 0) {
    text += controls.translated(QT_TRANSLATE_NOOP("vexolite", " No se escribio ninguna pagina."));
  }
  return text;
}

std::string folderName(const std::filesystem::path& folder) {
  return folder.empty() ? std::string(".") : folder.string();
}

}  // namespace

void Viewer::exportCaseImage() {
  ExportPlatform* platform = controls_.exportPlatform();
  if (platform == nullptr) return;
  if (state_.shownCase.caseCode.empty()) {
    controls_.showMessage(say(QT_TRANSLATE_NOOP("vexolite",
                                                "Todavia no hay ningun caso dibujado: pulsar enter "
                                                "para dibujar uno antes de generar su BMP.")),
                          MessageIcon::Exclamation);
    return;
  }
  if (auto failure = writeCaseImage(*platform)) {
    controls_.showMessage(*failure, MessageIcon::Critical);
  }
}

std::optional<std::string> Viewer::writeCaseImage(ExportPlatform& platform) {
  const CaptionRenderer render = [this, &platform](const std::string& caption,
                                                   RasterSurface& textSurface) {
    controls_.setText(Control::CaptionBox, caption);
    platform.renderText(controls_.text(Control::CaptionBox), textSurface);
  };
  const CaseCaptions captions{
      controls_.text(Control::CaseLabel), controls_.text(Control::SolutionsLabel),
      controls_.text(Control::CaseNumberLabel), controls_.text(Control::SolutionCountLabel)};
  composeCaseImage(captions, render, {figureView_, textSurface_, caseImage_, planSurface_});
  controls_.showPicture(Control::FigureView, figureView_);
  controls_.showPicture(Control::TextSurface, textSurface_);
  controls_.showPicture(Control::CaseImage, caseImage_);

  const CaseImageNames names =
      caseImageNames(state_.shownCase.caseCode, state_.shownCase.imageBaseName);
  std::vector<std::uint8_t> bytes;
  for (const std::string* name : {&names.byCase, &names.bySolutions}) {
    const std::filesystem::path file = search_.workingFolder / *name;
    std::optional<std::string> reason;  // the platform's reasons are already translated
    if (bytes.empty()) reason = platform.encodeBmp(caseImage_, bytes);
    if (!reason) {
      if (auto replaced = replaceFileContents(file, bytes)) reason = reasonText(*replaced);
    }
    if (reason) {
      return say(QT_TRANSLATE_NOOP("vexolite", "No se puede escribir el archivo %1: %2."),
                 {file.string(), *reason});
    }
  }
  return std::nullopt;
}

// Every record once, in solution order, starting after the one shown: after RecordCount steps
// the case shown at the start is shown again, and exported last.
void Viewer::exportAllCases() {
  ExportPlatform* platform = controls_.exportPlatform();
  if (platform == nullptr) return;
  if (!recordsOrSayWhy()) return;
  std::optional<std::string> failure;
  {
    const BusyCursor busy(*platform);
    for (int exported = 0; exported < state_.catalogue.recordCount; ++exported) {
      // A record the loader refuses ends the run; the loader has already said why.
      if (!nextBySolutions() || ending_) break;
      failure = writeCaseImage(*platform);
      if (failure) break;
    }
  }
  if (failure) {
    controls_.showMessage(
        say(QT_TRANSLATE_NOOP("vexolite",
                              "%1 La generacion de los BMP de todos los casos se detiene aqui."),
            {*failure}),
        MessageIcon::Critical);
  }
}

// The case image files of the working folder, in name order, onto pages of 54 cells. A file
// that cannot be read takes no cell; a page is written once it holds an image.
void Viewer::composePages() {
  ExportPlatform* platform = controls_.exportPlatform();
  if (platform == nullptr) return;
  const std::filesystem::path& folder = search_.workingFolder;
  std::vector<PendingMessage> messages;
  std::vector<std::string> skipped;
  int pagesWritten = 0;
  {
    const BusyCursor busy(*platform);
    std::vector<std::string> names;
    if (auto reason =
            platform->listFiles(folder.empty() ? std::filesystem::path(".") : folder, names)) {
      messages.push_back({say(QT_TRANSLATE_NOOP("vexolite", "No se puede leer la carpeta %1: %2."),
                              {folderName(folder), *reason})});
      names.clear();
    }
    const std::vector<std::string> listing = matchingNames(std::move(names), kCaseImagePattern);
    if (listing.empty() && messages.empty()) {
      messages.push_back({say(QT_TRANSLATE_NOOP("vexolite",
                                                "No se encontro ninguna imagen de caso (%1) en la "
                                                "carpeta %2: no se escribio ninguna pagina."),
                              {std::string(kCaseImagePattern), folderName(folder)}),
                          MessageIcon::Exclamation});
    }
    int filled = 0;  // cells of the page being composed that hold an image
    bool stopped = false;
    for (const std::string& name : listing) {
      RasterSurface& picture = caseImage_;
      picture.clear();
      if (auto reason = platform->loadPicture(folder / name, picture)) {
        skipped.push_back(name + " (" + *reason + ")");
        continue;
      }
      if (filled == 0) pageSurface_.clear();
      const PageCell cell = pageCell(filled);
      placeInCell(picture, pageSurface_, cell);
      if (++filled == kPageCells) {
        filled = 0;
        if (auto failure = writeNextPage(*platform)) {
          messages.push_back({*failure});
          stopped = true;
          break;
        }
        ++pagesWritten;
      }
    }
    if (!stopped) {
      if (filled > 0) {
        if (auto failure = writeNextPage(*platform)) {
          messages.push_back({*failure});
        } else {
          ++pagesWritten;
        }
      }
    }
    controls_.showPicture(Control::CaseImage, caseImage_);
    controls_.showPicture(Control::PageSurface, pageSurface_);
  }
  if (!skipped.empty()) {
    messages.push_back(
        {skippedFilesMessage(controls_, skipped, pagesWritten), MessageIcon::Exclamation});
  }
  for (const PendingMessage& message : messages) {
    controls_.showMessage(message.text, message.icon);
  }
}

std::optional<std::string> Viewer::writeNextPage(ExportPlatform& platform) {
  const int next = state_.pageNumber + 1;
  const std::optional<std::string> name = pageFileName(next);
  if (!name) {
    return say(QT_TRANSLATE_NOOP("vexolite",
                                 "No se puede escribir la pagina %1: los nombres de pagina solo "
                                 "tienen dos cifras, de vexo-pag01.bmp a vexo-pag99.bmp. Las "
                                 "paginas ya escritas quedan como estan; para empezar de nuevo por "
                                 "vexo-pag01.bmp hay que cerrar el programa y volver a abrirlo."),
               {std::to_string(next)});
  }
  const std::filesystem::path file = search_.workingFolder / *name;
  std::vector<std::uint8_t> bytes;
  std::optional<std::string> reason = platform.encodeBmp(pageSurface_, bytes);
  if (!reason) {
    if (auto replaced = replaceFileContents(file, bytes)) reason = reasonText(*replaced);
  }
  if (reason) {
    return say(QT_TRANSLATE_NOOP("vexolite",
                                 "No se puede escribir el archivo %1: %2. La composicion de "
                                 "paginas se detiene aqui."),
               {file.string(), *reason});
  }
  state_.pageNumber = next;
  controls_.showPicture(Control::PageSurface, pageSurface_);
  return std::nullopt;
}

}  // namespace vexolite
