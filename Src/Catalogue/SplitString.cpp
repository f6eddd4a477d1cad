#include "Catalogue/SplitString.hpp"

GS::Array<GS::UniString> SplitString (const std::string& text, const std::string& delimiter)
{
    GS::Array<GS::UniString> pieces;
    std::string::size_type   start = 0;
    if (!delimiter.empty ()) {
        for (std::string::size_type found; (found = text.find (delimiter, start)) != std::string::npos; start = found + delimiter.size ())
            pieces.Push (GS::UniString (text.data () + start, found - start, CC_Default));
    }
    pieces.Push (GS::UniString (text.data () + start, text.size () - start, CC_Default));
    return pieces;
}
