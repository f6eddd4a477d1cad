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

    // The deepest folder shown, counted from the Virel root, as deep as the add-on lists them.
    const MAX_DEPTH = 64;

    function isFolder(f) {
        return !!f && typeof f === 'object' && !Array.isArray(f) && typeof f.path === 'string'
            && Array.isArray(f.folders) && Array.isArray(f.surfaces);
    }

    function isMaterial(s) {
        return !!s && typeof s.id === 'string' && typeof s.name === 'string';
    }

    // A catalogue arrives as JSON text (call results) or as an object (onMaterialsModified). Only
    // a root that is no folder at all is refused; a bad branch is left out by flatten.
    function parse(value) {
        let root = value;
        if (typeof value === 'string') {
            try { root = JSON.parse(value); } catch { throw fail('not JSON'); }
        }
        if (!root || typeof root !== 'object' || Array.isArray(root)) throw fail('it is not a folder');
        if (typeof root.path !== 'string') throw fail('its folder has no path');
        if (!isFolder(root)) throw fail('its folder lacks its lists');
        return root;
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

    function materialOf(s, folderPath) {
        const color = s.color || {};
        const rgb = { r: channel(color.red), g: channel(color.green), b: channel(color.blue) };
        return { id: s.id, name: s.name, rgb, hex: Virel.colour.toHex(rgb), product: s.product || null, folderPath, code: codeOfName(s.name) };
    }

    function sameProduct(a, b) {
        if (!a || !b) return a === b;
        const keys = Object.keys(a);
        return keys.length === Object.keys(b).length && keys.every((k) => a[k] === b[k]);
    }

    // Whether a material read before still says all that surface s in folderPath says.
    function unchanged(m, s, folderPath) {
        const color = s.color || {};
        return m.name === s.name && m.folderPath === folderPath && m.rgb.r === channel(color.red)
            && m.rgb.g === channel(color.green) && m.rgb.b === channel(color.blue) && sameProduct(m.product, s.product || null);
    }

    // Counts what lies in and below a folder that is not shown.
    function countBranch(folder, left) {
        const stack = [folder];
        while (stack.length) {
            const f = stack.pop();
            if (!isFolder(f)) continue;
            left.folders += 1;
            left.materials += f.surfaces.length;
            stack.push(...f.folders);
        }
    }

    // Materials read between two steps of flattenSteps: small enough that a step never holds
    // the page for long, large enough that stepping costs little.
    const MATERIALS_PER_STEP = 100;

    function emptyFlat() {
        return { folders: [], materials: [], byId: new Map(), byCode: new Map(),
            left: { deep: 0, broken: 0, folders: 0, materials: 0 } };
    }

    // Fills out (an emptyFlat) from root, pausing (yield) after every MATERIALS_PER_STEP
    // materials, so that a large catalogue can be read a slice at a time between inputs.
    // Folders come depth first, each before its subfolders, as the tree shows them. What cannot be
    // shown is left out and counted in left: { deep, broken, materials, folders }.
    // previous: the flat of the catalogue read before, whose unchanged materials are kept as they are.
    function* flattenSteps(root, out, previous) {
        const stack = [[root, 0]];
        let sinceStep = 0;
        while (stack.length) {
            const [folder, depth] = stack.pop();
            if (!isFolder(folder)) {
                out.left.broken += 1;
                out.left.folders += 1;
                continue;
            }
            if (depth > MAX_DEPTH) {
                out.left.deep += 1;
                countBranch(folder, out.left);
                continue;
            }
            const entry = { path: folder.path, name: depth === 0 ? 'Virel' : folderName(folder.path), depth, materials: [], subfolders: 0 };
            entry.subfolders = depth < MAX_DEPTH ? folder.folders.filter(isFolder).length : 0;
            out.folders.push(entry);
            for (const s of folder.surfaces) {
                if (++sinceStep >= MATERIALS_PER_STEP) {
                    sinceStep = 0;
                    yield;
                }
                if (!isMaterial(s) || out.byId.has(s.id)) {
                    out.left.broken += 1;
                    out.left.materials += 1;
                    continue;
                }
                const before = previous && previous.byId.get(s.id);
                const material = before && unchanged(before, s, folder.path) ? before : materialOf(s, folder.path);
                entry.materials.push(material);
                out.materials.push(material);
                out.byId.set(material.id, material);
                if (material.code) {
                    const same = out.byCode.get(material.code);
                    if (same) same.push(material); else out.byCode.set(material.code, [material]);
                }
            }
            for (let j = folder.folders.length - 1; j >= 0; j--) stack.push([folder.folders[j], depth + 1]);
        }
    }

    // root -> { folders: [{ path, name, depth, materials, subfolders }], materials, byId (Map), byCode (Map of lists), left },
    // all at once.
    function flatten(root) {
        const out = emptyFlat();
        for (const step of flattenSteps(root, out)) void step;
        return out;
    }

    // What flatten left out, in the user's words, or '' when everything is shown.
    function leftOutNote(left) {
        if (!left || (!left.deep && !left.broken)) return '';
        const plural = (n, one, many) => `${n} ${n === 1 ? one : many}`;
        const parts = [];
        if (left.deep) parts.push(`${plural(left.deep, 'folder chain nests', 'folder chains nest')} deeper than ${MAX_DEPTH} levels`);
        if (left.broken) parts.push(`${plural(left.broken, 'entry', 'entries')} could not be read`);
        return `Not shown: ${plural(left.materials, 'material', 'materials')} and ${plural(left.folders, 'folder', 'folders')} `
            + `(${parts.join('; ')}). Everything else is listed and can be used.`;
    }

    function materialName(colour) {
        return colour.code + ' ' + colour.name;
    }

    // The createMaterials entries that import the given range colours with one finish.
    // withFinish(colour): true when the name should carry the finish, to tell the material apart
    // from the same colour in another finish.
    function entriesFor(colours, finish, familyLabel, withFinish) {
        return colours.map(function (c) {
            return {
                name: materialName(c) + (withFinish && withFinish(c) ? ' (' + finish.label + ')' : ''),
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
        flattenSteps: flattenSteps,
        emptyFlat: emptyFlat,
        leftOutNote: leftOutNote,
        MAX_DEPTH: MAX_DEPTH,
        codeOfName: codeOfName,
        folderName: folderName,
        materialName: materialName,
        entriesFor: entriesFor
    };
})(window.Virel = window.Virel || {});
