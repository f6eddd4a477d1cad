'use strict';
// The generated Virel range: every colour filed in a family, coded, and measured correctly.

const test = require('node:test');
const assert = require('node:assert/strict');
const fs = require('fs');
const path = require('path');
const culori = require('culori');
const { FAMILIES, familyOf, assignCodes } = require('../../Tools/Range/families');
const { buildRange, writeRangeScript } = require('../../Tools/Range/make-range');
const { loadRange, WEB } = require('./page-scripts');

const range = loadRange();
const toOklch = culori.converter('oklch');

function oklchOf(hex) {
    const v = toOklch(hex);
    return { l: v.l * 100, c: v.c * 100, h: v.h || 0 };
}

test('range script', async (t) => {
    await t.test('assigns window.Virel.rangeData with about five thousand colours', () => {
        assert.ok(Array.isArray(range.colours));
        assert.ok(range.colours.length > 4500 && range.colours.length < 5500, `${range.colours.length} colours`);
    });

    await t.test('every colour has a well-formed code, name, hex, family and LRV', () => {
        const families = new Set(FAMILIES.map((f) => f.id));
        for (const c of range.colours) {
            assert.match(c.code, /^V[A-Z]{2}-\d{4}$/, c.code);
            assert.ok(c.name.length > 0 && c.name === c.name.trim(), c.code);
            assert.match(c.hex, /^#[0-9a-f]{6}$/, c.code);
            assert.ok(families.has(c.family), `${c.code} family ${c.family}`);
            assert.ok(c.lrv >= 0 && c.lrv <= 100, `${c.code} LRV ${c.lrv}`);
        }
    });

    await t.test('codes are unique and carry the family prefix and the L* band', () => {
        const seen = new Set();
        for (const c of range.colours) {
            assert.ok(!seen.has(c.code), `duplicate ${c.code}`);
            seen.add(c.code);
            const family = FAMILIES.find((f) => f.id === c.family);
            assert.equal(c.code.slice(0, 3), family.prefix, c.code);
            const band = Math.min(99, Math.floor(culori.converter('lab65')(c.hex).l));
            assert.equal(Number(c.code.slice(4, 6)), band, `${c.code} ${c.hex}`);
        }
    });

    await t.test('LRV is 100 x relative luminance, to one decimal', () => {
        for (const c of range.colours) {
            const expected = culori.wcagLuminance(c.hex) * 100;
            assert.ok(Math.abs(c.lrv - expected) <= 0.05 + 1e-9, `${c.code}: ${c.lrv} vs ${expected}`);
        }
    });

    await t.test('every family has colours', () => {
        for (const f of FAMILIES) {
            const n = range.colours.filter((c) => c.family === f.id).length;
            assert.ok(n >= 50, `${f.label}: ${n}`);
        }
    });

    await t.test('the range names its source and the LRV approximation; NOTICE keeps the licence', () => {
        assert.match(range.source, /color-name-list \d+\.\d+\.\d+ \(bestof\), MIT/);
        assert.match(range.lrvNote, /approximat/i);
        const notice = fs.readFileSync(path.join(WEB, 'NOTICE'), 'utf8');
        const version = require('color-name-list/package.json').version;
        assert.ok(notice.includes(`color-name-list ${version}`), 'NOTICE names the installed version');
        assert.match(notice, /MIT License/);
        assert.match(notice, /Copyright \(c\) 2017 David Aerne/);
    });
});

test('families of unmistakable colours', async (t) => {
    const cases = [
        ['#ffffff', 'whites'], ['#f8f8ff', 'whites'],
        ['#808080', 'greys'], ['#000000', 'greys'], ['#a9a9a9', 'greys'],
        ['#d2b48c', 'neutrals'], ['#c8b49c', 'neutrals'],
        ['#8b4513', 'browns'], ['#5c4033', 'browns'],
        ['#ff0000', 'reds'], ['#b22222', 'reds'],
        ['#ff8c00', 'oranges'], ['#ffa500', 'oranges'],
        ['#ffd700', 'yellows'], ['#ffff00', 'yellows'],
        ['#00ff00', 'greens'], ['#228b22', 'greens'],
        ['#4169e1', 'blues'], ['#000080', 'blues'], ['#87ceeb', 'blues'],
        ['#8a2be2', 'purples'], ['#800080', 'purples'],
        ['#ff69b4', 'pinks'], ['#ffc0cb', 'pinks'],
    ];
    for (const [hex, family] of cases) {
        await t.test(`${hex} is one of the ${family}`, () => {
            assert.equal(familyOf(oklchOf(hex)), family);
        });
    }
});

test('codes', async (t) => {
    await t.test('number the colours of one family and L* band in hue order from 01', () => {
        const colours = [
            { name: 'B', family: 'blues', lstar: 52.7, h: 250, c: 10 },
            { name: 'A', family: 'blues', lstar: 52.1, h: 230, c: 10 },
            { name: 'C', family: 'blues', lstar: 53.0, h: 200, c: 10 },
            { name: 'W', family: 'whites', lstar: 100, h: 0, c: 0 },
        ];
        assignCodes(colours);
        assert.deepEqual(colours.map((c) => c.code), ['VBL-5202', 'VBL-5201', 'VBL-5301', 'VWH-9901']);
    });

    await t.test('refuse a band of more than 99 colours rather than repeat a code', () => {
        const many = Array.from({ length: 100 }, (_, i) => ({ name: `n${i}`, family: 'greys', lstar: 40.5, h: 0, c: i }));
        assert.throws(() => assignCodes(many), /more than 99/);
    });

    await t.test('a rebuild from the same names gives the same range script', () => {
        const named = [{ name: 'Alpha', hex: '#123456' }, { name: 'Beta', hex: '#abcdef' }, { name: 'alpha', hex: '#000000' }];
        const one = writeRangeScript(buildRange(named), { version: '1.0.0', license: 'MIT' });
        const two = writeRangeScript(buildRange(named.slice()), { version: '1.0.0', license: 'MIT' });
        assert.equal(one, two);
        const w = {};
        new Function('window', one)(w);
        assert.deepEqual(w.Virel.rangeData.colours.map((c) => c.name).sort(), ['Alpha', 'Beta']);
        assert.equal(w.Virel.rangeData.colours.find((c) => c.name === 'Alpha').hex, '#123456', 'the first spelling wins');
        assert.equal(w.Virel.rangeData.colours.length, 2, 'a name repeated in another case is kept once');
    });
});
