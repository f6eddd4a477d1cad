'use strict';
// Colour schemes and the colour schedule in the page opened from its file:// URL, as the host
// opens it: kept in the page's storage, saved to files and read back.

const { describe, it, before, after } = require('node:test');
const assert = require('node:assert/strict');
const fs = require('fs');
const os = require('os');
const path = require('path');
const { launch, openPage, settle, calls, text } = require('./browser');
const { loadRange } = require('./page-scripts');

const range = loadRange();
let browser;
before(async () => { browser = await launch(); });
after(async () => { await browser.close(); });

async function downloaded(page, click) {
    const [download] = await Promise.all([page.waitForEvent('download'), click()]);
    return { name: download.suggestedFilename(), text: fs.readFileSync(await download.path(), 'utf8') };
}

describe('colour schemes', () => {
    it('are built from the selection, kept, exported, opened from a file and imported in one step', async () => {
        const [a, b] = [range.colours[10], range.colours[600]];
        const { page, problems } = await openPage(browser);
        await settle(page);
        for (const [c, modifiers] of [[a, []], [b, ['Control']]]) {
            await page.fill('#search', c.code);
            await page.click('#grid .sw[data-pos="0"]', { modifiers });
        }
        await page.click('#tab-schemes');
        await page.fill('#scheme-name', 'Hall & stairs');
        await page.keyboard.press('Enter');
        assert.equal(await text(page, '#scheme-pick option'), 'Hall & stairs (2)');
        const file = await downloaded(page, () => page.click('#scheme-export'));
        assert.equal(file.name, 'virel-colour-schemes.json');
        const saved = JSON.parse(file.text);
        assert.deepEqual(saved.schemes, [{ name: 'Hall & stairs', codes: [a.code, b.code] }]);

        // Kept in the page's storage: a new page has it; deleted, it comes back from the file.
        // (The first page closes only then: a page closed at once may not have handed its last
        // storage write to the browser yet.)
        const again = await openPage(browser);
        await page.close();
        await settle(again.page);
        const p = again.page;
        await p.click('#tab-schemes');
        assert.equal(await text(p, '#scheme-pick option'), 'Hall & stairs (2)');
        await p.click('#scheme-delete');
        assert.equal(await text(p, '#scheme-pick option'), 'No schemes yet');
        saved.schemes.push({ name: 'Porch', codes: ['VZZ-0000', a.code] });
        const where = path.join(fs.mkdtempSync(path.join(os.tmpdir(), 'virel-schemes-')), 'schemes.json');
        fs.writeFileSync(where, JSON.stringify(saved));
        const [chooser] = await Promise.all([p.waitForEvent('filechooser'), p.click('#scheme-open')]);
        await chooser.setFiles(where);
        await p.waitForFunction(() => document.getElementById('scheme-pick').options.length === 2);
        assert.equal(await text(p, '#scheme-status'), 'Opened 2 schemes; left out 1 unknown code (VZZ-0000).');
        assert.deepEqual(await p.$$eval('#scheme-pick option', (els) => els.map((e) => e.textContent)), ['Hall & stairs (2)', 'Porch (1)']);

        await p.click('#scheme-import');
        await settle(p, 40);
        const created = (await calls(p)).filter((c) => c.name === 'createMaterials');
        assert.equal(created.length, 1, 'one step');
        assert.deepEqual(JSON.parse(created[0].arg).map((e) => e.name), [`${a.code} ${a.name}`, `${b.code} ${b.name}`]);
        assert.deepEqual([...problems, ...again.problems], []);
        await p.close();
        fs.rmSync(path.dirname(where), { recursive: true, force: true });
    });
});

describe('colour schedule', () => {
    it('lists the project\'s Virel materials as a printable table and as CSV', async () => {
        const c = range.colours[42];
        const n = parseInt(c.hex.slice(1), 16);
        const rgb = { red: n >> 16, green: (n >> 8) & 255, blue: n & 255 };
        const materials = [
            { name: `${c.code} ${c.name} (Satin)`, path: 'Surfaces/Virel/Whites', color: rgb, product: { ambient: 50, diffuse: 80, shine: 25, specular: 35 } },
            { name: '=Site, "north"', path: 'Surfaces/Virel/Site', color: { red: 0, green: 0, blue: 0 }, product: { ambient: 1, diffuse: 2, shine: 3, specular: 4 } },
        ];
        const { page, problems } = await openPage(browser, { fake: { materials } });
        await settle(page);
        await page.click('#tab-project');
        await page.click('#open-schedule');
        const table = await page.$$eval('#schedule-table tbody tr', (rows) => rows.map((r) => [...r.cells].slice(1).map((td) => td.textContent)));
        const first = [c.code, c.name, 'Satin', c.hex, `${rgb.red}, ${rgb.green}, ${rgb.blue}`, String(c.lrv), 'Surfaces/Virel/Whites'];
        assert.deepEqual(table, [first, ['', '=Site, "north"', '', '#000000', '0, 0, 0', '0', 'Surfaces/Virel/Site']]);
        const csv = await downloaded(page, () => page.click('#schedule-csv'));
        assert.equal(csv.name, 'virel-colour-schedule.csv');
        assert.equal(csv.text, 'Code,Name,Finish,Hex,RGB,LRV,Folder\r\n'
            + `${first.slice(0, 4).join(',')},"${first[4]}",${first[5]},${first[6]}\r\n`
            + ',"\'=Site, ""north""",,#000000,"0, 0, 0",0,Surfaces/Virel/Site\r\n');
        await page.emulateMedia({ media: 'print' });
        assert.deepEqual([await page.isVisible('#app'), await page.isVisible('#schedule-table'), await page.isVisible('#schedule-print')], [false, true, false],
            'printed, the schedule stands alone');
        assert.deepEqual(problems, []);
        await page.close();
    });
});
