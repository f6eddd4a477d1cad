#include "ResourceSource.hpp"

#include "ImageConversion.hpp"
#include "ResourceFormat.hpp"
#include "SourceTokens.hpp"

#include <algorithm>
#include <charconv>
#include <fstream>
#include <iterator>
#include <limits>
#include <map>
#include <optional>
#include <set>
#include <sstream>

namespace RS {

namespace {

using Token = SourceToken;

enum class Block { None, Strings, Dialog, Icon, IconGroup };

class Compiler {
public:
    explicit Compiler (const std::filesystem::path& sourcePath)
        : sourcePath (sourcePath)
    {
        result.inputs.push_back (std::filesystem::absolute (sourcePath).lexically_normal ());
    }

    CompiledSource Run (std::string_view text)
    {
        if (text.substr (0, 3) == "\xEF\xBB\xBF")
            text.remove_prefix (3);
        std::size_t start = 0;
        while (start <= text.size ()) {
            std::size_t      end = text.find ('\n', start);
            std::string_view line = text.substr (start, end == std::string_view::npos ? std::string_view::npos : end - start);
            if (!line.empty () && line.back () == '\r')
                line.remove_suffix (1);
            ++lineNumber;
            Statement (line);
            if (end == std::string_view::npos)
                break;
            start = end + 1;
        }
        if (block != Block::None) {
            lineNumber = blockLine;
            Fail ("'" + blockHeader + "' is not closed with 'end'");
        }
        return std::move (result);
    }

private:
    [[noreturn]] void Fail (const std::string& message) const
    {
        throw SourceError (sourcePath.string () + ":" + std::to_string (lineNumber) + ": error: " + message);
    }

    // ---- words of one statement -------------------------------------------------------

    std::vector<Token> Tokenize (std::string_view line) const
    {
        try {
            return TokenizeSourceLine (line);
        } catch (const SourceTokenError& error) {
            Fail (error.what ());
        }
    }

    void Arguments (const std::vector<Token>& tokens, std::size_t count, const char* usage) const
    {
        if (tokens.size () != count + 1)
            Fail ("'" + tokens[0].text + "' takes " + std::to_string (count) + (count == 1 ? " argument" : " arguments") + ", " +
                  std::to_string (tokens.size () - 1) + " given (expected: " + usage + ")");
    }

    std::int64_t Number (const Token& token, const char* what, std::int64_t least, std::int64_t most) const
    {
        if (token.quoted)
            Fail (std::string (what) + " must be a number, not a quoted text");
        std::string_view digits = token.text;
        bool             negative = false;
        if (!digits.empty () && digits[0] == '-') {
            negative = true;
            digits.remove_prefix (1);
        }
        int base = 10;
        if (digits.size () > 2 && digits[0] == '0' && (digits[1] == 'x' || digits[1] == 'X')) {
            base = 16;
            digits.remove_prefix (2);
        }
        std::uint64_t magnitude = 0;
        auto [end, error] = std::from_chars (digits.data (), digits.data () + digits.size (), magnitude, base);
        if (digits.empty () || error == std::errc::invalid_argument || end != digits.data () + digits.size ())
            Fail (std::string (what) + " '" + token.text + "' is not a number");
        const bool tooLarge =
            error == std::errc::result_out_of_range || magnitude > static_cast<std::uint64_t> (std::numeric_limits<std::int64_t>::max ());
        const std::int64_t value = tooLarge ? 0 : negative ? -static_cast<std::int64_t> (magnitude) : static_cast<std::int64_t> (magnitude);
        if (tooLarge || value < least || value > most)
            Fail (std::string (what) + " " + token.text + " is out of range (" + std::to_string (least) + " to " + std::to_string (most) +
                  ")");
        return value;
    }

    Int32 Identifier (const Token& token) const
    {
        return static_cast<Int32> (Number (token, "the identifier", 0, std::numeric_limits<Int32>::max ()));
    }

    std::string Text (const Token& token, const char* what) const
    {
        if (!token.quoted)
            Fail (std::string (what) + " must be a quoted text, e.g. \"" + token.text + "\"");
        return token.text;
    }

    // ---- statements --------------------------------------------------------------------

    void Statement (std::string_view line)
    {
        std::vector<Token> tokens = Tokenize (line);
        if (tokens.empty ())
            return;
        if (tokens[0].quoted)
            Fail ("a statement starts with a word, not a quoted text");
        const std::string& keyword = tokens[0].text;

        if (keyword == "end") {
            Arguments (tokens, 0, "end");
            if (block == Block::None)
                Fail ("'end' without a block to close");
            CloseBlock ();
            return;
        }
        switch (block) {
            case Block::None: TopLevel (tokens); return;
            case Block::Strings: StringLine (tokens); return;
            case Block::Dialog: DialogItem (tokens); return;
            case Block::Icon: ImageLine (tokens, true); return;
            case Block::IconGroup: ImageLine (tokens, false); return;
        }
    }

    void Define (ResourceType type, Int32 id)
    {
        auto [it, isNew] = defined.emplace (std::make_pair (type, id), lineNumber);
        if (!isNew)
            Fail (std::string (ResourceTypeName (type)) + " " + std::to_string (id) + " is already defined on line " +
                  std::to_string (it->second));
    }

    void OpenBlock (Block kind, const std::vector<Token>& tokens, Int32 id)
    {
        block = kind;
        blockId = id;
        blockLine = lineNumber;
        blockHeader = tokens[0].text + " " + tokens[1].text;
    }

    void TopLevel (const std::vector<Token>& tokens)
    {
        const std::string& keyword = tokens[0].text;
        if (keyword == "strings") {
            Arguments (tokens, 1, "strings <id>");
            Int32 id = Identifier (tokens[1]);
            Define (ResourceType::StringList, id);
            result.resources.stringLists[id];
            OpenBlock (Block::Strings, tokens, id);
        } else if (keyword == "dialog") {
            Arguments (tokens, 5, "dialog <id> \"<name>\" \"<title>\" <width> <height>");
            Int32    id = Identifier (tokens[1]);
            RSDialog dialog;
            dialog.name = Text (tokens[2], "the dialog name");
            dialog.title = Text (tokens[3], "the dialog title");
            dialog.width = static_cast<Int32> (Number (tokens[4], "the dialog width", 1, 32767));
            dialog.height = static_cast<Int32> (Number (tokens[5], "the dialog height", 1, 32767));
            if (dialog.name.empty ())
                Fail ("the dialog name is empty");
            Define (ResourceType::PaletteDialog, id);
            result.resources.dialogs[id] = std::move (dialog);
            OpenBlock (Block::Dialog, tokens, id);
        } else if (keyword == "moduleid") {
            Arguments (tokens, 3, "moduleid <id> <developer> <module>");
            Int32  id = Identifier (tokens[1]);
            UInt32 developer = static_cast<UInt32> (Number (tokens[2], "the developer identifier", 0, 0xFFFFFFFF));
            UInt32 module = static_cast<UInt32> (Number (tokens[3], "the module identifier", 0, 0xFFFFFFFF));
            Define (ResourceType::ModuleIdentifier, id);
            result.resources.moduleIdentifiers[id] = { developer, module };
        } else if (keyword == "icon" || keyword == "icongroup") {
            bool named = keyword == "icon";
            Arguments (tokens, 1, named ? "icon <id>" : "icongroup <id>");
            Int32 id = Identifier (tokens[1]);
            Define (named ? ResourceType::Icon : ResourceType::IconGroup, id);
            (named ? result.resources.icons : result.resources.iconGroups)[id];
            OpenBlock (named ? Block::Icon : Block::IconGroup, tokens, id);
        } else if (keyword == "item" || keyword == "png" || keyword == "bmp" || IsNumber (keyword)) {
            Fail ("'" + keyword + "' belongs inside a block");
        } else {
            Fail ("unknown statement '" + keyword + "' (expected strings, dialog, moduleid, icon or icongroup)");
        }
    }

    static bool IsNumber (const std::string& word) { return !word.empty () && word.find_first_not_of ("0123456789") == std::string::npos; }

    void CloseBlock ()
    {
        switch (block) {
            case Block::Strings:
                if (result.resources.stringLists[blockId].empty ())
                    Fail ("'" + blockHeader + "' holds no strings");
                break;
            case Block::Icon:
            case Block::IconGroup:
                if ((block == Block::Icon ? result.resources.icons : result.resources.iconGroups)[blockId].empty ())
                    Fail ("'" + blockHeader + "' holds no images");
                break;
            case Block::Dialog:
            case Block::None: break;
        }
        block = Block::None;
    }

    void StringLine (const std::vector<Token>& tokens)
    {
        std::vector<std::string>& strings = result.resources.stringLists[blockId];
        if (tokens[0].quoted || !IsNumber (tokens[0].text))
            Fail ("expected a string: <index> \"<text>\", or 'end' to close '" + blockHeader + "'");
        if (tokens.size () != 2)
            Fail ("expected one quoted text after the index (<index> \"<text>\")");
        std::int64_t index = Number (tokens[0], "the string index", 1, std::numeric_limits<Int32>::max ());
        if (index != static_cast<std::int64_t> (strings.size ()) + 1)
            Fail ("string " + std::to_string (strings.size () + 1) + " expected, found " + tokens[0].text +
                  " (strings are numbered 1, 2, 3, ... in order)");
        strings.push_back (Text (tokens[1], "the string"));
    }

    void DialogItem (const std::vector<Token>& tokens)
    {
        if (tokens[0].quoted || tokens[0].text != "item")
            Fail ("expected 'item' or 'end' inside '" + blockHeader + "'");
        Arguments (tokens, 7, "item <number> <type> \"<name>\" <x> <y> <width> <height>");
        RSDialog&    dialog = result.resources.dialogs[blockId];
        RSDialogItem item;
        item.number = static_cast<Int32> (Number (tokens[1], "the item number", 1, 32767));
        if (item.number != static_cast<Int32> (dialog.items.size ()) + 1)
            Fail ("item " + std::to_string (dialog.items.size () + 1) + " expected, found " + tokens[1].text +
                  " (items are numbered 1, 2, 3, ... in order)");
        if (tokens[2].quoted ||
            tokens[2].text.find_first_not_of ("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789_") != std::string::npos)
            Fail ("the item type must be a word of letters, digits and '_', e.g. Browser");
        item.type = tokens[2].text;
        item.name = Text (tokens[3], "the item name");
        item.x = static_cast<Int32> (Number (tokens[4], "the item's x", -32768, 32767));
        item.y = static_cast<Int32> (Number (tokens[5], "the item's y", -32768, 32767));
        item.width = static_cast<Int32> (Number (tokens[6], "the item width", 0, 32767));
        item.height = static_cast<Int32> (Number (tokens[7], "the item height", 0, 32767));
        dialog.items.push_back (std::move (item));
    }

    void ImageLine (const std::vector<Token>& tokens, bool named)
    {
        const std::string& format = tokens[0].text;
        if (tokens[0].quoted || (format != "png" && format != "bmp"))
            Fail ("expected 'png', 'bmp' or 'end' inside '" + blockHeader + "'");
        std::size_t at = 1;
        RSImage     image;
        if (named) {
            Arguments (tokens, 3, format == "png" ? "png \"<name>\" <size> \"<file>\"" : "bmp \"<name>\" <size> \"<file>\"");
            image.name = Text (tokens[at++], "the image name");
            if (image.name.empty ())
                Fail ("the image name is empty");
        } else {
            Arguments (tokens, 2, format == "png" ? "png <size> \"<file>\"" : "bmp <size> \"<file>\"");
        }
        const int   size = static_cast<int> (Number (tokens[at++], "the image size", 1, MaxImageSide));
        std::string file = Text (tokens[at], "the file name");
        if (file.empty ())
            Fail ("the file name is empty");

        std::vector<RSImage>& images = (named ? result.resources.icons : result.resources.iconGroups)[blockId];
        for (const RSImage& other : images) {
            if (named && other.name == image.name)
                Fail ("the image \"" + image.name + "\" appears twice in '" + blockHeader + "'");
            if (!named && other.width == size)
                Fail ("'" + blockHeader + "' already has an image of " + std::to_string (size) + " pixels");
        }

        std::vector<unsigned char> data = ReadFile (file);
        PixelImage                 pixels;
        std::string                error;
        if (!DecodePng (data, &pixels, &error))
            Fail ("\"" + file + "\": " + error);
        image.width = size;
        image.height = size;
        if (format == "png") {
            if (pixels.width != size || pixels.height != size)
                Fail ("\"" + file + "\" is " + std::to_string (pixels.width) + " x " + std::to_string (pixels.height) + " pixels, not " +
                      std::to_string (size) + " x " + std::to_string (size));
            image.format = "PNG";
            image.data = std::move (data);
        } else {
            if (pixels.width != pixels.height)
                Fail ("\"" + file + "\" is not square (" + std::to_string (pixels.width) + " x " + std::to_string (pixels.height) + ")");
            if (pixels.width < size)
                Fail ("\"" + file + "\" (" + std::to_string (pixels.width) + " pixels) is smaller than the bitmap of " +
                      std::to_string (size) + " pixels made from it");
            image.format = "BMP";
            image.data = EncodeBmp (ScaleDown (pixels, size));
        }
        images.push_back (std::move (image));
    }

    std::vector<unsigned char> ReadFile (const std::string& name)
    {
        std::filesystem::path path = std::filesystem::absolute (sourcePath.parent_path () / name).lexically_normal ();
        std::ifstream         in (path, std::ios::binary);
        if (!in)
            Fail ("cannot read \"" + name + "\" (" + path.string () + ")");
        std::vector<unsigned char> data ((std::istreambuf_iterator<char> (in)), std::istreambuf_iterator<char> ());
        if (in.bad ())
            Fail ("cannot read \"" + name + "\" (" + path.string () + ")");
        if (std::find (result.inputs.begin (), result.inputs.end (), path) == result.inputs.end ())
            result.inputs.push_back (path);
        return data;
    }

    std::filesystem::path                         sourcePath;
    CompiledSource                                result;
    std::map<std::pair<ResourceType, Int32>, int> defined;   // where each resource is defined
    int                                           lineNumber = 0;
    Block                                         block = Block::None;
    Int32                                         blockId = 0;
    int                                           blockLine = 0;
    std::string                                   blockHeader;
};

}   // namespace

CompiledSource CompileResourceText (std::string_view text, const std::filesystem::path& sourcePath)
{
    return Compiler (sourcePath).Run (text);
}

CompiledSource CompileResourceFile (const std::filesystem::path& sourcePath)
{
    std::ifstream in (sourcePath, std::ios::binary);
    if (!in)
        throw SourceError (sourcePath.string () + ": error: cannot read the resource source");
    std::ostringstream text;
    text << in.rdbuf ();
    if (in.bad ())
        throw SourceError (sourcePath.string () + ": error: cannot read the resource source");
    return CompileResourceText (text.str (), sourcePath);
}

}   // namespace RS
