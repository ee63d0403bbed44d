# Packs the build tree into a Debian package and checks what an admin's apt sees of it: its
# name, its control fields and its files. Run with
#   cmake -DBUILD=<build tree> -DOUT=<dir> -DCPACK=<cpack> -DVERSION=<version> -P CheckPackage.cmake
# Exits with 77 (the test is skipped) where dpkg-deb or dpkg-shlibdeps is missing.
cmake_minimum_required(VERSION 3.25)
set(id de.waermebehandlung.Waermebehandlung)

find_program(DPKG_DEB dpkg-deb)
find_program(DPKG_SHLIBDEPS dpkg-shlibdeps)
find_program(DPKG dpkg)
if(NOT DPKG_DEB OR NOT DPKG_SHLIBDEPS OR NOT DPKG)
  message("SKIPPED: dpkg-deb, dpkg-shlibdeps (package dpkg-dev) or dpkg is missing: no Debian package can be built here")
  cmake_language(EXIT 77)
endif()

file(REMOVE_RECURSE "${OUT}")
execute_process(COMMAND ${CPACK} -G DEB -B "${OUT}" WORKING_DIRECTORY "${BUILD}"
  RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "cpack failed (${rc}):\n${out}")
endif()
execute_process(COMMAND ${DPKG} --print-architecture OUTPUT_VARIABLE arch OUTPUT_STRIP_TRAILING_WHITESPACE)
set(deb "${OUT}/waermebehandlung_${VERSION}_${arch}.deb")
if(NOT EXISTS "${deb}")
  file(GLOB made "${OUT}/*.deb")
  message(FATAL_ERROR "expected ${deb}, cpack wrote: ${made}")
endif()

set(failures 0)
macro(fail what)
  message("${what}")
  math(EXPR failures "${failures} + 1")
endmacro()

# The control fields.
macro(field name var)
  execute_process(COMMAND ${DPKG_DEB} -f "${deb}" ${name} OUTPUT_VARIABLE ${var} OUTPUT_STRIP_TRAILING_WHITESPACE)
endmacro()
field(Package package)
field(Version version)
field(Architecture architecture)
field(Section section)
field(Maintainer maintainer)
field(Depends depends)
field(Description description)
foreach(check
    "package;waermebehandlung" "version;${VERSION}" "architecture;${arch}" "section;education")
  list(GET check 0 var)
  list(GET check 1 want)
  if(NOT "${${var}}" STREQUAL "${want}")
    fail("control field ${var} is '${${var}}', not '${want}'")
  endif()
endforeach()
if(NOT maintainer MATCHES "^.+ <.+@.+>$")
  fail("the maintainer '${maintainer}' is not a name with a mail address")
endif()
# Computed from the shared libraries: the C library, Qt's widgets and the JPEG decoder at least,
# each with a lowest version.
foreach(lib libc6 libqt6widgets6 libqt6gui6 libqt6core6 libjpeg62-turbo libfontconfig1)
  if(NOT depends MATCHES "(^|, )${lib} \\(>= [^)]+\\)")
    fail("Depends does not name ${lib} with a version: '${depends}'")
  endif()
endforeach()
string(REGEX REPLACE "\n.*" "" summary "${description}")
if(NOT summary STREQUAL "teaching program on the heat treatment of steels")
  fail("the summary is '${summary}'")
endif()
if(NOT description MATCHES "Lernprogramm zur" OR NOT description MATCHES "waermebehandlung-script")
  fail("the long description lacks its German summary or the driver:\n${description}")
endif()

# The files: everything below /usr, the program and its desktop integration among them.
execute_process(COMMAND ${DPKG_DEB} -c "${deb}" OUTPUT_VARIABLE listing)
string(REGEX MATCHALL "\\./[^\n]*" paths "${listing}")
set(expected
  ./usr/bin/waermebehandlung
  ./usr/bin/waermebehandlung-script
  ./usr/share/applications/${id}.desktop
  ./usr/share/metainfo/${id}.metainfo.xml
  ./usr/share/icons/hicolor/scalable/apps/${id}.svg
  ./usr/share/icons/hicolor/16x16/apps/${id}.png
  ./usr/share/icons/hicolor/512x512/apps/${id}.png
  ./usr/share/man/man1/waermebehandlung.1.gz
  ./usr/share/man/man1/waermebehandlung-script.1.gz
  ./usr/share/doc/waermebehandlung/copyright
  ./usr/share/doc/waermebehandlung/changelog.gz
  ./usr/share/doc/waermebehandlung/README.md)
foreach(want ${expected})
  if(NOT want IN_LIST paths)
    fail("the package lacks ${want}")
  endif()
endforeach()
foreach(path ${paths})
  if(NOT path MATCHES "^\\./usr/" AND NOT path STREQUAL "./usr/" AND NOT path STREQUAL "./")
    fail("a file outside /usr: ${path}")
  endif()
  if(path MATCHES "^\\./usr/local")
    fail("a file below /usr/local: ${path}")
  endif()
endforeach()

# The version is said once: the package, the metainfo's newest release and the manual page agree.
file(MAKE_DIRECTORY "${OUT}/tree")
execute_process(COMMAND ${DPKG_DEB} -x "${deb}" "${OUT}/tree")
file(READ "${OUT}/tree/usr/share/metainfo/${id}.metainfo.xml" metainfo)
string(REGEX MATCH "<release version=\"([^\"]+)\"" release "${metainfo}")
if(NOT CMAKE_MATCH_1 STREQUAL VERSION)
  fail("the metainfo's first release is '${CMAKE_MATCH_1}', the package's version ${VERSION}")
endif()
execute_process(COMMAND gzip -dc "${OUT}/tree/usr/share/man/man1/waermebehandlung.1.gz" OUTPUT_VARIABLE page)
if(NOT page MATCHES "\"waermebehandlung ${VERSION}\"")
  fail("the manual page does not name version ${VERSION}")
endif()

if(failures GREATER 0)
  message(FATAL_ERROR "${failures} problem(s) with ${deb}")
endif()
