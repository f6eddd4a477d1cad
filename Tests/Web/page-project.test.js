'use strict';
// Importing range colours into the project, removing them, and the project's catalogue as the
// page shows it, with a fake "archicad" that keeps the catalogue as the add-on does.

const { describe, it, before, after } = require('node:test');
const assert = require('node:assert/strict');
const { launch, openPage, settle, calls, drawnSwatches, text } = require('./browser');
const { loadRange } = require('./page-scripts');

const range = loadRange();
const familyLabel = (id) => range.families.find((f) => f.id === id).label;

let browser;
before(async () => { browser = await launch(); });
after(async () => { await browser.close(); });

// Clicks a drawn swatch by its list position; modifiers as Playwright names them.
function clickSwatch(page, pos, modifiers = []) {
    return page.click(`#grid .sw[data-pos="${pos}"]`, { modifiers });
}

async function catalogue(page) {
    return JSON.parse(await page.evaluate(() => window.__fake.catalogueText()));
}

function material(name, path = 'Surfaces/Virel/Blues', color = { red: 10, green: 20, blue: 30 }) {
    return { name, path, color, product: { ambient: 50, diffuse: 80, shine: 25, specular: 35 } };
}

const MODES = [
    { mode: 'values', fake: {} },
    { mode: 'Promises', fake: { promises: true } },
];

for (const { mode, fake } of MODES) {
    describe(`import and remove, answers as ${mode}`, () => {
        it('imports the selected colours, filed by family, with the chosen finish', async () => {
            const { page, problems } = await openPage(browser, { fake });
            await settle(page);
            await page.selectOption('#family', '');
            await page.fill('#search', '');
            // Two colours of different families: the first drawn white and the first blue.
            await page.selectOption('#family', 'blues');
            const blue = (await drawnSwatches(page))[0];
            await clickSwatch(page, 0);
            await page.selectOption('#family', '');
            await page.fill('#search', range.colours.find((c) => c.family === 'reds').code);
            await clickSwatch(page, 0, ['Control']);
            await page.fill('#search', blue.code);
            assert.equal(await text(page, '#selection-count'), '2 selected', 'the selection outlives the search');
            await page.selectOption('#finish', 'satin');
            await page.click('#import');
            await settle(page, 40);

            const created = (await calls(page)).filter((c) => c.name === 'createMaterials');
            assert.equal(created.length, 1);
            const chosen = [blue.code, range.colours.find((c) => c.family === 'reds').code]
                .map((code) => range.colours.find((c) => c.code === code));
            const satin = await page.evaluate(() => Virel.finishById('satin').product);
            const expected = chosen.map((c) => {
                const n = parseInt(c.hex.slice(1), 16);
                return {
                    name: `${c.code} ${c.name}`,
                    color: { red: n >> 16, green: (n >> 8) & 255, blue: n & 255 },
                    path: `Surfaces/Virel/${familyLabel(c.family)}`,
                    product: satin,
                };
            });
            const sent = JSON.parse(created[0].arg);
            assert.deepEqual(sent.slice().sort((a, b) => a.name.localeCompare(b.name)),
                expected.slice().sort((a, b) => a.name.localeCompare(b.name)));

            const root = await catalogue(page);
            assert.deepEqual(root.folders.map((f) => f.path).sort(), ['Surfaces/Virel/Blues/', 'Surfaces/Virel/Reds/']);
            assert.equal(await text(page, '#selection-count'), '', 'imported colours leave the selection');
            assert.match(await text(page, '#message-text'), /^Imported 2 colours \(satin\)\./);
            assert.equal(await text(page, '#tab-project'), 'Project (2)');
            const marked = (await drawnSwatches(page)).filter((s) => s.code === blue.code)[0];
            assert.ok(marked.inProject && /in project$/.test(marked.label), 'the range marks colours in the project');
            await page.fill('#search', '');
            await page.click('#tab-project');
            assert.deepEqual(await page.$$eval('.tree-folder .folder-name', (els) => els.map((e) => e.textContent)), ['Blues', 'Reds']);
            assert.deepEqual(await page.$$eval('.tree-mat .mat-finish', (els) => els.map((e) => e.textContent)), ['Satin', 'Satin']);

            // A colour already there is offered for painting, not imported again.
            await page.click('#tab-colour');
            await page.fill('#search', blue.code);
            await clickSwatch(page, 0);
            assert.equal(await text(page, '#import'), `Paint with ${blue.code}`);
            await page.click('#import');
            await settle(page, 40);
            assert.deepEqual((await calls(page)).map((c) => c.name).filter((n) => n !== 'getMaterials'), ['createMaterials', 'beginPaint']);
            assert.equal(await text(page, '.paint-name'), `${blue.code} ${blue.name}`);
            assert.deepEqual(problems, []);
            await page.close();
        });

        it('asks before removing a material with its button or the Delete key, and says what the undo restores', async () => {
            const materials = [material('VBL-5203 One'), material('VBL-5204 Two'), material('Somebody else', 'Surfaces/Virel')];
            const { page, problems } = await openPage(browser, { fake: { ...fake, materials } });
            await settle(page);
            await page.click('#tab-project');
            const ids = (await catalogue(page)).folders[0].surfaces.map((s) => s.id);
            const deletes = async () => (await calls(page)).filter((c) => c.name === 'deleteMaterial').map((c) => c.arg);
            // Each way of asking, then each answer: Cancel and Esc keep it, the action removes it.
            const asks = [
                { ask: () => page.dispatchEvent(`.tree-mat[data-id="${ids[0]}"] .mat-remove`, 'click'), answer: () => page.click('#message-close'), removed: [] },
                { ask: () => page.dispatchEvent(`.tree-mat[data-id="${ids[0]}"] .mat-remove`, 'click'), answer: () => page.click('#message-action'), removed: [ids[0]] },
                { ask: async () => { await page.focus(`.tree-mat[data-id="${ids[1]}"]`); await page.keyboard.press('Delete'); },
                    answer: () => page.keyboard.press('Escape'), removed: [ids[0]] },
                { ask: async () => { await page.focus(`.tree-mat[data-id="${ids[1]}"]`); await page.keyboard.press('Delete'); },
                    answer: () => page.keyboard.press('Enter'), removed: ids },
            ];
            for (const { ask, answer, removed } of asks) {
                await ask();
                assert.match(await text(page, '#message-text'), /^Remove VBL-520[34] (One|Two) from the project\? Faces painted with it lose it\.$/);
                await answer();
                await settle(page, 40);
                assert.deepEqual(await deletes(), removed);
            }
            assert.deepEqual(await page.$$eval('.tree-mat .mat-name', (els) => els.map((e) => e.textContent)), ['Somebody else']);
            assert.equal(await text(page, '#message-text'), 'Removed VBL-5204 Two from the project. Faces painted with it lost it.');
            assert.equal(await text(page, '#message-action'), 'Import again');
            await page.click('#message-action');
            await settle(page, 40);
            assert.equal(await text(page, '#message-text'), 'Imported VBL-5204 Two again, as a new material. Faces that lost it are not painted with it again.');
            const back = (await catalogue(page)).folders[0].surfaces;
            assert.deepEqual(back.map((s) => s.name), ['VBL-5204 Two']);
            assert.notEqual(back[0].id, ids[1], 'a new material, not the removed one');
            assert.deepEqual(problems, []);
            await page.close();
        });
    });
}

describe('the catalogue as the project sends it', () => {
    it('is redrawn from onMaterialsModified, received as an object', async () => {
        const { page } = await openPage(browser, { fake: { materials: [material('VBL-5203 One')] } });
        await settle(page);
        await page.click('#tab-project');
        await page.evaluate(() => {
            window.__fake.addMaterial({ name: 'VGN-4001 Fern', path: 'Surfaces/Virel/Greens/Deep', color: { red: 1, green: 90, blue: 2 },
                product: { ambient: 1, diffuse: 2, shine: 3, specular: 4 } });
            window.__fake.sendModified();
        });
        await settle(page);
        const lines = await page.evaluate(() => window.__fake.lines);
        assert.match(lines[lines.length - 1], /^VirelEvents\.onMaterialsModified\(\{"folders":\[/);
        assert.deepEqual(await page.$$eval('[role="treeitem"]', (els) => els.map((e) => [e.getAttribute('aria-level'), e.textContent.trim()])),
            [['1', 'Blues 1'], ['2', 'VBL-5203 One Satin'], ['1', 'Greens 0'], ['2', 'Deep 1'], ['3', 'VGN-4001 Fern']]);
        assert.equal((await calls(page)).filter((c) => c.name === 'getMaterials').length, 1, 'no extra read was needed');
        await page.close();
    });

    it('reads a large catalogue in slices and takes the newest when another arrives meanwhile', async () => {
        const { page, problems } = await openPage(browser, { fake: { materials: [material('VBL-5203 One')] } });
        await settle(page);
        await page.click('#tab-project');
        const readAtOnce = await page.evaluate(() => {
            const product = { ambient: 1, diffuse: 2, shine: 3, specular: 4 };
            const surfaces = Array.from({ length: 20000 }, (_, i) => ({ id: `B-${i}`, name: `Big ${i}`, color: { red: 1, green: 2, blue: 3 }, product }));
            window.VirelEvents.onMaterialsModified({ path: 'Surfaces/Virel/', surfaces: [], folders: [{ path: 'Surfaces/Virel/Big/', folders: [], surfaces }] });
            const atOnce = Virel.app.catalogue.flat.materials.length !== 1;
            window.VirelEvents.onMaterialsModified(JSON.parse(window.__fake.catalogueText()));
            return atOnce;
        });
        assert.equal(readAtOnce, false, 'the large catalogue is still being read when the call returns');
        await page.evaluate(() => new Promise((resolve) => setTimeout(resolve, 300)));
        await settle(page);
        assert.deepEqual(await page.$$eval('[role="treeitem"]', (els) => els.map((e) => e.textContent.trim())), ['Blues 1', 'VBL-5203 One Satin']);
        assert.equal(await text(page, '#tab-project'), 'Project (1)');
        assert.deepEqual(problems, []);
        await page.close();
    });

    it('shows the project materials with their own colours, not the range colours', async () => {
        const { page } = await openPage(browser, { fake: { materials: [material('VBL-5203 One', 'Surfaces/Virel/Blues', { red: 255, green: 0, blue: 128 })] } });
        await settle(page);
        await page.click('#tab-project');
        assert.equal(await page.$eval('.tree-mat .mat-sw', (el) => getComputedStyle(el).backgroundColor), 'rgb(255, 0, 128)');
        await page.close();
    });
});

describe('failed calls', () => {
    const failures = [
        { call: 'createMaterials', reason: '[json.exception.type_error.302] type must be number, but is null', mode: {},
            shown: 'Could not import the colours. Your selection is kept, so you can try again.', detail: 'type must be number, but is null' },
        { call: 'createMaterials', reason: 'Null reference.', mode: { promises: true },
            shown: 'Could not import the colours. Your selection is kept, so you can try again.', detail: 'Null reference.' },
    ];
    for (const f of failures) {
        it(`shows "${f.reason}" from ${f.call}, keeps the selection, reads the project again and recovers`, async () => {
            const { page, problems } = await openPage(browser, { fake: f.mode });
            await settle(page);
            await clickSwatch(page, 0);
            await clickSwatch(page, 1, ['Control']);
            await page.evaluate((x) => window.__fake.failNext(x.call, x.reason), f);
            await page.click('#import');
            await settle(page, 40);
            assert.equal(await page.getAttribute('#message', 'role'), 'alert');
            assert.equal(await text(page, '#message-text'), f.shown);
            assert.equal(await page.isVisible('#message-detail'), false, 'the technical text waits to be asked for');
            await page.click('#message-more');
            assert.equal(await text(page, '#message-detail'), f.detail);
            assert.equal(await text(page, '#selection-count'), '2 selected');
            assert.deepEqual((await calls(page)).map((c) => c.name), ['getMaterials', 'createMaterials', 'getMaterials']);
            assert.equal(await page.isDisabled('#import'), false);
            await page.click('#import');
            await settle(page, 40);
            assert.match(await text(page, '#message-text'), /^Imported 2 colours/);
            assert.equal((await catalogue(page)).folders.reduce((n, folder) => n + folder.surfaces.length, 0), 2);
            assert.deepEqual(problems, [], 'a failed call is no console error');
            await page.close();
        });
    }

    it('shows a failed removal and a failed first read, and recovers when the palette is shown again', async () => {
        const { page } = await openPage(browser, { fake: { materials: [material('VBL-5203 One')] } });
        await settle(page);
        await page.click('#tab-project');
        const id = (await catalogue(page)).folders[0].surfaces[0].id;
        await page.evaluate(() => {
            window.__fake.failNext('deleteMaterial', 'Bad cast.');
        });
        // the button shows on hover: the click goes to it directly, wherever the row is drawn
        await page.dispatchEvent(`.tree-mat[data-id="${id}"] .mat-remove`, 'click');
        await page.click('#message-action');
        await settle(page, 40);
        assert.deepEqual([await text(page, '#message-text'), await text(page, '#message-detail')], ['Could not remove the material.', 'Bad cast.']);
        assert.equal(await page.$$eval('.tree-mat', (els) => els.length), 1, 'the material is still listed');

        await page.evaluate(() => {
            window.__fake.failNext('getMaterials', 'the project is busy');
            window.VirelEvents.onShow();
        });
        await settle(page, 40);
        assert.deepEqual([await text(page, '#message-text'), await text(page, '#message-detail')], ["Could not read the project's Virel materials.", 'the project is busy']);
        assert.equal(await page.$$eval('.tree-mat', (els) => els.length), 1, 'the last catalogue stays shown');
        await page.evaluate(() => window.VirelEvents.onShow());
        await settle(page, 40);
        assert.equal(await page.$$eval('.tree-mat', (els) => els.length), 1);
        assert.equal((await calls(page)).filter((c) => c.name === 'getMaterials').length, 4);
        await page.close();
    });
});

describe('finishes', () => {
    it('keeps a colour in more than one finish, each its own material, and paints with the finish chosen', async () => {
        const red = range.colours.find((c) => c.family === 'reds');
        const matt = { ambient: 60, diffuse: 90, shine: 2, specular: 0 };
        const n = parseInt(red.hex.slice(1), 16);
        const materials = [{ name: `${red.code} ${red.name}`, path: 'Surfaces/Virel/Reds', color: { red: n >> 16, green: (n >> 8) & 255, blue: n & 255 }, product: matt }];
        const { page, problems } = await openPage(browser, { fake: { materials } });
        await settle(page);
        await page.fill('#search', red.code);
        await settle(page);
        const [mattId] = (await catalogue(page)).folders[0].surfaces.map((s) => s.id);
        const steps = [
            { finish: 'satin', shown: 'Not in the project in satin (it is in matt)', button: 'Import & paint', main: `Import ${red.code}` },
            { finish: 'matt', shown: 'In the project in matt', button: 'Paint with it', main: `Paint with ${red.code}` },
        ];
        for (const { finish, shown, button, main } of steps) {
            await page.selectOption('#finish', finish);
            assert.deepEqual([await text(page, '#details-project'), await text(page, '#use-for-paint'), await text(page, '#import')], [shown, button, main], finish);
        }
        await page.click('#tab-project');
        assert.equal(await page.isVisible('#finish'), true, 'the finish of the next import shows under the Project tab too');
        await page.click('#tab-colour');
        await page.selectOption('#finish', 'satin');
        await page.click('#use-for-paint');
        await settle(page, 40);
        const surfaces = (await catalogue(page)).folders[0].surfaces;
        assert.deepEqual(surfaces.map((s) => [s.name, s.product.shine]), [[`${red.code} ${red.name}`, 2], [`${red.code} ${red.name} (Satin)`, 25]]);
        assert.equal(await text(page, '.paint-name'), `${red.code} ${red.name} (Satin)`);
        await page.evaluate(() => window.__fake.pick('W', 1, 1, 1));
        await settle(page);
        await page.keyboard.press('Escape');
        await page.selectOption('#finish', 'matt');
        await page.click('#use-for-paint');
        await settle(page);
        await page.evaluate(() => window.__fake.pick('W', 1, 1, 1));
        await settle(page);
        const painted = await page.evaluate(() => window.__fake.painted.map((p) => p.materialId));
        assert.deepEqual(painted, [surfaces[1].id, mattId]);
        assert.deepEqual(problems, []);
        await page.close();
    });
});

describe('the Project list and the search', () => {
    it('lists only the materials that match the search, by the same rules as the range', async () => {
        const materials = [material('VBL-5203 Harbour Mist'), material('VBL-5204 Deep Harbour', 'Surfaces/Virel/Blues/Deep'),
            material('VRD-4709 Brick', 'Surfaces/Virel/Reds'), material('Site paint', 'Surfaces/Virel/Site')];
        const { page, problems } = await openPage(browser, { fake: { materials } });
        await settle(page);
        await page.click('#tab-project');
        const listed = () => page.$$eval('#tree [role="treeitem"]', (els) => els.map((e) => e.querySelector('.mat-name, .folder-name').textContent));
        const QUERIES = [
            ['harbour', ['Blues', 'VBL-5203 Harbour Mist', 'Deep', 'VBL-5204 Deep Harbour'], '2 of 4 materials match “harbour”.'],
            ['harbuor deep', ['Blues', 'Deep', 'VBL-5204 Deep Harbour'], '1 of 4 materials match “harbuor deep”.'],
            ['reds', ['Reds', 'VRD-4709 Brick'], '1 of 4 materials match “reds”.'],
            ['nothing like it', [], 'No material in the project matches “nothing like it”.'],
            ['', ['Blues', 'VBL-5203 Harbour Mist', 'Deep', 'VBL-5204 Deep Harbour', 'Reds', 'VRD-4709 Brick', 'Site', 'Site paint'], ''],
        ];
        for (const [query, rows, note] of QUERIES) {
            await page.fill('#search', query);
            await settle(page);
            assert.deepEqual(await listed(), rows, query);
            assert.equal(await text(page, '#tree-note'), note, query);
        }
        // Typed while the Colour tab shows: the list is filtered when it is shown again.
        await page.click('#tab-colour');
        await page.fill('#search', 'brick');
        await page.click('#tab-project');
        assert.deepEqual(await listed(), ['Reds', 'VRD-4709 Brick']);
        assert.deepEqual(problems, []);
        await page.close();
    });
});
