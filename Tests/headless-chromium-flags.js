'use strict';
// Flags every headless Chromium of the browser tests, benchmarks and screenshots starts with.
//
// Headless, Chromium still builds its address bar's drop-down, a page of its own, for each
// window it opens: about a second of CPU on a two-core machine, spent just while the page under
// test loads. Nobody sees it headless, so it is switched off.
const NO_BROWSER_UI_PAGES = ['--disable-features=WebUIOmniboxPopup,WebUIOmniboxAimPopup'];

module.exports = { NO_BROWSER_UI_PAGES };
