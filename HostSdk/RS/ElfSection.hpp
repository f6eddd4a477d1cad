// Finding one named section in an ELF64 file by its section headers, reading nothing but the
// headers, the section-name table and the section itself.
#pragma once

#include <string>
#include <vector>

namespace RS {

struct ElfSection {
    enum class Status { Found, Missing, Error };

    Status                     status = Status::Error;
    std::vector<unsigned char> bytes;   // the section's contents when found
    std::string                error;   // what is wrong with the file, for Status::Error
};

// Every offset and size in the file is checked against the file's length before it is used.
ElfSection ReadElfSection (const std::string& path, const std::string& sectionName);

}   // namespace RS
