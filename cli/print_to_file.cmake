# Runs PROGRAM with OPTION and writes what it prints to OUTPUT; a failure stops the build.
execute_process(COMMAND ${PROGRAM} ${OPTION} OUTPUT_FILE ${OUTPUT}.new RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    file(REMOVE ${OUTPUT}.new)
    message(FATAL_ERROR "${PROGRAM} ${OPTION} failed: ${status}")
endif()
file(RENAME ${OUTPUT}.new ${OUTPUT})
