/* The tools beside a chosen colour: favourite it, copy its hex, preview it large, compare it
   with one or two others, and jump to similar colours and to its harmonies in the range. Also
   keeps the favourites and recently viewed colours the grid can show, and the LRV filter. */
(function (Virel) {
    'use strict';

    const { h, fill } = Virel.dom;
    const RECENT_COUNT = 12;
    const FAVOURITES_MOST = 500;
    const COMPARE_MOST = 3;
    // A colour counts as viewed once it has stayed in the details this long.
    const VIEWED_AFTER_MS = 800;
    const COLLECTIONS = { '@favourites': 'favourites', '@recent': 'recent' };

    function localStorageOf(win) {
        try { return win.localStorage; } catch { return null; }
    }

    // A button that stays pressed while it is on; mark: a symbol shown before the text, not read out.
    function toggleButton(action, text, pressed, mark) {
        return h('button', { type: 'button', dataset: { action }, 'aria-pressed': String(pressed) },
            mark ? h('span', { className: 'vt-mark', 'aria-hidden': 'true', text: mark }) : null, text);
    }

    function actionButton(action, text) {
        return h('button', { type: 'button', dataset: { action }, text });
    }

    class ColourTools {
        // options: { range, familyLabel(id), onShow(colourIndex), onFavouritesChange() }
        constructor(options) {
            this.range = options.range;
            this.opt = options;
            const storage = localStorageOf(window);
            this.favourites = new Virel.ColourList(storage, 'virel-favourites', FAVOURITES_MOST);
            this.recent = new Virel.ColourList(storage, 'virel-recent', RECENT_COUNT);
            this.compared = [];
            this.item = null;
            // The colour shown when the page opens is not one the user went to see.
            this.opening = undefined;
            this.related = new Map();
            this.viewTimer = 0;
            this.relatedTimer = 0;
            this.preview = new Virel.PreviewDialog(options.familyLabel);
            this.compare = new Virel.CompareDialog(options.familyLabel, (item) => {
                this.toggleCompared(item);
                this.compare.open(this.comparedItems());
                this.render(this.item);
            });
            this.compare.onHide = () => this.render(this.item);
            this.actions = h('div', { className: 'vt-actions' });
            this.status = h('p', { className: 'vt-status', role: 'status' });
            this.relatedEl = h('div', { className: 'vt-related' });
            this.el = h('section', { className: 'vt-tools', 'aria-label': 'Colour tools' }, this.actions, this.status, this.relatedEl);
            this.el.addEventListener('click', (e) => {
                const button = e.target.closest('button');
                if (button && this.el.contains(button)) this.act(button);
            });
            this.lrvSelect = h('select', { className: 'vt-lrv', id: 'lrv', 'aria-label': 'LRV range' },
                h('option', { value: '', text: 'Any LRV' }),
                Object.entries(Virel.LRV_BANDS).map(([id, band]) => h('option', { value: id, text: band.label })));
        }

        // The query the range answers: a collection chosen in the family menu becomes its colours.
        scope(query) {
            const list = COLLECTIONS[query.family];
            const scoped = { ...query, lrv: this.lrvSelect.value };
            if (!list) return scoped;
            return { ...scoped, family: '', within: this[list].indicesIn(this.range), keepOrder: list === 'recent' };
        }

        // Entries for the family menu: [{ value, label }].
        collectionOptions() {
            return [
                { value: '@favourites', label: `Favourites (${this.favourites.indicesIn(this.range).length})` },
                { value: '@recent', label: 'Recently viewed' }
            ];
        }

        comparedItems() {
            return this.compared.map((i) => this.range.colours[i]);
        }

        // Adds or takes out a colour; a fourth one pushes out the first added.
        toggleCompared(item) {
            if (this.compared.includes(item.index)) this.compared = this.compared.filter((i) => i !== item.index);
            else this.compared = [...this.compared, item.index].slice(-COMPARE_MOST);
        }

        act(button) {
            const item = this.item;
            const action = button.dataset.action;
            if (action === 'show') {
                this.opt.onShow(Number(button.dataset.index));
                return;
            }
            if (!item) return;
            const opener = () => this.actions.querySelector(`[data-action="${action}"]`) || this.actions.querySelector('button');
            // Using a tool on a colour counts as viewing it, however short the visit.
            this.recent.add(item.code);
            if (action === 'favourite') {
                const on = this.favourites.toggle(item.code);
                this.say(`${item.code} ${on ? 'added to' : 'removed from'} favourites.`);
                if (this.opt.onFavouritesChange) this.opt.onFavouritesChange();
            } else if (action === 'copy') {
                this.copy(item.hex);
            } else if (action === 'preview') {
                this.preview.open(item, opener);
            } else if (action === 'compare') {
                this.toggleCompared(item);
                const n = this.compared.length;
                const on = this.compared.includes(item.index);
                this.say(!on ? `${item.code} left out of the comparison.`
                    : n === 1 ? `${item.code} kept to compare. Choose another colour and press Compare on it to see them side by side.`
                        : `${item.code} added: ${n} colours to compare.`);
            } else if (action === 'show-compare') {
                this.compare.open(this.comparedItems(), opener);
            }
            this.render(item);
        }

        say(text) {
            this.status.textContent = text;
        }

        // The clipboard where the page may use it, otherwise a copy command on a hidden text field.
        copy(text) {
            const done = () => this.say(`Copied ${text}.`);
            const fallback = () => {
                const focused = document.activeElement;
                const field = h('textarea', { className: 'vt-copy-field', readonly: true, 'aria-hidden': 'true', text });
                document.body.append(field);
                field.select();
                let ok = false;
                try { ok = document.execCommand('copy'); } catch { ok = false; }
                field.remove();
                if (focused) focused.focus();
                if (ok) done(); else this.say(`Could not copy here; the hex is ${text}.`);
            };
            if (navigator.clipboard?.writeText) return navigator.clipboard.writeText(text).then(done, fallback);
            fallback();
            return Promise.resolve();
        }

        // Draws the tools for the colour in the details (null: none); keeps focus on the same tool.
        render(item) {
            const focused = this.el.contains(document.activeElement) ? document.activeElement.dataset.action : null;
            if (item !== this.item) this.say('');
            this.item = item;
            this.el.hidden = !item;
            clearTimeout(this.viewTimer);
            clearTimeout(this.relatedTimer);
            if (!item) return;
            const favourite = this.favourites.has(item.code);
            const n = this.compared.length;
            fill(this.actions,
                toggleButton('favourite', 'Favourite', favourite, favourite ? '★' : '☆'),
                actionButton('copy', 'Copy hex'),
                actionButton('preview', 'Preview'),
                Object.assign(toggleButton('compare', 'Compare', this.compared.includes(item.index)),
                    { title: `Keep this colour to compare side by side with up to ${COMPARE_MOST - 1} others` }),
                n >= 2 ? actionButton('show-compare', `Show ${n} compared`) : null);
            if (focused && focused !== 'show') {
                (this.actions.querySelector(`[data-action="${focused}"]`) || this.actions.querySelector('button')).focus();
            }
            if (this.opening === undefined) this.opening = item;
            else if (this.opening !== item) this.opening = null;
            if (!this.opening) this.viewTimer = setTimeout(() => this.recent.add(item.code), VIEWED_AFTER_MS);
            // Related colours take a few scans of the range: drawn once the frame that shows the
            // new colour has been drawn, so that typing and moving through the grid never wait for them.
            if (this.relatedEl.dataset.index !== String(item.index)) {
                fill(this.relatedEl);
                requestAnimationFrame(() => {
                    if (this.item === item) this.relatedTimer = setTimeout(() => this.renderRelated(item), 0);
                });
            }
        }

        relatedTo(index) {
            if (!this.related.has(index)) this.related.set(index, Virel.relatedColours(this.range, index));
            return this.related.get(index);
        }

        chip(found) {
            const c = this.range.colours[found.index];
            const label = `${c.code} ${c.name}, ${Virel.colour.differenceInWords(found.d)} (ΔE ${found.d.toFixed(1)})`;
            return h('li', {}, h('button', { type: 'button', className: 'vt-chip', dataset: { action: 'show', index: c.index },
                'aria-label': label, title: label, style: { background: c.hex } }));
        }

        group(id, title, found) {
            return h('div', { className: 'vt-group', role: 'group', 'aria-labelledby': id },
                h('span', { className: 'vt-group-title', id, text: title }),
                h('ul', { className: 'vt-chips' }, found.map((f) => this.chip(f))));
        }

        renderRelated(item) {
            if (item !== this.item) return;
            const related = this.relatedTo(item.index);
            fill(this.relatedEl,
                this.group('vt-similar', 'Similar colours', related.similar),
                related.neutral ? h('p', { className: 'vt-note', text: 'Harmonies: this colour is almost neutral, so it has none of its own.' }) : null,
                related.harmonies.map((hm) => this.group('vt-' + hm.id, hm.label, hm.colours)));
            this.relatedEl.dataset.index = String(item.index);
        }
    }

    Virel.ColourTools = ColourTools;
})(window.Virel = window.Virel || {});
