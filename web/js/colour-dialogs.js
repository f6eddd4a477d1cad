/* The two modal views of colours: a large preview of one, and two or three side by side with
   their LRV and the contrast between each pair. Esc or Close shuts them and focus goes back
   to the control that opened them. */
(function (Virel) {
    'use strict';

    var make = function (tag, props, children) { return Virel.makeElement(tag, props, children); };

    // How a contrast ratio serves text of one colour on the other (WCAG 2 levels).
    function contrastVerdict(ratio) {
        if (ratio >= 7) return 'enough for any text';
        if (ratio >= 4.5) return 'enough for normal text';
        if (ratio >= 3) return 'large text only';
        return 'too low for text';
    }

    // Every pair of the colours: [{ a, b, ratio, lrvDifference }].
    function comparePairs(items) {
        var pairs = [];
        for (var i = 0; i < items.length; i++) {
            for (var j = i + 1; j < items.length; j++) {
                pairs.push({
                    a: items[i], b: items[j],
                    ratio: Virel.colour.contrastOf(items[i].rgb, items[j].rgb),
                    lrvDifference: Math.round(Math.abs(items[i].lrv - items[j].lrv) * 10) / 10
                });
            }
        }
        return pairs;
    }

    function ColourDialog(className, title) {
        var self = this;
        this.heading = make('h2', { className: 'vt-dialog-title', id: className + '-title', textContent: title });
        this.body = make('div', { className: 'vt-dialog-body' });
        this.close = make('button', { type: 'button', className: 'vt-close', textContent: 'Close' });
        this.el = make('dialog', { className: 'vt-dialog ' + className, 'aria-labelledby': className + '-title' },
            [make('div', { className: 'vt-dialog-head' }, [this.heading, this.close]), this.body]);
        this.opener = null;
        this.close.addEventListener('click', function () { self.hide(); });
        // Esc shuts this dialog only, not what lies beneath it.
        this.el.addEventListener('keydown', function (e) {
            if (e.key !== 'Escape') return;
            e.preventDefault();
            e.stopPropagation();
            self.hide();
        });
        this.el.addEventListener('cancel', function (e) { e.preventDefault(); self.hide(); });
        document.body.appendChild(this.el);
    }

    ColourDialog.prototype.show = function (opener) {
        this.opener = opener || document.activeElement;
        if (!this.el.open) this.el.showModal();
        this.close.focus();
    };

    ColourDialog.prototype.hide = function () {
        if (this.el.open) this.el.close();
        // The opener may have been redrawn meanwhile: then it is a function that finds it again.
        var back = typeof this.opener === 'function' ? this.opener() : this.opener;
        this.opener = null;
        if (back && document.contains(back) && !back.disabled) back.focus();
        if (this.onHide) this.onHide();
    };

    function colourFacts(item, familyLabel) {
        return make('dl', { className: 'vt-facts' }, [
            make('dt', { textContent: 'Hex' }), make('dd', { textContent: item.hex }),
            make('dt', { textContent: 'RGB' }), make('dd', { textContent: item.rgb.r + ', ' + item.rgb.g + ', ' + item.rgb.b }),
            make('dt', { textContent: 'LRV' }), make('dd', { textContent: String(item.lrv) }),
            make('dt', { textContent: 'Family' }), make('dd', { textContent: familyLabel(item.family) })
        ]);
    }

    // One colour filling most of the window, its name written in the colour's own label ink.
    function PreviewDialog(familyLabel) {
        ColourDialog.call(this, 'vt-preview', 'Preview');
        this.familyLabel = familyLabel;
    }
    PreviewDialog.prototype = Object.create(ColourDialog.prototype);

    PreviewDialog.prototype.open = function (item, opener) {
        this.heading.textContent = 'Preview of ' + item.code + ' ' + item.name;
        this.body.replaceChildren(
            make('div', { className: 'vt-preview-colour', style: { background: item.hex, color: Virel.colour.inkFor(item.rgb) } }, [
                make('span', { className: 'vt-preview-name', textContent: item.code + ' ' + item.name })
            ]),
            colourFacts(item, this.familyLabel));
        this.show(opener);
    };

    // Two or three colours side by side; onRemove(item) takes one out of the comparison.
    function CompareDialog(familyLabel, onRemove) {
        ColourDialog.call(this, 'vt-compare', 'Compare colours');
        this.familyLabel = familyLabel;
        this.onRemove = onRemove;
    }
    CompareDialog.prototype = Object.create(ColourDialog.prototype);

    CompareDialog.prototype.open = function (items, opener) {
        var self = this;
        if (items.length < 2) { this.hide(); return; }
        var columns = items.map(function (item) {
            var remove = make('button', { type: 'button', className: 'vt-remove', textContent: 'Remove',
                'aria-label': 'Remove ' + item.code + ' ' + item.name + ' from the comparison' });
            remove.addEventListener('click', function () { self.onRemove(item); });
            return make('li', { className: 'vt-compare-item' }, [
                make('div', { className: 'vt-compare-colour', style: { background: item.hex } }),
                make('div', { className: 'vt-compare-name', textContent: item.code + ' ' + item.name }),
                colourFacts(item, self.familyLabel),
                remove
            ]);
        });
        var rows = comparePairs(items).map(function (p) {
            return make('tr', null, [
                make('th', { scope: 'row', textContent: p.a.code + ' and ' + p.b.code }),
                make('td', { textContent: p.ratio.toFixed(2) + ':1, ' + contrastVerdict(p.ratio) }),
                make('td', { textContent: String(p.lrvDifference) })
            ]);
        });
        this.body.replaceChildren(
            make('ul', { className: 'vt-compare-list' }, columns),
            make('table', { className: 'vt-contrast' }, [
                make('caption', { textContent: 'Contrast between the colours' }),
                make('thead', null, [make('tr', null, [
                    make('th', { scope: 'col', textContent: 'Pair' }),
                    make('th', { scope: 'col', textContent: 'Contrast ratio' }),
                    make('th', { scope: 'col', textContent: 'LRV difference' })
                ])]),
                make('tbody', null, rows)
            ]));
        if (this.el.open) this.close.focus(); else this.show(opener);
    };

    Virel.PreviewDialog = PreviewDialog;
    Virel.CompareDialog = CompareDialog;
    Virel.comparePairs = comparePairs;
    Virel.contrastVerdict = contrastVerdict;
})(window.Virel = window.Virel || {});
