// A stand-in for the toolkit's side of the export: a marked caption, a plain pixel dump as the
// "bitmap", the real folder listing, and a log of what happened in which order.
#pragma once

#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

#include "export/export_platform.h"
#include "support/fake_controls.h"

namespace vexolite::test {

class FakeExportPlatform : public ExportPlatform {
 public:
  // Called at every encoding, and as the wait cursor comes and goes; the log holds "busy",
  // "idle", "encode" and "load <name>" in order.
  std::function<void()> onEncode;
  std::function<void(bool busy)> onBusy;
  std::vector<std::string> log;

  // One black pixel under each character that is not a blank.
  void renderText(const std::string& text, RasterSurface& surface) override {
    surface.setColour(kBlack);
    for (std::size_t n = 0; n < text.size(); ++n) {
      if (text[n] != ' ') surface.plot(static_cast<int>(7 * n + 3), 5);
    }
  }
  // "PIX", the width and height as two bytes each, then the pixels' bytes.
  std::optional<std::string> encodeBmp(const RasterSurface& surface,
                                       std::vector<std::uint8_t>& bytes) override {
    log.push_back("encode");
    if (onEncode) onEncode();
    bytes = {'P',
             'I',
             'X',
             static_cast<std::uint8_t>(surface.width() >> 8),
             static_cast<std::uint8_t>(surface.width()),
             static_cast<std::uint8_t>(surface.height() >> 8),
             static_cast<std::uint8_t>(surface.height())};
    for (Rgb p : surface.pixels())
      bytes.insert(bytes.end(), {p.r, p.g, p.b});
    return std::nullopt;
  }
  std::optional<std::string> loadPicture(const std::filesystem::path& file,
                                         RasterSurface& surface) override {
    log.push_back("load " + file.filename().string());
    std::ifstream in(file, std::ios::binary);
    const std::vector<std::uint8_t> b{std::istreambuf_iterator<char>(in),
                                      std::istreambuf_iterator<char>()};
    if (b.size() < 7 || b[0] != 'P' || b[1] != 'I' || b[2] != 'X') {
      return std::string("no es una imagen");
    }
    const int width = b[3] << 8 | b[4];
    const int height = b[5] << 8 | b[6];
    if (b.size() != 7 + 3 * static_cast<std::size_t>(width) * static_cast<std::size_t>(height)) {
      return std::string("esta cortado");
    }
    for (int y = 0; y < height; ++y) {
      for (int x = 0; x < width; ++x) {
        const std::size_t at = 7 + 3 * (static_cast<std::size_t>(y) * width + x);
        surface.setColour(Rgb{b[at], b[at + 1], b[at + 2]});
        surface.plot(x, y);
      }
    }
    return std::nullopt;
  }
  std::optional<std::string> listFiles(const std::filesystem::path& folder,
                                       std::vector<std::string>& names) override {
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
      if (entry.is_regular_file()) names.push_back(entry.path().filename().string());
    }
    if (error) return "no se puede leer (" + error.message() + ")";
    return std::nullopt;
  }
  void setBusy(bool busy) override {
    log.push_back(busy ? "busy" : "idle");
    if (onBusy) onBusy(busy);
  }
};

// The stand-in window, with the stand-in toolkit behind its export buttons.
class ExportingControls : public FakeControls {
 public:
  ExportPlatform* exportPlatform() override { return &platform; }
  FakeExportPlatform platform;
};

}  // namespace vexolite::test
