# The Debian package (make deb): CPack's DEB generator over the install rules of Install.cmake, with
# the dependencies computed from the executable by dpkg-shlibdeps. make deb configures this build
# with dpkg-buildflags' hardening flags, as Debian's own tools would.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vortellanox)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Vortellanox developers <vortellanox@brinmoor.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "mental arithmetic game against the clock")
# The extended description; CPack puts the summary above it and marks the empty line as Debian wants.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Pick the operations to practise (addition, subtraction, multiplication and
division) and a difficulty, then answer the problems as they come against a
60-second clock: right answers score and add time, wrong ones take it away.
Every ten problems a challenge problem closes the level, and the five best
results stay in a high-score table.

It looks and plays like a handheld game, in portrait or landscape, with the
mouse, a touch screen, a gamepad or the keyboard alone, and fits screens
from 240 pixels up, phones included.")
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://www.brinmoor.example/")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The link on the options screen opens with xdg-open; without it the game still plays.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS xdg-utils)
# Folders that CPack creates itself are otherwise made with the packager's umask.
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE
    WORLD_READ WORLD_EXECUTE)
include(CPack)
