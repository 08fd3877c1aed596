// When a piece is drawn in colour: help with one piece beyond 10 solutions, or case 705.
#include <gtest/gtest.h>

#include "drawing/piece_palette.h"

namespace vexolite {
namespace {

HelpChoice help(bool helpWithPiece, int chosenPiece, double solutions, double caseNumber) {
  return HelpChoice{helpWithPiece, chosenPiece, solutions, caseNumber};
}

TEST(HighlightRule, HelpColoursOnlyTheChosenPieceAndOnlyBeyondTenSolutions) {
  for (int piece = 1; piece <= 7; ++piece) {
    SCOPED_TRACE(piece);
    EXPECT_TRUE(isHighlighted(help(true, piece, 11, 12), piece));
    EXPECT_TRUE(isHighlighted(help(true, piece, 3000, 1), piece));
    EXPECT_FALSE(isHighlighted(help(true, piece, 10, 12), piece));
    EXPECT_FALSE(isHighlighted(help(true, piece, 0, 12), piece));
    EXPECT_FALSE(isHighlighted(help(false, piece, 11, 12), piece));
    EXPECT_FALSE(isHighlighted(help(true, 0, 11, 12), piece));
    for (int other = 1; other <= 7; ++other) {
      if (other != piece) {
        EXPECT_FALSE(isHighlighted(help(true, other, 11, 12), piece));
      }
    }
  }
}

TEST(HighlightRule, Case705ColoursEveryPieceWhateverTheOptions) {
  for (int piece = 1; piece <= 7; ++piece) {
    SCOPED_TRACE(piece);
    EXPECT_TRUE(isHighlighted(help(false, 0, 1, 705), piece));
    EXPECT_TRUE(isHighlighted(help(true, 0, 1, 705), piece));
    EXPECT_TRUE(isHighlighted(help(true, piece == 1 ? 2 : 1, 11, 705), piece));
    EXPECT_FALSE(isHighlighted(help(false, 0, 1, 704), piece));
    EXPECT_FALSE(isHighlighted(help(false, 0, 1, 706), piece));
  }
}

TEST(HighlightRule, NumbersOutsideTheSevenPiecesAreNeverHighlighted) {
  for (int piece : {-1, 0, 8, 27}) {
    SCOPED_TRACE(piece);
    EXPECT_FALSE(isHighlighted(help(false, 0, 1, 705), piece));
    EXPECT_FALSE(isHighlighted(help(true, piece, 11, 705), piece));
  }
}

}  // namespace
}  // namespace vexolite
