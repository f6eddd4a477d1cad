# The host's resource compiler, virel-rc, and virel_add_resources, which compiles a resource
# source into a module:
#
#   virel_add_resources (<target> <resource-source>)
#
# compiles the source (format: ResourceSource.hpp) at build time into a resource image and
# links it into the shared library or executable <target>: on Linux as its ELF section
# ".virel.rsrc", read from the file, never loaded, and marked as retained so the linker keeps
# it even with --gc-sections; on Windows as one entry per resource in the module's resource
# section, compiled by the resource compiler of the toolchain (windres). Call it in the directory that
# defines <target>, once per target. The build follows the source and every image file it names.

set (VIREL_RS_COMPILER_DIR ${CMAKE_CURRENT_LIST_DIR})

# A cross build runs the compiler built for the building machine (cmake/NativeTools).
if (CMAKE_CROSSCOMPILING)
    include (ExternalProject)
    set (native_tools ${CMAKE_BINARY_DIR}/native-tools)
    ExternalProject_Add (virel-native-tools
        SOURCE_DIR ${CMAKE_SOURCE_DIR}/cmake/NativeTools
        BINARY_DIR ${native_tools}
        CMAKE_ARGS -DCMAKE_BUILD_TYPE=Release -DCMAKE_C_COMPILER=gcc -DCMAKE_CXX_COMPILER=g++
        BUILD_COMMAND ${CMAKE_COMMAND} --build <BINARY_DIR> --target virel-rc
        INSTALL_COMMAND ""
        BUILD_ALWAYS ON
        BUILD_BYPRODUCTS ${native_tools}/virel-rc)
    set (VIREL_RC_COMMAND ${native_tools}/virel-rc CACHE INTERNAL "the resource compiler built for this machine")
    function (virel_add_resources target source)
        get_filename_component (source "${source}" ABSOLUTE BASE_DIR "${CMAKE_CURRENT_SOURCE_DIR}")
        set (folder "${CMAKE_CURRENT_BINARY_DIR}/${target}.resources")
        set (image "${folder}/Resources.rsrc")
        set (script "${folder}/Resources.rc")
        add_custom_command (
            OUTPUT "${image}" "${script}"
            COMMAND ${CMAKE_COMMAND} -E make_directory "${folder}"
            COMMAND ${VIREL_RC_COMMAND} "${source}" -o "${image}" --rc "${script}" --depfile "${folder}/Resources.d"
            DEPENDS virel-native-tools "${VIREL_RC_COMMAND}" "${source}"
            DEPFILE "${folder}/Resources.d"
            COMMENT "Compiling the resources of ${target}"
            VERBATIM)
        # windres reads the files the script names, which change with the image
        set_source_files_properties ("${script}" PROPERTIES OBJECT_DEPENDS "${image}")
        target_sources (${target} PRIVATE "${script}")
    endfunction ()
    return ()
endif ()

find_package (PNG REQUIRED)

add_library (RSCompilerCore STATIC
    ${VIREL_RS_COMPILER_DIR}/ResourceSource.cpp
    ${VIREL_RS_COMPILER_DIR}/SourceTokens.cpp
    ${VIREL_RS_COMPILER_DIR}/ImageConversion.cpp
    ${VIREL_RS_COMPILER_DIR}/ResourceImageWriter.cpp
    ${VIREL_RS_COMPILER_DIR}/WindowsResourceScript.cpp)
target_include_directories (RSCompilerCore PUBLIC
    ${VIREL_RS_COMPILER_DIR}
    ${VIREL_RS_COMPILER_DIR}/..
    ${VIREL_RS_COMPILER_DIR}/../include)
target_link_libraries (RSCompilerCore PUBLIC HostApiHeaders PRIVATE PNG::PNG)

# The compiler reads back what it wrote with RS's own reader.
add_executable (virel-rc
    ${VIREL_RS_COMPILER_DIR}/ResourceCompilerMain.cpp
    ${VIREL_RS_COMPILER_DIR}/../ResourceImage.cpp)
target_link_libraries (virel-rc PRIVATE RSCompilerCore)

function (virel_add_resources target source)
    if (NOT TARGET ${target})
        message (FATAL_ERROR "virel_add_resources: there is no target '${target}'")
    endif ()
    get_property (previous TARGET ${target} PROPERTY VIREL_RESOURCE_SOURCE)
    if (previous)
        message (FATAL_ERROR "virel_add_resources: '${target}' already has the resources of ${previous}")
    endif ()
    get_filename_component (source "${source}" ABSOLUTE BASE_DIR "${CMAKE_CURRENT_SOURCE_DIR}")

    set (folder "${CMAKE_CURRENT_BINARY_DIR}/${target}.resources")
    set (image "${folder}/Resources.rsrc")
    set (stub "${folder}/ResourceSection.cpp")
    set (depfile "${folder}/Resources.d")
    add_custom_command (
        OUTPUT "${image}" "${stub}"
        COMMAND ${CMAKE_COMMAND} -E make_directory "${folder}"
        COMMAND virel-rc "${source}" -o "${image}" --stub "${stub}" --depfile "${depfile}"
        DEPENDS virel-rc "${source}"
        DEPFILE "${depfile}"
        COMMENT "Compiling the resources of ${target}"
        VERBATIM)
    # The stub is rewritten with every image, so the section is rebuilt whenever the image is.
    target_sources (${target} PRIVATE "${stub}" "${image}")
    set_property (TARGET ${target} PROPERTY VIREL_RESOURCE_SOURCE "${source}")
endfunction ()
