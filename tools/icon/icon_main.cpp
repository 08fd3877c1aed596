// vexolite-icon: draws the application icons from case 1 of the catalogue, or checks them.
// SPDX-License-Identifier: MIT
#include <QImage>
#include <QString>
#include <cstdio>
#include <filesystem>
#include <string>
#include <string_view>

#include "figure_icon.h"

namespace {

// The 3 × 3 × 3 cube, every piece in its colours.
constexpr int kIconCase = 1;
constexpr int kIconSizes[] = {48, 128, 256};

// Where the hicolor theme keeps an application icon of a size, below a folder.
std::filesystem::path iconPath(const std::filesystem::path& folder, int size) {
  const std::string square = std::to_string(size) + "x" + std::to_string(size);
  return folder / "hicolor" / square / "apps" / (std::string(VEXOLITE_APP_ID) + ".png");
}

QString qtPath(const std::filesystem::path& path) {
  return QString::fromStdString(path.string());
}

int usage() {
  std::fputs(
      "usage: vexolite-icon CASEFILE FOLDER          draw the icons into FOLDER/hicolor\n"
      "       vexolite-icon --check CASEFILE FOLDER  compare them with the ones there\n",
      stderr);
  return 2;
}

}  // namespace

int main(int argc, char* argv[]) {
  const bool check = argc == 4 && std::string_view(argv[1]) == "--check";
  if (argc != 3 && !check) return usage();
  const std::filesystem::path caseFile = argv[check ? 2 : 1];
  const std::filesystem::path folder = argv[check ? 3 : 2];

  const vexolite::icon::FoundCase found = vexolite::icon::findCase(caseFile, kIconCase);
  if (!found.found) {
    std::fprintf(stderr, "vexolite-icon: %s\n", found.problem.c_str());
    return 1;
  }
  int failures = 0;
  for (const int size : kIconSizes) {
    const QImage drawn = vexolite::icon::drawIcon(*found.found, size);
    const std::filesystem::path path = iconPath(folder, size);
    if (check) {
      const QImage stored(qtPath(path));
      if (stored.isNull() || stored.convertToFormat(QImage::Format_ARGB32) != drawn) {
        std::fprintf(stderr, "vexolite-icon: %s is not the icon drawn now\n",
                     path.string().c_str());
        ++failures;
      }
      continue;
    }
    std::error_code ignored;
    std::filesystem::create_directories(path.parent_path(), ignored);
    if (!drawn.save(qtPath(path), "PNG")) {
      std::fprintf(stderr, "vexolite-icon: cannot write %s\n", path.string().c_str());
      ++failures;
    }
  }
  if (check && failures > 0) {
    std::fputs(
        "vexolite-icon: draw them again with: build/bin/vexolite-icon data/VEXOLITE.DAT "
        "packaging/icons\n",
        stderr);
  }
  return failures == 0 ? 0 : 1;
}
