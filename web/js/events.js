/* window.VirelEvents: the add-on calls these methods by running one line of script in the page.
   Loaded first, so that a line that comes before the palette's code is ready is kept, not lost. */
(function () {
    'use strict';
    var handler = null;
    var queue = [];

    function deliver(name, args) {
        if (handler) {
            try { handler(name, args); } catch (e) { if (window.console) console.error(e); }
        } else {
            queue.push([name, args]);
        }
    }

    window.VirelEvents = {
        onCreated: function () { deliver('created', []); },
        onShow: function () { deliver('show', []); },
        onHide: function () { deliver('hide', []); },
        onDestroy: function () { deliver('destroy', []); },
        onIsPainting: function (painting) { deliver('isPainting', [painting === true || painting === 'true']); },
        onMaterialsModified: function (catalogue) { deliver('materialsModified', [catalogue]); },
        onElementSelected: function (guidText, elementIndex, bodyIndex, polygonIndex) {
            deliver('elementSelected', [String(guidText), elementIndex, bodyIndex, polygonIndex]);
        }
    };

    // The palette's code attaches here once; lines that arrived earlier are handed over in order.
    window.VirelEventsAttach = function (fn) {
        handler = fn;
        var pending = queue;
        queue = [];
        for (var i = 0; i < pending.length; i++) deliver(pending[i][0], pending[i][1]);
    };
})();
