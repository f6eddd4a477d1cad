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

    // A test of whether a word lies in a text with at most one letter wrong, missing, extra,
    // or two neighbours swapped; bit-parallel, one step per letter of the text.
    // Bit i of r0 (r1): the word's first i + 1 letters end here exactly (with one edit).
    function nearTest(word) {
        const m = word.length;
        if (m > 30) return () => false;
        const masks = new Int32Array(128);
        const other = new Map();
        for (let i = 0; i < m; i++) {
            const code = word.charCodeAt(i);
            if (code < 128) masks[code] |= 1 << i; else other.set(code, (other.get(code) || 0) | (1 << i));
        }
        const maskOf = (code) => (code < 128 ? masks[code] : other.get(code) || 0);
        const last = 1 << (m - 1);
        return (text) => {
            let r0 = 0, r1 = 0, r0Before = 0, maskBefore = 0;
            for (let j = 0; j < text.length; j++) {
                const mask = maskOf(text.charCodeAt(j));
                const old0 = r0;
                r0 = ((r0 << 1) | 1) & mask;
                r1 = (((r1 << 1) | 1) & mask)       // the letters match
                    | (old0 << 1) | 1               // one letter wrong
                    | (r0 << 1) | 1                 // one letter missing from the text
                    | old0                          // one letter extra in the text
                    | (((((r0Before << 1) | 1) & mask) << 1) & maskBefore);   // two swapped
                if ((r1 | r0) & last) return true;
                r0Before = old0;
                maskBefore = mask;
            }
            return false;
        };
    }

    // The shortest word (of letters only) that may have one letter wrong.
    const NEAR_FROM = 5;

    // A typed query as the words every match must hold, folded.
    function words(text) {
        const folded = fold(text).replace(/[^a-z0-9#-]+/g, ' ').trim();
        return folded ? folded.split(' ') : [];
    }

    // A query's test of a folded text and the same text without spaces (so that words written
    // together or apart match each other): 2 when every word lies in it as written, 1 when some
    // only nearly, 0 when not all.
    function matcher(text) {
        // Codes and numbers are matched only as written.
        const tests = words(text).map((w) => ({ w, near: w.length >= NEAR_FROM && /^[a-z]+$/.test(w) ? nearTest(w) : null }));
        return (key, joined) => {
            let quality = 2;
            for (const { w, near } of tests) {
                if (key.indexOf(w) >= 0 || joined.indexOf(w) >= 0) continue;
                if (near && near(joined)) quality = 1;
                else return 0;
            }
            return quality;
        };
    }

    Virel.searchText = { fold, colourQuery, words, matcher };
})(window.Virel = window.Virel || {});
