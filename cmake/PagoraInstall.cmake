# Installation: the program, pagora-tool, the launcher, the read-only data root, the
# desktop entry with its icon and metadata, and the manual pages.
#
#   PREFIX/lib/pagora/Pagora.exe    the program
#   PREFIX/bin/pagora               the launcher: the user's own data root, then the program
#   PREFIX/bin/pagora-tool
#   PREFIX/lib/pagora/pagora-tool-befehle.so   the tool's commands that handle pictures
#   PREFIX/lib/pagora/pagora-tool-pdf.so       the tool's `pdf`, drawn with the program's windows
#   PREFIX/share/pagora/            the data root as the sources make it, read-only:
#                                   names.exe, the settings, Help/, the demo Quarn; its
#                                   programme files (Pagora.exe, Quarn.exe) and
#                                   Help/Projekt.dat are relative links to the program
#   PREFIX/share/doc/pagora/        copyright and changelog
#
# The launcher finds the program and the data root from its own folder, so these three
# folders keep their places under any prefix.
install(TARGETS Pagora RUNTIME DESTINATION ${PAGORA_INSTALL_PROGRAMM})
install(TARGETS pagora-tool pagora RUNTIME DESTINATION bin)
install(TARGETS pagora-tool-befehle pagora-tool-pdf LIBRARY DESTINATION ${PAGORA_INSTALL_PROGRAMM})

# The data root: the build's own from the sources (PAGORA_DATEN), never the root the
# program runs on, which keeps what a run changed.
install(FILES ${PAGORA_DATEN}/names.exe ${PAGORA_DATEN}/Autor.ini ${PAGORA_DATEN}/Pagora.ini ${PAGORA_DATEN}/Quarn.ini
        DESTINATION ${PAGORA_INSTALL_WURZEL})
install(DIRECTORY ${PAGORA_DATEN}/Help ${PAGORA_DATEN}/Pagora ${PAGORA_DATEN}/Quarn
        DESTINATION ${PAGORA_INSTALL_WURZEL})
file(RELATIVE_PATH zum_programm_aus_wurzel /${PAGORA_INSTALL_WURZEL} /${PAGORA_INSTALL_PROGRAMM}/Pagora.exe)
file(RELATIVE_PATH zum_programm_aus_help /${PAGORA_INSTALL_WURZEL}/Help /${PAGORA_INSTALL_PROGRAMM}/Pagora.exe)
install(CODE "
  set(wurzel \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${PAGORA_INSTALL_WURZEL}\")
  foreach(name Pagora.exe Quarn.exe)
    message(STATUS \"Installing: \${wurzel}/\${name} -> ${zum_programm_aus_wurzel}\")
    file(CREATE_LINK ${zum_programm_aus_wurzel} \${wurzel}/\${name} SYMBOLIC)
  endforeach()
  file(CREATE_LINK ${zum_programm_aus_help} \${wurzel}/Help/Projekt.dat SYMBOLIC)
")

# Desktop integration.
set(desktop ${PROJECT_SOURCE_DIR}/data/desktop)
install(FILES ${desktop}/de.pagora.Pagora.desktop DESTINATION share/applications)
install(FILES ${desktop}/de.pagora.Pagora.metainfo.xml DESTINATION share/metainfo)
install(FILES ${desktop}/de.pagora.Pagora.svg DESTINATION share/icons/hicolor/scalable/apps)

# Manual pages, compressed at build time: English in man1, German in de/man1.
set(handbuecher "")
foreach(seite pagora pagora-tool)
  foreach(sprache en de)
    set(quelle ${PROJECT_SOURCE_DIR}/data/man/${seite}.${sprache}.1)
    set(ziel ${CMAKE_BINARY_DIR}/man/${sprache}/${seite}.1.gz)
    add_custom_command(OUTPUT ${ziel}
      COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/man/${sprache}
      COMMAND sh -c "gzip -9nc \"$0\" > \"$1.neu\" && mv \"$1.neu\" \"$1\"" ${quelle} ${ziel}
      DEPENDS ${quelle} VERBATIM)
    list(APPEND handbuecher ${ziel})
    if(sprache STREQUAL en)
      install(FILES ${ziel} DESTINATION share/man/man1)
    else()
      install(FILES ${ziel} DESTINATION share/man/${sprache}/man1)
    endif()
  endforeach()
endforeach()
add_custom_target(handbuecher ALL DEPENDS ${handbuecher})

# The package's documents: the copyright, the changelog (compressed at build time) and
# lintian's note on the Windows-1252 picture texts.
set(paket_quellen ${PROJECT_SOURCE_DIR}/data/paket)
set(changelog ${CMAKE_BINARY_DIR}/doku/changelog.gz)
add_custom_command(OUTPUT ${changelog}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/doku
  COMMAND sh -c "gzip -9nc \"$0\" > \"$1.neu\" && mv \"$1.neu\" \"$1\"" ${paket_quellen}/changelog ${changelog}
  DEPENDS ${paket_quellen}/changelog VERBATIM)
add_custom_target(paketdoku ALL DEPENDS ${changelog})
install(FILES ${paket_quellen}/copyright ${changelog} DESTINATION share/doc/pagora)
install(FILES ${paket_quellen}/lintian-overrides DESTINATION share/lintian/overrides RENAME pagora)
