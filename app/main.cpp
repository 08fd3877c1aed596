// The viewer program: finds a display, opens the window and runs its start-up.
// SPDX-License-Identifier: MIT
#include <QApplication>
#include <QIcon>
#include <QTimer>
#include <cstdio>
#include <filesystem>
#include <system_error>

#include "case_library/case_file.h"
#include "qt/main_window.h"

namespace {

// Without a display Qt aborts with a long message; say it in one line instead.
bool displayAvailable() {
  return !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") ||
         !qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

}  // namespace

int main(int argc, char* argv[]) {
  if (!displayAvailable()) {
    std::fputs(
        "vexolite: no display found (DISPLAY is not set); start it in a desktop session or under "
        "xvfb-run\n",
        stderr);
    return 1;
  }
  QApplication app(argc, argv);
  QApplication::setApplicationName("Vexolite");
  // The desktop entry and the icon installed under the application's id: desktops then match
  // the window to its menu entry and show its icon.
  QGuiApplication::setDesktopFileName(QStringLiteral(VEXOLITE_APP_ID));
  QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral(VEXOLITE_APP_ID)));

  std::error_code noWorkingFolder;
  vexolite::CaseFileSearch search{
      std::filesystem::current_path(noWorkingFolder),
      std::filesystem::path(QCoreApplication::applicationDirPath().toStdString()),
      std::filesystem::path(VEXOLITE_INSTALLED_DATA_DIR)};

  vexolite::qt::MainWindow form(std::move(search));
  form.show();
  // start opens the start message box; let the window appear first.
  QTimer::singleShot(0, &form, [&form] { form.start(); });
  return QApplication::exec();
}
