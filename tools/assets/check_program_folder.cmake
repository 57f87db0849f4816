# Draws the program folder again when a file the generator wrote last time is
# missing (deleted by hand, or the folder was wiped). The generator lists every
# file it writes in LIST; this script runs at every build and is quick when
# nothing is missing.
#   cmake -DGENERATOR=<zorna_assets> -DAPP_DIR=<folder> -DLIST=<file list>
#         -DSTAMP=<stamp> -P check_program_folder.cmake
set(_missing "")
if(EXISTS "${LIST}")
  file(STRINGS "${LIST}" _files ENCODING UTF-8)
  foreach(_file IN LISTS _files)
    if(NOT EXISTS "${APP_DIR}/${_file}")
      set(_missing "${_file}")
      break()
    endif()
  endforeach()
else()
  set(_missing "${LIST}")
endif()
if(_missing STREQUAL "")
  return()
endif()
message(STATUS "Program folder: ${_missing} is missing, drawing the files again")
execute_process(
  COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen ${GENERATOR} ${APP_DIR} --list ${LIST}
  RESULT_VARIABLE _result)
if(NOT _result EQUAL 0)
  message(FATAL_ERROR "zorna_assets failed (${_result})")
endif()
file(TOUCH "${STAMP}")
