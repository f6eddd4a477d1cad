/* The project's Virel materials as the page knows them: read from the add-on, replaced by every
   catalogue it sends, and shown in the Project tree. */
(function (Virel) {
    'use strict';

    class CatalogueController {
        constructor(app) {
            this.app = app;
            this.flat = null;      // Virel.catalogue.flatten of the last catalogue, or null
            this.error = '';
            this.tree = new Virel.ProjectTree(app.el.tree, app.el.treeNote, {
                onChoose: (id) => app.painting.choose(id),
                onRemove: (id) => app.importer.remove(id),
                finishLabel: (m) => Virel.finishOfProduct(m.product)?.label || ''
            });
        }

        inProject(item) {
            return !!this.flat?.byCode[item.code];
        }

        materialFor(item) {
            return this.flat?.byCode[item.code]?.[0] || null;
        }

        byId(id) {
            return (id && this.flat?.byId[id]) || null;
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

        apply(root) {
            const app = this.app;
            let flat;
            try {
                flat = Virel.catalogue.flatten(Virel.catalogue.parse(root));
            } catch (e) {
                app.messages.error({ text: "Could not show the project's materials. The list shown is the last one read.", detail: e.message });
                return;
            }
            this.flat = flat;
            this.error = '';
            app.painting.forgetMissing();
            this.render();
            app.rangeView.redraw();
            app.details.render();
            app.painting.render();
        }

        render() {
            const app = this.app;
            const note = !app.bridge.connected() ? Virel.Messages.NOT_CONNECTED : this.error || 'Reading the project…';
            this.tree.render(this.flat, app.painting.chosenId, note);
            app.el.tabProject.textContent = this.flat ? `Project (${this.flat.materials.length})` : 'Project';
        }
    }

    Virel.CatalogueController = CatalogueController;
})(window.Virel = window.Virel || {});
