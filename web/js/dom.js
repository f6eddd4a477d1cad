/* Builds the page's elements from values, so no text from the range or the project is ever read
   as markup. The one place the page makes elements. */
(function (Virel) {
    'use strict';

    // h('div', { className, text, style: {...}, dataset: {...}, 'aria-label': ..., disabled: true }, ...children)
    // Attributes that are null, undefined or false are left out; true writes an empty attribute.
    function h(tag, props, ...children) {
        const el = document.createElement(tag);
        for (const [key, value] of Object.entries(props || {})) {
            if (value === null || value === undefined || value === false) continue;
            if (key === 'className') el.className = value;
            else if (key === 'text') el.textContent = value;
            else if (key === 'style') Object.assign(el.style, value);
            else if (key === 'dataset') Object.assign(el.dataset, value);
            else el.setAttribute(key, value === true ? '' : String(value));
        }
        append(el, children);
        return el;
    }

    function append(el, children) {
        for (const child of children.flat(Infinity)) {
            if (child !== null && child !== undefined && child !== false) el.append(child);
        }
    }

    // Replaces an element's content with the given children.
    function fill(el, ...children) {
        el.replaceChildren();
        append(el, children);
        return el;
    }

    Virel.dom = { h, fill, byId: (id) => document.getElementById(id) };
})(window.Virel = window.Virel || {});
