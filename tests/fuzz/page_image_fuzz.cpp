// Fuzz target: the input is a case image file, "caso001 .bmp", beside a good one in the working
// folder; "pag BMP" lists, loads and lays out both through the real Qt side of the export.
// SPDX-License-Identifier: MIT
#include <QGuiApplication>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>

#include "fuzz_entry.h"
#include "qt/qt_export_platform.h"
#include "quiet_controls.h"
#include "support/case_file_writer.h"
#include "viewer/viewer.h"

namespace {

using namespace vexolite;

// The stand-in window with the toolkit's export side, as the real window has it.
class ExportingControls : public fuzz::QuietControls {
 public:
  ExportPlatform* exportPlatform() override { return &platform_; }

 private:
  qt::QtExportPlatform platform_;
};

struct Session {
  Session() {
    // Text and images need a GUI application; the offscreen platform needs no display.
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    app = std::make_unique<QGuiApplication>(argc, argv);
    RasterSurface good(143, 115);
    good.setColour(kBlack);
    good.line(0, 114, 142, 114);
    std::vector<std::uint8_t> bytes;
    if (controls.exportPlatform()->encodeBmp(good, bytes)) std::abort();
    test::writeFile(folder / "caso002.BMP", bytes);
  }
  int argc = 1;
  char name[16] = "page_image_fuzz";
  char* argv[2] = {name, nullptr};
  std::unique_ptr<QGuiApplication> app;
  test::TempFolder folder;
  ExportingControls controls;
};

Session& session() {
  static Session s;
  return s;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  Session& s = session();
  test::writeFile(s.folder / "caso001 .bmp", std::vector<std::uint8_t>(data, data + size));
  // A fresh viewer each time, so that the page number starts at 1 and the folder holds at most
  // one page, which each input replaces.
  Viewer viewer(s.controls, CaseFileSearch{s.folder.path(), {}, {}});
  viewer.run(Command::ComposePages);
  s.controls.messages.clear();
  return 0;
}
