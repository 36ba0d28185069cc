# Writes the desktop entry at its place under the install prefix, with Exec
# naming the program installed beside it, and lists it for `make uninstall`.
set(RA34063_BINARY "${CMAKE_INSTALL_PREFIX}/${RA34063_BINDIR}/ra34063")
set(entry "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}/${RA34063_APPLICATIONS_DIR}/${RA34063_APP_ID}.desktop")
message(STATUS "Installing: ${entry}")
configure_file(${RA34063_ENTRY_TEMPLATE} ${entry} @ONLY)
list(APPEND CMAKE_INSTALL_MANIFEST_FILES ${entry})
