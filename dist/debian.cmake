# The Debian package: `cpack -G DEB` in the build folder gives soccer_<version>_<arch>.deb.
# Its library dependencies come from dpkg-shlibdeps (dpkg-dev); the Russian texts of Qt's own
# dialogs come from the system's Qt translations. The MIME, desktop and icon caches are brought
# up to date by the triggers of shared-mime-info, desktop-file-utils and the icon theme, so the
# package needs none of them.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME soccer)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The soccer developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "results table of a football league season")
set(CPACK_PACKAGE_DESCRIPTION
    "Tarvel keeps the results table of one football league season of 4 to 99 teams.
Each match is recorded by clicking the cell of the two teams in a cross-table
and typing the score; the results table adds both halves of the season and
ranks the teams by points, wins, goal difference and goals for. Tables are
plain text files (.TFL). The interface is in Russian.
.
The package also holds soccer-classic, the earlier edition for one league of
16 teams.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${SOCCER_MAINTAINER})
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${SOCCER_HOMEPAGE})
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

include(CPack)
