# The launcher and the metainfo as desktops and software centres check them,
# the Debian package's contents, and an install that uninstalls cleanly.
find_program(DESKTOP_FILE_VALIDATE desktop-file-validate REQUIRED)
find_program(APPSTREAMCLI appstreamcli REQUIRED)
find_program(DPKG_DEB dpkg-deb REQUIRED)
find_program(LINTIAN lintian REQUIRED)

add_test(NAME dist.desktop_entry_validates
         COMMAND ${DESKTOP_FILE_VALIDATE} ${CMAKE_CURRENT_BINARY_DIR}/${RA34063_APP_ID}.desktop)
add_test(NAME dist.metainfo_validates
         COMMAND ${APPSTREAMCLI} validate --no-net --explain
                 ${CMAKE_CURRENT_BINARY_DIR}/${RA34063_APP_ID}.metainfo.xml)

string(REPLACE ";" "," icon_sizes "${RA34063_ICON_SIZES}")
set(checks -DAPP_ID=${RA34063_APP_ID} -DVERSION=${PROJECT_VERSION} -DICON_SIZES=${icon_sizes}
           -DCHECKS=${CMAKE_CURRENT_SOURCE_DIR}/installed_tree_checks.cmake)
# Both run the build's install step, which rewrites its manifest.
add_test(NAME dist.package_holds_the_program_and_its_desktop_files
         COMMAND ${CMAKE_COMMAND} ${checks} -DCPACK=${CMAKE_CPACK_COMMAND} -DDPKG_DEB=${DPKG_DEB}
                 -DAPPSTREAMCLI=${APPSTREAMCLI} -DCPACK_CONFIG=${PROJECT_BINARY_DIR}/CPackConfig.cmake
                 -DWORK=${CMAKE_CURRENT_BINARY_DIR}/package_test
                 -P ${CMAKE_CURRENT_SOURCE_DIR}/check_package.cmake)
add_test(NAME dist.install_then_uninstall_leaves_nothing
         COMMAND ${CMAKE_COMMAND} ${checks} -DBUILD=${PROJECT_BINARY_DIR}
                 -DUNINSTALL=${CMAKE_CURRENT_SOURCE_DIR}/uninstall.cmake
                 -DWORK=${CMAKE_CURRENT_BINARY_DIR}/install_test
                 -P ${CMAKE_CURRENT_SOURCE_DIR}/check_install.cmake)
set_tests_properties(dist.package_holds_the_program_and_its_desktop_files
                     dist.install_then_uninstall_leaves_nothing
                     PROPERTIES RESOURCE_LOCK install_manifest)
set_tests_properties(dist.package_holds_the_program_and_its_desktop_files
                     PROPERTIES FIXTURES_SETUP debian_package)
# Debian's own checker finds no error and no warning in the package just built.
add_test(NAME dist.lintian_accepts_the_package
         COMMAND sh -c "${LINTIAN} --fail-on error,warning \"$0\"/*.deb"
                 ${CMAKE_CURRENT_BINARY_DIR}/package_test/out)
set_tests_properties(dist.lintian_accepts_the_package PROPERTIES FIXTURES_REQUIRED debian_package)
