# cmake -DFROM=<shipped folder> -DTO=<program folder> -P FillProgramFolder.cmake
#
# Copies every file under FROM that TO does not hold yet, keeping subfolders.
# A file already in TO is never replaced: in the build folder it may be the
# player's (a history with draws stored, an edited links file).
if(NOT DEFINED FROM OR NOT DEFINED TO)
  message(FATAL_ERROR "FillProgramFolder: FROM and TO are needed")
endif()
file(GLOB_RECURSE shipped LIST_DIRECTORIES false RELATIVE "${FROM}" "${FROM}/*")
foreach(rel IN LISTS shipped)
  if(NOT EXISTS "${TO}/${rel}")
    get_filename_component(sub "${rel}" DIRECTORY)
    file(COPY "${FROM}/${rel}" DESTINATION "${TO}/${sub}")
  endif()
endforeach()
