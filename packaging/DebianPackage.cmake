# The Debian package that scripts/package builds: the program with everything it installs,
# dependencies found by dpkg-shlibdeps, and Debian's copyright file and changelog where Debian
# keeps them (the copyright file names the licence; common-licenses holds its text).
set(TINTABEL_MAINTAINER "Veldo <tintabel@veldo.pl>")
set(TINTABEL_DEBIAN_VERSION ${TINTABEL_FULL_VERSION}-1)
execute_process(COMMAND date -R -u -d "${TINTABEL_RELEASE_DATE} 12:00"
    OUTPUT_VARIABLE TINTABEL_RELEASE_DATE_RFC2822 OUTPUT_STRIP_TRAILING_WHITESPACE
    COMMAND_ERROR_IS_FATAL ANY)

set(debian_changelog ${CMAKE_CURRENT_BINARY_DIR}/changelog.Debian)
configure_file(changelog.Debian.in ${debian_changelog} @ONLY)
tintabel_gzip(${debian_changelog})
list(APPEND compressed ${debian_changelog}.gz)
install(FILES copyright ${debian_changelog}.gz DESTINATION ${CMAKE_INSTALL_DOCDIR})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ${PROJECT_NAME})
set(CPACK_PACKAGE_VERSION ${TINTABEL_FULL_VERSION})
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_PACKAGE_CONTACT ${TINTABEL_MAINTAINER})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "attribute colour editor for Football Manager 2009 skins")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Veldo Tintabel finds the Football Manager 2009 user data folder in the Wine
prefix and its skins, loads a skin's colour document, lets the user edit
each of its eight attribute colours with a live preview over a background
picture, and writes the colours back into the skin's file, changing nothing
else in it. Colour schemes can be kept in small files and applied to other
skins. English and Polish interface.")
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${PROJECT_HOMEPAGE_URL})
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# What no library link shows: Qt's platform plugins, the interface font, libcurl (opened at the
# first download), the browser opener for the help pages and links, and the Wayland plugin where
# the desktop has Wayland.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-liberation2 | fonts-dejavu-core, libcurl4")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland, xdg-utils")
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "wine")
set(CPACK_STRIP_FILES ON)
include(CPack)
