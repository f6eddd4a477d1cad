/* The project's Virel materials as the add-on describes them, and the entries that import colours. */
(function (Virel) {
    'use strict';

    const ROOT_PATH = 'Surfaces/Virel/';
    const CODE_IN_NAME = /^([A-Z]{3}-\d{4})(?:\s|$)/;

    function fail(why) {
        const e = new Error('the project sent a material list the palette cannot read (' + why + ')');
        e.plain = true;
        return e;
    }

    // A catalogue arrives as JSON text (call results) or as an object (onMaterialsModified).
    function parse(value) {
        let root = value;
        if (typeof value === 'string') {
            try { root = JSON.parse(value); } catch (e) { throw fail('not JSON'); }
        }
        checkFolder(root, 0);
        return root;
    }

    function checkFolder(folder, depth) {
        if (!folder || typeof folder !== 'object' || Array.isArray(folder)) throw fail('a folder is not an object');
        if (typeof folder.path !== 'string') throw fail('a folder has no path');
        if (!Array.isArray(folder.folders) || !Array.isArray(folder.surfaces)) throw fail('a folder lacks its lists');
        if (depth > 64) throw fail('folders nest too deep');
        for (let i = 0; i < folder.surfaces.length; i++) {
            const s = folder.surfaces[i];
            if (!s || typeof s.id !== 'string' || typeof s.name !== 'string') throw fail('a material has no id or name');
        }
        for (let j = 0; j < folder.folders.length; j++) checkFolder(folder.folders[j], depth + 1);
    }

    function codeOfName(name) {
        const m = CODE_IN_NAME.exec(String(name));
        return m ? m[1] : null;
    }

    function folderName(path) {
        const parts = String(path).split('/').filter(function (p) { return p !== ''; });
        return parts.length ? parts[parts.length - 1] : '(unnamed)';
    }

    function channel(v) {
        const n = Math.round(Number(v));
        return n >= 0 && n <= 255 ? n : 0;
    }

    // root -> { folders: [{ path, name, depth, materials }], materials, byId, byCode }.
    // Folders come depth first, each before its subfolders, as the tree shows them.
    function flatten(root) {
        const out = { folders: [], materials: [], byId: Object.create(null), byCode: Object.create(null) };
        (function walk(folder, depth) {
            const entry = { path: folder.path, name: depth === 0 ? 'Virel' : folderName(folder.path), depth: depth, materials: [] };
            out.folders.push(entry);
            for (let i = 0; i < folder.surfaces.length; i++) {
                const s = folder.surfaces[i];
                const color = s.color || {};
                const rgb = { r: channel(color.red), g: channel(color.green), b: channel(color.blue) };
                const material = {
                    id: s.id,
                    name: s.name,
                    rgb: rgb,
                    hex: Virel.colour.toHex(rgb),
                    product: s.product || null,
                    folderPath: folder.path,
                    code: codeOfName(s.name)
                };
                entry.materials.push(material);
                out.materials.push(material);
                out.byId[material.id] = material;
                if (material.code) (out.byCode[material.code] = out.byCode[material.code] || []).push(material);
            }
            for (let j = 0; j < folder.folders.length; j++) walk(folder.folders[j], depth + 1);
        })(root, 0);
        return out;
    }

    function materialName(colour) {
        return colour.code + ' ' + colour.name;
    }

    // The createMaterials entries that import the given range colours with one finish.
    function entriesFor(colours, finish, familyLabel) {
        return colours.map(function (c) {
            return {
                name: materialName(c),
                color: { red: c.rgb.r, green: c.rgb.g, blue: c.rgb.b },
                path: ROOT_PATH + familyLabel(c.family),
                product: {
                    ambient: finish.product.ambient,
                    diffuse: finish.product.diffuse,
                    shine: finish.product.shine,
                    specular: finish.product.specular
                }
            };
        });
    }

    const EMPTY = '{"folders":[],"path":"Surfaces/Virel/","surfaces":[]}';

    Virel.catalogue = {
        ROOT_PATH: ROOT_PATH,
        EMPTY: EMPTY,
        parse: parse,
        flatten: flatten,
        codeOfName: codeOfName,
        folderName: folderName,
        materialName: materialName,
        entriesFor: entriesFor
    };
})(window.Virel = window.Virel || {});
