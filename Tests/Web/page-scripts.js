'use strict';
// Loads the page's classic scripts (and the generated range) into a fresh script context, the
// way the palette's browser runs them, so their logic can be tested without a browser.

const fs = require('fs');
const path = require('path');
const vm = require('vm');

const WEB = path.resolve(__dirname, '..', '..', 'web');

function loadPage(files, { range = false } = {}) {
    const sandbox = { console };
    sandbox.window = sandbox;
    vm.createContext(sandbox);
    const all = (range ? ['data/range.js'] : []).concat(files);
    for (const file of all) {
        vm.runInContext(fs.readFileSync(path.join(WEB, file), 'utf8'), sandbox, { filename: file });
    }
    return sandbox;
}

// The generated range as plain values of the caller's own context.
function loadRange() {
    return JSON.parse(JSON.stringify(loadPage([], { range: true }).Virel.rangeData));
}

const LOGIC = ['js/colour.js', 'js/finishes.js', 'js/search-text.js', 'js/range-index.js', 'js/catalogue.js', 'js/bridge.js'];

module.exports = { loadPage, loadRange, LOGIC, WEB };
