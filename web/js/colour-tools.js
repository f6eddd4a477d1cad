/* The tools beside a chosen colour: favourite it, copy its hex, preview it large, compare it
   with one or two others, and jump to similar colours and to its harmonies in the range. Also
   keeps the favourites and recently viewed colours the grid can show, and the LRV filter. */
(function (Virel) {
    'use strict';

    var make = function (tag, props, children) { return Virel.makeElement(tag, props, children); };
    var FAVOURITES_KEY = 'virel-favourites';
    var RECENT_KEY = 'virel-recent';
    var RECENT_COUNT = 12;
    var FAVOURITES_MOST = 500;
    var COMPARE_MOST = 3;
    // A colour counts as viewed once it has stayed in the details this long.
    var VIEWED_AFTER_MS = 800;
    var COLLECTIONS = { '@favourites': 'favourites', '@recent': 'recent' };

    function storageOf(win) {
        try { return win.localStorage; } catch { return null; }
    }

    // options: { range, familyLabel(id), onShow(colourIndex), onFavouritesChange() }
    function ColourTools(options) {
        var self = this;
        this.range = options.range;
        this.opt = options;
        var storage = storageOf(window);
        this.favourites = new Virel.ColourList(storage, FAVOURITES_KEY, FAVOURITES_MOST);
        this.recent = new Virel.ColourList(storage, RECENT_KEY, RECENT_COUNT);
        this.compared = [];
        this.item = null;
        this.related = Object.create(null);
        this.viewTimer = 0;
        this.relatedTimer = 0;
        this.preview = new Virel.PreviewDialog(options.familyLabel);
        this.compare = new Virel.CompareDialog(options.familyLabel, function (item) {
            self.toggleCompared(item);
            self.compare.open(self.comparedItems());
            self.render(self.item);
        });
        this.compare.onHide = function () { self.render(self.item); };
        this.actions = make('div', { className: 'vt-actions' });
        this.status = make('p', { className: 'vt-status', role: 'status' });
        this.relatedEl = make('div', { className: 'vt-related' });
        this.el = make('section', { className: 'vt-tools', 'aria-label': 'Colour tools' }, [this.actions, this.status, this.relatedEl]);
        this.el.addEventListener('click', function (e) {
            var button = e.target.closest ? e.target.closest('button') : null;
            if (button && self.el.contains(button)) self._act(button);
        });
        this.lrvSelect = make('select', { className: 'vt-lrv', id: 'lrv', 'aria-label': 'LRV range' },
            [make('option', { value: '', textContent: 'Any LRV' })].concat(Object.keys(Virel.LRV_BANDS).map(function (id) {
                return make('option', { value: id, textContent: Virel.LRV_BANDS[id].label });
            })));
    }

    // The query the range answers: a collection chosen in the family menu becomes its colours.
    ColourTools.prototype.scope = function (query) {
        var list = COLLECTIONS[query.family];
        var scoped = Object.assign({}, query, { lrv: this.lrvSelect.value });
        if (!list) return scoped;
        scoped.family = '';
        scoped.within = this[list].indicesIn(this.range);
        scoped.keepOrder = list === 'recent';
        return scoped;
    };

    // Entries for the family menu: [{ value, label }].
    ColourTools.prototype.collectionOptions = function () {
        return [
            { value: '@favourites', label: 'Favourites (' + this.favourites.indicesIn(this.range).length + ')' },
            { value: '@recent', label: 'Recently viewed' }
        ];
    };

    ColourTools.prototype.comparedItems = function () {
        var range = this.range;
        return this.compared.map(function (i) { return range.colours[i]; });
    };

    // Adds or takes out a colour; a fourth one pushes out the first added.
    ColourTools.prototype.toggleCompared = function (item) {
        var at = this.compared.indexOf(item.index);
        if (at >= 0) this.compared.splice(at, 1);
        else {
            this.compared.push(item.index);
            if (this.compared.length > COMPARE_MOST) this.compared.shift();
        }
    };

    ColourTools.prototype._act = function (button) {
        var item = this.item;
        var action = button.getAttribute('data-action');
        var actions = this.actions;
        var opener = function () {
            return actions.querySelector('[data-action="' + action + '"]') || actions.querySelector('button');
        };
        if (action === 'show') { this.opt.onShow(Number(button.getAttribute('data-index'))); return; }
        if (!item) return;
        // Using a tool on a colour counts as viewing it, however short the visit.
        this.recent.add(item.code);
        if (action === 'favourite') {
            var on = this.favourites.toggle(item.code);
            this.say(on ? item.code + ' added to favourites.' : item.code + ' removed from favourites.');
            if (this.opt.onFavouritesChange) this.opt.onFavouritesChange();
        } else if (action === 'copy') {
            this.copy(item.hex);
        } else if (action === 'preview') {
            this.preview.open(item, opener);
        } else if (action === 'compare') {
            this.toggleCompared(item);
        } else if (action === 'show-compare') {
            this.compare.open(this.comparedItems(), opener);
        }
        this.render(item);
    };

    ColourTools.prototype.say = function (text) {
        this.status.textContent = text;
    };

    // The clipboard where the page may use it, otherwise a copy command on a hidden text field.
    ColourTools.prototype.copy = function (text) {
        var self = this;
        var done = function () { self.say('Copied ' + text + '.'); };
        var fallback = function () {
            var focused = document.activeElement;
            var field = make('textarea', { value: text, readOnly: true, className: 'vt-copy-field', 'aria-hidden': 'true' });
            document.body.appendChild(field);
            field.select();
            var ok = false;
            try { ok = document.execCommand('copy'); } catch { ok = false; }
            field.remove();
            if (focused) focused.focus();
            if (ok) done(); else self.say('Could not copy here; the hex is ' + text + '.');
        };
        if (navigator.clipboard && navigator.clipboard.writeText) {
            return navigator.clipboard.writeText(text).then(done, fallback);
        }
        fallback();
        return Promise.resolve();
    };

    // A button that stays pressed while it is on; mark: a symbol shown before the text, not read out.
    function toggleButton(action, text, pressed, mark) {
        return make('button', { type: 'button', data: { action: action }, 'aria-pressed': pressed ? 'true' : 'false' },
            [mark ? make('span', { className: 'vt-mark', 'aria-hidden': 'true', textContent: mark }) : null, text]);
    }

    // Draws the tools for the colour in the details (null: none); keeps focus on the same tool.
    ColourTools.prototype.render = function (item) {
        var self = this;
        var focused = this.el.contains(document.activeElement) ? document.activeElement.getAttribute('data-action') : null;
        if (item !== this.item) this.say('');
        this.item = item;
        this.el.hidden = !item;
        clearTimeout(this.viewTimer);
        clearTimeout(this.relatedTimer);
        if (!item) return;
        var favourite = this.favourites.has(item.code);
        var compared = this.compared.indexOf(item.index) >= 0;
        var n = this.compared.length;
        var buttons = [
            toggleButton('favourite', 'Favourite', favourite, favourite ? '★' : '☆'),
            make('button', { type: 'button', data: { action: 'copy' }, textContent: 'Copy hex' }),
            make('button', { type: 'button', data: { action: 'preview' }, textContent: 'Preview' }),
            toggleButton('compare', 'Compare', compared)
        ];
        if (n >= 2) buttons.push(make('button', { type: 'button', data: { action: 'show-compare' }, textContent: 'Show ' + n + ' compared' }));
        this.actions.replaceChildren.apply(this.actions, buttons);
        if (focused) {
            var again = this.actions.querySelector('[data-action="' + focused + '"]') || this.actions.firstChild;
            again.focus();
        }
        this.viewTimer = setTimeout(function () { self.recent.add(item.code); }, VIEWED_AFTER_MS);
        // Related colours take a few scans of the range: drawn once the details have been shown.
        if (this.relatedEl.getAttribute('data-index') !== String(item.index)) {
            this.relatedEl.replaceChildren();
            this.relatedTimer = setTimeout(function () { self.renderRelated(item); }, 0);
        }
    };

    function chip(range, found) {
        var c = range.colours[found.index];
        var label = c.code + ' ' + c.name + ', ' + Virel.colour.differenceInWords(found.d) + ' (ΔE ' + found.d.toFixed(1) + ')';
        return make('li', null, [make('button', { type: 'button', className: 'vt-chip', data: { action: 'show', index: c.index },
            'aria-label': label, title: label, style: { background: c.hex } })]);
    }

    function group(id, title, range, found) {
        return make('div', { className: 'vt-group', role: 'group', 'aria-labelledby': id }, [
            make('span', { className: 'vt-group-title', id: id, textContent: title }),
            make('ul', { className: 'vt-chips' }, found.map(function (f) { return chip(range, f); }))
        ]);
    }

    ColourTools.prototype.relatedTo = function (index) {
        if (!this.related[index]) this.related[index] = Virel.relatedColours(this.range, index);
        return this.related[index];
    };

    ColourTools.prototype.renderRelated = function (item) {
        if (item !== this.item) return;
        var range = this.range;
        var related = this.relatedTo(item.index);
        var parts = [group('vt-similar', 'Similar colours', range, related.similar)];
        if (related.neutral) {
            parts.push(make('p', { className: 'vt-note', textContent: 'Harmonies: this colour is almost neutral, so it has none of its own.' }));
        }
        related.harmonies.forEach(function (h) { parts.push(group('vt-' + h.id, h.label, range, h.colours)); });
        this.relatedEl.replaceChildren.apply(this.relatedEl, parts);
        this.relatedEl.setAttribute('data-index', String(item.index));
    };

    Virel.ColourTools = ColourTools;
})(window.Virel = window.Virel || {});
