// The book's own words, marked for translation; each page speaks the chosen language.
// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <string_view>

#include "case_library/translatable.h"

namespace vexolite::book {

inline constexpr std::string_view kProgramName = "Vexolite";
inline constexpr std::string_view kBookTitle =
    QT_TRANSLATE_NOOP("vexolite", "Vexolite: catalogo de figuras");
inline constexpr std::string_view kSubtitle =
    QT_TRANSLATE_NOOP("vexolite", "Catalogo de figuras del cubo de siete piezas");
inline constexpr std::string_view kOneCase = QT_TRANSLATE_NOOP("vexolite", "1 caso");
inline constexpr std::string_view kCaseCount = QT_TRANSLATE_NOOP("vexolite", "%1 casos");
inline constexpr std::string_view kHowToPlay =
    QT_TRANSLATE_NOOP("vexolite", "Cada figura se arma con las siete piezas.");
inline constexpr std::string_view kSolutionsAtTheBack =
    QT_TRANSLATE_NOOP("vexolite", "Al final del libro hay una solucion de cada figura.");
inline constexpr std::string_view kPiecesHeading =
    QT_TRANSLATE_NOOP("vexolite", "Las siete piezas");
inline constexpr std::string_view kTitlePage = QT_TRANSLATE_NOOP("vexolite", "Portada");
inline constexpr std::string_view kFigures = QT_TRANSLATE_NOOP("vexolite", "Figuras");
inline constexpr std::string_view kSolutions = QT_TRANSLATE_NOOP("vexolite", "Soluciones");
inline constexpr std::string_view kOneCaseRange = QT_TRANSLATE_NOOP("vexolite", "Caso %1");
inline constexpr std::string_view kCaseRange = QT_TRANSLATE_NOOP("vexolite", "Casos %1 a %2");
inline constexpr std::string_view kPageOf = QT_TRANSLATE_NOOP("vexolite", "Pagina %1 de %2");

// The pieces' names as the piece options show them, and their shapes as the help describes
// them, pieces 1 to 7.
inline constexpr std::array<std::string_view, 7> kPieceNames{
    QT_TRANSLATE_NOOP("vexolite", "Pieza 1, azul"),
    QT_TRANSLATE_NOOP("vexolite", "Pieza 2, verde"),
    QT_TRANSLATE_NOOP("vexolite", "Pieza 3, cian"),
    QT_TRANSLATE_NOOP("vexolite", "Pieza 4, rojo"),
    QT_TRANSLATE_NOOP("vexolite", "Pieza 5, lila"),
    QT_TRANSLATE_NOOP("vexolite", "Pieza 6, amarillo"),
    QT_TRANSLATE_NOOP("vexolite", "Pieza 7, gris")};
inline constexpr std::array<std::string_view, 7> kPieceShapes{
    QT_TRANSLATE_NOOP("vexolite", "Trinomio plano en forma de V."),
    QT_TRANSLATE_NOOP("vexolite", "Tetronimo plano en forma de L."),
    QT_TRANSLATE_NOOP("vexolite", "Tetronimo plano en forma de T."),
    QT_TRANSLATE_NOOP("vexolite", "Tetronimo plano en forma de Z."),
    QT_TRANSLATE_NOOP("vexolite", "Tetronimo tridimensional de forma helicoidal dextrogira."),
    QT_TRANSLATE_NOOP("vexolite", "Tetronimo tridimensional de forma helicoidal levogira."),
    QT_TRANSLATE_NOOP("vexolite", "Tetronimo tridimensional de forma de tripode.")};

}  // namespace vexolite::book
