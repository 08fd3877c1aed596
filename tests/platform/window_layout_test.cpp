// The real window's controls: names, kinds, captions, tool tips, places, fonts, colours, help.
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
    {"Picture1", "vexolite::qt::SurfaceView", nullptr, "", {0, 0, 640, 480}},
    {"Picture2", "vexolite::qt::SurfaceView", nullptr, "", {0, 480, 640, 480}},
    {"Picture3", "vexolite::qt::SurfaceView", nullptr, ""},
    {"Picture4", "vexolite::qt::SurfaceView", nullptr, ""},
    {"Picture5", "vexolite::qt::SurfaceView", nullptr, "", {838, 270, 1287, 690}},
    {"Command1",
     "QPushButton",
     "Dibujar",
     "Pulsando la tecla [ Enter ] o haciendo click aquí, dará comienzo al sistema o dibujará un "
     "caso.",
     {748, 243, 54, 27}},
    {"Command2", "QPushButton", "Ayuda",
     "Pulsando la tecla [ F1 ] o haciendo click aquí, recibira ayuda sobre el uso de las teclas "
     "en este sistema."},
    {"Command3",
     "QPushButton",
     "Arriba",
     "Pulsando la tecla [ flecha arriba ] o haciendo click aqui, la cara lateral derecha del "
     "[cubo] pasará a ocupar la cara superior del mismo.",
     {694, 0, 54, 54}},
    {"Command4", "QPushButton", "Abajo", "", {694, 108, 54, 54}},
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
    {"Command14",
     "QPushButton",
     "all BMP",
     "Para generar  BMP  de todos los casos existentes.",
     {846, 188, 31, 31}},
    {"Command15",
     "QPushButton",
     "pag BMP",
     "Para compaginar los BMP anteriomente seleccionados, en un nuevo BMP que los agrupe.",
     {640, 131, 31, 31}},
    {"Option1",
     "QRadioButton",
     "Pieza 1, azul",
     "1, azul, Triónimo  plano en forma de V.",
     {8, 13, 108, 14}},
    {"Option2", "QRadioButton", "Pieza 2, verde", "2, verde, Tetrónimo plano en forma de L."},
    {"Option3", "QRadioButton", "Pieza 3, cian", "3, celeste, Tetrónimo plano en forma de T."},
    {"Option4", "QRadioButton", "Pieza 4, rojo", "4, rojo, Tetrónimo plano en forma de Z."},
    {"Option5", "QRadioButton", "Pieza 5, lila",
     "5, lila, Tetrónimo tridimensional de forma helicoidal dextrógira."},
    {"Option6", "QRadioButton", "Pieza 6, amarillo",
     "6, amarillo, Tetrónimo tridimensional de forma helicoidal levógira."},
    {"Option7",
     "QRadioButton",
     "Pieza 7, gris",
     "7, gris      , Tetrónimo tridimensional de forma de trípode.",
     {8, 97, 108, 14}},
    {"Option8", "QRadioButton", "Ayuda: 0 piezas", "Opción para jugar sin ayuda."},
    {"Option9",
     "QRadioButton",
     "Ayuda: 1 pieza (> 10 sol)",
     "Opción para jugar con ayuda.",
     {649, 459, 183, 14}},
    {"Check1", "QCheckBox", "X", "Simetría eje  X.", {760, 294, 41, 14}},
    {"Check2", "QCheckBox", "Y", "Simetría eje  Y.", {760, 307, 41, 14}},
    {"Check3", "QCheckBox", "Z", "Simetría eje  Z."},
    {"Check4", "QCheckBox", "XY/", "Simetría diagonal sobre plano XY con sentido \"/\"."},
    {"Check5", "QCheckBox", "XY\\", "Simetría diagonal sobre plano XY con sentido \"\\\"."},
    {"Check6", "QCheckBox", "XZ/", "Simetría diagonal sobre plano XZ con sentido \"/\"."},
    {"Check7", "QCheckBox", "XZ\\", "Simetría diagonal sobre plano XZ con sentido \"\\\"."},
    {"Check8", "QCheckBox", "YZ/", "Simetría diagonal sobre plano YZ con sentido \"/\"."},
    {"Check9",
     "QCheckBox",
     "YZ\\",
     "Simetría diagonal sobre plano YZ con sentido \"\\\".",
     {760, 396, 41, 14}},
    {"Label1",
     "QLabel",
     "",
     "Aquí muestra el número de Caso (nombre del Caso).",
     {641, 271, 100, 15}},
    {"Label2", "QLabel", "",
     "Aquí muestra la cantidad de soluciones que tiene el caso que se esta observando."},
    {"Label3", "QLabel", "", ""},
    {"Label4", "QLabel", "", ""},
    {"Label5", "QLabel", "Sime", "", {760, 278, 56, 17}},
    {"Label6", "QLabel", "Size", "", {770, 116, 28, 14}},
    {"Label7", "QLabel", "", ""},
    {"Label8", "QLabel", "", ""},
    {"Label9", "QLabel", "", ""},
    {"Text1",
     "QLineEdit",
     "",
     "Aquí puede ingresar un número de caso usando los números 1,2,3,4,5,6,7,8,9,0 y el punto "
     "[.] cuando sea necesario.",
     {704, 299, 37, 15}},
    {"Text2", "QPlainTextEdit", nullptr, "", {0, 0, 485, 461}},
    {"Text3", "QLineEdit", "1", "", {838, 6, 30, 25}},
    {"Frame1", "QGroupBox", nullptr, "", {640, 324, 120, 117}},
    {"RichTextBox1", "QTextEdit", nullptr, "", {838, 112, 100, 25}},
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
    const bool inFrame = QByteArray(c.name).startsWith("Option") && c.name[6] <= '7' && !c.name[7];
    EXPECT_EQ(widget->parentWidget(),
              inFrame ? window.control(Control::Frame1) : static_cast<QWidget*>(&window.form()));
  }
  EXPECT_EQ(window.control(Control::Frame1)->property("title").toString(), "");
  EXPECT_EQ(window.text(Control::RichTextBox1), "RichTextBox1");
  // Text2 lies over Picture1: created later among the same siblings.
  const QObjectList& siblings = window.form().children();
  EXPECT_GT(siblings.indexOf(window.control(Control::Text2)),
            siblings.indexOf(window.control(Control::Picture1)));
}

TEST(WindowLayout, FontsResolveToTheLiberationFacesAt8Point25) {
  TestWindow window;
  using enum Control;
  const std::pair<const char*, std::vector<Control>> faces[] = {
      {"Liberation Mono", {Form1, Label1, Label6, Text1, Check4, Text3}},
      {"Liberation Sans", {Command1, Command14, Option8, Option9, Option1, Option7}}};
  for (const auto& [family, controls] : faces) {
    for (Control control : controls) {
      const QFont font = window.control(control)->font();
      SCOPED_TRACE(window.control(control)->objectName().toStdString());
      EXPECT_EQ(QFontInfo(font).family(), family);
      EXPECT_DOUBLE_EQ(font.pointSizeF(), 8.25);
      // Only the piece options are bold.
      EXPECT_EQ(QFontInfo(font).bold(), control == Option1 || control == Option7);
    }
  }
  // "Arial Alternative" is not installed: the help text falls back on the fixed-pitch face, at
  // 11.25 points or as much less as its 29 lines need to fit the box.
  const QFont help = window.control(Control::Text2)->font();
  EXPECT_LE(help.pointSizeF(), 11.25);
  EXPECT_GE(help.pointSizeF(), 9.0);
  EXPECT_EQ(QFontInfo(help).family(), "Liberation Mono");
  EXPECT_TRUE(QFontInfo(help).fixedPitch());
}

TEST(WindowLayout, StartSizeColoursAndStatesOfTheControls) {
  TestWindow window;
  EXPECT_TRUE(window.text(Control::Text1).empty());
  window.start();
  EXPECT_EQ(window.form().windowTitle(), "Vexolite");
  const std::pair<Control, QColor> colours[] = {
      {Control::Option1, QColor(0, 0, 255)},    {Control::Option2, QColor(0, 128, 0)},
      {Control::Option3, QColor(0, 255, 255)},  {Control::Option4, QColor(255, 0, 0)},
      {Control::Option5, QColor(255, 0, 255)},  {Control::Option6, QColor(255, 255, 0)},
      {Control::Option7, QColor(64, 64, 64)},   {Control::Label1, QColor(255, 255, 255)},
      {Control::Label2, QColor(255, 255, 255)}, {Control::Label4, QColor(255, 255, 255)},
  };
  for (const auto& [control, colour] : colours) {
    // The rightmost column of the control, past its caption: the painted background, kept
    // while the frame holding the piece options is disabled.
    const QImage image = window.control(control)->grab().toImage();
    EXPECT_EQ(image.pixelColor(image.width() - 1, image.height() / 2), colour)
        << window.control(control)->objectName().toStdString();
  }
  EXPECT_EQ(window.control(Control::Label6)->palette().color(QPalette::WindowText), Qt::black);
  EXPECT_EQ(window.control(Control::Picture1)->grab().toImage().pixelColor(320, 240), Qt::white);

  for (int n = 1; n <= 9; ++n) {
    EXPECT_EQ(window.form().isChecked(Option(n)), n == 8) << n;
    EXPECT_EQ(window.control(Option(n))->isEnabled(), n >= 8) << n;
  }
  EXPECT_FALSE(window.control(Control::Frame1)->isEnabled());
  EXPECT_TRUE(window.control(Control::Text2)->isHidden());
  EXPECT_TRUE(window.control(Control::Picture1)->isVisible());
  // The two groups are separate: the viewer can select a piece without clearing Option8.
  window.form().setChecked(Control::Option3, true);
  EXPECT_TRUE(window.form().isChecked(Control::Option3));
  EXPECT_TRUE(window.form().isChecked(Control::Option8));

  // The check boxes are indicators: a click on one, delivered as the window system delivers
  // it, leaves it as it was, and the keyboard never stops there.
  QWidget* check = window.control(Control::Check2);
  QTest::mouseClick(window.form().windowHandle(), Qt::LeftButton, {},
                    check->mapTo(&window.form(), QPoint(5, 7)));
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
  // A full round of Tab comes back to Text1, stopping only at buttons and options.
  int stops = 0;
  while (QApplication::focusWidget() != window.control(Control::Text1) && stops < 100) {
    ASSERT_NE(QApplication::focusWidget(), nullptr);
    const QString name = QApplication::focusWidget()->objectName();
    EXPECT_TRUE(name.startsWith("Command") || name.startsWith("Option")) << name.toStdString();
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
  EXPECT_EQ(window.text(Control::Text2), text);
  const auto* box = qobject_cast<QPlainTextEdit*>(window.control(Control::Text2));
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(box->toPlainText().toStdString(), shown);  // one per line, then the empty one

  // The help is read while a message box holds the window, when nothing can be scrolled.
  window.start();
  window.form().setVisible(Control::Text2, true);
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
  const Control outside[] = {Picture2, Picture3, Picture4,     Picture5, Text3,
                             Label3,   Label4,   RichTextBox1, Command14};
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
