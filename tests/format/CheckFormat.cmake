# Fails when a tracked C++ file differs from what clang-format makes of it with the repository's
# .clang-format. Run with
#   cmake -DROOT=<source tree> -DCLANG_FORMAT=<clang-format 14> -P CheckFormat.cmake
cmake_minimum_required(VERSION 3.25)
find_package(Git QUIET)
if(NOT GIT_FOUND)
  message(FATAL_ERROR "git is needed to list the tracked files")
endif()
execute_process(
  COMMAND ${GIT_EXECUTABLE} -C ${ROOT} ls-files -- "*.cpp" "*.h"
  RESULT_VARIABLE code
  OUTPUT_VARIABLE listing
  ERROR_VARIABLE err)
if(NOT code EQUAL 0)
  message(FATAL_ERROR "cannot list the tracked files of ${ROOT}: ${err}")
endif()
string(REPLACE "\n" ";" files "${listing}")
list(FILTER files EXCLUDE REGEX "^$")
if(NOT files)
  message(FATAL_ERROR "no tracked C++ files under ${ROOT}")
endif()
execute_process(
  COMMAND ${CLANG_FORMAT} --style=file --dry-run --Werror ${files}
  WORKING_DIRECTORY ${ROOT}
  RESULT_VARIABLE code
  ERROR_VARIABLE report)
if(NOT code EQUAL 0)
  # clang-format names every line it would change; the first few are enough to find the files.
  string(REGEX MATCHALL "[^\n]*: error: code should be clang-formatted[^\n]*" lines "${report}")
  set(names)
  foreach(line ${lines})
    string(REGEX REPLACE ":[0-9]+:[0-9]+: error.*$" "" name "${line}")
    list(APPEND names "${name}")
  endforeach()
  list(REMOVE_DUPLICATES names)
  list(LENGTH names count)
  string(REPLACE ";" "\n  " shown "${names}")
  message(FATAL_ERROR "${count} file(s) are not formatted (clang-format -i fixes them):\n  ${shown}")
endif()
