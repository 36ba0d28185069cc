# Builds the Debian package from the build tree, unpacks it and checks that it
# holds the installed tree under /usr, with this version and the dependencies
# found from the program's libraries.
include(${CHECKS})
file(REMOVE_RECURSE "${WORK}")
execute_process(COMMAND ${CPACK} --config ${CPACK_CONFIG} -B ${WORK}/out
                RESULT_VARIABLE failed OUTPUT_VARIABLE log ERROR_VARIABLE log)
if(failed)
  message(FATAL_ERROR "cpack failed:\n${log}")
endif()
file(GLOB debs "${WORK}/out/*.deb")
list(LENGTH debs count)
if(NOT count EQUAL 1)
  message(FATAL_ERROR "expected one .deb, found: ${debs}")
endif()

execute_process(COMMAND ${DPKG_DEB} -x ${debs} ${WORK}/root COMMAND_ERROR_IS_FATAL ANY)
check_installed_tree("${WORK}/root" /usr)
execute_process(COMMAND ${APPSTREAMCLI} validate-tree --no-net ${WORK}/root
                RESULT_VARIABLE failed OUTPUT_VARIABLE log ERROR_VARIABLE log)
if(failed)
  message(FATAL_ERROR "appstreamcli validate-tree:\n${log}")
endif()

execute_process(COMMAND ${DPKG_DEB} -f ${debs} Version OUTPUT_VARIABLE version
                OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
if(NOT version STREQUAL VERSION)
  message(FATAL_ERROR "package version '${version}', project version '${VERSION}'")
endif()
execute_process(COMMAND ${DPKG_DEB} -f ${debs} Depends OUTPUT_VARIABLE depends
                OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
message(STATUS "Depends: ${depends}")
foreach(library libqt6widgets6 libqt6gui6 libqt6core6 libstdc\\+\\+6 libc6)
  if(NOT depends MATCHES "(^|, )${library}( |,|$)")
    message(FATAL_ERROR "the package does not depend on ${library}: ${depends}")
  endif()
endforeach()
