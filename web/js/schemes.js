/* Colour schemes: named sets of colours the user builds, kept in the page's storage, saved to
   and opened from a file, and imported into the project in one step. */
(function (Virel) {
    'use strict';

    const { h, fill, byId } = Virel.dom;
    const STORE_KEY = 'virel-schemes';

    class Schemes {
        constructor(app) {
            this.app = app;
            this.list = this.load();      // [{ name, codes }]
            this.current = this.list.length ? this.list[0].name : '';
            const on = (id, fn) => byId(id).addEventListener('click', fn);
            on('scheme-save', () => this.saveSelection());
            on('scheme-add', () => this.addShown());
            on('scheme-delete', () => this.remove());
            on('scheme-import', () => this.importIntoProject());
            on('scheme-export', () => this.exportFile());
            on('scheme-open', () => this.openFile());
            byId('scheme-pick').addEventListener('change', (e) => { this.current = e.target.value; this.render(); });
            byId('scheme-name').addEventListener('keydown', (e) => { if (e.key === 'Enter') { e.preventDefault(); this.saveSelection(); } });
            byId('scheme-colours').addEventListener('click', (e) => {
                const button = e.target.closest('button');
                if (!button) return;
                const item = this.app.range.byCode.get(button.dataset.code);
                if (button.dataset.drop) this.drop(button.dataset.code);
                else if (item) this.app.rangeView.show(item.index);
            });
            this.render();
        }

        load() {
            try {
                const saved = JSON.parse(window.localStorage.getItem(STORE_KEY) || '[]');
                return Array.isArray(saved) ? saved.filter((s) => s && typeof s.name === 'string' && Array.isArray(s.codes)) : [];
            } catch {
                return [];
            }
        }

        store() {
            try {
                window.localStorage.setItem(STORE_KEY, JSON.stringify(this.list));
                return true;
            } catch {
                this.say('This palette cannot keep schemes here; export them to a file to keep them.');
                return false;
            }
        }

        say(text) {
            byId('scheme-status').textContent = text;
        }

        scheme() {
            return this.list.find((s) => s.name === this.current) || null;
        }

        // The selected colours, or the colour shown when none is selected.
        chosenColours() {
            const picked = this.app.selection.items();
            if (picked.length) return picked;
            const shown = this.app.rangeView.activeItem();
            return shown ? [shown] : [];
        }

        // Saves the chosen colours as a scheme of the typed name, or adds them to the scheme of that name.
        saveSelection() {
            const input = byId('scheme-name');
            const name = input.value.trim().slice(0, 80);
            const colours = this.chosenColours();
            if (!name) { this.say('Type a name for the scheme first.'); input.focus(); return; }
            if (!colours.length) { this.say('Select colours in the range first.'); return; }
            let scheme = this.list.find((s) => s.name === name);
            if (!scheme) { scheme = { name, codes: [] }; this.list.push(scheme); }
            for (const c of colours) if (!scheme.codes.includes(c.code)) scheme.codes.push(c.code);
            this.current = name;
            input.value = '';
            this.store();
            this.say(`Saved ${name}: ${scheme.codes.length} ${scheme.codes.length === 1 ? 'colour' : 'colours'}.`);
            this.render();
        }

        addShown() {
            const scheme = this.scheme();
            const item = this.app.rangeView.activeItem();
            if (!scheme || !item) return;
            if (!scheme.codes.includes(item.code)) scheme.codes.push(item.code);
            this.store();
            this.say(`Added ${item.code} to ${scheme.name}.`);
            this.render();
        }

        drop(code) {
            const scheme = this.scheme();
            if (!scheme) return;
            scheme.codes = scheme.codes.filter((c) => c !== code);
            this.store();
            this.say(`Took ${code} out of ${scheme.name}.`);
            this.render();
            byId('scheme-pick').focus();
        }

        remove() {
            const scheme = this.scheme();
            if (!scheme) return;
            this.list = this.list.filter((s) => s !== scheme);
            this.current = this.list.length ? this.list[0].name : '';
            this.store();
            this.say(`Deleted ${scheme.name}.`);
            this.render();
        }

        // All the scheme's colours into the project, in the chosen finish, in one step.
        importIntoProject() {
            const scheme = this.scheme();
            if (!scheme) return Promise.resolve(false);
            const colours = scheme.codes.map((c) => this.app.range.byCode.get(c)).filter(Boolean);
            return this.app.importer.importColours(colours);
        }

        exportFile() {
            if (!this.list.length) { this.say('No scheme to export yet.'); return; }
            Virel.colourFiles.download('virel-colour-schemes.json', 'application/json', Virel.colourFiles.schemesText(this.list));
            this.say(`Exported ${this.list.length} ${this.list.length === 1 ? 'scheme' : 'schemes'}.`);
        }

        openFile() {
            return Virel.colourFiles.pickFile(byId('scheme-file')).then((text) => {
                if (text === null) return;
                this.take(text);
            });
        }

        // Adds the schemes of a file; a scheme of the same name is replaced.
        take(text) {
            let read;
            try {
                read = Virel.colourFiles.readSchemes(text, this.app.range);
            } catch (e) {
                this.say(`Could not open the file: ${e.message}.`);
                return;
            }
            for (const s of read.schemes) {
                this.list = this.list.filter((old) => old.name !== s.name).concat(s);
            }
            if (read.schemes.length) this.current = read.schemes[0].name;
            this.store();
            this.say(`Opened ${read.schemes.length} ${read.schemes.length === 1 ? 'scheme' : 'schemes'}`
                + (read.unknown.length ? `; left out ${read.unknown.length} unknown ${read.unknown.length === 1 ? 'code' : 'codes'} (${read.unknown.slice(0, 3).join(', ')}).` : '.'));
            this.render();
        }

        render() {
            const scheme = this.scheme();
            const pick = byId('scheme-pick');
            fill(pick, this.list.length ? this.list.map((s) => h('option', { value: s.name, text: `${s.name} (${s.codes.length})` }))
                : h('option', { value: '', text: 'No schemes yet' }));
            pick.value = this.current;
            pick.disabled = !this.list.length;
            const range = this.app.range;
            fill(byId('scheme-colours'), scheme ? scheme.codes.map((code) => {
                const c = range.byCode.get(code);
                return h('li', { className: 'scheme-colour' },
                    h('button', { type: 'button', className: 'scheme-show', dataset: { code }, title: `Show ${code}` },
                        h('span', { className: 'mat-sw', style: { background: c.hex } }), h('span', { className: 'scheme-name', text: `${code} ${c.name}` })),
                    h('button', { type: 'button', className: 'scheme-drop', dataset: { code, drop: '1' }, 'aria-label': `Take ${code} out of the scheme`, title: 'Take out', text: '×' }));
            }) : []);
            for (const id of ['scheme-import', 'scheme-add', 'scheme-delete']) byId(id).disabled = !scheme;
            byId('scheme-import').disabled = !scheme || !scheme.codes.length || !this.app.bridge.connected();
        }
    }

    Virel.Schemes = Schemes;
})(window.Virel = window.Virel || {});
