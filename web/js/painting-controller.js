/* Painting: the material chosen to paint with, the paint bar, and the loop that asks the add-on
   for one pick at a time and paints each picked face until the user stops. */
(function (Virel) {
    'use strict';

    const { h, fill } = Virel.dom;

    class PaintingController {
        constructor(app) {
            this.app = app;
            this.el = app.el;
            this.chosenId = null;
            this.active = false;      // the add-on says it is waiting for picks
            this.sentCount = 0;        // picks handed to the add-on to paint since painting started
            this.el.paint.addEventListener('click', () => (this.active ? this.stop() : this.start()));
        }

        chosenMaterial() {
            return this.app.catalogue.byId(this.chosenId);
        }

        // Forgets the chosen material once the project no longer has it.
        forgetMissing() {
            if (this.chosenId && !this.chosenMaterial()) this.chosenId = null;
        }

        // Makes a material the one to paint with. fromProject: chosen in the Project list, so the
        // Colour panel turns to its colour and finish as well.
        choose(id, fromProject) {
            const material = this.app.catalogue.byId(id);
            if (!material) return;
            this.chosenId = id;
            if (fromProject) this.app.showMaterial(material);
            this.app.catalogue.render();
            this.render();
        }

        chooseColour(item) {
            const material = this.app.catalogue.materialFor(item);
            if (material) this.choose(material.id);
        }

        // The one way to paint a colour of the range: imported in the chosen finish if it is not
        // in the project in that finish yet, made the material to paint with, and paint mode started.
        paintColour(item) {
            const ready = this.app.catalogue.materialFor(item) ? Promise.resolve(true) : this.app.importer.importColours([item]);
            return ready.then((ok) => {
                const material = ok && this.app.catalogue.materialFor(item);
                return material ? this.paintMaterial(material.id) : undefined;
            });
        }

        // Chooses a material of the project and starts painting with it.
        paintMaterial(id) {
            this.choose(id, true);
            if (!this.chosenMaterial()) return Promise.resolve();
            return this.active ? Promise.resolve() : this.start();
        }

        setActive(painting) {
            this.active = painting;
            this.render();
        }

        render() {
            const m = this.chosenMaterial();
            const el = this.el;
            const connected = this.app.bridge.connected();
            fill(el.paintMaterial, m
                ? [h('span', { className: 'mat-sw', style: { background: m.hex } }), h('span', { className: 'paint-name', text: m.name })]
                : h('span', { className: 'paint-none',
                    text: connected ? 'Nothing to paint with yet: “Paint with it” on a colour' : 'Painting needs a project' }));
            el.paint.textContent = this.active ? 'Stop' : 'Paint';
            el.paint.setAttribute('aria-label', this.active ? 'Stop painting (Esc)' : 'Paint faces in the 3D window');
            el.paint.disabled = !connected || (!this.active && !m);
            el.paintbar.classList.toggle('is-painting', this.active);
            // The add-on does not say whether a pick was painted (outside the 3D window it is not):
            // the page tells only what it sent.
            const count = this.sentCount;
            el.paintStatus.textContent = this.active
                ? 'Click faces in the 3D window' + (count ? ` · ${count} sent to paint` : '') + ' · Esc stops'
                : '';
        }

        start() {
            if (!this.chosenMaterial()) {
                this.app.messages.error('Choose a material to paint with first: “Paint with it” on a colour, or Enter on a material under Project.');
                return Promise.resolve();
            }
            this.sentCount = 0;
            return this.app.run('beginPaint');
        }

        stop() {
            return this.app.run('endPaint');
        }

        onElementSelected(guid, elementIndex, bodyIndex, polygonIndex) {
            const app = this.app;
            if (!this.active) return Promise.resolve();
            const m = this.chosenMaterial();
            if (!m) {
                app.messages.error('The material chosen for painting is no longer in the project, so painting stopped. Choose another one.');
                return this.stop();
            }
            const arg = JSON.stringify({ elementId: guid, elementIndex, materialId: m.id, bodyIndex, polygonIndex });
            return app.bridge.call('paintElement', arg).then(() => {
                this.sentCount++;
                this.render();
                // Each pick is asked for on its own: go on until the user stops.
                return this.active ? app.bridge.call('beginPaint') : undefined;
            }).catch((e) => {
                app.failed(e, 'Painting stopped.');
                return this.active ? app.run('endPaint') : undefined;
            });
        }
    }

    Virel.PaintingController = PaintingController;
})(window.Virel = window.Virel || {});
