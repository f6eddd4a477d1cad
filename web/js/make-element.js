/* Builds a DOM element from a tag, its properties and its children, so views set text as
   text and never assemble markup from colour names. */
(function (Virel) {
    'use strict';

    // props: DOM properties (className, textContent, type, ...), "style" as an object, "data" as
    // data-* values, and any name with a dash or "aria"/"role" prefix as an attribute.
    // children: elements or strings, null and false left out.
    function makeElement(tag, props, children) {
        var el = document.createElement(tag);
        var p = props || {};
        Object.keys(p).forEach(function (name) {
            var value = p[name];
            if (value === undefined || value === null || value === false) return;
            if (name === 'style') Object.assign(el.style, value);
            else if (name === 'data') Object.keys(value).forEach(function (k) { el.setAttribute('data-' + k, value[k]); });
            else if (name.indexOf('-') >= 0 || name === 'role') el.setAttribute(name, value === true ? 'true' : String(value));
            else el[name] = value;
        });
        (children || []).forEach(function (child) {
            if (child === null || child === false || child === undefined) return;
            el.appendChild(typeof child === 'string' ? document.createTextNode(child) : child);
        });
        return el;
    }

    Virel.makeElement = makeElement;
})(window.Virel = window.Virel || {});
