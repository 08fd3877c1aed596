// The image export's toolkit side in the browser: glyph captions, our own BMP codec, the folder.
// SPDX-License-Identifier: MIT
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "export/export_platform.h"

namespace vexolite {

// Works on the page's in-memory folder through the standard library, so that it runs, and is
// tested, natively as well. Reasons come back in the chosen language through translate.
class WebExportPlatform : public ExportPlatform {
 public:
  using Translate = std::function<std::string(std::string_view)>;
  explicit WebExportPlatform(Translate translate) : translate_(std::move(translate)) {}

  void renderText(const std::string& text, RasterSurface& surface) override;
  std::optional<std::string> encodeBmp(const RasterSurface& surface,
                                       std::vector<std::uint8_t>& bytes) override;
  std::optional<std::string> loadPicture(const std::filesystem::path& file,
                                         RasterSurface& surface) override;
  std::optional<std::string> listFiles(const std::filesystem::path& folder,
                                       std::vector<std::string>& names) override;
  // The export runs inside one event of the page, which has no moment to show a wait cursor.
  void setBusy(bool /*busy*/) override {}

 private:
  std::string said(std::string_view pattern, std::initializer_list<std::string> parts = {}) const;

  Translate translate_;
};

}  // namespace vexolite
