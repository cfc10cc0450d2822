# Install rules and the Debian package. Included from the top-level
# CMakeLists.txt after the targets are defined.
#
#   cmake --install build/release --prefix <dir>   the files below under <dir>
#   cpack --preset deb                             build/package/playfair_<version>-1_<arch>.deb
#
# Only the programs and their desktop integration are installed: the tests,
# the benchmarks and tools/grabscreen have no install rules. The checks of the
# files made here (man --warnings, desktop-file-validate, appstreamcli) run
# with the tests; lintian checks the package in scripts/package.

include(GNUInstallDirs)

set(PLAYFAIR_SCREENSHOT_URL "" CACHE STRING
    "Where software centres fetch the screenshot (docs/screenshot.png) from; empty: https://<web address>/playfair/screenshot.png")
if(NOT PLAYFAIR_SCREENSHOT_URL)
    set(PLAYFAIR_SCREENSHOT_URL "${PLAYFAIR_WEB_URL}/playfair/screenshot.png")
endif()

if(PLAYFAIR_BUILD_TESTS)
    find_program(MAN man REQUIRED)
    find_program(DESKTOP_FILE_VALIDATE desktop-file-validate REQUIRED)
    find_program(APPSTREAMCLI appstreamcli REQUIRED)
endif()

# The programs, each with its manual page docs/man/<program>.1.in (the
# version and the release date filled in, compressed as Debian wants it). A
# page is checked whether or not its program is built yet, and installed
# with its program.
find_program(GZIP gzip)
foreach(program playfair playfair-break playfair-check)
    set(page ${CMAKE_CURRENT_BINARY_DIR}/man/${program}.1)
    configure_file(${PROJECT_SOURCE_DIR}/docs/man/${program}.1.in ${page} @ONLY)
    if(PLAYFAIR_BUILD_TESTS AND TARGET ${program})
        # With the program built, also: every option of its --help is on the page.
        add_test(NAME man_${program} COMMAND ${PROJECT_SOURCE_DIR}/tests/man_page.sh ${page} $<TARGET_FILE:${program}>)
    elseif(PLAYFAIR_BUILD_TESTS)
        add_test(NAME man_${program} COMMAND ${PROJECT_SOURCE_DIR}/tests/man_page.sh ${page})
    endif()
    if(NOT TARGET ${program})
        continue()
    endif()
    install(TARGETS ${program} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
    if(UNIX AND GZIP)
        add_custom_command(OUTPUT ${page}.gz
                           COMMAND ${GZIP} -9n -c ${page} > ${page}.gz
                           DEPENDS ${page}
                           COMMENT "Compressing the manual page ${program}.1")
        add_custom_target(${program}_man ALL DEPENDS ${page}.gz)
        install(FILES ${page}.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
    endif()
endforeach()

# The menu entry and the AppStream metainfo, both named after the application
# id (cmake/applicationid.cmake), and the icon.
set(desktop_file ${CMAKE_CURRENT_BINARY_DIR}/${PLAYFAIR_APP_ID}.desktop)
set(metainfo_file ${CMAKE_CURRENT_BINARY_DIR}/${PLAYFAIR_APP_ID}.metainfo.xml)
configure_file(${PROJECT_SOURCE_DIR}/assets/playfair.desktop ${desktop_file} COPYONLY)
configure_file(${PROJECT_SOURCE_DIR}/assets/playfair.metainfo.xml.in ${metainfo_file} @ONLY)
install(FILES ${desktop_file} DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${metainfo_file} DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${PROJECT_SOURCE_DIR}/assets/playfair.png
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/32x32/apps)
install(FILES ${PROJECT_SOURCE_DIR}/assets/playfair.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
if(PLAYFAIR_BUILD_TESTS)
    # desktop-file-validate says nothing about a good file, and ends with 0
    # after a mere warning: any output fails the test.
    add_test(NAME desktop_file COMMAND ${DESKTOP_FILE_VALIDATE} ${desktop_file})
    set_tests_properties(desktop_file PROPERTIES FAIL_REGULAR_EXPRESSION ".")
    add_test(NAME metainfo COMMAND ${APPSTREAMCLI} validate --no-net --strict --explain ${metainfo_file})
endif()

# The package's own documents: the copyright in Debian's machine-readable
# format, the Debian changelog, compressed, and lintian's overrides. Every data file compiled into
# a program needs a Files: stanza in packaging/debian/copyright that names
# its origin and licence.
set(PLAYFAIR_PACKAGE_MAINTAINER "Playfair maintainers <playfair@example.org>" CACHE STRING
    "The maintainer named in the Debian package: Name <address>")
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
file(STRINGS ${PROJECT_SOURCE_DIR}/packaging/debian/changelog changelog_top LIMIT_COUNT 1)
if(NOT changelog_top MATCHES "^playfair \\(${PROJECT_VERSION}-${CPACK_DEBIAN_PACKAGE_RELEASE}\\) ")
    message(FATAL_ERROR "packaging/debian/changelog starts with \"${changelog_top}\": add an entry on top for "
                        "playfair (${PROJECT_VERSION}-${CPACK_DEBIAN_PACKAGE_RELEASE}).")
endif()
install(FILES ${PROJECT_SOURCE_DIR}/packaging/debian/copyright DESTINATION ${CMAKE_INSTALL_DOCDIR})
install(FILES ${PROJECT_SOURCE_DIR}/packaging/debian/lintian-overrides
        DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides RENAME playfair)
if(UNIX AND GZIP)
    set(changelog ${CMAKE_CURRENT_BINARY_DIR}/changelog.Debian.gz)
    add_custom_command(OUTPUT ${changelog}
                       COMMAND ${GZIP} -9n -c ${PROJECT_SOURCE_DIR}/packaging/debian/changelog > ${changelog}
                       DEPENDS ${PROJECT_SOURCE_DIR}/packaging/debian/changelog
                       COMMENT "Compressing the Debian changelog")
    add_custom_target(debian_changelog ALL DEPENDS ${changelog})
    install(FILES ${changelog} DESTINATION ${CMAKE_INSTALL_DOCDIR})
endif()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME playfair)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "${PLAYFAIR_PACKAGE_MAINTAINER}")
# The synopsis: a noun phrase without an article, as Debian asks.
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
# Debian wants the long description in lines of under 80 characters.
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
    "A single-window desktop program for pupils and teachers. It cleans a key"
    "word and a message, builds the keyed 5x5 square and shows it, cuts the"
    "message into two-letter groups, encrypts each group by the three Playfair"
    "rules and decrypts the result again. The windows and the explanation of"
    "the cipher are in Bulgarian or in English, as the desktop's language"
    "or the user's choice says.")
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_CHECKSUM SHA256)

set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${PLAYFAIR_PACKAGE_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# The shared libraries (Qt, libstdc++, libc) through dpkg-shlibdeps; besides
# them Liberation Serif, which stands in for Times New Roman, and Qt's
# platform plugins (xcb), without which no window opens: libqt6gui6 only
# recommends them. CPack adds Installed-Size itself.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2, qt6-qpa-plugins")
# The system's word lists, read at run time, name rarer key words; Qt's
# translations put its save dialog and the text boxes' menus in the
# program's language.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "wamerican | wbritish, wbulgarian, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${PLAYFAIR_WEB_URL}/")

include(CPack)
