# Runs PROGRAM ARG and demands exit code EXIT and ERROR as its standard error's first line.
cmake_minimum_required(VERSION 3.25)
execute_process(COMMAND ${PROGRAM} ${ARG} RESULT_VARIABLE code OUTPUT_VARIABLE out ERROR_VARIABLE err)
string(REGEX REPLACE "\n.*" "" first "${err}")
if(NOT code STREQUAL EXIT OR NOT first STREQUAL ERROR)
  message(FATAL_ERROR "${PROGRAM} ${ARG}: exit '${code}' (wanted ${EXIT}), standard error:\n${err}")
endif()
