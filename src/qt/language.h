// The language the window speaks: chosen from the command line or the environment, and installed.
// SPDX-License-Identifier: MIT
#pragma once

#include <QTranslator>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace vexolite::qt {

enum class Language { Spanish, English };

// The value of an environment variable; nothing where it is unset.
using EnvironmentLookup = std::function<std::optional<std::string>(std::string_view name)>;

// option: the value of --language, if given ("es" or "en"; it overrides the environment).
// Otherwise the first non-empty of LANGUAGE (its first entry), LC_ALL, LC_MESSAGES and LANG, as
// for other desktop programs: Spanish for a Spanish locale and for none (empty, C, POSIX, with
// any suffix such as C.UTF-8), since Spanish is the source language; English for any other.
Language chooseLanguage(const std::optional<std::string>& option, const EnvironmentLookup& env);

// The language of an option value: "es"/"en" (also longer forms such as "es_AR" or "english");
// nothing for a value that names neither.
std::optional<Language> languageOfOption(std::string_view value);

// The translator of a language, loaded from the embedded translation, for
// QCoreApplication::installTranslator: nothing for Spanish, the source language, and nothing
// where the translation cannot be loaded. Qt's own buttons are English already, so English needs
// only the program's own texts.
std::unique_ptr<QTranslator> translatorFor(Language language);

}  // namespace vexolite::qt
