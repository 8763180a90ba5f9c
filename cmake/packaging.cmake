# Packages made by CPack from the install rules (scripts/package.sh runs it): on Linux a
# .tar.gz and a Debian package, for Windows a .zip, named
#   floppysplit-<version>-Linux-x86_64.tar.gz, floppysplit_<version>_amd64.deb,
#   floppysplit-<version>-win64.zip
set(CPACK_PACKAGE_NAME floppysplit)
set(CPACK_PACKAGE_VENDOR "the floppysplit authors")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
# Lines of at most 80 characters, as Debian wants them.
set(CPACK_PACKAGE_DESCRIPTION [[
floppysplit cuts one file into a numbered series of fragment files of a chosen
size, by default that of a 1.44 MB floppy disk, and writes beside them
Recomb.cmd, a Windows batch script that joins the fragments back into the
original file and then cleans up. A short dialogue on the console leads through
the split; the fragments and the script are written to the current folder.]])
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_STRIP_FILES ON)

if(WIN32)
  set(CPACK_GENERATOR ZIP)
  set(CPACK_SYSTEM_NAME win64)
  include(CPack)
  return()
endif()

set(CPACK_GENERATOR TGZ DEB)
set(CPACK_SYSTEM_NAME ${CMAKE_SYSTEM_NAME}-${CMAKE_SYSTEM_PROCESSOR})
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "floppysplit authors <maintainers@floppysplit.invalid>")
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# Depends: from the shared libraries that the program links (dpkg-shlibdeps).
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)

# What a Debian package needs beside the program's own documentation: the license in
# Debian's machine-readable form, and a changelog. They go into the .deb only (install
# component "debian", added for that generator by debian_component.cmake).
file(READ ${PROJECT_SOURCE_DIR}/LICENSE license)
string(FIND "${license}" "Permission is hereby granted" terms_start)
string(SUBSTRING "${license}" ${terms_start} -1 license_terms)
string(STRIP "${license_terms}" license_terms)
# Continuation lines: one blank in front, an empty line written as " .".
string(REPLACE "\n" "\n " license_terms " ${license_terms}")
string(REPLACE "\n \n" "\n .\n" license_terms "${license_terms}")
configure_file(packaging/debian/copyright.in debian/copyright @ONLY)
# The date of the last commit when scripts/package.sh sets SOURCE_DATE_EPOCH.
string(TIMESTAMP release_date "%a, %d %b %Y %H:%M:%S +0000" UTC)
configure_file(packaging/debian/changelog.in debian/changelog @ONLY)
floppysplit_gzip(${PROJECT_BINARY_DIR}/debian/changelog ${PROJECT_BINARY_DIR}/debian/changelog.gz)
install(FILES ${PROJECT_BINARY_DIR}/debian/copyright ${PROJECT_BINARY_DIR}/debian/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DOCDIR} COMPONENT debian EXCLUDE_FROM_ALL)
set(CPACK_PROJECT_CONFIG_FILE ${PROJECT_SOURCE_DIR}/packaging/debian/debian_component.cmake)

include(CPack)
