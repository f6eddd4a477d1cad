/* The project's Virel materials as a tree: family folders and their materials, each with its
   swatch. A row is chosen for painting with a click or Enter and removed with its button or Delete. */
(function (Virel) {
    'use strict';

    const { h } = Virel.dom;
    const INDENT_PX = 14;

    // options: { onChoose(id), onRemove(id), finishLabel(material) }
    function ProjectTree(element, options) {
        this.el = element;
        this.opt = options;
        this.collapsed = Object.create(null);
        this.focusKey = null;
        this.flat = null;
        this.chosenId = null;
        this.note = '';
        const self = this;
        element.addEventListener('click', function (e) { self._click(e); });
        element.addEventListener('keydown', function (e) { self._key(e); });
        element.addEventListener('focusin', function (e) {
            const row = self._row(e.target);
            if (row) self._rove(row);
        });
    }

    ProjectTree.prototype._row = function (node) {
        const row = node && node.closest ? node.closest('[role="treeitem"]') : null;
        return row && this.el.contains(row) ? row : null;
    };

    ProjectTree.prototype._rows = function () {
        return Array.prototype.slice.call(this.el.querySelectorAll('[role="treeitem"]'));
    };

    ProjectTree.prototype._rove = function (row) {
        const old = this.el.querySelector('[role="treeitem"][tabindex="0"]');
        if (old && old !== row) old.setAttribute('tabindex', '-1');
        row.setAttribute('tabindex', '0');
        this.focusKey = row.getAttribute('data-key');
    };

    // flat: the flattened catalogue (Virel.catalogue.flatten) or null; note: text shown instead.
    ProjectTree.prototype.render = function (flat, chosenId, note) {
        this.flat = flat;
        this.chosenId = chosenId;
        this.note = note || '';
        const hadFocus = this.el.contains(document.activeElement);
        let focusIndex = -1;
        if (hadFocus) focusIndex = this._rows().indexOf(this._row(document.activeElement));
        const drawn = [];
        if (!flat) {
            drawn.push(h('p', { className: 'tree-note', text: this.note }));
        } else if (!flat.materials.length && flat.folders.length <= 1) {
            drawn.push(h('p', { className: 'tree-note', text: 'No Virel colours in this project yet. Choose colours in the range and import them.' }));
        } else {
            let hiddenBelow = -1;
            for (const folder of flat.folders) {
                if (hiddenBelow >= 0 && folder.depth > hiddenBelow) continue;
                hiddenBelow = -1;
                const level = Math.max(1, folder.depth);
                if (folder.depth > 0) {
                    const collapsed = !!this.collapsed[folder.path];
                    drawn.push(this.folderRow(folder, level, collapsed));
                    if (collapsed) { hiddenBelow = folder.depth; continue; }
                }
                const mLevel = folder.depth > 0 ? level + 1 : 1;
                for (const m of folder.materials) drawn.push(this.materialRow(m, mLevel, m.id === chosenId));
            }
        }
        this.el.replaceChildren(...drawn);
        const rows = this._rows();
        if (!rows.length) return;
        let target = null;
        if (this.focusKey) {
            for (let r = 0; r < rows.length && !target; r++) if (rows[r].getAttribute('data-key') === this.focusKey) target = rows[r];
        }
        if (!target && focusIndex >= 0) target = rows[Math.min(focusIndex, rows.length - 1)];
        if (!target) target = rows[0];
        target.setAttribute('tabindex', '0');
        this.focusKey = target.getAttribute('data-key');
        if (hadFocus) target.focus();
    };

    ProjectTree.prototype.folderRow = function (folder, level, collapsed) {
        return h('div', { className: 'tree-folder', role: 'treeitem', tabindex: '-1', 'aria-level': level,
            'aria-expanded': String(!collapsed), 'data-key': 'f:' + folder.path, 'data-folder': folder.path,
            style: { paddingLeft: (4 + (level - 1) * INDENT_PX) + 'px' } },
        h('span', { className: 'twisty', 'aria-hidden': 'true' }), h('span', { className: 'folder-name', text: folder.name }),
        ' ', h('span', { className: 'folder-count', text: String(folder.materials.length) }));
    };

    ProjectTree.prototype.materialRow = function (m, level, chosen) {
        const finish = this.opt.finishLabel(m);
        return h('div', { className: 'tree-mat' + (chosen ? ' is-chosen' : ''), role: 'treeitem', tabindex: '-1',
            'aria-level': level, 'aria-selected': String(chosen), 'data-key': 'm:' + m.id, 'data-id': m.id,
            'aria-label': m.name + (finish ? ', ' + finish : '') + (chosen ? ', chosen for painting' : ''),
            style: { paddingLeft: (4 + (level - 1) * INDENT_PX) + 'px' } },
        h('span', { className: 'mat-sw', style: { background: m.hex } }),
        h('span', { className: 'mat-name', title: m.name, text: m.name }),
        h('span', { className: 'mat-finish', text: finish || '' }),
        h('button', { type: 'button', className: 'mat-remove', tabindex: '-1', 'data-remove': m.id,
            'aria-label': 'Remove ' + m.name, title: 'Remove from project', text: '×' }));
    };

    ProjectTree.prototype.toggleFolder = function (path) {
        this.collapsed[path] = !this.collapsed[path];
        this.render(this.flat, this.chosenId, this.note);
    };

    ProjectTree.prototype._click = function (e) {
        const remove = e.target.closest ? e.target.closest('[data-remove]') : null;
        if (remove) { this.opt.onRemove(remove.getAttribute('data-remove')); return; }
        const row = this._row(e.target);
        if (!row) return;
        this._rove(row);
        if (row.hasAttribute('data-folder')) this.toggleFolder(row.getAttribute('data-folder'));
        else this.opt.onChoose(row.getAttribute('data-id'));
    };

    ProjectTree.prototype._key = function (e) {
        const row = this._row(e.target);
        if (!row) return;
        const rows = this._rows();
        const i = rows.indexOf(row);
        const folder = row.getAttribute('data-folder');
        let move = null;
        switch (e.key) {
            case 'ArrowDown': move = i + 1; break;
            case 'ArrowUp': move = i - 1; break;
            case 'Home': move = 0; break;
            case 'End': move = rows.length - 1; break;
            case 'ArrowLeft':
                if (folder && !this.collapsed[folder]) { e.preventDefault(); this.toggleFolder(folder); }
                return;
            case 'ArrowRight':
                if (folder && this.collapsed[folder]) { e.preventDefault(); this.toggleFolder(folder); }
                return;
            case 'Enter':
            case ' ':
                e.preventDefault();
                if (folder) this.toggleFolder(folder);
                else this.opt.onChoose(row.getAttribute('data-id'));
                return;
            case 'Delete':
            case 'Backspace':
                if (!folder) { e.preventDefault(); this.opt.onRemove(row.getAttribute('data-id')); }
                return;
            default: return;
        }
        e.preventDefault();
        move = Math.max(0, Math.min(move, rows.length - 1));
        this._rove(rows[move]);
        rows[move].focus();
    };

    Virel.ProjectTree = ProjectTree;
})(window.Virel = window.Virel || {});
