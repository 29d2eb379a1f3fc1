# Fails when rilvanta.exe imports a library outside ALLOWED. The loader maps
# every imported library before the program's first line runs, so a library
# the calendar needs only later (comctl32 for image lists, shell32 for
# dropped files and pages) is looked up on first use instead.
# cmake -DOBJDUMP=... -DPROGRAM=... -DALLOWED="a.dll;b.dll" -P startup_imports.cmake
cmake_minimum_required(VERSION 3.20)
execute_process(COMMAND "${OBJDUMP}" -p "${PROGRAM}" OUTPUT_VARIABLE headers RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "cannot read the headers of ${PROGRAM}")
endif()
string(REGEX MATCHALL "DLL Name: [^\n]+" imports "${headers}")
string(TOLOWER "${ALLOWED}" allowed)
foreach(import IN LISTS imports)
  string(REPLACE "DLL Name: " "" library "${import}")
  string(TOLOWER "${library}" library)
  if(NOT library IN_LIST allowed)
    message(FATAL_ERROR "${PROGRAM} imports ${library}, which the loader would map at every start")
  endif()
endforeach()
message(STATUS "imports: ${imports}")
