// virel-host serve over HTTP: what it refuses, how steps answer, many calls at once, the event
// stream, and a stop while a point input waits. On both builds.
'use strict';
const test = require('node:test');
const assert = require('node:assert');
const fs = require('node:fs');
const http = require('node:http');
const path = require('node:path');
const { fileURLToPath } = require('node:url');
const { startSandbox, BUILDS } = require('./sandbox.js');

const OPEN_PALETTE = { do: 'menu', list: 32500, item: 1 };

// fetch sets the Host header itself; a page of another site reaches the host under its own name
function statusWithHost(port, host, where = '/api/state') {
    return new Promise((resolve, reject) => {
        http.get({ host: '127.0.0.1', port, path: where, headers: { Host: host } }, (response) => {
            response.resume();
            resolve({ status: response.statusCode });
        }).on('error', reject);
    });
}

async function transcriptNext(sandbox) { return (await sandbox.get('api/transcript')).body.next; }

for (const api of BUILDS) {
    test(`requests the host refuses run nothing (API ${api})`, async (t) => {
        const sandbox = await startSandbox(api);
        t.after(() => sandbox.stop());
        const port = new URL(sandbox.url).port;
        const refusals = [
            { why: 'another Host', send: () => statusWithHost(port, `example.com:${port}`), status: 403 },
            { why: 'the right name on another port', send: () => statusWithHost(port, `localhost:${Number(port) + 1}`), status: 403 },
            { why: 'a foreign Origin', send: () => sandbox.step(OPEN_PALETTE, { Origin: 'http://example.com' }), status: 403, error: /another origin/ },
            { why: 'a body over 16 MiB', send: () => sandbox.step({ do: 'call', fn: 'getMaterials', arg: 'x'.repeat(16 << 20) }), status: 413 },
            { why: 'a body that is no object', send: () => sandbox.step([OPEN_PALETTE]), status: 400 },
            { why: 'a body that is no JSON', send: () => fetch(sandbox.url + 'api/step', { method: 'POST', body: '{"do":' }), status: 400 },
            { why: 'an unknown step', send: () => sandbox.step({ do: 'fly' }), status: 400, error: /unknown step "fly"/ },
            { why: 'an unknown key', send: () => sandbox.step({ do: 'menu', list: 32500, item: 1, extra: 1 }), status: 400 },
            { why: 'a call with no palette', send: () => sandbox.step({ do: 'call', fn: 'getMaterials' }), status: 400 },
        ];
        const before = await transcriptNext(sandbox);
        // no palette yet; and never a file outside its folder
        assert.strictEqual((await sandbox.get('palette/index.html')).status, 404);
        for (const refusal of refusals) {
            const answer = await refusal.send();
            assert.strictEqual(answer.status, refusal.status, refusal.why);
            if (refusal.error) assert.match(answer.body.error, refusal.error, refusal.why);
        }
        // a refused body is left unread, so its connection is not used again
        const oneConnection = new http.Agent({ keepAlive: true, maxSockets: 1 });
        const statuses = await Promise.all([{ method: 'POST', path: '/api/step', headers: { Origin: 'http://example.com' }, body: JSON.stringify(OPEN_PALETTE) }, { method: 'GET', path: '/api/state' }]
            .map(({ body, ...options }) => new Promise((resolve, reject) => {
                http.request({ host: '127.0.0.1', port, agent: oneConnection, ...options }, (response) => {
                    response.resume();
                    resolve(response.statusCode);
                }).on('error', reject).end(body);
            })));
        oneConnection.destroy();
        assert.deepStrictEqual(statuses, [403, 200]);
        assert.strictEqual(await transcriptNext(sandbox), before, 'nothing ran');
        assert.strictEqual((await sandbox.get('api/state')).body.palette.exists, false);
        // the host's own origin may post
        const opened = await sandbox.step(OPEN_PALETTE, { Origin: sandbox.url.replace(/\/$/, '') });
        assert.strictEqual(opened.status, 200);
        assert.deepStrictEqual(opened.body.lines.at(-1), { returned: '0x00000000' });
        assert.strictEqual((await sandbox.get('palette/index.html')).status, 200);
        for (const outside of ['/palette/../VirelPalette.apx', '/palette/%2e%2e/VirelPalette.apx', '/palette/js/../../VirelPalette.apx', '/palette//etc/passwd'])
            assert.strictEqual((await statusWithHost(port, `127.0.0.1:${port}`, outside)).status, 404, outside);

        // symbolic links in the palette's folder: served while they stay inside it, refused once they lead out
        const folder = path.dirname(fileURLToPath(opened.body.lines.find((line) => line.openUrl).openUrl));
        const links = { 'inside-link.html': 'index.html', 'outside-link.apx': '../VirelPalette.apx', 'outside-folder': '..' };
        t.after(() => Object.keys(links).forEach((name) => fs.rmSync(path.join(folder, name), { force: true })));
        for (const [name, target] of Object.entries(links)) fs.symlinkSync(target, path.join(folder, name));
        for (const [asked, status] of [['inside-link.html', 200], ['outside-link.apx', 404], ['outside-folder/VirelPalette.apx', 404]])
            assert.strictEqual((await sandbox.get(`palette/${asked}`)).status, status, asked);
    });

    test(`100 page calls at once all get the catalogue, on one UI thread (API ${api})`, async (t) => {
        const sandbox = await startSandbox(api);
        t.after(() => sandbox.stop());
        await sandbox.step(OPEN_PALETTE);
        await sandbox.step({ do: 'call', fn: 'createMaterials', arg: JSON.stringify([{ name: 'VWH-1 Chalk', color: { red: 250, green: 248, blue: 240 }, path: 'Surfaces/Virel/Whites', product: { ambient: 0.5, diffuse: 0.8, shine: 0.1, specular: 0.2 } }]) });
        const answers = await Promise.all(Array.from({ length: 100 }, () => sandbox.step({ do: 'call', fn: 'getMaterials' })));
        const results = answers.map((answer) => answer.body.lines.find((line) => 'result' in line).result);
        assert.ok(answers.every((answer) => answer.status === 200));
        assert.strictEqual(new Set(results).size, 1);
        assert.match(results[0], /VWH-1 Chalk/);
        const all = (await sandbox.get('api/transcript')).body.lines;
        assert.deepStrictEqual(all.filter((line) => line.contractViolation), []);
    });

    test(`the event stream resumes after Last-Event-ID (API ${api})`, async (t) => {
        const sandbox = await startSandbox(api);
        t.after(() => sandbox.stop());
        await sandbox.step(OPEN_PALETTE);
        const { lines } = (await sandbox.get('api/transcript')).body;
        const after = lines.length - 3;
        const response = await fetch(sandbox.url + 'api/events', { headers: { 'Last-Event-ID': String(after) } });
        assert.match(response.headers.get('content-type'), /text\/event-stream/);
        const reader = response.body.getReader();
        let text = '';
        while ((text.match(/\n\n/g) || []).length < 2) text += new TextDecoder().decode((await reader.read()).value);
        reader.cancel();
        const events = text.split('\n\n').filter((e) => e.startsWith('id:')).slice(0, 2);
        assert.deepStrictEqual(events, [after + 1, after + 2].map((id) => `id: ${id}\ndata: ${JSON.stringify(lines[id])}`));
    });

    test(`a stop while a point input waits cancels it, then unloads (API ${api})`, async () => {
        const sandbox = await startSandbox(api);
        await sandbox.step(OPEN_PALETTE);
        await sandbox.step({ do: 'call', fn: 'beginPaint' });
        const state = (await sandbox.get('api/state')).body;
        assert.strictEqual(state.input.waiting, true);
        // the input keeps serving page calls while it waits
        assert.strictEqual((await sandbox.step({ do: 'call', fn: 'getMaterials' })).status, 200);
        const at = sandbox.stdout.length;
        assert.deepStrictEqual(await sandbox.stop('SIGTERM'), { code: 0, signal: null });
        const tail = sandbox.stdout.slice(at);
        const released = tail.findIndex((line) => line.entry === 'ReleaseModule');
        assert.ok(released > 0, 'released after the input ended');
        assert.ok(tail.slice(0, released).some((line) => line.page === 'VirelEvents.onIsPainting(false);'), 'the input was cancelled first');
    });
}

test('a port in use or an add-on that cannot load: a message and exit 2', async (t) => {
    const sandbox = await startSandbox(28);
    t.after(() => sandbox.stop());
    const { spawnSync } = require('node:child_process');
    const host = path.resolve(__dirname, '../../build/virel-host');
    for (const args of [['--port', new URL(sandbox.url).port], ['--port', '0', '--addon', '/nonexistent.apx']]) {
        const run = spawnSync(host, ['serve', ...args], { encoding: 'utf8', timeout: 10000 });
        assert.strictEqual(run.status, 2, args.join(' '));
        assert.match(run.stderr, /^virel-host: .+\n$/);
    }
});
