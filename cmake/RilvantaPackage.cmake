# The release: package/rilvanta-<version>-windows-x64.zip in the build folder
# (target package_zip, part of the default build) holding the Windows programs,
# the built-in skins with the files they are packed from, and a read-me; and the
# test that unpacks it. Included last, so that it takes every program the
# tree defines (skinview.exe once it exists).

set(RILVANTA_PACKAGE_NAME rilvanta-${PROJECT_VERSION}-windows-x64)
set(package_dir ${CMAKE_BINARY_DIR}/package)
set(stage ${package_dir}/${RILVANTA_PACKAGE_NAME})
set(zip ${package_dir}/${RILVANTA_PACKAGE_NAME}.zip)

set(programs rilvanta rilvanta-cal skintool)
if(TARGET skinview)
  list(APPEND programs skinview)
endif()

# The read-me with Windows line ends, for Notepad.
configure_file(${PROJECT_SOURCE_DIR}/assets/release/README.txt.in ${package_dir}/README.txt @ONLY NEWLINE_STYLE CRLF)

# The skins, each in a folder of its own named as in assets/: its archive, and
# the entries it is packed from in their order.
set(copy_skins)
set(skin_sources)
set(skin_members)
foreach(skin skin:default.skn skin_dark:dark.skn)
  string(REPLACE ":" ";" skin "${skin}")
  list(GET skin 0 skin_folder)
  list(GET skin 1 skin_archive)
  set(skin_dir ${PROJECT_SOURCE_DIR}/assets/${skin_folder})
  file(STRINGS ${skin_dir}/order.txt skin_entries)
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${skin_dir}/order.txt)
  set(skin_files ${skin_archive} order.txt ${skin_entries})
  list(TRANSFORM skin_files PREPEND ${skin_dir}/ OUTPUT_VARIABLE sources)
  list(TRANSFORM skin_files PREPEND ${skin_folder}/ OUTPUT_VARIABLE members)
  list(APPEND copy_skins COMMAND ${CMAKE_COMMAND} -E make_directory ${stage}/${skin_folder}
       COMMAND ${CMAKE_COMMAND} -E copy ${sources} ${stage}/${skin_folder})
  list(APPEND skin_sources ${sources})
  list(APPEND skin_members ${members})
endforeach()

set(copy_programs)
set(program_members)
foreach(program ${programs})
  # Stripped: the symbol table is of no use to a user and doubles the size.
  list(APPEND copy_programs COMMAND ${CMAKE_STRIP} -o ${stage}/$<TARGET_FILE_NAME:${program}> $<TARGET_FILE:${program}>)
  list(APPEND program_members $<TARGET_FILE_NAME:${program}>)
endforeach()

add_custom_command(
  OUTPUT ${zip}
  COMMAND ${CMAKE_COMMAND} -E rm -rf ${stage} ${zip}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${stage}
  ${copy_programs}
  COMMAND ${CMAKE_COMMAND} -E copy ${package_dir}/README.txt ${stage}
  ${copy_skins}
  COMMAND ${CMAKE_COMMAND} -E chdir ${stage}
          ${CMAKE_COMMAND} -E tar cf ${zip} --format=zip ${program_members} README.txt ${skin_members}
  DEPENDS ${programs} ${package_dir}/README.txt ${skin_sources}
  COMMENT "Packing ${RILVANTA_PACKAGE_NAME}.zip"
  VERBATIM)
add_custom_target(package_zip ALL DEPENDS ${zip})

add_test(NAME wine:package_zip
         COMMAND ${CMAKE_COMMAND} -DZIP=${zip} -DVERSION=${PROJECT_VERSION} -DWORK_DIR=${package_dir}/unpacked
                 -DEMULATOR=${CMAKE_CROSSCOMPILING_EMULATOR} -P ${PROJECT_SOURCE_DIR}/tests/package/check_package.cmake)
