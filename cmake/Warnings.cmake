# Warnings are errors for all of the project's own targets.
# SPDX-License-Identifier: MIT
add_compile_options(-Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor -Wold-style-cast
                    -Wcast-align -Woverloaded-virtual -Wimplicit-fallthrough -Werror)
# GCC 12's -Wrestrict misfires inside libstdc++'s own string code at -O3 (GCC bug 105329): a
# plain " " + std::to_string(n) fails a release build. Its real findings are all about memcpy
# and strcpy, which this project does not call with overlapping buffers.
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
  add_compile_options(-Wno-restrict)
endif()
