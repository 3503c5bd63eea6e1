# Runs the scenario runner under an emulator with its output recorded, then has
# scenario_check compare the recording with the expected objects.
#   cmake -DEMULATOR=... -DRUNNER=... -DCHECK=... -DSCENARIO=... -DEXPECTED=... -DOUTPUT=...
#         -P run-recorded.cmake
string(REPLACE " " ";" emulator "${EMULATOR}")
execute_process(COMMAND ${emulator} ${RUNNER}
                INPUT_FILE ${SCENARIO} OUTPUT_FILE ${OUTPUT} RESULT_VARIABLE status)
execute_process(COMMAND ${emulator} ${CHECK} --recorded ${OUTPUT} ${status} ${EXPECTED}
                RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "scenario ${SCENARIO} differs (check exited ${result})")
endif()
