// What the image export needs of the toolkit: caption text, bitmap files, the folder, the cursor.
// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "raster/raster_surface.h"

namespace vexolite {

// The toolkit's side of the image export. Failures come back as a reason phrase already in the
// chosen language, ready to follow the name of the file or folder in a message.
class ExportPlatform {
 public:
  virtual ~ExportPlatform() = default;

  // Draws text in black in the caption font (the rich-text box's fixed-pitch 8.5 point font)
  // onto surface, its first line from the top-left corner; "\r\n" starts a new line. Pixels no
  // glyph covers keep their colour; what falls outside the surface is cut off.
  virtual void renderText(const std::string& text, RasterSurface& surface) = 0;

  // The whole surface as an uncompressed 24-bit Windows bitmap.
  virtual std::optional<std::string> encodeBmp(const RasterSurface& surface,
                                               std::vector<std::uint8_t>& bytes) = 0;

  // Paints the picture of a bitmap file over surface with its top-left corner at (0, 0), at its
  // own size: a smaller picture leaves the rest of the surface as it was, a larger one is cut.
  // A file that is not a bitmap, is cut short or is too large to be a case image is refused
  // and the surface is left untouched.
  virtual std::optional<std::string> loadPicture(const std::filesystem::path& file,
                                                 RasterSurface& surface) = 0;

  // The names of the files (not folders) in folder, in no particular order.
  virtual std::optional<std::string> listFiles(const std::filesystem::path& folder,
                                               std::vector<std::string>& names) = 0;

  // The wait cursor, shown while busy; calls nest, each true matched by a false.
  virtual void setBusy(bool busy) = 0;
};

}  // namespace vexolite
