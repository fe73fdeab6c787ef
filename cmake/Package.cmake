# Desktop integration and the Debian package of the program.
# `cmake --install build` puts the programs, their manual pages, the icon in the
# hicolor sizes, the menu entry, the AppStream metadata and the .rvs file type
# in place; `cpack -G DEB` (in build/) makes rovan_<version>_<arch>.deb, which
# `apt-get install ./rovan_…deb` completes with everything the program needs on
# a Debian 12 desktop. The test package_checks runs the distribution's checks
# (lintian, appstreamcli, desktop-file-validate) on that package.
include(GNUInstallDirs)

foreach(size 16 24 32 48 64 128 256)
  install(FILES ${CMAKE_SOURCE_DIR}/resources/icons/rovan_${size}.png
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
    RENAME rovan.png)
endforeach()
install(FILES ${CMAKE_SOURCE_DIR}/packaging/rovan.desktop
  DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_SOURCE_DIR}/packaging/com.velmora.rovan.metainfo.xml
  DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${CMAKE_SOURCE_DIR}/packaging/rovan-mime.xml
  DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages RENAME rovan.xml)

# Manual pages and the changelog are installed gzipped at maximum compression
# without name or time stamp, so that the package is the same on every build.
set(rovan_gzipped "")
function(rovan_gzip source output)
  add_custom_command(OUTPUT ${output}
    COMMAND gzip -9 -n -c ${source} > ${output}
    DEPENDS ${source} VERBATIM)
  set(rovan_gzipped ${rovan_gzipped} ${output} PARENT_SCOPE)
endfunction()
set(rovan_pack_dir ${CMAKE_BINARY_DIR}/packaging)
file(MAKE_DIRECTORY ${rovan_pack_dir})
foreach(page rovan.6 rovan-cli.6)
  rovan_gzip(${CMAKE_SOURCE_DIR}/packaging/man/${page} ${rovan_pack_dir}/${page}.gz)
  install(FILES ${rovan_pack_dir}/${page}.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
endforeach()
rovan_gzip(${CMAKE_SOURCE_DIR}/packaging/changelog ${rovan_pack_dir}/changelog.gz)
add_custom_target(rovan_package_files ALL DEPENDS ${rovan_gzipped})

# The package is native (the program's own version, no Debian revision), so its
# Debian changelog is changelog.gz, beside the copyright file.
set(rovan_doc_dir ${CMAKE_INSTALL_DATADIR}/doc/rovan)
install(FILES ${rovan_pack_dir}/changelog.gz ${CMAKE_SOURCE_DIR}/packaging/copyright
  DESTINATION ${rovan_doc_dir})
install(FILES ${CMAKE_SOURCE_DIR}/packaging/lintian-overrides
  DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides RENAME rovan)

set(CPACK_PACKAGE_NAME rovan)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})  # all four parts, 2.2.7.8
set(CPACK_PACKAGE_VENDOR "Velmora Industries")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Cube puzzle game and solver for 2x2x2 to 7x7x7 cubes")
# Lines of at most 80 columns: the control file keeps them as they are.
set(CPACK_PACKAGE_DESCRIPTION "\
Turn, scramble and solve N×N×N cubes of order 2 to 7 in an OpenGL view, with
a move log that plays sequences forwards and backwards, step by step or as a
timed demonstration, and sessions saved in documents.

A physical cube is copied in by painting its colours on a net, and solved layer
by layer, without formulas, by the Petrus method, by a fewest-moves stage
method or by a two-phase search for short solutions. The window is in Chinese.

The command-line tool rovan-cli turns, scrambles, checks and solves cubes given
as facelet texts.")
set(CPACK_PACKAGE_INSTALL_DIRECTORY rovan)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Rovan maintainers <rovan@velmora.com>")
set(CPACK_DEBIAN_PACKAGE_SECTION games)
# Shared libraries found by dpkg-shlibdeps, plus what is loaded at run time and
# so invisible to it: the GL drivers, fonts for the Chinese texts and "Arial",
# and Qt's own translations of its dialogs.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
  "libgl1-mesa-dri, fonts-wqy-microhei | fonts-noto-cjk, fonts-liberation2, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-qpa-plugins, qt6-wayland")
include(CPack)
