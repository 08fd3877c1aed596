# vexolite_layer(target): a core or Qt layer's library. Its files include each other relative to
# src/; before any layer compiles, the build checks every include in src/, app/ and tools/
# against the table of layers (check_layer_includes.cmake), so a forbidden one fails the build.
# SPDX-License-Identifier: MIT
include_guard(GLOBAL)

file(GLOB_RECURSE layer_checked_sources CONFIGURE_DEPENDS
     ${PROJECT_SOURCE_DIR}/src/*.h ${PROJECT_SOURCE_DIR}/src/*.hpp ${PROJECT_SOURCE_DIR}/src/*.cpp
     ${PROJECT_SOURCE_DIR}/src/*.cc ${PROJECT_SOURCE_DIR}/app/*.h ${PROJECT_SOURCE_DIR}/app/*.hpp
     ${PROJECT_SOURCE_DIR}/app/*.cpp ${PROJECT_SOURCE_DIR}/app/*.cc
     ${PROJECT_SOURCE_DIR}/tools/*.h ${PROJECT_SOURCE_DIR}/tools/*.hpp
     ${PROJECT_SOURCE_DIR}/tools/*.cpp ${PROJECT_SOURCE_DIR}/tools/*.cc)
set(layer_check_script ${PROJECT_SOURCE_DIR}/cmake/check_layer_includes.cmake)
set(layer_check_stamp ${PROJECT_BINARY_DIR}/layer_includes.stamp)
add_custom_command(OUTPUT ${layer_check_stamp}
  COMMAND ${CMAKE_COMMAND} -DSOURCE_DIR=${PROJECT_SOURCE_DIR} -DSTAMP=${layer_check_stamp}
          -P ${layer_check_script}
  DEPENDS ${layer_check_script} ${layer_checked_sources}
  COMMENT "Checking the includes of every layer")
add_custom_target(vexolite_layer_includes DEPENDS ${layer_check_stamp})

function(vexolite_layer target)
  target_include_directories(${target} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  target_compile_features(${target} PUBLIC cxx_std_20)
  add_dependencies(${target} vexolite_layer_includes)
endfunction()
