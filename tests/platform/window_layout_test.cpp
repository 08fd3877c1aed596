// The real window's controls: names, kinds, captions, tool tips, places, fonts, colours, help.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFontInfo>
#include <QImage>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>

#include "test_window.h"

namespace vexolite::test {
namespace {

QWidget* byName(qt::Form1& form, const char* name) {
  if (form.objectName() == name) return &form;
  return form.findChild<QWidget*>(QString::fromUtf8(name));
}

struct Caption {
  const char* name;
  const char* className;
  const char* caption;  // the widget's text property; nullptr where it has none
  const char* toolTip;
};

// As the window's layout quotes them, spacing and missing accents included.
const Caption kCaptions[] = {
    {"Picture1", "vexolite::qt::SurfaceView", nullptr, ""},
    {"Picture2", "vexolite::qt::SurfaceView", nullptr, ""},
    {"Picture3", "vexolite::qt::SurfaceView", nullptr, ""},
    {"Picture4", "vexolite::qt::SurfaceView", nullptr, ""},
    {"Picture5", "vexolite::qt::SurfaceView", nullptr, ""},
    {"Command1", "QPushButton", "Dibujar",
     "Pulsando la tecla [ Enter ] o haciendo click aquí, dará comienzo al sistema o dibujará un "
     "caso."},
    {"Command2", "QPushButton", "Ayuda",
     "Pulsando la tecla [ F1 ] o haciendo click aquí, recibira ayuda sobre el uso de las teclas "
     "en este sistema."},
    {"Command3", "QPushButton", "Arriba",
     "Pulsando la tecla [ flecha arriba ] o haciendo click aqui, la cara lateral derecha del "
     "[cubo] pasará a ocupar la cara superior del mismo."},
    {"Command4", "QPushButton", "Abajo", ""},
    {"Command5", "QPushButton", "Izquierda",
     "Pulsando la tecla [ flecha izquierda ] o haciendo click aquí, la cara lateral derecha del "
     "[cubo] pasará a ocupar la cara lateral izquierda del mismo."},
    {"Command6", "QPushButton", "Derecha",
     "Pulsando la tecla [ flecha derecha ] o haciendo click aquí, la cara lateral izquierda del "
     "[cubo] pasará a ocupar la cara lateral derecha del mismo."},
    {"Command7", "QPushButton", "Ant x Num",
     "Pulsando la tecla [ Home ] o haciendo click aquí, pasará al anterior problema por número "
     "de orden."},
    {"Command8", "QPushButton", "Sig x Num",
     "Pulsando la tecla [ End ] o haciendo click aquí, pasará al siguiente problema por número "
     "de orden."},
    {"Command9", "QPushButton", "Ant x Sol",
     "Pulsando  la tecla [ Pg Up ] o haciendo click aquí, pasará al anterior problema con igual "
     "o menor número de soluciones."},
    {"Command10", "QPushButton", "Sig x Sol",
     "Pulsando la tecla [ Pg Dn ] o haciendo click aquí, pasará al siguiente problema con igual "
     "o mayor número de soluciones."},
    {"Command11", "QPushButton", "Alejar",
     "Pulsando la tecla [ - ] o haciendo click aquí, la imagen se alejará."},
    {"Command12", "QPushButton", "Acercar",
     "Pulsando la tecla [ + ] o haciendo click aqui, la imagen se acercará."},
    {"Command13", "QPushButton", "BMP",
     "Genera BMP del caso que se está mostrando (alejar ANTES la imagen lo más posible)."},
    {"Command14", "QPushButton", "all BMP", "Para generar  BMP  de todos los casos existentes."},
    {"Command15", "QPushButton", "pag BMP",
     "Para compaginar los BMP anteriomente seleccionados, en un nuevo BMP que los agrupe."},
    {"Option1", "QRadioButton", "Pieza 1, azul", "1, azul, Triónimo  plano en forma de V."},
    {"Option2", "QRadioButton", "Pieza 2, verde", "2, verde, Tetrónimo plano en forma de L."},
    {"Option3", "QRadioButton", "Pieza 3, cian", "3, celeste, Tetrónimo plano en forma de T."},
    {"Option4", "QRadioButton", "Pieza 4, rojo", "4, rojo, Tetrónimo plano en forma de Z."},
    {"Option5", "QRadioButton", "Pieza 5, lila",
     "5, lila, Tetrónimo tridimensional de forma helicoidal dextrógira."},
    {"Option6", "QRadioButton", "Pieza 6, amarillo",
     "6, amarillo, Tetrónimo tridimensional de forma helicoidal levógira."},
    {"Option7", "QRadioButton", "Pieza 7, gris",
     "7, gris      , Tetrónimo tridimensional de forma de trípode."},
    {"Option8", "QRadioButton", "Ayuda: 0 piezas", "Opción para jugar sin ayuda."},
    {"Option9", "QRadioButton", "Ayuda: 1 pieza (> 10 sol)", "Opción para jugar con ayuda."},
    {"Check1", "QCheckBox", "X", "Simetría eje  X."},
    {"Check2", "QCheckBox", "Y", "Simetría eje  Y."},
    {"Check3", "QCheckBox", "Z", "Simetría eje  Z."},
    {"Check4", "QCheckBox", "XY/", "Simetría diagonal sobre plano XY con sentido \"/\"."},
    {"Check5", "QCheckBox", "XY\\", "Simetría diagonal sobre plano XY con sentido \"\\\"."},
    {"Check6", "QCheckBox", "XZ/", "Simetría diagonal sobre plano XZ con sentido \"/\"."},
    {"Check7", "QCheckBox", "XZ\\", "Simetría diagonal sobre plano XZ con sentido \"\\\"."},
    {"Check8", "QCheckBox", "YZ/", "Simetría diagonal sobre plano YZ con sentido \"/\"."},
    {"Check9", "QCheckBox", "YZ\\", "Simetría diagonal sobre plano YZ con sentido \"\\\"."},
    {"Label1", "QLabel", "", "Aquí muestra el número de Caso (nombre del Caso)."},
    {"Label2", "QLabel", "",
     "Aquí muestra la cantidad de soluciones que tiene el caso que se esta observando."},
    {"Label3", "QLabel", "", ""},
    {"Label4", "QLabel", "", ""},
    {"Label5", "QLabel", "Sime", ""},
    {"Label6", "QLabel", "Size", ""},
    {"Label7", "QLabel", "", ""},
    {"Label8", "QLabel", "", ""},
    {"Label9", "QLabel", "", ""},
    {"Text1", "QLineEdit", "",
     "Aquí puede ingresar un número de caso usando los números 1,2,3,4,5,6,7,8,9,0 y el punto "
     "[.] cuando sea necesario."},
    {"Text2", "QPlainTextEdit", nullptr, ""},
    {"Text3", "QLineEdit", "1", ""},
    {"Frame1", "QGroupBox", nullptr, ""},
    {"RichTextBox1", "QTextEdit", nullptr, ""},
};

TEST(WindowLayout, EveryControlHasItsNameKindCaptionAndToolTip) {
  TestWindow window;
  // Every control of the window, and only these, carries a name of the layout.
  EXPECT_EQ(std::size(kCaptions) + 1, static_cast<std::size_t>(kControlCount));
  for (const Caption& c : kCaptions) {
    SCOPED_TRACE(c.name);
    QWidget* widget = byName(window.form(), c.name);
    ASSERT_NE(widget, nullptr);
    EXPECT_TRUE(widget->inherits(c.className)) << widget->metaObject()->className();
    EXPECT_EQ(widget->toolTip(), QString::fromUtf8(c.toolTip));
    if (c.caption != nullptr) {
      EXPECT_EQ(widget->property("text").toString(), QString::fromUtf8(c.caption));
    }
  }
  EXPECT_EQ(window.form().windowTitle(), "Vexolite");
  EXPECT_EQ(window.control(Control::Frame1)->property("title").toString(), "");
  EXPECT_EQ(window.text(Control::RichTextBox1), "RichTextBox1");
}

TEST(WindowLayout, TheOddlySpacedTextsAreKeptExactly) {
  TestWindow window;
  const auto tip = [&](const char* name) { return byName(window.form(), name)->toolTip(); };
  EXPECT_TRUE(tip("Command9").startsWith("Pulsando  la tecla [ Pg Up ]"));
  EXPECT_TRUE(tip("Command3").contains("click aqui,"));
  EXPECT_TRUE(tip("Command12").contains("click aqui,"));
  EXPECT_TRUE(tip("Command2").contains(" recibira "));
  EXPECT_TRUE(tip("Command15").contains(" anteriomente "));
  EXPECT_EQ(tip("Check1"), QString::fromUtf8("Simetr\u00eda eje  X."));
  EXPECT_TRUE(tip("Option7").startsWith("7, gris      , Tetr"));
}

struct Place {
  const char* name;
  QRect pixels;  // twips / 15, rounded to nearest, worked by hand from the layout
};

TEST(WindowLayout, ControlsOfEachKindSitWhereTheLayoutPutsThem) {
  TestWindow window;
  const Place places[] = {
      {"Picture1", {0, 0, 640, 480}},         // 0, 0, 9600, 7200
      {"Picture2", {0, 480, 640, 480}},       // 0, 7201, 9600, 7200
      {"Picture5", {838, 270, 1287, 690}},    // 12570, 4050, 19305, 10350
      {"Text2", {0, 0, 485, 461}},            // 0, 0, 7275, 6915
      {"Command3", {694, 0, 54, 54}},         // 10411, 1, 810, 810
      {"Command4", {694, 108, 54, 54}},       // 10410, 1621, 810, 810
      {"Command15", {640, 131, 31, 31}},      // 9601, 1966, 465, 465
      {"Command1", {748, 243, 54, 27}},       // 11221, 3646, 810, 405
      {"Command14", {846, 188, 31, 31}},      // 12690, 2820, 465, 465
      {"Label1", {641, 271, 100, 15}},        // 9615, 4065, 1500, 225
      {"Label5", {760, 278, 56, 17}},         // 11400, 4170, 840, 255
      {"Label6", {770, 116, 28, 14}},         // 11551, 1740, 420, 210
      {"Text1", {704, 299, 37, 15}},          // 10560, 4485, 555, 225
      {"Text3", {838, 6, 30, 25}},            // 12570, 90, 450, 375
      {"RichTextBox1", {838, 112, 100, 25}},  // 12570, 1680, 1500, 375
      {"Check1", {760, 294, 41, 14}},         // 11400, 4407, 615, 210
      {"Check2", {760, 307, 41, 14}},         // top 4599
      {"Check9", {760, 396, 41, 14}},         // top 5940
      {"Frame1", {640, 324, 120, 117}},       // 9601, 4860, 1800, 1755
      {"Option1", {8, 13, 108, 14}},          // in the frame: 120, 195, 1620, 210
      {"Option7", {8, 97, 108, 14}},          // top 1455
      {"Option9", {649, 459, 183, 14}},       // 9735, 6885, 2745, 210
  };
  for (const Place& p : places) {
    EXPECT_EQ(byName(window.form(), p.name)->geometry(), p.pixels) << p.name;
  }
  for (int n = 1; n <= 7; ++n) {
    EXPECT_EQ(window.control(Option(n))->parentWidget(), window.control(Control::Frame1));
  }
  EXPECT_EQ(window.control(Control::Option8)->parentWidget(), &window.form());
  // Text2 lies over Picture1: created later among the same siblings.
  const QObjectList& siblings = window.form().children();
  EXPECT_GT(siblings.indexOf(window.control(Control::Text2)),
            siblings.indexOf(window.control(Control::Picture1)));
}

TEST(WindowLayout, TheWindowOpensAt801By480AndCanBeResized) {
  TestWindow window;
  window.start();
  EXPECT_EQ(window.form().size(), QSize(801, 480));
  EXPECT_EQ(window.form().windowTitle(), "Vexolite");
  window.form().resize(2200, 1000);
  EXPECT_EQ(window.form().size(), QSize(2200, 1000));
}

TEST(WindowLayout, FontsResolveToTheLiberationFacesAt8Point25) {
  TestWindow window;
  struct FontCase {
    Control control;
    const char* family;
    bool bold;
  };
  const FontCase cases[] = {
      {Control::Form1, "Liberation Mono", false},    {Control::Label1, "Liberation Mono", false},
      {Control::Label6, "Liberation Mono", false},   {Control::Text1, "Liberation Mono", false},
      {Control::Check4, "Liberation Mono", false},   {Control::Text3, "Liberation Mono", false},
      {Control::Command1, "Liberation Sans", false}, {Control::Command14, "Liberation Sans", false},
      {Control::Option8, "Liberation Sans", false},  {Control::Option9, "Liberation Sans", false},
      {Control::Option1, "Liberation Sans", true},   {Control::Option7, "Liberation Sans", true},
  };
  for (const FontCase& c : cases) {
    const QWidget* widget = window.control(c.control);
    SCOPED_TRACE(widget->objectName().toStdString());
    EXPECT_EQ(QFontInfo(widget->font()).family(), c.family);
    EXPECT_DOUBLE_EQ(widget->font().pointSizeF(), 8.25);
    EXPECT_EQ(QFontInfo(widget->font()).bold(), c.bold);
  }
  // "Arial Alternative" is not installed: the help text falls back on the fixed-pitch face, at
  // 11.25 points or as much less as its 29 lines need to fit the box.
  const QFont help = window.control(Control::Text2)->font();
  EXPECT_LE(help.pointSizeF(), 11.25);
  EXPECT_GE(help.pointSizeF(), 9.0);
  EXPECT_EQ(QFontInfo(help).family(), "Liberation Mono");
  EXPECT_TRUE(QFontInfo(help).fixedPitch());
}

TEST(WindowLayout, PieceOptionsAndLabelsShowTheirBackgroundColours) {
  TestWindow window;
  window.start();
  struct ColourCase {
    Control control;
    QColor colour;
  };
  const ColourCase cases[] = {
      {Control::Option1, QColor(0, 0, 255)},    {Control::Option2, QColor(0, 128, 0)},
      {Control::Option3, QColor(0, 255, 255)},  {Control::Option4, QColor(255, 0, 0)},
      {Control::Option5, QColor(255, 0, 255)},  {Control::Option6, QColor(255, 255, 0)},
      {Control::Option7, QColor(64, 64, 64)},   {Control::Label1, QColor(255, 255, 255)},
      {Control::Label2, QColor(255, 255, 255)}, {Control::Label4, QColor(255, 255, 255)},
  };
  for (const ColourCase& c : cases) {
    QWidget* widget = window.control(c.control);
    SCOPED_TRACE(widget->objectName().toStdString());
    // The rightmost column of the control, past its caption: the painted background.
    const QImage image = widget->grab().toImage();
    EXPECT_EQ(image.pixelColor(image.width() - 1, image.height() / 2), c.colour);
  }
  EXPECT_EQ(window.control(Control::Label6)->palette().color(QPalette::WindowText),
            QColor(0, 0, 0));
  // The piece options keep their colours while the frame holding them is disabled.
  ASSERT_FALSE(window.control(Control::Option1)->isEnabled());
  const QImage drawing = window.control(Control::Picture1)->grab().toImage();
  EXPECT_EQ(drawing.pixelColor(320, 240), QColor(255, 255, 255));
}

TEST(WindowLayout, StartStatesOfTheControls) {
  TestWindow window;
  EXPECT_TRUE(window.text(Control::Text1).empty());
  window.start();
  EXPECT_TRUE(window.form().isChecked(Control::Option8));
  for (int n = 1; n <= 7; ++n)
    EXPECT_FALSE(window.form().isChecked(Option(n))) << n;
  EXPECT_FALSE(window.form().isChecked(Control::Option9));
  EXPECT_FALSE(window.control(Control::Frame1)->isEnabled());
  EXPECT_FALSE(window.control(Control::Option3)->isEnabled());
  EXPECT_TRUE(window.control(Control::Option9)->isEnabled());
  EXPECT_TRUE(window.control(Control::Text2)->isHidden());
  EXPECT_TRUE(window.control(Control::Picture1)->isVisible());
  // The two groups are separate: the viewer can select a piece without clearing Option8.
  window.form().setChecked(Control::Option3, true);
  EXPECT_TRUE(window.form().isChecked(Control::Option3));
  EXPECT_TRUE(window.form().isChecked(Control::Option8));
  window.form().setChecked(Control::Option3, false);
  EXPECT_FALSE(window.form().isChecked(Control::Option3));
}

TEST(WindowLayout, CheckBoxesAreIndicatorsTheUserCannotToggle) {
  TestWindow window;
  window.start();
  QWidget* check = window.control(Control::Check2);
  // A click on its box, delivered through the window as the window system delivers it.
  const QPoint box = check->mapTo(&window.form(), QPoint(5, 7));
  QTest::mouseClick(window.form().windowHandle(), Qt::LeftButton, {}, box);
  EXPECT_FALSE(window.form().isChecked(Control::Check2));
  EXPECT_EQ(check->focusPolicy(), Qt::NoFocus);
  window.form().setChecked(Control::Check2, true);
  EXPECT_TRUE(window.form().isChecked(Control::Check2));
}

TEST(WindowLayout, TabOrderStartsAtText1AndSkipsLabelsChecksAndPictures) {
  TestWindow window;
  window.start();
  EXPECT_EQ(QApplication::focusWidget(), window.control(Control::Text1));
  window.press(Qt::Key_Tab);
  EXPECT_EQ(QApplication::focusWidget(), window.control(Control::Command3));
  // A full round of Tab comes back to Text1, stopping only at Text1, buttons and options.
  int stops = 0;
  while (QApplication::focusWidget() != window.control(Control::Text1) && stops < 100) {
    QWidget* focus = QApplication::focusWidget();
    ASSERT_NE(focus, nullptr);
    const QString name = focus->objectName();
    EXPECT_TRUE(name.startsWith("Command") || name.startsWith("Option")) << name.toStdString();
    window.press(Qt::Key_Tab);
    ++stops;
  }
  EXPECT_LT(stops, 100);
  EXPECT_GE(stops, 15);  // at least the fifteen buttons
}

TEST(WindowLayout, TheHelpTextHas29LinesWithArrowGlyphs) {
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
  std::string expected;
  for (const char* line : lines)
    expected += std::string(line) + "\r\n";
  EXPECT_EQ(window.text(Control::Text2), expected);

  // The box itself shows them one per line, 29 lines and the empty one after the last end.
  const auto* box = qobject_cast<QPlainTextEdit*>(window.control(Control::Text2));
  ASSERT_NE(box, nullptr);
  const QStringList shown = box->toPlainText().split('\n');
  ASSERT_EQ(shown.size(), 30);
  for (int n = 0; n < 29; ++n)
    EXPECT_EQ(shown[n], QString::fromUtf8(lines[n])) << n + 1;
  EXPECT_EQ(shown[29], "");

  // All of it is in sight at once: the help is read while a message box holds the window, when
  // nothing can be scrolled.
  window.start();
  window.form().setVisible(Control::Text2, true);
  QApplication::processEvents();
  const QTextBlock last = box->document()->findBlockByNumber(28);
  EXPECT_LE(box->cursorRect(QTextCursor(last)).bottom(), box->viewport()->height());
  EXPECT_EQ(box->verticalScrollBar()->maximum(), 0);
}

TEST(WindowLayout, ControlsBeyondTheFirstClientAreaShowOnlyOnceTheWindowGrows) {
  TestWindow window;
  window.start();
  const Control outside[] = {Control::Picture2, Control::Picture3, Control::Picture4,
                             Control::Picture5, Control::Text3,    Control::RichTextBox1,
                             Control::Label3,   Control::Label4,   Control::Command14};
  const Control inside[] = {Control::Command3, Control::Check9, Control::Option9, Control::Label1};
  for (Control c : outside) {
    EXPECT_TRUE(window.control(c)->visibleRegion().isEmpty())
        << window.control(c)->objectName().toStdString();
  }
  for (Control c : inside)
    EXPECT_FALSE(window.control(c)->visibleRegion().isEmpty());

  window.form().resize(2200, 1000);
  QApplication::processEvents();
  for (Control c : outside) {
    EXPECT_FALSE(window.control(c)->visibleRegion().isEmpty())
        << window.control(c)->objectName().toStdString();
  }
  // "all BMP" is now what the window has at that place, where before the window ended.
  const QPoint allBmp = window.control(Control::Command14)->geometry().center();
  EXPECT_EQ(window.form().childAt(allBmp), window.control(Control::Command14));
  window.form().resize(801, 480);
  EXPECT_FALSE(window.form().rect().contains(allBmp));
}

}  // namespace
}  // namespace vexolite::test
