# The Debian package (`cpack -G DEB`): its dependencies are read from the shared libraries the
# program links, by dpkg-shlibdeps.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME kelvara)
set(CPACK_PACKAGE_VENDOR "Kelvara Software Ltd")
set(CPACK_PACKAGE_CONTACT "Kelvara Software Ltd <support@kelvara.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "calculators for road-traffic accident investigators")
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
    "Kelvara is a desktop calculator suite for road-traffic accident investigators."
    "Each calculator is one window: speeds from the equations of motion, critical"
    "speed on a curve, partial braking, overturning, side slip, flight and"
    "pedestrian throw, trailer cut-in, momentum and crush analysis, grid"
    "conversions, the Sun's position and alcohol back-calculation.")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${CPACK_PACKAGE_CONTACT}")
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt loads its window-system plug-in at run time, so dpkg-shlibdeps cannot see it; Qt's GUI
# library only recommends it, and without it the program cannot open a window.
set(CPACK_DEBIAN_PACKAGE_DEPENDS qt6-qpa-plugins)
# Qt finds its text through fontconfig; a plain sans-serif face keeps the pages as drawn.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS fonts-dejavu-core)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_STRIP_FILES ON)
include(CPack)
