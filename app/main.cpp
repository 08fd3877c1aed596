// The viewer program: finds a display, opens the window and runs its start-up.
// SPDX-License-Identifier: MIT
#include <QApplication>
#include <QIcon>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <system_error>

#include "case_library/case_file.h"
#include "qt/language.h"
#include "qt/main_window.h"

namespace {

// Without a display Qt aborts with a long message; say it in one line instead.
bool displayAvailable() {
  return !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") ||
         !qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

// Kept whole in the executable (the compiler may otherwise build the path from pieces of it), so
// that the data folder a packaged viewer searches can be read from its file.
[[gnu::used]] constexpr char kInstalledDataDir[] = VEXOLITE_INSTALLED_DATA_DIR;

constexpr char kUsage[] =
    "Usage: vexolite [--language es|en]\n"
    "Shows the catalogue of figures of the seven-piece cube puzzle.\n"
    "  --language es|en  the language of the window: es Spanish, en English; without it the\n"
    "                    environment decides (LANGUAGE, LC_ALL, LC_MESSAGES, LANG): Spanish for a\n"
    "                    Spanish locale or none (C, POSIX), English for any other\n"
    "  --help            this text\n"
    "Qt's own options (-platform NAME, -style NAME...) are understood too.\n";

// The program's own options. They are read twice: before Qt sees the command line, when any word
// but a double-dash option may still be one of Qt's own options or its value (-platform
// offscreen, -style fusion), and after Qt has taken those out, when every word left must be ours.
struct Options {
  std::optional<std::string> language;
  bool help = false;
  std::optional<std::string> error;
};

Options readOptions(int argc, char* argv[], bool qtOptionsTaken) {
  Options options;
  for (int n = 1; n < argc && !options.error; ++n) {
    const std::string argument = argv[n];
    if (argument == "--help" || argument == "-h") {
      options.help = true;
    } else if (argument == "--language" || argument.starts_with("--language=")) {
      std::string value;
      if (argument == "--language") {
        if (n + 1 >= argc) {
          options.error = "--language needs a value, es or en";
          break;
        }
        value = argv[++n];
      } else {
        value = argument.substr(std::strlen("--language="));
      }
      if (!vexolite::qt::languageOfOption(value)) {
        options.error = "unknown language '" + value + "'; use es or en";
        break;
      }
      options.language = value;
    } else if (argument.starts_with("--")) {
      options.error = "unknown option '" + argument + "'";
    } else if (qtOptionsTaken) {
      options.error = (argument.starts_with("-") && argument != "-" ? "unknown option '"
                                                                    : "unexpected argument '") +
                      argument + "'";
    }
  }
  return options;
}

int refuse(const std::string& error) {
  std::fprintf(stderr, "vexolite: %s\n%s", error.c_str(), kUsage);
  return 2;
}

}  // namespace

int main(int argc, char* argv[]) {
  const Options options = readOptions(argc, argv, false);
  if (options.help && !options.error) {
    std::fputs(kUsage, stdout);
    return 0;
  }
  if (options.error) return refuse(*options.error);
  if (!displayAvailable()) {
    std::fputs(
        "vexolite: no display found (DISPLAY is not set); start it in a desktop session or under "
        "xvfb-run\n",
        stderr);
    return 1;
  }
  QApplication app(argc, argv);
  if (const Options left = readOptions(argc, argv, true); left.error) return refuse(*left.error);
  const vexolite::qt::Language language =
      vexolite::qt::chooseLanguage(options.language, [](std::string_view name) {
        const char* value = std::getenv(std::string(name).c_str());
        return value != nullptr ? std::optional<std::string>(value) : std::nullopt;
      });
  const std::unique_ptr<QTranslator> translator = vexolite::qt::translatorFor(language);
  if (translator) {
    QCoreApplication::installTranslator(translator.get());
  } else if (language != vexolite::qt::Language::Spanish) {
    std::fputs("vexolite: the English translation is missing; the window stays in Spanish\n",
               stderr);
  }
  QApplication::setApplicationName("Vexolite");
  // The desktop entry and the icon installed under the application's id: desktops then match
  // the window to its menu entry and show its icon.
  QGuiApplication::setDesktopFileName(QStringLiteral(VEXOLITE_APP_ID));
  QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral(VEXOLITE_APP_ID)));

  std::error_code noWorkingFolder;
  vexolite::CaseFileSearch search{
      std::filesystem::current_path(noWorkingFolder),
      std::filesystem::path(QCoreApplication::applicationDirPath().toStdString()),
      std::filesystem::path(kInstalledDataDir)};

  vexolite::qt::MainWindow form(std::move(search));
  form.show();
  // start opens the start message box; let the window appear first.
  QTimer::singleShot(0, &form, [&form] { form.start(); });
  return QApplication::exec();
}
