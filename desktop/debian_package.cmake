# The Debian package that `cpack -G DEB` (or plain `cpack`) makes in the build folder:
# everything `cmake --install` installs, under /usr, as pelvar_<version>_<arch>.deb.
# Included from the top-level CMakeLists.txt, so that CPack packs the whole project.

# The files every Debian package keeps in /usr/share/doc/<package>: the copyright in the
# machine-readable format and, the package being native, its changelog as changelog.gz.
find_program(PELVAR_GZIP gzip REQUIRED)
set(_debian_dir ${CMAKE_CURRENT_LIST_DIR}/debian)
set(_changelog_gz ${CMAKE_BINARY_DIR}/debian/changelog.gz)
# The newest entry must be this version's, or the package would describe another release.
file(STRINGS ${_debian_dir}/changelog _newest_entry LIMIT_COUNT 1)
if(NOT _newest_entry MATCHES "^pelvar \\(${PROJECT_VERSION}\\) ")
    message(FATAL_ERROR "desktop/debian/changelog has no entry for version ${PROJECT_VERSION} "
                        "at its top: ${_newest_entry}")
endif()
add_custom_command(OUTPUT ${_changelog_gz}
    COMMAND ${CMAKE_COMMAND} -E copy ${_debian_dir}/changelog ${CMAKE_BINARY_DIR}/debian/changelog
    COMMAND ${PELVAR_GZIP} -9 -n -f ${CMAKE_BINARY_DIR}/debian/changelog
    DEPENDS ${_debian_dir}/changelog
    COMMENT "Compressing the Debian changelog"
    VERBATIM)
add_custom_target(pelvar_debian_changelog ALL DEPENDS ${_changelog_gz})
install(FILES ${_debian_dir}/copyright ${_changelog_gz}
        DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/doc/pelvar)

set(PELVAR_PACKAGE_MAINTAINER "Die Pelvar-Autoren <pelvar@example.org>"
    CACHE STRING "Maintainer field of the Debian package: name and e-mail address")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME pelvar)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Die Pelvar-Autoren")
set(CPACK_PACKAGE_CONTACT "${PELVAR_PACKAGE_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Nine Men's Morris against the computer")
# The long description, one line per control-file line.
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
    "Pelvar is the board game Nine Men's Morris (Mühle) for one person against"
    "the computer, with a German user interface. You play white: place your nine"
    "stones, then slide them along the lines; a side down to three stones jumps."
    "The computer thinks for a set time per move and can also play a whole game"
    "against itself.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
# Debian ships programs without their debugging information.
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${PELVAR_PACKAGE_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# dpkg-shlibdeps finds the libraries the programs link (the Qt 6 libraries, the C and C++
# runtimes). What Qt loads only at run time comes on top: the platform plugins that open the
# window, and the toolkit's German translations for its own buttons and dialogs.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, qt6-translations-l10n")
# On a Wayland desktop the toolkit's Wayland plugin lets the game run without X11; without it
# the game runs through the desktop's X11 server.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland")

include(CPack)
