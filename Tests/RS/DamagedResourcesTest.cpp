// Damaged module files and resource images: each is refused with a message saying what is
// wrong, and nothing is read outside the bytes at hand.
#include "ElfSection.hpp"
#include "RS.hpp"
#include "ResourceFormat.hpp"
#include "ResourceImage.hpp"
#include "TestFiles.hpp"

#include <gtest/gtest.h>

#include <cstring>
#include <elf.h>
#include <functional>

namespace {

using Bytes = std::vector<unsigned char>;

// ---- resource images built by hand ------------------------------------------------------

struct Entry {
    UInt32 type;
    Int32  id;
    Bytes  payload;
};

void FixChecksum (Bytes& image)
{
    RS::WriteUInt32LE (&image[20], RS::Crc32 (image.data () + RS::ImageHeaderSize, image.size () - RS::ImageHeaderSize));
}

Bytes BuildImage (const std::vector<Entry>& entries)
{
    Bytes image (RS::ImageHeaderSize + entries.size () * RS::ImageEntrySize, 0);
    std::memcpy (image.data (), RS::ImageMagic.data (), RS::ImageMagic.size ());
    RS::WriteUInt32LE (&image[8], RS::ImageFormatVersion);
    RS::WriteUInt32LE (&image[12], static_cast<UInt32> (entries.size ()));
    for (std::size_t i = 0; i < entries.size (); ++i) {
        unsigned char* entry = &image[RS::ImageHeaderSize + i * RS::ImageEntrySize];
        RS::WriteUInt32LE (entry, entries[i].type);
        RS::WriteUInt32LE (entry + 4, static_cast<UInt32> (entries[i].id));
        RS::WriteUInt32LE (entry + 8, static_cast<UInt32> (image.size ()));
        RS::WriteUInt32LE (entry + 12, static_cast<UInt32> (entries[i].payload.size ()));
        image.insert (image.end (), entries[i].payload.begin (), entries[i].payload.end ());
    }
    RS::WriteUInt32LE (&image[16], static_cast<UInt32> (image.size ()));
    FixChecksum (image);
    return image;
}

constexpr UInt32 StringList = static_cast<UInt32> (RS::ResourceType::StringList);
constexpr UInt32 Dialog = static_cast<UInt32> (RS::ResourceType::PaletteDialog);
constexpr UInt32 ModuleId = static_cast<UInt32> (RS::ResourceType::ModuleIdentifier);
constexpr UInt32 Icon = static_cast<UInt32> (RS::ResourceType::Icon);

Bytes Strings (std::vector<std::string> strings)
{
    RS::ImageWriter out;
    out.UInt32Value (static_cast<UInt32> (strings.size ()));
    for (const std::string& s : strings)
        out.Text (s);
    return out.data;
}

Bytes Words (std::initializer_list<UInt32> words)
{
    RS::ImageWriter out;
    for (UInt32 w : words)
        out.UInt32Value (w);
    return out.data;
}

// An 18 × 18 PNG as far as its header: signature and image header chunk.
Bytes PngHeader (UInt32 width, UInt32 height)
{
    Bytes png = { 0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n', 0, 0, 0, 13, 'I', 'H', 'D', 'R' };
    for (UInt32 v : { width, height })
        png.insert (png.end (), { static_cast<unsigned char> (v >> 24), static_cast<unsigned char> (v >> 16),
                                  static_cast<unsigned char> (v >> 8), static_cast<unsigned char> (v) });
    png.insert (png.end (), { 8, 6, 0, 0, 0 });
    return png;
}

Bytes Images (const std::string& format, Int32 width, Int32 height, const Bytes& data)
{
    RS::ImageWriter out;
    out.UInt32Value (1);
    out.Text ("I");
    out.Text (format);
    out.Int32Value (width);
    out.Int32Value (height);
    out.Bytes (data);
    return out.data;
}

Bytes BmpHeader (Int32 width, Int32 height)
{
    Bytes bmp (122, 0);
    bmp[0] = 'B';
    bmp[1] = 'M';
    RS::WriteUInt32LE (&bmp[2], 122);
    RS::WriteUInt32LE (&bmp[18], static_cast<UInt32> (width));
    RS::WriteUInt32LE (&bmp[22], static_cast<UInt32> (height));
    return bmp;
}

Bytes Valid () { return BuildImage ({ { StringList, 1, Strings ({ "one", "two" }) }, { ModuleId, 2, Words ({ 5, 6 }) } }); }

struct ImageCase {
    const char*             what;
    std::function<Bytes ()> image;
    const char*             message;
};

Bytes Patched (Bytes image, std::size_t at, UInt32 value, bool fixChecksum = true)
{
    RS::WriteUInt32LE (&image[at], value);
    if (fixChecksum)
        FixChecksum (image);
    return image;
}

constexpr std::size_t FirstEntry = RS::ImageHeaderSize;
constexpr std::size_t SecondEntry = RS::ImageHeaderSize + RS::ImageEntrySize;

const ImageCase ImageCases[] = {
    { "shorter than the header",
      [] {
          Bytes b = Valid ();
          b.resize (10);
          return b;
      },
      "shorter than its header (10 bytes)" },
    { "no image at all", [] { return Bytes {}; }, "shorter than its header (0 bytes)" },
    { "wrong magic",
      [] {
          Bytes b = Valid ();
          b[0] = 'X';
          return b;
      },
      "bad magic" },
    { "later format version", [] { return Patched (Valid (), 8, 2); }, "unsupported resource image version 2" },
    { "states more bytes than present",
      [] {
          Bytes b = Valid ();
          return Patched (b, 16, static_cast<UInt32> (b.size () + 1));
      },
      "resource image is truncated" },
    { "states fewer bytes than a header", [] { return Patched (Valid (), 16, 3); }, "resource image is truncated" },
    { "cut short",
      [] {
          Bytes b = Valid ();
          b.pop_back ();
          return b;
      },
      "resource image is truncated" },
    { "a changed byte",
      [] {
          Bytes b = Valid ();
          b.back () ^= 1;
          return b;
      },
      "checksum mismatch" },
    { "entry count beyond the image", [] { return Patched (Valid (), 12, 0x10000000); },
      "entry table (268435456 entries) runs past its end" },
    { "unknown type", [] { return Patched (Valid (), SecondEntry, 0x41424344); }, "resource entry 1 has the unknown type" },
    { "same resource twice",
      [] {
          return BuildImage ({ { ModuleId, 2, Words ({ 1, 2 }) }, { ModuleId, 2, Words ({ 3, 4 }) } });
      },
      "module identifier 2 appears twice" },
    { "payload inside the entry table", [] { return Patched (Valid (), FirstEntry + 8, 24); },
      "string list 1 lies outside the resource image" },
    { "payload after the end", [] { return Patched (Valid (), SecondEntry + 8, 0xFFFFFFF0); }, "module identifier 2 lies outside" },
    { "payload past the end", [] { return Patched (Valid (), SecondEntry + 12, 9); }, "module identifier 2 lies outside" },
    { "payload size near 4 GB", [] { return Patched (Valid (), SecondEntry + 12, 0xFFFFFFFF); }, "lies outside" },
    { "string count beyond the payload",
      [] {
          return BuildImage ({ { StringList, 1, Words ({ 0xFFFFFFFF }) } });
      },
      "string list 1: string count 4294967295 does not fit in the payload" },
    { "text longer than the payload",
      [] {
          return BuildImage ({ { StringList, 1, Words ({ 1, 0x7FFFFFFF }) } });
      },
      "string list 1: payload ends inside the string" },
    { "text not UTF-8",
      [] {
          return BuildImage ({ { StringList, 1, Strings ({ "ok", "\xFF" }) } });
      },
      "string list 1: string is not valid UTF-8" },
    { "text with a zero byte",
      [] {
          return BuildImage ({ { StringList, 1, Strings ({ std::string ("a\0b", 3) }) } });
      },
      "string is not valid UTF-8 text" },
    { "bytes after the payload's data",
      [] {
          Bytes p = Strings ({ "a" });
          p.push_back (0);
          return BuildImage ({ { StringList, 1, p } });
      },
      "string list 1: 1 unexpected bytes after the payload's data" },
    { "module identifier of one value",
      [] {
          return BuildImage ({ { ModuleId, 3, Words ({ 5 }) } });
      },
      "module identifier 3: payload ends inside the module identifier" },
    { "dialog item count beyond the payload",
      [] {
          RS::ImageWriter d;
          d.Text ("N");
          d.Text ("T");
          d.Int32Value (1);
          d.Int32Value (1);
          d.UInt32Value (1000);
          return BuildImage ({ { Dialog, 4, d.data } });
      },
      "palette dialog 4: dialog item count 1000 does not fit" },
    { "image of unknown format",
      [] {
          return BuildImage ({ { Icon, 5, Images ("GIF", 18, 18, PngHeader (18, 18)) } });
      },
      "icon 5: image \"I\" has the unknown format \"GIF\"" },
    { "PNG image that is not PNG",
      [] {
          return BuildImage ({ { Icon, 5, Images ("PNG", 18, 18, Bytes (40, 'x')) } });
      },
      "icon 5: image \"I\" is not PNG data" },
    { "PNG image of another size",
      [] {
          return BuildImage ({ { Icon, 5, Images ("PNG", 18, 18, PngHeader (36, 36)) } });
      },
      "PNG image \"I\" does not have the size its entry states" },
    { "BMP image that is not BMP",
      [] {
          return BuildImage ({ { Icon, 5, Images ("BMP", 18, 18, PngHeader (18, 18)) } });
      },
      "image \"I\" is not BMP data" },
    { "BMP image of another size",
      [] {
          return BuildImage ({ { Icon, 5, Images ("BMP", 18, 18, BmpHeader (18, 17)) } });
      },
      "BMP image \"I\" does not have the size its entry states" },
    { "image without size",
      [] {
          return BuildImage ({ { Icon, 5, Images ("PNG", 0, 18, PngHeader (0, 18)) } });
      },
      "image \"I\" has no size" },
};

TEST (DamagedResourcesTest, DamagedImagesAreRefusedWithAReason)
{
    {
        std::string error;
        Bytes       valid = Valid ();
        ASSERT_TRUE (RS::ParseResourceImage (valid.data (), valid.size (), &error)) << error;
        Bytes bmp = BuildImage ({ { Icon, 5, Images ("BMP", 18, 18, BmpHeader (18, -18)) } });
        EXPECT_TRUE (RS::ParseResourceImage (bmp.data (), bmp.size (), &error)) << "a top-down bitmap: " << error;
    }
    for (const ImageCase& c : ImageCases) {
        SCOPED_TRACE (c.what);
        Bytes       image = c.image ();
        std::string error;
        EXPECT_FALSE (RS::ParseResourceImage (image.data (), image.size (), &error));
        EXPECT_NE (error.find (c.message), std::string::npos) << error;
    }
}

// ---- module files -----------------------------------------------------------------------

Bytes SampleModule () { return RSTest::ReadBytes (RS_SAMPLE_MODULE); }

Elf64_Ehdr& Header (Bytes& file) { return *reinterpret_cast<Elf64_Ehdr*> (file.data ()); }

Elf64_Shdr& Section (Bytes& file, std::size_t index)
{
    return *reinterpret_cast<Elf64_Shdr*> (file.data () + Header (file).e_shoff + index * sizeof (Elf64_Shdr));
}

std::size_t SectionIndex (Bytes& file, const char* name)
{
    const Elf64_Shdr& names = Section (file, Header (file).e_shstrndx);
    for (std::size_t i = 0; i < Header (file).e_shnum; ++i)
        if (std::strcmp (reinterpret_cast<const char*> (file.data () + names.sh_offset + Section (file, i).sh_name), name) == 0)
            return i;
    ADD_FAILURE () << "no section " << name;
    return 0;
}

Elf64_Shdr& Resources (Bytes& file) { return Section (file, SectionIndex (file, RS::ResourceSectionName)); }

struct FileCase {
    const char*                  what;
    std::function<void (Bytes&)> damage;
    const char*                  message;   // null: the file is taken as one without resources
};

const FileCase FileCases[] = {
    { "empty file", [] (Bytes& f) { f.clear (); }, "too short to be an ELF file" },
    { "cut inside the ELF header", [] (Bytes& f) { f.resize (40); }, "too short to be an ELF file" },
    { "not ELF", [] (Bytes& f) { f[1] = 'X'; }, "not an ELF file" },
    { "32-bit ELF", [] (Bytes& f) { f[EI_CLASS] = ELFCLASS32; }, "not a little-endian 64-bit ELF file" },
    { "big-endian ELF", [] (Bytes& f) { f[EI_DATA] = ELFDATA2MSB; }, "not a little-endian 64-bit ELF file" },
    { "no section headers", [] (Bytes& f) { Header (f).e_shoff = 0; }, nullptr },
    { "section headers past the end", [] (Bytes& f) { Header (f).e_shoff = f.size () + 64; },
      "section header table lies outside the file" },
    { "section headers at a huge offset", [] (Bytes& f) { Header (f).e_shoff = ~0ull - 8; }, "section header table lies outside the file" },
    { "too many section headers", [] (Bytes& f) { Header (f).e_shnum = 0xFFFF; }, "runs past the end of the file" },
    { "odd section header size", [] (Bytes& f) { Header (f).e_shentsize = 40; }, "unexpected ELF section header size 40" },
    { "name table index out of range", [] (Bytes& f) { Header (f).e_shstrndx = Header (f).e_shnum; }, "no valid section-name table" },
    { "name table past the end", [] (Bytes& f) { Section (f, Header (f).e_shstrndx).sh_offset = f.size (); },
      "section-name table lies outside" },
    { "name table not a string table", [] (Bytes& f) { Section (f, Header (f).e_shstrndx).sh_type = SHT_PROGBITS; }, "section-name table" },
    { "resource section renamed", [] (Bytes& f) { Resources (f).sh_name = 0; }, nullptr },
    { "resource section name out of range", [] (Bytes& f) { Resources (f).sh_name = 0xFFFFFFF0; }, nullptr },
    { "two resource sections", [] (Bytes& f) { Section (f, 1).sh_name = Resources (f).sh_name; }, "more than one section .virel.rsrc" },
    { "resource section without data", [] (Bytes& f) { Resources (f).sh_type = SHT_NOBITS; }, "holds no data in the file" },
    { "resource section past the end", [] (Bytes& f) { Resources (f).sh_offset = f.size () - 10; }, "runs past the end of the file" },
    { "resource section huge", [] (Bytes& f) { Resources (f).sh_size = 1ull << 40; }, "implausibly large" },
    { "resource section shortened", [] (Bytes& f) { Resources (f).sh_size = 10; }, "shorter than its header (10 bytes)" },
    { "resource section cut", [] (Bytes& f) { Resources (f).sh_size -= 1; }, "resource image is truncated" },
    { "resource section changed", [] (Bytes& f) { f[Resources (f).sh_offset + Resources (f).sh_size - 1] ^= 0x40; }, "checksum mismatch" },
    { "file cut inside the resource section", [] (Bytes& f) { f.resize (Resources (f).sh_offset + 100); },
      "section header table lies outside" },
};

TEST (DamagedResourcesTest, DamagedModuleFilesGiveNoHandleAndSayWhy)
{
    RSTest::ScratchFolder       folder;
    const std::filesystem::path copy = folder / "Damaged.apx";
    {
        RSTest::WriteBytes (copy, SampleModule ());
        GSResModule intact = RSOpenModuleFile (copy.string ().c_str ());
        ASSERT_GT (intact, 0) << "the undamaged copy opens";
        RSRemoveModuleImageCache (intact);
    }
    for (const FileCase& c : FileCases) {
        SCOPED_TRACE (c.what);
        Bytes file = SampleModule ();
        c.damage (file);
        RSTest::WriteBytes (copy, file);

        ::testing::internal::CaptureStderr ();
        GSResModule       handle = RSOpenModuleFile (copy.string ().c_str ());
        const std::string errors = ::testing::internal::GetCapturedStderr ();
        EXPECT_EQ (handle, InvalidResModule);
        RSRemoveModuleImageCache (handle);
        if (c.message == nullptr) {
            EXPECT_EQ (errors, "") << "a file without resources is not an error";
        } else {
            EXPECT_EQ (errors.rfind ("RS: cannot read the resources of " + copy.string () + ": ", 0), 0u) << errors;
            EXPECT_NE (errors.find (c.message), std::string::npos) << errors;
        }
    }
}

TEST (DamagedResourcesTest, ModuleFileCutAnywhereIsRefused)
{
    RSTest::ScratchFolder       folder;
    const std::filesystem::path copy = folder / "Cut.apx";
    const Bytes                 whole = SampleModule ();
    for (std::size_t length = 0; length < whole.size (); length += 1 + length / 7) {
        RSTest::WriteBytes (copy, Bytes (whole.begin (), whole.begin () + static_cast<std::ptrdiff_t> (length)));
        RS::ElfSection section = RS::ReadElfSection (copy.string (), RS::ResourceSectionName);
        EXPECT_EQ (section.status, RS::ElfSection::Status::Error) << "cut at " << length;
        EXPECT_FALSE (section.error.empty ()) << "cut at " << length;
    }
}

TEST (DamagedResourcesTest, ResourceImageCutAnywhereIsRefused)
{
    RS::ElfSection section = RS::ReadElfSection (RS_SAMPLE_MODULE, RS::ResourceSectionName);
    ASSERT_EQ (section.status, RS::ElfSection::Status::Found) << section.error;
    const Bytes& image = section.bytes;
    std::string  error;
    ASSERT_TRUE (RS::ParseResourceImage (image.data (), image.size (), &error)) << error;
    for (std::size_t length = 0; length < image.size (); ++length) {
        error.clear ();
        EXPECT_FALSE (RS::ParseResourceImage (image.data (), length, &error)) << "cut at " << length;
        EXPECT_FALSE (error.empty ()) << "cut at " << length;
    }
}

// Changes in the header and entry table that keep the checksum right still never lead the
// reader outside the image; whatever is refused is refused with a reason.
TEST (DamagedResourcesTest, ChangedEntryTableIsReadSafely)
{
    RS::ElfSection section = RS::ReadElfSection (RS_SAMPLE_MODULE, RS::ResourceSectionName);
    ASSERT_EQ (section.status, RS::ElfSection::Status::Found) << section.error;
    const UInt32      entries = RS::ReadUInt32LE (section.bytes.data () + 12);
    const std::size_t tableEnd = RS::ImageHeaderSize + entries * RS::ImageEntrySize;
    int               refused = 0;
    for (std::size_t at = 8; at < tableEnd; ++at) {
        if (at >= 20 && at < 24)
            continue;   // the checksum itself
        for (unsigned char change : { 0x01, 0x80, 0xFF }) {
            Bytes image = section.bytes;
            image[at] ^= change;
            FixChecksum (image);
            std::string error;
            if (!RS::ParseResourceImage (image.data (), image.size (), &error)) {
                ++refused;
                EXPECT_FALSE (error.empty ()) << "byte " << at;
            }
        }
    }
    EXPECT_GT (refused, 0);
}

}   // namespace
