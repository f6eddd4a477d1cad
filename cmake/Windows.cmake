# The Windows build (preset "windows", build-windows/): a MinGW-w64 cross build whose programs
# run under Wine. Included from the top-level CMakeLists.txt before anything is defined.

enable_language (RC)

# nlohmann_json is header-only: the build gets a copy of its headers, never all of /usr/include
file (COPY /usr/include/nlohmann DESTINATION ${CMAKE_BINARY_DIR}/include)
add_library (nlohmann_json::nlohmann_json INTERFACE IMPORTED)
target_include_directories (nlohmann_json::nlohmann_json INTERFACE ${CMAKE_BINARY_DIR}/include)
# so are Boost's Beast and Asio (the sandbox's HTTP layer): a link to Debian's headers beside them
if (NOT EXISTS /usr/include/boost/beast.hpp)
    message (FATAL_ERROR "Boost's headers (libboost1.81-dev) are missing")
endif ()
file (CREATE_LINK /usr/include/boost ${CMAKE_BINARY_DIR}/include/boost SYMBOLIC)
add_library (Boost::headers INTERFACE IMPORTED)
target_include_directories (Boost::headers INTERFACE ${CMAKE_BINARY_DIR}/include)

# The host's side (its libraries, virel-host.exe, the tests) shares the toolchain's C++ runtime,
# copied beside it; the add-on links its own in and imports only the system's and the host's DLLs.
foreach (runtime libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
    execute_process (COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${runtime} OUTPUT_VARIABLE runtime_path
                     OUTPUT_STRIP_TRAILING_WHITESPACE)
    if (NOT EXISTS "${runtime_path}")
        message (FATAL_ERROR "the MinGW-w64 runtime ${runtime} is missing")
    endif ()
    file (COPY ${runtime_path} DESTINATION ${CMAKE_BINARY_DIR})
endforeach ()

# The build's programs run under Wine, in a prefix of the build's own (Tools/wine-run.sh).
set (CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_SOURCE_DIR}/Tools/wine-run.sh)
