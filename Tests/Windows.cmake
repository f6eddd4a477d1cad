# The Windows build's tests: the suites that drive the add-on through the simulated host,
# built for Windows and run under Wine (Tools/wine-run.sh, the build's emulator), on both
# add-on builds, and validate's suite with the broken add-ons built for Windows. The resource
# compiler's tests need libpng and stay in the Linux build, as do the suites of the command-line
# host and of a process exit, which spawn or fork Linux processes.
# Tests/Windows holds what only a Windows loader can show.

file (GLOB test_sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/Support/*.cpp
                                        ${CMAKE_CURRENT_SOURCE_DIR}/Windows/*.cpp)
if (VIREL_SERVE)
    file (GLOB serve_test_sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/Serve/*.cpp)
    list (APPEND test_sources ${serve_test_sources})
endif ()
list (FILTER test_sources EXCLUDE REGEX "/(VirelHostCommandTests|ProcessExitTests)\\.cpp$")
list (APPEND test_sources ${CMAKE_SOURCE_DIR}/Src/Palette/PageUrl.cpp)
add_executable (virel-tests ${test_sources})
target_include_directories (virel-tests PRIVATE ${CMAKE_CURRENT_SOURCE_DIR}/Support ${CMAKE_SOURCE_DIR}/Src)
# the build folder as Windows sees it under Wine: drive Z: is the root of the Linux file system
target_compile_definitions (virel-tests PRIVATE VIREL_BUILD_DIR="Z:${CMAKE_BINARY_DIR}")
target_link_libraries (virel-tests PRIVATE simhost GTest::gtest)
foreach (api IN LISTS VIREL_HOST_API)
    add_dependencies (virel-tests VirelPalette${api})
endforeach ()
add_dependencies (virel-tests virel-host)
include (${CMAKE_CURRENT_SOURCE_DIR}/TestAddOns.cmake)

# One test for the whole program rather than one per case: each start under Wine costs. A
# Windows file name cannot hold '?', so the case of a folder named with it stays Linux's; the
# page URL from a folder with '#' and '%' is in Windows/PageUrlFromLoaderTests.cpp.
set (validate_runs "Each/BrokenAddOnTest.*:ValidateCrashTest.*")
add_test (NAME windows.virel-tests
          COMMAND virel-tests --gtest_brief=1 --gtest_filter=-*ThePageUrlEscapesWhatWouldChangeItsMeaning*:${validate_runs})
set_tests_properties (windows.virel-tests PROPERTIES RESOURCE_LOCK wine TIMEOUT 900)
# the runs of virel-host.exe validate, a child process per check, apart: they take longest
add_test (NAME windows.validate COMMAND virel-tests --gtest_brief=1 --gtest_filter=${validate_runs})
set_tests_properties (windows.validate PROPERTIES RESOURCE_LOCK wine TIMEOUT 1800)

# the golden transcripts under Wine, equal to the Linux build's
file (GLOB golden_scenarios CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/Golden/*.scenario)
foreach (scenario IN LISTS golden_scenarios)
    get_filename_component (name ${scenario} NAME_WE)
    foreach (api IN LISTS VIREL_HOST_API)
        add_test (NAME windows.golden.${name}.api${api}
                  COMMAND ${CMAKE_COMMAND} "-DHOST=${CMAKE_SOURCE_DIR}/Tools/wine-run.sh;$<TARGET_FILE:virel-host>"
                          -DADDON=${CMAKE_BINARY_DIR}/api${api}/VirelPalette.apx
                          -DSCENARIO=${scenario} -DEXPECTED=${CMAKE_CURRENT_SOURCE_DIR}/Golden/${name}.api${api}.expected
                          -P ${CMAKE_CURRENT_SOURCE_DIR}/Golden/compare-transcript.cmake)
        set_tests_properties (windows.golden.${name}.api${api} PROPERTIES RESOURCE_LOCK wine)
    endforeach ()
endforeach ()
