// The palette as a floating panel of the palette's size: it follows the host's palette (shown,
// hidden, resized), its close box asks the add-on to close, its corner resizes it as the host does.

export class PalettePanel {
    constructor(panel, onStep) {
        this.panel = panel;
        this.body = panel.querySelector('#palette-body');
        panel.querySelector('#palette-close').addEventListener('click', () => onStep({ do: 'closePalette' }));
        this.dragCorner(panel.querySelector('#palette-grip'), onStep);
        this.dragTitle(panel.querySelector('#palette-title'));
    }

    show(palette, title) {
        this.panel.hidden = !(palette.exists && palette.visible);
        if (!palette.exists) return;
        this.body.style.width = palette.width + 'px';
        this.body.style.height = palette.height + 'px';
        this.panel.querySelector('#palette-name').textContent = title;
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
            const move = (event) => {
                this.panel.style.left = start.left + event.clientX - down.clientX + 'px';
                this.panel.style.top = start.top + event.clientY - down.clientY + 'px';
                this.panel.style.right = 'auto';
            };
            title.addEventListener('pointermove', move);
            title.addEventListener('pointerup', () => title.removeEventListener('pointermove', move), { once: true });
        });
    }
}

