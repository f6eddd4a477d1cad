#!/usr/bin/env node
'use strict';
// Page benchmark: the palette page in headless Chromium, timed with performance.now() inside
// the page. Prints the figures beside their goals:
//   first render of the whole range   100 ms
//   one search keystroke               16 ms
//   catalogue redraw of 1,000 materials 50 ms

const { launch, openPage, settle } = require('../../Tests/Web/browser');

const GOALS = { firstRender: 100, keystroke: 16, redraw: 50 };
const LOADS = 7;

function median(values) {
    const s = values.slice().sort((a, b) => a - b);
    return s.length % 2 ? s[(s.length - 1) / 2] : (s[s.length / 2 - 1] + s[s.length / 2]) / 2;
}

function percentile(values, p) {
    const s = values.slice().sort((a, b) => a - b);
    return s[Math.min(s.length - 1, Math.ceil(p * s.length) - 1)];
}

async function firstRenders(browser) {
    const times = [];
    for (let i = 0; i < LOADS; i++) {
        const { page } = await openPage(browser);
        // The page times its own start: building the range index and drawing the grid, laid out.
        times.push(await page.evaluate(() => Virel.app.perf.firstRender));
        await page.close();
    }
    return times;
}

async function keystrokes(browser) {
    const { page } = await openPage(browser);
    await settle(page, 100);
    const times = await page.evaluate(() => {
        const input = document.getElementById('search');
        const grid = document.getElementById('grid');
        const typed = ['ocean', 'VBL-5', 'green tea', 'moss', 'rose', '#c93f38', 'white'];
        const out = [];
        for (const word of typed) {
            input.value = '';
            input.dispatchEvent(new Event('input'));
            for (const ch of word) {
                const t0 = performance.now();
                input.value += ch;
                input.dispatchEvent(new Event('input'));
                void grid.scrollHeight; // the frame's style and layout, as the user would wait for
                document.querySelector('#grid .sw') && document.querySelector('#grid .sw').getBoundingClientRect();
                out.push({ ch, word, ms: performance.now() - t0 });
            }
        }
        return out;
    });
    await page.close();
    return times;
}

async function redraws(browser) {
    const { page } = await openPage(browser);
    await settle(page, 100);
    await page.click('#tab-project');
    const times = await page.evaluate(() => {
        const colours = Virel.app.range.colours;
        const byFamily = new Map();
        for (let i = 0; i < 1000; i++) {
            const c = colours[(i * 4.7) | 0];
            if (!byFamily.has(c.family)) byFamily.set(c.family, []);
            byFamily.get(c.family).push({
                color: { blue: c.rgb.b, green: c.rgb.g, red: c.rgb.r },
                id: '8F2C' + String(i).padStart(4, '0') + '-0000-4000-8000-' + String(i).padStart(12, '0'),
                name: c.code + ' ' + c.name,
                product: { ambient: 50, diffuse: 80, shine: 25, specular: 35 },
            });
        }
        const root = {
            folders: Array.from(byFamily, ([family, surfaces]) => ({
                folders: [], path: 'Surfaces/Virel/' + Virel.app.rangeView.familyLabel(family) + '/', surfaces,
            })),
            path: 'Surfaces/Virel/',
            surfaces: [],
        };
        const out = [];
        for (let run = 0; run < 12; run++) {
            // Alternate two catalogues so that every run really changes the tree.
            const cat = run % 2 ? root : { ...root, folders: root.folders.slice().reverse() };
            const t0 = performance.now();
            window.VirelEvents.onMaterialsModified(cat);
            void document.getElementById('tree').scrollHeight;
            out.push(performance.now() - t0);
        }
        return { times: out, rows: document.querySelectorAll('#tree .tree-mat').length };
    });
    await page.close();
    return times;
}

function line(label, value, goal, extra) {
    const verdict = value <= goal ? 'within goal' : 'OVER GOAL';
    console.log(`${label.padEnd(38)} ${value.toFixed(1).padStart(7)} ms   goal ${String(goal).padStart(3)} ms   ${verdict}${extra ? '   ' + extra : ''}`);
}

async function main() {
    const browser = await launch();
    try {
        const first = await firstRenders(browser);
        const keys = await keystrokes(browser);
        const redraw = await redraws(browser);
        const keyMs = keys.map((k) => k.ms);
        const slowest = keys.reduce((a, b) => (b.ms > a.ms ? b : a));
        console.log('Virel Colour Palette page benchmark (headless Chromium, performance.now)');
        line('first render of the whole range', median(first), GOALS.firstRender,
            `median of ${LOADS} loads; min ${Math.min(...first).toFixed(1)}, max ${Math.max(...first).toFixed(1)}`);
        line('search keystroke', median(keyMs), GOALS.keystroke,
            `median of ${keys.length}; p95 ${percentile(keyMs, 0.95).toFixed(1)}, max ${slowest.ms.toFixed(1)} ("${slowest.word}")`);
        line('catalogue redraw, 1,000 materials', median(redraw.times), GOALS.redraw,
            `median of ${redraw.times.length}; max ${Math.max(...redraw.times).toFixed(1)}; ${redraw.rows} rows drawn`);
    } finally {
        await browser.close();
    }
}

main().catch((e) => { console.error(e); process.exit(1); });
