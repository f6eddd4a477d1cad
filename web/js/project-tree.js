/* The project's Virel materials as a tree: family folders and their materials, each with its
   swatch. Only the rows in view are drawn, and a row is redrawn only when what it shows changed,
   so a project of ten thousand materials scrolls and updates at once. A row is chosen for
   painting with a click or Space, painted with at once with Enter, and removed with its button or Delete. */
(function (Virel) {
    'use strict';

    const { h } = Virel.dom;
    const ROW_HEIGHT = 24;
    const INDENT_PX = 14;
    const OVERSCAN_ROWS = 6;
    const ROWS_PER_STEP = 250;

    // options: { onChoose(id), onPaint(id), onRemove(id), finishLabel(material) }; note: the element that
    // says why there is nothing to list, or what was left out.
    class ProjectTree {
        constructor(element, note, options) {
            this.el = element;
            this.noteEl = note;
            this.opt = options;
            this.collapsed = new Set();
            this.collapsedVersion = 0;
            this.rows = [];          // { key, folder | material, level, setsize, posinset }
            this.keyIndex = new Map();
            this.drawn = new Map();  // key -> row element
            this.activeKey = null;
            this.activeIndex = 0;
            this.flat = null;
            this.chosenId = null;
            this.filter = null;      // { text, match } of the search, or null
            this.shownCount = -1;    // materials listed under the filter, -1 without one
            this.spacer = h('div', { className: 'tree-spacer', 'aria-hidden': 'true' });
            element.append(this.spacer);
            element.addEventListener('scroll', () => this.draw());
            element.addEventListener('click', (e) => this.click(e));
            element.addEventListener('keydown', (e) => this.key(e));
            element.addEventListener('focusin', (e) => {
                const row = this.rowOf(e.target);
                if (row) this.setActive(Number(row.dataset.index), false);
            });
        }

        // flat: the flattened catalogue (Virel.catalogue.flatten) or null; note: text shown instead.
        // built: rows made beforehand for flat (prepareRows), used when no folder was folded or
        // unfolded since.
        render(flat, chosenId, note, built) {
            this.flat = flat;
            this.chosenId = chosenId;
            if (built && built.collapsedVersion === this.collapsedVersion) this.takeRows(built);
            else this.buildRows();
            let text = '';
            if (!flat) text = note || '';
            else if (!flat.materials.length && flat.folders.length <= 1) text = 'No Virel colours in this project yet. Choose colours in the range and import them.';
            else if (this.filter && this.shownCount >= 0) {
                text = this.shownCount ? `${this.shownCount} of ${flat.materials.length} materials match “${this.filter.text}”.`
                    : `No material in the project matches “${this.filter.text}”.`;
            }
            const left = flat ? Virel.catalogue.leftOutNote(flat.left) : '';
            this.noteEl.textContent = [left, text].filter(Boolean).join(' ');
            this.noteEl.hidden = !this.noteEl.textContent;
            this.el.hidden = !this.rows.length;
            this.spacer.style.height = this.rows.length * ROW_HEIGHT + 'px';
            const keep = this.keyIndex.get(this.activeKey);
            this.activeIndex = Math.max(0, Math.min(keep === undefined ? this.activeIndex : keep, this.rows.length - 1));
            this.activeKey = this.rows.length ? this.rows[this.activeIndex].key : null;
            this.draw();
        }

        buildRows() {
            const built = this.prepareRows(this.flat);
            for (const step of built.steps) void step;
            this.takeRows(built);
        }

        // The rows a catalogue shows with the folders folded as they are now, made a step at a
        // time (steps, an iterator) so that ten thousand rows can be made between inputs.
        // -> { steps, rows, keyIndex, collapsedVersion }
        prepareRows(flat) {
            const rows = [];
            const keyIndex = new Map();
            const add = (row) => { keyIndex.set(row.key, rows.length); rows.push(row); };
            const collapsed = this.collapsed;
            const shown = flat && this.filter ? this.filtered(flat) : null;
            const steps = (function* () {
                if (!flat || (!flat.materials.length && flat.folders.length <= 1)) return;
                const materialsOf = (i) => (shown ? shown.own[i] : flat.folders[i].materials);
                const subfoldersOf = (i) => (shown ? shown.subfolders[i] : flat.folders[i].subfolders);
                const parents = [];     // per depth: { index, next } to number subfolders among their siblings
                let hiddenBelow = -1;
                let sinceStep = 0;
                for (let f = 0; f < flat.folders.length; f++) {
                    const folder = flat.folders[f];
                    if (shown && f > 0 && !shown.total[f]) continue;
                    const parent = folder.depth > 0 ? parents[folder.depth - 1] : null;
                    const posinset = parent ? materialsOf(parent.index).length + (++parent.next) : 1;
                    parents[folder.depth] = { index: f, next: 0 };
                    if (hiddenBelow >= 0 && folder.depth > hiddenBelow) continue;
                    hiddenBelow = -1;
                    const level = Math.max(1, folder.depth);
                    if (folder.depth > 0) {
                        const setsize = materialsOf(parent.index).length + subfoldersOf(parent.index);
                        add({ key: 'f:' + folder.path, folder, level, setsize, posinset });
                        if (collapsed.has(folder.path)) { hiddenBelow = folder.depth; continue; }
                    }
                    const materials = materialsOf(f);
                    const setsize = materials.length + subfoldersOf(f);
                    const mLevel = folder.depth > 0 ? level + 1 : 1;
                    materials.forEach((material, i) => add({ key: 'm:' + material.id, material, level: mLevel, setsize, posinset: i + 1 }));
                    sinceStep += materials.length + 1;
                    if (sinceStep >= ROWS_PER_STEP) { sinceStep = 0; yield; }
                }
            })();
            return { steps, rows, keyIndex, collapsedVersion: this.collapsedVersion, shown: shown ? shown.total[0] : -1 };
        }

        takeRows(built) {
            this.keyIndex = built.keyIndex;
            this.rows = built.rows;
            this.shownCount = built.shown;
        }

        // Lists only the materials whose name, folder or finish hold every word of the search
        // (text, as typed), or all of them when text is empty.
        setFilter(text) {
            const t = String(text || '').trim();
            const colour = Virel.searchText.colourQuery(t);
            const filter = t && !(colour && !colour.wordLike) ? { text: t, match: Virel.searchText.matcher(t) } : null;
            if ((filter?.text || '') === (this.filter?.text || '')) return false;
            this.filter = filter;
            this.collapsedVersion += 1;
            return true;
        }

        // Per folder of flat: the materials the filter lets through in it (own), in it and below
        // (total), and its subfolders with any (subfolders).
        filtered(flat) {
            const { match } = this.filter;
            const n = flat.folders.length;
            const own = new Array(n), total = new Array(n).fill(0), subfolders = new Array(n).fill(0), parentOf = new Array(n);
            const open = [];
            for (let i = 0; i < n; i++) {
                const folder = flat.folders[i];
                open.length = folder.depth;
                parentOf[i] = folder.depth > 0 ? open[folder.depth - 1] : -1;
                open[folder.depth] = i;
                own[i] = folder.materials.filter((m) => {
                    if (m.searchKey === undefined) {
                        m.searchKey = Virel.searchText.fold(`${m.name} ${folder.name} ${this.opt.finishLabel(m)}`);
                        m.joinedKey = m.searchKey.replace(/ /g, '');
                    }
                    return match(m.searchKey, m.joinedKey) > 0;
                });
                total[i] = own[i].length;
            }
            for (let i = n - 1; i > 0; i--) {
                if (parentOf[i] < 0 || !total[i]) continue;
                total[parentOf[i]] += total[i];
                subfolders[parentOf[i]] += 1;
            }
            return { own, total, subfolders };
        }

        // What a drawn row shows; the row is rebuilt only when this changes (the roving tab stop
        // is moved in place, so a click that focuses a row lands on the same element).
        signature(row, index) {
            const common = `${index}|${row.level}|${row.setsize}|${row.posinset}`;
            if (row.folder) return `${common}|${row.folder.name}|${row.folder.materials.length}|${this.collapsed.has(row.folder.path)}`;
            const m = row.material;
            return `${common}|${m.name}|${m.hex}|${this.opt.finishLabel(m)}|${m.id === this.chosenId}`;
        }

        draw() {
            // Nothing to list: no need to ask the layout where the list is scrolled to.
            if (!this.rows.length) {
                for (const el of this.drawn.values()) el.remove();
                this.drawn.clear();
                return;
            }
            const top = this.el.scrollTop, height = this.el.clientHeight || ROW_HEIGHT * 20;
            const first = Math.max(0, Math.floor(top / ROW_HEIGHT) - OVERSCAN_ROWS);
            const last = Math.min(this.rows.length - 1, Math.floor((top + height) / ROW_HEIGHT) + OVERSCAN_ROWS);
            const hadFocus = this.el.contains(document.activeElement) && document.activeElement !== this.el;
            const wanted = [];
            for (let i = first; i <= last; i++) wanted.push(i);
            // The active row stays drawn out of view, so that focus never falls out of the tree.
            if (this.rows.length && (this.activeIndex < first || this.activeIndex > last)) wanted.push(this.activeIndex);
            wanted.sort((a, b) => a - b);
            const next = new Map();
            let previous = this.spacer;
            for (const i of wanted) {
                const row = this.rows[i];
                const sig = this.signature(row, i);
                let el = this.drawn.get(row.key);
                this.drawn.delete(row.key);
                if (!el || el._sig !== sig) {
                    const fresh = row.folder ? this.folderRow(row, i) : this.materialRow(row, i);
                    fresh._sig = sig;
                    if (el) el.replaceWith(fresh);
                    el = fresh;
                }
                // Rows stay in list order in the document, as a screen reader walks them.
                if (previous.nextSibling !== el) previous.after(el);
                const tabIndex = i === this.activeIndex ? 0 : -1;
                if (el.tabIndex !== tabIndex) el.tabIndex = tabIndex;
                previous = el;
                next.set(row.key, el);
            }
            for (const el of this.drawn.values()) el.remove();
            this.drawn = next;
            const active = this.activeElement();
            if (hadFocus && active && document.activeElement !== active && !active.contains(document.activeElement)) active.focus({ preventScroll: true });
        }

        activeElement() {
            return this.activeKey ? this.drawn.get(this.activeKey) || null : null;
        }

        rowProps(row, index, className) {
            return { className, role: 'treeitem', tabindex: index === this.activeIndex ? '0' : '-1', 'aria-level': row.level,
                'aria-setsize': row.setsize, 'aria-posinset': row.posinset, 'data-key': row.key, 'data-index': index,
                style: { top: index * ROW_HEIGHT + 'px', paddingLeft: (4 + (row.level - 1) * INDENT_PX) + 'px' } };
        }

        folderRow(row, index) {
            const folder = row.folder;
            const props = this.rowProps(row, index, 'tree-folder');
            props['aria-expanded'] = String(!this.collapsed.has(folder.path));
            props['data-folder'] = folder.path;
            return h('div', props, h('span', { className: 'twisty', 'aria-hidden': 'true' }),
                h('span', { className: 'folder-name', text: folder.name }), ' ',
                h('span', { className: 'folder-count', text: String(folder.materials.length) }));
        }

        materialRow(row, index) {
            const m = row.material;
            const chosen = m.id === this.chosenId;
            const finish = this.opt.finishLabel(m);
            const props = this.rowProps(row, index, 'tree-mat' + (chosen ? ' is-chosen' : ''));
            props['aria-selected'] = String(chosen);
            props['data-id'] = m.id;
            // The name begins with the row's visible text: the material's name, then its finish.
            props['aria-label'] = m.name + (finish ? ' ' + finish : '') + (chosen ? ', chosen for painting' : '');
            return h('div', props,
                h('span', { className: 'mat-sw', style: { background: m.hex } }),
                h('span', { className: 'mat-name', title: m.name, text: m.name }), ' ',
                h('span', { className: 'mat-finish', text: finish || '' }),
                h('button', { type: 'button', className: 'mat-remove', tabindex: '-1', 'data-remove': m.id,
                    'aria-label': 'Remove ' + m.name, title: 'Remove from project' }));
        }

        rowOf(node) {
            const row = node?.closest ? node.closest('[role="treeitem"]') : null;
            return row && this.el.contains(row) ? row : null;
        }

        setActive(index, focus) {
            if (!this.rows.length) return;
            this.activeIndex = Math.max(0, Math.min(index, this.rows.length - 1));
            this.activeKey = this.rows[this.activeIndex].key;
            if (focus) this.reveal();
            this.draw();
            if (focus) this.activeElement()?.focus({ preventScroll: true });
        }

        // Scrolls the active row into view.
        reveal() {
            const top = this.activeIndex * ROW_HEIGHT;
            if (top < this.el.scrollTop) this.el.scrollTop = top;
            else if (top + ROW_HEIGHT > this.el.scrollTop + this.el.clientHeight) this.el.scrollTop = top + ROW_HEIGHT - this.el.clientHeight;
        }

        // Focuses the active row, or returns false when there is none.
        focus() {
            const el = this.activeElement();
            if (!el) return false;
            this.reveal();
            el.focus({ preventScroll: true });
            return true;
        }

        toggleFolder(path) {
            if (this.collapsed.has(path)) this.collapsed.delete(path); else this.collapsed.add(path);
            this.collapsedVersion += 1;
            this.render(this.flat, this.chosenId, this.noteEl.textContent);
        }

        click(e) {
            const remove = e.target.closest ? e.target.closest('[data-remove]') : null;
            if (remove) { this.opt.onRemove(remove.getAttribute('data-remove')); return; }
            const row = this.rowOf(e.target);
            if (!row) return;
            this.setActive(Number(row.dataset.index), false);
            if (row.hasAttribute('data-folder')) this.toggleFolder(row.getAttribute('data-folder'));
            else this.opt.onChoose(row.getAttribute('data-id'));
        }

        key(e) {
            const row = this.rowOf(e.target);
            if (!row) return;
            const i = Number(row.dataset.index);
            const folder = row.getAttribute('data-folder');
            const pageRows = Math.max(1, Math.floor(this.el.clientHeight / ROW_HEIGHT) - 1);
            const moves = { ArrowDown: i + 1, ArrowUp: i - 1, Home: 0, End: this.rows.length - 1, PageDown: i + pageRows, PageUp: i - pageRows };
            if (e.key in moves) {
                e.preventDefault();
                this.setActive(moves[e.key], true);
                return;
            }
            switch (e.key) {
                case 'ArrowLeft':
                case 'ArrowRight':
                    if (folder && this.collapsed.has(folder) === (e.key === 'ArrowRight')) { e.preventDefault(); this.toggleFolder(folder); }
                    return;
                case 'Enter':
                case ' ':
                    e.preventDefault();
                    if (folder) this.toggleFolder(folder);
                    else if (e.key === 'Enter') this.opt.onPaint(row.getAttribute('data-id'));
                    else this.opt.onChoose(row.getAttribute('data-id'));
                    return;
                case 'Delete':
                case 'Backspace':
                    if (!folder) { e.preventDefault(); this.opt.onRemove(row.getAttribute('data-id')); }
                    return;
                default:
            }
        }
    }

    Virel.ProjectTree = ProjectTree;
})(window.Virel = window.Virel || {});
