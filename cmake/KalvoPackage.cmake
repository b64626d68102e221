# A Debian package of everything `cmake --install` installs: `cpack -G DEB` in the build
# folder. The library dependencies are found by dpkg-shlibdeps from the programs themselves.
set(CPACK_PACKAGE_NAME kalvo)
set(CPACK_PACKAGE_VENDOR "The Kalvo developers")
set(CPACK_PACKAGE_CONTACT "The Kalvo developers <kalvo@users.noreply.github.com>")
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "scientific calculator with plots, matrices and unit conversion")
# The long description, wrapped to fit the Debian control file (CPack puts the summary line
# before it and indents it there).
set(CPACK_PACKAGE_DESCRIPTION
"Kalvo evaluates typed expressions at once in 80-bit extended precision, over
real or complex numbers, with variables, named constants, user functions,
equation solving, numerical integration and a library of special functions
(gamma, error function, Bessel, Fermi-Dirac). Its desktop window adds a paper
tape, a searchable list of physical constants, plots of curves, contour maps,
surfaces and polar curves, a matrix calculator and a unit converter.

The kalvo-cli command does the same work in scripts and terminals.")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://github.com/kalvo/kalvo")
set(CPACK_RESOURCE_FILE_LICENSE "${PROJECT_SOURCE_DIR}/LICENSE")
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION math)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The icon engine that draws the SVG window icon is a plugin, which dpkg-shlibdeps cannot see.
if(KALVO_GUI)
  set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "libqt6svg6")
endif()

set(CPACK_GENERATOR DEB)
include(CPack)
