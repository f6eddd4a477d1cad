// Every control of the palette page that the sandbox's end-to-end tests use, in one place,
// found by role and accessible name where the page gives them.
'use strict';

const palettePage = {
    colour: (frame, n) => frame.getByRole('listbox', { name: /colours/i }).getByRole('option').nth(n),
    importButton: (frame) => frame.getByRole('button', { name: /^import(?! &)/i }),
    projectTab: (frame) => frame.getByRole('tab', { name: /project/i }),
    colourTab: (frame) => frame.getByRole('tab', { name: /^colour/i }),
    // the Colour tab's button for the colour shown: imports it unless it is in, and paints
    importAndPaint: (frame) => frame.getByRole('button', { name: /^(import & paint|paint with it)$/i }),
    finish: (frame) => frame.getByLabel(/^finish$/i),
    // the button that answers the page's question in its message line ("Remove")
    confirm: (frame, name) => frame.getByRole('button', { name, exact: true }),
    // the materials of the project tree (its folders are tree items too)
    material: (frame, n) => frame.getByRole('tree').locator('[role="treeitem"].tree-mat').nth(n),
    paintButton: (frame) => frame.getByRole('button', { name: /^paint($| faces)/i }),
    // the same button while the page is in paint mode
    stopButton: (frame) => frame.getByRole('button', { name: /^stop/i }),
    search: (frame) => frame.getByPlaceholder(/name, code/i),
};

module.exports = { palettePage };
