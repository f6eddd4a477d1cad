/* Importing colours of the range into the project as materials, and removing them again. */
(function (Virel) {
    'use strict';

    const NOT_CONNECTED = Virel.Messages.NOT_CONNECTED;

    class ImportController {
        constructor(app) {
            this.app = app;
            this.busy = false;
        }

        // What the Colour panel's main button and Enter in the grid do for the colour at pos or the
        // selection: import the colours not yet in the project, or, for one colour already there,
        // paint with it. -> { kind: 'import' | 'paint' | 'none', items, text }
        mainAction(pos) {
            const app = this.app;
            const selected = app.selection.items();
            const fresh = selected.filter((c) => !app.catalogue.inProject(c));
            if (fresh.length) return { kind: 'import', items: selected, text: `Import ${fresh.length} ${fresh.length === 1 ? 'colour' : 'colours'}` };
            const item = selected.length === 1 ? selected[0] : selected.length ? null : app.rangeView.itemAt(pos);
            if (!item) return { kind: 'none', items: [], text: selected.length ? 'All in the project' : 'Import' };
            if (app.catalogue.inProject(item)) return { kind: 'paint', items: [item], text: 'Paint with ' + item.code };
            return { kind: 'import', items: [item], text: 'Import ' + item.code };
        }

        runMainAction(pos) {
            const action = this.mainAction(pos);
            if (action.kind === 'paint') return this.app.painting.paintWith(action.items[0]);
            return this.importColours(action.items, false);
        }

        // Imports the colours not yet in the project, filed by family; a failure keeps the selection.
        importColours(items, chooseFirst) {
            const app = this.app;
            if (!items.length || this.busy) return Promise.resolve(false);
            if (!app.bridge.connected()) {
                app.messages.error(NOT_CONNECTED);
                return Promise.resolve(false);
            }
            const fresh = items.filter((c) => !app.catalogue.inProject(c));
            const skipped = items.length - fresh.length;
            if (!fresh.length) {
                if (chooseFirst) app.painting.chooseColour(items[0]);
                else app.messages.info(items.length === 1 ? items[0].code + ' is already in the project.' : 'These colours are already in the project.');
                app.selection.drop(items);
                return Promise.resolve(true);
            }
            const finish = app.details.chosenFinish();
            const entries = Virel.catalogue.entriesFor(fresh, finish, (id) => app.rangeView.familyLabel(id));
            const hadFocus = document.activeElement;
            this.setBusy(true);
            // Busy until the new catalogue is the page's, so the button never offers the colours again.
            return app.bridge.catalogueCall('createMaterials', JSON.stringify(entries)).then((root) => app.catalogue.apply(root)).then(() => {
                this.setBusy(false);
                app.selection.drop(items);
                let text = `Imported ${fresh.length === 1 ? fresh[0].code + ' ' + fresh[0].name : fresh.length + ' colours'}`
                    + ` (${finish.label.toLowerCase()}).`;
                if (skipped) {
                    text += ` ${skipped} already in the project ${skipped === 1 ? 'was left as it was.' : 'were left as they were.'}`;
                }
                app.messages.info(text);
                if (chooseFirst) app.painting.chooseColour(items[0]);
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

        // Removes a material; for a few seconds the message offers to put it back as it was.
        remove(id) {
            const app = this.app;
            const material = app.catalogue.byId(id);
            const label = material?.name || 'the material';
            return app.bridge.catalogueCall('deleteMaterial', id).then((root) => app.catalogue.apply(root)).then(() => {
                const undo = material ? { label: 'Undo', run: () => this.restore(material) } : null;
                app.messages.info(`Removed ${label} from the project.`, undo);
            }, (e) => app.failed(e));
        }

        // Imports a removed material again with its name, colour, folder and product values.
        restore(material) {
            const app = this.app;
            const entry = {
                name: material.name,
                color: { red: material.rgb.r, green: material.rgb.g, blue: material.rgb.b },
                path: material.folderPath.replace(/\/+$/, ''),
                product: material.product || {}
            };
            return app.bridge.catalogueCall('createMaterials', JSON.stringify([entry])).then((root) => app.catalogue.apply(root)).then(() => {
                app.messages.info(`Put ${material.name} back in the project.`);
            }, (e) => app.failed(e));
        }
    }

    Virel.ImportController = ImportController;
})(window.Virel = window.Virel || {});
