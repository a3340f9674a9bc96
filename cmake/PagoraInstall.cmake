# Installation: the program, pagora-tool, the launcher, the read-only data root, the
# desktop entry with its icon and metadata, and the manual pages.
#
#   PREFIX/lib/pagora/Pagora.exe    the program
#   PREFIX/bin/pagora               the launcher: the user's own data root, then the program
#   PREFIX/bin/pagora-tool
#   PREFIX/lib/pagora/pagora-tool-befehle.so   the tool's commands that handle pictures
#   PREFIX/share/pagora/            the data root as built, read-only: names.exe, the
#                                   settings, Help/, the demo Quarn; its programme files
#                                   (Pagora.exe, Quarn.exe) and Help/Projekt.dat are
#                                   relative links to the program
#
# The launcher finds the program and the data root from its own folder, so these three
# folders keep their places under any prefix.
set(PAGORA_INSTALL_WURZEL share/pagora)

install(TARGETS Pagora RUNTIME DESTINATION ${PAGORA_INSTALL_PROGRAMM})
install(TARGETS pagora-tool RUNTIME DESTINATION bin)
install(TARGETS pagora-tool-befehle LIBRARY DESTINATION ${PAGORA_INSTALL_PROGRAMM})
install(PROGRAMS ${PROJECT_SOURCE_DIR}/src/launcher/pagora.sh DESTINATION bin RENAME pagora)

# The data root: what the build assembled, without the programme files, the tool and
# what a run on the build's root leaves behind (the lock file).
install(FILES ${PAGORA_ROOT}/names.exe ${PAGORA_ROOT}/Autor.ini ${PAGORA_ROOT}/Pagora.ini ${PAGORA_ROOT}/Quarn.ini
        DESTINATION ${PAGORA_INSTALL_WURZEL})
install(DIRECTORY ${PAGORA_ROOT}/Help ${PAGORA_ROOT}/Pagora ${PAGORA_ROOT}/Quarn
        DESTINATION ${PAGORA_INSTALL_WURZEL}
        PATTERN Projekt.dat EXCLUDE
        PATTERN "*.lock" EXCLUDE)
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
