// The book's language, chosen as the viewer chooses it, and its words through Qt's translation.
// SPDX-License-Identifier: MIT
#include "book_language.h"

#include <QString>
#include <memory>
#include <utility>

#include "qt/language.h"

namespace vexolite::book {

namespace {

Translate through(std::unique_ptr<QTranslator> loaded) {
  if (!loaded) return [](std::string_view marked) { return std::string(marked); };
  std::shared_ptr<QTranslator> translator = std::move(loaded);
  return [translator](std::string_view marked) {
    const std::string source(marked);
    const QString text = translator->translate("vexolite", source.c_str());
    return text.isEmpty() ? source : text.toStdString();
  };
}

}  // namespace

Translate bookLanguage(const std::optional<std::string>& option, const EnvironmentLookup& env) {
  return through(qt::translatorFor(qt::chooseLanguage(option, env)));
}

Translate messageLanguage() {
  return through(qt::translatorFor(qt::Language::English));
}

}  // namespace vexolite::book
