# What a desktop needs beside the programs (the desktop entry, the icons, the AppStream metainfo),
# the licence in Debian's machine-readable copyright format, and the Debian package: `cpack -G DEB`
# in a build configured with -DCMAKE_INSTALL_PREFIX=/usr.
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

set(CPACK_PACKAGE_NAME vexolite)
set(CPACK_PACKAGE_VENDOR "Vexolite")
set(CPACK_PACKAGE_CONTACT "Vexolite developers")
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
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The long description; cpack puts the summary line above it.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Vexolite shows the catalogue of figures (\"casos\") of a cube dissection
puzzle: 27 unit cubes in seven pieces, and 705 numbered figures built from
all seven, each with its number of solutions. Step through the catalogue,
turn and zoom a figure, colour one piece as a hint, hide cubes, and export
BMP images and pages of images. The catalogue tool vexolite-catalog builds
and checks the catalogue file.")
# The libraries come from dpkg-shlibdeps; the fonts of the window's captions and the X11 platform
# plugin are loaded at run time, where it cannot see them.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation, qt6-qpa-plugins")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_GENERATOR DEB)
# Values reach CPackConfig.cmake as written, quotes and line breaks included.
set(CPACK_VERBATIM_VARIABLES ON)

include(CPack)
