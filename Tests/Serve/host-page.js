// The sandbox's host page in headless Chromium: open it, find its controls, read the 3D
// window's pixels.
'use strict';
const { chromium } = require('playwright-core');
const { NO_BROWSER_UI_PAGES } = require('../headless-chromium-flags.js');

const CHROMIUM_ARGS = ['--no-sandbox', '--use-gl=swiftshader', '--enable-unsafe-swiftshader', '--ignore-gpu-blocklist', ...NO_BROWSER_UI_PAGES];

function launchBrowser() {
    return chromium.launch({ executablePath: process.env.CHROMIUM || '/usr/bin/chromium', args: CHROMIUM_ARGS });
}

// beforeLoad: a function run in the page before its own scripts, if any.
async function openHostPage(url, beforeLoad) {
    const browser = await launchBrowser();
    const page = await browser.newPage({ viewport: { width: 1400, height: 850 } });
    if (beforeLoad) await page.addInitScript(beforeLoad);
    await page.goto(url);
    await page.waitForSelector('body[data-ready]');
    return { browser, page };
}

// The palette page's frame, once the page has taken its onCreated.
async function paletteFrame(page) {
    const handle = await page.waitForSelector('#palette-body iframe');
    const frame = await handle.contentFrame();
    await frame.waitForFunction(() => document.readyState === 'complete' && window.VirelEvents);
    return frame;
}

// The colour drawn at (x, y) of the page, read from the 3D window's canvas.
function pixelAt(page, x, y) {
    return page.evaluate(([px, py]) => {
        const canvas = document.querySelector('#view-3d canvas');
        const box = canvas.getBoundingClientRect();
        const copy = document.createElement('canvas');
        copy.width = copy.height = 1;
        const context = copy.getContext('2d');
        const scale = canvas.width / box.width;
        context.drawImage(canvas, Math.round((px - box.left) * scale), Math.round((py - box.top) * scale), 1, 1, 0, 0, 1, 1);
        return Array.from(context.getImageData(0, 0, 1, 1).data.slice(0, 3));
    }, [x, y]);
}

// Where a point of the model (metres) is drawn on the page, with the page's camera as it is now.
function modelPoint(page, vertex) {
    return page.evaluate((v) => window.hostView.pointOf(v), vertex);
}

// Points of the demo house: the front wall's outside face left of the door, the west gable
// wall, the front door.
const HOUSE = { wall: [1.0, 0, 1.2], gable: [0, 1.0, 1.2], door: [2.4, -0.04, 1.0] };

const hostPage = {
    menu: (page, title) => page.getByRole('button', { name: title }),
    menuItem: (page, name) => page.getByRole('menuitem', { name }),
    undo: (page) => page.getByRole('button', { name: /^undo/i }),
    redo: (page) => page.getByRole('button', { name: /^redo/i }),
    planWindow: (page) => page.getByRole('button', { name: /plan window/i }),
    window3d: (page) => page.getByRole('button', { name: /3d window/i }),
    closeProject: (page) => page.getByRole('button', { name: /close project/i }),
    report: (page) => page.getByRole('dialog', { name: /report/i }),
    prompt: (page) => page.locator('#prompt'),
    note: (page) => page.locator('#note'),
};

module.exports = { launchBrowser, openHostPage, paletteFrame, pixelAt, modelPoint, HOUSE, hostPage };
