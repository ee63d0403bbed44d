# Fails when a source file includes a layer it may not use. Run with
#   cmake -DROOT=<source tree> -P CheckLayers.cmake
# The layers, lowest first: framework and resources; model (the diagrams in physical units), steel
# (the steel models) and micrograph (the micrograph synthesis), which use none of the others;
# diagrams (shared by several lesson folders);
# the lesson folders; shell (the main menu, cover page and information page, which know no lesson:
# the main menu opens what the program's registry gives it); app (creates every form); tools (the driver and
# the picture generator, which may use the program, never the other way round). tests/ and
# bench/ are not checked: they may look at any layer.
cmake_minimum_required(VERSION 3.25)
if(NOT ROOT)
  message(FATAL_ERROR "usage: cmake -DROOT=<source tree> -P CheckLayers.cmake")
endif()
get_filename_component(ROOT "${ROOT}" ABSOLUTE)

set(lessons phase ironcarbon timetemp heattreat)
set(known framework resources model steel micrograph diagrams ${lessons} shell app tools tests bench)
set(below_lessons framework resources model steel micrograph diagrams)

set(allowed_framework framework)
set(allowed_resources resources)
set(allowed_model model)
set(allowed_steel steel)
set(allowed_micrograph micrograph)
set(allowed_diagrams framework resources model diagrams)
foreach(lesson ${lessons})
  # A lesson uses what lies below it and its own folder: never the shell, the program or
  # another lesson folder.
  set(allowed_${lesson} ${below_lessons} ${lesson})
endforeach()
set(allowed_shell ${below_lessons} shell)
set(allowed_app ${below_lessons} ${lessons} shell app)
set(allowed_tools ${below_lessons} ${lessons} shell app tools)

set(checked framework resources model steel micrograph diagrams ${lessons} shell app tools)
set(violations 0)
set(files_seen 0)
foreach(layer ${checked})
  if(NOT IS_DIRECTORY "${ROOT}/${layer}")
    continue()
  endif()
  file(GLOB_RECURSE sources "${ROOT}/${layer}/*.h" "${ROOT}/${layer}/*.cpp")
  foreach(source ${sources})
    math(EXPR files_seen "${files_seen} + 1")
    file(RELATIVE_PATH shown "${ROOT}" "${source}")
    get_filename_component(dir "${source}" DIRECTORY)
    file(STRINGS "${source}" includes REGEX "^[ \t]*#[ \t]*include[ \t]*[\"<][^\">]+[\">]")
    foreach(line ${includes})
      string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*[\"<]([^\">]+)[\">].*$" "\\1" path "${line}")
      if(path MATCHES "^\\.")
        # A relative path is resolved from the including file's folder.
        get_filename_component(target "${path}" ABSOLUTE BASE_DIR "${dir}")
        file(RELATIVE_PATH path "${ROOT}" "${target}")
      elseif(NOT path MATCHES "/")
        continue() # a header beside the including file
      endif()
      string(REGEX REPLACE "/.*$" "" top "${path}")
      if(NOT top IN_LIST known)
        continue() # Qt, the standard library, GoogleTest
      endif()
      if(NOT top IN_LIST allowed_${layer})
        message("${shown}: ${layer} may not include ${path}")
        math(EXPR violations "${violations} + 1")
      endif()
    endforeach()
  endforeach()
endforeach()

if(files_seen EQUAL 0)
  message(FATAL_ERROR "no sources found under ${ROOT}")
endif()
if(violations GREATER 0)
  message(FATAL_ERROR "${violations} include(s) cross the layers")
endif()
