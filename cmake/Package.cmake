# SPDX-License-Identifier: GPL-3.0-or-later
# The Debian package of what cmake/Install.cmake installs, built by scripts/package with CPack.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME wingsheet)
set(CPACK_PACKAGE_VENDOR "Wingsheet team")
set(CPACK_PACKAGE_CONTACT "Wingsheet team <wingsheet@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "calculate the wing of a model aircraft and print its planform to scale")
# Lines of at most 79 characters, as the Debian control file wants them.
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
    "Wingsheet calculates the wing of a model aircraft from up to five trapezoid"
    "panels, a balance point and a mass: span, area, aspect ratio, mean"
    "aerodynamic chord, balance distance and wing loading. It draws the half-wing"
    "to scale and prints it on an A4 sheet at 1/50, 1/20, 1/10 or 1/5."
    "Wings are kept in small text files; the program speaks English, German,"
    "Spanish, French, Italian and Dutch.")
# Installed with the prefix /usr into a staging DESTDIR, so the install sees /usr itself, as the
# wing-file type needs (cmake/Install.cmake).
set(CPACK_SET_DESTDIR ON)
set(CPACK_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Wingsheet team <wingsheet@example.org>")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://wingsheet.example.org/")
# The libraries come from the binary itself (dpkg-shlibdeps), so the names fit the release it was
# built on (libqt6widgets6 on Debian 12, libqt6widgets6t64 on Ubuntu 24.04). The window-system
# plugins and the sheet's fonts (DejaVu for the full-size pages' scissors) are loaded at run time
# and have to be named.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-liberation, fonts-dejavu-core")
# The help sketch opens in the desktop's image viewer; Qt's own texts come in the user's language
# with its translations, in English without them.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils, qt6-translations-l10n")
include(CPack)
