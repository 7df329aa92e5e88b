# Runs the icon generator (a command line: the emulator, if any, and the program) with its
# output in a log file, so that background processes the emulator starts never hold the build
# tool's pipe.
#   cmake -DGENERATOR=... -DOUTPUT=... -DLOG=... -P MakeIcon.cmake
execute_process(
  COMMAND ${GENERATOR} ${OUTPUT}
  INPUT_FILE /dev/null
  OUTPUT_FILE ${LOG}
  ERROR_FILE ${LOG}
  RESULT_VARIABLE result)
if(NOT result EQUAL 0 OR NOT EXISTS ${OUTPUT})
  file(READ ${LOG} log)
  message(FATAL_ERROR "The icon generator failed (${result}):\n${log}")
endif()
