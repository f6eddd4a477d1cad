// The sandbox's copy of the transcript over a long session: a window of the most recent lines,
// line numbers that never restart, and answers that say what was dropped.
#include "../../SimHost/src/Serve/TranscriptLog.hpp"

#include <gtest/gtest.h>

namespace VirelTests {
namespace {

using SimHost::Serve::LogWindowBytes;
using SimHost::Serve::LogWindowLines;
using SimHost::Serve::TranscriptLog;

TEST (TranscriptLogTest, KeepsAWindowOfTheMostRecentLinesByCountAndBytes)
{
    struct Case {
        const char* what;
        std::size_t lines;
        std::size_t lineBytes;
        std::size_t kept;
    };
    const Case cases[] = {
        { "short lines: the last 10,000", 3 * LogWindowLines + 7, 20, LogWindowLines },
        { "1 MiB lines: 64 MiB of them", 100, std::size_t (1) << 20, LogWindowBytes >> 20 },
        { "fewer lines than the window: all", 50, 20, 50 },
    };
    for (const Case& c : cases) {
        TranscriptLog log;
        for (std::size_t i = 0; i < c.lines; ++i)
            log.Append (std::string (c.lineBytes - 1, 'x') + char ('0' + i % 10));
        EXPECT_EQ (log.Kept (), c.kept) << c.what;
        EXPECT_EQ (log.End (), c.lines) << c.what;
        // from line 0: the oldest kept line on, and how many were dropped
        const SimHost::Serve::LogSlice all = log.From (0);
        EXPECT_EQ (all.dropped, c.lines - c.kept) << c.what;
        ASSERT_EQ (all.lines.size (), c.kept) << c.what;
        EXPECT_EQ (all.lines.back ()->back (), char ('0' + (c.lines - 1) % 10)) << c.what;
        EXPECT_EQ (all.next, c.lines) << c.what;
    }
}

TEST (TranscriptLogTest, AnswersInPagesOfAtMostTheBytesAsked)
{
    TranscriptLog log;
    for (int i = 0; i < 10; ++i)
        log.Append (std::string (100, char ('a' + i)));
    std::size_t next = 3;
    std::string read;
    for (int pages = 0; next < log.End () && pages < 10; ++pages) {
        const SimHost::Serve::LogSlice page = log.From (next, 250);
        EXPECT_LE (page.lines.size (), 2u);
        EXPECT_EQ (page.dropped, 0u);
        for (const auto& line : page.lines)
            read += line->front ();
        next = page.next;
    }
    EXPECT_EQ (read, "defghij");
    // a line longer than a page still comes, alone
    EXPECT_EQ (log.From (0, 10).lines.size (), 1u);
}

TEST (TranscriptLogTest, TheSameLongLineAgainSharesItsText)
{
    TranscriptLog     log;
    const std::string answer (20000, 'r');
    for (int i = 0; i < 3; ++i) {
        log.Append (answer);
        log.Append ("{\"step\":" + std::to_string (i) + "}");
    }
    const SimHost::Serve::LogSlice all = log.From (0);
    ASSERT_EQ (all.lines.size (), 6u);
    EXPECT_EQ (all.lines[0].get (), all.lines[4].get ());
    EXPECT_EQ (*all.lines[5], "{\"step\":2}");
}

}   // namespace
}   // namespace VirelTests
