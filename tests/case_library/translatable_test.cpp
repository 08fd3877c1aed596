// Message templates: filling their placeholders, and finding the parts of a filled one.
// SPDX-License-Identifier: MIT
#include "case_library/translatable.h"

#include <gtest/gtest.h>

#include "case_library/case_decoding.h"
#include "case_library/case_file.h"

namespace vexolite {
namespace {

using Parts = std::vector<std::string>;

TEST(FillIn, PlaceholdersInAnyOrderOtherPercentSignsStay) {
  EXPECT_EQ(fillIn("El archivo %1 mide %2 bytes", {"a.dat", "7"}), "El archivo a.dat mide 7 bytes");
  EXPECT_EQ(fillIn("%2 bytes in %1", {"a.dat", "7"}), "7 bytes in a.dat");
  EXPECT_EQ(fillIn("100% %1 %3", {"x"}), "100% x %3");
  EXPECT_EQ(fillIn("%1", {"%2"}), "%2") << "a filled part is never read again";
}

TEST(PartsFilling, GivesBackWhatFillInPutInOrNothing) {
  const std::string_view pattern = "declara %1 x %2 pixeles, que no es un tamano de imagen";
  const Parts parts{"0", "-3"};
  EXPECT_EQ(partsFilling(pattern, fillIn(pattern, {"0", "-3"})), parts);
  EXPECT_EQ(partsFilling(kCannotOpenBecause, "no se puede abrir (No such file or directory)"),
            Parts{"No such file or directory"});
  EXPECT_EQ(partsFilling(kCannotOpenBecause, "no se puede abrir"), std::nullopt);
  EXPECT_EQ(partsFilling("declara %1 bits por pixel", "declara  bits por pixel"), std::nullopt)
      << "no part is empty";
  EXPECT_EQ(partsFilling("es una carpeta", "es una carpeta"), Parts{});
}

TEST(LabelWords, TheDecoderOpensItsLabelsWithTheMarkedWords) {
  EXPECT_EQ(kCaseLabelWord, " CASO:");
  EXPECT_EQ(kSolutionLabelWord, " SOLU:");
}

}  // namespace
}  // namespace vexolite
