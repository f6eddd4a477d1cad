#include "SourceTokens.hpp"

#include "ResourceFormat.hpp"

namespace RS {

namespace {
[[noreturn]] void Refuse (const std::string& message) { throw SourceTokenError (message); }
}   // namespace

std::vector<SourceToken> TokenizeSourceLine (std::string_view line)
{
    if (!IsValidUtf8 (line))
        Refuse ("the line is not valid UTF-8 text");
    if (line.find ('\0') != std::string_view::npos)
        Refuse ("the line holds a zero character");
    std::vector<SourceToken> tokens;
    std::size_t              i = 0;
    while (i < line.size ()) {
        char c = line[i];
        if (c == ' ' || c == '\t') {
            ++i;
        } else if (c == '#') {
            break;
        } else if (c == '"') {
            SourceToken token { true, {} };
            ++i;
            bool closed = false;
            while (i < line.size ()) {
                char d = line[i++];
                if (d == '"') {
                    closed = true;
                    break;
                }
                if (d != '\\') {
                    token.text += d;
                    continue;
                }
                if (i == line.size ())
                    break;
                char e = line[i++];
                switch (e) {
                    case '"': token.text += '"'; break;
                    case '\\': token.text += '\\'; break;
                    case 'n': token.text += '\n'; break;
                    case 't': token.text += '\t'; break;
                    default: Refuse (std::string ("unknown escape \\") + e + " in a quoted text");
                }
            }
            if (!closed)
                Refuse ("the quoted text is not closed with '\"'");
            if (i < line.size () && line[i] != ' ' && line[i] != '\t' && line[i] != '#')
                Refuse ("a quoted text must be followed by a space");
            tokens.push_back (std::move (token));
        } else {
            std::size_t end = line.find_first_of (" \t\"#", i);
            if (end == std::string_view::npos)
                end = line.size ();
            if (end < line.size () && line[end] == '"')
                Refuse ("a quoted text must follow a space");
            tokens.push_back ({ false, std::string (line.substr (i, end - i)) });
            i = end;
        }
    }
    return tokens;
}

}   // namespace RS
