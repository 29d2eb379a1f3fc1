# Runs the built skintool as a user would (under Wine for the Windows build):
# every command ends by itself with status 0, and a file that is no skin with
# status 2.
#   -DTOOL=path -DSKIN=path -DWORK_DIR=path [-DEMULATOR=wine-run]
cmake_minimum_required(VERSION 3.25)
foreach(required TOOL SKIN WORK_DIR)
  if(NOT DEFINED ${required})
    message(FATAL_ERROR "run_skintool.cmake needs -D${required}=...")
  endif()
endforeach()
set(unpacked ${WORK_DIR}/unpacked)
set(packed ${WORK_DIR}/packed.skn)
file(REMOVE_RECURSE ${unpacked} ${packed})

function(expect_status expected)
  execute_process(COMMAND ${EMULATOR} ${TOOL} ${ARGN} OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE status
                  TIMEOUT 60)
  if(NOT status STREQUAL "${expected}")
    message(FATAL_ERROR "skintool ${ARGN} ended with status ${status}, not ${expected}:\n${out}${err}")
  endif()
endfunction()

expect_status(0 --version)
expect_status(0 info ${SKIN})
expect_status(0 list ${SKIN})
expect_status(0 unpack ${SKIN} ${unpacked})
expect_status(0 pack ${unpacked} ${packed})
expect_status(0 info ${packed})
expect_status(2 info ${CMAKE_CURRENT_LIST_FILE})
