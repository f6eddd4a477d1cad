// The URL of the page beside the module file.
#pragma once

#include <string>

// "file://" + the module file's folder with forward slashes + "/web/index.html". '%', '#' and
// '?' are percent-encoded; every other character stands as it is. A path with no slash at
// all is taken whole as the folder.
std::string PageUrlFromModulePath (std::string modulePath);
