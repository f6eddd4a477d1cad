#!/usr/bin/env node
'use strict';
// Writes docs/page-light.png (the whole range, each family together) and docs/page-dark.png
// (the blues) at 600 x 450, docs/page-narrow.png (the compact layout, 360 x 450),
// docs/page-scheme.png (a colour scheme, 600 x 450) and docs/page-schedule.png (the project's
// colour schedule, 800 x 600): the palette page with a few project materials (two of them
// imported through the page), two colours selected for import and one material chosen for painting.

const fs = require('fs');
const path = require('path');
const { launch, openPage, settle, ROOT } = require('../../Tests/Web/browser');

const SHOTS = [
    { theme: 'light', file: 'page-light.png', tab: 'colour', family: '', viewport: { width: 600, height: 450 } },
    { theme: 'dark', file: 'page-dark.png', tab: 'project', family: 'blues', viewport: { width: 600, height: 450 } },
    { theme: 'light', file: 'page-narrow.png', tab: 'colour', family: 'blues', viewport: { width: 360, height: 450 } },
    { theme: 'light', file: 'page-scheme.png', tab: 'schemes', family: 'greens', viewport: { width: 600, height: 450 } },
    { theme: 'light', file: 'page-schedule.png', tab: 'project', family: '', schedule: true, viewport: { width: 800, height: 600 } },
];

const SATIN = { ambient: 50, diffuse: 80, shine: 25, specular: 35 };

// A few project materials, taken from the range so that the grid marks them.
function materials(range, codes) {
    return codes.map((code) => {
        const c = range.find((x) => x.code === code);
        const n = parseInt(c.hex.slice(1), 16);
        const family = c.family[0].toUpperCase() + c.family.slice(1);
        return { name: `${c.code} ${c.name}`, path: `Surfaces/Virel/${family}`, color: { red: n >> 16, green: (n >> 8) & 255, blue: n & 255 }, product: SATIN };
    });
}

async function main() {
    const out = path.join(ROOT, 'docs');
    fs.mkdirSync(out, { recursive: true });
    const browser = await launch();
    try {
        for (const shot of SHOTS) {
            // Pick the materials from the page's own range: blues and greens, as a project might.
            const probe = await openPage(browser, { fake: { absent: true } });
            const range = await probe.page.evaluate(() => window.Virel.rangeData.colours.map((c) => ({ code: c.code, family: c.family, hex: c.hex, name: c.name })));
            await probe.page.close();
            const pick = (family, n) => range.filter((c) => c.family === family).slice(n, n + 1).map((c) => c.code);
            const codes = [...pick('blues', 300), ...pick('greens', 200), ...pick('whites', 40), ...pick('reds', 350)];

            const { page, problems } = await openPage(browser, { fake: { materials: materials(range, codes) }, colorScheme: shot.theme, viewport: shot.viewport });
            await settle(page, 80);
            await page.selectOption('#family', shot.family);
            await page.$eval('#grid', (el) => { el.scrollTop = 4 * 56; });
            await settle(page, 30);
            // Two colours in view imported through the page itself, so the grid marks them.
            await page.selectOption('#finish', 'satin');
            await page.click('#grid .sw[data-pos="21"]');
            await page.click('#grid .sw[data-pos="28"]', { modifiers: ['Control'] });
            await page.click('#import');
            await settle(page, 40);
            await page.click('#message-close');
            await page.click('#grid .sw[data-pos="22"]');
            await page.click('#grid .sw[data-pos="24"]', { modifiers: ['Control'] });
            if (shot.tab === 'schemes') {
                await page.click('#grid .sw[data-pos="23"]', { modifiers: ['Control'] });
                await page.click('#tab-schemes');
                await page.fill('#scheme-name', 'Kitchen and dining');
                await page.click('#scheme-save');
            } else {
                await page.click('#tab-project');
                await page.click('.tree-mat >> nth=0');
            }
            if (shot.tab === 'colour') await page.click('#tab-colour');
            await page.focus('#grid');
            if (shot.schedule) await page.click('#open-schedule');
            await settle(page, 30);
            if (problems.length) throw new Error(problems.join('\n'));
            await page.screenshot({ path: path.join(out, shot.file) });
            console.log(`wrote docs/${shot.file}`);
            await page.close();
        }
    } finally {
        await browser.close();
    }
}

main().catch((e) => { console.error(e); process.exit(1); });
