# Fails, naming the file and line, when a source file includes a layer its own layer may not, a
# header from outside the standard library where only the standard library (and, for the book
# tool, cairo) is allowed, a Qt header outside the Qt layer, the program, the icon renderer and
# the book tool, or an emscripten header outside the web layer. The layers and what each may
# include are the table in ARCHITECTURE.md.
# SPDX-License-Identifier: MIT
#   cmake -DSOURCE_DIR=<tree with src/, app/, tools/> [-DSTAMP=<file>] -P check_layer_includes.cmake
# The build runs it before compiling any layer (STAMP marks a clean pass); ctest runs it as
# layer_includes.
cmake_minimum_required(VERSION 3.25)

if(NOT SOURCE_DIR)
  message(FATAL_ERROR "check_layer_includes: pass -DSOURCE_DIR=<source tree>")
endif()

# Folder of each layer, relative to SOURCE_DIR.
set(folder_case_library src/case_library)
set(folder_raster src/raster)
set(folder_geometry src/geometry)
set(folder_drawing src/drawing)
set(folder_export src/export)
set(folder_viewer src/viewer)
set(folder_layout src/layout)
set(folder_qt src/qt)
set(folder_web src/web)
set(folder_app app)
set(folder_catalog tools/catalog)
set(folder_icon tools/icon)
set(folder_book tools/book)
set(layers case_library raster geometry drawing export viewer layout qt web app catalog icon book)

# The layers each may include as "layer/file.h", besides its own.
set(core case_library raster geometry drawing export viewer)
set(may_include_case_library)
set(may_include_raster)
set(may_include_geometry case_library)
set(may_include_drawing case_library raster geometry)
set(may_include_export case_library raster)
set(may_include_viewer case_library raster geometry drawing export)
set(may_include_layout case_library raster viewer)
set(may_include_qt ${core} layout)
set(may_include_web ${core} layout)
set(may_include_app ${core} layout qt)
set(may_include_catalog case_library)
set(may_include_icon case_library raster geometry drawing)
set(may_include_book case_library raster geometry drawing export qt)
# Layers whose files are included by bare name ("file.h") through their target's include folder.
set(bare_names_icon catalog)
set(bare_names_book catalog)
# Layers that may include Qt's headers.
set(qt_layers qt app icon book)
# Headers of other libraries a layer may use besides the standard library and Qt.
set(library_headers_book cairo.h cairo-pdf.h)
# Layers that may include emscripten's headers (<emscripten.h>, <emscripten/...>).
set(emscripten_layers web)

# The standard library headers the project may use; any other <header> in a layer without Qt is
# a dependency the table does not allow.
set(standard_headers
    algorithm any array atomic barrier bit bitset cassert cctype cerrno cfenv cfloat charconv
    chrono cinttypes climits clocale cmath codecvt compare complex concepts condition_variable
    coroutine csetjmp csignal cstdarg cstddef cstdint cstdio cstdlib cstring ctime cuchar cwchar
    cwctype deque exception execution expected filesystem format forward_list fstream functional
    future initializer_list iomanip ios iosfwd iostream istream iterator latch limits list locale
    map memory memory_resource mutex new numbers numeric optional ostream queue random ranges ratio
    regex scoped_allocator semaphore set shared_mutex source_location span sstream stack
    stdexcept stop_token streambuf string string_view syncstream system_error thread tuple
    type_traits typeindex typeinfo unordered_map unordered_set utility valarray variant vector
    version)

set(faults "")
function(fault file line text)
  set(faults "${faults}${file}:${line}: ${text}\n" PARENT_SCOPE)
endfunction()

file(GLOB_RECURSE sources RELATIVE ${SOURCE_DIR}
     ${SOURCE_DIR}/src/*.h ${SOURCE_DIR}/src/*.hpp ${SOURCE_DIR}/src/*.cpp ${SOURCE_DIR}/src/*.cc
     ${SOURCE_DIR}/app/*.h ${SOURCE_DIR}/app/*.hpp ${SOURCE_DIR}/app/*.cpp ${SOURCE_DIR}/app/*.cc
     ${SOURCE_DIR}/tools/*.h ${SOURCE_DIR}/tools/*.hpp ${SOURCE_DIR}/tools/*.cpp
     ${SOURCE_DIR}/tools/*.cc)
list(SORT sources)
if(NOT sources)
  message(FATAL_ERROR "check_layer_includes: no sources under ${SOURCE_DIR}")
endif()

foreach(source ${sources})
  set(layer "")
  foreach(candidate ${layers})
    string(FIND "${source}" "${folder_${candidate}}/" at)
    if(at EQUAL 0)
      set(layer ${candidate})
    endif()
  endforeach()
  if(NOT layer)
    fault(${source} 1 "lies in no layer's folder")
    continue()
  endif()
  get_filename_component(own_folder ${source} DIRECTORY)

  file(READ ${SOURCE_DIR}/${source} text)
  # One list item a line: semicolons and brackets would split or join items.
  string(REPLACE ";" "," text "${text}")
  string(REPLACE "[" "(" text "${text}")
  string(REPLACE "]" ")" text "${text}")
  string(REPLACE "\n" ";" lines "${text}")
  set(line_number 0)
  foreach(line IN LISTS lines)
    math(EXPR line_number "${line_number} + 1")
    if(NOT line MATCHES "^[ \t]*#[ \t]*include[ \t]*([<\"])([^>\"]*)[>\"]")
      continue()
    endif()
    set(opening "${CMAKE_MATCH_1}")
    set(header "${CMAKE_MATCH_2}")
    if(opening STREQUAL "<")
      if(header MATCHES "^Q")
        if(NOT layer IN_LIST qt_layers)
          fault(${source} ${line_number}
                "includes the Qt header <${header}>, which only the Qt layer, app, tools/icon "
                "and tools/book may")
        endif()
      elseif(header MATCHES "^emscripten[./]")
        if(NOT layer IN_LIST emscripten_layers)
          fault(${source} ${line_number}
                "includes the emscripten header <${header}>, which only the web layer may")
        endif()
      elseif(NOT header IN_LIST standard_headers AND NOT header IN_LIST library_headers_${layer})
        fault(${source} ${line_number}
              "includes <${header}>, which is not part of the standard library")
      endif()
      continue()
    endif()
    if(header MATCHES "^([^/]+)/")
      set(included_folder "${CMAKE_MATCH_1}")
      set(included_layer "")
      foreach(candidate ${layers})
        if(folder_${candidate} STREQUAL "src/${included_folder}")
          set(included_layer ${candidate})
        endif()
      endforeach()
      if(NOT included_layer)
        fault(${source} ${line_number} "includes \"${header}\", which is in no layer's folder")
      elseif(NOT included_layer STREQUAL layer AND NOT included_layer IN_LIST
                                                    may_include_${layer})
        fault(${source} ${line_number}
              "the ${layer} layer includes \"${header}\" from the ${included_layer} layer")
      endif()
      continue()
    endif()
    # A bare name: the file's own folder, or a layer whose include folder the target uses.
    if(EXISTS ${SOURCE_DIR}/${own_folder}/${header})
      continue()
    endif()
    set(found FALSE)
    foreach(candidate ${bare_names_${layer}})
      if(EXISTS ${SOURCE_DIR}/${folder_${candidate}}/${header})
        set(found TRUE)
      endif()
    endforeach()
    if(NOT found)
      fault(${source} ${line_number}
            "includes \"${header}\", found neither beside it nor in a layer it may include")
    endif()
  endforeach()
endforeach()

if(faults)
  message(NOTICE "${faults}")
  message(FATAL_ERROR "includes that the table of layers in ARCHITECTURE.md does not allow")
endif()
if(STAMP)
  file(TOUCH ${STAMP})
endif()
