// The texts only the web page shows, marked for the translation file like every other text.
// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <string_view>

#include "case_library/translatable.h"

namespace vexolite {

struct PageText {
  std::string_view key;   // how the page's script names it
  std::string_view text;  // Spanish, the source language
};

inline constexpr std::array kPageTexts{
    PageText{"ok", QT_TRANSLATE_NOOP("vexolite", "Aceptar")},
    PageText{"ended", QT_TRANSLATE_NOOP("vexolite",
                                        "La sesion ha terminado. Pulsar el boton para empezar "
                                        "de nuevo.")},
    PageText{"restart", QT_TRANSLATE_NOOP("vexolite", "Empezar de nuevo")},
    PageText{"openFile", QT_TRANSLATE_NOOP("vexolite", "Abrir archivo")},
    PageText{
        "openFileTip",
        QT_TRANSLATE_NOOP("vexolite",
                          "Abre un archivo de casos (VEXOLITE.DAT) o anade imagenes caso*.BMP "
                          "a la carpeta de trabajo; tambien se pueden soltar sobre la pagina")},
    PageText{"viewerLabel",
             QT_TRANSLATE_NOOP("vexolite", "Caso %1, %2 soluciones, tamano %3 x %4 x %5")},
    PageText{"viewerEmpty", QT_TRANSLATE_NOOP("vexolite", "Ningun caso dibujado")},
    PageText{"notFileName", QT_TRANSLATE_NOOP("vexolite", "no es un nombre de archivo")},
    PageText{"tooLarge",
             QT_TRANSLATE_NOOP("vexolite", "mide %1 bytes, mas de lo que la pagina puede tomar")},
};

// The Spanish text of key; "" for a key not in the table.
constexpr std::string_view pageText(std::string_view key) {
  for (const PageText& entry : kPageTexts) {
    if (entry.key == key) return entry.text;
  }
  return {};
}

}  // namespace vexolite
