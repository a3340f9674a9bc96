# The Debian package (make deb): everything the install rules put under /usr.
# Shared-library dependencies are found by dpkg-shlibdeps; the Qt platform plugins are
# loaded at run time, so they are named here; the German hyphenation patterns are only
# needed when an author asks the import for hyphenation.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME pagora)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Pagora")
set(CPACK_PACKAGE_CONTACT "Pagora <pagora@localhost>")
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
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "hyphen-de")
include(CPack)
