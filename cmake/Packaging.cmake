# CPack: `cpack -G TGZ` makes the portable archive (the portable installation under one folder),
# `cpack -G DEB` the Debian packages nimbrisco and nimbrisco-catalogue from the system
# installation (see cmake/Install.cmake). Which components each generator takes is chosen in
# packaging/CPackGenerators.cmake, read by CPack when it runs.

if(NIMBRISCO_ANIGIF_ONLY)
    return()
endif()

set(CPACK_PACKAGE_NAME nimbrisco)
set(CPACK_PACKAGE_VENDOR "The Nimbrisco developers")
set(CPACK_PACKAGE_CONTACT "The Nimbrisco developers <nimbrisco@nimbrisco.net>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Full-screen slideshow of weather pictures for a wall screen")
set(CPACK_PACKAGE_HOMEPAGE_URL "http://www.nimbrisco.net/")
set(CPACK_PACKAGE_FILE_NAME nimbrisco-${PROJECT_VERSION}-portable-${CMAKE_SYSTEM_PROCESSOR})
set(CPACK_PACKAGE_INSTALL_DIRECTORY Nimbrisco)
set(CPACK_STRIP_FILES ON)
set(CPACK_GENERATOR TGZ DEB)
set(CPACK_PROJECT_CONFIG_FILE ${PROJECT_SOURCE_DIR}/packaging/CPackGenerators.cmake)

# The portable archive unpacks into one folder, the portable root.
set(CPACK_ARCHIVE_COMPONENT_INSTALL OFF)
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY ON)

set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The libraries they link come from dpkg-shlibdeps; what they load without linking is named here.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PROGRAM_PACKAGE_NAME nimbrisco)
set(CPACK_DEBIAN_PROGRAM_PACKAGE_SECTION graphics)
# Both read or write the collections package with libarchive; dpkg-shlibdeps finds it as well,
# named here so that the dependency does not hang on that scan alone.
set(CPACK_DEBIAN_PROGRAM_PACKAGE_DEPENDS "libarchive13")
set(CPACK_DEBIAN_CATALOGUE_PACKAGE_DEPENDS "libarchive13")
set(CPACK_DEBIAN_PROGRAM_PACKAGE_RECOMMENDS "nimbrisco-catalogue, qt6-wayland")
set(CPACK_DEBIAN_PROGRAM_DESCRIPTION
    "Full-screen slideshow of weather pictures for a wall screen
Nimbrisco turns a screen into a continuously updated wall of weather pictures:
satellite images, weather maps, forecast pages rendered into pictures, animated
radar loops and your own pictures. It runs unattended for days; the user unit
nimbrisco.service starts it in the graphical session and again after a crash.
Each user's settings and pictures stay in their home.")
set(CPACK_DEBIAN_CATALOGUE_PACKAGE_NAME nimbrisco-catalogue)
set(CPACK_DEBIAN_CATALOGUE_PACKAGE_SECTION net)
set(CPACK_DEBIAN_CATALOGUE_DESCRIPTION
    "Catalogue service for Nimbrisco screens
nimbrisco-catalogue answers the catalogue that Nimbrisco screens ask for, with a
demo catalogue whose pictures it draws itself and, on request, a folder of a
site's own pictures for every screen. The systemd unit nimbrisco-catalogue.service
is installed disabled.")
set(CPACK_DEBIAN_CATALOGUE_PACKAGE_CONTROL_EXTRA
    ${PROJECT_SOURCE_DIR}/packaging/deb/catalogue/postinst
    ${PROJECT_SOURCE_DIR}/packaging/deb/catalogue/postrm)
set(CPACK_DEBIAN_CATALOGUE_PACKAGE_CONTROL_STRICT_PERMISSION ON)

include(CPack)
cpack_add_component(portable DISPLAY_NAME "Portable installation")
cpack_add_component(program DISPLAY_NAME "Nimbrisco")
cpack_add_component(catalogue DISPLAY_NAME "Catalogue service")
