# Install rules and the Debian package. Included from the top-level
# CMakeLists.txt after the targets are defined.
#
#   cmake --install build/release --prefix <dir>   the files below under <dir>
#   cpack --preset deb                             build/package/playfair_<version>-1_<arch>.deb
#
# Only the program and its desktop integration are installed: the tests, the
# benchmarks and tools/grabscreen have no install rules.

include(GNUInstallDirs)

install(TARGETS playfair RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${PROJECT_SOURCE_DIR}/assets/playfair.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/assets/playfair.png
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/32x32/apps)
install(FILES ${PROJECT_SOURCE_DIR}/assets/playfair.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

set(PLAYFAIR_PACKAGE_MAINTAINER "Playfair maintainers <playfair@example.org>" CACHE STRING
    "The maintainer named in the Debian package: Name <address>")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME playfair)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "${PLAYFAIR_PACKAGE_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
# Debian wants the long description in lines of under 80 characters.
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
    "A single-window desktop program for pupils and teachers. It cleans a key"
    "word and a message, builds the keyed 5x5 square and shows it, cuts the"
    "message into two-letter groups, encrypts each group by the three Playfair"
    "rules and decrypts the result again. The window and the explanation of"
    "the cipher are in Bulgarian.")
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_CHECKSUM SHA256)

set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${PLAYFAIR_PACKAGE_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# The shared libraries (Qt, libstdc++, libc) through dpkg-shlibdeps; besides
# them Liberation Serif, which stands in for Times New Roman, and Qt's
# platform plugins (xcb), without which no window opens: libqt6gui6 only
# recommends them.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2, qt6-qpa-plugins")

include(CPack)
