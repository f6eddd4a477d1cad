'use strict';
// Browsing and finding colours in the palette page, opened from file:// in headless Chromium.

const { describe, it, before, after } = require('node:test');
const assert = require('node:assert/strict');
const culori = require('culori');
const { launch, openPage, settle, calls, drawnSwatches, text } = require('./browser');
const { loadRange } = require('./page-scripts');
const { controlProblems } = require('./layout-checks');

const range = loadRange();
const total = range.colours.length;

let browser;
before(async () => { browser = await launch(); });
after(async () => { await browser.close(); });

describe('opening the page', () => {
    const cases = [
        { what: 'connected, answers as values', fake: {}, connected: true },
        { what: 'connected, answers as Promises', fake: { promises: true }, connected: true },
        { what: 'in a plain browser without "archicad"', fake: { absent: true }, connected: false },
    ];
    for (const c of cases) {
        it(`shows the whole range with no console error, ${c.what}`, async () => {
            const { page, problems } = await openPage(browser, { fake: c.fake });
            await settle(page, 60);
            assert.deepEqual(problems, []);
            assert.equal(await text(page, '#count'), `${total.toLocaleString('en')} colours`);
            assert.ok((await drawnSwatches(page)).length >= 20);
            assert.equal(await page.isVisible('#notice'), !c.connected);
            assert.equal(await page.isDisabled('#import'), !c.connected);
            assert.equal(await page.isDisabled('#paint'), true, 'nothing chosen to paint with yet');
            await page.click('#tab-project');
            const tree = await text(page, '#tree-note');
            if (c.connected) {
                assert.deepEqual((await calls(page)).map((x) => x.name), ['getMaterials']);
                assert.match(tree, /No Virel colours in this project yet/);
            } else {
                assert.match(await text(page, '#notice'), /^Not connected to a project\./);
                assert.match(tree, /Not connected to a project/);
            }
            await page.close();
        });
    }

    it('draws only the swatches in view, and the last ones after scrolling down', async () => {
        const { page } = await openPage(browser);
        const drawn = await page.$$eval('#grid .sw', (els) => els.length);
        assert.ok(drawn < 200, `${drawn} swatch elements for ${total} colours`);
        await page.$eval('#grid', (el) => { el.scrollTop = el.scrollHeight; });
        await settle(page, 30);
        const last = await drawnSwatches(page);
        assert.equal(last[last.length - 1].pos, total - 1);
        const expectedLast = await page.evaluate(() => {
            const r = Virel.app.rangeView.result;
            return Virel.app.range.colours[r.items[r.items.length - 1]].code;
        });
        assert.equal(last[last.length - 1].code, expectedLast);
        await page.close();
    });
});

describe('finding colours', () => {
    let page;
    before(async () => { ({ page } = await openPage(browser)); });
    after(async () => { await page.close(); });

    it('finds a colour by its name or its code as the user types', async () => {
        const sample = range.colours.find((c) => c.name.length > 8 && !range.colours.some((o) => o !== c && o.name.toLowerCase().includes(c.name.toLowerCase())));
        for (const typed of [sample.name.toLowerCase(), sample.code]) {
            await page.fill('#search', '');
            await page.type('#search', typed);
            const shown = await drawnSwatches(page);
            assert.equal(shown[0].code, sample.code, typed);
            assert.equal(await text(page, '#details-code'), sample.code);
            assert.equal(await text(page, '#details-name'), sample.name);
            assert.equal(await text(page, '#details-hex'), sample.hex);
            const rgb = culori.parse(sample.hex);
            assert.equal(await text(page, '#details-rgb'), [rgb.r, rgb.g, rgb.b].map((v) => Math.round(v * 255)).join(', '));
            assert.equal(await text(page, '#details-lrv'), String(sample.lrv));
        }
        await page.fill('#search', 'no colour is called this');
        assert.equal(await page.isVisible('#grid .grid-empty'), true);
        assert.equal(await text(page, '#count'), '0 colours');
    });

    it('lists the nearest colours to a typed hex, by CIEDE2000', async () => {
        const target = '#c93f38';
        const de = culori.differenceCiede2000();
        const expected = range.colours.map((c) => ({ code: c.code, d: de(target, c.hex) })).sort((a, b) => a.d - b.d);
        await page.fill('#search', target);
        assert.equal(await text(page, '#count'), `Nearest to ${target}`);
        const shown = await drawnSwatches(page);
        assert.deepEqual(shown.slice(0, 6).map((s) => s.code), expected.slice(0, 6).map((e) => e.code));
        assert.match(shown[0].label, new RegExp(`ΔE ${expected[0].d.toFixed(1)}`));
        assert.match(await text(page, '#details'), new RegExp(`ΔE2000 ${expected[0].d.toFixed(2)} from ${target}`));
    });

    it('opens with each family together, light to dark as the menu says, filters by family and sorts by lightness or hue', async () => {
        await page.fill('#search', '');
        assert.match(await page.$eval('#sort', (el) => el.selectedOptions[0].textContent), /^Family, light first$/);
        const listed = await page.evaluate(() => Virel.app.rangeView.result.items.map((i) => Virel.app.range.colours[i]).map((c) => [c.family, c.lightness]));
        const runs = listed.map(([f]) => f).filter((f, i, all) => f !== all[i - 1]);
        assert.deepEqual(runs, range.families.map((f) => f.id), 'each family in one run, in the range\'s order');
        assert.ok(listed.every(([f, l], i) => i === 0 || f !== listed[i - 1][0] || l <= listed[i - 1][1]), 'light to dark in a family');
        await page.selectOption('#sort', 'lightness');
        for (const family of ['blues', 'browns']) {
            await page.selectOption('#family', family);
            const n = range.colours.filter((c) => c.family === family).length;
            assert.equal(await text(page, '#count'), `${n.toLocaleString('en')} colours`);
            const prefix = range.families.find((f) => f.id === family).prefix;
            const shown = await drawnSwatches(page);
            assert.ok(shown.every((s) => s.code.startsWith(prefix)), family);
            const lightest = range.colours.filter((c) => c.family === family).sort((a, b) => b.l - a.l)[0];
            assert.equal(Math.round(range.colours.find((c) => c.code === shown[0].code).l), Math.round(lightest.l));
        }
        await page.selectOption('#family', '');
        await page.selectOption('#sort', 'hue');
        const hues = (await drawnSwatches(page)).slice(0, 10).map((s) => range.colours.find((c) => c.code === s.code).h);
        assert.deepEqual(hues, hues.slice().sort((a, b) => a - b));
        await page.selectOption('#sort', 'lightness');
    });

    it('gives every drawn swatch an accessible name and a label that reads on its colour', async () => {
        for (const family of ['', 'greys', 'yellows']) {
            await page.selectOption('#family', family);
            const info = await page.$$eval('#grid .sw', (els) => els.filter((el) => el.style.display !== 'none').map((el) => ({
                label: el.getAttribute('aria-label'), role: el.getAttribute('role'),
                bg: getComputedStyle(el).backgroundColor, ink: getComputedStyle(el).color,
            })));
            for (const s of info) {
                assert.equal(s.role, 'option');
                assert.match(s.label, /^V[A-Z]{2}-\d{4} .+, #[0-9a-f]{6}, LRV [\d.]+/);
                const ratio = culori.wcagContrast(s.bg, s.ink);
                assert.ok(ratio >= 4.5, `${s.label}: contrast ${ratio.toFixed(2)}`);
            }
        }
        await page.selectOption('#family', '');
    });
});

describe('keyboard', () => {
    it('moves through the grid with the arrow keys, selects with Space and clears with Esc', async () => {
        const { page } = await openPage(browser);
        await page.focus('#grid');
        const start = await drawnSwatches(page);
        const cols = start.filter((s) => s.top === start[0].top).length;
        assert.ok(cols >= 3, `${cols} columns`);
        const activeCode = () => text(page, '#details-code');
        const steps = [
            ['ArrowRight', 1], ['ArrowRight', 2], ['ArrowDown', 2 + cols], ['ArrowLeft', 1 + cols],
            ['ArrowUp', 1], ['End', cols - 1], ['Home', 0], ['ArrowLeft', 0], ['PageDown', null],
        ];
        for (const [key, pos] of steps) {
            await page.keyboard.press(key);
            const active = await page.$eval('#grid', (g) => g.getAttribute('aria-activedescendant'));
            if (pos === null) {
                assert.ok(Number(active.slice(3)) > cols, `${key} goes a page down`);
                continue;
            }
            assert.equal(active, `sw-${pos}`, key);
            assert.equal(await activeCode(), start[pos].code, key);
        }
        await page.keyboard.press('Control+Home');
        await page.keyboard.press('Space');
        await page.keyboard.press('Shift+ArrowRight');
        await page.keyboard.press('Shift+ArrowRight');
        assert.equal(await text(page, '#selection-count'), '3 selected');
        assert.equal(await text(page, '#import'), 'Import 3 colours');
        assert.deepEqual((await drawnSwatches(page)).slice(0, 4).map((s) => s.selected), [true, true, true, false]);
        await page.keyboard.press('Escape');
        assert.equal(await text(page, '#selection-count'), '');
        await page.keyboard.press('/');
        assert.equal(await page.evaluate(() => document.activeElement.id), 'search');
        await page.keyboard.type('#ffffff');
        await page.keyboard.press('ArrowDown');
        assert.equal(await page.evaluate(() => document.activeElement.id), 'grid');
        const nearest = `${await text(page, '#details-code')} ${await text(page, '#details-name')}`;
        await page.keyboard.press('Enter');
        await settle(page);
        const created = (await calls(page)).filter((c) => c.name === 'createMaterials');
        assert.equal(created.length, 1, 'Enter imports the active colour');
        assert.equal(JSON.parse(created[0].arg)[0].name, nearest);
        await page.close();
    });

    it('switches tabs with the arrow keys and walks the project tree', async () => {
        const materials = ['VBL-5203 One', 'VBL-5204 Two'].map((name) => ({
            path: 'Surfaces/Virel/Blues', name, color: { red: 1, green: 2, blue: 3 }, product: { ambient: 1, diffuse: 2, shine: 3, specular: 4 },
        }));
        const { page } = await openPage(browser, { fake: { materials } });
        await settle(page);
        await page.focus('#tab-colour');
        await page.keyboard.press('ArrowRight');
        assert.equal(await page.isVisible('#panel-project'), true);
        await page.keyboard.press('Tab');
        const focused = () => page.evaluate(() => document.activeElement.textContent.trim());
        assert.match(await focused(), /^Blues/);
        await page.keyboard.press('ArrowDown');
        await page.keyboard.press('ArrowDown');
        assert.match(await focused(), /^VBL-5204 Two/);
        await page.keyboard.press('Enter');
        assert.equal(await text(page, '.paint-name'), 'VBL-5204 Two');
        await page.keyboard.press('Home');
        await page.keyboard.press('ArrowLeft');
        assert.equal(await page.$$eval('.tree-mat', (els) => els.length), 0, 'ArrowLeft folds the folder');
        await page.keyboard.press('ArrowRight');
        assert.equal(await page.$$eval('.tree-mat', (els) => els.length), 2);
        await page.close();
    });
});

describe('window', () => {
    it('asks for the compact and full sizes, neither of them 600 x 450, and hides', async () => {
        const { page } = await openPage(browser);
        await page.click('#layout');
        await page.setViewportSize({ width: 360, height: 450 });
        await page.click('#layout');
        await page.click('#hide');
        await settle(page);
        const sizes = await page.evaluate(() => window.__fake.resizes);
        assert.deepEqual(sizes, [{ width: 360, height: 450 }, { width: 640, height: 480 }]);
        const asked = (await calls(page)).filter((c) => c.name !== 'getMaterials');
        assert.deepEqual(asked.map((c) => [c.name, c.arg]), [
            ['resize', '{"width":360,"height":450}'], ['resize', '{"width":640,"height":480}'], ['hide', undefined]]);
        await page.close();
    });

    it('stacks the panel under the grid in the compact layout', async () => {
        for (const [viewport, beside] of [[{ width: 640, height: 480 }, true], [{ width: 360, height: 450 }, false]]) {
            const { page, problems } = await openPage(browser, { viewport });
            const grid = await page.$eval('#grid', (el) => el.getBoundingClientRect().toJSON());
            const side = await page.$eval('.side', (el) => el.getBoundingClientRect().toJSON());
            if (beside) assert.ok(side.left >= grid.right - 1 && side.top < grid.bottom, 'side panel beside the grid');
            else assert.ok(side.top >= grid.bottom - 1 && side.width >= viewport.width - 2, 'side panel under the grid');
            assert.ok(side.bottom <= viewport.height && grid.height > 100, JSON.stringify({ grid, side }));
            assert.deepEqual(problems, []);
            await page.close();
        }
    });

    it('keeps every control whole and within reach and the grid in view, wide, narrow and zoomed', async () => {
        for (const viewport of [{ width: 600, height: 450 }, { width: 360, height: 450 }, { width: 300, height: 225 }]) {
            const { page, problems } = await openPage(browser, { viewport });
            await settle(page);
            const seen = [];
            // Before and after an import, which brings the in-project actions and a message.
            for (const step of ['opened', 'imported']) {
                if (step === 'imported') {
                    await page.click('#grid .sw[data-pos="1"]');
                    await page.click('#import');
                    await settle(page);
                }
                const { cut, gridHeight, swatchesInView } = await controlProblems(page);
                seen.push(...cut.map((c) => `${viewport.width}x${viewport.height} ${step}: ${c}`));
                assert.ok(gridHeight >= 140 && swatchesInView >= 6, `${viewport.width}x${viewport.height}: grid ${gridHeight} px, ${swatchesInView} swatches`);
            }
            assert.deepEqual(seen, []);
            assert.match(await text(page, '#import'), /^Paint with V[A-Z]{2}-\d{4}$/);
            assert.deepEqual(problems, []);
            await page.close();
        }
    });

    it('keeps the finish and the import in view on every tab at the default size', async () => {
        const { page } = await openPage(browser, { viewport: { width: 600, height: 450 }, fake: { materials: [] } });
        await settle(page);
        for (const tab of ['#tab-colour', '#tab-project', '#tab-schemes']) {
            await page.click(tab);
            const inView = await page.$$eval('#finish, #import', (els) => els.map((el) => {
                const r = el.getBoundingClientRect();
                return r.height > 0 && r.top >= 0 && r.bottom <= window.innerHeight && r.right <= window.innerWidth;
            }));
            assert.deepEqual(inView, [true, true], tab);
        }
        await page.close();
    });

    it('switches between the light and the dark theme', async () => {
        const { page } = await openPage(browser, { colorScheme: 'dark' });
        const look = () => page.evaluate(() => [document.documentElement.getAttribute('data-theme'), getComputedStyle(document.body).backgroundColor]);
        const [theme, darkBg] = await look();
        assert.equal(theme, 'dark');
        await page.click('#theme');
        const [theme2, lightBg] = await look();
        assert.equal(theme2, 'light');
        assert.ok(culori.wcagLuminance(lightBg) > culori.wcagLuminance(darkBg) + 0.5, `${lightBg} vs ${darkBg}`);
        assert.equal(await page.getAttribute('#theme', 'aria-label'), 'Dark theme');
        await page.close();
    });
});
