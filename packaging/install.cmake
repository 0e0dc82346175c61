# Where an installed program and its desktop integration go, and the Debian package built from
# that installation (scripts/build-deb.sh). The shipped tree's rules are in modules/.
set(SKALD_APP_ID example.morvant.SkaldConfig)
set(SKALD_UDEV_RULES_DIR lib/udev/rules.d CACHE STRING "Folder of udev rules, relative to the prefix")

install(TARGETS skald-config RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${CMAKE_CURRENT_LIST_DIR}/70-skald-mouse.rules DESTINATION ${SKALD_UDEV_RULES_DIR})
install(FILES ${CMAKE_CURRENT_LIST_DIR}/${SKALD_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/${SKALD_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(DIRECTORY ${CMAKE_CURRENT_LIST_DIR}/icons/hicolor DESTINATION ${CMAKE_INSTALL_DATADIR}/icons)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/copyright DESTINATION ${CMAKE_INSTALL_DOCDIR})

# Debian wants its changelog and manual page compressed without a time stamp, so that
# rebuilding is reproducible.
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
configure_file(${CMAKE_CURRENT_LIST_DIR}/changelog.in ${CMAKE_BINARY_DIR}/changelog.Debian @ONLY)
configure_file(${CMAKE_CURRENT_LIST_DIR}/skald-config.1 ${CMAKE_BINARY_DIR}/skald-config.1 COPYONLY)
find_program(SKALD_GZIP gzip REQUIRED)
add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/changelog.Debian.gz ${CMAKE_BINARY_DIR}/skald-config.1.gz
    COMMAND ${SKALD_GZIP} -9 -n -f -k ${CMAKE_BINARY_DIR}/changelog.Debian ${CMAKE_BINARY_DIR}/skald-config.1
    DEPENDS ${CMAKE_BINARY_DIR}/changelog.Debian ${CMAKE_BINARY_DIR}/skald-config.1)
add_custom_target(skald_compressed_docs ALL DEPENDS ${CMAKE_BINARY_DIR}/changelog.Debian.gz ${CMAKE_BINARY_DIR}/skald-config.1.gz)
install(FILES ${CMAKE_BINARY_DIR}/changelog.Debian.gz DESTINATION ${CMAKE_INSTALL_DOCDIR})
install(FILES ${CMAKE_BINARY_DIR}/skald-config.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME skald-config)
set(CPACK_PACKAGE_VENDOR "skald-config developers")
set(CPACK_PACKAGE_CONTACT "skald-config developers <skald-config@morvant.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "configuration utility of the Skald Q410 gaming mouse")
# CPack puts the summary above this as the synopsis and indents the lines itself.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
"Sets the button assignments, keyboard macros, eight DPI stages, report rate,
lift-off height, sensitivity, RGB lighting and the small screen of the mouse,
and keeps six named profiles in the user's data folder, sent to the mouse's
on-board memory on demand. A udev rule lets the user at the seat reach the
mouse without root.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://www.morvant.example/skald)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Loaded at run time, so dpkg-shlibdeps cannot see them: the pages' QML module.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qml6-module-qtquick")
# qt6-wayland: without it a Wayland session runs the program through XWayland.
# The desktop's own file chooser: GTK's on GNOME-like desktops (taken by Qt by itself there),
# the portal's where QT_QPA_PLATFORMTHEME=xdgdesktopportal asks for it; without them the
# program draws Qt's own dialog in its dark palette.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland, qt6-gtk-platformtheme")
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "qt6-xdgdesktopportal-platformtheme")
include(CPack)
