#include "ResourceImage.hpp"

#include "ResourceFormat.hpp"

#include <cstring>
#include <set>
#include <stdexcept>
#include <utility>

namespace RS {

namespace {

class ImageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Reads one payload; every read is checked against the payload's own bounds.
class PayloadReader {
public:
    PayloadReader (const unsigned char* data, USize size)
        : data (data),
          size (size)
    {}

    UInt32 UInt32Value (const char* what)
    {
        Need (4, what);
        UInt32 value = ReadUInt32LE (data + position);
        position += 4;
        return value;
    }

    Int32 Int32Value (const char* what) { return static_cast<Int32> (UInt32Value (what)); }

    std::string Text (const char* what)
    {
        UInt32 length = UInt32Value (what);
        Need (length, what);
        std::string text (reinterpret_cast<const char*> (data + position), length);
        position += length;
        return text;
    }

    std::vector<unsigned char> Bytes (const char* what)
    {
        UInt32 length = UInt32Value (what);
        Need (length, what);
        std::vector<unsigned char> bytes (data + position, data + position + length);
        position += length;
        return bytes;
    }

    // A count of records that each take at least 'minimumRecordSize' bytes.
    UInt32 Count (const char* what, USize minimumRecordSize)
    {
        UInt32 count = UInt32Value (what);
        if (count > Remaining () / minimumRecordSize)
            throw ImageError (std::string (what) + " " + std::to_string (count) + " does not fit in the payload");
        return count;
    }

    void ExpectEnd () const
    {
        if (position != size)
            throw ImageError (std::to_string (size - position) + " unexpected bytes after the payload's data");
    }

private:
    USize Remaining () const { return size - position; }

    void Need (USize count, const char* what) const
    {
        if (count > Remaining ())
            throw ImageError (std::string ("payload ends inside the ") + what);
    }

    const unsigned char* data;
    USize                size;
    USize                position = 0;
};

std::string CheckedText (PayloadReader& reader, const char* what)
{
    std::string text = reader.Text (what);
    if (!IsValidUtf8 (text) || text.find ('\0') != std::string::npos)
        throw ImageError (std::string (what) + " is not valid UTF-8 text");
    return text;
}

// The encoded data must be a file of the stated format with the stated dimensions.
void CheckImageData (const RSImage& image)
{
    const std::vector<unsigned char>& d = image.data;
    if (image.width <= 0 || image.height <= 0)
        throw ImageError ("image \"" + image.name + "\" has no size");
    if (image.format == "PNG") {
        static constexpr unsigned char signature[8] = { 0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n' };
        if (d.size () < 24 || std::memcmp (d.data (), signature, 8) != 0 || std::memcmp (d.data () + 12, "IHDR", 4) != 0)
            throw ImageError ("image \"" + image.name + "\" is not PNG data");
        if (ReadUInt32BE (d.data () + 16) != static_cast<UInt32> (image.width) ||
            ReadUInt32BE (d.data () + 20) != static_cast<UInt32> (image.height))
            throw ImageError ("PNG image \"" + image.name + "\" does not have the size its entry states");
    } else if (image.format == "BMP") {
        if (d.size () < 26 || d[0] != 'B' || d[1] != 'M' || ReadUInt32LE (d.data () + 2) != d.size ())
            throw ImageError ("image \"" + image.name + "\" is not BMP data");
        Int32 width = static_cast<Int32> (ReadUInt32LE (d.data () + 18));
        Int32 height = static_cast<Int32> (ReadUInt32LE (d.data () + 22));
        if (width != image.width || (height != image.height && height != -image.height))
            throw ImageError ("BMP image \"" + image.name + "\" does not have the size its entry states");
    } else {
        throw ImageError ("image \"" + image.name + "\" has the unknown format \"" + image.format + "\"");
    }
}

std::vector<std::string> ReadStringList (PayloadReader& reader)
{
    std::vector<std::string> strings;
    UInt32                   count = reader.Count ("string count", 4);
    for (UInt32 i = 0; i < count; ++i)
        strings.push_back (CheckedText (reader, "string"));
    return strings;
}

RSDialog ReadDialog (PayloadReader& reader)
{
    RSDialog dialog;
    dialog.name = CheckedText (reader, "dialog name");
    dialog.title = CheckedText (reader, "dialog title");
    dialog.width = reader.Int32Value ("dialog width");
    dialog.height = reader.Int32Value ("dialog height");
    UInt32 count = reader.Count ("dialog item count", 28);
    for (UInt32 i = 0; i < count; ++i) {
        RSDialogItem item;
        item.number = reader.Int32Value ("item number");
        item.type = CheckedText (reader, "item type");
        item.name = CheckedText (reader, "item name");
        item.x = reader.Int32Value ("item position");
        item.y = reader.Int32Value ("item position");
        item.width = reader.Int32Value ("item size");
        item.height = reader.Int32Value ("item size");
        dialog.items.push_back (std::move (item));
    }
    return dialog;
}

std::vector<RSImage> ReadImages (PayloadReader& reader)
{
    std::vector<RSImage> images;
    UInt32               count = reader.Count ("image count", 20);
    for (UInt32 i = 0; i < count; ++i) {
        RSImage image;
        image.name = CheckedText (reader, "image name");
        image.format = CheckedText (reader, "image format");
        image.width = reader.Int32Value ("image width");
        image.height = reader.Int32Value ("image height");
        image.data = reader.Bytes ("image data");
        CheckImageData (image);
        images.push_back (std::move (image));
    }
    return images;
}

std::string EntryName (UInt32 type, Int32 id)
{
    return std::string (ResourceTypeName (static_cast<ResourceType> (type))) + " " + std::to_string (id);
}

// Decodes one payload into 'image'; the error names the resource.
void StorePayload (ResourceType type, Int32 id, const unsigned char* data, USize size, ResourceImage& image)
{
    PayloadReader reader (data, size);
    try {
        switch (type) {
            case ResourceType::StringList: image.stringLists[id] = ReadStringList (reader); break;
            case ResourceType::PaletteDialog: image.dialogs[id] = ReadDialog (reader); break;
            case ResourceType::ModuleIdentifier: {
                UInt32 developer = reader.UInt32Value ("developer identifier");
                UInt32 module = reader.UInt32Value ("module identifier");
                image.moduleIdentifiers[id] = { developer, module };
                break;
            }
            case ResourceType::Icon: image.icons[id] = ReadImages (reader); break;
            case ResourceType::IconGroup: image.iconGroups[id] = ReadImages (reader); break;
        }
        reader.ExpectEnd ();
    } catch (const ImageError& e) {
        throw ImageError (EntryName (static_cast<UInt32> (type), id) + ": " + e.what ());
    }
}

ResourceImage Parse (const unsigned char* data, USize size)
{
    if (size < ImageHeaderSize)
        throw ImageError ("resource image is shorter than its header (" + std::to_string (size) + " bytes)");
    if (std::memcmp (data, ImageMagic.data (), ImageMagic.size ()) != 0)
        throw ImageError ("not a resource image (bad magic)");
    UInt32 version = ReadUInt32LE (data + 8);
    if (version != ImageFormatVersion)
        throw ImageError ("unsupported resource image version " + std::to_string (version));
    UInt32 entryCount = ReadUInt32LE (data + 12);
    UInt32 imageSize = ReadUInt32LE (data + 16);
    if (imageSize < ImageHeaderSize || imageSize > size)
        throw ImageError ("resource image is truncated: it states " + std::to_string (imageSize) + " bytes, " + std::to_string (size) +
                          " are present");
    if (Crc32 (data + ImageHeaderSize, imageSize - ImageHeaderSize) != ReadUInt32LE (data + 20))
        throw ImageError ("resource image is corrupt (checksum mismatch)");
    if (entryCount > (imageSize - ImageHeaderSize) / ImageEntrySize)
        throw ImageError ("resource image entry table (" + std::to_string (entryCount) + " entries) runs past its end");
    const USize tableEnd = ImageHeaderSize + USize (entryCount) * ImageEntrySize;

    ResourceImage                      image;
    std::set<std::pair<UInt32, Int32>> seen;
    for (UInt32 i = 0; i < entryCount; ++i) {
        const unsigned char* entry = data + ImageHeaderSize + USize (i) * ImageEntrySize;
        UInt32               type = ReadUInt32LE (entry);
        Int32                id = static_cast<Int32> (ReadUInt32LE (entry + 4));
        UInt32               offset = ReadUInt32LE (entry + 8);
        UInt32               payloadSize = ReadUInt32LE (entry + 12);
        if (!IsKnownResourceType (type))
            throw ImageError ("resource entry " + std::to_string (i) + " has the unknown type " + std::to_string (type));
        if (!seen.insert ({ type, id }).second)
            throw ImageError (EntryName (type, id) + " appears twice");
        if (offset < tableEnd || offset > imageSize || payloadSize > imageSize - offset)
            throw ImageError (EntryName (type, id) + " lies outside the resource image");

        StorePayload (static_cast<ResourceType> (type), id, data + offset, payloadSize, image);
    }
    return image;
}

}   // namespace

bool ReadResourcePayload (ResourceType type, Int32 id, const unsigned char* data, USize size, ResourceImage* image, std::string* error)
{
    try {
        StorePayload (type, id, data, size, *image);
        return true;
    } catch (const ImageError& e) {
        *error = e.what ();
    } catch (const std::bad_alloc&) {
        *error = "out of memory while reading " + EntryName (static_cast<UInt32> (type), id);
    }
    return false;
}

bool CheckImage (const RSImage& image, std::string* error)
{
    try {
        CheckImageData (image);
        return true;
    } catch (const ImageError& e) {
        *error = e.what ();
    }
    return false;
}

std::optional<ResourceImage> ParseResourceImage (const unsigned char* data, USize size, std::string* error)
{
    try {
        if (data == nullptr && size > 0)
            throw ImageError ("no resource image");
        return Parse (data, size);
    } catch (const ImageError& e) {
        if (error != nullptr)
            *error = e.what ();
    } catch (const std::bad_alloc&) {
        if (error != nullptr)
            *error = "out of memory while reading the resource image";
    }
    return std::nullopt;
}

}   // namespace RS
