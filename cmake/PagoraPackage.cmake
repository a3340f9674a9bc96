# The Debian package (make deb): everything the install rules put under /usr.
# Its library dependencies are found by dpkg-shlibdeps in the programs as built (see
# cmake/PagoraAbhaengigkeiten.cmake.in); the Qt platform plugins are loaded at run time,
# so they are named here; the German hyphenation patterns are only needed when an author
# asks the import for hyphenation. CPack's own search is off: it runs `file` on every one
# of the package's files, and takes the private module in lib/pagora for a library that
# needs ldconfig, which it is not (nothing looks in lib/pagora but pagora-tool).
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME pagora)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Pagora")
set(CPACK_PACKAGE_CONTACT "Pagora-Team <team@pagora.de>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "book of texts and pictures on the screen")
set(CPACK_PACKAGE_DESCRIPTION "Pagora shows a prepared body of text and pictures as a book on the screen:
a reading part, an album of numbered pictures and a help part, with contents,
register tabs, bookmarks, a picture view, a slide show, search and printing.
Authors prepare their own books in a second window. Comes with a demo book.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR}/paket)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS OFF)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "hyphen-de")
set(PAGORA_PAKET_PROGRAMME $<TARGET_FILE:Pagora> $<TARGET_FILE:pagora-tool> $<TARGET_FILE:pagora-tool-befehle>
    $<TARGET_FILE:pagora-tool-pdf> $<TARGET_FILE:pagora>)
configure_file(${CMAKE_CURRENT_LIST_DIR}/PagoraAbhaengigkeiten.cmake.in ${CMAKE_BINARY_DIR}/PagoraAbhaengigkeiten.cmake.in
  @ONLY)
file(GENERATE OUTPUT ${CMAKE_BINARY_DIR}/PagoraAbhaengigkeiten.cmake
  INPUT ${CMAKE_BINARY_DIR}/PagoraAbhaengigkeiten.cmake.in)
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_BINARY_DIR}/PagoraAbhaengigkeiten.cmake)
include(CPack)
