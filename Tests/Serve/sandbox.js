// Starts `virel-host serve` on a free port for a test, and talks to it.
'use strict';
const { spawn } = require('node:child_process');
const path = require('node:path');

// VIREL_BUILD names another build folder, to compare one build with another; VIREL_SANDBOX=wine
// starts the Windows build's virel-host.exe under Wine (with VIREL_BUILD=build-windows)
const BUILD = path.resolve(process.env.VIREL_BUILD || path.join(__dirname, '../../build'));
const BUILDS = [28, 27];
const UNDER_WINE = process.env.VIREL_SANDBOX === 'wine';

function startSandbox(api, extra = []) {
    const addOn = path.join(BUILD, `api${api}`, 'VirelPalette.apx');
    const serve = ['serve', '--port', '0', '--addon', UNDER_WINE ? 'Z:' + addOn : addOn, ...extra];
    const child = UNDER_WINE
        ? spawn(path.join(__dirname, '../../Tools/wine-run.sh'), [path.join(BUILD, 'virel-host.exe'), ...serve], { stdio: ['ignore', 'pipe', 'pipe'] })
        : spawn(path.join(BUILD, 'virel-host'), serve, { stdio: ['ignore', 'pipe', 'pipe'] });
    const stdout = [];
    let buffered = '';
    const exited = new Promise((resolve) => child.on('exit', (code, signal) => resolve({ code, signal })));
    // a test or benchmark that fails before it stops the sandbox does not leave it running
    const stopOnExit = () => child.kill();
    process.on('exit', stopOnExit);
    exited.then(() => process.off('exit', stopOnExit));
    const serving = new Promise((resolve, reject) => {
        child.stdout.on('data', (data) => {
            buffered += data;
            let end;
            while ((end = buffered.indexOf('\n')) >= 0) {
                const line = JSON.parse(buffered.slice(0, end));
                buffered = buffered.slice(end + 1);
                stdout.push(line);
                if (line.serving) resolve(line.serving);
            }
        });
        exited.then(() => reject(new Error('virel-host serve ended before serving')));
    });
    return serving.then((url) => ({
        url,
        pid: child.pid,
        stdout,
        exited,
        stop(signal = 'SIGINT') { child.kill(signal); return exited; },
        // 'text': a body sent as it is
        step(step, headers = {}, text = JSON.stringify(step)) { return request(url, 'api/step', { method: 'POST', body: text, headers }); },
        get(where, headers = {}) { return request(url, where, { headers }); },
    }));
}

// The sandbox closes a kept-alive connection after a second without a request; a GET sent on it
// as it closes fails at the socket, and is sent again once, as clients retry idempotent requests.
async function request(url, where, options) {
    let response;
    try {
        response = await fetch(url + where, options);
    } catch (e) {
        if (options.method !== undefined || !(e instanceof TypeError)) throw e;
        response = await fetch(url + where, options);
    }
    const text = await response.text();
    let body = text;
    try { body = JSON.parse(text); } catch (e) { /* a file */ }
    return { status: response.status, body };
}

module.exports = { startSandbox, BUILD, BUILDS };
