/* How typed search text is read: folded so that accents, case and British or American spelling
   do not matter, and recognised as a colour when it is a hex value or "r, g, b". */
(function (Virel) {
    'use strict';

    // Letters that do not decompose into a base letter and an accent.
    var LETTERS = { 'æ': 'ae', 'œ': 'oe', 'ø': 'o', 'ß': 'ss', 'ł': 'l', 'đ': 'd', 'ð': 'd', 'þ': 'th', 'ı': 'i' };
    var SPELLINGS = [[/grey/g, 'gray'], [/colour/g, 'color']];

    // "Crème Brûlée" -> "creme brulee"; "Father’s Grey" -> "fathers gray".
    function fold(text) {
        var t = String(text).normalize('NFD').replace(/[\u0300-\u036f]/g, '').toLowerCase()
            .replace(/[æœøßłđðþı]/g, function (ch) { return LETTERS[ch]; })
            .replace(/['’‘`]/g, '');
        for (var i = 0; i < SPELLINGS.length; i++) t = t.replace(SPELLINGS[i][0], SPELLINGS[i][1]);
        return t;
    }

    function fromHexDigits(h) {
        if (h.length === 3) h = h[0] + h[0] + h[1] + h[1] + h[2] + h[2];
        var n = parseInt(h, 16);
        return { r: (n >> 16) & 255, g: (n >> 8) & 255, b: n & 255 };
    }

    // A typed colour -> { rgb, wordLike } or null. "#c93f38", "#c3f", "c93f38", "201, 63, 56",
    // "201 63 56" and "rgb(201, 63, 56)" are colours. Three digits without "#" are left to text
    // search (they are part of a colour code); six hex letters without "#" ("facade") are
    // wordLike: a colour only when no name or code contains them.
    function colourQuery(text) {
        var t = String(text || '').trim().toLowerCase();
        var m = /^#([0-9a-f]{3}|[0-9a-f]{6})$/.exec(t);
        if (m) return { rgb: fromHexDigits(m[1]), wordLike: false };
        if (/^[0-9a-f]{6}$/.test(t)) return { rgb: fromHexDigits(t), wordLike: !/[0-9]/.test(t) };
        m = /^(?:rgb\s*\(\s*)?(\d{1,3})\s*[,\s]\s*(\d{1,3})\s*[,\s]\s*(\d{1,3})\s*\)?$/.exec(t);
        if (m && (t.indexOf('(') < 0) === (t.indexOf(')') < 0)) {
            var rgb = { r: Number(m[1]), g: Number(m[2]), b: Number(m[3]) };
            if (rgb.r <= 255 && rgb.g <= 255 && rgb.b <= 255) return { rgb: rgb, wordLike: false };
        }
        return null;
    }

    Virel.searchText = { fold: fold, colourQuery: colourQuery };
})(window.Virel = window.Virel || {});
