# Unpacks the release zip as a user would and runs its tools from the unpacked
# folder (under Wine for the Windows build): rilvanta-cal.exe --version, and
# skintool.exe on the packed skin and on the sources beside it.
#   -DZIP=path -DWORK_DIR=path -DVERSION=x.y.z [-DEMULATOR=wine-run]
cmake_minimum_required(VERSION 3.25)
foreach(required ZIP WORK_DIR VERSION)
  if(NOT DEFINED ${required})
    message(FATAL_ERROR "check_package.cmake needs -D${required}=...")
  endif()
endforeach()
if(NOT EXISTS ${ZIP})
  message(FATAL_ERROR "${ZIP} is missing: build the package_zip target")
endif()

file(REMOVE_RECURSE ${WORK_DIR})
file(MAKE_DIRECTORY ${WORK_DIR})
execute_process(COMMAND ${CMAKE_COMMAND} -E tar xf ${ZIP} WORKING_DIRECTORY ${WORK_DIR} RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "cannot unpack ${ZIP}")
endif()
foreach(file rilvanta.exe rilvanta-cal.exe skintool.exe skinview.exe README.txt skin/default.skn skin/order.txt
             skin_dark/dark.skn skin_dark/order.txt)
  if(NOT EXISTS ${WORK_DIR}/${file})
    message(FATAL_ERROR "the zip holds no ${file}")
  endif()
endforeach()
file(READ ${WORK_DIR}/README.txt readme_hex HEX)
if(NOT readme_hex MATCHES "^(..)*0d0a" OR readme_hex MATCHES "^(..)*[^d]0a")
  message(FATAL_ERROR "README.txt does not end its lines with CR LF")
endif()

# Runs a program of the zip in the unpacked folder, as a user types it there.
# Sets `status` and `out`.
function(run_packed program)
  execute_process(COMMAND ${EMULATOR} ${WORK_DIR}/${program} ${ARGN} WORKING_DIRECTORY ${WORK_DIR}
                  OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "${program} ${ARGN} gave status ${status}:\n${out}${err}")
  endif()
  set(out "${out}" PARENT_SCOPE)
endfunction()

run_packed(rilvanta-cal.exe --version)
if(NOT out STREQUAL "rilvanta-cal ${VERSION}\n")
  message(FATAL_ERROR "rilvanta-cal.exe --version printed '${out}'")
endif()

# Each packed skin reads whole, with as many entries as its sources list, and
# the sources beside it are the skin's: packed again they give the same archive.
foreach(skin skin/default.skn skin_dark/dark.skn)
  get_filename_component(folder ${skin} DIRECTORY)
  file(STRINGS ${WORK_DIR}/${folder}/order.txt entries REGEX ".")
  list(LENGTH entries entry_count)
  run_packed(skintool.exe info ${skin})
  if(NOT out MATCHES "read as: skin file\n" OR NOT out MATCHES "\nentries: ${entry_count}\n")
    message(FATAL_ERROR "skintool.exe info ${skin} printed\n${out}")
  endif()
  run_packed(skintool.exe pack ${folder} repacked.skn)
  file(SHA256 ${WORK_DIR}/${skin} packed)
  file(SHA256 ${WORK_DIR}/repacked.skn repacked)
  if(NOT packed STREQUAL repacked)
    message(FATAL_ERROR "the skin's sources in the zip pack into another archive than ${skin}")
  endif()
endforeach()
