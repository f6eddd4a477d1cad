// The palette as a floating panel of the palette's size: it follows the host's palette (shown,
// hidden, resized), its close box asks the add-on to close, its corner resizes it as the host
// does. It opens where it covers the model least and stays inside the window when that shrinks.
// In a tab that does not hold the palette it says where the palette is, with a button to move it.
const MARGIN = 8;

function overlap(a, b) {
    if (!a || !b) return 0;
    return Math.max(0, Math.min(a.right, b.right) - Math.max(a.left, b.left)) * Math.max(0, Math.min(a.bottom, b.bottom) - Math.max(a.top, b.top));
}

export class PalettePanel {
    // area(): the box the panel opens in; modelBox(): the model's box on the page, or null;
    // onMoved(): the panel has moved or changed size; onOpened(box): it has opened there.
    constructor(panel, { onStep, onTake, area, modelBox, onMoved, onOpened }) {
        this.onOpened = onOpened;
        this.panel = panel;
        this.body = panel.querySelector('#palette-body');
        this.elsewhere = panel.querySelector('#palette-elsewhere');
        this.area = area;
        this.modelBox = modelBox;
        this.onMoved = onMoved;
        this.placed = false;
        panel.querySelector('#palette-close').addEventListener('click', () => onStep({ do: 'closePalette' }));
        panel.querySelector('#palette-take').addEventListener('click', onTake);
        this.dragCorner(panel.querySelector('#palette-grip'), onStep);
        this.dragTitle(panel.querySelector('#palette-title'));
        window.addEventListener('resize', () => this.keepInside());
    }

    show(palette, title, holds) {
        const shown = palette.exists && palette.visible;
        this.panel.hidden = !shown;
        this.elsewhere.hidden = holds;
        if (!palette.exists) {
            this.placed = false;
            return;
        }
        this.body.style.width = palette.width + 'px';
        this.body.style.height = palette.height + 'px';
        this.panel.querySelector('#palette-name').textContent = title;
        if (!shown) return;
        if (!this.placed) this.placeAway();
        else this.keepInside();
    }

    // Of the area's four corners, the one where the panel covers the least of the model (the
    // top right when they are alike). A panel too wide to leave a quarter of the area free beside
    // it may also lie at the window's left edge, over the host's side panel, so that the model
    // still has room beside it (at 800 x 600 the area is narrower than the palette).
    placeAway() {
        const area = this.area(), model = this.modelBox();
        const { width, height } = this.panel.getBoundingClientRect();
        const lefts = [area.right - width - MARGIN, area.left + MARGIN], tops = [area.top + MARGIN, area.bottom - height - MARGIN];
        if (area.right - area.left - width - MARGIN < (area.right - area.left) / 4) lefts.push(MARGIN);
        let best = null;
        for (const top of tops) for (const left of lefts) {
            const covered = overlap({ left, top, right: left + width, bottom: top + height }, model);
            if (!best || covered < best.covered - 1) best = { left, top, covered };
        }
        this.placed = true;
        this.moveTo(best.left, best.top);
        this.onOpened(this.panel.getBoundingClientRect());
    }

    // The whole panel inside the window, as far as it fits; its title bar always.
    keepInside() {
        if (this.panel.hidden || !this.placed) return;
        const box = this.panel.getBoundingClientRect();
        this.moveTo(box.left, box.top);
    }

    moveTo(left, top) {
        const { width, height } = this.panel.getBoundingClientRect();
        const x = Math.max(0, Math.min(left, window.innerWidth - width));
        const y = Math.max(0, Math.min(top, window.innerHeight - height));
        this.panel.style.left = Math.round(x) + 'px';
        this.panel.style.top = Math.round(y) + 'px';
        this.onMoved();
    }

    dragCorner(grip, onStep) {
        grip.addEventListener('pointerdown', (down) => {
            down.preventDefault();
            grip.setPointerCapture(down.pointerId);
            const up = (event) => {
                grip.removeEventListener('pointerup', up);
                const dx = Math.round(event.clientX - down.clientX), dy = Math.round(event.clientY - down.clientY);
                if (dx || dy) onStep({ do: 'resizePalette', dx, dy });
            };
            grip.addEventListener('pointerup', up);
        });
    }

    dragTitle(title) {
        title.addEventListener('pointerdown', (down) => {
            if (down.target.tagName === 'BUTTON') return;
            const start = this.panel.getBoundingClientRect();
            title.setPointerCapture(down.pointerId);
            const move = (event) => this.moveTo(start.left + event.clientX - down.clientX, start.top + event.clientY - down.clientY);
            title.addEventListener('pointermove', move);
            title.addEventListener('pointerup', () => title.removeEventListener('pointermove', move), { once: true });
        });
    }
}
