// Page events: one line of script run in the page of the held palette. Nothing waits for the
// page. The palette says which page that is; everything else only sends lines.
#pragma once

namespace DG {
class Browser;
}

// [palette held / released] The browser whose page hears events; null when no palette is held.
void SetEventPage (DG::Browser* browser);
// Whether a palette's page is there to hear events (a palette is held).
bool HasEventPage ();

// Runs the line in the held palette's page; a line with no palette to go to is dropped.
void RunPageEvent (const char* line);
// Runs the line in the page of a palette that is not held yet (the one being created).
void RunPageEventIn (DG::Browser& browser, const char* line);
