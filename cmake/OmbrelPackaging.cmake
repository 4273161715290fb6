# Installation under the usual prefixes and the Debian package:
#   cmake --install BUILD [--prefix DIR]   the two programs in bin/, the menu
#                                          entry, the icon (hicolor theme)
#                                          and the examples in share/
#   cpack -G DEB --config BUILD/CPackConfig.cmake
include(GNUInstallDirs)

install(TARGETS ombrel-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
if(OMBREL_GUI)
  install(TARGETS ombrel ombrel-cli-graficos RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  install(FILES ${CMAKE_SOURCE_DIR}/packaging/ombrel.desktop
    DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES ${CMAKE_SOURCE_DIR}/packaging/ombrel.svg
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
endif()
install(DIRECTORY ${CMAKE_SOURCE_DIR}/examples/
  DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/ombrel/examples)

set(CPACK_PACKAGE_NAME ombrel)
set(CPACK_PACKAGE_VENDOR "Ombrel")
set(CPACK_PACKAGE_CONTACT "Ombrel <ombrel@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
  "Diseño y compensación por mínimos cuadrados de redes topográficas planas")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
# The Qt and C++ libraries the programs link are found by dpkg-shlibdeps.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Installed programs carry no debugging symbols, which also keeps the
# package small and quick to build.
set(CPACK_STRIP_FILES TRUE)
include(CPack)

# The package is built from this build tree in a scratch folder and its
# contents checked.
if(OMBREL_TESTS AND OMBREL_GUI)
  add_test(NAME package_contents
    COMMAND ${CMAKE_SOURCE_DIR}/tests/packaging/check_package.sh ${CMAKE_BINARY_DIR})
endif()
