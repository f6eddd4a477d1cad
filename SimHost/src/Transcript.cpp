#include "SimHost/Transcript.hpp"

#include <cstdio>

namespace SimHost {

std::string Transcript::Print (const Line& line) { return line.dump (-1, ' ', false, nlohmann::json::error_handler_t::replace); }

void Transcript::Add (Line line)
{
    lines.push_back (std::move (line));
    if (sink)
        sink (Print (lines.back ()));
    // the older half goes at once: trimming costs one move per line kept
    if (window != 0 && lines.size () >= 2 * window)
        lines.erase (lines.begin (), lines.end () - std::ptrdiff_t (window));
}

std::vector<std::string> Transcript::Texts () const
{
    std::vector<std::string> texts;
    for (const Line& line : lines)
        texts.push_back (Print (line));
    return texts;
}

std::string CodeText (int code)
{
    char text[16];
    std::snprintf (text, sizeof text, "0x%08X", unsigned (code));
    return text;
}

}   // namespace SimHost
