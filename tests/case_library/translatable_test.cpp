// Message templates: filling their placeholders, and reasons that carry a pattern and its parts.
// SPDX-License-Identifier: MIT
#include "case_library/translatable.h"

#include <gtest/gtest.h>

#include "case_library/case_decoding.h"
#include "case_library/case_file.h"

namespace vexolite {
namespace {

TEST(FillIn, PlaceholdersInAnyOrderOtherPercentSignsStay) {
  EXPECT_EQ(fillIn("El archivo %1 mide %2 bytes", {"a.dat", "7"}), "El archivo a.dat mide 7 bytes");
  EXPECT_EQ(fillIn("%2 bytes in %1", {"a.dat", "7"}), "7 bytes in a.dat");
  EXPECT_EQ(fillIn("100% %1 %3", {"x"}), "100% x %3");
  EXPECT_EQ(fillIn("%1", {"%2"}), "%2") << "a filled part is never read again";
}

TEST(Reason, SaysItsPatternFilledWithItsParts) {
  const Reason reason{kCannotOpenBecause, {"No such file or directory"}};
  EXPECT_EQ(reason.text(), "no se puede abrir (No such file or directory)");
  EXPECT_EQ(Reason{"es una carpeta"}.text(), "es una carpeta");
  EXPECT_EQ(reason, (Reason{kCannotOpenBecause, {"No such file or directory"}}));
  EXPECT_NE(reason, (Reason{kCannotOpenBecause, {"Permission denied"}}));
}

TEST(LabelWords, TheDecoderOpensItsLabelsWithTheMarkedWords) {
  EXPECT_EQ(kCaseLabelWord, " CASO:");
  EXPECT_EQ(kSolutionLabelWord, " SOLU:");
}

}  // namespace
}  // namespace vexolite
