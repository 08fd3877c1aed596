// The image export's toolkit side in Qt: caption text, BMP files, the folder, the wait cursor.
// SPDX-License-Identifier: MIT
#include "qt/qt_export_platform.h"

#include <QBuffer>
#include <QByteArray>
#include <QCoreApplication>
#include <QCursor>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QImage>
#include <QImageReader>
#include <QImageWriter>
#include <QPainter>
#include <QString>
#include <algorithm>
#include <cstring>
#include <span>

#include "export/bitmap_layout.h"

namespace vexolite::qt {

namespace {

constexpr double kCaptionPointSize = 8.5;
// 96 dots per inch, so that 8.5 point is the same number of pixels on every screen.
constexpr int kDotsPerMeter = 3780;
// The rich-text box's own inner margin above the first line, in pixels. It keeps the digits of
// the case text whole when that text is stamped three rows above the image.
constexpr int kCaptionTopMargin = 1;
// Qt's own ceiling on the memory of one decoded picture, above what kMaxPicturePixels allows
// at 32 bits a pixel, in megabytes.
constexpr int kDecodeLimitMegabytes = 32;

void setDotsPerInch96(QImage& image) {
  image.setDotsPerMeterX(kDotsPerMeter);
  image.setDotsPerMeterY(kDotsPerMeter);
}

// Qt's allocation limit is one setting for the whole program: raised to ours for one decode,
// then put back.
class DecodeLimit {
 public:
  DecodeLimit() : previous_(QImageReader::allocationLimit()) {
    QImageReader::setAllocationLimit(kDecodeLimitMegabytes);
  }
  ~DecodeLimit() { QImageReader::setAllocationLimit(previous_); }
  DecodeLimit(const DecodeLimit&) = delete;
  DecodeLimit& operator=(const DecodeLimit&) = delete;

 private:
  int previous_;
};

Rgb rgbOf(QRgb colour) {
  return Rgb{static_cast<std::uint8_t>(qRed(colour)), static_cast<std::uint8_t>(qGreen(colour)),
             static_cast<std::uint8_t>(qBlue(colour))};
}

// Paints image's pixels over surface from (0, 0), as far as both reach.
void paintOver(const QImage& image, RasterSurface& surface) {
  const Rgb pen = surface.colour();
  const int width = std::min(image.width(), surface.width());
  const int height = std::min(image.height(), surface.height());
  for (int y = 0; y < height; ++y) {
    const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
    for (int x = 0; x < width; ++x) {
      surface.setColour(rgbOf(row[x]));
      surface.plot(x, y);
    }
  }
  surface.setColour(pen);
}

std::string text(const QString& q) {
  return q.toStdString();
}

}  // namespace

QtExportPlatform::QtExportPlatform() : font_(QStringLiteral("Courier New")) {
  font_.setPointSizeF(kCaptionPointSize);  // the int constructor would drop the half point
  font_.setStyleHint(QFont::TypeWriter);
  font_.setStyleStrategy(QFont::NoAntialias);
  // Left to itself, Qt turns hinting off on a scaled screen (and takes the desktop's choice on
  // others), which redraws the unsmoothed glyphs ("8" becomes "B"). The images must not depend
  // on the screen they were made on: the light hinting of an unscaled screen, always.
  font_.setHintingPreference(QFont::PreferVerticalHinting);
}

// Only the rectangle the text can cover is rendered and carried over: the rest of the surface
// keeps its pixels either way.
void QtExportPlatform::renderText(const std::string& caption, RasterSurface& surface) {
  QString lines = QString::fromStdString(caption);
  lines.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  if (lines.isEmpty() || surface.width() == 0 || surface.height() == 0) return;

  QImage probe(1, 1, QImage::Format_RGB32);
  setDotsPerInch96(probe);
  const QFontMetrics metrics(font_, &probe);
  const QRect page(0, kCaptionTopMargin, surface.width(), surface.height());
  constexpr int flags = Qt::AlignLeft | Qt::AlignTop;
  // Glyphs may reach a little beyond their advance; a character's width of slack catches it.
  const QRect inked = metrics.boundingRect(page, flags, lines)
                          .adjusted(0, 0, metrics.maxWidth(), metrics.descent())
                          .intersected(QRect(0, 0, surface.width(), surface.height()));
  if (inked.isEmpty()) return;

  QImage canvas(inked.right() + 1, inked.bottom() + 1, QImage::Format_RGB32);
  setDotsPerInch96(canvas);
  canvas.fill(Qt::white);
  {
    QPainter painter(&canvas);
    painter.setFont(font_);
    painter.setPen(Qt::black);
    painter.drawText(page, flags, lines);
  }
  const Rgb pen = surface.colour();
  for (int y = inked.top(); y <= inked.bottom(); ++y) {
    const auto* row = reinterpret_cast<const QRgb*>(canvas.constScanLine(y));
    for (int x = inked.left(); x <= inked.right(); ++x) {
      if ((row[x] & 0xffffff) == 0xffffff) continue;
      surface.setColour(rgbOf(row[x]));
      surface.plot(x, y);
    }
  }
  surface.setColour(pen);
}

namespace {

// A reason in the chosen language: the Qt layer translates its own, with its parts filled in.
std::string said(const char* pattern, std::initializer_list<std::string> parts = {}) {
  return fillIn(QCoreApplication::translate("vexolite", pattern).toStdString(), parts);
}

// A lower layer's reason, said the same way.
std::string said(const Reason& reason) {
  const std::string pattern(reason.pattern);
  return fillIn(QCoreApplication::translate("vexolite", pattern.c_str()).toStdString(),
                reason.parts);
}

}  // namespace

std::optional<std::string> QtExportPlatform::encodeBmp(const RasterSurface& surface,
                                                       std::vector<std::uint8_t>& bytes) {
  bytes.clear();
  QImage image(surface.width(), surface.height(), QImage::Format_RGB888);
  if (image.isNull()) return said(QT_TRANSLATE_NOOP("vexolite", "no hay memoria para la imagen"));
  setDotsPerInch96(image);
  static_assert(sizeof(Rgb) == 3, "Rgb is packed as three bytes, as Format_RGB888 is");
  const auto rowBytes = static_cast<std::size_t>(surface.width()) * sizeof(Rgb);
  for (int y = 0; y < surface.height(); ++y) {
    std::memcpy(image.scanLine(y),
                surface.pixels().data() + static_cast<std::size_t>(y) * surface.width(), rowBytes);
  }
  QByteArray encoded;
  QBuffer buffer(&encoded);
  buffer.open(QIODevice::WriteOnly);
  QImageWriter writer(&buffer, "bmp");
  if (!writer.write(image)) {
    return said(QT_TRANSLATE_NOOP("vexolite", "no se puede codificar como BMP (%1)"),
                {text(writer.errorString())});
  }
  bytes.assign(encoded.begin(), encoded.end());
  return std::nullopt;
}

// The file is read whole (it is small, or refused), its headers checked against its length,
// and only then handed to Qt's BMP reader, the one decoder tried.
std::optional<std::string> QtExportPlatform::loadPicture(const std::filesystem::path& file,
                                                         RasterSurface& surface) {
  QFile in(file);
  if (!in.open(QIODevice::ReadOnly)) {
    return said(QT_TRANSLATE_NOOP("vexolite", "no se puede abrir (%1)"), {text(in.errorString())});
  }
  const qint64 length = in.size();
  if (length > kMaxPictureFileBytes) {
    return said(QT_TRANSLATE_NOOP("vexolite", "mide %1 bytes, demasiado para una imagen de caso"),
                {std::to_string(length)});
  }
  const QByteArray bytes = in.read(length);
  if (bytes.size() != length) {
    return said(QT_TRANSLATE_NOOP("vexolite", "no se puede leer entero (%1)"),
                {text(in.errorString())});
  }
  const std::span<const std::uint8_t> view(reinterpret_cast<const std::uint8_t*>(bytes.data()),
                                           static_cast<std::size_t>(bytes.size()));
  if (auto problem = bitmapLayoutProblem(view)) return said(*problem);

  QBuffer buffer;
  buffer.setData(bytes);
  buffer.open(QIODevice::ReadOnly);
  QImage image;
  {
    const DecodeLimit limit;
    QImageReader reader(&buffer, "bmp");
    reader.setAutoDetectImageFormat(false);
    if (!reader.read(&image))
      return said(QT_TRANSLATE_NOOP("vexolite", "no es una imagen BMP que se pueda leer"));
  }
  image = image.convertToFormat(QImage::Format_RGB32);
  if (image.isNull()) return said(QT_TRANSLATE_NOOP("vexolite", "no hay memoria para la imagen"));
  paintOver(image, surface);
  return std::nullopt;
}

std::optional<std::string> QtExportPlatform::listFiles(const std::filesystem::path& folder,
                                                       std::vector<std::string>& names) {
  names.clear();
  const QFileInfo info(folder);
  if (!info.exists()) return said(QT_TRANSLATE_NOOP("vexolite", "no existe"));
  if (!info.isDir()) return said(QT_TRANSLATE_NOOP("vexolite", "no es una carpeta"));
  QDir dir(info.absoluteFilePath());
  if (!dir.isReadable())
    return said(QT_TRANSLATE_NOOP("vexolite", "no se puede leer su contenido"));
  const QStringList entries = dir.entryList(QDir::Files, QDir::NoSort);
  names.reserve(static_cast<std::size_t>(entries.size()));
  for (const QString& entry : entries)
    names.push_back(text(entry));
  return std::nullopt;
}

void QtExportPlatform::setBusy(bool busy) {
  if (busy) {
    if (busyDepth_++ == 0) QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
  } else if (busyDepth_ > 0) {
    if (--busyDepth_ == 0) QGuiApplication::restoreOverrideCursor();
  }
}

}  // namespace vexolite::qt
