// The page's script's entry points into the viewer: the layout table, events, and what to show.
// SPDX-License-Identifier: MIT
#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <filesystem>
#include <memory>

#include "case_library/record_format.h"
#include "layout/caption_colours.h"
#include "layout/window_layout.h"
#include "viewer/surface_sizes.h"
#include "web/browser_keys.h"
#include "web/page_language.h"
#include "web/page_texts.h"
#include "web/web_session.h"

namespace vexolite {
namespace {

using emscripten::val;

// The page's working folder in emscripten's in-memory file system.
const std::filesystem::path kWorkingFolder = "/vexolite";

std::string kindName(ControlKind kind) {
  switch (kind) {
    case ControlKind::Window:
      return "window";
    case ControlKind::PictureBox:
      return "picture";
    case ControlKind::Button:
      return "button";
    case ControlKind::OptionButton:
      return "option";
    case ControlKind::CheckBox:
      return "indicator";
    case ControlKind::Label:
      return "label";
    case ControlKind::TextBox:
      return "textbox";
    case ControlKind::MultiLineTextBox:
      return "multiline";
    case ControlKind::Frame:
      return "frame";
    case ControlKind::RichTextBox:
      return "richtext";
  }
  return "label";
}

val cssColour(std::optional<Rgb> colour) {
  if (!colour) return val::null();
  return val("rgb(" + std::to_string(colour->r) + "," + std::to_string(colour->g) + "," +
             std::to_string(colour->b) + ")");
}

val bytesOf(const std::vector<std::uint8_t>& bytes) {
  // A copy the script owns: the module's memory may move as it grows.
  val view(emscripten::typed_memory_view(bytes.size(), bytes.data()));
  return val::global("Uint8Array").new_(view);
}

WebControls::Translations translationsOf(const val& pairs) {
  WebControls::Translations translations;
  const val keys = val::global("Object").call<val>("keys", pairs);
  const int count = keys["length"].as<int>();
  for (int n = 0; n < count; ++n) {
    const std::string source = keys[n].as<std::string>();
    translations[source] = pairs[source].as<std::string>();
  }
  return translations;
}

// One run of the viewer as the script holds it. A new one starts the session again.
class Page {
 public:
  explicit Page(val translations) : session_(kWorkingFolder, translationsOf(translations)) {}

  void start(const std::string& addressedCase) { session_.start(addressedCase); }
  // A key press on the viewer's element. Returns true when the browser must not act on it
  // (scroll, or type the key into the focused box): every key of the key table except those the
  // case-number box also takes.
  bool key(const std::string& key, int location) {
    const Key viewerKey = keyFromBrowser(key, location);
    if (viewerKey == Key::Other) return false;
    session_.keyPressed(viewerKey);
    return !keyReachesFocusedControl(viewerKey);
  }
  void click(int control) { session_.buttonClicked(static_cast<Control>(control)); }
  void choose(int control) { session_.optionChosen(static_cast<Control>(control)); }
  void press(double x, double y) { session_.pressOnView(x, y); }
  void typed(const std::string& text) { session_.caseNumberTyped(text); }
  // Asked before the script reads a file: false, after a message, for one too large.
  bool acceptsSize(const std::string& name, double size) {
    return session_.acceptsSize(name, static_cast<std::uint64_t>(size));
  }
  // "refused", "picture" or "caseFile": after a case file, the script starts a new Page.
  std::string addFile(const std::string& name, val bytes) {
    const auto size = bytes["length"].as<double>();
    if (!session_.acceptsSize(name, static_cast<std::uint64_t>(size))) return "refused";
    // One copy into the module's memory, not one call per byte.
    std::vector<std::uint8_t> copy(static_cast<std::size_t>(size));
    val(emscripten::typed_memory_view(copy.size(), copy.data())).call<void>("set", bytes);
    switch (session_.addFile(name, copy)) {
      case WebSession::AddedFile::Picture:
        return "picture";
      case WebSession::AddedFile::CaseFile:
        return "caseFile";
      case WebSession::AddedFile::Refused:
        break;
    }
    return "refused";
  }

  // Every control's text, check, enabling and visibility, indexed by control.
  val controls() const {
    const WebControls& c = session_.controls();
    val all = val::array();
    for (int n = 0; n < kControlCount; ++n) {
      const auto control = static_cast<Control>(n);
      val one = val::object();
      one.set("text", c.text(control));
      one.set("checked", c.isChecked(control));
      one.set("enabled", c.isEnabled(control));
      one.set("visible", c.isVisible(control));
      all.call<void>("push", one);
    }
    return all;
  }
  val takeMessages() {
    val all = val::array();
    for (const PageMessage& message : session_.controls().takeMessages()) {
      val one = val::object();
      one.set("text", message.text);
      one.set("icon", static_cast<int>(message.icon));
      one.set("help", message.helpBoxShown);
      all.call<void>("push", one);
    }
    return all;
  }
  int takeFocus() {
    const auto focus = session_.controls().takeFocus();
    return focus ? static_cast<int>(*focus) : -1;
  }
  int takeBeeps() { return session_.controls().takeBeeps(); }
  bool ended() const { return session_.controls().ended(); }
  int pictureVersion(int control) const {
    return session_.controls().pictureVersion(static_cast<Control>(control));
  }
  // A view of the picture's RGBA pixels, valid until the next call into the module.
  val pixels(int control) const {
    const auto& bytes = session_.controls().pixels(static_cast<Control>(control));
    return val(emscripten::typed_memory_view(bytes.size(), bytes.data()));
  }
  val takeDownloads() {
    val all = val::array();
    for (const ZipEntry& file : session_.takeDownloads()) {
      val one = val::object();
      one.set("name", file.name);
      one.set("bytes", bytesOf(file.bytes));
      all.call<void>("push", one);
    }
    return all;
  }
  std::string shownCase() const { return session_.shownCase(); }
  std::string viewDescription() const { return session_.viewDescription(); }

 private:
  WebSession session_;
};

// The layout table as the script builds the page from it, texts in the page's language.
val layoutTable(val translations) {
  const WebControls texts(translationsOf(translations));
  val all = val::array();
  for (const ControlLayout& layout : windowLayout()) {
    val one = val::object();
    one.set("id", static_cast<int>(layout.id));
    one.set("name", std::string(layout.name));
    one.set("kind", kindName(layout.kind));
    one.set("parent", static_cast<int>(layout.parent));
    one.set("left", pixelsFromTwips(layout.left));
    one.set("top", pixelsFromTwips(layout.top));
    one.set("width", pixelsFromTwips(layout.width));
    one.set("height", pixelsFromTwips(layout.height));
    one.set("text", texts.text(layout.id));
    one.set("toolTip", layout.toolTip.empty() ? std::string() : texts.translated(layout.toolTip));
    one.set("fontFamily", std::string(layout.font.family));
    one.set("fallbackFamily", std::string(layout.font.fallbackFamily));
    one.set("pointSize", layout.font.pointSize);
    one.set("bold", layout.font.bold);
    one.set("background", cssColour(layout.background));
    std::optional<Rgb> foreground = layout.foreground;
    val disabledForeground = val::null();
    if (!foreground && layout.kind == ControlKind::OptionButton && layout.background) {
      const CaptionColours caption = captionColoursOn(*layout.background);
      foreground = caption.enabled;
      disabledForeground = cssColour(caption.disabled);
    }
    one.set("foreground", cssColour(foreground));
    one.set("disabledForeground", disabledForeground);
    one.set("tabIndex", layout.tabIndex);
    const SurfaceSize size = surfaceSizeOf(layout.id);
    one.set("surfaceWidth", size.width);
    one.set("surfaceHeight", size.height);
    all.call<void>("push", one);
  }
  return all;
}

// The page's own texts in its language, by key.
val pageTexts(val translations) {
  const WebControls texts(translationsOf(translations));
  val all = val::object();
  for (const PageText& entry : kPageTexts) {
    all.set(std::string(entry.key), texts.translated(entry.text));
  }
  return all;
}

std::string languageOfPage(const std::string& query, const std::string& firstBrowserLanguage) {
  return pageLanguage(query, firstBrowserLanguage);
}

std::string workingFolder() {
  return kWorkingFolder.string();
}
std::string caseFileName() {
  return kCaseFileName;
}

}  // namespace

EMSCRIPTEN_BINDINGS(vexolite) {
  emscripten::function("layoutTable", &layoutTable);
  emscripten::function("pageTexts", &pageTexts);
  emscripten::function("pageLanguage", &languageOfPage);
  emscripten::function("workingFolder", &workingFolder);
  emscripten::function("caseFileName", &caseFileName);
  emscripten::class_<Page>("Page")
      .constructor<val>()
      .function("start", &Page::start)
      .function("key", &Page::key)
      .function("click", &Page::click)
      .function("choose", &Page::choose)
      .function("press", &Page::press)
      .function("typed", &Page::typed)
      .function("acceptsSize", &Page::acceptsSize)
      .function("addFile", &Page::addFile)
      .function("controls", &Page::controls)
      .function("takeMessages", &Page::takeMessages)
      .function("takeFocus", &Page::takeFocus)
      .function("takeBeeps", &Page::takeBeeps)
      .function("ended", &Page::ended)
      .function("pictureVersion", &Page::pictureVersion)
      .function("pixels", &Page::pixels)
      .function("takeDownloads", &Page::takeDownloads)
      .function("shownCase", &Page::shownCase)
      .function("viewDescription", &Page::viewDescription);
}

}  // namespace vexolite
