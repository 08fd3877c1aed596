// The language the window speaks: chosen from the command line or the environment, and installed.
// SPDX-License-Identifier: MIT
#include "qt/language.h"

#include <array>

namespace vexolite::qt {
namespace {

bool startsWith(std::string_view text, std::string_view prefix) {
  return text.substr(0, prefix.size()) == prefix;
}

// A locale name such as "es_AR.UTF-8", "C.UTF-8" or "en_GB".
Language languageOfLocale(std::string_view locale) {
  const std::string_view name = locale.substr(0, locale.find_first_of("_.@"));
  if (name.empty() || name == "C" || name == "POSIX" || startsWith(name, "es")) {
    return Language::Spanish;
  }
  return Language::English;
}

}  // namespace

std::optional<Language> languageOfOption(std::string_view value) {
  if (startsWith(value, "es")) return Language::Spanish;
  if (startsWith(value, "en")) return Language::English;
  return std::nullopt;
}

Language chooseLanguage(const std::optional<std::string>& option, const EnvironmentLookup& env) {
  if (option) {
    if (auto chosen = languageOfOption(*option)) return *chosen;
  }
  constexpr std::array<std::string_view, 4> kVariables{"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"};
  for (std::string_view variable : kVariables) {
    std::optional<std::string> value = env(variable);
    if (!value || value->empty()) continue;
    // LANGUAGE lists languages by preference, separated by colons; the first one decides.
    if (variable == "LANGUAGE") *value = value->substr(0, value->find(':'));
    if (value->empty()) continue;
    return languageOfLocale(*value);
  }
  return Language::Spanish;
}

std::unique_ptr<QTranslator> translatorFor(Language language) {
  if (language == Language::Spanish) return nullptr;
  auto translator = std::make_unique<QTranslator>();
  if (!translator->load(QStringLiteral(":/i18n/vexolite_en.qm"))) return nullptr;
  return translator;
}

}  // namespace vexolite::qt
