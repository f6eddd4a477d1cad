'use strict';
// The page checked with axe-core (WCAG 2.1 A and AA rules) in every size and theme and in each
// state a user meets it in, and walked with the keyboard alone.

const path = require('path');
const { describe, it, before, after } = require('node:test');
const assert = require('node:assert/strict');
const { launch, openPage, settle, calls, ROOT } = require('./browser');

const AXE = path.join(ROOT, 'node_modules', 'axe-core', 'axe.min.js');
const SIZES = [[600, 450], [360, 450], [1000, 700], [300, 225]];
const THEMES = ['light', 'dark'];
const FAMILIES = ['Blues', 'Greens', 'Reds'];
const TWENTY = Array.from({ length: 20 }, (_, i) => ({
    name: `VBL-${5201 + i} Project colour ${i + 1}`, path: `Surfaces/Virel/${FAMILIES[i % 3]}`,
    color: { red: 40 + i * 9, green: 90, blue: 200 - i * 7 }, product: { ambient: 50, diffuse: 80, shine: 25, specular: 35 },
}));

let browser;
before(async () => { browser = await launch(); });
after(async () => { await browser.close(); });

async function chooseFirstMaterial(page) {
    await page.click('#tab-project');
    await page.click('.tree-mat >> nth=0');
}

// Each state: the fake's options and how a user gets there.
const STATES = [
    { what: 'an empty project', fake: {}, reach: async () => {} },
    { what: '20 materials in 3 folders', fake: { materials: TWENTY }, reach: async () => {} },
    { what: 'a colour selected', fake: { materials: TWENTY }, reach: (page) => page.click('#grid .sw[data-pos="3"]') },
    { what: 'the Project view', fake: { materials: TWENTY }, reach: (page) => page.click('#tab-project') },
    { what: 'a colour scheme', fake: { materials: TWENTY }, reach: async (page) => {
        await page.click('#grid .sw[data-pos="3"]');
        await page.click('#tab-schemes');
        await page.fill('#scheme-name', 'Hall');
        await page.click('#scheme-save');
    } },
    { what: 'the colour schedule', fake: { materials: TWENTY }, reach: async (page) => { await page.click('#tab-project'); await page.click('#open-schedule'); } },
    { what: 'a removal asked about', fake: { materials: TWENTY }, reach: async (page) => {
        await page.click('#tab-project');
        await page.focus('.tree-mat >> nth=0');
        await page.keyboard.press('Delete');
    } },
    { what: 'paint mode', fake: { materials: TWENTY }, reach: async (page) => { await chooseFirstMaterial(page); await page.click('#paint'); } },
    { what: 'an error shown', fake: { materials: TWENTY }, reach: async (page) => {
        await page.evaluate(() => window.__fake.failNext('createMaterials', 'type must be number, but is null'));
        await page.click('#grid .sw[data-pos="0"]');
        await page.click('#import');
    } },
    { what: 'not connected', fake: { absent: true }, reach: async () => {} },
];

async function violations(page) {
    const result = await page.evaluate(() => window.axe.run(document, {
        runOnly: { type: 'tag', values: ['wcag2a', 'wcag2aa', 'wcag21a', 'wcag21aa'] },
    }));
    return result.violations.map((v) => `${v.id} (${v.impact}): ${v.nodes.slice(0, 3).map((n) => n.target.join(' ')).join(', ')}`);
}

describe('accessibility checks', () => {
    for (const state of STATES) {
        it(`finds no violation with ${state.what}, in every size and theme`, async () => {
            const { page, problems } = await openPage(browser, { fake: state.fake });
            await settle(page);
            await state.reach(page);
            await settle(page);
            await page.addScriptTag({ path: AXE });
            const found = [];
            for (const [width, height] of SIZES) {
                for (const theme of THEMES) {
                    await page.setViewportSize({ width, height });
                    await page.evaluate((t) => Virel.app.windowControls.setTheme(t, false), theme);
                    await settle(page, 10);
                    for (const v of await violations(page)) found.push(`${width}x${height} ${theme}: ${v}`);
                }
            }
            assert.deepEqual(found, []);
            assert.deepEqual(problems, []);
            await page.close();
        });
    }
});

// Presses Tab until the control matching selector has focus; fails after `max` presses.
async function tabTo(page, selector, max = 30) {
    for (let i = 0; i < max; i++) {
        if (await page.evaluate((s) => document.activeElement?.matches(s), selector)) return;
        await page.keyboard.press('Tab');
    }
    assert.fail(`Tab never reached ${selector}`);
}

const focusedControl = (page) => page.evaluate(() => document.activeElement?.id || document.activeElement?.className || 'none');

describe('keyboard only', () => {
    it('searches, chooses, imports, paints and stops, with focus on a control after every step', async () => {
        const { page, problems } = await openPage(browser, { fake: { promises: true } });
        await settle(page);
        const code = await page.evaluate(() => Virel.app.range.colours[7].code);
        await page.keyboard.press('/');
        await page.keyboard.type(code);
        await page.keyboard.press('Enter');
        assert.equal(await focusedControl(page), 'grid', 'Enter in the search goes to the grid');
        await page.keyboard.press('Enter');
        await settle(page);
        assert.equal(await focusedControl(page), 'grid', 'the grid keeps focus after the Promise answers');
        assert.equal(JSON.parse((await calls(page)).find((c) => c.name === 'createMaterials').arg)[0].name.startsWith(code), true);
        assert.match(await page.textContent('.details-project'), /In the project in matt/);
        assert.equal(await page.textContent('#import'), `Paint with ${code}`, 'the main button no longer offers the import');
        await tabTo(page, '#use-for-paint');
        await page.keyboard.press('Enter');
        await settle(page);
        assert.equal(await focusedControl(page), 'use-for-paint');
        assert.match(await page.textContent('#paint-material'), new RegExp(code));
        assert.equal(await page.evaluate(() => Virel.app.painting.active), true);
        await tabTo(page, '#paint');
        await page.keyboard.press('Escape');
        await settle(page);
        assert.deepEqual([await page.evaluate(() => Virel.app.painting.active), await focusedControl(page)], [false, 'paint'],
            'Esc stops painting and only that');
        assert.deepEqual(problems, []);
        await page.close();
    });

    it('removes a material with Delete, once asked, and imports it again from the message', async () => {
        const { page, problems } = await openPage(browser, { fake: { materials: TWENTY.slice(0, 3) } });
        await settle(page);
        const original = await page.evaluate(() => window.__fake.catalogueText());
        await page.keyboard.press('/');
        await tabTo(page, '#tab-colour');
        await page.keyboard.press('ArrowRight');
        await page.keyboard.press('Tab');
        await page.keyboard.press('ArrowDown');
        const removed = await page.evaluate(() => document.activeElement.dataset.id);
        await page.keyboard.press('Delete');
        assert.equal(await focusedControl(page), 'message-action', 'the question takes focus');
        await page.keyboard.press('Enter');
        await settle(page);
        assert.equal(await page.evaluate((id) => window.__fake.catalogueText().includes(id), removed), false);
        assert.equal(await page.evaluate(() => document.activeElement.getAttribute('role')), 'treeitem', 'focus stays in the list');
        await tabTo(page, '#message-action');
        assert.equal(await page.textContent('#message-action'), 'Import again');
        await page.keyboard.press('Enter');
        await settle(page);
        // The same materials as before, in the same folders with the same values; only the id is new.
        const contents = (t) => t.replace(/"id":"[^"]+",/g, '').match(/\{"color[^}]+\}[^}]+\}\}/g).sort();
        assert.deepEqual(contents(await page.evaluate(() => window.__fake.catalogueText())), contents(original));
        assert.match(await page.textContent('#message-text'), /again, as a new material/);
        assert.equal(await focusedControl(page), 'grid', 'focus leaves the closed message for the grid');
        assert.deepEqual(problems, []);
        await page.close();
    });
});
