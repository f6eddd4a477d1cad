'use strict';
// The page's stand-in for the add-on answers with the add-on's own texts: its catalogue of the
// golden scenario's material is the text the real add-on wrote, byte for byte.

const fs = require('fs');
const path = require('path');
const vm = require('vm');
const test = require('node:test');
const assert = require('node:assert/strict');
const { GOLDEN } = require('./browser');

test('the fake writes the catalogue the real add-on wrote for the same material', () => {
    const sandbox = {
        __virelFakeOptions: { materials: [{ name: 'VBL-5203 Ocean', path: 'Surfaces/Virel/Blues', color: { red: 29, green: 76, blue: 106 },
            product: { ambient: 50, diffuse: 80, shine: 25, specular: 35 } }] },
        __virelGolden: GOLDEN,
    };
    sandbox.window = sandbox;
    vm.createContext(sandbox);
    vm.runInContext(fs.readFileSync(path.join(__dirname, 'fake-archicad.js'), 'utf8'), sandbox);
    assert.equal(sandbox.__fake.catalogueText(), GOLDEN.catalogue);
    assert.throws(() => sandbox.archicad.createMaterials('[{"name":null}]'), { message: GOLDEN.notString });
    assert.throws(() => sandbox.archicad.createMaterials(), { message: GOLDEN.nullReference });
});
