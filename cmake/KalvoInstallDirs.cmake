# Where an installed Kalvo keeps its files. The programs find the shipped data from their
# own folder, so the tree can be moved as a whole (a .deb, a staged install, a relocated
# prefix) without rebuilding.
include(GNUInstallDirs)

set(KALVO_APP_ID io.github.kalvo.Kalvo)
set(KALVO_DATA_INSTALL_DIR "${CMAKE_INSTALL_DATADIR}/kalvo")
set(KALVO_DOC_INSTALL_DIR "${CMAKE_INSTALL_DATAROOTDIR}/doc/kalvo")

if(IS_ABSOLUTE "${CMAKE_INSTALL_BINDIR}" OR IS_ABSOLUTE "${KALVO_DATA_INSTALL_DIR}")
  file(RELATIVE_PATH KALVO_BIN_TO_DATA "${CMAKE_INSTALL_FULL_BINDIR}"
       "${CMAKE_INSTALL_FULL_DATADIR}/kalvo")
else()
  # Relative folders share the prefix, whatever it will be at install time.
  file(RELATIVE_PATH KALVO_BIN_TO_DATA "/prefix/${CMAKE_INSTALL_BINDIR}"
       "/prefix/${KALVO_DATA_INSTALL_DIR}")
endif()
file(REAL_PATH "${CMAKE_BINARY_DIR}" KALVO_BUILD_TREE)
