# What `cmake --install <build> --prefix <folder>` lays out: the same shape as the build folder,
# so the installed host finds its libraries and its default add-on as the built one does.
#
#   <folder>/virel-host, <folder>/lib<HostLibrary>.so     the simulated host and the host's libraries
#   <folder>/api<N>/VirelPalette.apx                     each add-on build (its resources inside)
#   <folder>/api<N>/web/...                              the page beside it

set (virel_host_libraries GSRoot DG JavascriptEngine InputOutput RS GSModeler)

# installed files find each other relative to themselves, never through the build folder
set_target_properties (virel-host ${virel_host_libraries} PROPERTIES INSTALL_RPATH "$ORIGIN")
install (TARGETS virel-host RUNTIME DESTINATION .)
install (TARGETS ${virel_host_libraries} LIBRARY DESTINATION .)

foreach (api IN LISTS VIREL_HOST_API)
    set_target_properties (VirelPalette${api} PROPERTIES INSTALL_RPATH "$ORIGIN/..")
    install (TARGETS VirelPalette${api} LIBRARY DESTINATION api${api})
    install (DIRECTORY ${CMAKE_SOURCE_DIR}/web/ DESTINATION api${api}/web PATTERN ".gitignore" EXCLUDE)
endforeach ()
