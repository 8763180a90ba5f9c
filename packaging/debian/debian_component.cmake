# Read by cpack once for each package it makes: the Debian package also gets the install
# component "debian" (its copyright file and changelog), the others do not.
if(CPACK_GENERATOR STREQUAL "DEB")
  list(GET CPACK_INSTALL_CMAKE_PROJECTS 0 build_folder)
  list(APPEND CPACK_INSTALL_CMAKE_PROJECTS ${build_folder} floppysplit debian /)
endif()
