# Runs the checker over each case folder under broken/ (a Data folder holding one faulty file) and compares all the
# findings, with each run's exit status, with the expected ones line for line.
# Files git cannot keep (a link to an endless device, a pipe) are made in WORK, as one more case named "special"; a copy
# of the shipped Data with files missing is made there too, as the case "missing".
# Run as: cmake -DCHECKER=<datacheck> -DEXPECTED=<expected.txt> -DWORK=<scratch folder> [-DUPDATE=ON]
#     -P CompareFindings.cmake (in tests/datacheck)
get_filename_component(CHECKER "${CHECKER}" ABSOLUTE)
file(GLOB cases LIST_DIRECTORIES true RELATIVE ${CMAKE_CURRENT_SOURCE_DIR} broken/*)
list(SORT cases)
set(actual "")
foreach(case ${cases})
    execute_process(COMMAND ${CHECKER} --present-only ${case} OUTPUT_VARIABLE output RESULT_VARIABLE result)
    string(APPEND actual "${output}exit ${result}\n")
endforeach()
# A picture and an unlisted picture that are links to /dev/zero, a picture and an ending that are pipes (nothing ever
# writes into them), a picture that is a folder: each is reported as what it is and none is read.
set(special ${WORK}/special)
file(REMOVE_RECURSE ${special})
file(MAKE_DIRECTORY ${special}/Girls/2.jpg ${special}/Ending ${special}/Help)
file(CREATE_LINK /dev/zero ${special}/Girls/1.jpg SYMBOLIC)
file(CREATE_LINK /dev/zero ${special}/Help/zero.bmp SYMBOLIC)
execute_process(COMMAND mkfifo ${special}/Girls/3.jpg ${special}/Ending/End3.end COMMAND_ERROR_IS_FATAL ANY)
execute_process(COMMAND ${CHECKER} --present-only special WORKING_DIRECTORY ${WORK} OUTPUT_VARIABLE output
    RESULT_VARIABLE result)
string(APPEND actual "${output}exit ${result}\n")
file(REMOVE_RECURSE ${special})
# The shipped Data without two of the files the game opens, checked whole: each one missing is named.
set(missing ${WORK}/missing)
file(REMOVE_RECURSE ${missing})
file(COPY ${CMAKE_CURRENT_SOURCE_DIR}/../../Data/ DESTINATION ${missing})
file(REMOVE ${missing}/HL2/Zombie2.bmp ${missing}/MyGOPSTOP/loh_fight_2.jpg)
execute_process(COMMAND ${CHECKER} missing WORKING_DIRECTORY ${WORK} OUTPUT_VARIABLE output RESULT_VARIABLE result)
string(APPEND actual "${output}exit ${result}\n")
file(REMOVE_RECURSE ${missing})

if(UPDATE)
    file(WRITE ${EXPECTED} "${actual}")
endif()
file(READ ${EXPECTED} expected)
if(NOT actual STREQUAL expected)
    message(FATAL_ERROR "The findings differ from ${EXPECTED}:\n${actual}")
endif()
message(STATUS "The findings are the expected ones.")
