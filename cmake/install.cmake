# Where `cmake --install` puts the calculator so that a Linux desktop finds it:
# the program (installed by src/CMakeLists.txt), its menu entry, its icon in
# the hicolor theme and the AppStream description software centres show. And
# the Debian package that carries all of it (`cpack` in a build directory).

include(GNUInstallDirs)

set(TORVANE_APP_ID org.torvane.torvane)
set(TORVANE_ICON_SIZES 16 22 24 32 48 64 128 256)

# The desktop entry is named after the AppStream id, which is how software
# centres and Wayland compositors find it.
install(FILES ${PROJECT_SOURCE_DIR}/data/${TORVANE_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/data/${TORVANE_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
# The theme looks icons up by the desktop entry's Icon= name, torvane, in the
# sizes desktops ask for.
foreach(size IN LISTS TORVANE_ICON_SIZES)
    install(FILES ${PROJECT_SOURCE_DIR}/src/ui/icons/torvane-${size}.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
            RENAME torvane.png)
endforeach()
install(FILES ${PROJECT_SOURCE_DIR}/src/ui/icons/torvane.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME torvane)
set(CPACK_PACKAGE_VENDOR "Torvane maintainers")
set(CPACK_PACKAGE_CONTACT "Torvane maintainers <maintainers@torvane.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "static compression ratio calculator for piston engines")
# Lines as they stand in the package's description, under its summary.
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
    "An engine builder types the bore, stroke, combustion-chamber, piston-dome,"
    "deck and head-gasket figures of an engine, in inches or millimetres, and"
    "gets its static compression ratio to four decimals, the engine's capacity"
    "and the head-gasket volume.")
set(CPACK_PACKAGE_INSTALL_DIRECTORY torvane)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
# The Qt and C++ libraries come from dpkg-shlibdeps; the labels' font is
# read at run time, the CUPS library loaded on the first print and Qt's own
# catalogues (the message boxes' buttons in the user's language) loaded at
# start-up, so no library link names them.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation, libcups2, qt6-translations-l10n")
# Without it Qt runs on a Wayland desktop through XWayland.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qt6-wayland)

include(CPack)
