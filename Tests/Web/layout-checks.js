'use strict';
// What a page layout hides from the user: controls whose text is cut or that lie where no
// scrolling brings them, and how much of the swatch grid can be seen.

// Runs in the page. A control is cut when its text is wider than the room inside it (a menu's
// arrow takes SELECT_ARROW_PX of that room), or when it sticks out of the page or out of a box
// that clips without scrolling.
function findCutControls(selectArrowPx) {
    const ctx = document.createElement('canvas').getContext('2d');
    const textWidth = (el, text) => {
        const s = getComputedStyle(el);
        ctx.font = `${s.fontStyle} ${s.fontWeight} ${s.fontSize} ${s.fontFamily}`;
        return ctx.measureText(text).width;
    };
    const room = (el) => {
        const s = getComputedStyle(el);
        return el.clientWidth - parseFloat(s.paddingLeft) - parseFloat(s.paddingRight);
    };
    const shown = (el) => el.getClientRects().length > 0 && getComputedStyle(el).visibility !== 'hidden' && !el.closest('dialog');
    const out = [];
    const pageWidth = document.documentElement.clientWidth;
    for (const el of document.querySelectorAll('button, select, input')) {
        if (!shown(el)) continue;
        const name = el.id || el.getAttribute('aria-label') || el.textContent.trim() || el.className;
        let cut = false;
        if (el.tagName === 'SELECT') cut = textWidth(el, el.selectedOptions[0]?.textContent || '') > room(el) - selectArrowPx;
        else if (el.tagName === 'INPUT') cut = textWidth(el, el.value || el.placeholder) > room(el);
        else cut = el.scrollWidth > el.clientWidth + 1;
        const r = el.getBoundingClientRect();
        let outside = r.left < -0.5 || r.right > pageWidth + 0.5;
        for (let box = el.parentElement; box && !outside; box = box.parentElement) {
            const s = getComputedStyle(box);
            const b = box.getBoundingClientRect();
            if (s.overflowX === 'hidden' && (r.left < b.left - 0.5 || r.right > b.right + 0.5)) outside = true;
            if (s.overflowY === 'hidden' && box !== document.body && box !== document.documentElement
                && (r.top < b.top - 0.5 || r.bottom > b.bottom + 0.5)) outside = true;
        }
        if (cut) out.push(`${name}: text cut`);
        if (outside) out.push(`${name}: out of reach`);
    }
    return out;
}

const SELECT_ARROW_PX = 16;

// { cut: [...], gridHeight, swatchesInView }
function controlProblems(page) {
    return page.evaluate(([find, arrow]) => {
        const cut = (0, eval)(`(${find})`)(arrow);
        const grid = document.getElementById('grid').getBoundingClientRect();
        const swatchesInView = [...document.querySelectorAll('#grid .sw')].filter((el) => {
            const r = el.getBoundingClientRect();
            return el.style.display !== 'none' && r.top >= grid.top && r.bottom <= grid.bottom && r.height > 0;
        }).length;
        return { cut, gridHeight: Math.round(grid.height), swatchesInView };
    }, [findCutControls.toString(), SELECT_ARROW_PX]);
}

module.exports = { controlProblems };
