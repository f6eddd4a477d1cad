/* The colours picked in the grid for the next import. A click picks one colour; Ctrl or Cmd adds
   or removes it; Shift takes the run from the last pick. */
(function (Virel) {
    'use strict';

    class Selection {
        constructor(app) {
            this.app = app;
            this.picked = new Set();   // range indices
            this.anchor = -1;          // grid position of the last pick
            app.el.clearSelection.addEventListener('click', () => {
                this.clear();
                app.keepFocus(null);
            });
        }

        get count() {
            return this.picked.size;
        }

        has(item) {
            return this.picked.has(item.index);
        }

        set(item, on) {
            if (on) this.picked.add(item.index); else this.picked.delete(item.index);
        }

        toggle(item) {
            if (!item) return;
            this.set(item, !this.has(item));
            this.app.redrawSelection();
        }

        toggleAt(pos) {
            this.toggle(this.app.rangeView.itemAt(pos));
            this.anchor = pos;
        }

        clear() {
            this.picked.clear();
            this.app.redrawSelection();
        }

        pick(pos, e) {
            const item = this.app.rangeView.itemAt(pos);
            if (!item) return;
            if (e.shiftKey && this.anchor >= 0) {
                this.extendTo(pos);
                return;
            }
            if (e.ctrlKey || e.metaKey) {
                this.set(item, !this.has(item));
            } else {
                this.picked.clear();
                this.set(item, true);
            }
            this.anchor = pos;
            this.app.redrawSelection();
        }

        extendTo(pos) {
            const from = this.anchor >= 0 ? this.anchor : pos;
            for (let p = Math.min(from, pos); p <= Math.max(from, pos); p++) this.set(this.app.rangeView.itemAt(p), true);
            if (this.anchor < 0) this.anchor = pos;
            this.app.redrawSelection();
        }

        // The picked colours in range order.
        items() {
            const colours = this.app.range.colours;
            return [...this.picked].sort((a, b) => a - b).map((i) => colours[i]);
        }

        drop(items) {
            for (const item of items) this.set(item, false);
            this.app.redrawSelection();
        }
    }

    Virel.Selection = Selection;
})(window.Virel = window.Virel || {});
