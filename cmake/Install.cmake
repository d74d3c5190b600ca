# What `cmake --install` lays out.
#
# By default the portable installation, component "portable": <prefix>/App/Nimbrisco holds the
# program, its placeholder picture, its help page and its icon, with the catalogue service and
# its catalogues beside them. It holds no symbolic links, so it can be copied to a USB stick.
#
# The system installation of the Debian packages, components "program" and "catalogue", is only
# laid out on request (`--component program`, or by CPack):
#   <prefix>/bin/nimbrisco                       launcher giving each user a root of their own
#   <prefix>/lib/nimbrisco/App/Nimbrisco/        the program and its files
#   <prefix>/lib/nimbrisco-catalogue/            the catalogue service and its catalogues
#   <prefix>/bin/nimbrisco-catalogue             link to the service
#   desktop entry, icons, AppStream metadata, man pages, systemd units

if(NIMBRISCO_ANIGIF_ONLY)
    return()
endif()

set(NIMBRISCO_PACKAGING_DIR ${PROJECT_SOURCE_DIR}/packaging)
set(NIMBRISCO_APP_ID net.nimbrisco.Nimbrisco)
set(NIMBRISCO_PORTABLE_FILES
    ${PROJECT_SOURCE_DIR}/resources/pic_not_available.gif
    ${PROJECT_SOURCE_DIR}/resources/Nimbrisco.html)
file(GLOB NIMBRISCO_CATALOGUES CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/catalogue-service/catalogues/*.json)
set(NIMBRISCO_ICON_SIZES 16 22 24 32 48 64 128 256 512)

# --- portable -------------------------------------------------------------------------------
install(TARGETS nimbrisco nimbrisco-catalogue RUNTIME DESTINATION App/Nimbrisco COMPONENT portable)
install(FILES ${NIMBRISCO_PORTABLE_FILES} DESTINATION App/Nimbrisco COMPONENT portable)
install(FILES ${NIMBRISCO_PACKAGING_DIR}/icons/hicolor/256x256/apps/${NIMBRISCO_APP_ID}.png
    DESTINATION App/Nimbrisco RENAME nimbrisco.png COMPONENT portable)
install(FILES ${NIMBRISCO_CATALOGUES} DESTINATION App/Nimbrisco/catalogues COMPONENT portable)
install(FILES ${NIMBRISCO_PACKAGING_DIR}/portable/README.txt DESTINATION . COMPONENT portable)

# --- system: the program ------------------------------------------------------------------------
set(NIMBRISCO_SYSTEM_PROGRAM_DIR lib/nimbrisco/App/Nimbrisco)
set(NIMBRISCO_SYSTEM_CATALOGUE_DIR lib/nimbrisco-catalogue)
# The installed prefix as the units see it (the Debian packages install into /usr).
set(NIMBRISCO_UNIT_PREFIX "/usr" CACHE STRING "Installation prefix the systemd units name")

set(NIMBRISCO_LAUNCHER_TO_PROGRAM ../${NIMBRISCO_SYSTEM_PROGRAM_DIR})
configure_file(${NIMBRISCO_PACKAGING_DIR}/launcher/nimbrisco.in
    ${CMAKE_BINARY_DIR}/packaging/nimbrisco @ONLY)
set(NIMBRISCO_INSTALLED_LAUNCHER ${NIMBRISCO_UNIT_PREFIX}/bin/nimbrisco)
set(NIMBRISCO_INSTALLED_CATALOGUE ${NIMBRISCO_UNIT_PREFIX}/bin/nimbrisco-catalogue)
foreach(unit nimbrisco.service nimbrisco-catalogue.service)
    configure_file(${NIMBRISCO_PACKAGING_DIR}/systemd/${unit} ${CMAKE_BINARY_DIR}/packaging/${unit} @ONLY)
endforeach()

install(PROGRAMS ${CMAKE_BINARY_DIR}/packaging/nimbrisco
    DESTINATION bin COMPONENT program EXCLUDE_FROM_ALL)
install(TARGETS nimbrisco RUNTIME DESTINATION ${NIMBRISCO_SYSTEM_PROGRAM_DIR}
    COMPONENT program EXCLUDE_FROM_ALL)
install(FILES ${NIMBRISCO_PORTABLE_FILES} DESTINATION ${NIMBRISCO_SYSTEM_PROGRAM_DIR}
    COMPONENT program EXCLUDE_FROM_ALL)
install(FILES ${NIMBRISCO_PACKAGING_DIR}/desktop/${NIMBRISCO_APP_ID}.desktop
    DESTINATION share/applications COMPONENT program EXCLUDE_FROM_ALL)
install(FILES ${NIMBRISCO_PACKAGING_DIR}/desktop/${NIMBRISCO_APP_ID}.metainfo.xml
    DESTINATION share/metainfo COMPONENT program EXCLUDE_FROM_ALL)
foreach(size ${NIMBRISCO_ICON_SIZES})
    install(FILES ${NIMBRISCO_PACKAGING_DIR}/icons/hicolor/${size}x${size}/apps/${NIMBRISCO_APP_ID}.png
        DESTINATION share/icons/hicolor/${size}x${size}/apps COMPONENT program EXCLUDE_FROM_ALL)
endforeach()
install(FILES ${NIMBRISCO_PACKAGING_DIR}/man/nimbrisco.1
    DESTINATION share/man/man1 COMPONENT program EXCLUDE_FROM_ALL)
install(FILES ${CMAKE_BINARY_DIR}/packaging/nimbrisco.service
    DESTINATION lib/systemd/user COMPONENT program EXCLUDE_FROM_ALL)

# --- system: the catalogue service --------------------------------------------------------------
install(TARGETS nimbrisco-catalogue RUNTIME DESTINATION ${NIMBRISCO_SYSTEM_CATALOGUE_DIR}
    COMPONENT catalogue EXCLUDE_FROM_ALL)
install(FILES ${NIMBRISCO_CATALOGUES} DESTINATION ${NIMBRISCO_SYSTEM_CATALOGUE_DIR}/catalogues
    COMPONENT catalogue EXCLUDE_FROM_ALL)
# A link is enough here: the service finds its catalogues beside its resolved path.
file(CREATE_LINK ../${NIMBRISCO_SYSTEM_CATALOGUE_DIR}/nimbrisco-catalogue
    ${CMAKE_BINARY_DIR}/packaging/nimbrisco-catalogue-link SYMBOLIC)
install(FILES ${CMAKE_BINARY_DIR}/packaging/nimbrisco-catalogue-link
    DESTINATION bin RENAME nimbrisco-catalogue COMPONENT catalogue EXCLUDE_FROM_ALL)
install(FILES ${NIMBRISCO_PACKAGING_DIR}/man/nimbrisco-catalogue.1
    DESTINATION share/man/man1 COMPONENT catalogue EXCLUDE_FROM_ALL)
install(FILES ${CMAKE_BINARY_DIR}/packaging/nimbrisco-catalogue.service
    DESTINATION lib/systemd/system COMPONENT catalogue EXCLUDE_FROM_ALL)
