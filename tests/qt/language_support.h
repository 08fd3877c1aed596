// The English translation installed into the test program for one scope, as --language en does.
// SPDX-License-Identifier: MIT
#pragma once

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QTranslator>
#include <memory>

#include "qt/language.h"

namespace vexolite::test {

// Widgets take their texts when they are built: make the window inside the scope.
class EnglishScope {
 public:
  EnglishScope() : translator_(qt::translatorFor(qt::Language::English)) {
    EXPECT_NE(translator_, nullptr) << "the embedded English translation";
    if (translator_) QCoreApplication::installTranslator(translator_.get());
  }
  ~EnglishScope() {
    if (translator_) QCoreApplication::removeTranslator(translator_.get());
  }
  EnglishScope(const EnglishScope&) = delete;
  EnglishScope& operator=(const EnglishScope&) = delete;

 private:
  std::unique_ptr<QTranslator> translator_;
};

}  // namespace vexolite::test
