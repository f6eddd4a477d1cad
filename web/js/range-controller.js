/* The colour range as the user browses it: search, family and sort controls, the swatch grid and
   the count above it. */
(function (Virel) {
    'use strict';

    const { h, fill } = Virel.dom;
    // 4761 → "4,761"; the browser's own number formatting costs tens of milliseconds on first use
    const withThousands = (n) => String(n).replace(/\B(?=(\d{3})+(?!\d))/g, ',');

    class RangeController {
        constructor(app) {
            this.app = app;
            this.el = app.el;
            this.index = app.range;
            this.query = { text: '', family: '', sort: 'families' };
            this.result = null;
            this.familyLabels = new Map(this.index.families.map((f) => [f.id, f.label]));
            this.tools = new Virel.ColourTools({
                range: this.index,
                familyLabel: (id) => this.familyLabel(id),
                onShow: (index) => this.show(index),
                onFavouritesChange: () => this.renderCollections()
            });
            this.setupControls();
            this.grid = new Virel.SwatchGrid(this.el.grid, {
                cellWidth: 64,
                cellHeight: 52,
                gap: 4,
                marks: (item) => ({ selected: app.selection.has(item), inProject: app.catalogue.inProject(item) }),
                label: (item, marks) => this.swatchLabel(item, marks),
                onActive: () => app.details.render(),
                onPick: (pos, e) => app.selection.pick(pos, e),
                onToggle: (pos) => app.selection.toggleAt(pos),
                onEnter: (pos) => app.importer.runMainAction(pos),
                onExtend: (pos) => app.selection.extendTo(pos)
            });
        }

        setupControls() {
            const el = this.el;
            fill(el.family, h('option', { value: '', text: 'All families' }),
                this.index.families.map((f) => h('option', { value: f.id, text: `${f.label} (${this.index.familyCount(f.id)})` })));
            el.search.addEventListener('input', () => this.setQuery({ text: el.search.value }));
            el.search.addEventListener('keydown', (e) => {
                if (e.key === 'ArrowDown' || e.key === 'Enter') {
                    e.preventDefault();
                    el.grid.focus();
                } else if (e.key === 'Escape' && el.search.value && !this.app.painting.active) {
                    e.preventDefault();
                    e.stopPropagation();
                    el.search.value = '';
                    this.setQuery({ text: '' });
                }
            });
            el.family.addEventListener('change', () => this.setQuery({ family: el.family.value }));
            el.sort.addEventListener('change', () => this.setQuery({ sort: el.sort.value }));
            el.details.after(this.tools.el);
            el.selectionCount.after(this.tools.lrvSelect);
            this.tools.lrvSelect.addEventListener('change', () => this.setQuery({}));
            this.renderCollections();
        }

        // The family menu's favourites and recently viewed entries, with the favourites' count.
        renderCollections() {
            for (const { value, label } of this.tools.collectionOptions()) {
                const option = this.el.family.querySelector(`option[value="${value}"]`) || this.el.family.appendChild(h('option', { value }));
                option.textContent = label;
            }
            if (this.query.family === '@favourites') this.setQuery({});
        }

        // Makes a colour the active one, widening the list to the whole range when it is not shown.
        show(index, focus = true) {
            if (!this.result.items.includes(index)) {
                this.el.search.value = this.el.family.value = this.tools.lrvSelect.value = '';
                Object.assign(this.query, { text: '', family: '' });
                this.refresh(0);
                this.app.catalogue.filterBy('');
            }
            this.grid.setActive(this.result.items.indexOf(index));
            if (focus) this.el.grid.focus();
        }

        familyLabel(id) {
            return this.familyLabels.get(id) || id;
        }

        itemAt(pos) {
            const r = this.result;
            return r && pos >= 0 && pos < r.items.length ? this.index.colours[r.items[pos]] : null;
        }

        get active() {
            return this.grid.active;
        }

        activeItem() {
            return this.itemAt(this.grid.active);
        }

        // The colour difference from the typed colour, when the list shows the nearest ones.
        distanceOf(item) {
            const r = this.result;
            return r && r.mode === 'nearest' && r.distance[item.index] !== undefined ? r.distance[item.index] : null;
        }

        swatchLabel(item, marks) {
            const parts = [`${item.code} ${item.name}`, item.hex, `LRV ${item.lrv}`];
            const distance = this.distanceOf(item);
            if (distance !== null) parts.push(`${Virel.colour.differenceInWords(distance)}, ΔE ${distance.toFixed(1)}`);
            if (marks.inProject) parts.push('in project');
            return parts.join(', ');
        }

        setQuery(change) {
            Object.assign(this.query, change);
            this.refresh(-1, this.activeItem());
            this.app.catalogue.filterBy(this.query.text);
        }

        // Recomputes the list and redraws the grid, keeping the active colour when it is still listed.
        refresh(active, keep) {
            const result = this.index.query(this.tools.scope(this.query));
            this.result = result;
            let pos = active >= 0 ? active : 0;
            if (keep && result.mode !== 'nearest') {
                const found = result.items.indexOf(keep.index);
                if (found >= 0) pos = found;
            }
            this.grid.setItems(result.items.map((i) => this.index.colours[i]), pos);
            this.renderCount();
            this.app.details.render();
        }

        redraw() {
            this.grid.render(true);
        }

        renderCount() {
            const r = this.result, el = this.el;
            const n = r.items.length;
            if (r.mode === 'nearest') {
                const hex = Virel.colour.toHex(r.target);
                el.target.hidden = false;
                el.target.style.background = hex;
                el.target.title = hex;
                el.count.textContent = 'Nearest to ' + hex + (r.filterIgnored ? ' in the whole range (filters set aside)' : '');
            } else {
                el.target.hidden = true;
                el.count.textContent = withThousands(n) + (n === 1 ? ' colour' : ' colours');
            }
            const s = this.app.selection.count;
            el.selectionCount.textContent = s ? s + ' selected' : '';
            Virel.dom.byId('select-hint').hidden = s > 0;
            el.clearSelection.hidden = !s;
        }
    }

    Virel.RangeController = RangeController;
})(window.Virel = window.Virel || {});
