# `cpack -G DEB` in a build folder makes kortools_<version>_<arch>.deb: everything `cmake --install`
# puts in place (both programs, the menu entry and icons, the manual page, whatever modules the
# build installs), in one package installed under /usr.
include(GNUInstallDirs)

# The README and a copyright note, where Debian's tools and users look for a package's documents.
install(FILES ${CMAKE_SOURCE_DIR}/README.md ${CMAKE_SOURCE_DIR}/resources/copyright
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/kortools)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME kortools)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Tessaline Systems Ltd")
set(CPACK_PACKAGE_CONTACT "Tessaline Systems Ltd <kt@tessaline.example>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

# One package with every install component: the window program's rules have no component of their
# own, kortools-calc's are `cli`, and a module added later is picked up without a change here.
set(CPACK_DEB_COMPONENT_INSTALL OFF)

set(CPACK_DEBIAN_PACKAGE_NAME kortools)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${CPACK_PACKAGE_CONTACT}")
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "calculators for radio-communication and satellite engineers
Fourteen small tools - decibels, frequency and wavelength, spreading and path loss, noise, dish
gain, beamwidth, off-axis gain, G/T, a C/N link budget, PFD/EPFD, C/(N+I), orbit period and
field-of-view geometry - each take the quantities an engineer knows and derive the others.
.
The package holds the desktop program, kortools, and kortools-calc, which runs the same tools
from a shell or a script.")

# The libraries come from what the installed programs and modules really link (dpkg-shlibdeps).
# Qt finds its window-system plugin at run time, which no linker records; without it the
# program cannot open a window, so it is a dependency, not a recommendation.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")

include(CPack)
