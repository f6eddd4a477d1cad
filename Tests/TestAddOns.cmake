# The add-on files the tests of the host as a checker load, in the Linux and the Windows build.
# real_addon_folder: the build folder as the host's loader names it (under Wine: Z:/...).
if (WIN32)
    set (real_addon_folder "Z:${CMAKE_BINARY_DIR}")
else ()
    set (real_addon_folder "${CMAKE_BINARY_DIR}")
endif ()

# an add-on file that crashes its host, for the command-line host's crash report
add_library (CrashingAddOn MODULE ${CMAKE_CURRENT_SOURCE_DIR}/CrashingAddOn/CrashingAddOn.cpp)
target_link_libraries (CrashingAddOn PRIVATE HostApiHeaders)
set_target_properties (CrashingAddOn PROPERTIES PREFIX "" SUFFIX ".apx" LIBRARY_OUTPUT_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}
                       CXX_VISIBILITY_PRESET hidden)
add_dependencies (virel-tests CrashingAddOn)

# deliberately broken add-ons: each forwards to the real API 28 add-on with one breakage, for
# the tests that show validate catches it
foreach (broken IN ITEMS ThrowingPalette LeakingPalette CrashingOnUnload HangingPage DirtyRecord StrayCalls WrongPaintIndex
                        LingeringInput KeptContext DeafObserver SwappedColours)
    add_library (${broken} MODULE ${CMAKE_CURRENT_SOURCE_DIR}/BrokenAddOns/ForwardingAddOn.cpp
                                  ${CMAKE_CURRENT_SOURCE_DIR}/BrokenAddOns/${broken}.cpp)
    target_link_libraries (${broken} PRIVATE HostApiHeaders GSRoot ${CMAKE_DL_LIBS})
    target_compile_definitions (${broken} PRIVATE VIREL_REAL_ADDON="${real_addon_folder}/api28/VirelPalette.apx")
    set_target_properties (${broken} PROPERTIES PREFIX "" SUFFIX ".apx" CXX_VISIBILITY_PRESET hidden
                           LIBRARY_OUTPUT_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}/BrokenAddOns)
    add_dependencies (virel-tests ${broken})
endforeach ()
# the add-ons broken in their behaviour carry the real add-on's resources, so that the host
# runs their picks (it checks a deferred command's module identifier against them)
foreach (broken IN ITEMS WrongPaintIndex LingeringInput KeptContext DeafObserver SwappedColours)
    virel_add_resources (${broken} ${CMAKE_SOURCE_DIR}/Resources/VirelPalette.rc)
endforeach ()
