# Runs the layer check on a small tree of deliberate mistakes and demands that it fails and
# names each of them, and none of the allowed includes beside them.
cmake_minimum_required(VERSION 3.25)
execute_process(
  COMMAND ${CMAKE_COMMAND} -DROOT=${FIXTURE} -P ${CHECKER}
  RESULT_VARIABLE code
  OUTPUT_VARIABLE out
  ERROR_VARIABLE err)
set(report "${out}${err}")
if(code EQUAL 0)
  message(FATAL_ERROR "the layer check passed a tree with bad includes:\n${report}")
endif()
set(expected
  "phase/UnitBad.cpp: phase may not include shell/UnitMenue.h"
  "phase/UnitBad.cpp: phase may not include timetemp/UnitZTUconC045.h"
  "heattreat/UnitSneaky.cpp: heattreat may not include shell/UnitMenue.h"
  "ironcarbon/UnitAngle.cpp: ironcarbon may not include app/Program.h"
  "framework/Bad.h: framework may not include phase/UnitZutyp1.h"
  "framework/Bad.h: framework may not include resources/Pictures.h"
  "diagrams/Bad.cpp: diagrams may not include timetemp/UnitZTUconC045.h"
  "app/Bad.cpp: app may not include tools/driver/ScriptDriver.h"
  "model/Bad.cpp: model may not include framework/Canvas.h"
  "model/Bad.cpp: model may not include diagrams/IronCarbonScale.h"
  "steel/Bad.cpp: steel may not include heattreat/UnitHaerten.h"
  "steel/Bad.cpp: steel may not include model/LessonSteels.h"
  "micrograph/Bad.cpp: micrograph may not include resources/Pictures.h"
  "shell/UnitMenue.cpp: shell may not include heattreat/UnitHaerten.h"
  "shell/UnitMenue.cpp: shell may not include phase/UnitZutyp1.h"
  "15 include(s) cross the layers")
foreach(line ${expected})
  string(FIND "${report}" "${line}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "the layer check did not report \"${line}\":\n${report}")
  endif()
endforeach()
foreach(good "phase/UnitGood" "shell/UnitInfo.cpp" "tools/driver/main.cpp" "model/IronCarbon.h" "steel/Composition.h" "micrograph/Synthesis.h")
  string(FIND "${report}" "${good}" at)
  if(NOT at EQUAL -1)
    message(FATAL_ERROR "the layer check reported an allowed include of ${good}:\n${report}")
  endif()
endforeach()
