'use strict';
// The paint loop as the page runs it: choose a material, "Paint" asks for a pick, every picked
// face is painted and the next pick asked for, until the user stops.

const { describe, it, before, after } = require('node:test');
const assert = require('node:assert/strict');
const { launch, openPage, settle, calls, text } = require('./browser');

let browser;
before(async () => { browser = await launch(); });
after(async () => { await browser.close(); });

const WALL = '1C1B2D3E-0000-4000-8000-00000000A001';
const SLAB = '1C1B2D3E-0000-4000-8000-00000000A002';

function seeded(extra = {}) {
    return {
        ...extra,
        materials: [
            { name: 'VBL-5203 Harbour', path: 'Surfaces/Virel/Blues', color: { red: 30, green: 77, blue: 107 }, product: { ambient: 50, diffuse: 80, shine: 25, specular: 35 } },
            { name: 'VRD-4709 Brick', path: 'Surfaces/Virel/Reds', color: { red: 201, green: 63, blue: 56 }, product: { ambient: 60, diffuse: 90, shine: 2, specular: 0 } },
        ],
    };
}

async function chooseInProject(page, name) {
    await page.click('#tab-project');
    await page.click(`.tree-mat[aria-label^="${name}"]`);
    return page.getAttribute(`.tree-mat[aria-label^="${name}"]`, 'data-id');
}

async function painting(page) {
    return page.evaluate(() => [Virel.app.painting.active, document.getElementById('paint').textContent,
        document.getElementById('paintbar').classList.contains('is-painting')]);
}

const MODES = [
    { mode: 'values, events after the call', fake: {} },
    { mode: 'Promises', fake: { promises: true } },
    { mode: 'values, events inside the call', fake: { syncEvents: true } },
];

for (const { mode, fake } of MODES) {
    describe(`painting, answers as ${mode}`, () => {
        it('paints each picked face with the chosen material and asks for the next pick until Esc', async () => {
            const { page, problems } = await openPage(browser, { fake: seeded(fake) });
            await settle(page);
            assert.equal(await page.isDisabled('#paint'), true);
            const brick = await chooseInProject(page, 'VRD-4709 Brick');
            assert.equal(await text(page, '.paint-name'), 'VRD-4709 Brick');
            await page.click('#paint');
            await settle(page);
            assert.deepEqual(await painting(page), [true, 'Stop', true], 'the page follows onIsPainting(true)');

            for (const [guid, e, b, p] of [[WALL, 3, 1, 7], [SLAB, 12, 2, 40]]) {
                assert.equal(await page.evaluate((a) => window.__fake.pick(...a), [guid, e, b, p]), true, 'a pick was asked for');
                await settle(page);
            }
            const painted = await page.evaluate(() => window.__fake.painted);
            assert.deepEqual(painted, [
                { elementId: WALL, elementIndex: 3, materialId: brick, bodyIndex: 1, polygonIndex: 7 },
                { elementId: SLAB, elementIndex: 12, materialId: brick, bodyIndex: 2, polygonIndex: 40 },
            ]);
            const args = (await calls(page)).filter((c) => c.name === 'paintElement').map((c) => Object.keys(JSON.parse(c.arg)));
            assert.deepEqual(args[0], ['elementId', 'elementIndex', 'materialId', 'bodyIndex', 'polygonIndex']);
            // The add-on does not say whether a face was painted: the page claims only what it sent.
            assert.match(await text(page, '#paint-status'), /· 2 sent to paint ·/);

            await page.keyboard.press('Escape');
            await settle(page);
            assert.deepEqual(await painting(page), [false, 'Paint', false]);
            assert.deepEqual((await calls(page)).map((c) => c.name), [
                'getMaterials', 'beginPaint', 'paintElement', 'beginPaint', 'paintElement', 'beginPaint', 'endPaint']);
            assert.equal(await page.evaluate(() => window.__fake.pick('X', 1, 1, 1)), false, 'no pick is pending');
            assert.deepEqual(problems, []);
            await page.close();
        });
    });
}

describe('painting', () => {
    it('stops with the button, and follows the add-on when it leaves paint mode itself', async () => {
        const { page } = await openPage(browser, { fake: seeded() });
        await settle(page);
        await chooseInProject(page, 'VBL-5203 Harbour');
        await page.click('#paint');
        await settle(page);
        await page.click('#paint');
        await settle(page);
        assert.deepEqual(await painting(page), [false, 'Paint', false]);
        await page.click('#paint');
        await settle(page);
        await page.evaluate(() => window.__fake.cancelPick());
        await settle(page);
        assert.deepEqual(await painting(page), [false, 'Paint', false], 'a pick cancelled in the 3D window ends painting');
        await page.click('#paint');
        await settle(page);
        await page.click('#hide');
        await settle(page);
        assert.deepEqual(await painting(page), [false, 'Paint', false], 'hiding the palette ends painting');
        assert.deepEqual((await calls(page)).map((c) => c.name),
            ['getMaterials', 'beginPaint', 'endPaint', 'beginPaint', 'beginPaint', 'hide']);
        await page.close();
    });

    // Every control that offers a colour for painting imports it if needed, makes it the current
    // material everywhere and starts paint mode.
    const WAYS = [
        { way: '"Import & paint" on a colour not in the project', fresh: true, run: (page) => page.click('#use-for-paint') },
        { way: '"Paint with it" on a colour in the project', run: (page) => page.click('#use-for-paint') },
        { way: 'the main button on a colour in the project', run: (page) => page.click('#import') },
        { way: 'Enter in the grid on a colour in the project', run: async (page) => { await page.focus('#grid'); await page.keyboard.press('Enter'); } },
        { way: 'Enter on a Project row', run: async (page) => {
            await page.click('#tab-project');
            await page.focus('.tree-mat[aria-label^="VRD-4709"]');
            await page.keyboard.press('Enter');
        } },
    ];
    for (const { way, fresh, run } of WAYS) {
        it(`starts painting from ${way}`, async () => {
            const { page, problems } = await openPage(browser, { fake: fresh ? { promises: true } : seeded() });
            await settle(page);
            if (!fresh) await page.fill('#search', 'VRD-4709');
            await settle(page);
            await run(page);
            await settle(page, 40);
            const names = (await calls(page)).map((c) => c.name);
            assert.deepEqual(names.filter((n) => n !== 'getMaterials'), fresh ? ['createMaterials', 'beginPaint'] : ['beginPaint']);
            assert.deepEqual(await painting(page), [true, 'Stop', true]);
            const name = await text(page, '.paint-name');
            assert.ok(name.startsWith(await text(page, '#details-code')), 'the Colour tab shows the colour painted with');
            assert.match(await text(page, '#details-project'), /painting with it/);
            await page.click('#tab-project');
            assert.equal(await page.getAttribute('.tree-mat.is-chosen', 'aria-label'), `${name} Matt, chosen for painting`);
            assert.deepEqual(problems, []);
            await page.close();
        });
    }

    it('imports a range colour on the spot and paints with it', async () => {
        const { page } = await openPage(browser, { fake: { promises: true } });
        await settle(page);
        const code = await text(page, '#details-code');
        await page.click('#use-for-paint');
        await settle(page, 40);
        const created = (await calls(page)).filter((c) => c.name === 'createMaterials');
        assert.equal(created.length, 1);
        const name = JSON.parse(created[0].arg)[0].name;
        assert.ok(name.startsWith(`${code} `), name);
        assert.equal(await text(page, '.paint-name'), name);
        assert.equal(await text(page, '#use-for-paint'), 'Paint with it');
        await page.evaluate((g) => window.__fake.pick(g, 1, 1, 1), WALL);
        await settle(page, 40);
        const id = JSON.parse(await page.evaluate(() => window.__fake.catalogueText())).folders[0].surfaces[0].id;
        assert.equal((await page.evaluate(() => window.__fake.painted))[0].materialId, id);
        await page.close();
    });

    it('shows a failed paint in plain words, stops painting and reads the project again', async () => {
        const { page, problems } = await openPage(browser, { fake: seeded() });
        await settle(page);
        await chooseInProject(page, 'VBL-5203 Harbour');
        await page.click('#paint');
        await settle(page);
        await page.evaluate(() => window.__fake.failNext('paintElement', '[json.exception.type_error.302] type must be string, but is null'));
        await page.evaluate((g) => window.__fake.pick(g, 1, 1, 1), WALL);
        await settle(page, 40);
        assert.deepEqual([await text(page, '#message-text'), await text(page, '#message-detail')],
            ['Could not paint the picked face. Painting stopped.', 'type must be string, but is null']);
        assert.deepEqual(await painting(page), [false, 'Paint', false]);
        assert.deepEqual((await calls(page)).map((c) => c.name),
            ['getMaterials', 'beginPaint', 'paintElement', 'getMaterials', 'endPaint']);
        // and it goes on working
        await page.click('#paint');
        await settle(page);
        await page.evaluate((g) => window.__fake.pick(g, 2, 2, 2), WALL);
        await settle(page);
        assert.equal((await page.evaluate(() => window.__fake.painted)).length, 1);
        assert.deepEqual(problems, []);
        await page.close();
    });

    it('stops when the chosen material was removed from the project meanwhile', async () => {
        const { page } = await openPage(browser, { fake: seeded({ notifyChanges: true }) });
        await settle(page);
        const id = await chooseInProject(page, 'VBL-5203 Harbour');
        await page.click('#paint');
        await settle(page);
        // the button shows on hover: the click goes to it directly, wherever the row is drawn
        await page.dispatchEvent(`.tree-mat[data-id="${id}"] .mat-remove`, 'click');
        await page.click('#message-action');
        await settle(page);
        assert.match(await text(page, '.paint-none'), /Nothing to paint with/);
        await page.evaluate((g) => window.__fake.pick(g, 1, 1, 1), WALL);
        await settle(page);
        assert.match(await text(page, '#message-text'), /no longer in the project, so painting stopped/);
        const names = (await calls(page)).map((c) => c.name);
        assert.ok(!names.includes('paintElement'));
        assert.equal(names[names.length - 1], 'endPaint');
        assert.deepEqual(await painting(page), [false, 'Paint', false]);
        await page.close();
    });

    it('asks for a material before painting', async () => {
        const { page } = await openPage(browser, { fake: seeded() });
        await settle(page);
        assert.equal(await page.isDisabled('#paint'), true);
        await page.evaluate(() => Virel.app.painting.start());
        assert.match(await text(page, '#message-text'), /^Choose a material to paint with first/);
        assert.deepEqual((await calls(page)).map((c) => c.name), ['getMaterials']);
        await page.close();
    });
});
