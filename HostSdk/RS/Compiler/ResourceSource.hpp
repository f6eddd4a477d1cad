// Reading a resource source file: the text that describes an add-on's resources.
//
// The source is UTF-8 text, one statement per line. Blank lines are skipped, and '#' outside a
// quoted text starts a comment that runs to the end of the line. A statement is words and
// quoted texts separated by spaces or tabs. A quoted text is "..." and may hold \" \\ \n \t;
// anything else in it is taken as it stands. Numbers are decimal or 0x hexadecimal. Files are
// named relative to the folder of the source file.
//
//   strings <id>                               a string list
//       <index> "<text>"                       string 1, 2, 3, ... in order
//   end
//   dialog <id> "<name>" "<title>" <width> <height>
//       item <number> <type> "<name>" <x> <y> <width> <height>     items 1, 2, 3, ... in order
//   end
//   moduleid <id> <developer> <module>         two 32-bit values
//   icon <id>
//       png "<name>" <size> "<file>"           a size × size PNG file, stored as it is
//       bmp "<name>" <size> "<file>"           a square PNG file reduced to size × size, stored as BMP
//   end
//   icongroup <id>                             the module file's icon: as icon, without names
//       png <size> "<file>"
//       bmp <size> "<file>"
//   end
//
// Identifiers are 0 to 2147483647 and each is used once per resource type.
#pragma once

#include "ResourceImage.hpp"

#include <filesystem>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace RS {

// A fault in the source; what() reads "<file>:<line>: error: <what is wrong>".
class SourceError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct CompiledSource {
    ResourceImage                      resources;
    std::vector<std::filesystem::path> inputs;   // the source and every file it names
};

// Compiles 'text', the content of the source file 'sourcePath'. Throws SourceError.
CompiledSource CompileResourceText (std::string_view text, const std::filesystem::path& sourcePath);

// Reads and compiles the source file. Throws SourceError.
CompiledSource CompileResourceFile (const std::filesystem::path& sourcePath);

}   // namespace RS
