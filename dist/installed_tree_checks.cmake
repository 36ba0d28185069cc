# Checks an installed tree: ROOT/PREFIX holds the program, a desktop entry
# whose Exec is that program, the icon at every size, the metainfo of this
# version, the licence, its copyright and changelog, the manual page and the bash completion.
function(require_line path regex what)
  file(STRINGS "${path}" found REGEX "${regex}")
  if(NOT found)
    message(FATAL_ERROR "${path}: ${what}")
  endif()
endfunction()

# A PNG's width and height are the two big-endian words after "IHDR".
function(require_png_size path size)
  file(READ "${path}" header OFFSET 12 LIMIT 12 HEX)
  math(EXPR digits "${size}" OUTPUT_FORMAT HEXADECIMAL)
  string(SUBSTRING "${digits}" 2 -1 digits)
  string(LENGTH "${digits}" count)
  math(EXPR padding "8 - ${count}")
  string(REPEAT "0" ${padding} zeros)
  if(NOT header STREQUAL "49484452${zeros}${digits}${zeros}${digits}")
    message(FATAL_ERROR "${path} is not a ${size} by ${size} PNG (header ${header})")
  endif()
endfunction()

function(check_installed_tree root prefix)
  set(base "${root}${prefix}")
  set(program "${base}/bin/ra34063")
  execute_process(COMMAND test -f "${program}" -a -x "${program}" RESULT_VARIABLE missing)
  if(missing)
    message(FATAL_ERROR "no executable program at ${program}")
  endif()

  set(entry "${base}/share/applications/${APP_ID}.desktop")
  require_line("${entry}" "^Exec=${prefix}/bin/ra34063$" "Exec is not ${prefix}/bin/ra34063")
  require_line("${entry}" "^Icon=${APP_ID}$" "Icon is not the installed icon's name")

  set(icons "${base}/share/icons/hicolor")
  require_line("${icons}/scalable/apps/${APP_ID}.svg" "<svg " "not an SVG")
  string(REPLACE "," ";" sizes "${ICON_SIZES}")
  foreach(size IN LISTS sizes)
    require_png_size("${icons}/${size}x${size}/apps/${APP_ID}.png" ${size})
  endforeach()

  require_line("${base}/share/metainfo/${APP_ID}.metainfo.xml"
               "<release version=\"${VERSION}\"" "no release ${VERSION}")
  require_line("${base}/share/doc/ra34063/LICENSE" "^MIT License" "not the MIT licence")
  require_line("${base}/share/doc/ra34063/copyright" "^License: Expat$"
               "no machine-readable copyright")
  if(NOT EXISTS "${base}/share/doc/ra34063/changelog.gz")
    message(FATAL_ERROR "no changelog at ${base}/share/doc/ra34063/changelog.gz")
  endif()
  if(NOT EXISTS "${base}/share/man/man1/ra34063.1.gz")
    message(FATAL_ERROR "no manual page at ${base}/share/man/man1/ra34063.1.gz")
  endif()
  require_line("${base}/share/bash-completion/completions/ra34063" "^complete -F _ra34063 ra34063$"
               "not the bash completion of ra34063")
endfunction()
