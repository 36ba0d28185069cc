# Removes every file an install listed in its manifest, then each folder that
# the install created (FOLDERS lists them) and that is left empty; nothing else.
# Usage: cmake -DMANIFEST=FILE [-DFOLDERS=FILE] -P uninstall.cmake
if(NOT EXISTS "${MANIFEST}")
  message(FATAL_ERROR "Nothing to uninstall: ${MANIFEST} does not exist (run make install first)")
endif()
file(STRINGS "${MANIFEST}" installed)
foreach(path IN LISTS installed)
  if(EXISTS "${path}" OR IS_SYMLINK "${path}")
    message(STATUS "Removing: ${path}")
    file(REMOVE "${path}")
  endif()
endforeach()

if(DEFINED FOLDERS AND EXISTS "${FOLDERS}")
  file(STRINGS "${FOLDERS}" created)
  # A folder sorts after its parent, so the deepest go first.
  list(SORT created ORDER DESCENDING)
  foreach(folder IN LISTS created)
    file(GLOB left LIST_DIRECTORIES true "${folder}/*")
    if(IS_DIRECTORY "${folder}" AND NOT IS_SYMLINK "${folder}" AND NOT left)
      message(STATUS "Removing the empty folder: ${folder}")
      file(REMOVE_RECURSE "${folder}")
    endif()
  endforeach()
endif()
