/* Importing colours of the range into the project as materials, and removing them again. */
(function (Virel) {
    'use strict';

    const NOT_CONNECTED = Virel.Messages.NOT_CONNECTED;

    class ImportController {
        constructor(app) {
            this.app = app;
            this.busy = false;
        }

        // What the main button and Enter in the grid do for the colour at pos or the selection, in
        // the chosen finish: import the colours not yet in the project in it, or, for one colour
        // already there, paint with it. -> { kind: 'import' | 'paint' | 'none', items, text }
        mainAction(pos) {
            const app = this.app;
            const selected = app.selection.items();
            const fresh = selected.filter((c) => !app.catalogue.materialFor(c));
            if (fresh.length) return { kind: 'import', items: selected, text: `Import ${fresh.length} ${fresh.length === 1 ? 'colour' : 'colours'}` };
            const item = selected.length === 1 ? selected[0] : selected.length ? null : app.rangeView.itemAt(pos);
            if (!item) return { kind: 'none', items: [], text: selected.length ? 'All in the project' : 'Import' };
            if (app.catalogue.materialFor(item)) return { kind: 'paint', items: [item], text: 'Paint with ' + item.code };
            return { kind: 'import', items: [item], text: 'Import ' + item.code };
        }

        runMainAction(pos) {
            const action = this.mainAction(pos);
            if (action.kind === 'paint') return this.app.painting.paintColour(action.items[0]);
            return this.importColours(action.items);
        }

        // Imports, in the chosen finish, the colours not yet in the project in it, filed by family;
        // a failure keeps the selection. Resolves with whether all of them are in the project now.
        importColours(items) {
            const app = this.app;
            if (!items.length || this.busy) return Promise.resolve(false);
            if (!app.bridge.connected()) {
                app.messages.error(NOT_CONNECTED);
                return Promise.resolve(false);
            }
            const fresh = items.filter((c) => !app.catalogue.materialFor(c));
            const skipped = items.length - fresh.length;
            const finish = app.details.chosenFinish();
            if (!fresh.length) {
                app.messages.info(items.length === 1 ? `${items[0].code} is already in the project in ${finish.label.toLowerCase()}.`
                    : `These colours are already in the project in ${finish.label.toLowerCase()}.`);
                app.selection.drop(items);
                return Promise.resolve(true);
            }
            // A colour already in the project in another finish gets the finish in its name.
            const entries = Virel.catalogue.entriesFor(fresh, finish, (id) => app.rangeView.familyLabel(id),
                (c) => app.catalogue.finishesOf(c).length > 0);
            const hadFocus = document.activeElement;
            this.setBusy(true);
            // Busy until the new catalogue is the page's, so the button never offers the colours again.
            return app.bridge.catalogueCall('createMaterials', JSON.stringify(entries)).then((root) => app.catalogue.apply(root)).then(() => {
                this.setBusy(false);
                app.selection.drop(items);
                let text = `Imported ${fresh.length === 1 ? fresh[0].code + ' ' + fresh[0].name : fresh.length + ' colours'}`
                    + ` (${finish.label.toLowerCase()}).`;
                if (skipped) {
                    text += ` ${skipped} already in the project in ${finish.label.toLowerCase()} ${skipped === 1 ? 'was left as it was.' : 'were left as they were.'}`;
                }
                app.messages.info(text);
                app.keepFocus(hadFocus);
                return true;
            }, (e) => {
                this.setBusy(false);
                app.failed(e, 'Your selection is kept, so you can try again.');
                app.keepFocus(hadFocus);
                return false;
            });
        }

        setBusy(busy) {
            this.busy = busy;
            this.app.details.renderImport();
        }

        // Asks before removing a material: faces painted with it lose it, and no undo of the page
        // gives it back to them.
        remove(id) {
            const material = this.app.catalogue.byId(id);
            if (!material) return Promise.resolve(false);
            return this.app.messages.confirm(`Remove ${material.name} from the project? Faces painted with it lose it.`, 'Remove')
                .then((yes) => (yes ? this.removeNow(id) : false));
        }

        // Removes a material; for a few seconds the message offers to import it again.
        removeNow(id) {
            const app = this.app;
            const material = app.catalogue.byId(id);
            const label = material?.name || 'the material';
            return app.bridge.catalogueCall('deleteMaterial', id).then((root) => app.catalogue.apply(root)).then(() => {
                const again = material ? { label: 'Import again', run: () => this.restore(material) } : null;
                app.messages.info(`Removed ${label} from the project. Faces painted with it lost it.`, again);
                return true;
            }, (e) => { app.failed(e); return false; });
        }

        // Imports a removed material again, as a new material with its name, colour, folder and
        // product values. Faces that had the old one are not painted with it again.
        restore(material) {
            const app = this.app;
            const entry = {
                name: material.name,
                color: { red: material.rgb.r, green: material.rgb.g, blue: material.rgb.b },
                path: material.folderPath.replace(/\/+$/, ''),
                product: material.product || {}
            };
            return app.bridge.catalogueCall('createMaterials', JSON.stringify([entry])).then((root) => app.catalogue.apply(root)).then(() => {
                app.messages.info(`Imported ${material.name} again, as a new material. Faces that lost it are not painted with it again.`);
            }, (e) => app.failed(e));
        }
    }

    Virel.ImportController = ImportController;
})(window.Virel = window.Virel || {});
