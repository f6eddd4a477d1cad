/* The two modal views of colours: a large preview of one, and two or three side by side with
   their LRV and the contrast between each pair. Esc or Close shuts them and focus goes back
   to the control that opened them. */
(function (Virel) {
    'use strict';

    const { h, fill } = Virel.dom;

    // How a contrast ratio serves text of one colour on the other (WCAG 2 levels).
    function contrastVerdict(ratio) {
        if (ratio >= 7) return 'enough for any text';
        if (ratio >= 4.5) return 'enough for normal text';
        if (ratio >= 3) return 'large text only';
        return 'too low for text';
    }

    // Every pair of the colours: [{ a, b, ratio, lrvDifference }].
    function comparePairs(items) {
        const pairs = [];
        items.forEach((a, i) => items.slice(i + 1).forEach((b) => pairs.push({
            a, b,
            ratio: Virel.colour.contrastOf(a.rgb, b.rgb),
            lrvDifference: Math.round(Math.abs(a.lrv - b.lrv) * 10) / 10
        })));
        return pairs;
    }

    function colourFacts(item, familyLabel) {
        return h('dl', { className: 'vt-facts' },
            h('dt', { text: 'Hex' }), h('dd', { text: item.hex }),
            h('dt', { text: 'RGB' }), h('dd', { text: `${item.rgb.r}, ${item.rgb.g}, ${item.rgb.b}` }),
            h('dt', { text: 'LRV' }), h('dd', { text: String(item.lrv) }),
            h('dt', { text: 'Family' }), h('dd', { text: familyLabel(item.family) }));
    }

    class ColourDialog {
        constructor(className, title, familyLabel) {
            this.familyLabel = familyLabel;
            this.heading = h('h2', { className: 'vt-dialog-title', id: className + '-title', text: title });
            this.body = h('div', { className: 'vt-dialog-body' });
            this.close = h('button', { type: 'button', className: 'vt-close', text: 'Close' });
            this.el = h('dialog', { className: 'vt-dialog ' + className, 'aria-labelledby': className + '-title' },
                h('div', { className: 'vt-dialog-head' }, this.heading, this.close), this.body);
            this.opener = null;
            this.onHide = null;
            this.close.addEventListener('click', () => this.hide());
            // Esc shuts this dialog only, not what lies beneath it.
            this.el.addEventListener('keydown', (e) => {
                if (e.key !== 'Escape') return;
                e.preventDefault();
                e.stopPropagation();
                this.hide();
            });
            this.el.addEventListener('cancel', (e) => { e.preventDefault(); this.hide(); });
            document.body.append(this.el);
        }

        // opener: the control to give focus back to, or a function that finds it again when the
        // control may be redrawn while the dialog is open.
        show(opener) {
            this.opener = opener || document.activeElement;
            if (!this.el.open) this.el.showModal();
            this.close.focus();
        }

        hide() {
            if (this.el.open) this.el.close();
            const back = typeof this.opener === 'function' ? this.opener() : this.opener;
            this.opener = null;
            if (back && document.contains(back) && !back.disabled) back.focus();
            if (this.onHide) this.onHide();
        }
    }

    // One colour filling most of the window, its name written in the colour's own label ink.
    class PreviewDialog extends ColourDialog {
        constructor(familyLabel) {
            super('vt-preview', 'Preview', familyLabel);
        }

        open(item, opener) {
            this.heading.textContent = `Preview of ${item.code} ${item.name}`;
            fill(this.body,
                h('div', { className: 'vt-preview-colour', style: { background: item.hex, color: Virel.colour.inkFor(item.rgb) } },
                    h('span', { className: 'vt-preview-name', text: `${item.code} ${item.name}` })),
                colourFacts(item, this.familyLabel));
            this.show(opener);
        }
    }

    // Two or three colours side by side; onRemove(item) takes one out of the comparison.
    class CompareDialog extends ColourDialog {
        constructor(familyLabel, onRemove) {
            super('vt-compare', 'Compare colours', familyLabel);
            this.onRemove = onRemove;
        }

        open(items, opener) {
            if (items.length < 2) {
                if (this.el.open) this.hide();
                return;
            }
            const columns = items.map((item) => {
                const remove = h('button', { type: 'button', className: 'vt-remove', text: 'Remove',
                    'aria-label': `Remove ${item.code} ${item.name} from the comparison` });
                remove.addEventListener('click', () => this.onRemove(item));
                return h('li', { className: 'vt-compare-item' },
                    h('div', { className: 'vt-compare-colour', style: { background: item.hex } }),
                    h('div', { className: 'vt-compare-name', text: `${item.code} ${item.name}` }),
                    colourFacts(item, this.familyLabel),
                    remove);
            });
            const rows = comparePairs(items).map((p) => h('tr', {},
                h('th', { scope: 'row', text: `${p.a.code} and ${p.b.code}` }),
                h('td', { text: `${p.ratio.toFixed(2)}:1, ${contrastVerdict(p.ratio)}` }),
                h('td', { text: String(p.lrvDifference) })));
            fill(this.body,
                h('ul', { className: 'vt-compare-list' }, columns),
                h('table', { className: 'vt-contrast' },
                    h('caption', { text: 'Contrast between the colours' }),
                    h('thead', {}, h('tr', {},
                        h('th', { scope: 'col', text: 'Pair' }),
                        h('th', { scope: 'col', text: 'Contrast ratio' }),
                        h('th', { scope: 'col', text: 'LRV difference' }))),
                    h('tbody', {}, rows)));
            if (this.el.open) this.close.focus(); else this.show(opener);
        }
    }

    Virel.ColourDialog = ColourDialog;
    Virel.PreviewDialog = PreviewDialog;
    Virel.CompareDialog = CompareDialog;
    Virel.comparePairs = comparePairs;
    Virel.contrastVerdict = contrastVerdict;
})(window.Virel = window.Virel || {});
