/* What the page does when the add-on tells it something through window.VirelEvents. */
(function (Virel) {
    'use strict';

    Virel.listenToAddOn = function (app) {
        const handlers = {
            created: () => { app.renderConnection(); app.catalogue.refresh(); },
            show: () => { app.renderConnection(); app.catalogue.refresh(); },
            hide: () => {},
            destroy: () => app.painting.setActive(false),
            isPainting: (painting) => app.painting.setActive(!!painting),
            materialsModified: (catalogue) => app.catalogue.apply(catalogue),
            elementSelected: (guid, elementIndex, bodyIndex, polygonIndex) =>
                app.painting.onElementSelected(guid, elementIndex, bodyIndex, polygonIndex)
        };
        Virel.attachEvents((name, args) => handlers[name]?.(...args));
    };
})(window.Virel = window.Virel || {});
