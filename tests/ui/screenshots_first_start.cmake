# Runs "kalvo --home HOME --screenshots SHOTS" in an empty home folder: the run goes
# through the normal start-up and close, so the settings, history and constants files
# must be there afterwards, together with the pictures of the data pages.
file(REMOVE_RECURSE "${WORK}")
execute_process(COMMAND "${KALVO}" --home "${WORK}/home" --screenshots "${WORK}/shots"
                RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "kalvo --screenshots failed: ${result}")
endif()
foreach(file home/Kalvo.INI home/Kalvo.HST home/Kalvo.CON shots/main-variables.png
        shots/main-user-vars.png shots/main-user-funcs.png shots/main-constants.png
        shots/help-8.png shots/plot-2d.png shots/plot-contour.png shots/plot-shade.png
        shots/plot-polar.png shots/plot-properties.png shots/dialog-plot-data.png
        shots/graphics-contour.png)
  if(NOT EXISTS "${WORK}/${file}")
    message(FATAL_ERROR "missing ${file}")
  endif()
endforeach()
file(READ "${WORK}/home/Kalvo.INI" settings HEX)
# "[Calc Settings]" CR LF "Notation=" at the start of the file.
if(NOT settings MATCHES "^5b43616c632053657474696e67735d0d0a4e6f746174696f6e3d")
  message(FATAL_ERROR "unexpected settings file:\n${settings}")
endif()
if(EXISTS "${WORK}/home/Kalvo.USR")
  message(FATAL_ERROR "a first start must not create a user-variables file")
endif()
