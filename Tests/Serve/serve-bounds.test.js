// virel-host serve under hostile input and long sessions: bodies and headers over their
// limits, deep steps, odd resume points, slow and idle connections past the caps, steps that
// would unload the add-on under a waiting point input, and a stop under load. On both builds.
// Every connection is on the loopback interface; every wait is bounded.
'use strict';
const test = require('node:test');
const assert = require('node:assert');
const http = require('node:http');
const net = require('node:net');
const { startSandbox, BUILDS } = require('./sandbox.js');

const OPEN_PALETTE = { do: 'menu', list: 32500, item: 1 };
const MiB = 1 << 20;

// Sends the bytes as they are and resolves with the answer's status (0: closed with none).
function rawStatus(port, bytes, { timeoutMs = 10000 } = {}) {
    return new Promise((resolve) => {
        const socket = net.connect(port, '127.0.0.1');
        let answer = '';
        const done = () => { socket.destroy(); resolve({ status: Number((answer.match(/^HTTP\/1\.1 (\d{3})/) || [])[1] || 0) }); };
        socket.setTimeout(timeoutMs, done);
        socket.on('data', (data) => { answer += data; if (answer.includes('\r\n\r\n')) done(); });
        socket.on('error', done);
        socket.on('close', done);
        socket.write(bytes);
    });
}

// A body sent in chunks until the server answers; resolves with the status and what was sent.
function chunkedPost(port, totalBytes) {
    return new Promise((resolve, reject) => {
        let sent = 0;
        const request = http.request({ host: '127.0.0.1', port, path: '/api/step', method: 'POST', headers: { 'Content-Type': 'application/json' } }, (response) => {
            response.resume();
            response.on('end', () => resolve({ status: response.statusCode, sent }));
        });
        request.on('error', reject);
        const chunk = Buffer.alloc(MiB, ' ');
        const more = () => {
            while (sent < totalBytes && !request.destroyed) {
                sent += chunk.length;
                if (!request.write(sent === chunk.length ? Buffer.concat([Buffer.from('{"do":"palette","x":"'), chunk.subarray(21)]) : chunk)) return request.once('drain', more);
            }
            request.end('"}');
        };
        more();
    });
}

const withTimeout = (ms) => ({ signal: AbortSignal.timeout(ms) });

for (const api of BUILDS) {
    test(`oversized and deep requests are refused, run nothing, and the sandbox stays up (API ${api})`, async (t) => {
        const sandbox = await startSandbox(api);
        t.after(() => sandbox.stop());
        const port = new URL(sandbox.url).port;
        const host = `Host: 127.0.0.1:${port}\r\n`;
        const next = async () => (await sandbox.get('api/transcript')).body.next;
        const before = await next();
        const deep = (n) => `{"do":"palette","x":${'['.repeat(n)}${']'.repeat(n)}}`;
        const cases = [
            { why: 'a step 60,000 deep', send: () => sandbox.step(null, {}, deep(60000)), status: 400, error: /nested at most 512/ },
            { why: 'a step 513 deep', send: () => sandbox.step(null, {}, deep(512)), status: 400, error: /nested at most 512/ },
            { why: 'a step 511 deep reaches the step reader', send: () => sandbox.step(null, {}, deep(510)), status: 400, error: /^(?!.*nested)/ },
            { why: '16 MiB of "["', send: () => sandbox.step(null, {}, '['.repeat(16 * MiB - 64)), status: 400 },
            { why: '101 header lines', send: () => rawStatus(port, `GET /api/state HTTP/1.1\r\n${host}${'X-A: 1\r\n'.repeat(100)}\r\n`), status: 431 },
            { why: '65 KiB of headers', send: () => rawStatus(port, `GET /api/state HTTP/1.1\r\n${host}X-A: ${'a'.repeat(65 << 10)}\r\n\r\n`), status: 431 },
            { why: '20 MiB sent chunked', send: () => chunkedPost(port, 20 * MiB), status: 413 },
            { why: 'not HTTP', send: () => rawStatus(port, 'HELLO\r\n\r\n'), status: 400 },
        ];
        for (const c of cases) {
            const answer = await c.send();
            assert.strictEqual(answer.status, c.status, c.why);
            if (c.error) assert.match(answer.body.error, c.error, c.why);
        }
        assert.strictEqual(await next(), before, 'nothing ran');
        assert.strictEqual((await sandbox.get('api/state')).status, 200);
    });

    test(`resume points are plain decimal numbers up to the next line's (API ${api})`, async (t) => {
        const sandbox = await startSandbox(api);
        t.after(() => sandbox.stop());
        const { next } = (await sandbox.get('api/transcript')).body;
        // (a header value's surrounding spaces are not part of it: ' 1' is odd only in a query)
        const odd = ['-2', '5abc', '1e3', '', ' 1', '+1', '0x1', '18446744073709551616', String(next + 1)];
        for (const value of odd) {
            assert.strictEqual((await sandbox.get(`api/transcript?since=${encodeURIComponent(value)}`)).status, 400, `since=${value}`);
            if (value !== ' 1') assert.strictEqual((await fetch(sandbox.url + 'api/events', { headers: { 'Last-Event-ID': value }, ...withTimeout(5000) })).status, 400, `Last-Event-ID ${value}`);
        }
        for (const value of ['0', '1', String(next)]) {
            const answer = await sandbox.get(`api/transcript?since=${value}`);
            assert.strictEqual(answer.status, 200, value);
            assert.strictEqual(answer.body.lines.length, next - Number(value), value);
        }
    });

    test(`slow connections and many event streams past the caps do not starve a request (API ${api})`, async (t) => {
        const sandbox = await startSandbox(api);
        const port = new URL(sandbox.url).port;
        const sockets = [];
        const streams = new AbortController();
        t.after(() => { sockets.forEach((s) => s.destroy()); streams.abort(); return sandbox.stop(); });
        // 250 connections that send one byte of their headers and then wait
        for (let i = 0; i < 250; i++) {
            const socket = net.connect(port, '127.0.0.1');
            socket.on('error', () => {});
            socket.write('G');
            sockets.push(socket);
        }
        const opened = await Promise.all(Array.from({ length: 200 }, () => fetch(sandbox.url + 'api/events?since=0', { signal: AbortSignal.any([streams.signal, AbortSignal.timeout(5000)]) }).then((r) => r.status, () => 0)));
        assert.ok(opened.filter((s) => s === 200).length >= 16, 'at least 16 streams served');
        assert.ok(opened.every((s) => s === 200 || s === 503), 'beyond the cap: 503');
        const state = await fetch(sandbox.url + 'api/state', withTimeout(5000));
        assert.strictEqual(state.status, 200);
    });

    test(`steps that would unload the add-on wait out a point input; a stop then ends it (API ${api})`, async () => {
        const sandbox = await startSandbox(api);
        await sandbox.step(OPEN_PALETTE);
        await sandbox.step({ do: 'call', fn: 'beginPaint' });
        const next = (await sandbox.get('api/transcript')).body.next;
        for (const step of [{ do: 'unload' }, { do: 'open' }, { do: 'table' }, { do: 'entry', name: 'ReleaseModule' }]) {
            const answer = await sandbox.step(step);
            assert.strictEqual(answer.status, 400, step.do);
            assert.match(answer.body.error, /point input waits/, step.do);
        }
        assert.strictEqual((await sandbox.get('api/transcript')).body.next, next, 'nothing ran');
        assert.strictEqual((await sandbox.get('api/state')).body.input.waiting, true);
        assert.deepStrictEqual(await sandbox.stop('SIGTERM'), { code: 0, signal: null });
    });

    // a guard against a stop that waits out the 30 s answer limit
    test(`a stop under load answers every request with a reason and exits (API ${api})`, { timeout: 20000 }, async () => {
        const sandbox = await startSandbox(api);
        await sandbox.step(OPEN_PALETTE);
        let stopping = false;
        const statuses = [];
        const poll = async () => {
            while (!stopping || statuses.length < 40) {
                try {
                    const response = await fetch(sandbox.url + 'api/state', withTimeout(5000));
                    const body = await response.json().catch(() => ({}));
                    statuses.push(response.status === 503 && !body.error ? '503 without a reason' : response.status);
                } catch (e) {
                    if (e.name === 'TimeoutError') statuses.push('timeout');
                    return;   // the server has gone: refused connections end the client
                }
            }
        };
        const clients = Array.from({ length: 4 }, poll);
        while (statuses.length < 20) await new Promise((r) => setTimeout(r, 10));
        stopping = true;
        assert.deepStrictEqual(await sandbox.stop('SIGTERM'), { code: 0, signal: null });
        await Promise.all(clients);
        assert.deepStrictEqual(statuses.filter((s) => s !== 200 && s !== 503), []);
    });
}
