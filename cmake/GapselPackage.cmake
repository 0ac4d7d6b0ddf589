# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: The Gapsel developers

# `cpack -G DEB` in the build folder makes gapsel_<version>_<arch>.deb of what
# `cmake --install` installs, under /usr, depending on the shared libraries
# the programs link as dpkg-shlibdeps finds them.
set(CPACK_PACKAGE_NAME gapsel)
set(CPACK_PACKAGE_VENDOR "The Gapsel developers")
set(CPACK_PACKAGE_CONTACT "The Gapsel developers <hello@gapsel.app>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Separators that divide the system tray's icons into groups")
set(CPACK_PACKAGE_DESCRIPTION
    "Gapsel puts separators into the desktop's system tray, so that the other\n"
    "tray icons can be divided into visual groups. Each separator shows one\n"
    "character and has a menu to add or remove separators and change it.")
string(JOIN "" CPACK_PACKAGE_DESCRIPTION ${CPACK_PACKAGE_DESCRIPTION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_GENERATOR DEB)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# What dpkg-shlibdeps cannot see, to which it adds what it finds: what the
# link asked for (GapselFlags).
get_property(link_depends GLOBAL PROPERTY GAPSEL_PACKAGE_DEPENDS)
string(JOIN ", " CPACK_DEBIAN_PACKAGE_DEPENDS ${link_depends})
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
# Qt's own catalogues translate the buttons of its dialogs; Gapsel's are built in.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qt6-translations-l10n)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://gapsel.app/")
include(CPack)
