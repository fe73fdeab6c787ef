# Desktop integration and the Debian package of the program.
# `cmake --install build` puts the program, its icon in the hicolor sizes, the
# menu entry and the .rvs file type in place; `cpack -G DEB` (in build/) makes
# rovan_<version>_<arch>.deb, which `apt-get install ./rovan_…deb` completes
# with everything the program needs on a Debian 12 desktop.
include(GNUInstallDirs)

foreach(size 16 24 32 48 64 128 256)
  install(FILES ${CMAKE_SOURCE_DIR}/resources/icons/rovan_${size}.png
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
    RENAME rovan.png)
endforeach()
install(FILES ${CMAKE_SOURCE_DIR}/packaging/rovan.desktop
  DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_SOURCE_DIR}/packaging/rovan-mime.xml
  DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages RENAME rovan.xml)

set(CPACK_PACKAGE_NAME rovan)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})  # all four parts, 2.2.7.8
set(CPACK_PACKAGE_VENDOR "Velmora Industries")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Cube puzzle game and solver for 2x2x2 to 7x7x7 cubes")
set(CPACK_PACKAGE_DESCRIPTION "Turn, scramble and solve N×N×N cubes of order 2 to 7 in an OpenGL view, \
with a move log that plays sequences back, colour input of a physical cube and several solving methods.")
set(CPACK_PACKAGE_INSTALL_DIRECTORY rovan)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Rovan maintainers <rovan@localhost>")
set(CPACK_DEBIAN_PACKAGE_SECTION games)
# Shared libraries found by dpkg-shlibdeps, plus what is loaded at run time and
# so invisible to it: the GL drivers, fonts for the Chinese texts and "Arial", and
# Qt's own translations of its standard dialogs and buttons.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
  "libgl1-mesa-dri, fonts-wqy-microhei | fonts-noto-cjk, fonts-liberation2, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-qpa-plugins, qt6-wayland")
include(CPack)
