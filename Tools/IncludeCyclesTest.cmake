# Shows that Tools/IncludeCycles.cmake fails where it should: runs it on small generated
# trees and compares its verdict and its report with what each tree must give.
#
#   cmake -DWORK_DIR=<scratch folder> -P Tools/IncludeCyclesTest.cmake
cmake_minimum_required (VERSION 3.25)
set (check "${CMAKE_CURRENT_LIST_DIR}/IncludeCycles.cmake")

# Each case: name | expected result | expected line | files, each "path=included,included"
set (cases
    "one-way|0|no include cycle between the 3 folders|Alpha/A.hpp=Beta/B.hpp Beta/B.cpp=Beta/B.hpp,Gamma/C.hpp Gamma/C.hpp="
    "cycle-of-three|1|include cycle: Alpha -> Beta -> Gamma -> Alpha|Alpha/A.hpp=Beta/B.hpp Beta/B.cpp=Gamma/C.hpp Gamma/C.cpp=Alpha/A.hpp"
    "two-way|1|include cycle: Alpha -> Beta -> Alpha|Beta/B.cpp=Alpha/A.hpp Alpha/A.cpp=Beta/B.hpp Beta/B.hpp="
    "without-folder|1|include without its folder: Alpha/A.cpp: \"B.hpp\"|Alpha/A.cpp=B.hpp Beta/B.hpp="
)

set (failures 0)
foreach (case IN LISTS cases)
    string (REPLACE "|" ";" fields "${case}")
    list (GET fields 0 name)
    list (GET fields 1 expected_result)
    list (GET fields 2 expected_line)
    list (GET fields 3 files)

    set (tree "${WORK_DIR}/${name}")
    file (REMOVE_RECURSE "${tree}")
    separate_arguments (files UNIX_COMMAND "${files}")
    foreach (file IN LISTS files)
        string (REGEX MATCH "^([^=]+)=(.*)$" ignored "${file}")
        set (path "${tree}/${CMAKE_MATCH_1}")
        string (REPLACE "," ";" included "${CMAKE_MATCH_2}")
        file (WRITE "${path}" "// generated\n")
        foreach (header IN LISTS included)
            file (APPEND "${path}" "#include \"${header}\"\n")
        endforeach ()
    endforeach ()

    execute_process (COMMAND ${CMAKE_COMMAND} -DSOURCE_DIR=${tree} -P ${check}
                     RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
    if (result STREQUAL "0")
        set (verdict 0)
    else ()
        set (verdict 1)
    endif ()
    string (FIND "${output}" "${expected_line}" found)
    if (NOT verdict EQUAL expected_result OR found EQUAL -1)
        message ("FAILED ${name}: result ${result}, expected ${expected_result} and the line '${expected_line}'; it said:\n${output}")
        math (EXPR failures "${failures} + 1")
    else ()
        message ("passed ${name}")
    endif ()
endforeach ()
if (failures GREATER 0)
    message (FATAL_ERROR "${failures} include-check case(s) failed")
endif ()
