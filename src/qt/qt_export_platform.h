// The image export's toolkit side in Qt: caption text, BMP files, the folder, the wait cursor.
// SPDX-License-Identifier: MIT
#pragma once

#include <QFont>

#include "export/export_platform.h"

namespace vexolite::qt {

class QtExportPlatform : public ExportPlatform {
 public:
  QtExportPlatform();

  // The rich-text box's caption font: "Courier New" (where it is missing, the family fontconfig
  // gives for it), 8.5 point, black, drawn without smoothing so that a caption is pure black on
  // white and AND stamps stay sharp.
  const QFont& captionFont() const { return font_; }

  void renderText(const std::string& text, RasterSurface& surface) override;
  std::optional<std::string> encodeBmp(const RasterSurface& surface,
                                       std::vector<std::uint8_t>& bytes) override;
  std::optional<std::string> loadPicture(const std::filesystem::path& file,
                                         RasterSurface& surface) override;
  std::optional<std::string> listFiles(const std::filesystem::path& folder,
                                       std::vector<std::string>& names) override;
  void setBusy(bool busy) override;

 private:
  QFont font_;
  int busyDepth_ = 0;
};

}  // namespace vexolite::qt
