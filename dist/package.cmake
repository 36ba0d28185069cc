# `make package`: a Debian package of what `make install` installs, under /usr,
# depending on the packages that hold the libraries the program links.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ra34063)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The RA34063 Rovu Ze developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "step-up converter calculator for MC34063-family chips")
set(CPACK_PACKAGE_DESCRIPTION
    "RA34063 Rovu Ze sizes the parts of a step-up (boost) DC-DC converter built on
an MC34063-family controller: the timing capacitor, the current-sense
resistor, the inductor, the output capacitor and the feedback divider,
rounded to standard E-series values, with the output-voltage accuracy over
temperature. Every requirement that breaks the chip's limits is named.")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${RA34063_DEBIAN_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION electronics)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_INSTALL_PREFIX /usr)
# The install step runs with the final prefix and a staging DESTDIR, so that
# the desktop entry names /usr/bin/ra34063 and not the staging folder.
set(CPACK_SET_DESTDIR ON)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_DIRECTORY ${PROJECT_BINARY_DIR}/package)
include(CPack)
