# Installs what a desktop needs to offer the program: its menu entry and its icon in every size
# drawn, under the names the freedesktop menus and icon themes look for.
install(FILES ${CMAKE_CURRENT_LIST_DIR}/kortools.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications
        COMPONENT kortools)
foreach(size IN LISTS KORTOOLS_ICON_SIZES)
    install(FILES ${CMAKE_CURRENT_LIST_DIR}/icons/kortools-${size}.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
            RENAME kortools.png COMPONENT kortools)
endforeach()
