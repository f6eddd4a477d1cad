// A random journey through the sandbox's host page: from a seed, user actions one after
// another in one or more tabs, with what must always hold checked after each. A failing seed
// names itself, so `npm run journey -- --seed N` replays it.
'use strict';
const os = require('node:os');
const path = require('node:path');
const { startSandbox } = require('./sandbox.js');
const { launchBrowser, pixelAt, modelPoint, HOUSE, hostPage } = require('./host-page.js');
const { palettePage } = require('./palette-page.js');

// a small, fast generator of numbers in [0, 1) from a seed (mulberry32)
function generator(seed) {
    let a = seed >>> 0;
    return () => {
        a = (a + 0x6d2b79f5) >>> 0;
        let t = Math.imul(a ^ (a >>> 15), 1 | a);
        t = (t + Math.imul(t ^ (t >>> 7), 61 | t)) ^ t;
        return ((t ^ (t >>> 14)) >>> 0) / 4294967296;
    };
}

const FACES = [HOUSE.wall, HOUSE.gable, HOUSE.door, [0.9, -1.32, 1.5], [4.5, -0.04, 1.5]];
const SIZES = [[1400, 850], [800, 600], [1100, 700]];
const FINISHES = ['matt', 'eggshell', 'satin', 'gloss'];
const sleep = (ms) => new Promise((resolve) => setTimeout(resolve, ms));
const quick = { timeout: 3000 };

async function journey({ api, seed, actions = 200, log = () => {} }) {
    const random = generator(seed);
    const pickOne = (list) => list[Math.floor(random() * list.length)];
    const sandbox = await startSandbox(api);
    const browser = await launchBrowser();
    const context = await browser.newContext({ viewport: { width: 1400, height: 850 } });
    const tabs = [];
    const errors = [];
    const openTab = async () => {
        const page = await context.newPage();
        page.on('console', (m) => { if (m.type() === 'error') errors.push(m.text()); });
        page.on('pageerror', (e) => errors.push(String(e)));
        await page.goto(sandbox.url + '?flat');
        await page.waitForSelector('body[data-ready][data-holds]');
        tabs.push(page);
        return page;
    };
    let tab = await openTab();
    const holderTab = async () => {
        for (const page of tabs) if ((await page.evaluate(() => document.body.dataset.holds)) === 'true') return page;
        return null;
    };
    // the palette page of a tab, once loaded; null while the tab shows no palette
    const frameOf = async (page) => {
        const handle = await page.$('#palette-body iframe');
        if (!handle || !(await handle.isVisible())) return null;
        const frame = await handle.contentFrame();
        await frame.waitForFunction(() => document.readyState === 'complete' && window.VirelEvents, null, { timeout: 10000 });
        return frame;
    };
    const state = async () => (await sandbox.get('api/state')).body;
    // the face drawn at a point of the page, where the 3D window is in sight there
    const faceAt = (page, point) => page.evaluate(({ x, y }) => (document.elementFromPoint(x, y)?.tagName === 'CANVAS' ? window.hostView.faceAt(x, y) : null), point);
    const rgbOf = (host, index) => host.materials.find((m) => m.index === index)?.rgb.map((c) => Math.round(c * 255));
    const unlike = (a, b, tolerance) => !a || !b || a.some((c, i) => Math.abs(c - b[i]) > tolerance);
    // the last Import & paint's click: the face it picked and the colour shown
    let clicked = null;

    // what the user does; each one may find nothing to do in the state it meets
    const ACTIONS = {
        openPalette: [3, async () => { await hostPage.menu(tab, 'Virel').click(quick); await hostPage.menuItem(tab, /open colour palette/i).click(quick); }],
        search: [2, async (frame) => frame && palettePage.search(frame).fill(pickOne(['', 'blue', 'VWH', 'red', 'grey']), quick)],
        select: [3, async (frame) => frame && palettePage.colour(frame, Math.floor(random() * 6)).click(quick)],
        import: [3, async (frame) => {
            if (!frame) return;
            await palettePage.colour(frame, Math.floor(random() * 6)).click(quick);
            // a colour already in offers "Paint with" instead
            if (await palettePage.importButton(frame).isVisible()) await palettePage.importButton(frame).click(quick);
        }],
        paint: [6, async (frame) => {
            if (!frame || !(await palettePage.projectTab(frame).textContent()).match(/\([1-9]/)) return;
            // in paint mode the next face is one click away
            if (!(await palettePage.stopButton(frame).isVisible())) {
                await palettePage.projectTab(frame).click(quick);
                await palettePage.material(frame, 0).click(quick);
                await palettePage.paintButton(frame).click(quick);
            }
            await hostPage.prompt(tab).waitFor({ state: 'visible', ...quick });
            const point = await modelPoint(tab, pickOne(FACES));
            await tab.mouse.click(point.x, point.y);
        }],
        // the Colour tab's Import & paint (Paint with it once the colour is in), then a face
        importAndPaint: [4, async (frame) => {
            if (!frame) return;
            await palettePage.colour(frame, Math.floor(random() * 6)).click(quick);
            await palettePage.colourTab(frame).click(quick);
            await palettePage.importAndPaint(frame).click(quick);
            await hostPage.prompt(tab).waitFor({ state: 'visible', ...quick });
            const rgb = (await frame.locator('#details-rgb').textContent()).split(',').map(Number);
            const point = await modelPoint(tab, pickOne(FACES));
            const face = await faceAt(tab, point);
            await tab.mouse.click(point.x, point.y);
            if (face) clicked = { face, rgb };
        }],
        // the finish of the next import: a colour in a further finish is a material of its own
        changeFinish: [2, async (frame) => frame && palettePage.finish(frame).selectOption(pickOne(FINISHES), quick)],
        escape: [2, async () => tab.keyboard.press('Escape')],
        undo: [3, async () => tab.keyboard.press('Control+z')],
        redo: [2, async () => tab.keyboard.press(pickOne(['Control+y', 'Control+Shift+z']))],
        remove: [1, async (frame) => {
            if (!frame || !(await palettePage.projectTab(frame).textContent()).match(/\([1-9]/)) return;
            await palettePage.projectTab(frame).click(quick);
            await palettePage.material(frame, 0).click(quick);
            await frame.page().keyboard.press('Delete');
            await palettePage.confirm(frame, 'Remove').click(quick);
        }],
        reload: [1, async () => { await tab.reload(); await tab.waitForSelector('body[data-ready][data-holds]'); }],
        newTab: [1, async () => { if (tabs.length < 3) tab = await openTab(); }],
        // the tab left in front (a tab behind gets an animation frame a second, and every click waits for one)
        closeTab: [1, async () => { if (tabs.length > 1) { tabs.splice(tabs.indexOf(tab), 1); await tab.close(); tab = tabs[0]; await tab.bringToFront(); } }],
        switchTab: [2, async () => { tab = pickOne(tabs); await tab.bringToFront(); }],
        movePalette: [2, async () => { const take = tab.getByRole('button', { name: /move the palette here/i }); if (await take.isVisible()) await take.click(quick); }],
        switchWindow: [1, async () => (random() < 0.5 ? hostPage.planWindow(tab) : hostPage.window3d(tab)).click(quick)],
        resize: [1, async () => { const [width, height] = pickOne(SIZES); await tab.setViewportSize({ width, height }); }],
        closeProject: [1, async () => hostPage.closeProject(tab).click(quick)],
    };
    const weighted = Object.entries(ACTIONS).flatMap(([name, [weight]]) => Array(weight).fill(name));

    // the host and every tab at rest: the state read twice alike, 40 ms apart
    const settle = async () => {
        let before = JSON.stringify(await state());
        for (let i = 0; i < 40; i++) {
            await sleep(40);
            const now = JSON.stringify(await state());
            if (now === before) return JSON.parse(now);
            before = now;
        }
        return JSON.parse(before);
    };

    const check = async (host) => {
        const broken = [];
        if (errors.length) broken.push('console errors: ' + errors.join(' | '));
        const holding = [];
        for (const page of tabs) if ((await page.evaluate(() => document.body.dataset.holds)) === 'true') holding.push(page);
        if (holding.length > 1) broken.push(`${holding.length} tabs hold the palette`);
        const holder = holding[0] || null;
        const frame = holder && (await frameOf(holder));
        const paletteShown = host.palette.exists && host.palette.visible;
        if (frame && paletteShown) {
            const count = host.materials.filter((m) => m.path[0] === 'Surfaces' && m.path[1] === 'Virel').length;
            // a page opened just now shows its count once its first getMaterials is back (up to 2 s)
            for (let tries = 40, shown; tries--; await sleep(50)) {
                shown = (await palettePage.projectTab(frame).textContent()).match(/\((\d+)\)/);
                if (shown && Number(shown[1]) === count) break;
                if (!tries) broken.push(`the Project list shows ${shown && shown[1]}, the host has ${count}`);
            }
        }
        if (host.input.waiting) {
            const painting = frame && (await palettePage.stopButton(frame).isVisible());
            if (!painting) broken.push('a point input waits but the palette is not in paint mode');
        }
        for (const page of tabs) {
            const box = await page.locator('#palette').boundingBox();
            const view = page.viewportSize();
            if (box && (box.x < 0 || box.y < 0 || box.x + Math.min(box.width, view.width) > view.width + 1 || box.y > view.height - 20)) broken.push('the palette is off the window');
        }
        // a face Import & paint clicked has that colour, or the host page said why not; the page
        // paints only once the click's answer has come back, so up to 3 s for either
        if (clicked) {
            const { face, rgb } = clicked;
            clicked = null;
            for (let tries = 60, painted; tries--; await sleep(50)) {
                const now = tries === 59 ? host : await state();
                painted = rgbOf(now, now.elements[face.element]?.bodies[face.body]?.[face.polygon]?.material);
                if (!unlike(painted, rgb, 1) || (await hostPage.note(tab).isVisible())) break;
                if (!tries) broken.push(`Import & paint in ${rgb} left element ${face.element} in ${painted || 'no material'} without a note`);
            }
        }
        // every painted face in sight shows its material's colour, once the tab has drawn the
        // host's last change (up to 1 s)
        if (host.window === '3d' && !host.input.waiting) {
            for (const vertex of FACES) {
                for (let tries = 20; tries--; await sleep(50)) {
                    const now = tries === 19 ? host : await state();
                    const point = await modelPoint(tab, vertex);
                    const face = await faceAt(tab, point);
                    const material = face && now.elements[face.element]?.bodies[face.body]?.[face.polygon]?.material;
                    const drawn = material && (await pixelAt(tab, point.x, point.y));
                    if (!material || !unlike(drawn, rgbOf(now, material), 3)) break;
                    if (!tries) broken.push(`a face of element ${face.element} is drawn ${drawn}, its material is ${rgbOf(now, material)}`);
                }
            }
        }
        return broken;
    };

    const done = [];
    try {
        for (let n = 0; n < actions; n++) {
            const name = pickOne(weighted);
            const frame = (await holderTab()) === tab ? await frameOf(tab) : null;
            try {
                await ACTIONS[name][1](frame);
            } catch (error) {
                // a control this state does not offer: the user finds nothing to do
                if (!/Timeout|not visible|detached|closed/i.test(String(error))) throw error;
            }
            done.push(name);
            log(`${n + 1} ${name}`);
            const broken = await check(await settle());
            if (broken.length) {
                const picture = path.join(os.tmpdir(), `journey-${api}-${seed}.png`);
                await tab.screenshot({ path: picture }).catch(() => {});
                throw new Error(`after action ${n + 1} (${name}): ${broken.join('; ')} (the tab as it was: ${picture})`);
            }
        }
    } catch (error) {
        error.message = `journey API ${api} seed ${seed}: ${error.message}\n  actions: ${done.join(' ')}\n  replay: npm run journey -- --seed ${seed} --api ${api}`;
        throw error;
    } finally {
        await browser.close();
        await sandbox.stop();
    }
    return done;
}

module.exports = { journey };
