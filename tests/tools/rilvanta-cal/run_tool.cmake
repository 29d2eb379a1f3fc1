# Runs the built rilvanta-cal as a user would (under Wine for the Windows build)
# and checks its bytes, exit statuses and messages.
#   -DTOOL=path -DEXPECTED_DUMP=path -DWORK_DIR=path -DVERSION=x.y.z [-DEMULATOR=wine-run]
cmake_minimum_required(VERSION 3.25)
foreach(required TOOL EXPECTED_DUMP WORK_DIR VERSION)
  if(NOT DEFINED ${required})
    message(FATAL_ERROR "run_tool.cmake needs -D${required}=...")
  endif()
endforeach()
string(ASCII 27 escape)
set(out_file ${WORK_DIR}/rilvanta-cal.out)

# Sets `status`, `out` and `err`, and `out_has_cr` from the output's bytes:
# CMake's text reading drops the "\r" of "\r\n".
function(run_tool)
  execute_process(COMMAND ${EMULATOR} ${TOOL} ${ARGN} OUTPUT_FILE ${out_file} ERROR_VARIABLE err
                  RESULT_VARIABLE status)
  file(READ ${out_file} out)
  file(READ ${out_file} out_hex HEX)
  if(out_hex MATCHES "^(..)*0d")
    set(out_has_cr TRUE PARENT_SCOPE)
  else()
    set(out_has_cr FALSE PARENT_SCOPE)
  endif()
  set(out "${out}" PARENT_SCOPE)
  set(err "${err}" PARENT_SCOPE)
  set(status "${status}" PARENT_SCOPE)
endfunction()

# The dump: byte for byte the expected UTF-8 lines with tabs and "\n" ends.
run_tool(dump 2024-02-09 2024-02-10)
file(SHA256 ${out_file} dumped)
file(SHA256 ${EXPECTED_DUMP} expected)
if(NOT status EQUAL 0 OR NOT dumped STREQUAL expected)
  message(FATAL_ERROR "dump gave status ${status} and other bytes than ${EXPECTED_DUMP}:\n${out}")
endif()

# Bad arguments: one line on stderr, nothing on stdout, status 2.
run_tool(day 2023-02-29)
if(NOT status EQUAL 2 OR NOT out STREQUAL "" OR NOT err MATCHES "^rilvanta-cal: '2023-02-29' is no day of the calendar\n$")
  message(FATAL_ERROR "bad date gave status ${status}, stdout '${out}', stderr '${err}'")
endif()
run_tool(dump 2024-02-10 2024-02-09)
if(NOT status EQUAL 2)
  message(FATAL_ERROR "FROM after TO gave status ${status}")
endif()

run_tool(--help)
if(NOT status EQUAL 0 OR NOT out MATCHES "month YYYY MM" OR out_has_cr)
  message(FATAL_ERROR "--help gave status ${status} and\n${out}")
endif()

# The project's version, as the one line scripts read.
run_tool(--version)
if(NOT status EQUAL 0 OR NOT out STREQUAL "rilvanta-cal ${VERSION}\n")
  message(FATAL_ERROR "--version gave status ${status} and '${out}'")
endif()

# Into a pipe: no colours.
run_tool(month 2024 2)
if(NOT status EQUAL 0 OR NOT out MATCHES "^2024年2月\n" OR out MATCHES "${escape}" OR out_has_cr)
  message(FATAL_ERROR "month gave status ${status} and\n${out}")
endif()

# The year's official days, and a user's file adding a later year: its bad
# lines are reported with their numbers and the good ones shown.
run_tool(holidays 2026)
if(NOT status EQUAL 0 OR NOT out MATCHES "\n2026-02-14 班 春节\n" OR NOT out MATCHES "\n2026-10-01 休 国庆节\n")
  message(FATAL_ERROR "holidays 2026 gave status ${status} and\n${out}")
endif()
set(holiday_file ${WORK_DIR}/holidays.txt)
string(ASCII 239 187 191 byte_order_mark)
file(WRITE ${holiday_file} "${byte_order_mark}# later years\n2027-02-06 班 春节\n2027-02-07 休\n2026-02-14 休 改\n")
run_tool(holidays 2027 --holidays ${holiday_file})
if(NOT status EQUAL 0 OR NOT out STREQUAL "2027-02-06 班 春节\n"
   OR NOT err MATCHES "holidays.txt:3: the holiday's name is missing\n.*holidays.txt:4: 2026-02-14: ")
  message(FATAL_ERROR "holidays 2027 with a file gave status ${status}, stdout '${out}', stderr '${err}'")
endif()
run_tool(day 2026-02-14 --holidays ${holiday_file})
if(NOT status EQUAL 0 OR NOT out MATCHES "假日安排：春节 班\n")
  message(FATAL_ERROR "day 2026-02-14 gave status ${status} and\n${out}")
endif()
run_tool(holidays 2027 --holidays ${WORK_DIR}/missing.txt)
if(NOT status EQUAL 2 OR NOT out STREQUAL "" OR NOT err MATCHES "cannot read")
  message(FATAL_ERROR "a missing holiday file gave status ${status}, stdout '${out}', stderr '${err}'")
endif()
