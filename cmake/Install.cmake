# make install (cmake --install BUILD --prefix PREFIX): the game, its desktop entry, its icon in the
# hicolor theme at every size it is drawn at, and the AppStream description for software centres.
include(GNUInstallDirs)

install(TARGETS vortellanox RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${CMAKE_SOURCE_DIR}/data/vortellanox.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_SOURCE_DIR}/data/example.brinmoor.Vortellanox.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
# The PNGs are drawn by vx-makeres while the program is built (see resources/CMakeLists.txt).
foreach(size ${VX_DESKTOP_ICON_SIZES})
  install(FILES ${VX_GENERATED_DIR}/icon-${size}.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
          RENAME vortellanox.png)
endforeach()
# The licence of the DejaVu Sans copy the program carries for systems without fonts.
install(FILES /usr/share/doc/fonts-dejavu-core/copyright DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/vortellanox RENAME DejaVu-LICENSE)
