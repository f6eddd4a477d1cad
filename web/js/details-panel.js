/* The Colour panel: the active colour's values, whether it is in the project, what can be done
   with it, and the finish and the main button: import the colour or the selection, or paint with
   a colour already in the project. */
(function (Virel) {
    'use strict';

    const { h, fill } = Virel.dom;
    const LRV_NOTE = 'Light reflectance value, approximated from the screen colour';

    class DetailsPanel {
        constructor(app) {
            this.app = app;
            this.el = app.el;
            this.finish = Virel.finishes[0].id;
            const el = this.el;
            fill(el.finish, Virel.finishes.map((f) => h('option', { value: f.id, text: f.label })));
            // The finish says which material of a colour the panel shows, imports and paints.
            el.finish.addEventListener('change', () => { this.finish = el.finish.value; this.render(); app.rangeView.redraw(); });
            el.importButton.addEventListener('click', () => app.importer.runMainAction(app.rangeView.active));
            el.details.addEventListener('click', (e) => {
                const button = e.target.closest('button');
                const item = app.rangeView.activeItem();
                if (!button || !item) return;
                if (button.id === 'select-toggle') app.selection.toggle(item);
                else if (button.id === 'remove-from-project') app.importer.remove(app.catalogue.materialFor(item).id).then(() => app.keepFocus(null));
                else if (button.id === 'use-for-paint') app.painting.paintColour(item).then(() => app.keepFocus(Virel.dom.byId('use-for-paint')));
            });
        }

        chosenFinish() {
            return Virel.finishById(this.finish) || Virel.finishes[0];
        }

        render() {
            const app = this.app;
            const item = app.rangeView.activeItem();
            const focused = this.el.details.contains(document.activeElement) ? document.activeElement.id : '';
            if (!item) {
                fill(this.el.details, h('p', { className: 'details-empty', text: 'No colour to show.' }));
                app.rangeView.tools.render(null);
            } else {
                fill(this.el.details, this.describe(item));
                if (focused) Virel.dom.byId(focused)?.focus();
                app.rangeView.tools.render(item);
            }
            this.renderImport();
        }

        describe(item) {
            const app = this.app;
            const c = item.rgb;
            const material = app.catalogue.materialFor(item);
            const finish = this.chosenFinish().label;
            const inFinishes = app.catalogue.finishesOf(item);
            const painting = material && material.id === app.painting.chosenId;
            const selected = app.selection.has(item);
            const distance = app.rangeView.distanceOf(item);
            return [
                h('div', { className: 'details-swatch', style: { background: item.hex, color: item.ink }, text: item.hex }),
                h('div', { className: 'details-code' }, h('span', { id: 'details-code', text: item.code }),
                    ' · ' + app.rangeView.familyLabel(item.family)),
                h('div', { className: 'details-name', id: 'details-name', text: item.name }),
                h('dl', { className: 'details-values' },
                    h('dt', { text: 'Hex' }), h('dd', { id: 'details-hex', text: item.hex }),
                    h('dt', { text: 'RGB' }), h('dd', { id: 'details-rgb', text: `${c.r}, ${c.g}, ${c.b}` }),
                    h('dt', {}, h('abbr', { title: LRV_NOTE, text: 'LRV' })), h('dd', { id: 'details-lrv', text: String(item.lrv) })),
                distance === null ? null : h('div', { className: 'details-delta',
                    text: `ΔE2000 ${distance.toFixed(2)} from ${Virel.colour.toHex(app.rangeView.result.target)}: ${Virel.colour.differenceInWords(distance)}` }),
                h('div', { className: 'details-project' + (material ? ' is-in' : ''), id: 'details-project' },
                    material ? [h('span', { className: 'dot', 'aria-hidden': 'true' }), `In the project in ${finish.toLowerCase()}`]
                        : `Not in the project in ${finish.toLowerCase()}`
                            + (inFinishes.length ? ` (it is in ${inFinishes.join(', ').toLowerCase()})` : ''),
                    painting ? h('span', { className: 'details-painting', text: ' · painting with it' }) : null),
                h('div', { className: 'details-actions' },
                    h('button', { type: 'button', id: 'select-toggle', 'aria-pressed': String(selected), text: selected ? 'Selected' : 'Select' }),
                    h('button', { type: 'button', id: 'use-for-paint', disabled: !app.bridge.connected(),
                        text: material ? 'Paint with it' : 'Import & paint',
                        title: material ? `Paint with ${material.name}` : `Import in ${finish.toLowerCase()} and paint with it` }),
                    material ? h('button', { type: 'button', id: 'remove-from-project', text: 'Remove from project' }) : null)
            ];
        }

        renderImport() {
            const app = this.app;
            const action = app.importer.mainAction(app.rangeView.active);
            const busy = app.importer.busy;
            const b = this.el.importButton;
            b.textContent = busy ? 'Importing…' : action.text;
            b.disabled = !app.bridge.connected() || busy || action.kind === 'none';
            this.el.finish.value = this.finish;
        }
    }

    Virel.DetailsPanel = DetailsPanel;
})(window.Virel = window.Virel || {});
