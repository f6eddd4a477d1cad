'use strict';
// How a colour of the Virel range is filed: its hue family and its code.
// Families are decided on OKLCH (perceptual lightness, chroma and hue), codes on CIE L*.

const FAMILIES = [
    { id: 'whites', label: 'Whites', prefix: 'VWH' },
    { id: 'neutrals', label: 'Neutrals', prefix: 'VNE' },
    { id: 'greys', label: 'Greys', prefix: 'VGY' },
    { id: 'blues', label: 'Blues', prefix: 'VBL' },
    { id: 'greens', label: 'Greens', prefix: 'VGN' },
    { id: 'yellows', label: 'Yellows', prefix: 'VYE' },
    { id: 'oranges', label: 'Oranges', prefix: 'VOR' },
    { id: 'reds', label: 'Reds', prefix: 'VRD' },
    { id: 'pinks', label: 'Pinks', prefix: 'VPK' },
    { id: 'purples', label: 'Purples', prefix: 'VPU' },
    { id: 'browns', label: 'Browns', prefix: 'VBR' },
];

// Chromatic hue bands, OKLCH hue in degrees; reds and pinks share the band around 0.
const HUE_BANDS = [
    { from: 15, to: 45, family: 'reds' },
    { from: 45, to: 75, family: 'oranges' },
    { from: 75, to: 115, family: 'yellows' },
    { from: 115, to: 185, family: 'greens' },
    { from: 185, to: 275, family: 'blues' },
    { from: 275, to: 345, family: 'purples' },
];

// l: OKLCH lightness 0..100, c: OKLCH chroma x 100, h: hue in degrees (any value when c is 0).
function familyOf({ l, c, h }) {
    const hue = ((h % 360) + 360) % 360;
    if (l >= 94 && c < 6) return 'whites';
    // Dark colours carry little chroma, so greyness is judged relative to lightness too.
    if (c < Math.max(0.5, Math.min(2.5, 0.07 * l))) return 'greys';
    const warm = hue >= 15 && hue < 100;
    const reddish = hue < 15 || hue >= 345;
    if (c < 6 && (warm || reddish)) return l >= 50 ? 'neutrals' : 'browns';
    if (hue >= 40 && hue < 100 && c < 10 && l >= 70) return 'neutrals';
    if (warm && l < 60 && (c < 14 || hue >= 40)) return 'browns';
    if (warm && l < 70 && c < 10) return 'browns';
    if (reddish) return l >= 55 ? 'pinks' : 'reds';
    const band = HUE_BANDS.find((b) => hue >= b.from && hue < b.to);
    if (band.family === 'reds' && l >= 80) return 'pinks';
    return band.family;
}

function familyById(id) {
    const family = FAMILIES.find((f) => f.id === id);
    if (!family) throw new Error(`unknown family "${id}"`);
    return family;
}

// Codes read <prefix>-<LL><NN>: LL is the CIE L* band (00..99), NN numbers the colours of
// that family and band in hue order from 01. Input: colours with family, lstar, h, c, name.
function assignCodes(colours) {
    const groups = new Map();
    for (const colour of colours) {
        const band = Math.min(99, Math.max(0, Math.floor(colour.lstar)));
        const key = `${colour.family}:${band}`;
        if (!groups.has(key)) groups.set(key, []);
        groups.get(key).push({ colour, band });
    }
    for (const members of groups.values()) {
        members.sort((x, y) => x.colour.h - y.colour.h || x.colour.c - y.colour.c
            || (x.colour.name < y.colour.name ? -1 : x.colour.name > y.colour.name ? 1 : 0));
        if (members.length > 99) {
            throw new Error(`more than 99 colours in ${members[0].colour.family}, L* ${members[0].band}`);
        }
        members.forEach(({ colour, band }, i) => {
            const prefix = familyById(colour.family).prefix;
            colour.code = `${prefix}-${String(band).padStart(2, '0')}${String(i + 1).padStart(2, '0')}`;
        });
    }
    return colours;
}

module.exports = { FAMILIES, familyOf, familyById, assignCodes };
