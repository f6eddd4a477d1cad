/* window.VirelEvents: the add-on calls these methods by running one line of script in the page.
   Loaded first, so that a line that comes before the palette's code is ready is kept, not lost. */
(function (Virel) {
    'use strict';
    let handler = null;
    let queue = [];

    function deliver(name, args) {
        if (!handler) {
            queue.push([name, args]);
            return;
        }
        try {
            handler(name, args);
        } catch (e) {
            console.error(e);
        }
    }

    window.VirelEvents = {
        onCreated: () => deliver('created', []),
        onShow: () => deliver('show', []),
        onHide: () => deliver('hide', []),
        onDestroy: () => deliver('destroy', []),
        onIsPainting: (painting) => deliver('isPainting', [painting === true || painting === 'true']),
        onMaterialsModified: (catalogue) => deliver('materialsModified', [catalogue]),
        onElementSelected: (guidText, elementIndex, bodyIndex, polygonIndex) =>
            deliver('elementSelected', [String(guidText), elementIndex, bodyIndex, polygonIndex])
    };

    // The palette's code attaches here once; lines that arrived earlier are handed over in order.
    Virel.attachEvents = function (fn) {
        handler = fn;
        const pending = queue;
        queue = [];
        for (const [name, args] of pending) deliver(name, args);
    };
})(window.Virel = window.Virel || {});
