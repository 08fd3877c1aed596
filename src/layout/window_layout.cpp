// The window's layout table and the help text, read by every front end to build its controls.
// SPDX-License-Identifier: MIT
#include "layout/window_layout.h"

#include "case_library/translatable.h"
#include "viewer/surface_sizes.h"

namespace vexolite {
namespace {

using enum Control;

constexpr FontSpec kCourier{"Courier New", 8.25, false, {}};
constexpr FontSpec kArial{"Arial", 8.25, false, {}};
constexpr FontSpec kArialBold{"Arial", 8.25, true, {}};
// The help text is laid out in fixed-pitch columns; where "Arial Alternative" is not installed,
// "Courier New" keeps the columns aligned.
constexpr FontSpec kHelpFont{"Arial Alternative", 11.25, false, "Courier New"};

constexpr ControlLayout place(Control id, std::string_view name, ControlKind kind, int left,
                              int top, int width, int height, FontSpec font = kCourier) {
  return ControlLayout{.id = id,
                       .name = name,
                       .kind = kind,
                       .parent = MainWindow,
                       .left = left,
                       .top = top,
                       .width = width,
                       .height = height,
                       .text = {},
                       .toolTip = {},
                       .font = font,
                       .background = std::nullopt,
                       .foreground = std::nullopt,
                       .visibleAtStart = true,
                       .enabledAtStart = true,
                       .checkedAtStart = false,
                       .tabIndex = -1};
}

constexpr ControlLayout picture(Control id, std::string_view name, int left, int top, int width,
                                int height) {
  return place(id, name, ControlKind::PictureBox, left, top, width, height);
}

constexpr ControlLayout button(Control id, std::string_view name, int left, int top, int width,
                               int height, std::string_view caption, std::string_view toolTip,
                               int tabIndex) {
  ControlLayout c = place(id, name, ControlKind::Button, left, top, width, height, kArial);
  c.text = caption;
  c.toolTip = toolTip;
  c.tabIndex = tabIndex;
  return c;
}

constexpr ControlLayout label(Control id, std::string_view name, int left, int top, int width,
                              int height, std::string_view caption = {},
                              std::string_view toolTip = {},
                              std::optional<Rgb> background = std::nullopt,
                              std::optional<Rgb> foreground = std::nullopt) {
  ControlLayout c = place(id, name, ControlKind::Label, left, top, width, height);
  c.text = caption;
  c.toolTip = toolTip;
  c.background = background;
  c.foreground = foreground;
  return c;
}

// The symmetry indicators stand in one column under "Sime".
constexpr ControlLayout check(Control id, std::string_view name, int top, std::string_view caption,
                              std::string_view toolTip) {
  ControlLayout c = place(id, name, ControlKind::CheckBox, 11400, top, 615, 210);
  c.text = caption;
  c.toolTip = toolTip;
  return c;
}

// The piece options, in frame coordinates, each with its piece's colour as background.
constexpr ControlLayout piece(Control id, std::string_view name, int top, std::string_view caption,
                              Rgb background, std::string_view toolTip, int tabIndex) {
  ControlLayout c = place(id, name, ControlKind::OptionButton, 120, top, 1620, 210, kArialBold);
  c.parent = PiecePanel;
  c.text = caption;
  c.toolTip = toolTip;
  c.background = background;
  c.tabIndex = tabIndex;
  return c;
}

constexpr ControlLayout helpOption(Control id, std::string_view name, int top, int width,
                                   std::string_view caption, std::string_view toolTip, bool checked,
                                   int tabIndex) {
  ControlLayout c = place(id, name, ControlKind::OptionButton, 9735, top, width, 210, kArial);
  c.text = caption;
  c.toolTip = toolTip;
  c.checkedAtStart = checked;
  c.tabIndex = tabIndex;
  return c;
}

constexpr ControlLayout textBox(Control id, std::string_view name, ControlKind kind, int left,
                                int top, int width, int height, std::string_view text,
                                std::string_view toolTip, int tabIndex) {
  ControlLayout c = place(id, name, kind, left, top, width, height);
  c.text = text;
  c.toolTip = toolTip;
  c.tabIndex = tabIndex;
  return c;
}

constexpr ControlLayout window() {
  ControlLayout c = place(MainWindow, "MainWindow", ControlKind::Window, 0, 0, kClientWidthTwips,
                          kClientHeightTwips);
  c.text = kWindowCaption;
  return c;
}

// Twenty-nine lines, laid out for a fixed-pitch reading in columns; trailing blanks count.
constexpr std::string_view kHelpText =
    QT_TRANSLATE_NOOP("vexolite",
                      "[  F1 ] esta Ayuda\r\n"
                      "[  ^  ] lateral derecho   hacia arriba\r\n"
                      "[  ↓  ] lateral derecho   hacia abajo\r\n"
                      "[  ←  ] lateral derecho   hacia izquierda\r\n"
                      "[  →  ] lateral izquierdo hacia derecha\r\n"
                      "[Pg Up] anterior  CASO  (x SOLUCIONES)\r\n"
                      "[Pg Dn] siguiente CASO  (x SOLUCIONES)\r\n"
                      "[Home ] anterior  CASO  (x ORDEN)\r\n"
                      "[ End ] siguiente CASO  (x ORDEN)\r\n"
                      "[0 a 9] ingresar  CASO  (del 0 al 9 y .)\r\n"
                      "[  -  ] alejar    imagen\r\n"
                      "[  +  ] acercar   imagen\r\n"
                      "[ Esc ] salir\r\n"
                      "El caso 705 muestra la forma y el color\r\n"
                      "de las 7 piezas del VEXO.\r\n"
                      "Con Click sobre el esquema que se muestra\r\n"
                      "abajo a la derecha, puede quitar o volver\r\n"
                      "a mostrar cualquiera de los 27 cubitos\r\n"
                      "de que se compone cada caso.\r\n"
                      "1, azul,     Trinomio  plano en forma de V.\r\n"
                      "2, verde,    Tetronimo plano en forma de L.\r\n"
                      "3, cian,     Tetronimo plano en forma de T.\r\n"
                      "4, rojo,     Tetronimo plano en forma de Z.\r\n"
                      "5, lila,     Tetronimo tridimensional de \r\n"
                      "             forma helicoidal dextrogira.\r\n"
                      "6, amarillo, Tetronimo tridimensional de \r\n"
                      "             forma helicoidal levogira.\r\n"
                      "7, gris,     Tetronimo tridimensional de \r\n"
                      "             forma de tripode.\r\n");

constexpr ControlLayout helpBox() {
  ControlLayout c =
      place(HelpBox, "HelpBox", ControlKind::MultiLineTextBox, 0, 0, 7275, 6915, kHelpFont);
  c.text = kHelpText;
  c.visibleAtStart = false;  // shown over FigureView only while the help box is open
  return c;
}

constexpr ControlLayout frame() {
  ControlLayout c = place(PiecePanel, "PiecePanel", ControlKind::Frame, 9601, 4860, 1800, 1755);
  c.enabledAtStart = false;  // the piece options wait for "Ayuda: 1 pieza"
  return c;
}

constexpr std::array<ControlLayout, kControlCount> kLayout{{
    window(),
    picture(FigureView, "FigureView", 0, 0, 9600, 7200),
    picture(TextSurface, "TextSurface", 0, 7201, 9600, 7200),
    picture(CaseImage, "CaseImage", 14340, 15, 2145, 1725),
    picture(PlanSurface, "PlanSurface", 14340, 1845, 2145, 1725),
    picture(PageSurface, "PageSurface", 12570, 4050, 19305, 10350),

    button(DrawButton, "DrawButton", 11221, 3646, 810, 405,
           QT_TRANSLATE_NOOP("vexolite", "Dibujar"),
           QT_TRANSLATE_NOOP(
               "vexolite",
               "Pulsando la tecla [ Enter ] o haciendo click aquí, dará comienzo al sistema o "
               "dibujará un caso."),
           14),
    button(HelpButton, "HelpButton", 9601, 3646, 810, 405, QT_TRANSLATE_NOOP("vexolite", "Ayuda"),
           QT_TRANSLATE_NOOP(
               "vexolite",
               "Pulsando la tecla [ F1 ] o haciendo click aquí, recibira ayuda sobre el uso de las "
               "teclas en este sistema."),
           12),
    button(TurnUpButton, "TurnUpButton", 10411, 1, 810, 810,
           QT_TRANSLATE_NOOP("vexolite", "Arriba"),
           QT_TRANSLATE_NOOP(
               "vexolite",
               "Pulsando la tecla [ flecha arriba ] o haciendo click aqui, la cara lateral derecha "
               "del [cubo] pasará a ocupar la cara superior del mismo."),
           1),
    button(TurnDownButton, "TurnDownButton", 10410, 1621, 810, 810,
           QT_TRANSLATE_NOOP("vexolite", "Abajo"), {}, 4),
    button(TurnLeftButton, "TurnLeftButton", 9601, 811, 810, 810,
           QT_TRANSLATE_NOOP("vexolite", "Izquierda"),
           QT_TRANSLATE_NOOP(
               "vexolite",
               "Pulsando la tecla [ flecha izquierda ] o haciendo click aquí, la cara lateral "
               "derecha del [cubo] pasará a ocupar la cara lateral izquierda del mismo."),
           2),
    button(TurnRightButton, "TurnRightButton", 11221, 811, 810, 810,
           QT_TRANSLATE_NOOP("vexolite", "Derecha"),
           QT_TRANSLATE_NOOP(
               "vexolite",
               "Pulsando la tecla [ flecha derecha ] o haciendo click aquí, la cara lateral "
               "izquierda del [cubo] pasará a ocupar la cara lateral derecha del mismo."),
           3),
    button(PreviousByNumberButton, "PreviousByNumberButton", 9601, 2836, 810, 405,
           QT_TRANSLATE_NOOP("vexolite", "Ant x Num"),
           QT_TRANSLATE_NOOP(
               "vexolite",
               "Pulsando la tecla [ Home ] o haciendo click aquí, pasará al anterior problema por "
               "número de orden."),
           6),
    button(NextByNumberButton, "NextByNumberButton", 9601, 3241, 810, 405,
           QT_TRANSLATE_NOOP("vexolite", "Sig x Num"),
           QT_TRANSLATE_NOOP(
               "vexolite",
               "Pulsando la tecla [ End ] o haciendo click aquí, pasará al siguiente problema por "
               "número de orden."),
           9),
    button(
        PreviousBySolutionsButton, "PreviousBySolutionsButton", 10411, 2836, 810, 405,
        QT_TRANSLATE_NOOP("vexolite", "Ant x Sol"),
        QT_TRANSLATE_NOOP(
            "vexolite",
            "Pulsando  la tecla [ Pg Up ] o haciendo click aquí, pasará al anterior problema con "
            "igual o menor número de soluciones."),
        7),
    button(
        NextBySolutionsButton, "NextBySolutionsButton", 10411, 3241, 810, 405,
        QT_TRANSLATE_NOOP("vexolite", "Sig x Sol"),
        QT_TRANSLATE_NOOP(
            "vexolite",
            "Pulsando la tecla [ Pg Dn ] o haciendo click aquí, pasará al siguiente problema con "
            "igual o mayor número de soluciones."),
        10),
    button(ZoomOutButton, "ZoomOutButton", 11221, 2836, 810, 405,
           QT_TRANSLATE_NOOP("vexolite", "Alejar"),
           QT_TRANSLATE_NOOP(
               "vexolite", "Pulsando la tecla [ - ] o haciendo click aquí, la imagen se alejará."),
           8),
    button(ZoomInButton, "ZoomInButton", 11221, 3241, 810, 405,
           QT_TRANSLATE_NOOP("vexolite", "Acercar"),
           QT_TRANSLATE_NOOP(
               "vexolite", "Pulsando la tecla [ + ] o haciendo click aqui, la imagen se acercará."),
           11),
    button(
        ExportCaseButton, "ExportCaseButton", 10411, 3646, 810, 405, "BMP",
        QT_TRANSLATE_NOOP(
            "vexolite",
            "Genera BMP del caso que se está mostrando (alejar ANTES la imagen lo más posible)."),
        13),
    button(ExportAllButton, "ExportAllButton", 12690, 2820, 465, 465,
           QT_TRANSLATE_NOOP("vexolite", "all BMP"),
           QT_TRANSLATE_NOOP("vexolite", "Para generar  BMP  de todos los casos existentes."), 24),
    button(
        ComposePagesButton, "ComposePagesButton", 9601, 1966, 465, 465,
        QT_TRANSLATE_NOOP("vexolite", "pag BMP"),
        QT_TRANSLATE_NOOP(
            "vexolite",
            "Para compaginar los BMP anteriomente seleccionados, en un nuevo BMP que los agrupe."),
        5),

    piece(PieceV, "PieceV", 195, QT_TRANSLATE_NOOP("vexolite", "Pieza 1, azul"), {0, 0, 255},
          QT_TRANSLATE_NOOP("vexolite", "1, azul, Triónimo  plano en forma de V."), 17),
    piece(PieceL, "PieceL", 405, QT_TRANSLATE_NOOP("vexolite", "Pieza 2, verde"), {0, 128, 0},
          QT_TRANSLATE_NOOP("vexolite", "2, verde, Tetrónimo plano en forma de L."), 18),
    piece(PieceT, "PieceT", 615, QT_TRANSLATE_NOOP("vexolite", "Pieza 3, cian"), {0, 255, 255},
          QT_TRANSLATE_NOOP("vexolite", "3, celeste, Tetrónimo plano en forma de T."), 19),
    piece(PieceZ, "PieceZ", 825, QT_TRANSLATE_NOOP("vexolite", "Pieza 4, rojo"), {255, 0, 0},
          QT_TRANSLATE_NOOP("vexolite", "4, rojo, Tetrónimo plano en forma de Z."), 20),
    piece(PieceRightScrew, "PieceRightScrew", 1035, QT_TRANSLATE_NOOP("vexolite", "Pieza 5, lila"),
          {255, 0, 255},
          QT_TRANSLATE_NOOP("vexolite",
                            "5, lila, Tetrónimo tridimensional de forma helicoidal dextrógira."),
          21),
    piece(PieceLeftScrew, "PieceLeftScrew", 1245,
          QT_TRANSLATE_NOOP("vexolite", "Pieza 6, amarillo"), {255, 255, 0},
          QT_TRANSLATE_NOOP("vexolite",
                            "6, amarillo, Tetrónimo tridimensional de forma helicoidal levógira."),
          22),
    piece(PieceTripod, "PieceTripod", 1455, QT_TRANSLATE_NOOP("vexolite", "Pieza 7, gris"),
          {64, 64, 64},
          QT_TRANSLATE_NOOP("vexolite",
                            "7, gris      , Tetrónimo tridimensional de forma de trípode."),
          23),
    helpOption(NoHelpOption, "NoHelpOption", 6660, 1515,
               QT_TRANSLATE_NOOP("vexolite", "Ayuda: 0 piezas"),
               QT_TRANSLATE_NOOP("vexolite", "Opción para jugar sin ayuda."), true, 15),
    helpOption(OnePieceHelpOption, "OnePieceHelpOption", 6885, 2745,
               QT_TRANSLATE_NOOP("vexolite", "Ayuda: 1 pieza (> 10 sol)"),
               QT_TRANSLATE_NOOP("vexolite", "Opción para jugar con ayuda."), false, 16),

    check(MirrorX, "MirrorX", 4407, "X", QT_TRANSLATE_NOOP("vexolite", "Simetría eje  X.")),
    check(MirrorY, "MirrorY", 4599, "Y", QT_TRANSLATE_NOOP("vexolite", "Simetría eje  Y.")),
    check(MirrorZ, "MirrorZ", 4791, "Z", QT_TRANSLATE_NOOP("vexolite", "Simetría eje  Z.")),
    check(MirrorXYSlash, "MirrorXYSlash", 4983, "XY/",
          QT_TRANSLATE_NOOP("vexolite", "Simetría diagonal sobre plano XY con sentido \"/\".")),
    check(MirrorXYBackslash, "MirrorXYBackslash", 5175, "XY\\",
          QT_TRANSLATE_NOOP("vexolite", "Simetría diagonal sobre plano XY con sentido \"\\\".")),
    check(MirrorXZSlash, "MirrorXZSlash", 5367, "XZ/",
          QT_TRANSLATE_NOOP("vexolite", "Simetría diagonal sobre plano XZ con sentido \"/\".")),
    check(MirrorXZBackslash, "MirrorXZBackslash", 5559, "XZ\\",
          QT_TRANSLATE_NOOP("vexolite", "Simetría diagonal sobre plano XZ con sentido \"\\\".")),
    check(MirrorYZSlash, "MirrorYZSlash", 5751, "YZ/",
          QT_TRANSLATE_NOOP("vexolite", "Simetría diagonal sobre plano YZ con sentido \"/\".")),
    check(MirrorYZBackslash, "MirrorYZBackslash", 5940, "YZ\\",
          QT_TRANSLATE_NOOP("vexolite", "Simetría diagonal sobre plano YZ con sentido \"\\\".")),

    label(CaseLabel, "CaseLabel", 9615, 4065, 1500, 225, {},
          QT_TRANSLATE_NOOP("vexolite", "Aquí muestra el número de Caso (nombre del Caso)."),
          kWhite),
    label(SolutionsLabel, "SolutionsLabel", 9615, 4275, 1500, 225, {},
          QT_TRANSLATE_NOOP(
              "vexolite",
              "Aquí muestra la cantidad de soluciones que tiene el caso que se esta observando."),
          kWhite),
    label(CaseNumberLabel, "CaseNumberLabel", 12570, 2460, 1500, 225),
    label(SolutionCountLabel, "SolutionCountLabel", 12570, 2130, 1500, 225, {}, {}, kWhite),
    label(SymmetryHeading, "SymmetryHeading", 11400, 4170, 840, 255,
          QT_TRANSLATE_NOOP("vexolite", "Sime")),
    label(SizeHeading, "SizeHeading", 11551, 1740, 420, 210, "Size", {}, std::nullopt, kBlack),
    label(SizeX, "SizeX", 11551, 1950, 420, 210),
    label(SizeY, "SizeY", 11551, 2160, 420, 210),
    label(SizeZ, "SizeZ", 11551, 2370, 420, 210),

    textBox(CaseNumberBox, "CaseNumberBox", ControlKind::TextBox, 10560, 4485, 555, 225, {},
            QT_TRANSLATE_NOOP(
                "vexolite",
                "Aquí puede ingresar un número de caso usando los números 1,2,3,4,5,6,7,8,9,0 y el "
                "punto [.] cuando sea necesario."),
            0),
    helpBox(),
    textBox(ZoomBox, "ZoomBox", ControlKind::TextBox, 12570, 90, 450, 375, "1", {}, -1),
    frame(),
    textBox(CaptionBox, "CaptionBox", ControlKind::RichTextBox, 12570, 1680, 1500, 375,
            "RichTextBox1", {}, -1),
}};

consteval bool indexedByControl() {
  for (int n = 0; n < kControlCount; ++n) {
    if (static_cast<int>(kLayout[static_cast<std::size_t>(n)].id) != n) return false;
  }
  return true;
}
static_assert(indexedByControl(), "the layout table must follow the order of Control");

// The viewer makes its surfaces at its own sizes; every picture box must show one pixel for pixel.
consteval bool picturesMatchTheViewersSurfaces() {
  for (const ControlLayout& c : kLayout) {
    if (c.kind != ControlKind::PictureBox) continue;
    const SurfaceSize size = surfaceSizeOf(c.id);
    if (pixelsFromTwips(c.width) != size.width || pixelsFromTwips(c.height) != size.height) {
      return false;
    }
  }
  return true;
}
static_assert(picturesMatchTheViewersSurfaces(),
              "a picture box's size in twips must give the viewer's surface size in pixels");

}  // namespace

const std::array<ControlLayout, kControlCount>& windowLayout() {
  return kLayout;
}

const ControlLayout& layoutOf(Control control) {
  return kLayout[static_cast<std::size_t>(control)];
}

std::string_view helpText() {
  return kHelpText;
}

}  // namespace vexolite
