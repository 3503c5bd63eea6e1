# The program built for another system, run under its emulator: a path beginning with
# "/" is a file and not an option, exit statuses, and -o replacing its file only when
# the report is complete.
#   cmake -DEMULATOR=... -DBOM=... -DGOLDEN=... -DWORK=... -P check-cli-emulated.cmake
string(REPLACE " " ";" emulator "${EMULATOR}")
file(MAKE_DIRECTORY ${WORK})
set(failures 0)

function(expect_status expected)
    execute_process(COMMAND ${emulator} ${BOM} ${ARGN} RESULT_VARIABLE status
                    OUTPUT_VARIABLE out ERROR_VARIABLE err)
    if(NOT status EQUAL expected)
        message(SEND_ERROR "'${ARGN}' exited ${status}, not ${expected}: ${err}")
    endif()
    set(last_output "${out}" PARENT_SCOPE)
    set(last_error "${err}" PARENT_SCOPE)
endfunction()

expect_status(0 --format json ${GOLDEN}/categories.csv)
string(FIND "${last_output}" "\"unitWeight\": \"28.0586\"" found)
if(found EQUAL -1)
    message(SEND_ERROR "the I-beam row is missing from the report")
endif()
expect_status(2 --bogus ${GOLDEN}/categories.csv)
expect_status(2 ${GOLDEN}/no_category.csv)

set(out ${WORK}/out.csv)
file(WRITE ${out} "old")
expect_status(1 -o ${out} ${GOLDEN}/stop_first_bad_row.csv)
file(READ ${out} kept)
if(NOT kept STREQUAL "old")
    message(SEND_ERROR "a failed run changed the -o file")
endif()
expect_status(0 -o ${out} ${GOLDEN}/categories.csv)
file(READ ${out} written LIMIT 3 HEX)
if(NOT written STREQUAL "efbbbf")
    message(SEND_ERROR "-o did not replace the file with the report: ${written}")
endif()

# A list and a report with Chinese names, and a character that code page 936 lacks: the
# program takes its arguments and opens its files as Windows gives them, in UTF-16. The
# report is the Linux build's byte for byte.
set(list "${WORK}/下料清单가.csv")
set(report "${WORK}/报告가.json")
file(COPY_FILE ${GOLDEN}/gb18030.csv ${list})
file(REMOVE ${report})
expect_status(0 --format json -o ${report} ${list})
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${report} ${GOLDEN}/gb18030.json
                RESULT_VARIABLE different)
if(different)
    message(SEND_ERROR "the report of a list with a Chinese name differs from the Linux build's")
endif()
expect_status(2 "${WORK}/不在这里.csv")
if(NOT last_error MATCHES "不在这里.csv: 打不开")
    message(SEND_ERROR "a missing list's name is not in its message: ${last_error}")
endif()
