// The choice of language from the --language option and the locale environment.
// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <string>

#include "qt/language.h"

namespace vexolite::test {
namespace {

using qt::Language;
using Environment = std::map<std::string, std::string>;

Language choose(const std::optional<std::string>& option, const Environment& environment) {
  return qt::chooseLanguage(option, [&environment](std::string_view name) {
    const auto found = environment.find(std::string(name));
    return found != environment.end() ? std::optional<std::string>(found->second) : std::nullopt;
  });
}

struct Case {
  std::optional<std::string> option;
  Environment environment;
  Language expected;
};

TEST(LanguageChoice, OptionFirstThenLanguageLcAllLcMessagesLangSpanishForNoneOrSpanish) {
  const Case cases[] = {
      {std::nullopt, {}, Language::Spanish},
      {std::nullopt, {{"LANG", "C"}}, Language::Spanish},
      {std::nullopt, {{"LANG", "C.UTF-8"}}, Language::Spanish},
      {std::nullopt, {{"LANG", "POSIX"}}, Language::Spanish},
      {std::nullopt, {{"LANG", ""}}, Language::Spanish},
      {std::nullopt, {{"LANG", "es_ES.UTF-8"}}, Language::Spanish},
      {std::nullopt, {{"LANG", "es_AR"}}, Language::Spanish},
      {std::nullopt, {{"LANG", "en_US.UTF-8"}}, Language::English},
      {std::nullopt, {{"LANG", "de_DE.UTF-8"}}, Language::English},
      {std::nullopt, {{"LANG", "eo"}}, Language::English},
      {std::nullopt, {{"LANG", "es_ES.UTF-8"}, {"LC_MESSAGES", "fr_FR.UTF-8"}}, Language::English},
      {std::nullopt, {{"LC_MESSAGES", "es_MX"}, {"LC_ALL", "en_GB"}}, Language::English},
      {std::nullopt, {{"LC_ALL", "C"}, {"LANG", "en_US.UTF-8"}}, Language::Spanish},
      {std::nullopt, {{"LC_ALL", ""}, {"LANG", "en_US.UTF-8"}}, Language::English},
      {std::nullopt, {{"LANGUAGE", "es:en"}, {"LANG", "en_US.UTF-8"}}, Language::Spanish},
      {std::nullopt, {{"LANGUAGE", "en_GB:es"}, {"LC_ALL", "es_ES"}}, Language::English},
      {std::nullopt, {{"LANGUAGE", ":"}, {"LANG", "es_ES"}}, Language::Spanish},
      {"en", {{"LANG", "es_ES.UTF-8"}}, Language::English},
      {"es", {{"LANGUAGE", "en"}, {"LANG", "en_US.UTF-8"}}, Language::Spanish},
      {"en", {}, Language::English},
  };
  for (const Case& c : cases) {
    std::string environment;
    for (const auto& [name, value] : c.environment)
      environment += name + "=" + value + " ";
    EXPECT_EQ(choose(c.option, c.environment), c.expected)
        << "--language " << c.option.value_or("(none)") << " with " << environment;
  }
}

TEST(LanguageChoice, OptionValuesNameSpanishOrEnglishOrNothing) {
  EXPECT_EQ(qt::languageOfOption("es"), Language::Spanish);
  EXPECT_EQ(qt::languageOfOption("en"), Language::English);
  EXPECT_EQ(qt::languageOfOption("en_GB"), Language::English);
  EXPECT_EQ(qt::languageOfOption("fr"), std::nullopt);
  EXPECT_EQ(qt::languageOfOption(""), std::nullopt);
}

TEST(LanguageChoice, EnglishHasAnEmbeddedTranslatorSpanishNone) {
  EXPECT_EQ(qt::translatorFor(Language::Spanish), nullptr);
  const auto english = qt::translatorFor(Language::English);
  ASSERT_NE(english, nullptr);
  EXPECT_EQ(english->translate("vexolite", "Dibujar"), QStringLiteral("Draw"));
}

}  // namespace
}  // namespace vexolite::test
