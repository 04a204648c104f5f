# Installation and the Debian package. The installed tree has the build's stage/ layout: mirel in
# bin/ and the setup files in share/vynsetup/, so the installed mirel finds its root from its own
# location (host/setuppath: the nearest folder above the executable that holds share/vynsetup).
# Around it go the files a desktop expects: the entry, the icon, the MIME types, the manual page
# and the shell completion.
include(GNUInstallDirs)

if(NOT CMAKE_INSTALL_DATAROOTDIR STREQUAL "share")
  message(FATAL_ERROR "mirel looks for its setup files in <root>/share; CMAKE_INSTALL_DATAROOTDIR must stay 'share'")
endif()

if(TARGET mirel)
  install(TARGETS mirel RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()

install(DIRECTORY ${CMAKE_SOURCE_DIR}/share/vynsetup DESTINATION share)
install(DIRECTORY ${CMAKE_SOURCE_DIR}/share/mirel DESTINATION share)
install(DIRECTORY ${CMAKE_SOURCE_DIR}/share/examples/ DESTINATION share/mirel/examples)

install(FILES ${CMAKE_SOURCE_DIR}/dist/mirel.desktop ${CMAKE_SOURCE_DIR}/dist/mirel-column.desktop
        DESTINATION share/applications)
install(FILES ${CMAKE_SOURCE_DIR}/dist/mirel.xml DESTINATION share/mime/packages)
install(FILES ${CMAKE_SOURCE_DIR}/dist/mirel.svg DESTINATION share/icons/hicolor/scalable/apps)

# The manual page and the bash completion are made from mirel's own --help texts, so that the
# command line is described in one place.
if(TARGET mirel)
  set(MIREL_DOCS_DIR ${CMAKE_BINARY_DIR}/docs)
  add_custom_command(
    OUTPUT ${MIREL_DOCS_DIR}/mirel.1 ${MIREL_DOCS_DIR}/mirel.bash
    COMMAND ${CMAKE_COMMAND} -DMIREL=$<TARGET_FILE:mirel> -DOUTPUT_DIR=${MIREL_DOCS_DIR}
            -DVERSION=${PROJECT_VERSION} -P ${CMAKE_SOURCE_DIR}/cmake/MirelDocs.cmake
    DEPENDS mirel ${CMAKE_SOURCE_DIR}/cmake/MirelDocs.cmake
    COMMENT "Manual page and bash completion from mirel --help")
  add_custom_target(mirel_docs ALL DEPENDS ${MIREL_DOCS_DIR}/mirel.1 ${MIREL_DOCS_DIR}/mirel.bash)
  install(FILES ${MIREL_DOCS_DIR}/mirel.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
  install(FILES ${MIREL_DOCS_DIR}/mirel.bash DESTINATION share/bash-completion/completions RENAME mirel)
endif()

# cpack -G DEB in the build folder: mirel_<version>_<arch>.deb, its library dependencies found by
# dpkg-shlibdeps from what the executable links.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME mirel)
set(CPACK_PACKAGE_VENDOR "Mirel developers")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Report template editor for an electronic-design reporting tool")
set(CPACK_PACKAGE_DESCRIPTION
    "Mirel designs the report templates of an electronic-design suite's reporting tool: the report's
name, structure, title page and options, and its query, edited in a grid with the vocabulary's
choices, cell dialogs and validation before saving. It also manages user-defined columns. The
mirel command line validates, shows and edits templates in scripts and CI jobs.")
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Mirel developers <mirel@localhost>")
set(CPACK_DEBIAN_PACKAGE_SECTION electronics)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The X11 platform plugin comes with libqt6gui6; Wayland's is loaded at run time, out of
# dpkg-shlibdeps' sight. Help pages open in the desktop's browser; the MIME types, icon and entry
# are registered by the triggers of the last three.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland, xdg-utils, shared-mime-info, desktop-file-utils, hicolor-icon-theme")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
