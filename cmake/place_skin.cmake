# Places skin files (those shipped in skin/ or those the build draws) in the
# application directory. Settings the user may have changed there (Config.ini)
# are only placed when missing.
# Usage: cmake -DSOURCE=<skin dir> -DDESTINATION=<appdir> -P place_skin.cmake
file(GLOB_RECURSE files RELATIVE ${SOURCE} ${SOURCE}/*)
foreach(file ${files})
  get_filename_component(name ${file} NAME)
  if(name STREQUAL "Config.ini" AND EXISTS ${DESTINATION}/${file})
    continue()
  endif()
  get_filename_component(dir ${DESTINATION}/${file} DIRECTORY)
  file(COPY ${SOURCE}/${file} DESTINATION ${dir})
endforeach()
