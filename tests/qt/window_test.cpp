// The real window: widgets from the layout table, start message, languages, keys and figure.
// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QFontInfo>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>
#include <QTextBlock>
#include <QToolTip>
#include <cmath>
#include <map>

#include "layout/window_layout.h"
#include "qt/key_translation.h"
#include "qt/language.h"
#include "qt/surface_view.h"
#include "test_window.h"

namespace vexolite::test {
namespace {

// The room a control's style gives its caption: beside the indicator of an option or a check box.
QRect captionRoom(QWidget* widget, ControlKind kind) {
  if (kind == ControlKind::Label) return widget->contentsRect();
  QStyleOptionButton option;
  option.initFrom(widget);
  return widget->style()->subElementRect(
      kind == ControlKind::CheckBox ? QStyle::SE_CheckBoxContents : QStyle::SE_RadioButtonContents,
      &option, widget);
}

// Every label, option and indicator caption fits the room its style gives the text, in the font
// it is drawn with: a translation or a font wider than the layout allows would be cut off.
void expectCaptionsFit(TestWindow& window) {
  for (const ControlLayout& row : windowLayout()) {
    if (row.kind != ControlKind::Label && row.kind != ControlKind::OptionButton &&
        row.kind != ControlKind::CheckBox)
      continue;
    QWidget* widget = window.control(row.id);
    const QRect room = captionRoom(widget, row.kind);
    const QString text = QString::fromStdString(window.text(row.id));
    EXPECT_LE(QFontMetrics(widget->font()).horizontalAdvance(text), room.width()) << row.name;
  }
}

// Values worked by hand from the layout (twips / 15, rounded to nearest). Every row of the table
// becomes its widget: its name, parent, text, tool tip, visibility and painted colour; controls
// shown at start do not overlap; the tab stops run 0, 1, 2, ...
TEST(WindowLayout, EveryControlIsBuiltFromItsRowTheIndicatorsOnlyShowWhatIsSetAndTheHelpFits) {
  TestWindow window;
  EXPECT_EQ(window.form->size(), QSize(801, 480));
  EXPECT_EQ(window.text(Control::PreviousBySolutionsButton), "Ant x Sol");
  EXPECT_EQ(window.control(Control::MirrorX)->toolTip().toStdString(), "Simetría eje  X.");
  EXPECT_EQ(window.control(Control::DrawButton)->geometry(), QRect(748, 243, 54, 27));
  EXPECT_EQ(window.control(Control::PieceTripod)->geometry(), QRect(8, 97, 108, 14));
  const QFont label = window.control(Control::CaseLabel)->font();
  EXPECT_EQ(QFontInfo(label).family().toStdString(), "Liberation Mono");  // Courier New's twin
  EXPECT_DOUBLE_EQ(label.pointSizeF(), 8.25);
  EXPECT_TRUE(QFontInfo(window.control(Control::PieceV)->font()).bold());
  std::map<int, Control> stops;
  for (const ControlLayout& row : windowLayout()) {
    QWidget* widget = window.control(row.id);
    SCOPED_TRACE(std::string(row.name));
    ASSERT_NE(widget, nullptr);
    EXPECT_EQ(widget->objectName().toStdString(), row.name);
    EXPECT_EQ(window.text(row.id), row.text);
    EXPECT_EQ(widget->toolTip().isEmpty(), row.toolTip.empty());
    EXPECT_TRUE(row.tabIndex < 0 || stops.emplace(row.tabIndex, row.id).second);
    if (row.id == Control::MainWindow) continue;
    EXPECT_EQ(widget->parentWidget(), window.control(row.parent));
    EXPECT_EQ(widget->isHidden(), !row.visibleAtStart);
    if (row.background) {
      const QImage image = widget->grab().toImage();  // the rightmost column, past any caption
      EXPECT_EQ(image.pixelColor(image.width() - 1, image.height() / 2),
                QColor(row.background->r, row.background->g, row.background->b));
    }
    for (const ControlLayout& other : windowLayout()) {
      QWidget* beside = window.control(other.id);  // stacked rows share at most their edges
      const bool siblings = beside != widget && beside->parentWidget() == widget->parentWidget();
      EXPECT_TRUE(!siblings || beside->isHidden() || widget->isHidden() ||
                  (widget->geometry() & beside->geometry()).height() <= 2)
          << other.name;
    }
  }
  EXPECT_EQ(stops.rbegin()->first + 1, static_cast<int>(stops.size()));
  // The help box lies over the figure while it is open: created later among the same siblings.
  EXPECT_GT(window.form->children().indexOf(window.control(Control::HelpBox)),
            window.form->children().indexOf(window.control(Control::FigureView)));

  // The start message in a real box (a failure, last, too).
  const std::vector<SeenBox> boxes = window.start();
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].title, "Vexolite");
  EXPECT_EQ(boxes[0].text, "En proxima pantalla pulsar enter para dar comienzo al sistema");
  EXPECT_EQ(boxes[0].icon, QMessageBox::Warning);

  // Tab walks the enabled stops in order from the case-number box, and back to it; of a group of
  // options it stops only at the chosen one.
  for (const auto& [index, control] : stops) {
    QWidget* stop = window.control(control);
    if (stop->isEnabled() && (!stop->inherits("QRadioButton") || window.form->isChecked(control))) {
      EXPECT_EQ(QApplication::focusWidget(), stop) << index;
      window.press(Qt::Key_Tab);
    }
  }
  EXPECT_EQ(QApplication::focusWidget(), window.control(Control::CaseNumberBox));

  // The indicators raise their tool tips under the resting mouse; no click or key changes what
  // the viewer set, and none takes the focus.
  QWindow* handle = window.form->windowHandle();
  for (Control indicator : kMirrorIndicators) {
    QWidget* box = window.control(indicator);
    const QPoint square = box->mapTo(window.form.get(), QPoint(6, 7));
    const QPoint caption = box->mapTo(window.form.get(), QPoint(box->width() - 4, 7));
    QTest::mouseMove(handle, caption);
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return QToolTip::isVisible() && QToolTip::text() == box->toolTip(); }, 3000))
        << box->toolTip().toStdString() << " shown: " << QToolTip::text().toStdString();
    for (bool set : {true, false}) {
      window.form->setChecked(indicator, set);
      QTest::mouseClick(handle, Qt::LeftButton, {}, square);
      QTest::mouseDClick(handle, Qt::LeftButton, {}, caption);
      QTest::keyClick(box, Qt::Key_Space);
      EXPECT_EQ(window.form->isChecked(indicator), set) << box->objectName().toStdString();
    }
    EXPECT_EQ(QApplication::focusWidget(), window.control(Control::CaseNumberBox));
  }
  QToolTip::hideText();

  // The help text, shown while a message box holds the window, when nothing scrolls: its 29
  // lines fit the box in a fixed-pitch face.
  auto* help = qobject_cast<QPlainTextEdit*>(window.control(Control::HelpBox));
  help->setVisible(true);
  QApplication::processEvents();
  EXPECT_EQ(help->document()->blockCount(), 30);
  EXPECT_TRUE(QFontInfo(help->font()).fixedPitch());
  EXPECT_EQ(help->verticalScrollBar()->maximum(), 0);
  QFont larger = help->font();  // and no smaller than it must be: a quarter point more is too big
  larger.setPointSizeF(larger.pointSizeF() + 0.25);
  EXPECT_TRUE(help->font().pointSizeF() == 11.25 ||
              QFontMetrics(larger).lineSpacing() * 29 > help->viewport()->height());
  for (QTextBlock line = help->document()->begin(); line.isValid(); line = line.next())
    EXPECT_LE(QFontMetrics(help->font()).horizontalAdvance(line.text()), help->viewport()->width());
  window.form->showMessage("x", MessageIcon::Critical);  // as the viewer names a failure
  EXPECT_EQ(takeBoxes().at(0).icon, QMessageBox::Critical);
}

// The contrast of two colours by the relative luminance of the web's accessibility guidelines.
double contrast(const QColor& a, const QColor& b) {
  const auto luminance = [](const QColor& c) {
    const auto linear = [](int v) {
      const double s = v / 255.0;
      return s <= 0.04045 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(c.red()) + 0.7152 * linear(c.green()) + 0.0722 * linear(c.blue());
  };
  const double la = luminance(a), lb = luminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// Of the pixels right of an option's indicator, the one that stands out most from its background
// (the rightmost column, past any caption): the caption's ink as the screen shows it.
QColor captionInk(QWidget* option, QColor& background) {
  const QImage image = option->grab().toImage();
  background = image.pixelColor(image.width() - 1, image.height() / 2);
  const int left = captionRoom(option, ControlKind::OptionButton).left();
  QColor ink = background;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = left; x < image.width(); ++x) {
      const QColor pixel = image.pixelColor(x, y);
      if (contrast(pixel, background) > contrast(ink, background)) ink = pixel;
    }
  }
  return ink;
}

// Each piece's caption reads on its colour: at 4.5 : 1 while the pieces can be chosen, at 3 : 1
// while they cannot, and the two states plainly apart; in Spanish and in English.
TEST(WindowLayout, PieceCaptionsAreLegibleEnabledAndDisabledInBothLanguages) {
  for (const qt::Language language : {qt::Language::Spanish, qt::Language::English}) {
    const auto translator = qt::translatorFor(language);
    if (translator) QCoreApplication::installTranslator(translator.get());
    TestWindow window;
    window.start();
    window.press(Qt::Key_Return);
    std::map<Control, QColor> dimmed;
    for (Control piece : kPieceOptions) {
      QColor background;
      dimmed[piece] = captionInk(window.control(piece), background);
      EXPECT_GE(contrast(dimmed[piece], background), 3.0) << window.text(piece);
    }
    QTest::mouseClick(window.control(Control::OnePieceHelpOption), Qt::LeftButton);
    for (Control piece : kPieceOptions) {
      ASSERT_TRUE(window.control(piece)->isEnabled());
      QColor background;
      const QColor ink = captionInk(window.control(piece), background);
      EXPECT_GE(contrast(ink, background), 4.5) << window.text(piece);
      EXPECT_GE(contrast(ink, dimmed[piece]), 1.5) << window.text(piece);
    }
  }
}

// Every button, also one whose command draws nothing, leaves the focus in the case-number box, so
// that digits typed next reach it. The window never shrinks below its first size, and widens.
TEST(WindowButtons, LeaveTheFocusInTheCaseNumberBoxAndTheWindowKeepsItsFirstSize) {
  TestWindow window;
  window.start();
  window.press(Qt::Key_Return);
  for (const CommandBinding& binding : kCommandTable) {
    if (!binding.button) continue;
    QWidget* button = window.control(*binding.button);
    QTest::mouseClick(button, Qt::LeftButton);
    takeBoxes();
    EXPECT_TRUE(QTest::qWaitForWindowActive(window.form.get()));  // taken back from any box
    EXPECT_EQ(QApplication::focusWidget(), window.control(Control::CaseNumberBox))
        << button->objectName().toStdString();
  }
  QTest::mouseClick(window.control(Control::NoHelpOption), Qt::LeftButton);
  EXPECT_EQ(QApplication::focusWidget(), window.control(Control::CaseNumberBox));
  QTest::mouseClick(window.control(Control::ExportCaseButton), Qt::LeftButton);
  window.press(Qt::Key_7);
  EXPECT_EQ(window.text(Control::CaseLabel), " CASO:   007   ");

  window.form->resize(400, 300);
  EXPECT_EQ(window.form->size(), QSize(801, 480));
  window.form->resize(1300, 700);
  EXPECT_EQ(window.form->size(), QSize(1300, 700));
}

// Without a case file, each export button says why it cannot work; "all BMP" names the file as
// the start did.
TEST(WindowButtons, ExportsWithoutACaseFileSayWhy) {
  TestWindow window;
  std::filesystem::remove(window.folder / "VEXOLITE.DAT");
  const std::vector<SeenBox> atStart = window.start();
  ASSERT_EQ(atStart.size(), 2u);
  EXPECT_TRUE(atStart[0].text.starts_with("No se encuentra el archivo VEXOLITE.DAT."))
      << atStart[0].text;
  for (Control button :
       {Control::ExportCaseButton, Control::ExportAllButton, Control::ComposePagesButton}) {
    QTest::mouseClick(window.control(button), Qt::LeftButton);
    const std::vector<SeenBox> boxes = takeBoxes();
    ASSERT_EQ(boxes.size(), 1u) << window.text(button);
    if (button == Control::ExportAllButton) {
      EXPECT_EQ(boxes[0].text, atStart[0].text);
      EXPECT_EQ(boxes[0].icon, QMessageBox::Critical);
    }
  }
}

// --language first, then LANGUAGE (its first entry), LC_ALL, LC_MESSAGES and LANG; Spanish for
// none, C or POSIX. English, installed before the window is built, reaches every kind of text.
TEST(Language, ChosenFromTheOptionThenTheEnvironmentAndEnglishReachesTheWindow) {
  using enum qt::Language;
  const std::tuple<std::optional<std::string>, std::map<std::string_view, std::string>,
                   qt::Language>
      cases[] = {{{}, {{"LC_ALL", ""}, {"LC_MESSAGES", "POSIX"}, {"LANG", "en"}}, Spanish},
                 {{}, {{"LANG", "C.UTF-8"}}, Spanish},
                 {{}, {{"LC_MESSAGES", "fr_FR"}, {"LANG", "es_ES"}}, English},
                 {{}, {{"LANGUAGE", "es:en"}, {"LC_ALL", "en_US"}}, Spanish},
                 {"fr", {{"LANGUAGE", ":"}, {"LANG", "de"}}, English},
                 {"en_GB", {{"LC_ALL", "es_AR"}}, English}};
  for (const auto& [option, environment, expected] : cases) {
    const auto variable = [&](std::string_view name) {
      return environment.contains(name) ? std::optional(environment.at(name)) : std::nullopt;
    };
    EXPECT_EQ(qt::chooseLanguage(option, variable), expected);
  }

  const auto english = qt::translatorFor(English);
  QCoreApplication::installTranslator(english.get());
  TestWindow window;
  EXPECT_EQ(window.start().at(0).text, "On the next screen press Enter to start the system");
  EXPECT_TRUE(window.press(Qt::Key_Return).empty());
  EXPECT_EQ(window.text(Control::DrawButton), "Draw");
  EXPECT_EQ(window.control(Control::ZoomInButton)->toolTip().toStdString(),
            "Pressing the [ + ] key or clicking here zooms the image in.");
  EXPECT_EQ(window.text(Control::CaseLabel), " CASE:   123.1 ");
  expectCaptionsFit(window);
  EXPECT_EQ(window.text(Control::HelpBox).substr(0, 19), "[  F1 ] this Help\r\n");
}

// Bound keys reach the viewer from any control, and the control never sees those the viewer
// keeps; typed and pasted keys reach the box, which keeps the last five characters of any script.
// Keys pressed while a message box is open belong to it: F1 opens no second help, Esc closes it.
// Keypad 3 without NumLock is Page Down with the keypad modifier; only the keypad's + and - zoom.
TEST(WindowKeys, BoundKeysReachTheViewerTypedKeysTheBoxBoxKeysTheBoxAndTheFigureShowsWhole) {
  const std::pair<Qt::Key, Key> bound[] = {
      {Qt::Key_Escape, Key::Escape}, {Qt::Key_Return, Key::Enter},      {Qt::Key_Enter, Key::Enter},
      {Qt::Key_PageUp, Key::PageUp}, {Qt::Key_PageDown, Key::PageDown}, {Qt::Key_End, Key::End},
      {Qt::Key_Home, Key::Home},     {Qt::Key_Left, Key::Left},         {Qt::Key_Up, Key::Up},
      {Qt::Key_Right, Key::Right},   {Qt::Key_Down, Key::Down},         {Qt::Key_F1, Key::F1}};
  for (const auto& [key, expected] : bound) {
    EXPECT_EQ(qt::translateKey(key, Qt::NoModifier), expected) << key;
    EXPECT_EQ(qt::translateKey(key, Qt::KeypadModifier | Qt::ShiftModifier), expected) << key;
  }
  EXPECT_EQ(qt::translateKey(Qt::Key_Minus, Qt::KeypadModifier), Key::KeypadMinus);
  for (Qt::Key typed : {Qt::Key_Plus, Qt::Key_Minus, Qt::Key_5, Qt::Key_V})
    EXPECT_EQ(qt::translateKey(typed, Qt::NoModifier), Key::Other) << typed;

  TestWindow window;
  ASSERT_EQ(window.start().size(), 1u);
  auto* box = qobject_cast<QLineEdit*>(window.control(Control::CaseNumberBox));
  window.control(Control::HelpButton)->setFocus();
  EXPECT_TRUE(window.press(Qt::Key_Return).empty());  // the drawing, not the help
  EXPECT_EQ(window.text(Control::CaseLabel), " CASO:   123.1 ");
  expectCaptionsFit(window);
  window.press(Qt::Key_7);
  EXPECT_EQ(window.text(Control::CaseLabel), " CASO:   007   ");
  window.press(Qt::Key_Left);
  window.press(Qt::Key_PageDown);
  EXPECT_EQ(window.text(Control::CaseLabel), " CASO:   123.1 ");
  EXPECT_EQ(box->cursorPosition(), 1);
  EXPECT_EQ(box->text(), "7");
  window.press(Qt::Key_Plus, Qt::KeypadModifier);
  EXPECT_EQ(window.text(Control::ZoomBox), "1");
  window.press(Qt::Key_Minus);  // typed, then taken out again: no zoom
  EXPECT_EQ(window.text(Control::ZoomBox), "1");
  const std::pair<const char*, const char*> pastes[] = {
      {"ñ1234", "ñ1234"},
      {"שלום12", "לום12"},
      {"xy\U0001F600\U0001F600\U0001F6001", "y\U0001F600\U0001F600\U0001F6001"}};
  for (const auto& [pasted, kept] : pastes) {
    box->selectAll();
    QApplication::clipboard()->setText(QString::fromUtf8(pasted));
    window.press(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(box->text().toStdString(), kept);
  }
  // The figure view shows the viewer's surface pixel for pixel, each a block of whole device
  // pixels (at ratio 1.5 shown 1:1 in device pixels); a press on a square of the schematic
  // reaches the viewer at that pixel, and beside it not.
  EXPECT_EQ(qt::wholePixelScale(2.5), 2);
  EXPECT_EQ(qt::surfacePixelAt(QPointF(555.5, 458.75), 2), QPoint(555, 458));
  EXPECT_EQ(qt::surfacePixelAt(QPointF(100, 10), 1.5), QPoint(150, 15));
  const RasterSurface& surface = window.form->viewer().picture(Control::FigureView);
  const QImage shown = window.control(Control::FigureView)->grab().toImage();
  for (int n = 0; n < 640 * 480; ++n) {
    const Rgb p = surface.pixel(n % 640, n / 640);
    ASSERT_EQ(shown.pixelColor(n % 640, n / 640), QColor(p.r, p.g, p.b)) << n;
  }
  const auto& cube = window.form->viewer().state().figure.cubes[1];
  const QPoint corner = QPointF(cube[kSquareXColumn], cube[kSquareYColumn]).toPoint();
  QTest::mouseClick(window.control(Control::FigureView), Qt::LeftButton, {}, corner + QPoint(6, 0));
  EXPECT_EQ(cube[kStateColumn], kCubeShown);
  QTest::mouseClick(window.control(Control::FigureView), Qt::LeftButton, {}, corner + QPoint(5, 5));
  EXPECT_EQ(cube[kStateColumn], kCubeHidden);
  bool closedByEsc = false;
  inspector = [&](QMessageBox& open) {
    QTest::keyClick(&open, Qt::Key_F1);
    QTest::keyClick(&open, Qt::Key_Escape);
    closedByEsc = !open.isVisible();
  };
  EXPECT_EQ(window.press(Qt::Key_F1).size(), 1u);
  EXPECT_TRUE(closedByEsc);
  window.press(Qt::Key_Escape);
  EXPECT_EQ(window.ends, 1);
}

}  // namespace
}  // namespace vexolite::test
