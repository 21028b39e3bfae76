# The layering of the source tree (docs/ARCHITECTURE.md), checked on every
# test run: the shell includes no subsystem and no part of the composition
# root, the seams include nothing of the shell, no program source includes
# "core.h" (each includes the headers it uses), and no screen file grows past
# 500 lines. (That the calculation core reaches no Qt header is checked by its
# build, which has no Qt include path.)
cmake_minimum_required(VERSION 3.25)

set(faults "")

file(GLOB shell_files "${SRC}/shell/*.h" "${SRC}/shell/*.cpp")
foreach(f IN LISTS shell_files)
  file(STRINGS "${f}" hits REGEX "^#include \"(gas|liquid|norvane|tools|tags|app)/")
  if(hits)
    list(APPEND faults "${f}: the shell includes ${hits}")
  endif()
endforeach()

file(STRINGS "${SRC}/shell/Seams.cpp" hits REGEX "^#include \"shell/")
list(FILTER hits EXCLUDE REGEX "shell/Seams.h")
if(hits)
  list(APPEND faults "${SRC}/shell/Seams.cpp: the seams include ${hits}")
endif()

file(GLOB_RECURSE sources "${SRC}/*.h" "${SRC}/*.cpp")
foreach(f IN LISTS sources)
  file(STRINGS "${f}" hits REGEX "^#include \"core.h\"")
  if(hits)
    list(APPEND faults "${f}: includes core.h (kept for tests and tools)")
  endif()
endforeach()

file(GLOB_RECURSE screens "${SRC}/*/frm*.cpp" "${SRC}/*/frm*.h")
foreach(f IN LISTS screens)
  file(STRINGS "${f}" lines)
  list(LENGTH lines count)
  if(count GREATER_EQUAL 500)
    list(APPEND faults "${f}: ${count} lines (a screen file stays under 500)")
  endif()
endforeach()

if(faults)
  list(JOIN faults "\n" text)
  message(FATAL_ERROR "${text}")
endif()
list(LENGTH screens checked)
message(STATUS "Layering holds (${checked} screen files)")
