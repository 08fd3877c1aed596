// Moving through a case file: by solution order, by case number, and by a typed number.
// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <optional>
#include "support/viewer_run.h"

#include "viewer/keys.h"

namespace vexolite {
namespace {

using test::recordBytes;

// Records in order of solutions, as the catalogue stores them: case numbers with a decimal
// digit, gaps (2 .. 5, 8 .. 11, 13 .. 703 are missing), the last case, 705, and case 7, whose
// number is the record count.
struct Navigation : testing::Test {
  Navigation() { run.viewer.keyPressed(Key::Enter); }
  double record() const { return run.viewer.state().catalogue.currentRecord; }
  std::string shownCase() const { return run.controls.text(Control::CaseNumberLabel); }
  // Types each character at the end of CaseNumberBox, as the window does, and runs the change
  // handler; `fresh` empties the box first.
  void type(const std::string& characters, bool fresh = false) {
    if (fresh) run.controls.setText(Control::CaseNumberBox, "");
    for (char c : characters) {
      run.controls.setText(Control::CaseNumberBox, run.controls.text(Control::CaseNumberBox) + c);
      run.viewer.caseNumberEdited();
    }
  }
  // Puts the whole text into CaseNumberBox at once, as a paste does, and runs the change handler.
  void paste(const std::string& text) {
    run.controls.setText(Control::CaseNumberBox, text);
    run.viewer.caseNumberEdited();
  }
  void show(double recordNumber) {
    run.viewer.state().catalogue.currentRecord = recordNumber;
    run.viewer.keyPressed(Key::Enter);
  }

  test::ViewerRun run{{
      recordBytes(70, "19", 1),     // record 1: case 7
      recordBytes(10, "29", 2),     // record 2: case 1
      recordBytes(123, "39", 5),    // record 3: case 12.3
      recordBytes(120, "49", 7),    // record 4: case 12
      recordBytes(7050, "59", 9),   // record 5: case 705
      recordBytes(7040, "69", 10),  // record 6: case 704
      recordBytes(60, "79", 11),    // record 7: case 6, the record count
  }};
};

// Steps by solution order (Page Up, Page Down, "Ant x Sol", "Sig x Sol") wrap at both ends; steps
// by number (Home, End, "Ant x Num", "Sig x Num") wrap between 705 and 1, use the whole number and
// show the last record for a missing one.
TEST_F(Navigation, StepsWrapAtBothEnds) {
  const struct {
    double from;
    Key key;                         // Key::Other for a button
    std::optional<Command> command;  // the button's command, none for a key
    double record;
    const char* shown;
  } steps[] = {
      {7, Key::PageDown, {}, 1, "007   "},
      {1, Key::PageUp, {}, 7, "006   "},
      {7, Key::Other, Command::PreviousBySolutions, 6, "704   "},
      {6, Key::Other, Command::NextBySolutions, 7, "006   "},
      {7, Key::Other, Command::NextBySolutions, 1, "007   "},
      {2, Key::PageUp, {}, 1, "007   "},
      {6, Key::End, {}, 5, "705   "},                       // 704 to 705
      {5, Key::Other, Command::NextByNumber, 2, "001   "},  // 705 wraps to 1
      {2, Key::Home, {}, 5, "705   "},                      // and 1 back to 705
      {3, Key::End, {}, 7, "006   "},                       // 12.3: the next number, 13, is missing
      // 11 is missing too; 12 is reached by typing
      {3, Key::Other, Command::PreviousByNumber, 7, "006   "},
      {1, Key::Home, {}, 7, "006   "},  // 7: the previous case, 6, is in the last record
      {1, Key::End, {}, 7, "006   "},   // and the next one, 8, is missing
  };
  ASSERT_EQ(record(), 7);
  for (const auto& s : steps) {
    SCOPED_TRACE(testing::Message()
                 << "from record " << s.from << " by key " << static_cast<int>(s.key)
                 << " or command " << (s.command ? static_cast<int>(*s.command) : -1));
    show(s.from);
    if (s.command)
      run.viewer.run(*s.command);
    else
      run.viewer.keyPressed(s.key);
    EXPECT_EQ(record(), s.record);
    EXPECT_EQ(shownCase(), s.shown);
  }
}

TEST_F(Navigation, TypingSearchesAtEveryCharacter) {
  type("7");
  EXPECT_EQ(record(), 1);
  type("0");  // case 70 is missing: the last record
  EXPECT_EQ(record(), 7);
  type("5");
  EXPECT_EQ(run.controls.text(Control::CaseNumberBox), "705");
  EXPECT_EQ(shownCase(), "705   ");

  type("12.", true);  // searches '012 '
  EXPECT_EQ(shownCase(), "012   ");
  type("3");
  EXPECT_EQ(shownCase(), "012.3 ");
  type("4");  // 12.34 reads as 12.3
  EXPECT_EQ(shownCase(), "012.3 ");

  type("00001", true);  // a sixth character keeps the last five
  EXPECT_EQ(shownCase(), "001   ");
  type("2");
  EXPECT_EQ(run.controls.text(Control::CaseNumberBox), "00012");
  EXPECT_EQ(shownCase(), "012   ");
}

// A number that names no case, 0 or above 705, shows the last record: never the case whose
// number happens to equal the record count (case 7, in record 1).
TEST_F(Navigation, NumbersOutsideTheCatalogueShowTheLastRecord) {
  for (const char* typed : {"0", "706", "999", ".", "0.0", "6"}) {
    show(2);
    type(typed, true);
    EXPECT_EQ(record(), 7) << typed;
    EXPECT_EQ(shownCase(), "006   ") << typed;  // record 7 itself holds case 6
  }
  type("7", true);
  EXPECT_EQ(record(), 1);
}

// Lengths and cuts count characters: a cut through a two-byte letter must not leave bytes the
// box turns into a longer text, or the handler would run for ever.
TEST_F(Navigation, PastedTextIsCutByCharactersWhateverItsBytes) {
  std::string manyLetters;
  for (int n = 0; n < 10000; ++n)
    manyLetters += "\xc3\xb1";
  const std::pair<std::string, std::string> pastes[] = {
      {"\xc3\xb1"
       "1234",
       "\xc3\xb1"
       "1234"},  // five characters, searched as typed: value 0
      {"x\xc3\xb1"
       "1234",
       "\xc3\xb1"
       "1234"},
      {"\xd7\xa9\xd7\x9c\xd7\x95\xd7\x9d"
       "12",
       "\xd7\x9c\xd7\x95\xd7\x9d"
       "12"},
      {"ab\xf0\x9f\x98\x80\xf0\x9f\x98\x80"
       "1.2",
       "\xf0\x9f\x98\x80\xf0\x9f\x98\x80"
       "1.2"},
      {manyLetters + "7",
       "\xc3\xb1\xc3\xb1\xc3\xb1\xc3\xb1"
       "7"},
      {"\xb1\xb1\xc3"
       "12345",
       "12345"},  // no UTF-8 at all: each bad byte is one character
  };
  for (const auto& [pasted, kept] : pastes) {
    show(1);
    paste(pasted);
    EXPECT_EQ(run.controls.text(Control::CaseNumberBox), kept) << pasted.substr(0, 12);
    EXPECT_EQ(record(), 7) << pasted.substr(0, 12);
  }
  paste(
      "\xc3\xb1"
      "00007");  // the numbers of a cut text still count
  EXPECT_EQ(run.controls.text(Control::CaseNumberBox), "00007");
  EXPECT_EQ(record(), 1);
}

TEST_F(Navigation, LettersSignsAndOtherCharactersEmptyTheBox) {
  show(2);
  for (const char* typed : {"a", "12x", "+", "-", " ", "\xc3\xb1"}) {
    type(typed, true);
    EXPECT_EQ(run.controls.text(Control::CaseNumberBox), "") << typed;
  }
  EXPECT_EQ(shownCase(), "012   ");              // from the "12" of "12x"
  EXPECT_EQ(run.viewer.state().view.zoom, 0.5);  // typed signs do not zoom
}

}  // namespace
}  // namespace vexolite
