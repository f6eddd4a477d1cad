// Everything the host saw, one compact JSON object a line, in the order it happened.
#pragma once

#include <nlohmann/json.hpp>

#include <functional>
#include <string>
#include <vector>

namespace SimHost {

// A transcript line keeps its keys in the order they were set.
using Line = nlohmann::ordered_json;

class Transcript {
public:
    void                     Add (Line line);
    const std::vector<Line>& Lines () const { return lines; }
    // The lines as the transcript prints them (invalid UTF-8 becomes U+FFFD).
    std::vector<std::string> Texts () const;
    void                     Clear () { lines.clear (); }
    // Keeps only about the last 'count' lines (between count and twice as many); 0: every line.
    void SetWindow (std::size_t count) { window = count; }
    // Called with each printed line as it is added (the command-line runner streams them).
    void SetSink (std::function<void (const std::string&)> newSink) { sink = std::move (newSink); }

    static std::string Print (const Line& line);

private:
    std::vector<Line>                        lines;
    std::function<void (const std::string&)> sink;
    std::size_t                              window = 0;
};

// "0x81060001": 8 upper-case hex digits.
std::string CodeText (int code);

}   // namespace SimHost
