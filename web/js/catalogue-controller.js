/* The project's Virel materials as the page knows them: read from the add-on, replaced by every
   catalogue it sends, and shown in the Project tree. */
(function (Virel) {
    'use strict';

    const PARTIAL_LIST_MS = 100;

    class CatalogueController {
        constructor(app) {
            this.app = app;
            this.flat = null;      // Virel.catalogue.flatten of the last catalogue, or null
            this.error = '';
            this.generation = 0;   // the catalogue being read; a newer one makes older ones give up
            this.reading = Promise.resolve(true);   // settles when the last catalogue taken is read
            this.tree = new Virel.ProjectTree(app.el.tree, app.el.treeNote, {
                onChoose: (id) => app.painting.choose(id, true),
                onPaint: (id) => app.painting.paintMaterial(id),
                onRemove: (id) => app.importer.remove(id),
                finishLabel: (m) => Virel.finishOfProduct(m.product)?.label || ''
            });
        }

        inProject(item) {
            return !!this.flat?.byCode.has(item.code);
        }

        // The colour's material in a finish (by default the one chosen for imports), or null.
        materialFor(item, finishId = this.app.details.finish) {
            const all = this.flat?.byCode.get(item.code);
            return all?.find((m) => Virel.finishOfProduct(m.product)?.id === finishId) || null;
        }

        // The finishes the colour is in the project in, as their labels.
        finishesOf(item) {
            const all = this.flat?.byCode.get(item.code) || [];
            return all.map((m) => Virel.finishOfProduct(m.product)?.label || 'other values');
        }

        byId(id) {
            return (id && this.flat?.byId.get(id)) || null;
        }

        // The search filters the Project list too; a hidden list is redrawn when it is shown.
        filterBy(text) {
            if (!this.tree.setFilter(text)) return;
            this.filterStale = true;
            if (!this.app.el.panelProject.hidden) this.showFilter();
        }

        showFilter() {
            if (!this.filterStale) return;
            this.filterStale = false;
            this.render();
        }

        refresh(quiet) {
            const app = this.app;
            if (!app.bridge.connected()) {
                app.renderConnection();
                return Promise.resolve();
            }
            return app.bridge.catalogueCall('getMaterials').then((root) => this.apply(root), (e) => {
                const plain = app.messages.plainError(e);
                this.error = plain.text;
                if (!quiet) app.messages.error(plain);
                this.render();
            });
        }

        // Takes a catalogue the add-on sent: read a slice at a time, so that ten thousand
        // materials never hold up input; the list shown until then stays, or, when there was none,
        // fills in as it is read. A newer catalogue replaces one still being read. Resolves with
        // whether this catalogue is now the page's.
        apply(root) {
            const app = this.app;
            const run = ++this.generation;
            let parsed;
            try {
                parsed = Virel.catalogue.parse(root);
            } catch (e) {
                this.cannotShow(e);
                return Promise.resolve(false);
            }
            const flat = Virel.catalogue.emptyFlat();
            const previous = this.flat;
            const firstList = !previous;
            let shown = performance.now();
            // The Project list's rows are made in slices too; a catalogue whose reading took long is
            // then shown in a slice of its own.
            const tree = this.tree;
            let rows = null;
            const steps = (function* () {
                const started = performance.now();
                yield* Virel.catalogue.flattenSteps(parsed, flat, previous);
                rows = tree.prepareRows(flat);
                yield* rows.steps;
                if (performance.now() - started > Virel.runInSlices.SLICE_MS) yield Virel.runInSlices.PAUSE;
            })();
            this.reading = Virel.runInSlices(steps, {
                stillWanted: () => run === this.generation,
                onPause: () => {
                    // The first list fills in as it is read, redrawn now and then, not after every slice.
                    if (!firstList || !flat.materials.length || performance.now() - shown < PARTIAL_LIST_MS) return;
                    this.tree.render(flat, app.painting.chosenId, '');
                    shown = performance.now();
                }
            }).then((done) => {
                if (done) this.take(flat, rows);
                return done;
            }, (e) => {
                this.cannotShow(e);
                return false;
            });
            return this.reading;
        }

        cannotShow(e) {
            this.app.messages.error({ text: "Could not show the project's materials. The list shown is the last one read.", detail: e.message });
        }

        take(flat, rows) {
            const app = this.app;
            this.flat = flat;
            this.error = '';
            app.painting.forgetMissing();
            this.render(rows);
            app.rangeView.redraw();
            app.details.render();
            app.painting.render();
        }

        // rows: the list's rows made beforehand for this catalogue, if any.
        render(rows) {
            const app = this.app;
            const note = !app.bridge.connected() ? Virel.Messages.NOT_CONNECTED : this.error || 'Reading the project…';
            this.tree.render(this.flat, app.painting.chosenId, note, rows);
            app.el.tabProject.textContent = this.flat ? `Project (${this.flat.materials.length})` : 'Project';
        }
    }

    Virel.CatalogueController = CatalogueController;
})(window.Virel = window.Virel || {});
