# Test plumbing shared by both worlds.
#
# Native: test executables run directly. Windows: every test executable runs
# through cmake/wine-run (CMAKE_CROSSCOMPILING_EMULATOR), which uses the
# throw-away Wine prefix inside the build folder and a virtual display when
# there is none.

set(RILVANTA_GOOGLETEST_SOURCE /usr/src/googletest CACHE PATH "GoogleTest sources to build with the project")
# The test vectors the repository carries (made by an independent encoder).
set(RILVANTA_TESTDATA_DIR ${CMAKE_SOURCE_DIR}/tests/data)

if(NOT RILVANTA_FUZZ)
  if(EXISTS ${RILVANTA_GOOGLETEST_SOURCE}/CMakeLists.txt)
    set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
    set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
    add_subdirectory(${RILVANTA_GOOGLETEST_SOURCE} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)
    # Third-party code: our warning flags are for our own sources (GCC 12 warns inside gtest.cc).
    foreach(target gtest gtest_main gmock gmock_main)
      if(TARGET ${target})
        target_compile_options(${target} PRIVATE -w)
      endif()
    endforeach()
  else()
    find_package(GTest REQUIRED)
  endif()
endif()

if(CMAKE_CROSSCOMPILING AND WIN32)
  set(RILVANTA_WINEPREFIX ${CMAKE_BINARY_DIR}/wineprefix)
  configure_file(${CMAKE_CURRENT_LIST_DIR}/wine-run.in ${CMAKE_BINARY_DIR}/wine-run @ONLY
                 FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_BINARY_DIR}/wine-run)
endif()

# rilvanta_add_test(NAME COMMAND ...): a test named wine:NAME in the Windows
# build, whose programs run under Wine, and NAME natively.
function(rilvanta_add_test name)
  if(WIN32)
    set(name wine:${name})
  endif()
  add_test(NAME ${name} ${ARGN})
endfunction()

# rilvanta_add_gtest(NAME SOURCES ... [LIBRARIES ...])
# One ctest test per executable; Wine process starts are too dear for one per case.
function(rilvanta_add_gtest name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBRARIES" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBRARIES} GTest::gtest GTest::gtest_main)
  target_compile_definitions(${name} PRIVATE RILVANTA_TESTDATA_DIR="${RILVANTA_TESTDATA_DIR}")
  rilvanta_add_test(${name} COMMAND ${name} --gtest_brief=1)
  if(WIN32)
    target_link_options(${name} PRIVATE -mconsole)
  endif()
endfunction()

# rilvanta_add_gui_gtest: as rilvanta_add_gtest, for tests that open windows;
# they share one display and take activation, so they never run side by side.
# One after another they are the longest stretch of a test run, mostly spent
# waiting on Wine: scripts/test builds them first (target display_tests) and
# runs them (label display) while everything else builds and runs beside them.
if(WIN32)
  add_custom_target(display_tests)
endif()
function(rilvanta_add_gui_gtest name)
  rilvanta_add_gtest(${name} ${ARGN})
  set_tests_properties(wine:${name} PROPERTIES RESOURCE_LOCK display LABELS display)
  add_dependencies(display_tests ${name})
endfunction()

# rilvanta_add_fuzzer(NAME SOURCES ... [LIBRARIES ...] [SEEDS folder ...])
# A libFuzzer target, and a ctest test that runs it for a bounded time from its seeds.
set(RILVANTA_FUZZ_SECONDS 20 CACHE STRING "Seconds each fuzzer runs under ctest")
function(rilvanta_add_fuzzer name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBRARIES;SEEDS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBRARIES})
  target_link_options(${name} PRIVATE -fsanitize=fuzzer)
  set(corpus ${CMAKE_CURRENT_BINARY_DIR}/${name}-corpus)
  file(MAKE_DIRECTORY ${corpus})
  add_test(NAME ${name}
           COMMAND ${name} -max_total_time=${RILVANTA_FUZZ_SECONDS} -rss_limit_mb=2048 -timeout=10
                   -print_final_stats=1 ${corpus} ${ARG_SEEDS})
endfunction()

# Adds each listed folder; a listed folder without a CMakeLists.txt is an error.
macro(rilvanta_add_subdirectories)
  foreach(dir ${ARGN})
    add_subdirectory(${dir})
  endforeach()
endmacro()
