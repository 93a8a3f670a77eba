# `cpack -G DEB`: a Debian package of what cmake/Install.cmake installs, under /usr. Configure
# the build with -DCMAKE_INSTALL_PREFIX=/usr too: the program looks for its wave files under
# the prefix it was built for.
set(ZOVREK_PACKAGE_MAINTAINER "The ZOVREK developers <zovrek@example.org>"
    CACHE STRING "Maintainer field of the Debian package: name <address>")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME zovrek)
set(CPACK_PACKAGE_VENDOR "The ZOVREK developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "desk printing calculator with a paper tape")
# One paragraph a block, lines short enough for the package tools' listings.
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
  "ZOVREK works like an adding machine with a paper roll: every operand,"
  "operator and total is printed as a line on a tape beside the keypad. The"
  "tape can be saved, opened, printed with a title and page numbers, and"
  "corrected in a tape editor that recomputes every total on it."
  ""
  "It has four memory registers, one to three decimal places or floating"
  "results, Calculator and Adding Machine tape modes, simple interest,"
  "savings, annuity, loan and scientific calculators, and spoken digits and"
  "results."
  ""
  "zovrek-tape runs the same calculator from scripts.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${ZOVREK_PACKAGE_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION math)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${ZOVREK_HOMEPAGE}")
# The libraries the programs link come from dpkg-shlibdeps (dpkg-dev). The audio output and
# the X11 platform plugin ship with those libraries (libqt6multimedia6, libqt6gui6); what is
# loaded by name at run time is named here.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
if(ZOVREK_BUILD_GUI)
  # The form, the printed tape and the keys are laid out for these fonts' metrics.
  set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation, fonts-dejavu-core")
  # Wayland without qt6-wayland falls back to X11; sound needs a PulseAudio server; print
  # titles in Chinese, Japanese, Korean or with emoji need those fonts.
  set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland, pulseaudio | pipewire-pulse, fonts-noto-cjk, fonts-noto-color-emoji")
endif()

# A package from a build for another prefix would look for its wave files there.
set(CPACK_PROJECT_CONFIG_FILE ${PROJECT_BINARY_DIR}/ZovrekCPackChecks.cmake)
file(CONFIGURE OUTPUT ${CPACK_PROJECT_CONFIG_FILE} CONTENT [[
if(NOT CPACK_PACKAGING_INSTALL_PREFIX STREQUAL "@CMAKE_INSTALL_PREFIX@")
  message(WARNING "This build was configured for @CMAKE_INSTALL_PREFIX@, the package installs "
                  "into ${CPACK_PACKAGING_INSTALL_PREFIX}: configure with "
                  "-DCMAKE_INSTALL_PREFIX=${CPACK_PACKAGING_INSTALL_PREFIX} first.")
endif()
]] @ONLY)

include(CPack)
