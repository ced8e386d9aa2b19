# SPDX-License-Identifier: GPL-3.0-or-later
# Last step of the target "screenshots": copies the states the AppStream
# metainfo shows to SHOTS/store/ under the names it gives them, ready to be
# published in the homepage's screenshots/ folder.
#   cmake -D SHOTS=build/screenshots -P cmake/StoreScreenshots.cmake
set(store ${SHOTS}/store)
file(MAKE_DIRECTORY ${store})
# name in the metainfo | folder | state saved by the walk (its number varies)
foreach(entry
    "main.png|simp|1280x900-simplified-main-main"
    "main-zh_TW.png|trad|1280x900-traditional-main-main"
    "chart.png|simp|1280x900-simplified-chart-chart-book"
    "chart-zh_TW.png|trad|1280x900-traditional-chart-chart-book")
  string(REPLACE "|" ";" parts "${entry}")
  list(GET parts 0 name)
  list(GET parts 1 dir)
  list(GET parts 2 state)
  file(GLOB found ${SHOTS}/${dir}/*-${state}.png)
  if(NOT found)
    message(FATAL_ERROR "No screenshot of state ${state} in ${SHOTS}/${dir}; the metainfo shows it as ${name}")
  endif()
  list(GET found 0 shot)
  execute_process(COMMAND ${CMAKE_COMMAND} -E copy ${shot} ${store}/${name} RESULT_VARIABLE rc)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "Could not copy ${shot} to ${store}/${name}")
  endif()
endforeach()
message(STATUS "Screenshots for the metainfo in ${store}")
