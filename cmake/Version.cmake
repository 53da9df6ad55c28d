# Every text that names the version is made here from project(VERSION) and TINTABEL_STAGE, and
# reaches the program through one generated header.

# The window's title and the update check use the major number alone ("2"); the about window
# names the stage without its number ("beta").
set(TINTABEL_VERSION_NUMBER ${PROJECT_VERSION_MAJOR})
string(REGEX REPLACE "[0-9]+$" "" TINTABEL_STAGE_NAME "${TINTABEL_STAGE}")
set(TINTABEL_WINDOW_TITLE "Veldo Tintabel ${TINTABEL_VERSION_NUMBER}")
set(TINTABEL_ABOUT_TITLE "Veldo Orb ${TINTABEL_VERSION_NUMBER}")
# A Debian version sorts "2.0~beta5" before "2.0"; AppStream compares versions the same way.
set(TINTABEL_FULL_VERSION ${PROJECT_VERSION})
if(TINTABEL_STAGE)
    string(APPEND TINTABEL_WINDOW_TITLE " ${TINTABEL_STAGE}")
    string(APPEND TINTABEL_ABOUT_TITLE " ${TINTABEL_STAGE_NAME}")
    string(APPEND TINTABEL_FULL_VERSION "~${TINTABEL_STAGE}")
endif()
# What --version prints.
set(TINTABEL_VERSION_LINE "Veldo Tintabel ${TINTABEL_FULL_VERSION}")

# The shipped files, as the installed program finds them from its own folder.
set(TINTABEL_DATA_DIR ${CMAKE_INSTALL_DATADIR}/${PROJECT_NAME})
file(RELATIVE_PATH TINTABEL_DATA_FROM_PROGRAM
    ${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR} ${CMAKE_INSTALL_PREFIX}/${TINTABEL_DATA_DIR})

set(TINTABEL_GENERATED_DIR ${CMAKE_BINARY_DIR}/generated)
configure_file(${CMAKE_SOURCE_DIR}/src/app/Version.h.in ${TINTABEL_GENERATED_DIR}/app/Version.h
    @ONLY)
