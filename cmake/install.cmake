# What `cmake --install` puts where, and so what the packages hold.
# Linux and other POSIX systems: bin/floppysplit, the README (the user's guide, GUIDE.md)
# and the license in share/doc/floppysplit, and the manual page.
# Windows: one folder with floppysplit.exe, README.txt (the user's guide) and LICENSE.txt,
# the texts with the CR LF line ends that every Windows editor shows properly.
include(GNUInstallDirs)

if(WIN32)
  install(TARGETS floppysplit RUNTIME DESTINATION .)
  foreach(text GUIDE.md:README LICENSE:LICENSE)
    string(REPLACE ":" ";" pair ${text})
    list(GET pair 0 source)
    list(GET pair 1 stem)
    file(READ ${PROJECT_SOURCE_DIR}/${source} content)
    string(REPLACE "\n" "\r\n" content "${content}")
    file(WRITE ${PROJECT_BINARY_DIR}/${stem}.txt "${content}")
    install(FILES ${PROJECT_BINARY_DIR}/${stem}.txt DESTINATION .)
  endforeach()
  # Written again when the texts change.
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS GUIDE.md LICENSE)
  return()
endif()

install(TARGETS floppysplit RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES GUIDE.md DESTINATION ${CMAKE_INSTALL_DOCDIR} RENAME README.md)
install(FILES LICENSE DESTINATION ${CMAKE_INSTALL_DOCDIR})

# Compresses `source` into `target` the way Debian expects (best compression, and no name
# or time in the header, so that the result is the same on every build).
function(floppysplit_gzip source target)
  find_program(FLOPPYSPLIT_GZIP gzip REQUIRED)
  execute_process(COMMAND ${FLOPPYSPLIT_GZIP} -9 -n -c
                  INPUT_FILE ${source} OUTPUT_FILE ${target} COMMAND_ERROR_IS_FATAL ANY)
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${source})
endfunction()

floppysplit_gzip(${PROJECT_SOURCE_DIR}/packaging/floppysplit.1
                 ${PROJECT_BINARY_DIR}/floppysplit.1.gz)
install(FILES ${PROJECT_BINARY_DIR}/floppysplit.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
