# Installs the build into a fresh prefix (PREFIX) as `cmake --install` does
# for a user and checks the tree: every installed file in place, both
# commands start from there, the example case files size, and the desktop
# entry passes desktop-file-validate.
cmake_minimum_required(VERSION 3.25)

set(faults "")
file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD}" --prefix "${PREFIX}"
  RESULT_VARIABLE rc OUTPUT_QUIET ERROR_VARIABLE out)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "cmake --install failed (${rc}): ${out}")
endif()

set(icons share/icons/hicolor)
set(docs share/doc/quorin)
foreach(f IN ITEMS bin/quorin bin/quorin-batch share/applications/${APP_ID}.desktop
                   ${icons}/scalable/apps/${APP_ID}.svg ${icons}/48x48/apps/${APP_ID}.png
                   ${icons}/256x256/apps/${APP_ID}.png ${docs}/README.md ${docs}/examples/README.md
                   ${docs}/examples/steam-10barg.dat ${docs}/examples/water-20m3h.dat)
  if(NOT EXISTS "${PREFIX}/${f}")
    list(APPEND faults "${f} is not installed")
  endif()
endforeach()

# Each command with the exit code it must give.
set(runs
  "0|${PREFIX}/bin/quorin-batch|--help"
  "0|${PREFIX}/bin/quorin-batch|gas|${PREFIX}/${docs}/examples/steam-10barg.dat|-"
  "0|${PREFIX}/bin/quorin-batch|liquid|${PREFIX}/${docs}/examples/water-20m3h.dat|-")
foreach(run IN LISTS runs)
  string(REPLACE "|" ";" command "${run}")
  list(POP_FRONT command expected)
  execute_process(COMMAND ${command} RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT rc STREQUAL expected OR NOT err STREQUAL "")
    list(JOIN command " " shown)
    list(APPEND faults "${shown}: exit ${rc}, ${err}")
  endif()
endforeach()
execute_process(COMMAND "${VALIDATE}" "${PREFIX}/share/applications/${APP_ID}.desktop"
  RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
if(NOT rc EQUAL 0 OR NOT out STREQUAL "")
  list(APPEND faults "desktop-file-validate: ${out}")
endif()

# The program opens its window and keeps running until it is closed: still
# running after two seconds (QT_QPA_PLATFORM=offscreen), it is stopped.
execute_process(COMMAND "${PREFIX}/bin/quorin" TIMEOUT 2 RESULT_VARIABLE rc OUTPUT_QUIET ERROR_VARIABLE err)
if(NOT rc MATCHES "timeout")
  list(APPEND faults "bin/quorin ended by itself: ${rc} ${err}")
endif()

if(faults)
  list(JOIN faults "\n" text)
  message(FATAL_ERROR "${text}")
endif()
