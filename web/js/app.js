/* The Virel Colour Palette page: browse and find colours of the range, import them into the
   project, remove them, and paint them onto faces picked in the 3D window. */
(function (Virel) {
    'use strict';

    var COMPACT_SIZE = { width: 360, height: 450 };
    var FULL_SIZE = { width: 640, height: 480 };
    var COMPACT_BELOW = 480;

    // What each call does, in the user's words, for messages about it.
    var ACTIONS = {
        getMaterials: "read the project's Virel materials",
        createMaterials: 'import the colours',
        deleteMaterial: 'remove the material',
        beginPaint: 'start painting',
        endPaint: 'stop painting',
        paintElement: 'paint the picked face',
        resize: 'change the palette size',
        hide: 'hide the palette'
    };

    var NOT_CONNECTED = 'Not connected to a project. You can browse the whole range here; '
        + 'importing, removing and painting work when the palette is opened in the design application.';

    function $(id) { return document.getElementById(id); }

    function App() {
        var t0 = performance.now();
        var data = window.VirelRange;
        this.el = {
            search: $('search'), family: $('family'), sort: $('sort'), grid: $('grid'), count: $('count'),
            target: $('target'), selectionCount: $('selection-count'), details: $('details'), finish: $('finish'),
            importButton: $('import'), clearSelection: $('clear-selection'), tabColour: $('tab-colour'),
            tabProject: $('tab-project'), panelColour: $('panel-colour'), panelProject: $('panel-project'),
            tree: $('tree'), paint: $('paint'), paintMaterial: $('paint-material'), paintStatus: $('paint-status'),
            paintbar: $('paintbar'), message: $('message'), messageText: $('message-text'),
            messageClose: $('message-close'), notice: $('notice'), theme: $('theme'), layout: $('layout'), hide: $('hide')
        };
        this.bridge = new Virel.Bridge(window);
        this.range = new Virel.RangeIndex(data || { colours: [] }, Virel.colour);
        this.familyLabels = Object.create(null);
        var families = this.range.families;
        for (var i = 0; i < families.length; i++) this.familyLabels[families[i].id] = families[i].label;
        this.state = {
            query: { text: '', family: '', sort: 'lightness' },
            result: null,
            selected: Object.create(null),
            selectedCount: 0,
            anchor: -1,
            finish: Virel.finishes[0].id,
            catalogue: null,
            catalogueError: '',
            chosenId: null,
            painting: false,
            paintedCount: 0,
            busy: Object.create(null)
        };
        this.messageTimer = 0;
        this._setupControls();
        this._setupTheme();
        if (!data) this.showError('The colour range is missing from this copy of the palette, so no colours can be shown.');
        this.refreshRange(0);
        this.renderConnection();
        this.renderProject();
        this.renderPaintBar();
        this.perf = { firstRender: performance.now() - t0 };
        var self = this;
        window.VirelEventsAttach(function (name, args) { self.onEvent(name, args); });
        if (this.bridge.connected()) this.refreshCatalogue();
    }

    // ---------------------------------------------------------------- setup

    App.prototype._setupControls = function () {
        var self = this, el = this.el;
        var families = this.range.families;
        var html = ['<option value="">All families</option>'];
        for (var i = 0; i < families.length; i++) {
            html.push('<option value="' + families[i].id + '">' + families[i].label + ' (' + this.range.familyCount(families[i].id) + ')</option>');
        }
        el.family.innerHTML = html.join('');
        el.finish.innerHTML = Virel.finishes.map(function (f) {
            return '<option value="' + f.id + '">' + f.label + '</option>';
        }).join('');

        this.grid = new Virel.SwatchGrid(el.grid, {
            cellWidth: 64,
            cellHeight: 52,
            gap: 4,
            marks: function (item) {
                return { selected: !!self.state.selected[item.index], inProject: self.inProject(item) };
            },
            label: function (item, marks) { return self.swatchLabel(item, marks); },
            onActive: function () { self.renderDetails(); },
            onPick: function (pos, e) { self.pick(pos, e); },
            onToggle: function (pos) { self.toggle(self.itemAt(pos)); self.state.anchor = pos; },
            onEnter: function (pos) { self.importActiveOrSelection(pos); },
            onExtend: function (pos) { self.extendTo(pos); }
        });

        el.search.addEventListener('input', function () { self.setQuery({ text: el.search.value }); });
        el.search.addEventListener('keydown', function (e) {
            if (e.key === 'ArrowDown' || e.key === 'Enter') {
                e.preventDefault();
                el.grid.focus();
            } else if (e.key === 'Escape' && el.search.value && !self.state.painting) {
                e.preventDefault();
                e.stopPropagation();
                el.search.value = '';
                self.setQuery({ text: '' });
            }
        });
        el.family.addEventListener('change', function () { self.setQuery({ family: el.family.value }); });
        el.sort.addEventListener('change', function () { self.setQuery({ sort: el.sort.value }); });
        el.finish.addEventListener('change', function () { self.state.finish = el.finish.value; });
        el.importButton.addEventListener('click', function () { self.importActiveOrSelection(self.grid.active); });
        el.clearSelection.addEventListener('click', function () { self.clearSelection(); });
        el.details.addEventListener('click', function (e) {
            var button = e.target.closest ? e.target.closest('button') : null;
            if (!button) return;
            var item = self.activeItem();
            if (!item) return;
            if (button.id === 'select-toggle') self.toggle(item);
            else if (button.id === 'use-for-paint') self.useForPainting(item);
        });
        el.paint.addEventListener('click', function () {
            if (self.state.painting) self.stopPainting(); else self.startPainting();
        });
        el.messageClose.addEventListener('click', function () { self.hideMessage(); });
        el.theme.addEventListener('click', function () { self.setTheme(self.theme === 'dark' ? 'light' : 'dark', true); });
        el.layout.addEventListener('click', function () { self.toggleLayout(); });
        el.hide.addEventListener('click', function () { self.run('hide'); });
        el.tabColour.addEventListener('click', function () { self.showTab('colour'); });
        el.tabProject.addEventListener('click', function () { self.showTab('project'); });
        [el.tabColour, el.tabProject].forEach(function (tab) {
            tab.addEventListener('keydown', function (e) {
                if (e.key === 'ArrowLeft' || e.key === 'ArrowRight') {
                    e.preventDefault();
                    var next = tab === el.tabColour ? 'project' : 'colour';
                    self.showTab(next);
                    (next === 'colour' ? el.tabColour : el.tabProject).focus();
                }
            });
        });

        this.tree = new Virel.ProjectTree(el.tree, {
            onChoose: function (id) { self.choose(id); },
            onRemove: function (id) { self.removeMaterial(id); },
            finishLabel: function (m) { var f = Virel.finishOfProduct(m.product); return f ? f.label : ''; }
        });

        document.addEventListener('keydown', function (e) { self._globalKey(e); });
        window.addEventListener('resize', function () { self.renderLayoutButton(); });
        this.renderLayoutButton();
    };

    App.prototype._globalKey = function (e) {
        if (e.key === 'Escape') {
            if (this.state.painting) { e.preventDefault(); this.stopPainting(); return; }
            if (!this.el.message.hidden) { e.preventDefault(); this.hideMessage(); return; }
            if (this.state.selectedCount && document.activeElement === this.el.grid) { e.preventDefault(); this.clearSelection(); }
            return;
        }
        var typing = /^(INPUT|SELECT|TEXTAREA)$/.test((document.activeElement || {}).tagName || '');
        if (!typing && e.key === '/' && !e.ctrlKey && !e.metaKey) {
            e.preventDefault();
            this.el.search.focus();
            this.el.search.select();
        }
    };

    App.prototype._setupTheme = function () {
        var saved = null;
        try { saved = window.localStorage.getItem('virel-theme'); } catch (e) { saved = null; }
        var dark = window.matchMedia && window.matchMedia('(prefers-color-scheme: dark)').matches;
        this.setTheme(saved === 'dark' || saved === 'light' ? saved : (dark ? 'dark' : 'light'), false);
    };

    App.prototype.setTheme = function (theme, remember) {
        this.theme = theme;
        document.documentElement.setAttribute('data-theme', theme);
        var other = theme === 'dark' ? 'Light theme' : 'Dark theme';
        this.el.theme.setAttribute('aria-label', other);
        this.el.theme.title = other;
        if (remember) {
            try { window.localStorage.setItem('virel-theme', theme); } catch (e) { /* a page without storage keeps it for now */ }
        }
    };

    App.prototype.isCompact = function () {
        return window.innerWidth < COMPACT_BELOW;
    };

    App.prototype.renderLayoutButton = function () {
        var text = this.isCompact() ? 'Full layout' : 'Compact layout';
        this.el.layout.setAttribute('aria-label', text);
        this.el.layout.title = text;
    };

    App.prototype.toggleLayout = function () {
        // The add-on puts a palette that lands on exactly 600 x 450 back, so neither size is that.
        var size = this.isCompact() ? FULL_SIZE : COMPACT_SIZE;
        this.run('resize', JSON.stringify({ width: size.width, height: size.height }));
    };

    App.prototype.showTab = function (tab) {
        var colour = tab === 'colour';
        this.el.tabColour.setAttribute('aria-selected', colour ? 'true' : 'false');
        this.el.tabProject.setAttribute('aria-selected', colour ? 'false' : 'true');
        this.el.tabColour.tabIndex = colour ? 0 : -1;
        this.el.tabProject.tabIndex = colour ? -1 : 0;
        this.el.panelColour.hidden = !colour;
        this.el.panelProject.hidden = colour;
    };

    // ---------------------------------------------------------------- range

    App.prototype.itemAt = function (pos) {
        var r = this.state.result;
        return r && pos >= 0 && pos < r.items.length ? this.range.colours[r.items[pos]] : null;
    };

    App.prototype.activeItem = function () {
        return this.itemAt(this.grid.active);
    };

    App.prototype.inProject = function (item) {
        var cat = this.state.catalogue;
        return !!(cat && cat.byCode[item.code]);
    };

    App.prototype.projectMaterialFor = function (item) {
        var cat = this.state.catalogue;
        var list = cat && cat.byCode[item.code];
        return list ? list[0] : null;
    };

    App.prototype.swatchLabel = function (item, marks) {
        var parts = [item.code + ' ' + item.name, item.hex, 'LRV ' + item.lrv];
        var r = this.state.result;
        if (r && r.mode === 'nearest' && r.distance[item.index] !== undefined) {
            parts.push('ΔE ' + r.distance[item.index].toFixed(1));
        }
        if (marks.inProject) parts.push('in project');
        return parts.join(', ');
    };

    App.prototype.setQuery = function (change) {
        var q = this.state.query;
        for (var k in change) if (Object.prototype.hasOwnProperty.call(change, k)) q[k] = change[k];
        var current = this.activeItem();
        this.refreshRange(-1, current);
    };

    // Recomputes the list and redraws the grid, keeping the active colour when it is still listed.
    App.prototype.refreshRange = function (active, keep) {
        var result = this.range.query(this.state.query);
        this.state.result = result;
        var pos = active >= 0 ? active : 0;
        if (keep && result.mode !== 'nearest') {
            var found = result.items.indexOf(keep.index);
            if (found >= 0) pos = found;
        }
        this.grid.setItems(result.items.map(function (i) { return this.range.colours[i]; }, this), pos);
        this.renderCount();
        this.renderDetails();
    };

    App.prototype.renderCount = function () {
        var r = this.state.result, el = this.el;
        var n = r.items.length;
        if (r.mode === 'nearest') {
            var hex = Virel.colour.toHex(r.target);
            el.target.hidden = false;
            el.target.style.background = hex;
            el.target.title = hex;
            el.count.textContent = 'Nearest to ' + hex;
        } else {
            el.target.hidden = true;
            el.count.textContent = n.toLocaleString('en') + (n === 1 ? ' colour' : ' colours');
        }
        var s = this.state.selectedCount;
        el.selectionCount.textContent = s ? s + ' selected' : '';
        el.clearSelection.hidden = !s;
    };

    App.prototype.renderDetails = function () {
        var item = this.activeItem();
        var el = this.el;
        if (!item) {
            el.details.innerHTML = '<p class="details-empty">No colour to show.</p>';
            this.renderImport();
            return;
        }
        var c = item.rgb;
        var material = this.projectMaterialFor(item);
        var selected = !!this.state.selected[item.index];
        var r = this.state.result;
        var delta = r.mode === 'nearest' && r.distance[item.index] !== undefined
            ? '<div class="details-delta">ΔE2000 ' + r.distance[item.index].toFixed(2) + ' from ' + Virel.colour.toHex(r.target) + '</div>' : '';
        el.details.innerHTML =
            '<div class="details-swatch" style="background:' + item.hex + ';color:' + item.ink + '">' + item.hex + '</div>'
            + '<div class="details-code"><span id="details-code">' + esc(item.code) + '</span> &middot; ' + esc(this.familyLabels[item.family] || item.family) + '</div>'
            + '<div class="details-name" id="details-name">' + esc(item.name) + '</div>'
            + '<dl class="details-values">'
            + '<dt>Hex</dt><dd id="details-hex">' + item.hex + '</dd>'
            + '<dt>RGB</dt><dd id="details-rgb">' + c.r + ', ' + c.g + ', ' + c.b + '</dd>'
            + '<dt><abbr title="Light reflectance value, approximated from the screen colour">LRV</abbr></dt><dd id="details-lrv">' + item.lrv + '</dd>'
            + '</dl>' + delta
            + '<div class="details-project">' + (material ? '<span class="dot" aria-hidden="true"></span>In the project' : 'Not in the project') + '</div>'
            + '<div class="details-actions">'
            + '<button type="button" id="select-toggle" aria-pressed="' + selected + '">' + (selected ? 'Selected' : 'Select') + '</button>'
            + '<button type="button" id="use-for-paint"' + (this.bridge.connected() ? '' : ' disabled') + '>'
            + (material ? 'Paint with it' : 'Import &amp; paint') + '</button>'
            + '</div>';
        this.renderImport();
    };

    App.prototype.renderImport = function () {
        var n = this.state.selectedCount;
        var item = this.activeItem();
        var text = n ? 'Import ' + n + (n === 1 ? ' colour' : ' colours') : item ? 'Import ' + item.code : 'Import';
        var b = this.el.importButton;
        b.textContent = this.state.busy.createMaterials ? 'Importing…' : text;
        b.disabled = !this.bridge.connected() || !!this.state.busy.createMaterials || (!n && !item);
        this.el.finish.value = this.state.finish;
    };

    // ---------------------------------------------------------------- selection

    App.prototype.setSelected = function (item, on) {
        var was = !!this.state.selected[item.index];
        if (was === on) return;
        if (on) this.state.selected[item.index] = true; else delete this.state.selected[item.index];
        this.state.selectedCount += on ? 1 : -1;
    };

    App.prototype.selectionRedraw = function () {
        this.grid.render(true);
        this.renderCount();
        this.renderDetails();
    };

    App.prototype.toggle = function (item) {
        if (!item) return;
        this.setSelected(item, !this.state.selected[item.index]);
        this.selectionRedraw();
    };

    App.prototype.clearSelection = function () {
        this.state.selected = Object.create(null);
        this.state.selectedCount = 0;
        this.selectionRedraw();
    };

    // A click picks one colour; Ctrl or Cmd adds or removes it; Shift takes the run from the last pick.
    App.prototype.pick = function (pos, e) {
        var item = this.itemAt(pos);
        if (!item) return;
        if (e.shiftKey && this.state.anchor >= 0) {
            this.extendTo(pos);
            return;
        }
        if (e.ctrlKey || e.metaKey) {
            this.setSelected(item, !this.state.selected[item.index]);
        } else {
            this.state.selected = Object.create(null);
            this.state.selectedCount = 0;
            this.setSelected(item, true);
        }
        this.state.anchor = pos;
        this.selectionRedraw();
    };

    App.prototype.extendTo = function (pos) {
        var from = this.state.anchor >= 0 ? this.state.anchor : pos;
        var lo = Math.min(from, pos), hi = Math.max(from, pos);
        for (var p = lo; p <= hi; p++) this.setSelected(this.itemAt(p), true);
        if (this.state.anchor < 0) this.state.anchor = pos;
        this.selectionRedraw();
    };

    App.prototype.selectedItems = function () {
        var out = [];
        for (var i = 0; i < this.range.colours.length; i++) if (this.state.selected[i]) out.push(this.range.colours[i]);
        return out;
    };

    // ---------------------------------------------------------------- calls and messages

    App.prototype.plainError = function (e, after) {
        var action = ACTIONS[e && e.call] || 'do that';
        if (e && e.kind === 'not-connected') return NOT_CONNECTED;
        var reason = (e && e.reason) || (e && e.message) || 'something went wrong';
        return 'Could not ' + action + ': ' + reason.replace(/[.\s]+$/, '') + '.' + (after ? ' ' + after : '');
    };

    App.prototype.showError = function (text) {
        this._message(text, 'error');
    };

    App.prototype.showInfo = function (text) {
        this._message(text, 'info');
    };

    App.prototype._message = function (text, kind) {
        var m = this.el.message;
        clearTimeout(this.messageTimer);
        m.className = 'message is-' + kind;
        m.setAttribute('role', kind === 'error' ? 'alert' : 'status');
        this.el.messageText.textContent = text;
        m.hidden = false;
        if (kind === 'info') {
            var self = this;
            this.messageTimer = setTimeout(function () { self.hideMessage(); }, 5000);
        }
    };

    App.prototype.hideMessage = function () {
        clearTimeout(this.messageTimer);
        this.el.message.hidden = true;
    };

    // A call whose failure is only told: the project's materials are read again afterwards.
    App.prototype.run = function (name, arg) {
        var self = this;
        var p = arguments.length > 1 ? this.bridge.call(name, arg) : this.bridge.call(name);
        return p.catch(function (e) {
            self.failed(e);
            return undefined;
        });
    };

    App.prototype.failed = function (e, after) {
        this.showError(this.plainError(e, after));
        if (e && e.kind !== 'not-connected' && e.call !== 'getMaterials') this.refreshCatalogue(true);
    };

    // ---------------------------------------------------------------- catalogue

    App.prototype.refreshCatalogue = function (quiet) {
        var self = this;
        if (!this.bridge.connected()) { this.renderConnection(); return Promise.resolve(); }
        return this.bridge.catalogueCall('getMaterials').then(function (root) {
            self.applyCatalogue(root);
        }, function (e) {
            self.state.catalogueError = self.plainError(e);
            if (!quiet) self.showError(self.state.catalogueError);
            self.renderProject();
        });
    };

    App.prototype.applyCatalogue = function (root) {
        var flat;
        try {
            flat = Virel.catalogue.flatten(Virel.catalogue.parse(root));
        } catch (e) {
            this.showError('Could not show the project\'s materials: ' + e.message + '.');
            return;
        }
        this.state.catalogue = flat;
        this.state.catalogueError = '';
        if (this.state.chosenId && !flat.byId[this.state.chosenId]) this.state.chosenId = null;
        this.renderProject();
        this.grid.render(true);
        this.renderDetails();
        this.renderPaintBar();
    };

    App.prototype.renderProject = function () {
        var cat = this.state.catalogue;
        var note = !this.bridge.connected() ? NOT_CONNECTED : this.state.catalogueError || 'Reading the project…';
        this.tree.render(cat, this.state.chosenId, note);
        this.el.tabProject.textContent = cat ? 'Project (' + cat.materials.length + ')' : 'Project';
    };

    App.prototype.renderConnection = function () {
        var connected = this.bridge.connected();
        this.el.notice.hidden = connected;
        this.el.notice.textContent = connected ? '' : NOT_CONNECTED;
        this.el.layout.disabled = !connected;
        this.el.hide.disabled = !connected;
        this.renderImport();
        this.renderPaintBar();
    };

    App.prototype.importActiveOrSelection = function (pos) {
        var items = this.selectedItems();
        if (!items.length) {
            var item = this.itemAt(pos);
            if (item) items = [item];
        }
        return this.importColours(items, false);
    };

    // Imports the colours not yet in the project, filed by family; a failure keeps the selection.
    App.prototype.importColours = function (items, chooseFirst) {
        var self = this;
        if (!items.length || this.state.busy.createMaterials) return Promise.resolve(false);
        if (!this.bridge.connected()) { this.showError(NOT_CONNECTED); return Promise.resolve(false); }
        var fresh = items.filter(function (c) { return !self.inProject(c); });
        var skipped = items.length - fresh.length;
        if (!fresh.length) {
            if (chooseFirst) this.chooseColour(items[0]);
            else this.showInfo(items.length === 1 ? items[0].code + ' is already in the project.' : 'These colours are already in the project.');
            this.dropFromSelection(items);
            return Promise.resolve(true);
        }
        var finish = Virel.finishById(this.state.finish) || Virel.finishes[0];
        var entries = Virel.catalogue.entriesFor(fresh, finish, function (id) { return self.familyLabels[id] || id; });
        this.state.busy.createMaterials = true;
        this.renderImport();
        return this.bridge.catalogueCall('createMaterials', JSON.stringify(entries)).then(function (root) {
            self.state.busy.createMaterials = false;
            self.applyCatalogue(root);
            self.dropFromSelection(items);
            var text = 'Imported ' + (fresh.length === 1 ? fresh[0].code + ' ' + fresh[0].name : fresh.length + ' colours')
                + ' (' + finish.label.toLowerCase() + ').';
            if (skipped) text += ' ' + skipped + ' already in the project ' + (skipped === 1 ? 'was' : 'were') + ' left as ' + (skipped === 1 ? 'it was.' : 'they were.');
            self.showInfo(text);
            if (chooseFirst) self.chooseColour(items[0]);
            return true;
        }, function (e) {
            self.state.busy.createMaterials = false;
            self.renderImport();
            self.failed(e, 'Your selection is kept, so you can try again.');
            return false;
        });
    };

    App.prototype.dropFromSelection = function (items) {
        for (var i = 0; i < items.length; i++) this.setSelected(items[i], false);
        this.selectionRedraw();
    };

    App.prototype.removeMaterial = function (id) {
        var self = this;
        var cat = this.state.catalogue;
        var material = cat && cat.byId[id];
        var label = material ? material.name : 'the material';
        return this.bridge.catalogueCall('deleteMaterial', id).then(function (root) {
            self.applyCatalogue(root);
            self.showInfo('Removed ' + label + ' from the project.');
        }, function (e) {
            self.failed(e);
        });
    };

    // ---------------------------------------------------------------- painting

    App.prototype.choose = function (id) {
        var cat = this.state.catalogue;
        if (!cat || !cat.byId[id]) return;
        this.state.chosenId = id;
        this.renderProject();
        this.renderPaintBar();
    };

    App.prototype.chooseColour = function (item) {
        var material = this.projectMaterialFor(item);
        if (material) this.choose(material.id);
    };

    App.prototype.useForPainting = function (item) {
        if (this.inProject(item)) {
            this.chooseColour(item);
            return Promise.resolve(true);
        }
        return this.importColours([item], true);
    };

    App.prototype.chosenMaterial = function () {
        var cat = this.state.catalogue;
        return cat && this.state.chosenId ? cat.byId[this.state.chosenId] || null : null;
    };

    App.prototype.renderPaintBar = function () {
        var m = this.chosenMaterial();
        var el = this.el;
        var connected = this.bridge.connected();
        el.paintMaterial.innerHTML = m
            ? '<span class="mat-sw" style="background:' + m.hex + '"></span><span class="paint-name">' + esc(m.name) + '</span>'
            : '<span class="paint-none">' + (connected ? 'Choose a material under Project, or “Import & paint” a colour' : 'Painting needs a project') + '</span>';
        el.paint.textContent = this.state.painting ? 'Stop' : 'Paint';
        el.paint.setAttribute('aria-label', this.state.painting ? 'Stop painting (Esc)' : 'Paint faces in the 3D window');
        el.paint.disabled = !connected || (!this.state.painting && !m);
        el.paintbar.classList.toggle('is-painting', this.state.painting);
        var count = this.state.paintedCount;
        el.paintStatus.textContent = this.state.painting
            ? 'Click faces in the 3D window' + (count ? ' · ' + count + ' painted' : '') + ' · Esc stops'
            : '';
    };

    App.prototype.startPainting = function () {
        if (!this.chosenMaterial()) {
            this.showError('Choose a material to paint with first: pick one under Project, or use “Import & paint” on a colour.');
            return Promise.resolve();
        }
        this.state.paintedCount = 0;
        return this.run('beginPaint');
    };

    App.prototype.stopPainting = function () {
        return this.run('endPaint');
    };

    App.prototype.onElementSelected = function (guid, elementIndex, bodyIndex, polygonIndex) {
        var self = this;
        if (!this.state.painting) return Promise.resolve();
        var m = this.chosenMaterial();
        if (!m) {
            this.showError('The material chosen for painting is no longer in the project, so painting stopped. Choose another one.');
            return this.stopPainting();
        }
        var arg = JSON.stringify({
            elementId: guid,
            elementIndex: elementIndex,
            materialId: m.id,
            bodyIndex: bodyIndex,
            polygonIndex: polygonIndex
        });
        return this.bridge.call('paintElement', arg).then(function () {
            self.state.paintedCount++;
            self.renderPaintBar();
            // Each pick is asked for on its own: go on until the user stops.
            if (self.state.painting) return self.bridge.call('beginPaint');
            return undefined;
        }).catch(function (e) {
            self.failed(e, 'Painting stopped.');
            if (self.state.painting) return self.run('endPaint');
            return undefined;
        });
    };

    // ---------------------------------------------------------------- events from the add-on

    App.prototype.onEvent = function (name, args) {
        switch (name) {
            case 'created':
            case 'show':
                this.renderConnection();
                this.refreshCatalogue();
                break;
            case 'hide':
                break;
            case 'destroy':
                this.state.painting = false;
                this.renderPaintBar();
                break;
            case 'isPainting':
                this.state.painting = !!args[0];
                this.renderPaintBar();
                break;
            case 'materialsModified':
                this.applyCatalogue(args[0]);
                break;
            case 'elementSelected':
                this.onElementSelected(args[0], args[1], args[2], args[3]);
                break;
        }
    };

    function esc(text) {
        return String(text).replace(/[&<>"']/g, function (ch) {
            return { '&': '&amp;', '<': '&lt;', '>': '&gt;', '"': '&quot;', "'": '&#39;' }[ch];
        });
    }

    Virel.App = App;
    Virel.app = new App();
})(window.Virel = window.Virel || {});
