/* The project's Virel materials as a tree: family folders and their materials, each with its
   swatch. A row is chosen for painting with a click or Enter and removed with its button or Delete. */
(function (Virel) {
    'use strict';

    function esc(text) {
        return String(text).replace(/[&<>"']/g, function (ch) {
            return { '&': '&amp;', '<': '&lt;', '>': '&gt;', '"': '&quot;', "'": '&#39;' }[ch];
        });
    }

    // options: { onChoose(id), onRemove(id), finishLabel(material) }
    function ProjectTree(element, options) {
        this.el = element;
        this.opt = options;
        this.collapsed = Object.create(null);
        this.focusKey = null;
        this.flat = null;
        this.chosenId = null;
        this.note = '';
        var self = this;
        element.addEventListener('click', function (e) { self._click(e); });
        element.addEventListener('keydown', function (e) { self._key(e); });
        element.addEventListener('focusin', function (e) {
            var row = self._row(e.target);
            if (row) self._rove(row);
        });
    }

    ProjectTree.prototype._row = function (node) {
        var row = node && node.closest ? node.closest('[role="treeitem"]') : null;
        return row && this.el.contains(row) ? row : null;
    };

    ProjectTree.prototype._rows = function () {
        return Array.prototype.slice.call(this.el.querySelectorAll('[role="treeitem"]'));
    };

    ProjectTree.prototype._rove = function (row) {
        var old = this.el.querySelector('[role="treeitem"][tabindex="0"]');
        if (old && old !== row) old.setAttribute('tabindex', '-1');
        row.setAttribute('tabindex', '0');
        this.focusKey = row.getAttribute('data-key');
    };

    // flat: the flattened catalogue (Virel.catalogue.flatten) or null; note: text shown instead.
    ProjectTree.prototype.render = function (flat, chosenId, note) {
        this.flat = flat;
        this.chosenId = chosenId;
        this.note = note || '';
        var hadFocus = this.el.contains(document.activeElement);
        var focusIndex = -1;
        if (hadFocus) focusIndex = this._rows().indexOf(this._row(document.activeElement));
        var html = [];
        if (!flat) {
            html.push('<p class="tree-note">' + esc(this.note) + '</p>');
        } else if (!flat.materials.length && flat.folders.length <= 1) {
            html.push('<p class="tree-note">No Virel colours in this project yet. Choose colours in the range and import them.</p>');
        } else {
            var hiddenBelow = -1;
            for (var i = 0; i < flat.folders.length; i++) {
                var folder = flat.folders[i];
                if (hiddenBelow >= 0 && folder.depth > hiddenBelow) continue;
                hiddenBelow = -1;
                var level = Math.max(1, folder.depth);
                if (folder.depth > 0) {
                    var collapsed = !!this.collapsed[folder.path];
                    html.push('<div class="tree-folder" role="treeitem" tabindex="-1" aria-level="' + level
                        + '" aria-expanded="' + (collapsed ? 'false' : 'true') + '" data-key="f:' + esc(folder.path)
                        + '" data-folder="' + esc(folder.path) + '" style="padding-left:' + (4 + (level - 1) * 14) + 'px">'
                        + '<span class="twisty" aria-hidden="true"></span><span class="folder-name">' + esc(folder.name)
                        + '</span> <span class="folder-count">' + folder.materials.length + '</span></div>');
                    if (collapsed) { hiddenBelow = folder.depth; continue; }
                }
                var mLevel = folder.depth > 0 ? level + 1 : 1;
                for (var j = 0; j < folder.materials.length; j++) {
                    var m = folder.materials[j];
                    var finish = this.opt.finishLabel(m);
                    var chosen = m.id === chosenId;
                    html.push('<div class="tree-mat' + (chosen ? ' is-chosen' : '') + '" role="treeitem" tabindex="-1" aria-level="'
                        + mLevel + '" aria-selected="' + (chosen ? 'true' : 'false') + '" data-key="m:' + esc(m.id)
                        + '" data-id="' + esc(m.id) + '" aria-label="' + esc(m.name + (finish ? ', ' + finish : '')
                        + (chosen ? ', chosen for painting' : '')) + '" style="padding-left:' + (4 + (mLevel - 1) * 14) + 'px">'
                        + '<span class="mat-sw" style="background:' + m.hex + '"></span><span class="mat-name" title="'
                        + esc(m.name) + '">' + esc(m.name) + '</span><span class="mat-finish">' + esc(finish || '')
                        + '</span><button type="button" class="mat-remove" tabindex="-1" data-remove="' + esc(m.id)
                        + '" aria-label="Remove ' + esc(m.name) + '" title="Remove from project">&#215;</button></div>');
                }
            }
        }
        this.el.innerHTML = html.join('');
        var rows = this._rows();
        if (!rows.length) return;
        var target = null;
        if (this.focusKey) {
            for (var r = 0; r < rows.length && !target; r++) if (rows[r].getAttribute('data-key') === this.focusKey) target = rows[r];
        }
        if (!target && focusIndex >= 0) target = rows[Math.min(focusIndex, rows.length - 1)];
        if (!target) target = rows[0];
        target.setAttribute('tabindex', '0');
        this.focusKey = target.getAttribute('data-key');
        if (hadFocus) target.focus();
    };

    ProjectTree.prototype.toggleFolder = function (path) {
        this.collapsed[path] = !this.collapsed[path];
        this.render(this.flat, this.chosenId, this.note);
    };

    ProjectTree.prototype._click = function (e) {
        var remove = e.target.closest ? e.target.closest('[data-remove]') : null;
        if (remove) { this.opt.onRemove(remove.getAttribute('data-remove')); return; }
        var row = this._row(e.target);
        if (!row) return;
        this._rove(row);
        if (row.hasAttribute('data-folder')) this.toggleFolder(row.getAttribute('data-folder'));
        else this.opt.onChoose(row.getAttribute('data-id'));
    };

    ProjectTree.prototype._key = function (e) {
        var row = this._row(e.target);
        if (!row) return;
        var rows = this._rows();
        var i = rows.indexOf(row);
        var folder = row.getAttribute('data-folder');
        var move = null;
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
