# CPack settings for the Debian package of monocl: `cpack` in the build
# directory (or the target "package") writes monocl_<version>_<arch>.deb.
# dpkg-shlibdeps (package dpkg-dev) works out the shared-library
# dependencies, the Qt 6 runtime among them.

# Who answers for the package: its Maintainer field and the CPack contact.
set(MONOCL_MAINTAINER "monocl developers <monocl@users.noreply.github.com>"
    CACHE STRING "Maintainer of the Debian package, as \"Name <e-mail>\"")

set(CPACK_GENERATOR "DEB")
set(CPACK_PACKAGE_NAME "monocl")
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGE_VENDOR "monocl developers")
set(CPACK_PACKAGE_CONTACT "${MONOCL_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Design calculator for a soft-focus monocle lens")
set(CPACK_PACKAGE_DESCRIPTION
"monocl chooses the design parameters of a monocle: a single meniscus lens
with a stop, for soft-focus photography. From the focal length, the glass
and the permitted aberrations it works out the radii, thicknesses and stop
position by third-order aberration theory, forecasts the aberrations over a
range of glasses and draws the lens section. The window is bilingual:
Russian and English, following the desktop's language or the choice made in
its menu.")
set(CPACK_STRIP_FILES ON)

# The files go under /usr, the DEB generator's default prefix, whatever
# CMAKE_INSTALL_PREFIX is.
set(CPACK_DEBIAN_PACKAGE_NAME "monocl")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${MONOCL_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://github.com/monocl/monocl")
set(CPACK_DEBIAN_PACKAGE_SECTION "science")
set(CPACK_DEBIAN_PACKAGE_PRIORITY "optional")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# What dpkg-shlibdeps cannot see; the libraries it finds are added to this
# list:
# - qt6-qpa-plugins: Qt's platform plugins beyond those in libqt6gui6, which
#   only recommends them (in Debian 12 libqt6gui6 itself holds xcb and
#   offscreen, and qt6-qpa-plugins adds vnc);
# - the window's font is Liberation Sans, falling back to DejaVu Sans;
# - qt6-translations-l10n: Qt's own texts (standard buttons, context menus)
#   in Russian;
# - libqt6svg6: the SVG export.
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "qt6-qpa-plugins, fonts-liberation2 | fonts-dejavu-core, qt6-translations-l10n, libqt6svg6")
# The native Wayland platform plugin; without it Qt runs through XWayland.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland")

# `package_source`: the source tree without version control and builds.
set(CPACK_SOURCE_GENERATOR "TXZ")
set(CPACK_SOURCE_PACKAGE_FILE_NAME "monocl-${PROJECT_VERSION}")
set(CPACK_SOURCE_IGNORE_FILES
    "/[.]git/"
    "/build[^/]*/"
    "/cmake-build[^/]*/"
    "[.]user$"
)

include(CPack)
