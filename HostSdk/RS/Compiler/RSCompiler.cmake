# The host's resource compiler, virel-rc, and virel_add_resources, which compiles a resource
# source into a module:
#
#   virel_add_resources (<target> <resource-source>)
#
# compiles the source (format: ResourceSource.hpp) at build time into a resource image and
# links it into the shared library or executable <target> as its ELF section ".virel.rsrc",
# where RS finds it. The section is read from the file, never loaded, and marked as retained,
# so the linker keeps it even with --gc-sections. Call it in the directory that defines <target>, once
# per target. The build follows the source and every image file it names.

find_package (PNG REQUIRED)

set (VIREL_RS_COMPILER_DIR ${CMAKE_CURRENT_LIST_DIR})

add_library (RSCompilerCore STATIC
    ${VIREL_RS_COMPILER_DIR}/ResourceSource.cpp
    ${VIREL_RS_COMPILER_DIR}/SourceTokens.cpp
    ${VIREL_RS_COMPILER_DIR}/ImageConversion.cpp
    ${VIREL_RS_COMPILER_DIR}/ResourceImageWriter.cpp)
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
