// Moving through a case file: by solution order, by case number, and by a typed number.
#include <gtest/gtest.h>

#include "support/case_file_writer.h"
#include "support/fake_controls.h"
#include "viewer/key_codes.h"
#include "viewer/viewer.h"

namespace vexolite {
namespace {

using test::FakeControls;
using test::recordBytes;
using test::TempFolder;

// Records in order of solutions, as the catalogue stores them: case numbers with a decimal
// digit, gaps (2 .. 5, 8 .. 11, 13 .. 703 are missing), the last case, 705, and case 7, whose
// number is the record count.
const std::vector<std::vector<std::uint8_t>> kRecords = {
    recordBytes(70, "19", 1),     // record 1: case 7
    recordBytes(10, "29", 2),     // record 2: case 1
    recordBytes(123, "39", 5),    // record 3: case 12.3
    recordBytes(120, "49", 7),    // record 4: case 12
    recordBytes(7050, "59", 9),   // record 5: case 705
    recordBytes(7040, "69", 10),  // record 6: case 704
    recordBytes(60, "79", 11),    // record 7: case 6, the record count
};

struct Navigation : testing::Test {
  Navigation() {
    test::writeFile(work / "VEXOLITE.DAT", test::caseFileBytes(kRecords));
    viewer.Form_Load();
    viewer.Form_KeyDown(key::kEnter);
  }
  double record() const { return viewer.state().CurrentRecord; }
  std::string shownCase() const { return controls.text(Control::Label3); }
  // Types each character at the end of Text1, as the window does, and runs the change handler.
  void type(const std::string& characters) {
    for (char c : characters) {
      controls.setText(Control::Text1, controls.text(Control::Text1) + c);
      viewer.Text1_Change();
    }
  }
  void show(double recordNumber) {
    viewer.state().CurrentRecord = recordNumber;
    viewer.Form_KeyDown(key::kEnter);
  }

  TempFolder work;
  FakeControls controls;
  Viewer viewer{controls, CaseFileSearch{work.path(), {}, {}}};
};

TEST_F(Navigation, SolutionStepsWrapAtBothEnds) {
  ASSERT_EQ(record(), 7);
  viewer.Form_KeyDown(key::kPageDown);
  EXPECT_EQ(record(), 1);
  EXPECT_EQ(shownCase(), "007   ");
  viewer.Form_KeyDown(key::kPageUp);
  EXPECT_EQ(record(), 7);
  viewer.CommandClick(9);  // "Ant x Sol"
  EXPECT_EQ(record(), 6);
  viewer.CommandClick(10);  // "Sig x Sol"
  viewer.CommandClick(10);
  EXPECT_EQ(record(), 1);
  show(2);
  viewer.Form_KeyDown(key::kPageUp);
  EXPECT_EQ(record(), 1);
}

TEST_F(Navigation, NumberStepsWrapAndUseTheWholeNumber) {
  show(6);  // case 704
  viewer.Form_KeyDown(key::kEnd);
  EXPECT_EQ(shownCase(), "705   ");
  viewer.CommandClick(8);  // "Sig x Num": from 705 to 1
  EXPECT_EQ(shownCase(), "001   ");
  EXPECT_EQ(record(), 2);
  viewer.Form_KeyDown(key::kHome);  // from 1 back to 705
  EXPECT_EQ(shownCase(), "705   ");
  EXPECT_EQ(record(), 5);

  show(3);  // case 12.3: the next case by number is 13, which is missing
  viewer.Form_KeyDown(key::kEnd);
  EXPECT_EQ(record(), 7);
  show(3);  // and the previous one is 11, missing too; 12 is reached by typing it
  viewer.CommandClick(7);
  EXPECT_EQ(record(), 7);
  show(1);  // case 7: the previous case is 6, in the last record; the next one, 8, is missing
  viewer.Form_KeyDown(key::kHome);
  EXPECT_EQ(record(), 7);
  show(1);
  viewer.Form_KeyDown(key::kEnd);
  EXPECT_EQ(record(), 7);
  EXPECT_EQ(shownCase(), "006   ");
}

TEST_F(Navigation, TypingSearchesAtEveryCharacter) {
  type("7");
  EXPECT_EQ(record(), 1);
  type("0");  // case 70 is missing: the last record
  EXPECT_EQ(record(), 7);
  type("5");
  EXPECT_EQ(controls.text(Control::Text1), "705");
  EXPECT_EQ(shownCase(), "705   ");

  controls.setText(Control::Text1, "");
  type("12.");  // searches '012 '
  EXPECT_EQ(shownCase(), "012   ");
  type("3");
  EXPECT_EQ(shownCase(), "012.3 ");
  EXPECT_EQ(viewer.state().SearchCaseText, "0123");
  type("4");  // 12.34 reads as 12.3
  EXPECT_EQ(shownCase(), "012.3 ");
}

// A number that names no case, 0 or above 705, shows the last record: never the case whose
// number happens to equal the record count (case 7, in record 1).
TEST_F(Navigation, NumbersOutsideTheCatalogueShowTheLastRecord) {
  for (const char* typed : {"0", "706", "999", ".", "0.0"}) {
    show(2);
    controls.setText(Control::Text1, "");
    type(typed);
    EXPECT_EQ(record(), 7) << typed;
    EXPECT_EQ(shownCase(), "006   ") << typed;  // record 7 itself holds case 6
  }
  show(2);
  controls.setText(Control::Text1, "");
  type("6");
  EXPECT_EQ(record(), 7);
  controls.setText(Control::Text1, "");
  type("7");
  EXPECT_EQ(record(), 1);
}

TEST_F(Navigation, TheSixthCharacterKeepsTheLastFive) {
  type("00001");
  EXPECT_EQ(shownCase(), "001   ");
  type("2");
  EXPECT_EQ(controls.text(Control::Text1), "00012");
  EXPECT_EQ(shownCase(), "012   ");
}

TEST_F(Navigation, LettersSignsAndOtherCharactersEmptyTheBox) {
  show(2);
  for (const char* typed : {"a", "12x", "+", "-", " ", "\xc3\xb1"}) {
    controls.setText(Control::Text1, "");
    type(typed);
    EXPECT_EQ(controls.text(Control::Text1), "") << typed;
  }
  EXPECT_EQ(shownCase(), "012   ");           // from the "12" of "12x"
  EXPECT_EQ(viewer.state().ZoomFactor, 0.5);  // typed signs do not zoom
}

}  // namespace
}  // namespace vexolite
