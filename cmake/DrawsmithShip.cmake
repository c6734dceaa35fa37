# What the program ships.
#
# Every shipped file is put in one staging folder, DRAWSMITH_SHIPPED_DIR
# (build/share/drawsmith, laid out as the program folder is). From there
#   - the build copies into the program folder (build/bin) each file it does
#     not hold yet (target drawsmith_program_folder), and
#   - `cmake --install` installs the whole folder as PREFIX/share/drawsmith,
#     from which an installed program fills the player's own folder.
# So shipping one more file is one call:
#   drawsmith_ship(FILES links.txt)
#   drawsmith_ship(DESTINATION wheels FILES wheels/w6.dat wheels/w5.dat)
# Files made at build time are written straight into DRAWSMITH_SHIPPED_DIR by
# their own custom command, whose target is added with
#   add_dependencies(drawsmith_program_folder <target>)

set(DRAWSMITH_SHIPPED_DIR ${CMAKE_BINARY_DIR}/share/drawsmith)
# Made afresh at each configure, so a file no longer shipped is not installed.
file(REMOVE_RECURSE ${DRAWSMITH_SHIPPED_DIR})
file(MAKE_DIRECTORY ${DRAWSMITH_SHIPPED_DIR})

# drawsmith_ship([DESTINATION <subfolder>] FILES <file>...): ships plain files
# (relative names are taken from the calling folder). Copied into the staging
# folder at configure time and again whenever they change.
function(drawsmith_ship)
  cmake_parse_arguments(ARG "" "DESTINATION" "FILES" ${ARGN})
  set(dest ${DRAWSMITH_SHIPPED_DIR})
  if(ARG_DESTINATION)
    set(dest ${DRAWSMITH_SHIPPED_DIR}/${ARG_DESTINATION})
  endif()
  foreach(f IN LISTS ARG_FILES)
    get_filename_component(abs ${f} ABSOLUTE BASE_DIR ${CMAKE_CURRENT_SOURCE_DIR})
    get_filename_component(name ${f} NAME)
    configure_file(${abs} ${dest}/${name} COPYONLY)
  endforeach()
endfunction()

# Fills the program folder from the staging folder on every build, never
# replacing a file it already holds.
add_custom_target(drawsmith_program_folder ALL
  COMMAND ${CMAKE_COMMAND} -DFROM=${DRAWSMITH_SHIPPED_DIR} -DTO=${DRAWSMITH_PROGRAM_DIR}
          -P ${CMAKE_CURRENT_LIST_DIR}/FillProgramFolder.cmake
  COMMENT "Shipped files in the program folder"
  VERBATIM)
