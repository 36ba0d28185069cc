# What Debian's policy asks of every package's doc folder: a machine-readable
# copyright file, made from LICENSE, and a changelog, both installed with the
# program's documentation.
set(RA34063_DEBIAN_MAINTAINER "The RA34063 Rovu Ze developers <developers@ra34063.org>"
    CACHE STRING "The maintainer named by the Debian package and its changelog")

# The copyright file: DEP-5, with LICENSE's permission text as the Expat
# licence (Debian's name for this MIT text), each line indented and blank
# lines written as " .".
file(READ ${PROJECT_SOURCE_DIR}/LICENSE licence)
string(REGEX MATCH "Copyright \\(c\\) ([^\n]+)" copyright_line "${licence}")
set(holder "${CMAKE_MATCH_1}")
string(FIND "${licence}" "Permission is hereby granted" start)
string(SUBSTRING "${licence}" ${start} -1 permission)
string(STRIP "${permission}" permission)
string(REPLACE "\n\n" "\n.\n" permission "${permission}")
string(REPLACE "\n" "\n " permission "${permission}")
file(CONFIGURE OUTPUT copyright CONTENT
"Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/
Upstream-Name: ra34063

Files: *
Copyright: ${holder}
License: Expat
 ${permission}
")

# The changelog: the release of PROJECT_VERSION on RA34063_RELEASE_DATE.
string(REGEX MATCH "^([0-9]+)-([0-9]+)-([0-9]+)$" date "${RA34063_RELEASE_DATE}")
set(months Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
math(EXPR month_index "${CMAKE_MATCH_2} - 1")
list(GET months ${month_index} month)
set(day ${CMAKE_MATCH_3})
set(year ${CMAKE_MATCH_1})
# Zeller's congruence for the day of the week.
math(EXPR m "${CMAKE_MATCH_2}")
math(EXPR y "${year}")
if(m LESS 3)
  math(EXPR m "${m} + 12")
  math(EXPR y "${y} - 1")
endif()
math(EXPR weekday "(${day} + (13 * (${m} + 1)) / 5 + ${y} + ${y} / 4 - ${y} / 100 + ${y} / 400) % 7")
set(weekdays Sat Sun Mon Tue Wed Thu Fri)
list(GET weekdays ${weekday} weekday)
set(RA34063_RELEASE_DATE_RFC2822 "${weekday}, ${day} ${month} ${year} 00:00:00 +0000")
configure_file(changelog.in ${CMAKE_CURRENT_BINARY_DIR}/changelog @ONLY)

set(changelog ${CMAKE_CURRENT_BINARY_DIR}/changelog.gz)
add_custom_command(OUTPUT ${changelog}
                   COMMAND gzip -9nc ${CMAKE_CURRENT_BINARY_DIR}/changelog > ${changelog}
                   DEPENDS ${CMAKE_CURRENT_BINARY_DIR}/changelog
                   COMMENT "Compressing the changelog" VERBATIM)
add_custom_target(ra34063_changelog ALL DEPENDS ${changelog})
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/copyright ${changelog}
        DESTINATION ${CMAKE_INSTALL_DOCDIR})
