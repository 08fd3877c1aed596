# Fails when a marked text of the sources has no finished English translation, or the .ts keeps one the sources lost.
# SPDX-License-Identifier: MIT
# lupdate updates a copy of translations/vexolite_en.ts from the sources: a new text arrives as
# "unfinished" and a text gone from the sources stays as "vanished" or "obsolete", so any of
# those in the copy (or in the file itself) names what is left to do.
set(ts ${SOURCE_DIR}/translations/vexolite_en.ts)
file(REMOVE_RECURSE ${WORK_DIR})
file(MAKE_DIRECTORY ${WORK_DIR})
configure_file(${ts} ${WORK_DIR}/vexolite_en.ts COPYONLY)
execute_process(
  COMMAND ${LUPDATE} -locations none -no-ui-lines -source-language es -target-language en
          ${SOURCE_DIR}/src ${SOURCE_DIR}/app ${SOURCE_DIR}/tools/book -ts ${WORK_DIR}/vexolite_en.ts
  RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE out)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "lupdate failed (${status}):\n${out}")
endif()

set(problems "")
foreach(file ${ts} ${WORK_DIR}/vexolite_en.ts)
  file(READ ${file} text)
  string(REGEX MATCHALL "<source>[^<]*(<[^/][^<]*)*</source>[ \n]*<translation type=\"(unfinished|vanished|obsolete)\""
         found "${text}")
  foreach(entry IN LISTS found)
    string(APPEND problems "${file}:\n  ${entry}\n")
  endforeach()
  string(REGEX MATCHALL "<translation[^>]*/>|<translation>[ \n]*</translation>" empty "${text}")
  foreach(entry IN LISTS empty)
    string(APPEND problems "${file}: an empty translation\n")
  endforeach()
endforeach()
if(problems)
  message(FATAL_ERROR "The English translation is not complete:\n${problems}")
endif()
message(STATUS "Every marked text has a finished English translation.")
