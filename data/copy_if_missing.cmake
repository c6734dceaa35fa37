# cmake -DSRC=<file> -DDST=<file> -P copy_if_missing.cmake
# Copies SRC to DST unless DST exists: a file the player may have changed is
# never replaced by a build.
if(NOT EXISTS "${DST}")
  get_filename_component(dir "${DST}" DIRECTORY)
  file(MAKE_DIRECTORY "${dir}")
  file(COPY_FILE "${SRC}" "${DST}")
endif()
