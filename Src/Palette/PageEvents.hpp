// Page events: one line of script run in a palette's page. Nothing waits for the page.
#pragma once

class BrowserPalette;

// Runs the line in the held palette's page; a line with no palette to go to is dropped.
void RunPageEvent (const char* line);
// Runs the line in the page of a palette that is not held yet (the one being created).
void RunPageEventIn (BrowserPalette& palette, const char* line);
