# Runs one scenario through the command-line host with one add-on build and compares the
# transcript with the checked-in one. The line naming the page's file URL depends on where the
# tree is built, so it is left out of both.
#   cmake -DHOST=... -DADDON=... -DSCENARIO=... -DEXPECTED=... -P compare-transcript.cmake
execute_process (COMMAND ${HOST} run --addon ${ADDON} ${SCENARIO} OUTPUT_VARIABLE transcript RESULT_VARIABLE status)
if (NOT status EQUAL 0)
    message (FATAL_ERROR "virel-host run ${SCENARIO} exited with ${status}")
endif ()
string (REGEX REPLACE "{\"openUrl\":[^\n]*\n" "" transcript "${transcript}")
file (READ ${EXPECTED} expected)
if (NOT transcript STREQUAL expected)
    file (WRITE ${EXPECTED}.actual "${transcript}")
    message (FATAL_ERROR "the transcript of ${SCENARIO} differs from ${EXPECTED}; see ${EXPECTED}.actual")
endif ()
