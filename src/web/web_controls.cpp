// The page's controls as the viewer sees them: the state the page shows, kept here for it to read.
// SPDX-License-Identifier: MIT
#include "web/web_controls.h"

#include "case_library/code_points.h"
#include "layout/window_layout.h"
#include "viewer/surface_sizes.h"

namespace vexolite {

WebControls::WebControls(Translations translations)
    : translations_(std::move(translations)),
      platform_([this](std::string_view text) { return translated(text); }) {
  for (const ControlLayout& layout : windowLayout()) {
    const std::size_t n = index(layout.id);
    texts_[n] = translated(layout.text);
    checked_[n] = layout.checkedAtStart;
    enabled_[n] = layout.enabledAtStart;
    visible_[n] = layout.visibleAtStart;
    const SurfaceSize size = surfaceSizeOf(layout.id);
    pixels_[n].assign(static_cast<std::size_t>(size.width) * size.height * 4, 255);
  }
}

// The page holds Unicode text: invalid UTF-8 is stored with each bad byte replaced by U+FFFD,
// as a toolkit's own conversion does.
void WebControls::setText(Control control, const std::string& text) {
  texts_[index(control)] = encodeUtf8(decodeUtf8(text));
}

// Option buttons of one group exclude each other, as the desktop's do.
void WebControls::setChecked(Control control, bool checked) {
  checked_[index(control)] = checked;
  if (!checked || layoutOf(control).kind != ControlKind::OptionButton) return;
  for (const ControlLayout& other : windowLayout()) {
    if (other.id != control && other.kind == ControlKind::OptionButton &&
        other.parent == layoutOf(control).parent) {
      checked_[index(other.id)] = false;
    }
  }
}

void WebControls::showPicture(Control picture, const RasterSurface& surface) {
  std::vector<std::uint8_t>& out = pixels_[index(picture)];
  out.resize(static_cast<std::size_t>(surface.width()) * surface.height() * 4);
  std::size_t at = 0;
  for (const Rgb& p : surface.pixels()) {
    out[at++] = p.r;
    out[at++] = p.g;
    out[at++] = p.b;
    out[at++] = 255;
  }
  ++versions_[index(picture)];
}

void WebControls::showMessage(const std::string& text, MessageIcon icon) {
  messages_.push_back(
      {text, icon, visible_[index(Control::HelpBox)] && !visible_[index(Control::FigureView)]});
}

std::string WebControls::translated(std::string_view text) const {
  const auto found = translations_.find(text);
  return found != translations_.end() ? found->second : std::string(text);
}

}  // namespace vexolite
