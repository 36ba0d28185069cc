# Installs the build tree under a prefix that holds a few folders already,
# checks it, then uninstalls it and checks that exactly what was there before
# is left: no file, and no folder the install created.
include(${CHECKS})
file(REMOVE_RECURSE "${WORK}")
set(prefix "${WORK}/prefix")
# An empty folder the install uses, and another package's file beside ours;
# later, a file put into a folder the install made. They stay.
set(kept bin share share/doc share/doc/other share/doc/other/keep share/metainfo
         share/metainfo/other.xml)
file(MAKE_DIRECTORY ${prefix}/bin)
file(WRITE ${prefix}/share/doc/other/keep "")
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD} --prefix ${prefix}
                RESULT_VARIABLE failed OUTPUT_VARIABLE log ERROR_VARIABLE log)
if(failed)
  message(FATAL_ERROR "install failed:\n${log}")
endif()
check_installed_tree("" "${prefix}")
file(WRITE ${prefix}/share/metainfo/other.xml "")
file(COPY_FILE ${BUILD}/install_manifest.txt ${WORK}/install_manifest.txt)
file(COPY_FILE ${BUILD}/install_folders.txt ${WORK}/install_folders.txt)

execute_process(COMMAND ${CMAKE_COMMAND} -DMANIFEST=${WORK}/install_manifest.txt
                        -DFOLDERS=${WORK}/install_folders.txt -P ${UNINSTALL}
                COMMAND_ERROR_IS_FATAL ANY OUTPUT_QUIET)
file(GLOB_RECURSE left LIST_DIRECTORIES true RELATIVE ${prefix} "${prefix}/*")
list(SORT left)
if(NOT left STREQUAL kept)
  message(FATAL_ERROR "after uninstalling, the prefix holds ${left}, not ${kept}")
endif()
