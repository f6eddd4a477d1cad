// Loading an add-on file as the system's loader does: the one place the host asks which
// system it runs on to load, look up and unload a library.
#pragma once

#include <string>

namespace SimHost::AddOnLibrary {

// The whole, absolute path the loader is given (UTF-8), as the host passes it.
std::string LoaderPath (const std::string& path);
// Loads the library with every symbol bound now and none shared; null, and 'error' says why,
// when it cannot be loaded. Linux: dlopen. Windows: LoadLibraryW.
void* Open (const std::string& path, std::string* error);
void* Symbol (void* library, const char* name);
void  Close (void* library);
// Whether the library at 'path' is still in the process after its last Close.
bool StillLoaded (const std::string& path);

}   // namespace SimHost::AddOnLibrary
