// A stand-in for the window in headless tests: it keeps what the viewer sets and answers boxes.
// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "case_library/code_points.h"
#include "viewer/controls.h"

namespace vexolite::test {

struct ShownMessage {
  std::string text;
  MessageIcon icon;
  bool figureViewVisible, helpBoxVisible;  // as the user saw the window behind the box
};

class FakeControls : public Controls {
 public:
  FakeControls() {
    enabled.fill(true);
    visible.fill(true);
  }
  // The window's controls hold Unicode text: invalid UTF-8 comes back with each bad byte
  // replaced by U+FFFD, as the toolkit's own conversion does.
  void setText(Control c, const std::string& t) override {
    texts[index(c)] = encodeUtf8(decodeUtf8(t));
  }
  std::string text(Control c) const override { return texts[index(c)]; }
  void setChecked(Control c, bool v) override { checked[index(c)] = v; }
  bool isChecked(Control c) const override { return checked[index(c)]; }
  void setEnabled(Control c, bool v) override { enabled[index(c)] = v; }
  void setVisible(Control c, bool v) override { visible[index(c)] = v; }
  void setFocus(Control c) override { focus = c; }
  void showPicture(Control c, const RasterSurface& surface) override {
    ++picturesShown[index(c)];
    lastPicture.insert_or_assign(c, surface);
  }
  void showMessage(const std::string& t, MessageIcon icon) override {
    messages.push_back(
        {t, icon, visible[index(Control::FigureView)], visible[index(Control::HelpBox)]});
  }
  void beep() override { ++beeps; }
  void endProgram() override { ended = true; }
  ExportPlatform* exportPlatform() override { return platform; }
  // A translator of a few texts, as a test sets it; every other text stays as it is.
  std::string translated(std::string_view t) const override {
    const auto found = translations.find(std::string(t));
    return found != translations.end() ? found->second : std::string(t);
  }

  static std::size_t index(Control c) { return static_cast<std::size_t>(c); }

  std::array<std::string, kControlCount> texts{};
  std::array<bool, kControlCount> checked{}, enabled{}, visible{};
  Control focus = Control::MainWindow;
  std::array<int, kControlCount> picturesShown{};
  std::map<Control, RasterSurface> lastPicture;  // as last shown, by picture box
  std::vector<ShownMessage> messages;
  std::map<std::string, std::string> translations;
  ExportPlatform* platform = nullptr;  // none: the export buttons do nothing
  int beeps = 0;
  bool ended = false;  // the program was told to end
};

}  // namespace vexolite::test
