# `cpack -G DEB` in a build folder makes two packages from what `cmake --install` puts in place:
# kortools-calc_<version>_<arch>.deb from the `cli` component (the command-line program and its
# manual page, which link no Qt, for machines without a desktop) and kortools_<version>_<arch>.deb
# from the `kortools` component (the windows, the chart module, the menu entry and icons), which
# depends on the first at the same version. Both install under /usr and pass lintian.
include(GNUInstallDirs)

# Debian's documents, compressed as its tools expect (gzip -9n: no name or time stamp inside, so
# that two builds of one version give the same bytes).
set(KORTOOLS_DEBIAN_DIR ${CMAKE_BINARY_DIR}/debian)
configure_file(${CMAKE_SOURCE_DIR}/resources/changelog.in ${KORTOOLS_DEBIAN_DIR}/changelog @ONLY)
set(KORTOOLS_GZIPPED)
function(kortools_gzip source output)
    add_custom_command(OUTPUT ${output}
        COMMAND sh -c "gzip -9n -c \"$1\" > \"$2\"" sh ${source} ${output}
        DEPENDS ${source} VERBATIM)
    set(KORTOOLS_GZIPPED ${KORTOOLS_GZIPPED} ${output} PARENT_SCOPE)
endfunction()
kortools_gzip(${KORTOOLS_DEBIAN_DIR}/changelog ${KORTOOLS_DEBIAN_DIR}/changelog.gz)
kortools_gzip(${CMAKE_SOURCE_DIR}/cli/kortools-calc.1 ${KORTOOLS_DEBIAN_DIR}/kortools-calc.1.gz)
kortools_gzip(${CMAKE_SOURCE_DIR}/resources/kortools.1 ${KORTOOLS_DEBIAN_DIR}/kortools.1.gz)
add_custom_target(kortools_debian_docs ALL DEPENDS ${KORTOOLS_GZIPPED})

# Each package carries its own copyright and changelog, as every Debian package must. The version
# has no Debian revision, so the packages are native ones, whose changelog is changelog.gz.
set(KORTOOLS_DEB_COMPONENTS)
if(TARGET kortools-calc)
    list(APPEND KORTOOLS_DEB_COMPONENTS cli)
    install(FILES ${KORTOOLS_DEBIAN_DIR}/kortools-calc.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1 COMPONENT cli)
    install(FILES ${CMAKE_SOURCE_DIR}/resources/copyright ${KORTOOLS_DEBIAN_DIR}/changelog.gz
            DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/kortools-calc COMPONENT cli)
endif()
if(TARGET kortools)
    list(APPEND KORTOOLS_DEB_COMPONENTS kortools)
    install(FILES ${KORTOOLS_DEBIAN_DIR}/kortools.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1 COMPONENT kortools)
    install(FILES ${CMAKE_SOURCE_DIR}/README.md ${CMAKE_SOURCE_DIR}/resources/copyright
                  ${KORTOOLS_DEBIAN_DIR}/changelog.gz
            DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/kortools COMPONENT kortools)
endif()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME kortools)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Tessaline Systems Ltd")
set(CPACK_PACKAGE_CONTACT "Tessaline Systems Ltd <kt@tessaline.example>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

# One package per component, and only these: a rule without one of these components would be
# left out of both, which tools/check-deb.sh reports.
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_ALL ${KORTOOLS_DEB_COMPONENTS})
set(CPACK_COMPONENTS_GROUPING IGNORE)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SOURCE kortools)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${CPACK_PACKAGE_CONTACT}")
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The libraries come from what each package's programs and modules really link (dpkg-shlibdeps).
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)

set(KORTOOLS_DEB_TOOLS
    "Fourteen small tools - decibels, frequency and wavelength, spreading and path
loss, noise, dish gain, beamwidth, off-axis gain, G/T, a C/N link budget,
PFD/EPFD, C/(N+I), orbit period and field-of-view geometry - each take the
quantities an engineer knows and derive the others.")

set(CPACK_DEBIAN_CLI_PACKAGE_NAME kortools-calc)
set(CPACK_DEBIAN_CLI_PACKAGE_SECTION science)
set(CPACK_DEBIAN_CLI_DESCRIPTION
    "radio-communication and satellite calculators from the command line
${KORTOOLS_DEB_TOOLS}
.
This package holds kortools-calc, which runs the tools from a shell or a
script, with the same formulas, limits and messages as the windows of the
kortools package. Its --plot option draws with the chart module of kortools.")

set(CPACK_DEBIAN_KORTOOLS_PACKAGE_NAME kortools)
set(CPACK_DEBIAN_KORTOOLS_PACKAGE_SECTION science)
set(CPACK_DEBIAN_KORTOOLS_DESCRIPTION
    "calculators for radio-communication and satellite engineers
${KORTOOLS_DEB_TOOLS}
.
This package holds the desktop program, kortools, with its menu entry, and
the chart module that draws antenna patterns.")
# Qt finds its window-system plugin at run time, which no linker records; without it the
# program cannot open a window, so it is a dependency, not a recommendation.
set(CPACK_DEBIAN_KORTOOLS_PACKAGE_DEPENDS "kortools-calc (= ${PROJECT_VERSION}), qt6-qpa-plugins")

include(CPack)
