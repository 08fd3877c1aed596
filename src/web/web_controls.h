// The page's controls as the viewer sees them: the state the page shows, kept here for it to read.
// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "viewer/controls.h"
#include "web/web_export_platform.h"

namespace vexolite {

struct PageMessage {
  std::string text;
  MessageIcon icon;
  bool helpBoxShown;  // the help box stands over the figure view while this message is open
};

// Holds every control's text, check, enabling and visibility, starting from the layout table.
// The page cannot block inside an event, so a message box is queued and the page shows the
// queue, one modal dialog after another, when the event has returned; the focus the viewer asks
// for is handed over the same way, after the dialogs.
class WebControls : public Controls {
 public:
  // translations: the language's texts, source to translation; empty for Spanish.
  using Translations = std::map<std::string, std::string, std::less<>>;
  explicit WebControls(Translations translations = {});

  void setText(Control control, const std::string& text) override;
  std::string text(Control control) const override { return texts_[index(control)]; }
  void setChecked(Control control, bool checked) override;
  bool isChecked(Control control) const override { return checked_[index(control)]; }
  void setEnabled(Control control, bool enabled) override { enabled_[index(control)] = enabled; }
  void setVisible(Control control, bool visible) override { visible_[index(control)] = visible; }
  void setFocus(Control control) override { focus_ = control; }
  void showPicture(Control picture, const RasterSurface& surface) override;
  void showMessage(const std::string& text, MessageIcon icon) override;
  void beep() override { ++beeps_; }
  void endProgram() override { ended_ = true; }
  ExportPlatform* exportPlatform() override { return &platform_; }
  std::string translated(std::string_view text) const override;

  // The page has typed into a text box.
  void typed(Control control, const std::string& text) { texts_[index(control)] = text; }
  bool isEnabled(Control control) const { return enabled_[index(control)]; }
  bool isVisible(Control control) const { return visible_[index(control)]; }

  // What the page reads after each event, and clears as it shows it.
  std::vector<PageMessage> takeMessages() { return std::exchange(messages_, {}); }
  std::optional<Control> takeFocus() { return std::exchange(focus_, std::nullopt); }
  int takeBeeps() { return std::exchange(beeps_, 0); }
  bool ended() const { return ended_; }
  // The picture's pixels as the page's canvas takes them: RGBA, row by row, alpha 255. Counts
  // every showPicture, so the page repaints only what changed.
  const std::vector<std::uint8_t>& pixels(Control picture) const { return pixels_[index(picture)]; }
  int pictureVersion(Control picture) const { return versions_[index(picture)]; }

 private:
  static std::size_t index(Control control) { return static_cast<std::size_t>(control); }

  std::array<std::string, kControlCount> texts_{};
  std::array<bool, kControlCount> checked_{}, enabled_{}, visible_{};
  std::array<std::vector<std::uint8_t>, kControlCount> pixels_{};
  std::array<int, kControlCount> versions_{};
  Translations translations_;
  std::vector<PageMessage> messages_;
  std::optional<Control> focus_;
  int beeps_ = 0;
  bool ended_ = false;
  WebExportPlatform platform_;
};

}  // namespace vexolite
