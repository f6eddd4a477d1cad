// The sandbox's speed: a page call through it against the same call in `virel-host run`, the
// click on a face until it is drawn in its new colour, and the host and palette pages ready
// after navigation, in the 3D window's shaded mode and in its flat one (`/?flat`); and its bounds:
// memory over a long session, and GET /api/state while slow connections or event streams are
// open. Medians; run with `npm run bench:serve` (VIREL_BUILD=FOLDER for another build; `-- bounds`
// for the bounds alone).
'use strict';
const { spawnSync } = require('node:child_process');
const fs = require('node:fs');
const net = require('node:net');
const os = require('node:os');
const path = require('node:path');
const { startSandbox, BUILD } = require('../../Tests/Serve/sandbox.js');
const { launchBrowser, modelPoint, HOUSE, hostPage } = require('../../Tests/Serve/host-page.js');
const { palettePage } = require('../../Tests/Serve/palette-page.js');

const CALLS = 200;
const LOADS = 5;
const PAINTS = 9;
const LOOKS = { shaded: '', flat: '?flat' };
// paints so far: each one the other of two colours than the last, whichever look it is in
let paints = 0;
const median = (xs) => xs.slice().sort((a, b) => a - b)[Math.floor(xs.length / 2)];
// two neighbours in the project list never share a colour
const materials = Array.from({ length: 100 }, (_, i) => JSON.stringify({ do: 'addMaterial', path: ['Surfaces', 'Virel', 'Bench'], name: `VBE-${i}`, rgb: [i % 2 ? 0.9 : 0.1, 0.4, i / 100] }));

// `virel-host run`: per call, the time of a run with many calls less that of a run with one.
function runCallMs() {
    const runWith = (calls) => {
        const file = path.join(os.tmpdir(), `serve-bench-${calls}.scenario`);
        fs.writeFileSync(file, ['{"do":"load"}', ...materials, '{"do":"menu","list":32500,"item":1}',
            ...Array(calls).fill('{"do":"call","fn":"getMaterials"}')].join('\n'));
        const start = process.hrtime.bigint();
        spawnSync(path.join(BUILD, 'virel-host'), ['run', file], { stdio: 'ignore' });
        return Number(process.hrtime.bigint() - start) / 1e6;
    };
    const samples = Array.from({ length: 5 }, () => (runWith(CALLS + 1) - runWith(1)) / CALLS);
    return median(samples);
}

// Installed in the host page: window.redrawn resolves with the time from the next press on
// the 3D window until a frame whose pixel at (x, y) differs from the one now drawn there. The
// pixel is read from the 3D window's own drawing buffer once per frame.
function watchRedraw([x, y]) {
    const canvas = document.querySelector('#view-3d canvas');
    const box = canvas.getBoundingClientRect();
    const scale = canvas.width / box.width;
    const gl = canvas.getContext('webgl2');
    const at = [Math.round((x - box.left) * scale), canvas.height - 1 - Math.round((y - box.top) * scale)];
    const read = () => {
        const pixel = new Uint8Array(4);
        gl.readPixels(...at, 1, 1, gl.RGBA, gl.UNSIGNED_BYTE, pixel);
        return pixel.join();
    };
    const before = read();
    window.redrawn = new Promise((resolve, reject) => {
        canvas.addEventListener('pointerdown', (down) => {
            const frame = () => {
                const ms = performance.now() - down.timeStamp;
                if (read() !== before) resolve(ms);
                else if (ms > 10000) reject(new Error('the face was not drawn anew'));
                else requestAnimationFrame(frame);
            };
            requestAnimationFrame(frame);
        }, { once: true });
    });
}

// From navigation until the 3D view shows the house and, opened from the menu as soon as
// the menu is there, the palette page has handled onCreated and shows the project's
// materials; timed by the browser's clock from the start of navigation.
async function pagesReadyMs(browser, url) {
    const page = await browser.newPage({ viewport: { width: 1400, height: 850 } });
    await page.goto(url, { waitUntil: 'commit' });
    const drawnAt = await page.waitForFunction(() => document.body.dataset.ready && new Promise((drawn) => requestAnimationFrame(() => drawn(performance.now()))));
    await page.evaluate(() => document.querySelector('#menus [role="menuitem"]').click());
    const frame = await (await page.waitForSelector('#palette-body iframe')).contentFrame();
    await frame.waitForFunction(() => document.readyState === 'complete' && window.VirelEvents);
    // the page's own call made on onCreated: the project tab counts the project's materials
    const readyAt = await frame.waitForFunction(() => /\(100\)/.test(document.querySelector('[role="tab"][aria-controls="panel-project"]').textContent) && performance.timeOrigin + performance.now());
    const times = { drawn: await drawnAt.jsonValue(), ready: (await readyAt.jsonValue()) - (await page.evaluate(() => performance.timeOrigin)) };
    await page.close();
    return times;
}

const rssMb = (pid) => Number(fs.readFileSync(`/proc/${pid}/status`, 'utf8').match(/VmRSS:\s+(\d+)/)[1]) / 1024;

// Runs 'count' steps, 10 at a time.
async function steps(sandbox, step, count) {
    let left = count;
    await Promise.all(Array.from({ length: 10 }, async () => {
        while (left-- > 0) await sandbox.step(step);
    }));
}

// GET /api/state, one after another: the median, or null when one got no answer within 3 s.
async function stateMedianMs(url, count = 50) {
    const times = [];
    for (let i = 0; i < count; i++) {
        const start = performance.now();
        try {
            await (await fetch(url + 'api/state', { signal: AbortSignal.timeout(3000) })).arrayBuffer();
        } catch (e) {
            return null;
        }
        times.push(performance.now() - start);
    }
    return median(times);
}

// Server memory over a long session of page calls, and a normal request while 250 slowloris
// connections, then 200 event streams, are open.
async function bounds() {
    const sandbox = await startSandbox(28);
    try {
        for (const step of materials) await sandbox.step(JSON.parse(step));
        await sandbox.step({ do: 'menu', list: 32500, item: 1 });
        const call = { do: 'call', fn: 'getMaterials' };
        await steps(sandbox, call, 500);
        const after500 = rssMb(sandbox.pid);
        await steps(sandbox, call, 9500);
        const after10000 = rssMb(sandbox.pid);

        const port = Number(new URL(sandbox.url).port);
        const quietMs = await stateMedianMs(sandbox.url);
        const sockets = Array.from({ length: 250 }, () => net.connect(port, '127.0.0.1').on('error', () => {}));
        let trickling = true;
        (async () => {
            for (let i = 0; trickling && i < 60; i++) {
                sockets.forEach((socket) => socket.write(i === 0 ? 'G' : 'E'));
                await new Promise((r) => setTimeout(r, 1000));
            }
        })();
        await new Promise((r) => setTimeout(r, 200));
        const slowlorisMs = await stateMedianMs(sandbox.url);
        trickling = false;
        sockets.forEach((socket) => socket.destroy());
        const streams = new AbortController();
        await Promise.all(Array.from({ length: 200 }, () => fetch(sandbox.url + 'api/events', { signal: AbortSignal.any([streams.signal, AbortSignal.timeout(3000)]) }).catch(() => null)));
        const streamsMs = await stateMedianMs(sandbox.url);
        streams.abort();
        return {
            rssMb: { after500: +after500.toFixed(1), after10000: +after10000.toFixed(1), grown: +(after10000 - after500).toFixed(1), goal: 20 },
            stateMs: { quiet: quietMs && +quietMs.toFixed(2), slowloris250: slowlorisMs && +slowlorisMs.toFixed(2), eventStreams200: streamsMs && +streamsMs.toFixed(2), goal: 100 },
        };
    } finally {
        await Promise.race([sandbox.stop('SIGKILL'), new Promise((r) => setTimeout(r, 5000))]);
    }
}

// The click on the front wall until it is drawn anew, PAINTS times, in one look of the 3D window.
async function clickToDrawnMs(browser, url) {
    const page = await browser.newPage({ viewport: { width: 1400, height: 850 } });
    await page.goto(url);
    await page.waitForSelector('body[data-ready]');
    await hostPage.menu(page, 'Virel').click();
    await hostPage.menuItem(page, /open colour palette/i).click();
    const frame = await (await page.waitForSelector('#palette-body iframe')).contentFrame();
    await palettePage.projectTab(frame).filter({ hasText: '(100)' }).waitFor();
    await palettePage.projectTab(frame).click();
    const wall = await modelPoint(page, HOUSE.wall);
    const paintMs = [];
    for (let i = 0; i < PAINTS; i++) {
        await palettePage.material(frame, paints++ % 2).click();
        await palettePage.paintButton(frame).click();
        await hostPage.prompt(page).waitFor({ state: 'visible' });
        await page.evaluate(watchRedraw, [wall.x, wall.y]);
        await page.mouse.click(wall.x, wall.y);
        paintMs.push(await page.evaluate(() => window.redrawn));
        // the page asks for the next pick; the user ends painting
        await hostPage.prompt(page).waitFor({ state: 'visible' });
        await page.keyboard.press('Escape');
        await hostPage.prompt(page).waitFor({ state: 'hidden' });
    }
    await page.close();
    return median(paintMs);
}

async function main() {
    const boundsFigures = await bounds();
    if (process.argv.includes('bounds'))
        return console.log(JSON.stringify(boundsFigures, null, 1));
    const runMs = runCallMs();
    const sandbox = await startSandbox(28);
    for (const step of materials) await sandbox.step(JSON.parse(step));
    const browser = await launchBrowser();
    const ready = {};
    for (const [look, query] of Object.entries(LOOKS)) {
        const readyMs = [];
        for (let i = 0; i < LOADS; i++) {
            readyMs.push(await pagesReadyMs(browser, sandbox.url + query));
            // the project closes: the palette goes, and the next one is made afresh
            await sandbox.step({ do: 'hostEvent', code: '0x40' });
        }
        ready[look] = { median: +median(readyMs.map((r) => r.ready)).toFixed(0), first: +readyMs[0].ready.toFixed(0), houseDrawn: +median(readyMs.map((r) => r.drawn)).toFixed(0) };
    }

    const page = await browser.newPage({ viewport: { width: 1400, height: 850 } });
    await page.goto(sandbox.url);
    await page.waitForSelector('body[data-ready]');
    await hostPage.menu(page, 'Virel').click();
    await hostPage.menuItem(page, /open colour palette/i).click();
    const frame = await (await page.waitForSelector('#palette-body iframe')).contentFrame();
    await palettePage.projectTab(frame).filter({ hasText: '(100)' }).waitFor();

    // browser → HTTP → UI thread → add-on → back, as the palette page calls it
    const callMs = await frame.evaluate(async (calls) => {
        const times = [];
        for (let i = 0; i < calls; i++) {
            const start = performance.now();
            await window.archicad.getMaterials();
            times.push(performance.now() - start);
        }
        return times.sort((a, b) => a - b)[Math.floor(times.length / 2)];
    }, CALLS);

    // the browser's own share: requests that never reach the UI thread, an empty read of the
    // transcript and a step the HTTP thread refuses (400) as a page call would send it
    const [fetchMs, postMs] = await page.evaluate(async (calls) => {
        const medianOf = async (request) => {
            const times = [];
            for (let i = 0; i < calls; i++) {
                const start = performance.now();
                await request();
                times.push(performance.now() - start);
            }
            return times.sort((a, b) => a - b)[Math.floor(times.length / 2)];
        };
        const refusedPost = () => new Promise((done) => {
            const request = new XMLHttpRequest();
            request.open('POST', '/api/step');
            request.setRequestHeader('Content-Type', 'application/json');
            request.onloadend = done;
            request.send('[]');
        });
        return [await medianOf(async () => (await fetch('/api/transcript?since=1000000000')).json()), await medianOf(refusedPost)];
    }, CALLS);
    await page.close();

    const drawn = {};
    for (const [look, query] of Object.entries(LOOKS)) {
        await sandbox.step({ do: 'hostEvent', code: '0x40' });
        drawn[look] = +(await clickToDrawnMs(browser, sandbox.url + query)).toFixed(1);
    }
    await browser.close();
    await sandbox.stop();
    console.log(JSON.stringify({
        pageCallMs: { sandbox: +callMs.toFixed(2), run: +runMs.toFixed(2), above: +(callMs - runMs).toFixed(2), browserFetch: +fetchMs.toFixed(2), browserRefusedPost: +postMs.toFixed(2), goal: 3 },
        clickToDrawnMs: { ...drawn, goal: 100 },
        pagesReadyMs: { ...ready, goal: 1500 },
        ...boundsFigures,
    }, null, 1));
}

main().catch((e) => { console.error(e); process.exit(1); });
