/* Colour maths for the palette page: hex text, sRGB, CIELAB (D65), CIEDE2000 and label ink. */
(function (Virel) {
    'use strict';

    var WHITE = { x: 0.3127 / 0.329, y: 1, z: (1 - 0.3127 - 0.329) / 0.329 };

    // "#c93f38", "c93f38", "#c3f" (any case, surrounding blanks allowed) -> { r, g, b } or null.
    function parseHex(text) {
        var m = /^\s*#?([0-9a-f]{3}|[0-9a-f]{6})\s*$/i.exec(String(text));
        if (!m) return null;
        var h = m[1];
        if (h.length === 3) h = h[0] + h[0] + h[1] + h[1] + h[2] + h[2];
        var n = parseInt(h, 16);
        return { r: (n >> 16) & 255, g: (n >> 8) & 255, b: n & 255 };
    }

    function toHex(rgb) {
        function part(v) { return (v < 16 ? '0' : '') + v.toString(16); }
        return '#' + part(rgb.r) + part(rgb.g) + part(rgb.b);
    }

    function linearOf(channel) {
        var c = channel / 255;
        return c <= 0.04045 ? c / 12.92 : Math.pow((c + 0.055) / 1.055, 2.4);
    }

    // The 256 channel values looked up, not raised to a power each time: the whole range is
    // converted while the page opens.
    var LINEAR = [];
    for (var v = 0; v < 256; v++) LINEAR[v] = linearOf(v);

    function linear(channel) {
        var t = LINEAR[channel];
        return t === undefined ? linearOf(channel) : t;
    }

    // WCAG relative luminance, 0 (black) to 1 (white).
    function luminance(rgb) {
        return 0.2126 * linear(rgb.r) + 0.7152 * linear(rgb.g) + 0.0722 * linear(rgb.b);
    }

    function rgbToLab(rgb) {
        var r = linear(rgb.r), g = linear(rgb.g), b = linear(rgb.b);
        var x = (0.4123907992659595 * r + 0.357584339383878 * g + 0.1804807884018343 * b) / WHITE.x;
        var y = (0.21263900587151036 * r + 0.7151686787677559 * g + 0.07219231536073371 * b) / WHITE.y;
        var z = (0.01933081871559185 * r + 0.11919477979462599 * g + 0.9505321522496606 * b) / WHITE.z;
        function f(t) { return t > 216 / 24389 ? Math.cbrt(t) : (24389 / 27 * t + 16) / 116; }
        var fx = f(x), fy = f(y), fz = f(z);
        return [116 * fy - 16, 500 * (fx - fy), 200 * (fy - fz)];
    }

    // CIEDE2000 colour difference of two [L, a, b] triples (kL = kC = kH = 1).
    function deltaE2000(lab1, lab2) {
        var L1 = lab1[0], a1 = lab1[1], b1 = lab1[2];
        var L2 = lab2[0], a2 = lab2[1], b2 = lab2[2];
        var rad = Math.PI / 180;
        var C1 = Math.sqrt(a1 * a1 + b1 * b1), C2 = Math.sqrt(a2 * a2 + b2 * b2);
        var Cm = (C1 + C2) / 2;
        var Cm7 = Math.pow(Cm, 7);
        var G = 0.5 * (1 - Math.sqrt(Cm7 / (Cm7 + 6103515625)));
        var ap1 = a1 * (1 + G), ap2 = a2 * (1 + G);
        var Cp1 = Math.sqrt(ap1 * ap1 + b1 * b1), Cp2 = Math.sqrt(ap2 * ap2 + b2 * b2);
        var hp1 = Cp1 === 0 ? 0 : Math.atan2(b1, ap1) / rad;
        var hp2 = Cp2 === 0 ? 0 : Math.atan2(b2, ap2) / rad;
        if (hp1 < 0) hp1 += 360;
        if (hp2 < 0) hp2 += 360;
        var dL = L2 - L1, dC = Cp2 - Cp1;
        var dh = 0;
        if (Cp1 * Cp2 !== 0) {
            dh = hp2 - hp1;
            if (dh > 180) dh -= 360;
            else if (dh < -180) dh += 360;
        }
        var dH = 2 * Math.sqrt(Cp1 * Cp2) * Math.sin(dh * rad / 2);
        var Lm = (L1 + L2) / 2, Cpm = (Cp1 + Cp2) / 2;
        var hm = hp1 + hp2;
        if (Cp1 * Cp2 !== 0) {
            if (Math.abs(hp1 - hp2) > 180) hm += hm < 360 ? 360 : -360;
            hm /= 2;
        }
        var T = 1 - 0.17 * Math.cos((hm - 30) * rad) + 0.24 * Math.cos(2 * hm * rad)
            + 0.32 * Math.cos((3 * hm + 6) * rad) - 0.2 * Math.cos((4 * hm - 63) * rad);
        var dTheta = 30 * Math.exp(-Math.pow((hm - 275) / 25, 2));
        var Cpm7 = Math.pow(Cpm, 7);
        var Rc = 2 * Math.sqrt(Cpm7 / (Cpm7 + 6103515625));
        var Lm50 = (Lm - 50) * (Lm - 50);
        var Sl = 1 + 0.015 * Lm50 / Math.sqrt(20 + Lm50);
        var Sc = 1 + 0.045 * Cpm;
        var Sh = 1 + 0.015 * Cpm * T;
        var Rt = -Math.sin(2 * dTheta * rad) * Rc;
        var tl = dL / Sl, tc = dC / Sc, th = dH / Sh;
        return Math.sqrt(tl * tl + tc * tc + th * th + Rt * tc * th);
    }

    function contrast(l1, l2) {
        var hi = Math.max(l1, l2), lo = Math.min(l1, l2);
        return (hi + 0.05) / (lo + 0.05);
    }

    // The label colour, black or white, that reads best on a swatch of the given colour.
    function inkForLuminance(l) {
        return contrast(l, 0) >= contrast(l, 1) ? '#000000' : '#ffffff';
    }

    // The ink for a swatch label, from the swatch's own sRGB value: black or white, whichever
    // contrasts more. Over sRGB the better of the two always reaches 4.5:1 or more.
    function inkFor(rgb) {
        return inkForLuminance(luminance(rgb));
    }

    // WCAG contrast ratio of two sRGB colours, 1 to 21.
    function contrastOf(rgbA, rgbB) {
        return contrast(luminance(rgbA), luminance(rgbB));
    }

    // Light reflectance value as the range states it: 100 x relative luminance, one decimal.
    function lrvOf(rgb) {
        return Math.round(luminance(rgb) * 1000) / 10;
    }

    // Upper CIEDE2000 bounds of each way of saying how far apart two colours look.
    var DIFFERENCE_WORDS = [
        [1, 'same to the eye'],
        [2, 'very close'],
        [3.5, 'close'],
        [5, 'similar'],
        [10, 'noticeably different'],
        [Infinity, 'far off']
    ];

    function differenceInWords(deltaE) {
        for (var i = 0; i < DIFFERENCE_WORDS.length; i++) {
            if (deltaE < DIFFERENCE_WORDS[i][0]) return DIFFERENCE_WORDS[i][1];
        }
        return DIFFERENCE_WORDS[DIFFERENCE_WORDS.length - 1][1];
    }

    // The same lightness and chroma at a hue turned by the given degrees (CIELCh).
    function turnHue(lab, degrees) {
        var chroma = Math.sqrt(lab[1] * lab[1] + lab[2] * lab[2]);
        var hue = Math.atan2(lab[2], lab[1]) + degrees * Math.PI / 180;
        return [lab[0], chroma * Math.cos(hue), chroma * Math.sin(hue)];
    }

    Virel.colour = {
        parseHex: parseHex,
        toHex: toHex,
        luminance: luminance,
        rgbToLab: rgbToLab,
        deltaE2000: deltaE2000,
        contrast: contrast,
        contrastOf: contrastOf,
        lrvOf: lrvOf,
        differenceInWords: differenceInWords,
        turnHue: turnHue,
        inkFor: inkFor,
        inkForLuminance: inkForLuminance
    };
})(window.Virel = window.Virel || {});
