'use strict';
// The page's colour maths, range queries, catalogue reading and call wrapper, run as the
// palette's browser runs its classic scripts, checked against culori and against the range.

const test = require('node:test');
const assert = require('node:assert/strict');
const culori = require('culori');
const { loadPage, LOGIC } = require('./page-scripts');

const page = loadPage(LOGIC, { range: true });
const { Virel } = page;
const C = Virel.colour;
const range = new Virel.RangeIndex(page.Virel.rangeData, C);

// Values made inside the page's script context, as plain values of this one.
function plain(value) {
    return value === undefined ? undefined : JSON.parse(JSON.stringify(value));
}

// A reproducible stream of colours for comparisons.
function colours(count, seed) {
    let x = seed;
    const out = [];
    for (let i = 0; i < count; i++) {
        x = (Math.imul(x, 1103515245) + 12345) >>> 0;
        out.push('#' + (x >>> 8).toString(16).padStart(6, '0'));
    }
    return out;
}

test('colour maths', async (t) => {
    await t.test('hex text is read in its usual spellings and refused otherwise', () => {
        const cases = [
            ['#c93f38', { r: 201, g: 63, b: 56 }],
            ['C93F38', { r: 201, g: 63, b: 56 }],
            ['  #c3f ', { r: 204, g: 51, b: 255 }],
            ['#000000', { r: 0, g: 0, b: 0 }],
            ['#c93f3', null], ['#c93f388', null], ['#g93f38', null], ['', null], ['red', null],
        ];
        for (const [text, rgb] of cases) {
            assert.deepEqual(plain(C.parseHex(text)), rgb, text);
            if (rgb) assert.equal(C.parseHex(C.toHex(rgb)).r, rgb.r, `${text} round trip`);
        }
    });

    await t.test('CIELAB agrees with culori', () => {
        const lab = culori.converter('lab65');
        for (const hex of colours(400, 7)) {
            const mine = C.rgbToLab(C.parseHex(hex));
            const ref = lab(hex);
            assert.ok(Math.abs(mine[0] - ref.l) < 1e-6 && Math.abs(mine[1] - ref.a) < 1e-6 && Math.abs(mine[2] - ref.b) < 1e-6, hex);
        }
    });

    await t.test('CIEDE2000 agrees with culori, also for greys and near pairs', () => {
        const de = culori.differenceCiede2000();
        const list = colours(300, 11).concat(['#808080', '#7f7f7f', '#000000', '#ffffff', '#ff0000', '#fe0000']);
        for (let i = 0; i + 1 < list.length; i++) {
            const a = list[i], b = list[i + 1];
            const mine = C.deltaE2000(C.rgbToLab(C.parseHex(a)), C.rgbToLab(C.parseHex(b)));
            assert.ok(Math.abs(mine - de(a, b)) < 1e-6, `${a} ${b}: ${mine} vs ${de(a, b)}`);
        }
        const same = C.rgbToLab(C.parseHex('#c93f38'));
        assert.equal(C.deltaE2000(same, same), 0);
    });

    await t.test('label ink on every range colour reaches a contrast of 4.5', () => {
        for (const c of range.colours) {
            assert.equal(c.ink, C.inkFor(c.rgb), c.code);
            const ink = C.parseHex(C.inkFor(c.rgb));
            const ratio = C.contrast(C.luminance(c.rgb), C.luminance(ink));
            assert.ok(ratio >= 4.5, `${c.code} ${c.hex} with ${c.ink}: ${ratio.toFixed(2)}`);
        }
    });
});

test('range queries', async (t) => {
    const all = range.query({ text: '', family: '', sort: 'lightness' });

    await t.test('the whole range is listed once, lightest first', () => {
        assert.equal(all.items.length, range.colours.length);
        assert.equal(new Set(all.items).size, range.colours.length);
        for (let i = 1; i < all.items.length; i++) {
            assert.ok(range.colours[all.items[i - 1]].lightness >= range.colours[all.items[i]].lightness);
        }
    });

    await t.test('hue order runs through the hue circle with the greys last', () => {
        const hue = range.query({ text: '', family: '', sort: 'hue' }).items.map((i) => range.colours[i]);
        const chromatic = hue.filter((c) => c.chroma >= 2.5);
        for (let i = 1; i < chromatic.length; i++) assert.ok(chromatic[i - 1].hue <= chromatic[i].hue);
        const firstGrey = hue.findIndex((c) => c.chroma < 2.5);
        assert.ok(hue.slice(firstGrey).every((c) => c.chroma < 2.5));
    });

    await t.test('a family filter keeps exactly that family', () => {
        for (const f of range.families) {
            const r = range.query({ text: '', family: f.id, sort: 'lightness' });
            assert.equal(r.items.length, range.familyCount(f.id));
            assert.ok(r.items.every((i) => range.colours[i].family === f.id), f.id);
        }
    });

    await t.test('search finds by name or code, in any case, exact matches first', () => {
        const sample = range.colours[1234];
        const cases = [
            [sample.code, (r) => r.items[0] === sample.index],
            [sample.code.toLowerCase().replace('-', ''), (r) => r.items.includes(sample.index)],
            [sample.name.toUpperCase(), (r) => r.items[0] === sample.index || range.colours[r.items[0]].nameKey === sample.nameKey],
            [sample.code.slice(0, 6), (r) => r.items.every((i) => range.colours[i].code.startsWith(sample.code.slice(0, 6)))],
        ];
        for (const [text, check] of cases) {
            const r = range.query({ text, family: '', sort: 'lightness' });
            assert.equal(r.mode, 'search');
            assert.ok(r.items.length > 0 && check(r), text);
        }
        const twoWords = range.colours.find((c) => /^\S{3,} \S{3,}$/.test(c.name));
        const [w1, w2] = twoWords.nameKey.split(' ');
        const words = range.query({ text: `${w2}  ${w1.toUpperCase()}`, family: '', sort: 'lightness' });
        assert.ok(words.items.includes(twoWords.index), twoWords.name);
        assert.ok(words.items.every((i) => range.colours[i].key.includes(w1) && range.colours[i].key.includes(w2)));
        assert.equal(range.query({ text: 'zzqxq', family: '', sort: 'hue' }).items.length, 0);
    });

    await t.test('search rules: every word in any order across code, name and family; one letter off in long words; words together or apart', () => {
        const small = new Virel.RangeIndex({
            families: [{ id: 'greens', label: 'Greens' }, { id: 'reds', label: 'Reds' }, { id: 'oranges', label: 'Oranges' }],
            colours: [
                { code: 'VGN-1001', name: 'Sage Leaf', hex: '#9caf88', family: 'greens' },
                { code: 'VGN-1002', name: 'Sea Green', hex: '#2e8b57', family: 'greens' },
                { code: 'VOR-2001', name: 'Terracotta', hex: '#e2725b', family: 'oranges' },
                { code: 'VRD-3001', name: 'Terra Cotta Tile', hex: '#b5523b', family: 'reds' },
                { code: 'VWH-4001', name: 'Marshmallow', hex: '#f0eee4', family: 'greens' },
                { code: 'VRD-3002', name: 'Rosé Brick', hex: '#a03c32', family: 'reds' },
            ],
        }, Virel.colour);
        const QUERIES = [
            ['sage green', ['VGN-1001']],              // a word of the family
            ['green sage', ['VGN-1001']],              // any order
            ['terracotta', ['VOR-2001', 'VRD-3001']],  // written apart in a name
            ['terra cotta', ['VOR-2001', 'VRD-3001']], // written together in a name
            ['marshmalow', ['VWH-4001']],              // a letter missing
            ['marshmallows', ['VWH-4001']],            // a letter extra
            ['marshmellow', ['VWH-4001']],             // a letter wrong
            ['mrashmallow', ['VWH-4001']],             // two letters swapped
            ['tera', []],                              // under five letters: as written only
            ['vgn-10001', []],                         // codes: as written only
            ['terracotta reds', ['VRD-3001']],         // every word must match
            ['rose brick', ['VRD-3002']],              // accents folded
            ['vrd 3001', ['VRD-3001']],                // code words
            ['cotta sea', []],
        ];
        for (const [text, codes] of QUERIES) {
            const r = small.query({ text, family: '', sort: 'families' });
            assert.deepEqual(plain(r.items.map((i) => small.colours[i].code)).sort(), codes, text);
        }
        assert.deepEqual(plain(small.query({ text: 'marshmallow green', sort: 'families' }).items), [4], 'exact before near');
    });

    await t.test('a typed hex lists the nearest colours by CIEDE2000, the colour itself first', () => {
        const de = culori.differenceCiede2000();
        for (const c of [range.colours[0], range.colours[2500], range.colours[range.colours.length - 1]]) {
            const r = range.query({ text: c.hex.toUpperCase(), family: '', sort: 'lightness' });
            assert.equal(r.mode, 'nearest');
            assert.equal(range.colours[r.items[0]].hex, c.hex);
            assert.equal(r.distance[r.items[0]], 0);
        }
        const target = '#c93f38';
        const r = range.query({ text: target, family: '', sort: 'lightness' });
        assert.equal(r.items.length, Virel.NEAREST_COUNT);
        const byCulori = range.colours.map((c) => ({ i: c.index, d: de(target, c.hex) })).sort((a, b) => a.d - b.d);
        assert.deepEqual(plain(r.items.slice(0, 5)), plain(byCulori.slice(0, 5).map((x) => x.i)));
        const withFilter = range.query({ text: target, family: 'blues', sort: 'lightness' });
        assert.deepEqual(plain([withFilter.items, withFilter.filterIgnored, r.filterIgnored]), plain([r.items, true, false]));
    });
});

const CATALOGUE = '{"folders":[{"folders":[],"path":"Surfaces/Virel/Blues/","surfaces":[{"color":{"blue":107,"green":77,"red":30},'
    + '"id":"8F2C0001-0000-4000-8000-000000000001","name":"VBL-5203 Ocean","product":{"ambient":50.0,"diffuse":80.0,"shine":25.0,"specular":35.0}}]},'
    + '{"folders":[{"folders":[],"path":"Surfaces/Virel/Old/Deep/","surfaces":[{"color":{"blue":0,"green":0,"red":0},"id":"X2","name":"Plain black","product":{"ambient":1.0,"diffuse":2.0,"shine":3.0,"specular":4.0}}]}],'
    + '"path":"Surfaces/Virel/Old/","surfaces":[]}],"path":"Surfaces/Virel/","surfaces":[{"color":{"blue":1,"green":2,"red":3},"id":"X3","name":"VWH-9902 White","product":{"ambient":60.0,"diffuse":90.0,"shine":2.0,"specular":0.0}}]}';

test('catalogue', async (t) => {
    await t.test('text and object forms read the same, depth first, folder before subfolders', () => {
        const fromText = Virel.catalogue.flatten(Virel.catalogue.parse(CATALOGUE));
        const fromObject = Virel.catalogue.flatten(Virel.catalogue.parse(JSON.parse(CATALOGUE)));
        assert.deepEqual(JSON.parse(JSON.stringify(fromText)), JSON.parse(JSON.stringify(fromObject)));
        assert.deepEqual(plain(fromText.folders.map((f) => [f.name, f.depth, f.materials.length])),
            [['Virel', 0, 1], ['Blues', 1, 1], ['Old', 1, 0], ['Deep', 2, 1]]);
        assert.deepEqual(plain(fromText.materials.map((m) => m.code)), ['VWH-9902', 'VBL-5203', null]);
        assert.equal(fromText.byId.get('X2').hex, '#000000');
        assert.equal(fromText.byCode.get('VBL-5203')[0].folderPath, 'Surfaces/Virel/Blues/');
        assert.equal(Virel.finishOfProduct(fromText.byId.get('X3').product).id, 'matt');
        assert.equal(Virel.finishOfProduct(fromText.byId.get('X2').product), null);
    });

    await t.test('a catalogue read again keeps what did not change and reads anew what did', () => {
        const read = (root, previous) => {
            const out = Virel.catalogue.emptyFlat();
            for (const step of Virel.catalogue.flattenSteps(Virel.catalogue.parse(root), out, previous)) void step;
            return out;
        };
        const first = read(CATALOGUE);
        const changed = JSON.parse(CATALOGUE);
        changed.surfaces[0].color.red = 200;
        changed.folders[0].surfaces[0].product.shine = 60;
        const again = read(changed, first);
        assert.equal(again.byId.get('X2'), first.byId.get('X2'), 'an unchanged material is kept');
        assert.deepEqual([again.byId.get('X3').hex, again.byId.get('8F2C0001-0000-4000-8000-000000000001').product.shine], ['#c80201', 60]);
        assert.deepEqual(plain(again.materials), plain(read(changed).materials), 'the same as reading it afresh');
    });

    await t.test('anything but a catalogue is refused in plain words', () => {
        for (const bad of ['', 'nope', '[]', 'null', '{"path":"Surfaces/Virel/"}', '{"folders":[],"path":1,"surfaces":[]}',
            { folders: [], path: 'a' }]) {
            assert.throws(() => Virel.catalogue.parse(bad), /cannot read/, JSON.stringify(bad));
        }
        assert.equal(Virel.catalogue.parse(Virel.catalogue.EMPTY).surfaces.length, 0);
    });

    await t.test('a catalogue it cannot show whole is shown as far as it can, with a note of what was left out', () => {
        const folder = (path, surfaces = [], folders = []) => ({ folders, path, surfaces });
        const mat = (id) => ({ id, name: 'M ' + id });
        let deep = folder('Surfaces/Virel/d70/', [mat('d70')]);
        for (let d = 69; d >= 1; d--) deep = folder(`Surfaces/Virel/d${d}/`, [mat('d' + d)], [deep]);
        const cases = [
            // what, root, materials shown, folders shown, left out, note
            ['a chain 70 levels deep', folder('Surfaces/Virel/', [], [deep]), 64, 65,
                { deep: 1, broken: 0, folders: 6, materials: 6 }, /6 materials and 6 folders \(1 folder chain nests deeper than 64 levels\)/],
            ['a branch without its lists', folder('Surfaces/Virel/', [], [{ path: 'Surfaces/Virel/X/' }, folder('Surfaces/Virel/B/', [mat('b')])]), 1, 2,
                { deep: 0, broken: 1, folders: 1, materials: 0 }, /0 materials and 1 folder \(1 entry could not be read\)/],
            ['a material without an id, and one given twice', folder('Surfaces/Virel/', [{ name: 'x' }, mat('a'), mat('a')]), 1, 1,
                { deep: 0, broken: 2, folders: 0, materials: 2 }, /2 materials and 0 folders \(2 entries could not be read\)/],
            ['a whole catalogue', JSON.parse(CATALOGUE), 3, 4, { deep: 0, broken: 0, folders: 0, materials: 0 }, /^$/],
        ];
        for (const [what, root, materials, folders, left, note] of cases) {
            const flat = Virel.catalogue.flatten(Virel.catalogue.parse(root));
            assert.deepEqual([flat.materials.length, flat.folders.length, plain(flat.left)], [materials, folders, left], what);
            assert.match(Virel.catalogue.leftOutNote(flat.left), note, what);
        }
    });

    await t.test('a material name maps back to its range code only when it starts with one', () => {
        const cases = [['VBL-5203 Ocean', 'VBL-5203'], ['VBL-5203', 'VBL-5203'], ['vbl-5203 Ocean', null],
            ['Ocean VBL-5203', null], ['VBL-52031 x', null], ['', null]];
        for (const [name, code] of cases) assert.equal(Virel.catalogue.codeOfName(name), code, name);
    });

    await t.test('import entries carry name, colour, family folder and the finish values', () => {
        const picks = [range.colours[10], range.colours[4000]];
        const satin = Virel.finishById('satin');
        const label = (id) => range.families.find((f) => f.id === id).label;
        const entries = plain(Virel.catalogue.entriesFor(picks, satin, label));
        assert.deepEqual(entries, picks.map((c) => ({
            name: `${c.code} ${c.name}`,
            color: { red: c.rgb.r, green: c.rgb.g, blue: c.rgb.b },
            path: `Surfaces/Virel/${label(c.family)}`,
            product: { ...satin.product },
        })));
        for (const e of entries) assert.equal(Virel.catalogue.codeOfName(e.name) !== null, true);
    });

    await t.test('each finish has its own whole-number product values', () => {
        const seen = new Set();
        for (const f of Virel.finishes) {
            const values = ['ambient', 'diffuse', 'shine', 'specular'].map((k) => f.product[k]);
            assert.ok(values.every((v) => Number.isInteger(v) && v >= 0 && v <= 100), f.id);
            seen.add(values.join());
        }
        assert.deepEqual(plain(Virel.finishes.map((f) => f.id)), ['matt', 'eggshell', 'satin', 'gloss']);
        assert.equal(seen.size, 4);
    });
});

test('calls into the add-on', async (t) => {
    function bridgeWith(host) {
        return new Virel.Bridge({ archicad: host });
    }

    await t.test('values and Promises are both answered with a Promise', async () => {
        const host = { getMaterials: () => CATALOGUE, hide: () => Promise.resolve(undefined) };
        const b = bridgeWith(host);
        const root = await b.catalogueCall('getMaterials');
        assert.equal(root.path, 'Surfaces/Virel/');
        assert.equal(await b.call('hide'), undefined);
        const later = bridgeWith({ getMaterials: () => new Promise((r) => setTimeout(() => r(CATALOGUE), 5)) });
        assert.equal((await later.catalogueCall('getMaterials')).folders.length, 2);
    });

    await t.test('an argument is passed only when given', async () => {
        const seen = [];
        const b = bridgeWith({ getMaterials() { seen.push(arguments.length); return CATALOGUE; }, resize(a) { seen.push(a); } });
        await b.call('getMaterials');
        await b.call('resize', '{"width":640,"height":480}');
        assert.deepEqual(seen, [0, '{"width":640,"height":480}']);
    });

    await t.test('throws, rejections, missing functions and odd results become CallErrors', async () => {
        const cases = [
            ['a throw', { createMaterials: () => { throw new Error('[json.exception.type_error.302] type must be number, but is null'); } },
                'failed', 'type must be number, but is null'],
            ['a rejection', { createMaterials: () => Promise.reject(new Error('Bad cast.')) }, 'failed', 'Bad cast.'],
            ['a thrown string', { createMaterials: () => { throw 'Null reference.'; } }, 'failed', 'Null reference.'],
            ['no such function', {}, 'missing', 'the add-on does not offer "createMaterials"'],
            ['no result', { createMaterials: () => undefined }, 'failed', 'the project sent no material list'],
            ['a broken result', { createMaterials: () => '{"folders":' }, 'failed', 'the project sent a material list the palette cannot read (not JSON)'],
        ];
        for (const [what, host, kind, reason] of cases) {
            const err = await bridgeWith(host).catalogueCall('createMaterials', '[]').then(() => null, (e) => e);
            assert.ok(err instanceof Virel.CallError, what);
            assert.deepEqual([err.call, err.kind, err.reason], ['createMaterials', kind, reason], what);
        }
        const absent = await new Virel.Bridge({}).call('getMaterials').then(() => null, (e) => e);
        assert.equal(absent.kind, 'not-connected');
        assert.equal(new Virel.Bridge({}).connected(), false);
    });
});
