# What a desktop needs beside the programs (the desktop entry, the icons, the AppStream metainfo),
# the licence in Debian's machine-readable copyright format, the changelog and manual pages, and
# the Debian package: `cpack -G DEB` in a build configured with -DCMAKE_INSTALL_PREFIX=/usr.
# SPDX-License-Identifier: MIT
set(packaging_folder ${PROJECT_SOURCE_DIR}/packaging)

install(FILES ${packaging_folder}/${VEXOLITE_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${packaging_folder}/${VEXOLITE_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
foreach(size 48 128 256)
  install(FILES ${packaging_folder}/icons/hicolor/${size}x${size}/apps/${VEXOLITE_APP_ID}.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()
# The licence goes wherever the programs go: PREFIX/share/doc/vexolite/copyright, which in the
# Debian package is /usr/share/doc/vexolite/copyright, where Debian wants it.
install(FILES ${packaging_folder}/copyright DESTINATION ${CMAKE_INSTALL_DOCDIR})

# The Debian changelog and the manual pages, compressed as Debian installs them: gzip -9 without
# the file's name and time (-n), so that the same source always gives the same bytes.
file(STRINGS ${packaging_folder}/changelog changelog_top LIMIT_COUNT 1)
string(REPLACE "." "\\." version_pattern "${PROJECT_VERSION}")
if(NOT changelog_top MATCHES "^vexolite \\(${version_pattern}\\) ")
  message(FATAL_ERROR "packaging/changelog: the top entry is not version ${PROJECT_VERSION} "
                      "(${changelog_top}); add an entry for it")
endif()
find_program(VEXOLITE_GZIP gzip REQUIRED)
set(compressed_folder ${PROJECT_BINARY_DIR}/packaging)
set(compressed_files)
foreach(source changelog man/vexolite.1 man/vexolite-catalog.1 man/vexolite-book.1)
  get_filename_component(name ${source} NAME)
  add_custom_command(
    OUTPUT ${compressed_folder}/${name}.gz
    COMMAND ${CMAKE_COMMAND} -E copy ${packaging_folder}/${source} ${compressed_folder}/${name}
    COMMAND ${VEXOLITE_GZIP} -9nf ${compressed_folder}/${name}
    DEPENDS ${packaging_folder}/${source}
    COMMENT "Compressing packaging/${source}"
    VERBATIM)
  list(APPEND compressed_files ${compressed_folder}/${name}.gz)
endforeach()
add_custom_target(vexolite-docs ALL DEPENDS ${compressed_files})
install(FILES ${compressed_folder}/changelog.gz DESTINATION ${CMAKE_INSTALL_DOCDIR})
install(FILES ${compressed_folder}/vexolite.1.gz ${compressed_folder}/vexolite-catalog.1.gz
              ${compressed_folder}/vexolite-book.1.gz
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

# The book of the shipped catalogue, made by vexolite-book at build time: Spanish, on A4, dated
# by the top entry of the changelog (or SOURCE_DATE_EPOCH when the build sets it), so that the
# same source always gives the same bytes.
# Not in the sanitizer and fuzz builds, which make no package: there the instrumented tool would
# report the font library's own allocations, left for the system to free at exit, as leaks.
if(NOT VEXOLITE_SANITIZE AND NOT VEXOLITE_FUZZ)
  if(DEFINED ENV{SOURCE_DATE_EPOCH} AND NOT "$ENV{SOURCE_DATE_EPOCH}" STREQUAL "")
    set(book_epoch "$ENV{SOURCE_DATE_EPOCH}")
  else()
    file(STRINGS ${packaging_folder}/changelog changelog_dates REGEX "^ -- ")
    list(GET changelog_dates 0 changelog_date)
    string(REGEX REPLACE "^ -- [^>]*>  " "" changelog_date "${changelog_date}")
    execute_process(COMMAND date -u -d "${changelog_date}" +%s OUTPUT_VARIABLE book_epoch
                    OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
  endif()
  set(shipped_book ${compressed_folder}/vexolite-catalogue.pdf)
  add_custom_command(
    OUTPUT ${shipped_book}
    COMMAND ${CMAKE_COMMAND} -E env SOURCE_DATE_EPOCH=${book_epoch}
            $<TARGET_FILE:vexolite-book> ${PROJECT_SOURCE_DIR}/data/VEXOLITE.DAT -o ${shipped_book}
            --paper a4 --language es
    DEPENDS vexolite-book ${PROJECT_SOURCE_DIR}/data/VEXOLITE.DAT
    COMMENT "Making the book of the shipped catalogue"
    VERBATIM)
  add_custom_target(vexolite-catalogue-book ALL DEPENDS ${shipped_book})
  install(FILES ${shipped_book} DESTINATION ${CMAKE_INSTALL_DOCDIR})
endif()

set(CPACK_PACKAGE_NAME vexolite)
set(CPACK_PACKAGE_VENDOR "Vexolite")
set(CPACK_PACKAGE_CONTACT "Vexolite developers <vexolite@users.noreply.github.com>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
set(CPACK_STRIP_FILES ON)
# The viewer looks for its catalogue in the data folder compiled into it, below the configured
# prefix; the package installs below that same prefix, so the two always agree.
set(CPACK_PACKAGING_INSTALL_PREFIX "${CMAKE_INSTALL_PREFIX}")
if(NOT CMAKE_INSTALL_PREFIX STREQUAL "/usr")
  message(STATUS "cpack: the package installs below ${CMAKE_INSTALL_PREFIX}; "
                 "configure with -DCMAKE_INSTALL_PREFIX=/usr for a Debian package")
endif()

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# Not games: Debian keeps that section for programs in /usr/games, and these live in /usr/bin,
# where the desktop entry, the README and the tests expect them. What the package holds is an
# enumeration, 705 figures of 27 cubes each with its count of solutions up to symmetry, the solver
# that computes and checks it, and a viewer of it: recreational combinatorics, hence math.
set(CPACK_DEBIAN_PACKAGE_SECTION math)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The long description; cpack puts the summary line above it.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Vexolite shows the catalogue of figures (\"casos\") of a cube dissection
puzzle: 27 unit cubes in seven pieces, and 705 numbered figures built from
all seven, each with its number of solutions. Step through the catalogue,
turn and zoom a figure, colour one piece as a hint, hide cubes, and export
BMP images and pages of images. The catalogue tool vexolite-catalog builds
and checks the catalogue file; vexolite-book makes a printable PDF book of it,
and the book of the shipped catalogue comes with the package.")
# The libraries come from dpkg-shlibdeps; the fonts of the window's captions and the X11 platform
# plugin are loaded at run time, where it cannot see them.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation, qt6-qpa-plugins")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_GENERATOR DEB)
# Values reach CPackConfig.cmake as written, quotes and line breaks included.
set(CPACK_VERBATIM_VARIABLES ON)

include(CPack)
