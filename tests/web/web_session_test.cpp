// A session of the page over the shipped catalogue against the desktop's core and export run
// through the same steps: pictures, downloads, files the user gives, queued message boxes.
// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "qt/qt_export_platform.h"
#include "support/viewer_run.h"
#include "web/web_session.h"

#ifndef VEXOLITE_SHIPPED_CATALOGUE
#error "VEXOLITE_SHIPPED_CATALOGUE names data/VEXOLITE.DAT"
#endif

namespace vexolite::test {
namespace {

const std::filesystem::path kCatalogue = VEXOLITE_SHIPPED_CATALOGUE;

// The desktop: the core over a stand-in window, with the desktop's export platform.
struct DesktopRun : ViewerRun {
  DesktopRun() {
    std::filesystem::copy_file(kCatalogue, file());
    controls.platform = &platform;
    viewer.start();
  }
  void type(const std::string& text) {
    controls.texts[FakeControls::index(Control::CaseNumberBox)] = text;
    viewer.caseNumberEdited();
  }
  qt::QtExportPlatform platform;
};

struct PageRun {
  explicit PageRun(std::string_view addressed = {}) {
    std::filesystem::copy_file(kCatalogue, folder / "VEXOLITE.DAT");
    session.start(addressed);
  }
  // The canvas's RGBA bytes against a surface's pixels.
  bool shows(const RasterSurface& surface) const {
    std::vector<std::uint8_t> rgba;
    for (const Rgb& p : surface.pixels())
      rgba.insert(rgba.end(), {p.r, p.g, p.b, 255});
    return session.controls().pixels(Control::FigureView) == rgba;
  }
  TempFolder folder;
  WebSession session{folder.path(), {}};
};

// The address's case is shown by the first Enter; a number not in the catalogue shows the last
// case, as the desktop's start does. Each picture equals the desktop's after the same steps.
TEST(WebSession, AddressedCaseAfterEnterAndPicturesAsTheDesktops) {
  DesktopRun desktop;
  PageRun page("123");
  const auto messages = page.session.controls().takeMessages();
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0].text, desktop.controls.messages.at(0).text);
  EXPECT_EQ(page.session.shownCase(), "");
  EXPECT_EQ(page.session.viewDescription(), "Ningun caso dibujado");
  page.session.keyPressed(Key::Enter);
  desktop.type("123");
  EXPECT_EQ(page.session.shownCase(), "123");
  EXPECT_EQ(page.session.viewDescription(), "Caso 123, 805 soluciones, tamano 4 x 3 x 3");
  EXPECT_TRUE(page.shows(desktop.shown(Control::FigureView)));
  for (Key key : {Key::Right, Key::PageDown, Key::End, Key::KeypadPlus}) {
    page.session.keyPressed(key);
    desktop.viewer.keyPressed(key);
    EXPECT_TRUE(page.shows(desktop.shown(Control::FigureView)));
  }
  page.session.optionChosen(Control::OnePieceHelpOption);
  EXPECT_TRUE(page.session.controls().isChecked(Control::OnePieceHelpOption));
  EXPECT_FALSE(page.session.controls().isChecked(Control::NoHelpOption));

  PageRun unknown("999");
  unknown.session.keyPressed(Key::Enter);
  DesktopRun last;
  last.viewer.keyPressed(Key::Enter);
  EXPECT_TRUE(unknown.shows(last.shown(Control::FigureView)));
}

// "BMP" offers the case image, "pag BMP" the pages, each byte for byte the desktop's files
// ("all BMP"'s archive is checked in the browser, over the whole catalogue).
TEST(WebSession, DownloadsAreTheDesktopsFiles) {
  DesktopRun desktop;
  PageRun page;
  desktop.type("123");
  page.session.caseNumberTyped("123");
  desktop.viewer.buttonClicked(Command::ExportCase);
  page.session.buttonClicked(Control::ExportCaseButton);
  auto downloads = page.session.takeDownloads();
  ASSERT_EQ(downloads.size(), 1u);
  EXPECT_EQ(downloads[0].name, "caso123 .BMP");
  EXPECT_EQ(downloads[0].bytes, readFile(desktop.work / "caso123 .BMP"));
  EXPECT_EQ(readFile(page.folder / "S00805-123 .bmp"), readFile(desktop.work / "S00805-123 .bmp"));

  // A picture the user drops joins the pages; the pages come out as the desktop's.
  const std::vector<std::uint8_t> dropped = readFile(desktop.work / "caso123 .BMP");
  writeFile(desktop.work / "caso999.bmp", dropped);
  EXPECT_EQ(page.session.addFile("caso999.bmp", dropped), WebSession::AddedFile::Picture);
  desktop.viewer.buttonClicked(Command::ComposePages);
  page.session.buttonClicked(Control::ComposePagesButton);
  downloads = page.session.takeDownloads();
  ASSERT_EQ(downloads.size(), 1u);
  EXPECT_EQ(downloads[0].bytes, readFile(desktop.work / downloads[0].name));
  EXPECT_EQ(page.session.controls().takeMessages().size(), desktop.controls.messages.size());
}

// A name that is not one file's is refused with a message; a bitmap keeps its name; anything
// else becomes the case file, and a session over a bad one says why and keeps answering keys.
TEST(WebSession, FilesTheUserGivesAndABadCaseFile) {
  PageRun page;
  page.session.controls().takeMessages();
  for (const std::string name : {"../VEXOLITE.DAT", "", ".."}) {
    EXPECT_EQ(page.session.addFile(name, {1, 2}), WebSession::AddedFile::Refused) << name;
    const auto messages = page.session.controls().takeMessages();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text,
              "No se puede escribir el archivo " + name + ": no es un nombre de archivo.");
  }
  EXPECT_TRUE(page.session.acceptsSize("big.dat", kLargestGivenFileBytes));
  EXPECT_FALSE(page.session.acceptsSize("big.dat", kLargestGivenFileBytes + 1));
  EXPECT_EQ(page.session.controls().takeMessages().at(0).text,
            "No se puede escribir el archivo big.dat: mide 67108865 bytes, mas de lo que la "
            "pagina puede tomar.");
  EXPECT_EQ(page.session.addFile("Mine.BMP", {1, 2}), WebSession::AddedFile::Picture);
  EXPECT_EQ(readFile(page.folder / "Mine.BMP"), (std::vector<std::uint8_t>{1, 2}));
  EXPECT_EQ(page.session.addFile("cases.dat", std::vector<std::uint8_t>(10, '1')),
            WebSession::AddedFile::CaseFile);
  EXPECT_EQ(std::filesystem::file_size(page.folder / "VEXOLITE.DAT"), 10u);

  WebSession again(page.folder.path(), {});
  again.start("123");
  // The case file's own message, then the start message; the keys still answer.
  const auto messages = again.controls().takeMessages();
  ASSERT_EQ(messages.size(), 2u);
  EXPECT_EQ(messages[0].icon, MessageIcon::Critical);
  again.keyPressed(Key::Enter);
  again.keyPressed(Key::PageDown);
  EXPECT_EQ(again.shownCase(), "");
}

// The help is a message box with the help box standing over the figure view while it is open.
TEST(WebSession, HelpIsQueuedWithTheHelpBoxShown) {
  PageRun page;
  page.session.keyPressed(Key::Enter);
  page.session.controls().takeMessages();
  page.session.keyPressed(Key::F1);
  const auto messages = page.session.controls().takeMessages();
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_TRUE(messages[0].helpBoxShown);
  EXPECT_FALSE(page.session.controls().isVisible(Control::HelpBox));
  EXPECT_TRUE(page.session.controls().isVisible(Control::FigureView));
}

}  // namespace
}  // namespace vexolite::test
