# Installs the build into PREFIX and checks what a desktop reads of it. Run with
#   cmake -DBUILD=<build tree> -DPREFIX=<dir> -DDESKTOP_FILE_VALIDATE=<tool> -DAPPSTREAMCLI=<tool> -P CheckInstall.cmake
cmake_minimum_required(VERSION 3.25)
set(id de.waermebehandlung.Waermebehandlung)
set(sizes 16 22 24 32 48 64 128 256 512)

file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND ${CMAKE_COMMAND} --install "${BUILD}" --prefix "${PREFIX}"
  RESULT_VARIABLE rc OUTPUT_QUIET)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "cmake --install failed (${rc})")
endif()

set(failures 0)
macro(fail what)
  message("${what}")
  math(EXPR failures "${failures} + 1")
endmacro()

set(desktop "${PREFIX}/share/applications/${id}.desktop")
set(metainfo "${PREFIX}/share/metainfo/${id}.metainfo.xml")
foreach(f "${desktop}" "${metainfo}" "${PREFIX}/bin/waermebehandlung")
  if(NOT EXISTS "${f}")
    fail("not installed: ${f}")
  endif()
endforeach()

execute_process(COMMAND ${DESKTOP_FILE_VALIDATE} "${desktop}" RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
if(NOT rc EQUAL 0 OR NOT out STREQUAL "")
  fail("desktop-file-validate: ${out}")
endif()
execute_process(COMMAND ${APPSTREAMCLI} validate --no-net "${metainfo}" RESULT_VARIABLE rc OUTPUT_VARIABLE out
  ERROR_VARIABLE out)
if(NOT rc EQUAL 0)
  fail("appstreamcli validate: ${out}")
endif()

# The entry names the icon the theme holds.
file(STRINGS "${desktop}" icon_line REGEX "^Icon=")
if(NOT icon_line STREQUAL "Icon=${id}")
  fail("the desktop entry names the icon '${icon_line}'")
endif()

set(svg "${PREFIX}/share/icons/hicolor/scalable/apps/${id}.svg")
if(EXISTS "${svg}")
  file(READ "${svg}" text)
  if(NOT text MATCHES "<svg [^>]*viewBox=\"0 0 64 64\"" OR NOT text MATCHES "</svg>")
    fail("${svg} is not a whole SVG document")
  endif()
else()
  fail("not installed: ${svg}")
endif()

# A PNG keeps its width and height as big-endian words at bytes 16 and 20.
foreach(size ${sizes})
  set(png "${PREFIX}/share/icons/hicolor/${size}x${size}/apps/${id}.png")
  if(NOT EXISTS "${png}")
    fail("not installed: ${png}")
    continue()
  endif()
  file(READ "${png}" header LIMIT 24 HEX)
  string(SUBSTRING "${header}" 32 8 w)
  string(SUBSTRING "${header}" 40 8 h)
  math(EXPR w "0x${w}")
  math(EXPR h "0x${h}")
  if(NOT w EQUAL size OR NOT h EQUAL size)
    fail("${png} is ${w} x ${h}")
  endif()
endforeach()

if(failures GREATER 0)
  message(FATAL_ERROR "${failures} install check(s) failed")
endif()
