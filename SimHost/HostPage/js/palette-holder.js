// Which tab holds the palette: the add-on's page runs in one tab of the host page at a time.
// A tab takes the palette when it opens and nobody holds it (or it held it before a reload),
// or when its user moves it there; it gives it up when it goes away. Other tabs of this
// browser hear of a change at once, any other browser within a poll. A palette nobody holds
// for a moment goes to a tab that is still open, once a reload of its holder has had the time
// to take it back.
const POLL_MS = 2000;
const RELOAD_GRACE_MS = 2500;
const CHANNEL = 'virel-palette-holder';

function newTabName() {
    return globalThis.crypto?.randomUUID ? crypto.randomUUID() : Math.random().toString(36).slice(2) + Date.now().toString(36);
}

async function post(body) {
    const response = await fetch('/api/palette-holder', { method: 'POST', headers: { 'Content-Type': 'application/json' }, body: JSON.stringify(body) });
    if (!response.ok) throw new Error((await response.json()).error);
    return response.json();
}

export class PaletteHolder {
    // onChange(holds): this tab has come to hold the palette, or has stopped holding it.
    constructor(onChange) {
        this.tab = newTabName();
        this.holds = false;
        this.holder = null;
        this.claiming = false;
        this.onChange = onChange;
        this.channel = 'BroadcastChannel' in window ? new BroadcastChannel(CHANNEL) : null;
        if (this.channel) this.channel.onmessage = () => this.check();
        // a reload keeps the tab's session: the palette it held before comes back to it
        this.before = sessionStorage.getItem(CHANNEL);
        sessionStorage.setItem(CHANNEL, this.tab);
        window.addEventListener('pagehide', () => this.leave());
    }

    async start() {
        const { tab } = await (await fetch('/api/palette-holder')).json();
        if (tab === null || tab === this.before) await this.take();
        else this.note(tab);
        setInterval(() => this.check(), POLL_MS);
    }

    // Moves the palette here; a point input the other tab's page asked for is cancelled.
    async take() {
        const answer = await post({ take: this.tab });
        this.channel?.postMessage(this.tab);
        this.note(answer.tab);
    }

    // Takes the palette only when no tab holds it.
    async takeIfFree() {
        if (this.holder === null) await this.take();
    }

    // Takes the palette if it is still free; of several tabs asking, the first gets it.
    async claim() {
        try {
            if (this.holder !== null) return;
            const answer = await post({ claim: this.tab });
            if (answer.tab === this.tab) this.channel?.postMessage(this.tab);
            this.note(answer.tab);
        } catch (error) { /* the sandbox stopped */ } finally {
            this.claiming = false;
        }
    }

    async check() {
        try { this.note((await (await fetch('/api/palette-holder')).json()).tab); } catch (error) { /* the sandbox stopped */ }
    }

    note(tab) {
        this.holder = tab;
        if (tab === null && !this.claiming) {
            this.claiming = true;
            setTimeout(() => this.claim(), RELOAD_GRACE_MS);
        }
        const holds = tab === this.tab;
        if (holds === this.holds) return;
        this.holds = holds;
        this.onChange(holds);
    }

    // The page goes away (reload, close, navigation): the palette is free again, and a point
    // input its page asked for is cancelled.
    leave() {
        if (!this.holds) return;
        navigator.sendBeacon('/api/palette-holder', JSON.stringify({ release: this.tab }));
        this.channel?.postMessage(null);
    }
}
