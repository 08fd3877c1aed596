// The real window's controls: names, kinds, captions, tool tips, places, fonts, colours, help.
// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <QApplication>
#include <QFontInfo>
#include <QImage>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>

#include "test_window.h"

namespace vexolite::test {
namespace {

struct Layout {
  const char* name;
  const char* className;
  const char* caption;  // the widget's text property; nullptr where it has none
  const char* toolTip;
  QRect place = {};  // twips / 15, rounded to nearest, worked by hand; empty: not checked
};

// As the window's layout quotes them, spacing and missing accents included.
const Layout kLayout[] = {
    {"FigureView", "vexolite::qt::SurfaceView", nullptr, "", {0, 0, 640, 480}},
    {"TextSurface", "vexolite::qt::SurfaceView", nullptr, "", {0, 480, 640, 480}},
    {"CaseImage", "vexolite::qt::SurfaceView", nullptr, ""},
    {"PlanSurface", "vexolite::qt::SurfaceView", nullptr, ""},
    {"PageSurface", "vexolite::qt::SurfaceView", nullptr, "", {838, 270, 1287, 690}},
    {"DrawButton",
     "QPushButton",
     "Dibujar",
     "Pulsando la tecla [ Enter ] o haciendo click aquí, dará comienzo al sistema o dibujará un "
     "caso.",
     {748, 243, 54, 27}},
    {"HelpButton", "QPushButton", "Ayuda",
     "Pulsando la tecla [ F1 ] o haciendo click aquí, recibira ayuda sobre el uso de las teclas "
     "en este sistema."},
    {"TurnUpButton",
     "QPushButton",
     "Arriba",
     "Pulsando la tecla [ flecha arriba ] o haciendo click aqui, la cara lateral derecha del "
     "[cubo] pasará a ocupar la cara superior del mismo.",
     {694, 0, 54, 54}},
    {"TurnDownButton", "QPushButton", "Abajo", "", {694, 108, 54, 54}},
    {"TurnLeftButton", "QPushButton", "Izquierda",
     "Pulsando la tecla [ flecha izquierda ] o haciendo click aquí, la cara lateral derecha del "
     "[cubo] pasará a ocupar la cara lateral izquierda del mismo."},
    {"TurnRightButton", "QPushButton", "Derecha",
     "Pulsando la tecla [ flecha derecha ] o haciendo click aquí, la cara lateral izquierda del "
     "[cubo] pasará a ocupar la cara lateral derecha del mismo."},
    {"PreviousByNumberButton", "QPushButton", "Ant x Num",
     "Pulsando la tecla [ Home ] o haciendo click aquí, pasará al anterior problema por número "
     "de orden."},
    {"NextByNumberButton", "QPushButton", "Sig x Num",
     "Pulsando la tecla [ End ] o haciendo click aquí, pasará al siguiente problema por número "
     "de orden."},
    {"PreviousBySolutionsButton", "QPushButton", "Ant x Sol",
     "Pulsando  la tecla [ Pg Up ] o haciendo click aquí, pasará al anterior problema con igual "
     "o menor número de soluciones."},
    {"NextBySolutionsButton", "QPushButton", "Sig x Sol",
     "Pulsando la tecla [ Pg Dn ] o haciendo click aquí, pasará al siguiente problema con igual "
     "o mayor número de soluciones."},
    {"ZoomOutButton", "QPushButton", "Alejar",
     "Pulsando la tecla [ - ] o haciendo click aquí, la imagen se alejará."},
    {"ZoomInButton", "QPushButton", "Acercar",
     "Pulsando la tecla [ + ] o haciendo click aqui, la imagen se acercará."},
    {"ExportCaseButton", "QPushButton", "BMP",
     "Genera BMP del caso que se está mostrando (alejar ANTES la imagen lo más posible)."},
    {"ExportAllButton",
     "QPushButton",
     "all BMP",
     "Para generar  BMP  de todos los casos existentes.",
     {846, 188, 31, 31}},
    {"ComposePagesButton",
     "QPushButton",
     "pag BMP",
     "Para compaginar los BMP anteriomente seleccionados, en un nuevo BMP que los agrupe.",
     {640, 131, 31, 31}},
    {"PieceV",
     "QRadioButton",
     "Pieza 1, azul",
     "1, azul, Triónimo  plano en forma de V.",
     {8, 13, 108, 14}},
    {"PieceL", "QRadioButton", "Pieza 2, verde", "2, verde, Tetrónimo plano en forma de L."},
    {"PieceT", "QRadioButton", "Pieza 3, cian", "3, celeste, Tetrónimo plano en forma de T."},
    {"PieceZ", "QRadioButton", "Pieza 4, rojo", "4, rojo, Tetrónimo plano en forma de Z."},
    {"PieceRightScrew", "QRadioButton", "Pieza 5, lila",
     "5, lila, Tetrónimo tridimensional de forma helicoidal dextrógira."},
    {"PieceLeftScrew", "QRadioButton", "Pieza 6, amarillo",
     "6, amarillo, Tetrónimo tridimensional de forma helicoidal levógira."},
    {"PieceTripod",
     "QRadioButton",
     "Pieza 7, gris",
     "7, gris      , Tetrónimo tridimensional de forma de trípode.",
     {8, 97, 108, 14}},
    {"NoHelpOption", "QRadioButton", "Ayuda: 0 piezas", "Opción para jugar sin ayuda."},
    {"OnePieceHelpOption",
     "QRadioButton",
     "Ayuda: 1 pieza (> 10 sol)",
     "Opción para jugar con ayuda.",
     {649, 459, 183, 14}},
    {"MirrorX", "QCheckBox", "X", "Simetría eje  X.", {760, 294, 41, 14}},
    {"MirrorY", "QCheckBox", "Y", "Simetría eje  Y.", {760, 307, 41, 14}},
    {"MirrorZ", "QCheckBox", "Z", "Simetría eje  Z."},
    {"MirrorXYSlash", "QCheckBox", "XY/", "Simetría diagonal sobre plano XY con sentido \"/\"."},
    {"MirrorXYBackslash", "QCheckBox", "XY\\",
     "Simetría diagonal sobre plano XY con sentido \"\\\"."},
    {"MirrorXZSlash", "QCheckBox", "XZ/", "Simetría diagonal sobre plano XZ con sentido \"/\"."},
    {"MirrorXZBackslash", "QCheckBox", "XZ\\",
     "Simetría diagonal sobre plano XZ con sentido \"\\\"."},
    {"MirrorYZSlash", "QCheckBox", "YZ/", "Simetría diagonal sobre plano YZ con sentido \"/\"."},
    {"MirrorYZBackslash",
     "QCheckBox",
     "YZ\\",
     "Simetría diagonal sobre plano YZ con sentido \"\\\".",
     {760, 396, 41, 14}},
    {"CaseLabel",
     "QLabel",
     "",
     "Aquí muestra el número de Caso (nombre del Caso).",
     {641, 271, 100, 15}},
    {"SolutionsLabel", "QLabel", "",
     "Aquí muestra la cantidad de soluciones que tiene el caso que se esta observando."},
    {"CaseNumberLabel", "QLabel", "", ""},
    {"SolutionCountLabel", "QLabel", "", ""},
    {"SymmetryHeading", "QLabel", "Sime", "", {760, 278, 56, 17}},
    {"SizeHeading", "QLabel", "Size", "", {770, 116, 28, 14}},
    {"SizeX", "QLabel", "", ""},
    {"SizeY", "QLabel", "", ""},
    {"SizeZ", "QLabel", "", ""},
    {"CaseNumberBox",
     "QLineEdit",
     "",
     "Aquí puede ingresar un número de caso usando los números 1,2,3,4,5,6,7,8,9,0 y el punto "
     "[.] cuando sea necesario.",
     {704, 299, 37, 15}},
    {"HelpBox", "QPlainTextEdit", nullptr, "", {0, 0, 485, 461}},
    {"ZoomBox", "QLineEdit", "1", "", {838, 6, 30, 25}},
    {"PiecePanel", "QGroupBox", nullptr, "", {640, 324, 120, 117}},
    {"CaptionBox", "QTextEdit", nullptr, "", {838, 112, 100, 25}},
};

TEST(WindowLayout, EveryControlHasItsNameKindCaptionToolTipAndPlace) {
  TestWindow window;
  // Every control of the window, and only these, carries a name of the layout.
  EXPECT_EQ(std::size(kLayout) + 1, static_cast<std::size_t>(kControlCount));
  for (const Layout& c : kLayout) {
    SCOPED_TRACE(c.name);
    auto* widget = window.form().findChild<QWidget*>(c.name);
    ASSERT_NE(widget, nullptr);
    EXPECT_TRUE(widget->inherits(c.className)) << widget->metaObject()->className();
    EXPECT_EQ(widget->toolTip(), QString::fromUtf8(c.toolTip));
    if (c.caption != nullptr) {
      EXPECT_EQ(widget->property("text").toString(), QString::fromUtf8(c.caption));
    }
    if (!c.place.isNull()) {
      EXPECT_EQ(widget->geometry(), c.place);
    }
    const bool inFrame =
        QByteArray(c.name).startsWith("Piece") && QByteArray(c.name) != "PiecePanel";
    EXPECT_EQ(widget->parentWidget(), inFrame ? window.control(Control::PiecePanel)
                                              : static_cast<QWidget*>(&window.form()));
  }
  EXPECT_EQ(window.control(Control::PiecePanel)->property("title").toString(), "");
  EXPECT_EQ(window.text(Control::CaptionBox), "RichTextBox1");
  // HelpBox lies over FigureView: created later among the same siblings.
  const QObjectList& siblings = window.form().children();
  EXPECT_GT(siblings.indexOf(window.control(Control::HelpBox)),
            siblings.indexOf(window.control(Control::FigureView)));
}

TEST(WindowLayout, FontsResolveToTheLiberationFacesAt8Point25) {
  TestWindow window;
  using enum Control;
  const std::pair<const char*, std::vector<Control>> faces[] = {
      {"Liberation Mono",
       {MainWindow, CaseLabel, SizeHeading, CaseNumberBox, MirrorXYSlash, ZoomBox}},
      {"Liberation Sans",
       {DrawButton, ExportAllButton, NoHelpOption, OnePieceHelpOption, PieceV, PieceTripod}}};
  for (const auto& [family, controls] : faces) {
    for (Control control : controls) {
      const QFont font = window.control(control)->font();
      SCOPED_TRACE(window.control(control)->objectName().toStdString());
      EXPECT_EQ(QFontInfo(font).family(), family);
      EXPECT_DOUBLE_EQ(font.pointSizeF(), 8.25);
      // Only the piece options are bold.
      EXPECT_EQ(QFontInfo(font).bold(), control == PieceV || control == PieceTripod);
    }
  }
  // "Arial Alternative" is not installed: the help text falls back on the fixed-pitch face, at
  // 11.25 points or as much less as its 29 lines need to fit the box.
  const QFont help = window.control(Control::HelpBox)->font();
  EXPECT_LE(help.pointSizeF(), 11.25);
  EXPECT_GE(help.pointSizeF(), 9.0);
  EXPECT_EQ(QFontInfo(help).family(), "Liberation Mono");
  EXPECT_TRUE(QFontInfo(help).fixedPitch());
}

TEST(WindowLayout, StartSizeColoursAndStatesOfTheControls) {
  TestWindow window;
  EXPECT_TRUE(window.text(Control::CaseNumberBox).empty());
  window.start();
  EXPECT_EQ(window.form().windowTitle(), "Vexolite");
  const std::pair<Control, QColor> colours[] = {
      {Control::PieceV, QColor(0, 0, 255)},
      {Control::PieceL, QColor(0, 128, 0)},
      {Control::PieceT, QColor(0, 255, 255)},
      {Control::PieceZ, QColor(255, 0, 0)},
      {Control::PieceRightScrew, QColor(255, 0, 255)},
      {Control::PieceLeftScrew, QColor(255, 255, 0)},
      {Control::PieceTripod, QColor(64, 64, 64)},
      {Control::CaseLabel, QColor(255, 255, 255)},
      {Control::SolutionsLabel, QColor(255, 255, 255)},
      {Control::SolutionCountLabel, QColor(255, 255, 255)},
  };
  for (const auto& [control, colour] : colours) {
    // The rightmost column of the control, past its caption: the painted background, kept
    // while the frame holding the piece options is disabled.
    const QImage image = window.control(control)->grab().toImage();
    EXPECT_EQ(image.pixelColor(image.width() - 1, image.height() / 2), colour)
        << window.control(control)->objectName().toStdString();
  }
  EXPECT_EQ(window.control(Control::SizeHeading)->palette().color(QPalette::WindowText), Qt::black);
  EXPECT_EQ(window.control(Control::FigureView)->grab().toImage().pixelColor(320, 240), Qt::white);

  for (Control option : {Control::PieceV, Control::PieceL, Control::PieceT, Control::PieceZ,
                         Control::PieceRightScrew, Control::PieceLeftScrew, Control::PieceTripod,
                         Control::NoHelpOption, Control::OnePieceHelpOption}) {
    const bool helpOption =
        option == Control::NoHelpOption || option == Control::OnePieceHelpOption;
    EXPECT_EQ(window.form().isChecked(option), option == Control::NoHelpOption)
        << window.control(option)->objectName().toStdString();
    EXPECT_EQ(window.control(option)->isEnabled(), helpOption)
        << window.control(option)->objectName().toStdString();
  }
  EXPECT_FALSE(window.control(Control::PiecePanel)->isEnabled());
  EXPECT_TRUE(window.control(Control::HelpBox)->isHidden());
  EXPECT_TRUE(window.control(Control::FigureView)->isVisible());
  // The two groups are separate: the viewer can select a piece without clearing NoHelpOption.
  window.form().setChecked(Control::PieceT, true);
  EXPECT_TRUE(window.form().isChecked(Control::PieceT));
  EXPECT_TRUE(window.form().isChecked(Control::NoHelpOption));

  // The check boxes are indicators: a click on one, delivered as the window system delivers
  // it, leaves it as it was, and the keyboard never stops there.
  QWidget* check = window.control(Control::MirrorY);
  QTest::mouseClick(window.form().windowHandle(), Qt::LeftButton, {},
                    check->mapTo(&window.form(), QPoint(5, 7)));
  EXPECT_FALSE(window.form().isChecked(Control::MirrorY));
  EXPECT_EQ(check->focusPolicy(), Qt::NoFocus);
  window.form().setChecked(Control::MirrorY, true);
  EXPECT_TRUE(window.form().isChecked(Control::MirrorY));
}

TEST(WindowLayout, TabOrderStartsAtCaseNumberBoxAndSkipsLabelsChecksAndPictures) {
  TestWindow window;
  window.start();
  EXPECT_EQ(QApplication::focusWidget(), window.control(Control::CaseNumberBox));
  window.press(Qt::Key_Tab);
  EXPECT_EQ(QApplication::focusWidget(), window.control(Control::TurnUpButton));
  // A full round of Tab comes back to CaseNumberBox, stopping only at buttons and options.
  int stops = 0;
  while (QApplication::focusWidget() != window.control(Control::CaseNumberBox) && stops < 100) {
    ASSERT_NE(QApplication::focusWidget(), nullptr);
    const QString name = QApplication::focusWidget()->objectName();
    EXPECT_TRUE(name.endsWith("Button") || name.endsWith("Option") || name.startsWith("Piece"))
        << name.toStdString();
    window.press(Qt::Key_Tab);
    ++stops;
  }
  EXPECT_LT(stops, 100);
  EXPECT_GE(stops, 15);  // at least the fifteen buttons
}

TEST(WindowLayout, TheHelpTextHas29LinesWithArrowGlyphsAllInSight) {
  TestWindow window;
  const char* const lines[] = {
      "[  F1 ] esta Ayuda",
      "[  ^  ] lateral derecho   hacia arriba",
      "[  \u2193  ] lateral derecho   hacia abajo",
      "[  \u2190  ] lateral derecho   hacia izquierda",
      "[  \u2192  ] lateral izquierdo hacia derecha",
      "[Pg Up] anterior  CASO  (x SOLUCIONES)",
      "[Pg Dn] siguiente CASO  (x SOLUCIONES)",
      "[Home ] anterior  CASO  (x ORDEN)",
      "[ End ] siguiente CASO  (x ORDEN)",
      "[0 a 9] ingresar  CASO  (del 0 al 9 y .)",
      "[  -  ] alejar    imagen",
      "[  +  ] acercar   imagen",
      "[ Esc ] salir",
      "El caso 705 muestra la forma y el color",
      "de las 7 piezas del VEXO.",
      "Con Click sobre el esquema que se muestra",
      "abajo a la derecha, puede quitar o volver",
      "a mostrar cualquiera de los 27 cubitos",
      "de que se compone cada caso.",
      "1, azul,     Trinomio  plano en forma de V.",
      "2, verde,    Tetronimo plano en forma de L.",
      "3, cian,     Tetronimo plano en forma de T.",
      "4, rojo,     Tetronimo plano en forma de Z.",
      "5, lila,     Tetronimo tridimensional de ",
      "             forma helicoidal dextrogira.",
      "6, amarillo, Tetronimo tridimensional de ",
      "             forma helicoidal levogira.",
      "7, gris,     Tetronimo tridimensional de ",
      "             forma de tripode.",
  };
  std::string text, shown;
  for (const char* line : lines) {
    text += std::string(line) + "\r\n";
    shown += std::string(line) + "\n";
  }
  EXPECT_EQ(window.text(Control::HelpBox), text);
  const auto* box = qobject_cast<QPlainTextEdit*>(window.control(Control::HelpBox));
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(box->toPlainText().toStdString(), shown);  // one per line, then the empty one

  // The help is read while a message box holds the window, when nothing can be scrolled.
  window.start();
  window.form().setVisible(Control::HelpBox, true);
  QApplication::processEvents();
  const QTextBlock last = box->document()->findBlockByNumber(28);
  EXPECT_LE(box->cursorRect(QTextCursor(last)).bottom(), box->viewport()->height());
  EXPECT_EQ(box->verticalScrollBar()->maximum(), 0);
}

// The window opens at 801 x 480, past which the table puts some controls; they show, not
// hidden, once the window grows.
TEST(WindowLayout, ControlsBeyondTheFirstClientAreaShowOnlyOnceTheWindowGrows) {
  TestWindow window;
  window.start();
  EXPECT_EQ(window.form().size(), QSize(801, 480));
  using enum Control;
  const Control outside[] = {TextSurface,        CaseImage,  PlanSurface,
                             PageSurface,        ZoomBox,    CaseNumberLabel,
                             SolutionCountLabel, CaptionBox, ExportAllButton};
  for (Control c : outside)
    EXPECT_TRUE(window.control(c)->visibleRegion().isEmpty()) << static_cast<int>(c);
  window.form().resize(2200, 1000);
  QApplication::processEvents();
  EXPECT_EQ(window.form().size(), QSize(2200, 1000));
  for (Control c : outside)
    EXPECT_FALSE(window.control(c)->visibleRegion().isEmpty()) << static_cast<int>(c);
}

}  // namespace
}  // namespace vexolite::test
