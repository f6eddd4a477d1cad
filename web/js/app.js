/* The Virel Colour Palette page: browse and find colours of the range, import them into the
   project, remove them, and paint them onto faces picked in the 3D window. This file puts the
   controllers together and holds what they share: the elements, the bridge and the message line. */
(function (Virel) {
    'use strict';

    const ELEMENT_IDS = {
        search: 'search', family: 'family', sort: 'sort', grid: 'grid', count: 'count', target: 'target',
        selectionCount: 'selection-count', details: 'details', finish: 'finish', importButton: 'import',
        clearSelection: 'clear-selection', tabColour: 'tab-colour', tabProject: 'tab-project',
        panelColour: 'panel-colour', panelProject: 'panel-project', tabSchemes: 'tab-schemes', panelSchemes: 'panel-schemes', tree: 'tree', treeNote: 'tree-note', paint: 'paint',
        paintMaterial: 'paint-material', paintStatus: 'paint-status', paintbar: 'paintbar', message: 'message',
        messageText: 'message-text', messageClose: 'message-close',
        messageDetail: 'message-detail', messageAction: 'message-action', messageMore: 'message-more', notice: 'notice', theme: 'theme',
        layout: 'layout', hide: 'hide'
    };

    class App {
        constructor() {
            const t0 = performance.now();
            const data = Virel.rangeData;
            this.el = {};
            for (const [key, id] of Object.entries(ELEMENT_IDS)) this.el[key] = Virel.dom.byId(id);
            this.bridge = new Virel.Bridge(window);
            this.range = new Virel.RangeIndex(data || { colours: [] }, Virel.colour);
            this.messages = new Virel.Messages(this.el, () => this.el.grid);
            // Controllers reach each other through the app; none draws before all exist.
            this.selection = new Virel.Selection(this);
            this.catalogue = new Virel.CatalogueController(this);
            this.painting = new Virel.PaintingController(this);
            this.importer = new Virel.ImportController(this);
            this.details = new Virel.DetailsPanel(this);
            this.rangeView = new Virel.RangeController(this);
            this.windowControls = new Virel.WindowControls(this);
            this.schemes = new Virel.Schemes(this);
            this.schedule = new Virel.Schedule(this);
            document.addEventListener('keydown', (e) => this.globalKey(e));
            if (!data) this.messages.error('The colour range is missing from this copy of the palette, so no colours can be shown.');
            this.rangeView.refresh(0);
            this.renderConnection();
            this.catalogue.render();
            this.painting.render();
            this.perf = { firstRender: performance.now() - t0 };
            // Ready for the first keystroke without making the first screen wait for it.
            Virel.whenIdle(() => this.range.prepareSearch());
            Virel.listenToAddOn(this);
            if (this.bridge.connected()) this.catalogue.refresh();
        }

        // Esc stops painting, else closes the message, else clears the selection in the grid;
        // "/" goes to the search box from anywhere but a text field.
        globalKey(e) {
            if (e.key === 'Escape') {
                if (this.painting.active) {
                    e.preventDefault();
                    this.painting.stop();
                } else if (this.messages.shown) {
                    e.preventDefault();
                    this.messages.hide();
                } else if (this.selection.count && document.activeElement === this.el.grid) {
                    e.preventDefault();
                    this.selection.clear();
                }
                return;
            }
            const typing = /^(INPUT|SELECT|TEXTAREA)$/.test(document.activeElement?.tagName || '');
            if (!typing && e.key === '/' && !e.ctrlKey && !e.metaKey) {
                e.preventDefault();
                this.el.search.focus();
                this.el.search.select();
            }
        }

        // Turns the Colour panel to a material's colour and finish, so that it, the Project list
        // and the paint bar show the same current material.
        showMaterial(material) {
            const finish = Virel.finishOfProduct(material.product);
            if (finish) this.details.finish = finish.id;
            const item = material.code && this.range.byCode.get(material.code);
            if (item) this.rangeView.show(item.index, false);
            else this.details.render();
        }

        redrawSelection() {
            this.rangeView.redraw();
            this.rangeView.renderCount();
            this.details.render();
        }

        // After an action that may have hidden or disabled the focused control: focus goes back to
        // it when it can take focus again, else to the grid, never to the document.
        keepFocus(control) {
            const lost = !document.activeElement || document.activeElement === document.body;
            if (!lost) return;
            if (control && control.isConnected && !control.disabled && !control.hidden && control.offsetParent) control.focus();
            else this.el.grid.focus();
        }

        renderConnection() {
            const connected = this.bridge.connected();
            this.el.notice.hidden = connected;
            this.el.notice.textContent = connected ? '' : Virel.Messages.NOT_CONNECTED;
            this.windowControls.renderConnection(connected);
            this.details.renderImport();
            this.painting.render();
        }

        // A call whose failure is only told: the project's materials are read again afterwards.
        run(name, ...arg) {
            return this.bridge.call(name, ...arg).catch((e) => {
                this.failed(e);
                return undefined;
            });
        }

        failed(e, after) {
            this.messages.error(this.messages.plainError(e, after));
            if (e && e.kind !== 'not-connected' && e.call !== 'getMaterials') this.catalogue.refresh(true);
        }
    }

    Virel.App = App;
    Virel.app = new App();
})(window.Virel = window.Virel || {});
