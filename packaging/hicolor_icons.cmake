# Writes each picture of the client's icon file as a PNG of the hicolor icon
# theme, in the folder of its size: <DESTINATION>/<n>x<n>/apps/<NAME>.png.
# Usage: cmake -DICON=<icon.ico> -DDESTINATION=<dir> -DNAME=<id> -P hicolor_icons.cmake
find_program(IDENTIFY identify REQUIRED)
find_program(CONVERT convert REQUIRED)
execute_process(COMMAND ${IDENTIFY} -format "%w\n" ${ICON}
                OUTPUT_VARIABLE widths COMMAND_ERROR_IS_FATAL ANY)
string(STRIP "${widths}" widths)
string(REPLACE "\n" ";" widths "${widths}")
set(index 0)
foreach(width ${widths})
  set(folder ${DESTINATION}/${width}x${width}/apps)
  file(MAKE_DIRECTORY ${folder})
  # No time stamps in the files: the same icon gives the same bytes.
  execute_process(COMMAND ${CONVERT} "${ICON}[${index}]" -define png:exclude-chunks=date,time
                          -strip PNG32:${folder}/${NAME}.png
                  COMMAND_ERROR_IS_FATAL ANY)
  math(EXPR index "${index} + 1")
endforeach()
