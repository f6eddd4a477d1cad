// The palette's browser: the add-on's own page from /palette/ in a frame, with a window.archicad
// whose functions are those of the script object the add-on handed over, each a page call through
// POST /api/step. The page lines the add-on runs are run in the frame in order, once it is loaded.
import { runStep } from './host-api.js';

function callOf(name) {
    return (argument) => {
        const step = { do: 'call', fn: name };
        if (typeof argument === 'string') step.arg = argument;
        else if (argument !== undefined) step.argKind = 'object';
        return runStep(step).then((lines) => {
            // reading the catalogue changes nothing; any other call may change the project
            if (name !== 'getMaterials') window.dispatchEvent(new Event('project-may-have-changed'));
            const own = lines.find((line) => 'result' in line || 'exception' in line);
            if (!own) throw new Error('the call gave no result');
            if ('exception' in own) throw new Error(own.exception);
            return own.result === null ? undefined : own.result;
        });
    };
}

export class PaletteFrame {
    constructor(container) {
        this.container = container;
        this.frame = null;
        this.pending = [];
        this.loaded = false;
        this.pageName = 'index.html';
        this.functions = [];
        this.settingUp = null;
    }

    urlOpened(url) { this.pageName = url.slice(url.lastIndexOf('/') + 1) || 'index.html'; }
    scriptObject(functions) { this.functions = functions; }

    // A fresh page: the script object exists before the page's first script runs, as in the
    // host's browser, so the page is written into a frame that already has it. A page the add-on
    // opens now ('live') waits for the lines that set up its browser to be over: the script object
    // it hands over after the address may come in a later event than the address itself.
    async open(live = false) {
        this.close();
        const frame = document.createElement('iframe');
        frame.title = 'Palette page';
        this.frame = frame;
        this.loaded = false;
        this.container.appendChild(frame);
        const setUp = live ? new Promise((done) => { this.settingUp = done; }) : null;
        const html = await (await fetch('/palette/' + encodeURIComponent(this.pageName))).text();
        await setUp;
        if (this.frame !== frame) return;
        const win = frame.contentWindow;
        const archicad = {};
        for (const name of this.functions) archicad[name] = callOf(name);
        win.archicad = archicad;
        const doc = frame.contentDocument;
        doc.open();
        doc.write(html.replace(/<head[^>]*>/i, (head) => head + '<base href="/palette/">'));
        doc.close();
        while (doc.readyState !== 'complete') await new Promise((done) => setTimeout(done, 5));
        if (this.frame !== frame) return;
        this.loaded = true;
        this.flush();
    }

    // Each line as it happens: the browser's setup is over with its script object, or with any
    // other line after the address.
    lineArrived(line) {
        if (!this.settingUp || line.openUrl !== undefined) return;
        this.settingUp();
        this.settingUp = null;
    }

    close() {
        if (this.settingUp) this.settingUp();
        this.settingUp = null;
        if (this.frame) this.frame.remove();
        this.frame = null;
        this.loaded = false;
        this.pending = [];
    }

    isOpen() { return this.frame !== null; }

    runLine(script) {
        this.pending.push(script);
        if (this.loaded) this.flush();
    }

    flush() {
        const win = this.frame.contentWindow;
        while (this.pending.length) {
            const script = this.pending.shift();
            try { win.eval(script); } catch (e) { console.error('page line failed:', script, e); }
        }
    }
}
