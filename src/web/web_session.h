// One run of the viewer in the page: its controls, its in-memory working folder, its downloads.
// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "viewer/viewer.h"
#include "web/web_controls.h"
#include "web/zip_archive.h"

namespace vexolite {

// The name under which "all BMP" offers the whole working folder.
inline constexpr char kFolderArchiveName[] = "vexolite.zip";
// The largest file the user may give the page: far beyond any catalogue (a million records
// would be 154 MB less) or case image, and well inside the page's memory.
inline constexpr std::uint64_t kLargestGivenFileBytes = std::uint64_t{64} << 20;

// The page's event entry points, each passed on to the viewer, and what the page offers for
// download after them. The working folder is the page's own (in the browser, a folder of
// emscripten's in-memory file system); it holds the case file under its usual name.
class WebSession {
 public:
  WebSession(std::filesystem::path workingFolder, WebControls::Translations translations);

  // Shows the start messages. addressedCase, from the page's address, chooses the record the
  // first Enter shows: the case of that number, or the last record when there is none, as the
  // desktop's start does. Empty: the last record.
  void start(std::string_view addressedCase);
  void keyPressed(Key key);
  // A click on a button of the command table.
  void buttonClicked(Control button);
  // An option button has just been selected by the user.
  void optionChosen(Control option);
  void pressOnView(double x, double y);
  // The user changed the case-number box's text to text.
  void caseNumberTyped(const std::string& text);
  // A file the user gave (chosen or dropped). A bitmap ("*.bmp", any letter case) joins the
  // working folder under its own name, for the pages; any other file becomes the case file, and
  // the page then starts a new session over it. Refused, after a message naming the file, when
  // the name is not a plain file name or the folder cannot take it.
  enum class AddedFile { Refused, Picture, CaseFile };
  AddedFile addFile(const std::string& name, const std::vector<std::uint8_t>& bytes);
  // False, after a message naming the file, for a file larger than kLargestGivenFileBytes; the
  // page asks before it copies the file's bytes.
  bool acceptsSize(const std::string& name, std::uint64_t size);

  WebControls& controls() { return controls_; }
  const WebControls& controls() const { return controls_; }
  Viewer& viewer() { return viewer_; }
  // The shown case's number as the address carries it ("123.1"), or "" before the first case.
  std::string shownCase() const;
  // What the figure view shows, for readers that cannot see it: the case, its solutions and its
  // extents, in the page's language.
  std::string viewDescription() const;
  // The files offered for download since the last call, in the order they were made.
  std::vector<ZipEntry> takeDownloads() { return std::exchange(downloads_, {}); }

 private:
  struct FileStamp {
    std::uintmax_t size;
    std::filesystem::file_time_type written;
    bool operator==(const FileStamp&) const = default;
  };
  std::map<std::string, FileStamp> folderStamps() const;
  AddedFile refuseFile(const std::string& name, const std::string& why);
  // Runs a button's command and offers what it wrote: the case image, the whole folder, or
  // the pages.
  void runAndOffer(Command command);
  std::vector<std::uint8_t> readWhole(const std::string& name) const;

  std::filesystem::path folder_;
  WebControls controls_;
  Viewer viewer_;
  std::vector<ZipEntry> downloads_;
};

}  // namespace vexolite
