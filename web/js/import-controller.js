/* Importing colours of the range into the project as materials, and removing them again. */
(function (Virel) {
    'use strict';

    const NOT_CONNECTED = Virel.Messages.NOT_CONNECTED;

    class ImportController {
        constructor(app) {
            this.app = app;
            this.busy = false;
        }

        importActiveOrSelection(pos) {
            let items = this.app.selection.items();
            if (!items.length) {
                const item = this.app.rangeView.itemAt(pos);
                if (item) items = [item];
            }
            return this.importColours(items, false);
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
            return app.bridge.catalogueCall('createMaterials', JSON.stringify(entries)).then((root) => {
                this.setBusy(false);
                app.catalogue.apply(root);
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
            return app.bridge.catalogueCall('deleteMaterial', id).then((root) => {
                app.catalogue.apply(root);
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
            return app.bridge.catalogueCall('createMaterials', JSON.stringify([entry])).then((root) => {
                app.catalogue.apply(root);
                app.messages.info(`Put ${material.name} back in the project.`);
            }, (e) => app.failed(e));
        }
    }

    Virel.ImportController = ImportController;
})(window.Virel = window.Virel || {});
