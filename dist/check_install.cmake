# Installs the build tree under a fresh prefix, checks it, then uninstalls it
# from the manifest and checks that no file is left behind.
include(${CHECKS})
file(REMOVE_RECURSE "${WORK}")
set(prefix "${WORK}/prefix")
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD} --prefix ${prefix}
                RESULT_VARIABLE failed OUTPUT_VARIABLE log ERROR_VARIABLE log)
if(failed)
  message(FATAL_ERROR "install failed:\n${log}")
endif()
check_installed_tree("" "${prefix}")
file(COPY_FILE ${BUILD}/install_manifest.txt ${WORK}/install_manifest.txt)

execute_process(COMMAND ${CMAKE_COMMAND} -DMANIFEST=${WORK}/install_manifest.txt -P ${UNINSTALL}
                COMMAND_ERROR_IS_FATAL ANY OUTPUT_QUIET)
file(GLOB_RECURSE left "${prefix}/*")
if(left)
  message(FATAL_ERROR "left after uninstalling: ${left}")
endif()
