// The host page through a real session: two tabs, a reload while painting, a window that
// shrinks, the keyboard, a click on nothing paintable, "Close project", shading, axe and the
// favicon. One sandbox and browser per add-on build; the steps follow one another.
'use strict';
const test = require('node:test');
const assert = require('node:assert');
const fs = require('node:fs');
const { startSandbox, BUILDS } = require('./sandbox.js');
const { launchBrowser, paletteFrame, pixelAt, modelPoint, HOUSE, hostPage } = require('./host-page.js');
const { palettePage } = require('./palette-page.js');

const inside = (a, b) => a.x >= b.x && a.y >= b.y && a.x + a.width <= b.x + b.width && a.y + a.height <= b.y + b.height;
const meets = (a, b) => a.x < b.x + b.width && b.x < a.x + a.width && a.y < b.y + b.height && b.y < a.y + a.height;
async function until(what, check) {
    for (let i = 0; i < 600; i++) if (await check()) return;
    else await new Promise((resolve) => setTimeout(resolve, 25));
    assert.fail(`${what} did not come`);
}
// clicks the add-on has taken in paint mode so far (painting a face in the colour it has
// already adds no step to the history, so the steps do not count them)
const paintSteps = (sandbox) => sandbox.stdout.filter((line) => /^VirelEvents\.onElementSelected\(/.test(line.page)).length;
const undoAndRedo = async (sandbox) => { const { undoHistory, redo } = (await sandbox.get('api/state')).body; return [undoHistory.length, redo.length]; };

async function openTab(context, url) {
    const page = await context.newPage();
    const errors = [];
    page.on('console', (message) => { if (message.type() === 'error') errors.push(message.text()); });
    page.on('pageerror', (error) => errors.push(String(error)));
    await page.goto(url);
    await page.waitForSelector('body[data-ready][data-holds]');
    return Object.assign(page, { errors });
}

async function openPalette(page) {
    await hostPage.menu(page, 'Virel').click();
    await hostPage.menuItem(page, /open colour palette/i).click();
    return paletteFrame(page);
}

async function startPainting(page, frame, material = 0) {
    await palettePage.projectTab(frame).click();
    await palettePage.material(frame, material).click();
    await palettePage.paintButton(frame).click();
    await hostPage.prompt(page).waitFor({ state: 'visible' });
}

for (const api of BUILDS) {
    test(`the host page holds up to a session (API ${api})`, async (t) => {
        const sandbox = await startSandbox(api);
        const browser = await launchBrowser();
        t.after(async () => { await browser.close(); await sandbox.stop(); });
        const context = await browser.newContext({ viewport: { width: 1400, height: 850 } });
        const url = sandbox.url + '?flat';
        const first = await openTab(context, url);
        let frame = await openPalette(first);
        await palettePage.colour(frame, 0).click();
        await palettePage.colour(frame, 1).click({ modifiers: ['Control'] });
        await palettePage.importButton(frame).click();
        await first.waitForFunction(() => document.querySelectorAll('#folders .material').length === 2);
        // where a point of the house is drawn now: the palette's place frames the view
        const at = (page, name) => modelPoint(page, HOUSE[name]);

        await t.test('a second tab shows where the palette is, follows the project, and gives the palette back when it closes', async () => {
            const second = await openTab(context, url);
            assert.strictEqual(await second.locator('#palette-body iframe').count(), 0, 'the add-on page runs in one tab');
            await second.getByRole('button', { name: /move the palette here/i }).waitFor();
            await second.waitForFunction(() => document.querySelectorAll('#folders .material').length === 2);
            // painting in the first tab goes on while the second is open
            await first.bringToFront();
            await startPainting(first, frame);
            const before = paintSteps(sandbox);
            for (let i = 1; i <= 4; i++) {
                const face = await modelPoint(first, [HOUSE.wall, HOUSE.gable][i % 2]);
                await first.mouse.click(face.x, face.y);
                await until(`paint ${i}`, () => paintSteps(sandbox) >= before + i);
                await until('the next input', async () => (await sandbox.get('api/state')).body.input.waiting);
            }
            await second.waitForFunction(() => /Paint Element/.test(document.querySelector('#undo').textContent));
            // moved to the second tab: the point input ends, the first tab shows the notice
            await second.getByRole('button', { name: /move the palette here/i }).click();
            await paletteFrame(second);
            await first.getByRole('button', { name: /move the palette here/i }).waitFor();
            assert.strictEqual((await sandbox.get('api/state')).body.input.waiting, false);
            // the holding tab closes: the palette comes back to the tab still open
            assert.deepStrictEqual([...first.errors, ...second.errors], []);
            await second.close();
            await first.waitForSelector('body[data-holds="true"]');
            frame = await paletteFrame(first);
        });

        await t.test('a reload while painting cancels the input and the page takes the palette again', async () => {
            await startPainting(first, frame);
            await first.reload();
            await first.waitForSelector('body[data-holds="true"]');
            frame = await paletteFrame(first);
            assert.strictEqual((await sandbox.get('api/state')).body.input.waiting, false);
            assert.ok(await hostPage.prompt(first).isHidden());
        });

        await t.test('a click that paints nothing gets a note', async () => {
            await startPainting(first, frame);
            // the background in front of the house: no click reaches the add-on; the door: the
            // add-on takes the click, but a door's faces take no paint
            for (const [point, note, taken] of [[[3, -5, 0], /no element there/i, 0], [HOUSE.door, /nothing changed/i, 1]]) {
                const before = paintSteps(sandbox);
                const drawn = await modelPoint(first, point);
                await first.mouse.click(drawn.x, drawn.y);
                await first.locator('#note').filter({ hasText: note }).waitFor({ state: 'visible' });
                assert.strictEqual(paintSteps(sandbox), before + taken);
                assert.ok(!meets(await first.locator('#note').boundingBox(), await first.locator('#palette').boundingBox()));
                await until('the next input', async () => (await sandbox.get('api/state')).body.input.waiting);
            }
        });

        await t.test('Ctrl+Z undoes, Ctrl+Y and Ctrl+Shift+Z redo', async () => {
            await first.keyboard.press('Escape');
            const [undo, redo] = await undoAndRedo(sandbox);
            assert.ok(undo > 0);
            for (const [keys, undone] of [['Control+z', 1], ['Control+y', 0], ['Control+z', 1], ['Control+Shift+z', 0]]) {
                await first.keyboard.press(keys);
                await until(keys, async () => (await undoAndRedo(sandbox)).join() === [undo - undone, redo + undone].join());
            }
        });

        await t.test('faces are shaded by direction, and flat in flat mode', async () => {
            // an unpainted column in the host's own colour for columns
            await first.keyboard.press('Escape');
            const column = [5.1, -1.32, 1.5];
            const flatAt = await modelPoint(first, column);
            assert.deepStrictEqual(await pixelAt(first, flatAt.x, flatAt.y), [199, 199, 194], 'flat: the colour exactly');
            const shaded = await openTab(context, sandbox.url);
            const shadedAt = await modelPoint(shaded, column);
            const [r, g, b] = await pixelAt(shaded, shadedAt.x, shadedAt.y);
            assert.ok(r < 192 && g < 192 && b < 188 && r > 120, `shaded: a face turned from the light is darker (${[r, g, b]})`);
            await shaded.close();
        });

        await t.test('the palette stays inside a shrinking window and never hides the prompt', async () => {
            const palette = first.locator('#palette');
            for (const name of Object.keys(HOUSE)) {
                const point = await at(first, name);
                assert.ok(!meets(await palette.boundingBox(), { ...point, width: 1, height: 1 }), `it opens off the house (${name})`);
            }
            const title = await first.locator('#palette-title').boundingBox();
            await first.mouse.move(title.x + 20, title.y + 5);
            await first.mouse.down();
            await first.mouse.move(title.x + 300, title.y + 5);
            await first.mouse.up();
            await first.setViewportSize({ width: 800, height: 600 });
            await first.waitForFunction(() => document.querySelector('#palette').getBoundingClientRect().right <= 800);
            assert.ok(inside(await first.locator('#palette-title').boundingBox(), { x: 0, y: 0, width: 800, height: 600 }));
            await startPainting(first, frame);
            assert.ok(!meets(await hostPage.prompt(first).boundingBox(), await palette.boundingBox()), 'the prompt is beside the palette');
            await first.keyboard.press('Escape');
            await first.setViewportSize({ width: 1400, height: 850 });
        });

        await t.test('the host page is axe-clean with the palette open and has a favicon', async () => {
            await first.addScriptTag({ content: fs.readFileSync(require.resolve('axe-core'), 'utf8') });
            const result = await first.evaluate(() => window.axe.run(document, { runOnly: ['wcag2a', 'wcag2aa', 'wcag21a', 'wcag21aa'], exclude: [['#palette-body iframe']] }));
            assert.deepStrictEqual(result.violations.map((v) => `${v.id}: ${v.nodes.length}`), []);
            const icon = await first.evaluate(() => document.querySelector('link[rel="icon"]').href);
            assert.strictEqual((await sandbox.get(new URL(icon).pathname.slice(1))).status, 200);
        });

        await t.test('"Close project" opens a fresh project; the add-on stays loaded', async () => {
            // the palette opens afresh in a window of 800 x 600, narrower than it and its side panel
            await first.setViewportSize({ width: 800, height: 600 });
            await hostPage.closeProject(first).click();
            await first.waitForSelector('#palette', { state: 'hidden' });
            await first.waitForFunction(() => document.querySelectorAll('#folders .material').length === 0 && document.querySelector('#undo').disabled);
            const state = (await sandbox.get('api/state')).body;
            assert.deepStrictEqual([state.materials.length, state.undoHistory.length, state.elements.length, state.window], [0, 0, 10, '3d'], 'the demo house anew');
            assert.ok(sandbox.stdout.some((line) => line.newProject), 'the transcript says a fresh project opened');
            frame = await openPalette(first);
            await palettePage.projectTab(frame).filter({ hasText: '(0)' }).waitFor();
            for (const name of Object.keys(HOUSE)) {
                const point = await at(first, name);
                assert.ok(!meets(await first.locator('#palette').boundingBox(), { ...point, width: 1, height: 1 }), `at 800 x 600 it opens off the house (${name})`);
            }
            assert.deepStrictEqual(first.errors, []);
        });
    });
}
