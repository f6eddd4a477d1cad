'use strict';
// Finding colours as people type them, the LRV filter and orders, related colours, comparisons
// and the remembered lists, run as the palette's browser runs its classic scripts and checked
// against culori and against the whole range.

const test = require('node:test');
const assert = require('node:assert/strict');
const culori = require('culori');
const { loadPage, LOGIC } = require('./page-scripts');

const page = loadPage(LOGIC.concat(['js/dom.js', 'js/colour-relations.js', 'js/colour-list.js', 'js/colour-dialogs.js']), { range: true });
const { Virel } = page;
const range = new Virel.RangeIndex(page.Virel.rangeData, Virel.colour);
const de = culori.differenceCiede2000();
const plain = (value) => JSON.parse(JSON.stringify(value));
const names = (r) => r.items.map((i) => range.colours[i].name);
const query = (text, more) => range.query({ text, family: '', sort: 'lightness', ...more });

test('search text', async (t) => {
    await t.test('accents, case, apostrophes and grey/gray, colour/color fold alike', () => {
        const cases = [['Crème Brûlée', 'creme brulee'], ['GREY Colour', 'gray color'], ['Æther Øre Straße', 'aether ore strasse'],
            ['Father’s Day', 'fathers day'], ['Color gray', 'color gray']];
        for (const [text, folded] of cases) assert.equal(Virel.searchText.fold(text), folded, text);
    });

    await t.test('colours are read from hex with or without "#" and from r, g, b', () => {
        const red = { r: 201, g: 63, b: 56 };
        const cases = [['#c93f38', red], ['c93f38', red], [' C93F38 ', red], ['201, 63, 56', red], ['201 63 56', red],
            ['rgb(201,63,56)', red], ['RGB( 201 , 63 , 56 )', red], ['#c3f', { r: 204, g: 51, b: 255 }],
            ['c3f', null], ['9902', null], ['256, 0, 0', null], ['1, 2', null], ['rgb(1, 2, 3', null], ['1, 2, 3)', null],
            ['#c93f3', null], ['ocean', null]];
        for (const [text, rgb] of cases) {
            const got = Virel.searchText.colourQuery(text);
            assert.deepEqual(got && plain(got.rgb), rgb, text);
            if (got) assert.equal(got.wordLike, false, text);
        }
        assert.equal(Virel.searchText.colourQuery('facade').wordLike, true);
    });

    await t.test('the range is found the way names are typed', () => {
        const cremes = range.colours.filter((c) => c.name.startsWith('Crème'));
        assert.ok(cremes.length > 1);
        assert.deepEqual(names(query('creme')).filter((n) => n.startsWith('Crème')).sort(), cremes.map((c) => c.name).sort());
        assert.ok(names(query('CREME brulee')).includes('Crème Brûlée'));
        const greys = names(query('grey'));
        const inGreys = new Set(range.colours.filter((c) => c.family === 'greys').map((c) => c.name));
        assert.ok(greys.length > 10 && greys.every((n) => /gr[ae]y/i.test(n) || inGreys.has(n)), 'by name or by family');
        assert.deepEqual(names(query('gray')), greys);
    });

    await t.test('a bare or r, g, b colour lists the same nearest colours as its "#" hex', () => {
        const hex = query('#c93f38');
        for (const text of ['c93f38', '201, 63, 56', 'rgb(201 63 56)']) assert.deepEqual(plain(query(text).items), plain(hex.items), text);
        for (const filter of [{ lrv: 'dark' }, { within: [1, 2] }, { family: 'greys' }]) {
            const r = query('c93f38', filter);
            assert.deepEqual(plain([r.items, r.filterIgnored]), plain([hex.items, true]), JSON.stringify(filter));
        }
        assert.equal(hex.filterIgnored, false);
    });

    await t.test('six hex letters are a word while a name holds them, a colour otherwise', () => {
        const small = new Virel.RangeIndex({ colours: [
            { code: 'VNE-1', name: 'Stone Facade', hex: '#d0c8b8' }, { code: 'VRE-2', name: 'Red', hex: '#fa0ade' }] }, Virel.colour);
        const asWord = small.query({ text: 'facade' });
        assert.deepEqual([asWord.mode, plain(asWord.items)], ['search', [0]]);
        const asColour = small.query({ text: 'fa0ade' });
        assert.deepEqual([asColour.mode, asColour.items[0]], ['nearest', 1]);
        assert.equal(small.query({ text: 'beaded' }).mode, 'nearest');
    });
});

test('LRV filter and orders', async (t) => {
    await t.test('the bands split the range between them, each holding only its LRVs', () => {
        let total = 0;
        for (const [id, band] of Object.entries(Virel.LRV_BANDS)) {
            const r = query('', { lrv: id });
            assert.ok(r.items.length > 0, id);
            assert.ok(r.items.every((i) => range.colours[i].lrv >= band.min && range.colours[i].lrv < band.max), id);
            total += r.items.length;
        }
        assert.equal(total, range.colours.length);
        const darkBlues = query('', { lrv: 'dark', family: 'blues' }).items.map((i) => range.colours[i]);
        assert.ok(darkBlues.length > 0 && darkBlues.every((c) => c.family === 'blues' && c.lrv >= 15 && c.lrv < 30));
    });

    await t.test('sorting by LRV runs high to low or low to high over the whole range', () => {
        for (const [sort, sign] of [['lrv', -1], ['lrv-low', 1]]) {
            const lrvs = query('', { sort }).items.map((i) => range.colours[i].lrv);
            assert.equal(lrvs.length, range.colours.length);
            for (let i = 1; i < lrvs.length; i++) assert.ok(sign * (lrvs[i] - lrvs[i - 1]) >= 0, sort);
        }
    });

    await t.test('a list of colours is shown in its own order or in the chosen one', () => {
        const within = [4000, 12, 2500];
        assert.deepEqual(plain(query('', { within, keepOrder: true }).items), within);
        assert.deepEqual(plain(query('', { within, sort: 'lrv' }).items),
            within.slice().sort((a, b) => range.colours[b].lrv - range.colours[a].lrv));
        assert.deepEqual(plain(query('', { within: [] }).items), []);
    });
});

test('differences in words', () => {
    const cases = [[0, 'same to the eye'], [0.99, 'same to the eye'], [1, 'very close'], [2.5, 'close'], [4, 'similar'],
        [7, 'noticeably different'], [10, 'far off'], [60, 'far off']];
    for (const [d, words] of cases) assert.equal(Virel.colour.differenceInWords(d), words, String(d));
});

test('related colours', async (t) => {
    const lab65 = culori.converter('lab65');
    const lch65 = culori.converter('lch65');
    const nearestByCulori = (target, skip) => range.colours
        .filter((c) => c.index !== skip)
        .map((c) => ({ index: c.index, d: de(target, c.hex) }))
        .sort((a, b) => a.d - b.d || a.index - b.index);
    const chroma = (c) => Math.hypot(c.lab[1], c.lab[2]);
    const chromatic = [range.colours.find((c) => c.family === 'reds' && chroma(c) > 30), range.colours.find((c) => c.family === 'blues' && chroma(c) > 20)];

    await t.test('similar colours are the nearest of the whole range, the colour itself left out', () => {
        for (const c of chromatic.concat(range.colours[0])) {
            const related = Virel.relatedColours(range, c.index);
            const expected = nearestByCulori(c.hex, c.index).slice(0, related.similar.length);
            assert.deepEqual(plain(related.similar.map((s) => s.index)), plain(expected.map((e) => e.index)), c.code);
            related.similar.forEach((s, k) => assert.ok(Math.abs(s.d - expected[k].d) < 1e-6));
        }
    });

    await t.test('harmonies turn the hue at the same lightness and chroma, mapped to the nearest colour', () => {
        for (const c of chromatic) {
            const related = Virel.relatedColours(range, c.index);
            assert.deepEqual(plain(related.harmonies.map((h) => h.id)), ['complementary', 'analogous', 'triadic']);
            const turns = { complementary: [180], analogous: [-30, 30], triadic: [120, 240] };
            for (const h of related.harmonies) {
                h.colours.forEach((found, k) => {
                    const lch = lch65(c.hex);
                    const target = lab65({ ...lch, h: (lch.h + turns[h.id][k] + 360) % 360 });
                    assert.equal(found.index, nearestByCulori(target, c.index)[0].index, `${c.code} ${h.id} ${k}`);
                });
            }
        }
        const grey = range.colours.find((c) => chroma(c) < 1);
        assert.deepEqual(plain([Virel.relatedColours(range, grey.index).neutral, Virel.relatedColours(range, grey.index).harmonies]), [true, []]);
    });
});

test('comparing colours', () => {
    const [a, b, c] = [range.colours[0], range.colours[2000], range.colours[4700]];
    const pairs = Virel.comparePairs([a, b, c]);
    assert.deepEqual(plain(pairs.map((p) => [p.a.code, p.b.code])), [[a.code, b.code], [a.code, c.code], [b.code, c.code]]);
    for (const p of pairs) {
        assert.ok(Math.abs(p.ratio - culori.wcagContrast(p.a.hex, p.b.hex)) < 1e-9);
        assert.ok(Math.abs(p.lrvDifference - Math.abs(p.a.lrv - p.b.lrv)) < 0.051);
    }
    const verdicts = [[21, 'enough for any text'], [7, 'enough for any text'], [4.5, 'enough for normal text'], [3, 'large text only'], [2.9, 'too low for text']];
    for (const [ratio, words] of verdicts) assert.equal(Virel.contrastVerdict(ratio), words);
});

test('remembered colour lists', async (t) => {
    function memory(initial, failing) {
        const store = new Map(Object.entries(initial || {}));
        return {
            store,
            getItem: (k) => { if (failing) throw new Error('denied'); return store.has(k) ? store.get(k) : null; },
            setItem: (k, v) => { if (failing) throw new Error('denied'); store.set(k, v); },
        };
    }

    await t.test('newest first, once each, at most the limit, kept in storage', () => {
        const s = memory();
        const list = new Virel.ColourList(s, 'k', 3);
        for (const code of ['A', 'B', 'C', 'A', 'D']) list.add(code);
        assert.deepEqual(plain(list.codes), ['D', 'A', 'C']);
        assert.equal(list.toggle('C'), false);
        assert.equal(list.toggle('E'), true);
        assert.deepEqual(JSON.parse(s.store.get('k')), ['E', 'D', 'A']);
        assert.deepEqual(plain(new Virel.ColourList(s, 'k', 2).codes), ['E', 'D']);
    });

    await t.test('damaged or refused storage leaves a working list', () => {
        for (const s of [memory({ k: '{not json' }), memory({ k: '[1, "A", "A", null, "B"]' }), memory({}, true), null]) {
            const list = new Virel.ColourList(s, 'k', 5);
            list.add('Z');
            assert.equal(list.has('Z'), true);
            assert.ok(list.codes.every((code) => typeof code === 'string'));
        }
        assert.deepEqual(plain(new Virel.ColourList(memory({ k: '[1, "A", "A", null, "B"]' }), 'k', 5).codes), ['A', 'B']);
    });

    await t.test('codes the range does not know are skipped when listing its colours', () => {
        const list = new Virel.ColourList(memory({ k: JSON.stringify([range.colours[5].code, 'VXX-0000', range.colours[9].code]) }), 'k', 5);
        assert.deepEqual(plain(list.indicesIn(range)), [5, 9]);
    });
});
