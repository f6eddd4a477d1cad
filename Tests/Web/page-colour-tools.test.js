'use strict';
// Finding colours by how they are typed, readable swatch names, and the colour tools
// (favourites, compare, preview, copy, similar colours, LRV), by keyboard in headless Chromium.

const fs = require('fs');
const { describe, it, before, after } = require('node:test');
const assert = require('node:assert/strict');
const culori = require('culori');
const { launch, openPage, settle, drawnSwatches, text } = require('./browser');
const { loadRange } = require('./page-scripts');

const range = loadRange();
const AXE = fs.readFileSync(require.resolve('axe-core/axe.min.js'), 'utf8');

let browser;
before(async () => { browser = await launch(); });
after(async () => { await browser.close(); });

async function fresh(options) {
    const opened = await openPage(browser, options);
    await opened.page.evaluate(() => { localStorage.removeItem('virel-favourites'); localStorage.removeItem('virel-recent'); });
    await opened.page.reload();
    await settle(opened.page);
    return opened;
}

const activeCode = (page) => text(page, '#details-code');

async function axeViolations(page, include) {
    if (!(await page.evaluate(() => !!window.axe))) await page.addScriptTag({ content: AXE });
    return page.evaluate(async (sel) => (await window.axe.run({ include: sel }, {
        runOnly: ['wcag2a', 'wcag2aa', 'wcag21a', 'wcag21aa'],
    })).violations.map((v) => `${v.id}: ${v.nodes.map((n) => n.target.join(' ')).join(', ')}`), include);
}

describe('finding colours as they are typed', () => {
    it('finds accented names without accents and grey as gray', async () => {
        const { page, problems } = await fresh();
        await page.fill('#search', 'creme');
        await settle(page);
        const cremes = range.colours.filter((c) => c.name.startsWith('Crème')).map((c) => c.name).sort();
        assert.deepEqual((await drawnSwatches(page)).map((s) => s.name).filter((n) => n.startsWith('Crème')).sort(), cremes);
        await page.fill('#search', 'gray');
        const gray = await text(page, '#count');
        await page.fill('#search', 'grey');
        assert.equal(await text(page, '#count'), gray);
        assert.deepEqual(problems, []);
        await page.close();
    });

    it('lists the nearest of the whole range to a bare hex, saying so and how close in words', async () => {
        const { page } = await fresh();
        await page.selectOption('#family', 'blues');
        await page.fill('#search', 'c93f38');
        assert.equal(await text(page, '#count'), 'Nearest to #c93f38 in the whole range (filters set aside)');
        const de = culori.differenceCiede2000();
        const nearest = range.colours.map((c) => ({ c, d: de('#c93f38', c.hex) })).sort((a, b) => a.d - b.d)[0];
        const first = (await drawnSwatches(page))[0];
        assert.equal(first.code, nearest.c.code);
        const words = nearest.d < 1 ? 'same to the eye' : nearest.d < 2 ? 'very close' : nearest.d < 3.5 ? 'close' : 'similar';
        assert.match(first.label, new RegExp(`${words}, ΔE ${nearest.d.toFixed(1)}`));
        await page.fill('#search', '201, 63, 56');
        assert.equal((await drawnSwatches(page))[0].code, nearest.c.code);
        await page.close();
    });

    it('filters by an LRV band and sorts by LRV', async () => {
        const { page } = await fresh();
        await page.selectOption('#lrv', 'very-dark');
        const dark = range.colours.filter((c) => c.lrv < 15);
        assert.equal(await text(page, '#count'), `${dark.length.toLocaleString('en')} colours`);
        await page.selectOption('#lrv', '');
        await page.selectOption('#sort', 'lrv-low');
        const lowest = Math.min(...range.colours.map((c) => c.lrv));
        await page.focus('#grid');
        await page.keyboard.press('Control+Home');
        assert.equal(Number(await text(page, '#details-lrv')), lowest);
        await page.close();
    });
});

describe('swatch names', () => {
    it('are drawn at full strength with 4.5:1 contrast or better, on mid tones too', async () => {
        const { page } = await fresh();
        for (const family of ['reds', 'greens', 'greys', 'blues']) {
            await page.selectOption('#family', family);
            await settle(page);
            const drawn = await page.evaluate(() => Array.from(document.querySelectorAll('#grid .sw'))
                .filter((el) => el.style.display !== 'none')
                .map((el) => {
                    const name = getComputedStyle(el.querySelector('.sw-name'));
                    return { code: el.querySelector('.sw-code').textContent, ink: name.color, opacity: name.opacity, bg: getComputedStyle(el).backgroundColor };
                }));
            assert.ok(drawn.length >= 20, family);
            for (const s of drawn) {
                assert.equal(s.opacity, '1', s.code);
                assert.ok(culori.wcagContrast(s.ink, s.bg) >= 4.5, `${s.code}: ${s.ink} on ${s.bg}`);
            }
        }
        await page.close();
    });
});

describe('colour tools', () => {
    for (const colorScheme of ['light', 'dark']) {
        it(`favourites are kept and listed, by keyboard (${colorScheme})`, async () => {
            const { page } = await fresh({ colorScheme });
            await page.focus('#grid');
            await page.keyboard.press('ArrowRight');
            const code = await activeCode(page);
            await page.focus('[data-action="favourite"]');
            await page.keyboard.press('Space');
            assert.equal(await page.getAttribute('[data-action="favourite"]', 'aria-pressed'), 'true');
            assert.equal(await page.evaluate(() => document.activeElement.getAttribute('data-action')), 'favourite');
            await page.reload();
            await settle(page);
            assert.match(await text(page, '#family option[value="@favourites"]'), /^Favourites \(1\)$/);
            await page.selectOption('#family', '@favourites');
            assert.deepEqual((await drawnSwatches(page)).map((s) => s.code), [code]);
            assert.equal(await page.getAttribute('[data-action="favourite"]', 'aria-pressed'), 'true');
            assert.deepEqual(await axeViolations(page, ['.vt-tools', '#lrv']), []);
            await page.close();
        });

        it(`compares two colours side by side, and Esc closes only the comparison (${colorScheme})`, async () => {
            const { page } = await fresh({ colorScheme, viewport: { width: 360, height: 450 } });
            const codes = [];
            for (const step of ['Home', 'ArrowRight']) {
                await page.focus('#grid');
                await page.keyboard.press(step);
                codes.push(await activeCode(page));
                await page.focus('[data-action="compare"]');
                await page.keyboard.press('Enter');
            }
            await page.focus('[data-action="show-compare"]');
            await page.keyboard.press('Enter');
            assert.equal(await page.evaluate(() => document.activeElement.className), 'vt-close');
            const [a, b] = codes.map((code) => range.colours.find((c) => c.code === code));
            assert.match(await text(page, '.vt-contrast tbody'), new RegExp(`${a.code} and ${b.code}${culori.wcagContrast(a.hex, b.hex).toFixed(2)}:1`));
            const box = await page.$eval('.vt-compare', (el) => el.getBoundingClientRect().toJSON());
            assert.ok(box.left >= 0 && box.right <= 360 && box.top >= 0 && box.bottom <= 450, JSON.stringify(box));
            assert.deepEqual(await axeViolations(page, ['.vt-compare']), []);
            await page.evaluate(() => Virel.app.messages.info('A message under the dialog.'));
            await page.keyboard.press('Escape');
            assert.equal(await page.isVisible('.vt-compare'), false);
            assert.equal(await page.isVisible('#message'), true);
            assert.equal(await page.evaluate(() => document.activeElement.getAttribute('data-action')), 'show-compare');
            await page.close();
        });
    }

    it('previews large, copies the hex and jumps to a similar colour', async () => {
        const { page } = await fresh();
        await browser.context.grantPermissions(['clipboard-read', 'clipboard-write']);
        await page.click('#grid .sw[data-pos="3"]');
        const code = await activeCode(page);
        const item = range.colours.find((c) => c.code === code);
        await page.click('[data-action="preview"]');
        assert.equal(await text(page, '.vt-preview-name'), `${item.code} ${item.name}`);
        await page.keyboard.press('Escape');
        await page.click('[data-action="copy"]');
        await page.waitForFunction(() => document.querySelector('.vt-status').textContent !== '');
        assert.equal(await text(page, '.vt-status'), `Copied ${item.hex}.`);
        assert.equal(await page.evaluate(() => navigator.clipboard.readText()), item.hex);
        await page.waitForSelector('#vt-similar');
        const chip = await page.getAttribute('#vt-similar + .vt-chips button', 'aria-label');
        await page.click('#vt-similar + .vt-chips button');
        assert.equal(await activeCode(page), chip.split(' ')[0]);
        assert.equal(await page.evaluate(() => document.activeElement.id), 'grid');
        await page.waitForFunction(() => JSON.parse(localStorage.getItem('virel-recent') || '[]').length === 2);
        await page.reload();
        await settle(page);
        await page.selectOption('#family', '@recent');
        assert.deepEqual((await drawnSwatches(page)).map((s) => s.code), [chip.split(' ')[0], code], 'the last viewed first');
        await page.close();
    });
});
