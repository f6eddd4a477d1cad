/* How typed search text is read: folded so that accents, case and British or American spelling
   do not matter, and recognised as a colour when it is a hex value or "r, g, b". */
(function (Virel) {
    'use strict';

    // Letters that do not decompose into a base letter and an accent.
    const LETTERS = { 'æ': 'ae', 'œ': 'oe', 'ø': 'o', 'ß': 'ss', 'ł': 'l', 'đ': 'd', 'ð': 'd', 'þ': 'th', 'ı': 'i' };
    const SPELLINGS = [[/grey/g, 'gray'], [/colour/g, 'color']];

    // "Crème Brûlée" -> "creme brulee"; "Father’s Grey" -> "fathers gray".
    function fold(text) {
        const plain = String(text).normalize('NFD').replace(/[\u0300-\u036f]/g, '').toLowerCase()
            .replace(/[æœøßłđðþı]/g, (ch) => LETTERS[ch])
            .replace(/['’‘`]/g, '');
        return SPELLINGS.reduce((t, [pattern, spelling]) => t.replace(pattern, spelling), plain);
    }

    function fromHexDigits(digits) {
        const h = digits.length === 3 ? digits.replace(/./g, '$&$&') : digits;
        const n = parseInt(h, 16);
        return { r: (n >> 16) & 255, g: (n >> 8) & 255, b: n & 255 };
    }

    const RGB = /^(?:rgb\s*\(\s*)?(\d{1,3})\s*[,\s]\s*(\d{1,3})\s*[,\s]\s*(\d{1,3})\s*\)?$/;

    // A typed colour -> { rgb, wordLike } or null. "#c93f38", "#c3f", "c93f38", "201, 63, 56",
    // "201 63 56" and "rgb(201, 63, 56)" are colours. Three digits without "#" are left to text
    // search (they are part of a colour code); six hex letters without "#" ("facade") are
    // wordLike: a colour only when no name or code contains them.
    function colourQuery(text) {
        const t = String(text || '').trim().toLowerCase();
        const hex = /^#([0-9a-f]{3}|[0-9a-f]{6})$/.exec(t);
        if (hex) return { rgb: fromHexDigits(hex[1]), wordLike: false };
        if (/^[0-9a-f]{6}$/.test(t)) return { rgb: fromHexDigits(t), wordLike: !/[0-9]/.test(t) };
        const rgb = RGB.exec(t);
        if (!rgb || t.includes('(') !== t.includes(')')) return null;
        const [r, g, b] = rgb.slice(1).map(Number);
        return r <= 255 && g <= 255 && b <= 255 ? { rgb: { r, g, b }, wordLike: false } : null;
    }

    Virel.searchText = { fold, colourQuery };
})(window.Virel = window.Virel || {});
