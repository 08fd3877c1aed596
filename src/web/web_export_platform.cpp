// The image export's toolkit side in the browser: glyph captions, our own BMP codec, the folder.
// SPDX-License-Identifier: MIT
#include "web/web_export_platform.h"

#include <fstream>
#include <system_error>

#include "case_library/translatable.h"
#include "export/bitmap_layout.h"
#include "web/bmp_codec.h"
#include "web/caption_glyphs.h"

namespace vexolite {

std::string WebExportPlatform::said(std::string_view pattern,
                                    std::initializer_list<std::string> parts) const {
  return fillIn(translate_(pattern), parts);
}

void WebExportPlatform::renderText(const std::string& text, RasterSurface& surface) {
  inkCaption(text, surface);
}

std::optional<std::string> WebExportPlatform::encodeBmp(const RasterSurface& surface,
                                                        std::vector<std::uint8_t>& bytes) {
  bytes = encodeBmp24(surface);
  return std::nullopt;
}

// The file is read whole (it is small, or refused) and its headers checked before any pixel.
std::optional<std::string> WebExportPlatform::loadPicture(const std::filesystem::path& file,
                                                          RasterSurface& surface) {
  std::error_code error;
  const std::uintmax_t length = std::filesystem::file_size(file, error);
  std::ifstream in(file, std::ios::binary);
  if (error || !in) {
    return said(QT_TRANSLATE_NOOP("vexolite", "no se puede abrir (%1)"),
                {error ? error.message() : said(QT_TRANSLATE_NOOP("vexolite", "no existe"))});
  }
  if (length > static_cast<std::uintmax_t>(kMaxPictureFileBytes)) {
    return said(QT_TRANSLATE_NOOP("vexolite", "mide %1 bytes, demasiado para una imagen de caso"),
                {std::to_string(length)});
  }
  std::vector<std::uint8_t> bytes(static_cast<std::size_t>(length));
  in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  if (static_cast<std::uintmax_t>(in.gcount()) != length) {
    return said(QT_TRANSLATE_NOOP("vexolite", "no se puede leer entero (%1)"),
                {std::to_string(in.gcount())});
  }
  if (auto reason = paintBmp(bytes, surface)) {
    return fillIn(translate_(reason->pattern), reason->parts);
  }
  return std::nullopt;
}

std::optional<std::string> WebExportPlatform::listFiles(const std::filesystem::path& folder,
                                                        std::vector<std::string>& names) {
  names.clear();
  std::error_code error;
  if (!std::filesystem::exists(folder, error)) {
    return said(QT_TRANSLATE_NOOP("vexolite", "no existe"));
  }
  if (!std::filesystem::is_directory(folder, error)) {
    return said(QT_TRANSLATE_NOOP("vexolite", "no es una carpeta"));
  }
  for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end;
       it.increment(error)) {
    if (it->is_regular_file(error)) names.push_back(it->path().filename().string());
  }
  if (error) return said(QT_TRANSLATE_NOOP("vexolite", "no se puede leer su contenido"));
  return std::nullopt;
}

}  // namespace vexolite
