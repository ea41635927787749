# make install (cmake --install BUILD --prefix PREFIX): the game, its desktop entry, its icon in the
# hicolor theme at every size it is drawn at, the AppStream description for software centres, the
# manual page, and the copyright file, which carries the licence of the embedded font.
# make deb configures with VX_DEBIAN_PACKAGE, which lays the files out as Debian's policy wants them
# and packs them with CPack (cmake/Package.cmake).
option(VX_DEBIAN_PACKAGE "Lay the install out for the Debian package and set up CPack" OFF)
if(VX_DEBIAN_PACKAGE)
  set(CMAKE_INSTALL_BINDIR games)
endif()
include(GNUInstallDirs)

set(VX_APP_ID example.brinmoor.Vortellanox)
set(VX_DOCDIR ${CMAKE_INSTALL_DATADIR}/doc/vortellanox)

# Debian wants the manual page and the changelog compressed with gzip -9n (no name, no time stamp,
# so that the package is reproducible); man reads them the same from /usr/local.
function(vx_gzip source output)
  add_custom_command(
    OUTPUT ${output}
    COMMAND ${CMAKE_COMMAND} -E copy ${source} ${output}.tmp
    COMMAND gzip -9nf ${output}.tmp
    COMMAND ${CMAKE_COMMAND} -E rename ${output}.tmp.gz ${output}
    DEPENDS ${source}
    VERBATIM)
endfunction()
set(VX_MANPAGE ${CMAKE_BINARY_DIR}/vortellanox.6.gz)
vx_gzip(${CMAKE_SOURCE_DIR}/data/vortellanox.6 ${VX_MANPAGE})
set(VX_INSTALL_DOCS ${VX_MANPAGE})
if(VX_DEBIAN_PACKAGE)
  set(VX_CHANGELOG ${CMAKE_BINARY_DIR}/changelog.Debian.gz)
  vx_gzip(${CMAKE_SOURCE_DIR}/packaging/changelog ${VX_CHANGELOG})
  list(APPEND VX_INSTALL_DOCS ${VX_CHANGELOG})
endif()
add_custom_target(vx_install_docs ALL DEPENDS ${VX_INSTALL_DOCS})

# CMake lists the installed files in install_manifest.txt but not the folders it had to create, so
# note every destination folder that is missing before anything is installed: make uninstall
# removes the files, then those folders if they are empty.
set(VX_INSTALL_DIRS ${CMAKE_INSTALL_BINDIR} ${CMAKE_INSTALL_DATADIR}/applications
    ${CMAKE_INSTALL_DATADIR}/metainfo ${CMAKE_INSTALL_MANDIR}/man6 ${VX_DOCDIR})
foreach(size ${VX_DESKTOP_ICON_SIZES})
  list(APPEND VX_INSTALL_DIRS ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()
if(NOT VX_DEBIAN_PACKAGE)
  install(CODE "
    foreach(dir ${VX_INSTALL_DIRS})
      set(path \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/\${dir}\")
      while(NOT EXISTS \"\${path}\")
        file(APPEND \"${CMAKE_BINARY_DIR}/install_folders.txt\" \"\${path}\\n\")
        get_filename_component(path \"\${path}\" DIRECTORY)
      endwhile()
    endforeach()")
endif()

install(TARGETS vortellanox RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${CMAKE_SOURCE_DIR}/data/${VX_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_SOURCE_DIR}/data/${VX_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${VX_MANPAGE} DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
install(FILES ${CMAKE_SOURCE_DIR}/packaging/copyright ${VX_CHANGELOG} DESTINATION ${VX_DOCDIR})
# The PNGs are drawn by vx-makeres while the program is built (see resources/CMakeLists.txt).
foreach(size ${VX_DESKTOP_ICON_SIZES})
  install(FILES ${VX_GENERATED_DIR}/icon-${size}.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
          RENAME vortellanox.png)
endforeach()

if(VX_DEBIAN_PACKAGE)
  # Stripped as Debian's dh_strip does: the symbols and the compiler's notes go.
  install(CODE "execute_process(COMMAND \"${CMAKE_STRIP}\" --remove-section=.comment --remove-section=.note
                  \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/vortellanox\")")
  install(FILES ${CMAKE_SOURCE_DIR}/packaging/lintian-overrides DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides
          RENAME vortellanox)
  include(${CMAKE_CURRENT_LIST_DIR}/Package.cmake)
endif()
