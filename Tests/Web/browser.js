'use strict';
// Opens the palette page from its file:// URL in headless Chromium, with the fake "archicad"
// injected before the page's scripts run. Shared by the browser tests, the benchmark and the
// screenshot tool.

const fs = require('fs');
const os = require('os');
const path = require('path');
const { pathToFileURL } = require('url');
const { chromium } = require('playwright-core');
const { NO_BROWSER_UI_PAGES } = require('../headless-chromium-flags.js');

const ROOT = path.resolve(__dirname, '..', '..');
const PAGE_URL = pathToFileURL(path.join(ROOT, 'web', 'index.html')).href;
const FAKE_SCRIPT = fs.readFileSync(path.join(__dirname, 'fake-archicad.js'), 'utf8');
const CHROMIUM = process.env.VIREL_CHROMIUM || '/usr/bin/chromium';

// The add-on's own texts, from the golden transcript the real add-on makes (Tests/Golden): the
// catalogue of one material and the exception of each kind of bad call, in the scenario's order.
function goldenTexts() {
    const lines = fs.readFileSync(path.join(ROOT, 'Tests', 'Golden', 'page-errors.api28.expected'), 'utf8')
        .trim().split('\n').map((l) => JSON.parse(l));
    const errors = lines.filter((l) => 'exception' in l).map((l) => l.exception);
    const [parseError, notString, notNumber, notObject, nullReference, badCast] = errors;
    return { catalogue: lines.find((l) => 'result' in l).result, parseError, notString, notNumber, notObject, nullReference, badCast };
}
const GOLDEN = goldenTexts();

async function launch() {
    const userDataDir = fs.mkdtempSync(path.join(os.tmpdir(), 'virel-chromium-'));
    const context = await chromium.launchPersistentContext(userDataDir, {
        executablePath: CHROMIUM,
        headless: true,
        args: ['--headless', '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
            '--disable-background-networking', '--disable-component-update', '--disable-sync',
            '--allow-file-access-from-files', ...NO_BROWSER_UI_PAGES],
        viewport: { width: 600, height: 450 },
    });
    return {
        context,
        async close() {
            await context.close();
            fs.rmSync(userDataDir, { recursive: true, force: true });
        },
    };
}

// Opens a fresh page. fake: options of the fake (see fake-archicad.js); colorScheme: 'light' | 'dark'.
// Resolves with { page, problems }: console errors and uncaught page errors seen so far.
async function openPage(browser, { fake = {}, viewport = { width: 600, height: 450 }, colorScheme = 'light' } = {}) {
    const page = await browser.context.newPage();
    const problems = [];
    page.on('console', (msg) => { if (msg.type() === 'error') problems.push(`console: ${msg.text()}`); });
    page.on('pageerror', (err) => problems.push(`page: ${err.message}`));
    await page.setViewportSize(viewport);
    await page.emulateMedia({ colorScheme });
    await page.addInitScript(([options, golden]) => {
        window.__virelFakeOptions = options;
        window.__virelGolden = golden;
        try { window.localStorage.removeItem('virel-theme'); } catch (e) { /* no storage */ }
    }, [fake, GOLDEN]);
    await page.addInitScript({ content: FAKE_SCRIPT });
    await page.goto(PAGE_URL);
    await page.waitForFunction(() => window.Virel && window.Virel.app, null, { timeout: 10000 }).catch((e) => {
        throw new Error(`the page did not start: ${problems.join('; ') || e.message}`);
    });
    return { page, problems };
}

// Waits until the fake has settled every Promise and event line it started and the page
// has had time to draw, however busy the machine is.
async function settle(page, ms = 30) {
    for (let round = 0; round < 2; round += 1) {
        await page.waitForFunction(() => !window.__fake || window.__fake.pending === 0, null, { timeout: 10000 });
        await page.evaluate(() => new Promise((resolve) => requestAnimationFrame(() => requestAnimationFrame(resolve))));
        await page.waitForTimeout(ms);
    }
}

module.exports = { launch, openPage, settle, PAGE_URL, ROOT, GOLDEN };

// What the page asked of the fake so far: [{ name, arg, count }].
function calls(page) {
    return page.evaluate(() => window.__fake.calls.map((c) => ({ name: c.name, arg: c.arg, count: c.count })));
}

// The swatches drawn in the grid, in list order: [{ pos, code, name, label, selected, inProject }].
function drawnSwatches(page) {
    return page.evaluate(() => Array.from(document.querySelectorAll('#grid .sw'))
        .filter((el) => el.style.display !== 'none')
        .map((el) => ({
            pos: Number(el.getAttribute('data-pos')),
            code: el.querySelector('.sw-code').textContent,
            name: el.querySelector('.sw-name').textContent,
            label: el.getAttribute('aria-label'),
            selected: el.getAttribute('aria-selected') === 'true',
            inProject: el.classList.contains('in-project'),
            top: el.getBoundingClientRect().top,
            left: el.getBoundingClientRect().left,
        }))
        .sort((a, b) => a.pos - b.pos));
}

function text(page, selector) {
    return page.$eval(selector, (el) => el.textContent.trim());
}

module.exports.calls = calls;
module.exports.drawnSwatches = drawnSwatches;
module.exports.text = text;
