# Read by CPack for each generator: the archive takes the portable installation, the Debian
# packages the system installation under /usr.
if(CPACK_GENERATOR STREQUAL "TGZ")
    set(CPACK_COMPONENTS_ALL portable)
elseif(CPACK_GENERATOR STREQUAL "DEB")
    set(CPACK_COMPONENTS_ALL program catalogue)
    set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
    # Each package's description carries its own summary line.
    set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "")
endif()
