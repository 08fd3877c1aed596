# The layer check on small trees: an allowed tree passes, and each forbidden include fails it with
# the file, the line and the reason.
#   cmake -DCHECK_SCRIPT=<check_layer_includes.cmake> -DWORK_DIR=<scratch folder> -P <this file>
# SPDX-License-Identifier: MIT
cmake_minimum_required(VERSION 3.25)

# A tree every layer of which includes only what it may.
function(write_allowed_tree root)
  file(REMOVE_RECURSE ${root})
  file(WRITE ${root}/src/case_library/record.h "#pragma once\n#include <string>\n")
  file(WRITE ${root}/src/raster/surface.h "#pragma once\n#include <vector>\n")
  file(WRITE ${root}/src/geometry/turns.h
       "#pragma once\n#include \"case_library/record.h\"\n")
  file(WRITE ${root}/src/drawing/figure.h
       "#pragma once\n#include \"geometry/turns.h\"\n#include \"raster/surface.h\"\n")
  file(WRITE ${root}/src/drawing/figure.cpp "#include \"figure.h\"\n#include <cmath>\n")
  file(WRITE ${root}/src/export/page.h
       "#pragma once\n#include \"case_library/record.h\"\n#include \"raster/surface.h\"\n")
  file(WRITE ${root}/src/viewer/viewer.h
       "#pragma once\n#include \"drawing/figure.h\"\n#include \"export/page.h\"\n")
  file(WRITE ${root}/src/layout/table.h "#pragma once\n#include \"viewer/viewer.h\"\n")
  file(WRITE ${root}/src/qt/window.cpp
       "#include <QWidget>\n#include \"layout/table.h\"\n#include \"viewer/viewer.h\"\n")
  file(WRITE ${root}/src/web/page.cpp
       "#include <emscripten/bind.h>\n#include \"layout/table.h\"\n#include \"viewer/viewer.h\"\n")
  file(WRITE ${root}/app/main.cpp "#include <QApplication>\n#include \"qt/window.h\"\n")
  file(WRITE ${root}/tools/catalog/solver.h "#pragma once\n#include \"case_library/record.h\"\n")
  file(WRITE ${root}/tools/icon/icon.cpp
       "#include <QImage>\n#include \"drawing/figure.h\"\n#include \"solver.h\"\n")
endfunction()

function(run_check root result_var output_var)
  execute_process(COMMAND ${CMAKE_COMMAND} -DSOURCE_DIR=${root} -P ${CHECK_SCRIPT}
                  RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE err)
  set(${result_var} ${result} PARENT_SCOPE)
  set(${output_var} "${out}${err}" PARENT_SCOPE)
endfunction()

set(allowed ${WORK_DIR}/allowed)
write_allowed_tree(${allowed})
run_check(${allowed} result output)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "the allowed tree was refused:\n${output}")
endif()

# Each case: the file to write (after a blank line, so the include is on line 2), the include,
# and a piece of the report that names the file, the line and the reason.
set(cases
    "src/drawing/figure.cpp|#include <QWidget>|src/drawing/figure.cpp:2: includes the Qt header <QWidget>"
    "src/raster/surface.h|#include \"viewer/viewer.h\"|src/raster/surface.h:2: the raster layer includes \"viewer/viewer.h\" from the viewer layer"
    "src/case_library/record.h|#include \"raster/surface.h\"|src/case_library/record.h:2: the case_library layer includes \"raster/surface.h\""
    "src/geometry/turns.h|#include \"drawing/figure.h\"|src/geometry/turns.h:2: the geometry layer includes \"drawing/figure.h\""
    "src/export/page.h|#include \"geometry/turns.h\"|src/export/page.h:2: the export layer includes \"geometry/turns.h\""
    "src/viewer/viewer.h|#include \"qt/window.h\"|src/viewer/viewer.h:2: the viewer layer includes \"qt/window.h\" from the qt layer"
    "src/viewer/viewer.h|#include <QString>|src/viewer/viewer.h:2: includes the Qt header <QString>"
    "src/viewer/viewer.h|#include \"layout/table.h\"|src/viewer/viewer.h:2: the viewer layer includes \"layout/table.h\" from the layout layer"
    "src/layout/table.h|#include <QFont>|src/layout/table.h:2: includes the Qt header <QFont>"
    "src/layout/table.h|#include \"qt/window.h\"|src/layout/table.h:2: the layout layer includes \"qt/window.h\" from the qt layer"
    "src/web/page.cpp|#include <QImage>|src/web/page.cpp:2: includes the Qt header <QImage>"
    "src/web/page.cpp|#include \"qt/window.h\"|src/web/page.cpp:2: the web layer includes \"qt/window.h\" from the qt layer"
    "src/qt/window.cpp|#include \"web/page.h\"|src/qt/window.cpp:2: the qt layer includes \"web/page.h\" from the web layer"
    "src/viewer/viewer.h|#include <emscripten.h>|src/viewer/viewer.h:2: includes the emscripten header <emscripten.h>, which only the web layer may"
    "tools/catalog/solver.h|#include \"viewer/viewer.h\"|tools/catalog/solver.h:2: the catalog layer includes \"viewer/viewer.h\""
    "src/raster/surface.h|#include <gtest/gtest.h>|src/raster/surface.h:2: includes <gtest/gtest.h>, which is not part of the standard library"
    "src/drawing/figure.cpp|#include \"platform/surface.h\"|src/drawing/figure.cpp:2: includes \"platform/surface.h\", which is in no layer's folder"
    "src/platform/surface.cpp|#include <vector>|src/platform/surface.cpp:1: lies in no layer's folder"
    "src/export/page.h|#include \"solver.h\"|src/export/page.h:2: includes \"solver.h\", found neither beside it")

set(broken ${WORK_DIR}/broken)
foreach(case IN LISTS cases)
  string(REPLACE "|" ";" parts "${case}")
  list(GET parts 0 file)
  list(GET parts 1 include)
  list(GET parts 2 expected)
  write_allowed_tree(${broken})
  if(file MATCHES "platform")
    file(WRITE ${broken}/${file} "${include}\n")
  else()
    file(WRITE ${broken}/${file} "\n${include}\n")
  endif()
  run_check(${broken} result output)
  if(result EQUAL 0)
    message(FATAL_ERROR "${file} with ${include} passed the check")
  endif()
  string(REPLACE "\n" " " flat "${output}")
  string(REGEX REPLACE "  +" " " flat "${flat}")
  string(FIND "${flat}" "${expected}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "${file} with ${include}: the report lacks\n  ${expected}\nit says:\n${output}")
  endif()
endforeach()
