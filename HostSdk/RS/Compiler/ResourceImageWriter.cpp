#include "ResourceImageWriter.hpp"

#include "ResourceFormat.hpp"

#include <limits>
#include <stdexcept>

namespace RS {

namespace {

std::vector<unsigned char> StringListPayload (const std::vector<std::string>& strings)
{
    ImageWriter out;
    out.UInt32Value (static_cast<UInt32> (strings.size ()));
    for (const std::string& string : strings)
        out.Text (string);
    return out.data;
}

std::vector<unsigned char> DialogPayload (const RSDialog& dialog)
{
    ImageWriter out;
    out.Text (dialog.name);
    out.Text (dialog.title);
    out.Int32Value (dialog.width);
    out.Int32Value (dialog.height);
    out.UInt32Value (static_cast<UInt32> (dialog.items.size ()));
    for (const RSDialogItem& item : dialog.items) {
        out.Int32Value (item.number);
        out.Text (item.type);
        out.Text (item.name);
        out.Int32Value (item.x);
        out.Int32Value (item.y);
        out.Int32Value (item.width);
        out.Int32Value (item.height);
    }
    return out.data;
}

std::vector<unsigned char> ImagesPayload (const std::vector<RSImage>& images)
{
    ImageWriter out;
    out.UInt32Value (static_cast<UInt32> (images.size ()));
    for (const RSImage& image : images) {
        out.Text (image.name);
        out.Text (image.format);
        out.Int32Value (image.width);
        out.Int32Value (image.height);
        out.Bytes (image.data);
    }
    return out.data;
}

}   // namespace

std::vector<ResourcePayload> ResourcePayloads (const ResourceImage& resources)
{
    std::vector<ResourcePayload> payloads;
    for (const auto& [id, strings] : resources.stringLists)
        payloads.push_back ({ ResourceType::StringList, id, StringListPayload (strings) });
    for (const auto& [id, dialog] : resources.dialogs)
        payloads.push_back ({ ResourceType::PaletteDialog, id, DialogPayload (dialog) });
    for (const auto& [id, pair] : resources.moduleIdentifiers) {
        ImageWriter out;
        out.UInt32Value (pair.first);
        out.UInt32Value (pair.second);
        payloads.push_back ({ ResourceType::ModuleIdentifier, id, out.data });
    }
    for (const auto& [id, images] : resources.icons)
        payloads.push_back ({ ResourceType::Icon, id, ImagesPayload (images) });
    for (const auto& [id, images] : resources.iconGroups)
        payloads.push_back ({ ResourceType::IconGroup, id, ImagesPayload (images) });
    return payloads;
}

std::vector<unsigned char> WriteResourceImage (const ResourceImage& resources)
{
    const std::vector<ResourcePayload> payloads = ResourcePayloads (resources);

    std::size_t total = ImageHeaderSize + payloads.size () * ImageEntrySize;
    for (const ResourcePayload& payload : payloads)
        total += payload.bytes.size ();
    if (total > std::numeric_limits<UInt32>::max ())
        throw std::length_error ("the resources do not fit in a resource image (" + std::to_string (total) + " bytes)");

    std::vector<unsigned char> image (ImageHeaderSize + payloads.size () * ImageEntrySize, 0);
    std::copy (ImageMagic.begin (), ImageMagic.end (), image.begin ());
    WriteUInt32LE (&image[8], ImageFormatVersion);
    WriteUInt32LE (&image[12], static_cast<UInt32> (payloads.size ()));
    WriteUInt32LE (&image[16], static_cast<UInt32> (total));
    for (std::size_t i = 0; i < payloads.size (); ++i) {
        unsigned char* entry = &image[ImageHeaderSize + i * ImageEntrySize];
        WriteUInt32LE (entry, static_cast<UInt32> (payloads[i].type));
        WriteUInt32LE (entry + 4, static_cast<UInt32> (payloads[i].id));
        WriteUInt32LE (entry + 8, static_cast<UInt32> (image.size ()));
        WriteUInt32LE (entry + 12, static_cast<UInt32> (payloads[i].bytes.size ()));
        image.insert (image.end (), payloads[i].bytes.begin (), payloads[i].bytes.end ());
    }
    WriteUInt32LE (&image[20], Crc32 (image.data () + ImageHeaderSize, image.size () - ImageHeaderSize));
    return image;
}

}   // namespace RS
