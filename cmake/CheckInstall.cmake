# Installs a build into a fresh folder and checks the layout cmake/Install.cmake promises: every
# add-on build with the whole page beside it, the host and its libraries; then the installed
# host runs a scenario on the installed add-on and must print what the built one prints.
#
#   cmake -DBUILD_DIR=... -DSOURCE_DIR=... -DPREFIX=... "-DAPIS=28;27" -DLIBRARIES=... -P CheckInstall.cmake

file (REMOVE_RECURSE ${PREFIX})
execute_process (COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX} OUTPUT_QUIET RESULT_VARIABLE failed)
if (failed)
    message (FATAL_ERROR "cmake --install failed: ${failed}")
endif ()

set (missing)
foreach (library IN LISTS LIBRARIES)
    list (APPEND expected lib${library}.so)
endforeach ()
list (APPEND expected virel-host)
file (GLOB_RECURSE page_files RELATIVE ${SOURCE_DIR}/web ${SOURCE_DIR}/web/*)
list (REMOVE_ITEM page_files .gitignore)
foreach (api IN LISTS APIS)
    list (APPEND expected api${api}/VirelPalette.apx)
    foreach (file IN LISTS page_files)
        list (APPEND expected api${api}/web/${file})
    endforeach ()
endforeach ()
foreach (file IN LISTS expected)
    if (NOT EXISTS ${PREFIX}/${file})
        list (APPEND missing ${file})
    endif ()
endforeach ()
if (missing)
    message (FATAL_ERROR "not installed: ${missing}")
endif ()

# nothing else: no test modules, no build leftovers
file (GLOB_RECURSE installed RELATIVE ${PREFIX} ${PREFIX}/*)
list (REMOVE_ITEM installed ${expected})
if (installed)
    message (FATAL_ERROR "installed but not part of the layout: ${installed}")
endif ()

set (scenario ${SOURCE_DIR}/Examples/palette-life.scenario)
foreach (api IN LISTS APIS)
    execute_process (COMMAND ${BUILD_DIR}/virel-host run --addon ${BUILD_DIR}/api${api}/VirelPalette.apx ${scenario}
                     OUTPUT_VARIABLE built RESULT_VARIABLE built_failed)
    # installing replaced the build folder in each runpath: this finds only installed libraries
    execute_process (COMMAND ${PREFIX}/virel-host run --addon ${PREFIX}/api${api}/VirelPalette.apx ${scenario}
                     OUTPUT_VARIABLE installed_run ERROR_VARIABLE errors RESULT_VARIABLE installed_failed)
    if (installed_failed OR NOT built_failed EQUAL 0)
        message (FATAL_ERROR "the installed host failed on api${api} (${installed_failed}): ${errors}")
    endif ()
    # the add-on's own path appears in some lines; the rest must match
    string (REPLACE ${PREFIX} "<folder>" installed_run "${installed_run}")
    string (REPLACE ${BUILD_DIR} "<folder>" built "${built}")
    if (NOT installed_run STREQUAL built)
        message (FATAL_ERROR "the installed api${api} transcript differs:\n${installed_run}\nbuilt:\n${built}")
    endif ()
endforeach ()
file (REMOVE_RECURSE ${PREFIX})
