# Runs "kalvo --plot --type surface" on a display with OpenGL (under Xvfb): both picture
# formats are written and are real pictures of the surface.
file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}")
foreach(ext png bmp)
  execute_process(COMMAND "${KALVO}" --home "${WORK}/home" --plot "sin(X)*cos(Y)"
                          --type surface --x -3,3,31 --y -3,3,31 --angle rad
                          --out "${WORK}/surface.${ext}"
                  RESULT_VARIABLE result ERROR_VARIABLE err OUTPUT_QUIET)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "kalvo --plot surface.${ext}: exit ${result}\n${err}")
  endif()
  file(SIZE "${WORK}/surface.${ext}" size)
  if(size LESS 20000)
    message(FATAL_ERROR "surface.${ext} is only ${size} bytes")
  endif()
endforeach()
