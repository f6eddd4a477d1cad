# GoogleTest compiled from the sources Debian ships (package googletest), with the build's own
# compiler and standard library: the Windows and libc++ builds cannot link Debian's compiled copy.
set (INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set (BUILD_GMOCK OFF CACHE BOOL "" FORCE)
add_subdirectory (/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)
