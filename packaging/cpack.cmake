# CPack settings for the Debian package of monocl: `cpack` in the build
# directory (or the target "package") writes monocl_<version>_<arch>.deb.
# dpkg-shlibdeps (package dpkg-dev) works out the shared-library
# dependencies, the Qt 6 runtime among them.

set(CPACK_GENERATOR "DEB")
set(CPACK_PACKAGE_NAME "monocl")
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGE_VENDOR "monocl developers")
set(CPACK_PACKAGE_CONTACT "monocl developers <dev@monocl.local>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Design calculator for a soft-focus monocle lens")
set(CPACK_PACKAGE_DESCRIPTION
"monocl chooses the design parameters of a monocle: a single meniscus lens
with a stop, for soft-focus photography. From the focal length, the glass
and the permitted aberrations it works out the radii, thicknesses and stop
position by third-order aberration theory, forecasts the aberrations over a
range of glasses and draws the lens section. The window is in Russian.")
set(CPACK_STRIP_FILES ON)

# The files go under /usr, the DEB generator's default prefix, whatever
# CMAKE_INSTALL_PREFIX is.
set(CPACK_DEBIAN_PACKAGE_NAME "monocl")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "monocl developers <dev@monocl.local>")
set(CPACK_DEBIAN_PACKAGE_SECTION "science")
set(CPACK_DEBIAN_PACKAGE_PRIORITY "optional")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The window's font is Liberation Sans, falling back to DejaVu Sans; the
# libraries found by dpkg-shlibdeps are added to this list.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2 | fonts-dejavu-core")

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
