# The programs' identity, from the one version number of project(): the header
# identity/version.h for --version, and on Windows each program's icon,
# application manifest and version resource, from one resource script template.

configure_file(${PROJECT_SOURCE_DIR}/identity/version.h.in ${PROJECT_BINARY_DIR}/generated/identity/version.h @ONLY)
add_library(rilvanta_version INTERFACE)
target_include_directories(rilvanta_version INTERFACE ${PROJECT_BINARY_DIR}/generated)

# rilvanta_program_identity(TARGET DESCRIPTION): DESCRIPTION is the file
# description Windows shows in the program's properties.
function(rilvanta_program_identity target description)
  target_link_libraries(${target} PRIVATE rilvanta_version)
  if(NOT WIN32)
    return()
  endif()
  set(RILVANTA_PROGRAM_NAME ${target})
  set(RILVANTA_PROGRAM_FILE ${target}${CMAKE_EXECUTABLE_SUFFIX})
  set(RILVANTA_PROGRAM_DESCRIPTION ${description})
  set(script ${CMAKE_CURRENT_BINARY_DIR}/${target}_identity.rc)
  configure_file(${PROJECT_SOURCE_DIR}/identity/program_identity.rc.in ${script} @ONLY)
  target_sources(${target} PRIVATE ${script})
  target_include_directories(${target} PRIVATE
                             $<$<COMPILE_LANGUAGE:RC>:${PROJECT_SOURCE_DIR}/identity ${PROJECT_SOURCE_DIR}/assets/icon>)
  # The resource compiler's dependency scan sees #include, not the files the script embeds.
  set_source_files_properties(${script} PROPERTIES OBJECT_DEPENDS
                              "${PROJECT_SOURCE_DIR}/identity/rilvanta.manifest;${PROJECT_SOURCE_DIR}/assets/icon/rilvanta.ico")
endfunction()
