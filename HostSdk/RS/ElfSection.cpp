#include "ElfSection.hpp"

#include <bit>
#include <cerrno>
#include <cstring>
#include <elf.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace RS {

static_assert (std::endian::native == std::endian::little, "module files are read as little-endian ELF64");

namespace {

// A resource section larger than this is taken as damage, not as resources.
constexpr std::uint64_t MaxSectionSize = 256u << 20;

class File {
public:
    explicit File (const std::string& path)
        : fd (::open (path.c_str (), O_RDONLY | O_CLOEXEC))
    {}
    File (const File&) = delete;
    File& operator= (const File&) = delete;
    ~File ()
    {
        if (fd >= 0)
            ::close (fd);
    }

    bool IsOpen () const { return fd >= 0; }

    bool IsRegular () const
    {
        struct stat info {};
        return ::fstat (fd, &info) == 0 && S_ISREG (info.st_mode);
    }

    std::uint64_t Size () const
    {
        struct stat info {};
        if (::fstat (fd, &info) != 0)
            return 0;
        return static_cast<std::uint64_t> (info.st_size);
    }

    // Reads exactly 'count' bytes at 'offset'; the caller has checked that they lie in the file.
    bool ReadAt (std::uint64_t offset, void* target, std::uint64_t count) const
    {
        auto* out = static_cast<unsigned char*> (target);
        while (count > 0) {
            ssize_t got = ::pread (fd, out, count, static_cast<off_t> (offset));
            if (got < 0 && errno == EINTR)
                continue;
            if (got <= 0)
                return false;
            out += got;
            offset += static_cast<std::uint64_t> (got);
            count -= static_cast<std::uint64_t> (got);
        }
        return true;
    }

private:
    int fd;
};

bool Fits (std::uint64_t offset, std::uint64_t size, std::uint64_t fileSize) { return offset <= fileSize && size <= fileSize - offset; }

ElfSection Failure (std::string message)
{
    ElfSection result;
    result.status = ElfSection::Status::Error;
    result.error = std::move (message);
    return result;
}

}   // namespace

ElfSection ReadElfSection (const std::string& path, const std::string& sectionName)
{
    File file (path);
    if (!file.IsOpen ())
        return Failure ("cannot open the file: " + std::string (std::strerror (errno)));
    if (!file.IsRegular ())
        return Failure ("not a regular file");
    const std::uint64_t fileSize = file.Size ();

    Elf64_Ehdr header {};
    if (fileSize < sizeof header || !file.ReadAt (0, &header, sizeof header))
        return Failure ("the file is too short to be an ELF file");
    if (std::memcmp (header.e_ident, ELFMAG, SELFMAG) != 0)
        return Failure ("not an ELF file");
    if (header.e_ident[EI_CLASS] != ELFCLASS64 || header.e_ident[EI_DATA] != ELFDATA2LSB)
        return Failure ("not a little-endian 64-bit ELF file");

    if (header.e_shoff == 0) {
        ElfSection missing;
        missing.status = ElfSection::Status::Missing;
        return missing;
    }
    if (header.e_shentsize != sizeof (Elf64_Shdr))
        return Failure ("unexpected ELF section header size " + std::to_string (header.e_shentsize));
    if (!Fits (header.e_shoff, sizeof (Elf64_Shdr), fileSize))
        return Failure ("the ELF section header table lies outside the file (truncated?)");

    // With many sections the real count and name-table index live in the first header.
    Elf64_Shdr first {};
    if (!file.ReadAt (header.e_shoff, &first, sizeof first))
        return Failure ("cannot read the ELF section headers");
    std::uint64_t sectionCount = header.e_shnum != 0 ? header.e_shnum : first.sh_size;
    std::uint64_t namesIndex = header.e_shstrndx != SHN_XINDEX ? header.e_shstrndx : first.sh_link;
    if (sectionCount == 0 || sectionCount > (fileSize - header.e_shoff) / sizeof (Elf64_Shdr))
        return Failure ("the ELF section header table (" + std::to_string (sectionCount) +
                        " sections) runs past the end of the file (truncated?)");

    std::vector<Elf64_Shdr> sections (sectionCount);
    if (!file.ReadAt (header.e_shoff, sections.data (), sectionCount * sizeof (Elf64_Shdr)))
        return Failure ("cannot read the ELF section headers");

    if (namesIndex == SHN_UNDEF || namesIndex >= sectionCount)
        return Failure ("the ELF file has no valid section-name table");
    const Elf64_Shdr& namesHeader = sections[namesIndex];
    if (namesHeader.sh_type != SHT_STRTAB || !Fits (namesHeader.sh_offset, namesHeader.sh_size, fileSize) ||
        namesHeader.sh_size > MaxSectionSize)
        return Failure ("the ELF section-name table lies outside the file (truncated?)");
    std::vector<char> names (namesHeader.sh_size);
    if (!file.ReadAt (namesHeader.sh_offset, names.data (), names.size ()))
        return Failure ("cannot read the ELF section-name table");

    const Elf64_Shdr* found = nullptr;
    for (const Elf64_Shdr& section : sections) {
        if (section.sh_name >= names.size ())
            continue;
        const char*       name = names.data () + section.sh_name;
        const std::size_t room = names.size () - section.sh_name;
        if (std::memchr (name, '\0', room) == nullptr)
            continue;
        if (sectionName != name)
            continue;
        if (found != nullptr)
            return Failure ("the file has more than one section " + sectionName);
        found = &section;
    }
    if (found == nullptr) {
        ElfSection missing;
        missing.status = ElfSection::Status::Missing;
        return missing;
    }
    if (found->sh_type == SHT_NOBITS)
        return Failure ("the section " + sectionName + " holds no data in the file");
    if (found->sh_size > MaxSectionSize)
        return Failure ("the section " + sectionName + " is implausibly large (" + std::to_string (found->sh_size) + " bytes)");
    if (!Fits (found->sh_offset, found->sh_size, fileSize))
        return Failure ("the section " + sectionName + " runs past the end of the file (truncated?)");

    ElfSection result;
    result.bytes.resize (found->sh_size);
    if (!file.ReadAt (found->sh_offset, result.bytes.data (), result.bytes.size ()))
        return Failure ("cannot read the section " + sectionName);
    result.status = ElfSection::Status::Found;
    return result;
}

}   // namespace RS
