// Start-up, the key table and the buttons of the viewer, against a stand-in window.
#include <gtest/gtest.h>

#include "support/case_file_writer.h"
#include "support/fake_controls.h"
#include "support/viewer_run.h"
#include "viewer/key_codes.h"
#include "viewer/viewer.h"

namespace vexolite {
namespace {

using test::FakeControls;
using test::recordBytes;
using test::ViewerRun;

constexpr const char* kStart = "En proxima pantalla pulsar enter para dar comienzo al sistema";

TEST(FormLoad, SetsTheStartValuesAndShowsTheStartMessage) {
  ViewerRun s({recordBytes(10, "19", 1), recordBytes(20, "29", 5), recordBytes(1231, "39", 12)});
  const ViewerState& state = s.viewer.state();
  EXPECT_EQ(state.RecordCount, 3);
  EXPECT_EQ(state.CurrentRecord, 3);
  EXPECT_EQ(state.LastCaseNumber, 705);
  EXPECT_EQ(state.ZoomFactor, 0.5);
  EXPECT_EQ(s.controls.text(Control::Text3), "0.5");
  EXPECT_FALSE(s.controls.enabled[FakeControls::index(Control::Frame1)]);
  EXPECT_FALSE(s.controls.visible[FakeControls::index(Control::Text2)]);
  ASSERT_EQ(s.controls.messages.size(), 1u);
  EXPECT_EQ(s.controls.messages[0].text, kStart);
  EXPECT_EQ(s.controls.messages[0].icon, MessageIcon::Exclamation);
  EXPECT_EQ(s.controls.text(Control::Label1), "");  // nothing is shown before Enter
}

TEST(KeyTable, OnlyTypedKeysReachTheFocusedControl) {
  for (int code : {key::kUp, key::kDown, key::kLeft, key::kRight, key::kHome, key::kEnd,
                   key::kPageUp, key::kPageDown, key::kF1, key::kEscape, key::kEnter}) {
    EXPECT_FALSE(keyReachesFocusedControl(code)) << code;
  }
  for (int code : {key::kKeypadPlus, key::kKeypadMinus, 0, 48, 190}) {
    EXPECT_TRUE(keyReachesFocusedControl(code)) << code;
  }
}

TEST(Help, ShowsTheTextOverThePictureThenLoadsTheCaseAgain) {
  ViewerRun s({recordBytes(10, "19", 1), recordBytes(1231, "1139", 12)});
  s.viewer.CommandClick(1);  // "Dibujar"
  s.viewer.state().CubeletTable[1][kStateColumn] = kCubeHidden;
  s.controls.setText(Control::Label1, "changed");

  s.viewer.Form_KeyDown(key::kF1);
  ASSERT_EQ(s.controls.messages.size(), 2u);
  const test::ShownMessage& help = s.controls.messages[1];
  EXPECT_EQ(help.text, "");
  EXPECT_EQ(help.icon, MessageIcon::None);
  EXPECT_FALSE(help.picture1Visible);
  EXPECT_TRUE(help.text2Visible);
  EXPECT_TRUE(s.controls.visible[FakeControls::index(Control::Picture1)]);
  EXPECT_FALSE(s.controls.visible[FakeControls::index(Control::Text2)]);
  EXPECT_EQ(s.controls.text(Control::Label1), " CASO:   123.1 ");
  EXPECT_EQ(s.viewer.state().CubeletTable[1][kStateColumn], kCubeShown);

  s.viewer.CommandClick(2);  // "Ayuda"
  EXPECT_EQ(s.controls.messages.size(), 3u);
}

}  // namespace
}  // namespace vexolite
