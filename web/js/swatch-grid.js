/* A grid of colour swatches that draws only the rows in view, so the whole range scrolls
   smoothly. It is a multi-select listbox: the active swatch is its aria-activedescendant. */
(function (Virel) {
    'use strict';

    const OVERSCAN_ROWS = 1;
    // A swatch's left and right padding, less than which a name's line has.
    const NAME_PADDING_PX = 8;

    // options: { cellWidth, cellHeight, gap, label(item), marks(item) -> { selected, inProject },
    //            onActive(pos), onToggle(pos), onEnter(pos), onPick(pos, event), onExtend(pos) }
    function SwatchGrid(element, options) {
        this.el = element;
        this.opt = options;
        this.spacer = element.querySelector('.grid-spacer');
        this.empty = element.querySelector('.grid-empty');
        this.items = [];
        this.active = -1;
        this.pool = [];
        this.cols = 1;
        this.cellW = options.cellWidth;
        this.cellH = options.cellHeight;
        this.rowH = options.cellHeight + options.gap;
        this.first = 0;
        this.last = -1;
        const self = this;
        element.addEventListener('scroll', function () { self.render(); });
        element.addEventListener('keydown', function (e) { self._key(e); });
        element.addEventListener('click', function (e) {
            const cell = e.target.closest ? e.target.closest('.sw') : null;
            if (!cell || !self.el.contains(cell)) return;
            const pos = Number(cell.getAttribute('data-pos'));
            self.setActive(pos, false);
            self.opt.onPick(pos, e);
        });
        if (typeof ResizeObserver === 'function') {
            new ResizeObserver(function () { self.layout(); }).observe(element);
        } else {
            window.addEventListener('resize', function () { self.layout(); });
        }
    }

    SwatchGrid.prototype.setItems = function (items, active) {
        this.items = items;
        this.active = items.length ? Math.max(0, Math.min(active || 0, items.length - 1)) : -1;
        this.empty.hidden = items.length > 0;
        this.layout(true);
        this.el.scrollTop = 0;
        this.reveal();
        this.render(true);
    };

    // Fits the columns to the grid's width; drawing waits when the caller draws next anyway.
    // Swatches grow with the window, a little wider and taller than the width alone would make
    // them, so that a wider palette shows longer names whole rather than only more columns.
    SwatchGrid.prototype.layout = function (noDraw) {
        const width = this.el.clientWidth - this.opt.gap;
        const least = Math.max(this.opt.cellWidth, Math.round(36 + width / 14));
        this.cols = Math.max(1, Math.floor(width / (least + this.opt.gap)));
        this.cellW = Math.floor(width / this.cols) - this.opt.gap;
        const cellH = Math.max(this.opt.cellHeight, Math.min(Math.round(this.cellW * 0.72), 80));
        if (cellH !== this.cellH) {
            this.cellH = cellH;
            this.rowH = cellH + this.opt.gap;
            for (const cell of this.pool) cell.style.height = cellH + 'px';
        }
        const rows = Math.ceil(this.items.length / this.cols);
        const height = (rows * this.rowH + this.opt.gap) + 'px';
        if (this.spacer.style.height !== height) this.spacer.style.height = height;
        if (!noDraw) this.render(true);
    };

    SwatchGrid.prototype.pageRows = function () {
        return Math.max(1, Math.floor(this.el.clientHeight / this.rowH));
    };

    // Keeps the active swatch's row in view.
    SwatchGrid.prototype.reveal = function () {
        if (this.active < 0) return;
        const top = Math.floor(this.active / this.cols) * this.rowH;
        const bottom = top + this.rowH + this.opt.gap;
        if (top < this.el.scrollTop) this.el.scrollTop = top;
        else if (bottom > this.el.scrollTop + this.el.clientHeight) this.el.scrollTop = bottom - this.el.clientHeight;
    };

    SwatchGrid.prototype.setActive = function (pos, reveal) {
        if (!this.items.length) return;
        pos = Math.max(0, Math.min(pos, this.items.length - 1));
        this.active = pos;
        if (reveal !== false) this.reveal();
        this.render(true);
        this.opt.onActive(pos);
    };

    // Whether a name has a word wider than a swatch's line of the given width: such a name is
    // shown on one line cut with an ellipsis, so that no word is ever broken across lines.
    SwatchGrid.prototype.hasLongWord = function (name, width) {
        if (!this._measure) {
            const style = getComputedStyle(this.cellFor(0)._name);
            this._measure = document.createElement('canvas').getContext('2d');
            this._measure.font = `${style.fontWeight} ${style.fontSize} ${style.fontFamily}`;
            this._widths = new Map();
        }
        for (const word of name.split(' ')) {
            let w = this._widths.get(word);
            if (w === undefined) { w = this._measure.measureText(word).width; this._widths.set(word, w); }
            if (w > width) return true;
        }
        return false;
    };

    SwatchGrid.prototype.cellFor = function (k) {
        let cell = this.pool[k];
        if (!cell) {
            const h = Virel.dom.h;
            // The code and the name are separate lines with a space between, so the swatch's text
            // reads "VWH-9902 White", as its accessible name begins.
            const code = h('span', { className: 'sw-code' });
            const name = h('span', { className: 'sw-name' });
            cell = h('div', { className: 'sw', role: 'option' }, h('span', { className: 'sw-text' }, code, ' ', name),
                h('span', { className: 'sw-mark', 'aria-hidden': 'true' }));
            cell._code = code;
            cell._name = name;
            cell._item = null;
            cell._state = null;
            cell._pos = -1;
            cell.style.height = this.cellH + 'px';
            this.el.appendChild(cell);
            this.pool[k] = cell;
        }
        return cell;
    };

    // Draws the rows in view; force redraws the marks of swatches already drawn.
    SwatchGrid.prototype.render = function (force) {
        const top = this.el.scrollTop, height = this.el.clientHeight || this.rowH * 8;
        const firstRow = Math.max(0, Math.floor(top / this.rowH) - OVERSCAN_ROWS);
        const lastRow = Math.floor((top + height) / this.rowH) + OVERSCAN_ROWS;
        const first = firstRow * this.cols;
        const last = Math.min(this.items.length - 1, (lastRow + 1) * this.cols - 1);
        if (!force && first === this.first && last === this.last) return;
        this.first = first;
        this.last = last;
        const gap = this.opt.gap, w = this.cellW;
        let k = 0;
        for (let pos = first; pos <= last; pos++, k++) {
            const item = this.items[pos];
            const cell = this.cellFor(k);
            const x = gap + (pos % this.cols) * (w + gap);
            const y = gap + Math.floor(pos / this.cols) * this.rowH;
            if (cell._pos !== pos || cell._x !== x || cell._y !== y || cell._w !== w) {
                cell.style.transform = 'translate(' + x + 'px,' + y + 'px)';
                if (cell._w !== w) cell.style.width = w + 'px';
                cell._x = x;
                cell._y = y;
                cell._w = w;
            }
            if (cell._pos !== pos) {
                cell._pos = pos;
                cell.setAttribute('data-pos', pos);
                cell.id = 'sw-' + pos;
                cell._state = null;
            }
            if (cell.style.display === 'none') cell.style.display = '';
            if (cell._item !== item || cell._nameW !== w) {
                cell._nameW = w;
                cell._name.textContent = item.name;
                cell._name.className = this.hasLongWord(item.name, w - NAME_PADDING_PX) ? 'sw-name is-cut' : 'sw-name';
            }
            if (cell._item !== item) {
                cell._item = item;
                cell.style.background = item.hex;
                cell.style.color = item.ink || Virel.colour.inkFor(item.rgb);
                cell._code.textContent = item.code;
                cell.title = item.code + ' ' + item.name;
                cell._state = null;
            }
            const marks = this.opt.marks(item);
            const state = (marks.selected ? 's' : '') + (marks.inProject ? 'p' : '') + (pos === this.active ? 'a' : '');
            if (state !== cell._state) {
                cell._state = state;
                cell.className = 'sw' + (marks.selected ? ' is-selected' : '') + (marks.inProject ? ' in-project' : '')
                    + (pos === this.active ? ' is-active' : '');
                cell.setAttribute('aria-selected', marks.selected ? 'true' : 'false');
                cell.setAttribute('aria-label', this.opt.label(item, marks));
            }
        }
        for (; k < this.pool.length; k++) {
            if (this.pool[k].style.display !== 'none') {
                this.pool[k].style.display = 'none';
                this.pool[k].removeAttribute('id');
                this.pool[k]._pos = -1;
            }
        }
        if (this.active >= 0 && this.active >= first && this.active <= last) {
            this.el.setAttribute('aria-activedescendant', 'sw-' + this.active);
        } else {
            this.el.removeAttribute('aria-activedescendant');
        }
    };

    SwatchGrid.prototype._key = function (e) {
        if (!this.items.length) return;
        const pos = this.active < 0 ? 0 : this.active;
        let next = null;
        switch (e.key) {
            case 'ArrowRight': next = pos + 1; break;
            case 'ArrowLeft': next = pos - 1; break;
            case 'ArrowDown': next = pos + this.cols; break;
            case 'ArrowUp': next = pos - this.cols; break;
            case 'PageDown': next = pos + this.cols * this.pageRows(); break;
            case 'PageUp': next = pos - this.cols * this.pageRows(); break;
            case 'Home': next = e.ctrlKey ? 0 : pos - (pos % this.cols); break;
            case 'End': next = e.ctrlKey ? this.items.length - 1 : Math.min(this.items.length - 1, pos - (pos % this.cols) + this.cols - 1); break;
            case ' ': e.preventDefault(); this.opt.onToggle(pos); return;
            case 'Enter': e.preventDefault(); this.opt.onEnter(pos); return;
            default: return;
        }
        e.preventDefault();
        if (next < 0 || next >= this.items.length) {
            next = Math.max(0, Math.min(next, this.items.length - 1));
        }
        this.setActive(next);
        if (e.shiftKey) this.opt.onExtend(next);
    };

    Virel.SwatchGrid = SwatchGrid;
})(window.Virel = window.Virel || {});
