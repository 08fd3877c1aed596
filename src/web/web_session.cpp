// One run of the viewer in the page: its controls, its in-memory working folder, its downloads.
// SPDX-License-Identifier: MIT
#include "web/web_session.h"

#include <algorithm>
#include <fstream>
#include <system_error>

#include "case_library/case_search.h"
#include "case_library/record_format.h"
#include "export/file_replacement.h"
#include "export/image_listing.h"
#include "geometry/symmetry.h"
#include "web/page_texts.h"

namespace vexolite {
namespace {

// A name the user's browser gave that stands for one file of the folder: no separator, no
// "." or "..", nothing empty.
bool plainFileName(const std::string& name) {
  return !name.empty() && name != "." && name != ".." &&
         name.find_first_of("/\\") == std::string::npos && name.find('\0') == std::string::npos;
}

std::string trimmed(const std::string& text) {
  const auto first = text.find_first_not_of(' ');
  if (first == std::string::npos) return {};
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// Downloads are offered after a button's command; a key bound to an export would need the same.
constexpr bool noKeyRunsAnExport() {
  for (const CommandBinding& binding : kCommandTable) {
    const bool export_ = binding.command == Command::ExportCase ||
                         binding.command == Command::ExportAll ||
                         binding.command == Command::ComposePages;
    if (export_ && binding.key != Key::Other) return false;
  }
  return true;
}
static_assert(noKeyRunsAnExport(), "a key that runs an export must offer its downloads too");

}  // namespace

WebSession::WebSession(std::filesystem::path workingFolder, WebControls::Translations translations)
    : folder_(std::move(workingFolder)),
      controls_(std::move(translations)),
      viewer_(controls_, CaseFileSearch{folder_, {}, {}}) {}

void WebSession::start(std::string_view addressedCase) {
  viewer_.start();
  if (addressedCase.empty() || !viewer_.caseFile()) return;
  CataloguePosition& at = viewer_.state().catalogue;
  CaseChannel channel;
  if (const auto key = caseSearchKey(addressedCase, kLastCaseNumber);
      key && !channel.open(*viewer_.caseFile())) {
    const auto records = static_cast<std::uint64_t>(std::max(at.recordCount, 0));
    if (const auto found = findCaseRecord(channel, *key, records)) {
      at.currentRecord = static_cast<int>(*found);
    }
  }
}

// No key runs an export (checked above), so a key never offers a download.
void WebSession::keyPressed(Key key) {
  viewer_.keyPressed(key);
}

void WebSession::buttonClicked(Control button) {
  for (const CommandBinding& binding : kCommandTable) {
    if (binding.button == button) {
      runAndOffer(binding.command);
      return;
    }
  }
}

void WebSession::optionChosen(Control option) {
  if (option == Control::NoHelpOption || option == Control::OnePieceHelpOption) {
    controls_.setChecked(option, true);
    viewer_.chooseHelp(option == Control::OnePieceHelpOption);
    return;
  }
  for (std::size_t n = 0; n < kPieceOptions.size(); ++n) {
    if (kPieceOptions[n] == option) {
      controls_.setChecked(option, true);
      viewer_.choosePiece(static_cast<int>(n) + 1);
    }
  }
}

void WebSession::pressOnView(double x, double y) {
  viewer_.pressOnView(x, y);
}

void WebSession::caseNumberTyped(const std::string& text) {
  controls_.typed(Control::CaseNumberBox, text);
  viewer_.caseNumberEdited();
}

// The message for a file the page cannot take, naming it.
WebSession::AddedFile WebSession::refuseFile(const std::string& name, const std::string& why) {
  controls_.showMessage(fillIn(controls_.translated(QT_TRANSLATE_NOOP(
                                   "vexolite", "No se puede escribir el archivo %1: %2.")),
                               {name, why}),
                        MessageIcon::Critical);
  return AddedFile::Refused;
}

bool WebSession::acceptsSize(const std::string& name, std::uint64_t size) {
  if (size <= kLargestGivenFileBytes) return true;
  refuseFile(name, fillIn(controls_.translated(pageText("tooLarge")), {std::to_string(size)}));
  return false;
}

WebSession::AddedFile WebSession::addFile(const std::string& name,
                                          const std::vector<std::uint8_t>& bytes) {
  if (!plainFileName(name)) return refuseFile(name, controls_.translated(pageText("notFileName")));
  if (!acceptsSize(name, bytes.size())) return AddedFile::Refused;
  const bool picture = matchesPattern(name, "*.bmp");
  if (auto reason = replaceFileContents(folder_ / (picture ? name : kCaseFileName), bytes)) {
    return refuseFile(name, fillIn(controls_.translated(reason->pattern), reason->parts));
  }
  return picture ? AddedFile::Picture : AddedFile::CaseFile;
}

std::string WebSession::shownCase() const {
  return trimmed(viewer_.state().shownCase.caseNumberText);
}

std::string WebSession::viewDescription() const {
  const std::string shown = shownCase();
  if (shown.empty()) return controls_.translated(pageText("viewerEmpty"));
  const ViewerState& state = viewer_.state();
  const SymmetryReport report = findSymmetries(state.figure.cells, state.figure.cubeSide);
  return fillIn(controls_.translated(pageText("viewerLabel")),
                {shown, trimmed(state.shownCase.solutionText), std::to_string(report.extentX),
                 std::to_string(report.extentY), std::to_string(report.extentZ)});
}

std::map<std::string, WebSession::FileStamp> WebSession::folderStamps() const {
  std::map<std::string, FileStamp> stamps;
  std::error_code error;
  for (std::filesystem::directory_iterator it(folder_, error), end; !error && it != end;
       it.increment(error)) {
    std::error_code fileError;
    const auto size = it->file_size(fileError);
    const auto written = it->last_write_time(fileError);
    if (!fileError) stamps[it->path().filename().string()] = {size, written};
  }
  return stamps;
}

std::vector<std::uint8_t> WebSession::readWhole(const std::string& name) const {
  std::ifstream in(folder_ / name, std::ios::binary);
  return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(in), {});
}

void WebSession::runAndOffer(Command command) {
  const auto before = folderStamps();
  viewer_.buttonClicked(command);
  const auto after = folderStamps();
  std::vector<std::string> written;
  for (const auto& [name, stamp] : after) {
    const auto old = before.find(name);
    if (old == before.end() || !(old->second == stamp)) written.push_back(name);
  }
  if (command == Command::ExportAll) {
    if (written.empty()) return;
    std::vector<ZipEntry> entries;
    for (const auto& [name, stamp] : after) {
      if (name != kCaseFileName) entries.push_back({name, readWhole(name)});
    }
    downloads_.push_back({kFolderArchiveName, storedZip(entries)});
    return;
  }
  for (const std::string& name : written) {
    // "BMP" offers the case image the pages collect, not its second copy.
    const bool caseImage = matchesPattern(name, kCaseImagePattern);
    if ((command == Command::ExportCase) == caseImage)
      downloads_.push_back({name, readWhole(name)});
  }
}

}  // namespace vexolite
