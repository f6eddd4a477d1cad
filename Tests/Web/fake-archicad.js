/* A stand-in for the add-on's script object "archicad", injected before the page's own scripts.
   It keeps a material folder tree as the project would and answers with catalogue texts in the
   add-on's exact form: compact JSON, keys in byte order, product values written as reals.
   Options come from window.__virelFakeOptions:
     absent         no "archicad" at all (the page opened in a plain browser)
     promises       true, or a list of call names, answered with Promises instead of values
     delay          milliseconds before a Promise settles (default 2)
     syncEvents     run event lines inside the call instead of just after it
     notifyChanges  send onMaterialsModified after every change, as the folder observer can
     materials      [{ path, name, color, product }] already in the project
   The test side is window.__fake: calls, failNext, pick, cancelPick, addMaterial, sendModified. */
(function () {
    'use strict';
    const opt = window.__virelFakeOptions || {};
    if (opt.absent) return;
    // The add-on's error texts, as the real add-on wrote them (Tests/Golden); the type a text
    // names last is the one that differs from case to case.
    const golden = window.__virelGolden;
    const withType = (sample, type) => sample.replace(/\w+$/, type);

    const ROOT = ['Surfaces', 'Virel'];
    const folders = [];           // { components, surfaces } in creation order
    let serial = 0;
    const failures = Object.create(null);
    let painting = false;
    let queuedPicks = 0;

    const fake = window.__fake = {
        calls: [],
        lines: [],
        resizes: [],
        painted: [],
        get painting() { return painting; },
        get queuedPicks() { return queuedPicks; }
    };

    function typeName(v) {
        if (v === null) return 'null';
        if (Array.isArray(v)) return 'array';
        return typeof v;
    }

    function member(obj, key) {
        if (typeName(obj) !== 'object') {
            throw new Error(withType(golden.notObject, typeName(obj)));
        }
        return Object.prototype.hasOwnProperty.call(obj, key) ? obj[key] : null;
    }

    function text(v) {
        if (typeof v !== 'string') throw new Error(withType(golden.notString, typeName(v)));
        return v;
    }

    function integer(v) {
        if (typeof v === 'boolean') return v ? 1 : 0;
        if (typeof v !== 'number') throw new Error(withType(golden.notNumber, typeName(v)));
        return Math.trunc(v) | 0;
    }

    function parse(argument) {
        try {
            return JSON.parse(argument);
        } catch (e) {
            throw new Error(golden.parseError);
        }
    }

    // The JSON library's iteration: array elements, object values by key, nothing for null.
    function entriesOf(value) {
        if (value === null) return [];
        if (Array.isArray(value)) return value;
        if (typeof value === 'object') return Object.keys(value).sort().map(function (k) { return value[k]; });
        return [value];
    }

    function argumentText(argument, count) {
        if (count === 0 || argument === undefined) throw new Error(golden.nullReference);
        if (typeof argument !== 'string') throw new Error(golden.badCast);
        return argument;
    }

    function samePath(a, b) {
        if (a.length !== b.length) return false;
        for (let i = 0; i < a.length; i++) if (a[i] !== b[i]) return false;
        return true;
    }

    function findFolder(components) {
        for (let i = 0; i < folders.length; i++) if (samePath(folders[i].components, components)) return folders[i];
        return null;
    }

    function makeFolder(components) {
        const found = findFolder(components);
        if (found) return found;
        if (components.length > 1) makeFolder(components.slice(0, -1));
        const folder = { components: components.slice(), surfaces: [] };
        folders.push(folder);
        return folder;
    }

    function newId() {
        serial += 1;
        const hex = serial.toString(16).toUpperCase();
        return '8F2C' + ('0000' + hex).slice(-4) + '-0000-4000-8000-' + ('000000000000' + hex).slice(-12);
    }

    function real(v) {
        return Number.isInteger(v) ? v.toFixed(1) : String(v);
    }

    function surfaceText(s) {
        return '{"color":{"blue":' + s.blue + ',"green":' + s.green + ',"red":' + s.red + '},"id":' + JSON.stringify(s.id)
            + ',"name":' + JSON.stringify(s.name) + ',"product":{"ambient":' + real(s.ambient) + ',"diffuse":'
            + real(s.diffuse) + ',"shine":' + real(s.shine) + ',"specular":' + real(s.specular) + '}}';
    }

    function folderText(components) {
        const here = findFolder(components);
        const subs = folders.filter(function (f) {
            return f.components.length === components.length + 1 && samePath(f.components.slice(0, -1), components);
        });
        return '{"folders":[' + subs.map(function (f) { return folderText(f.components); }).join(',')
            + '],"path":' + JSON.stringify(components.map(function (c) { return c + '/'; }).join(''))
            + ',"surfaces":[' + (here ? here.surfaces.map(surfaceText).join(',') : '') + ']}';
    }

    function catalogueText() {
        return folderText(ROOT);
    }

    // One createMaterials entry into the project, every member read before anything is made.
    function create(entry) {
        const name = text(member(entry, 'name'));
        const color = member(entry, 'color');
        const red = integer(member(color, 'red')) & 255;
        const green = integer(member(color, 'green')) & 255;
        const blue = integer(member(color, 'blue')) & 255;
        const components = text(member(entry, 'path')).split('/');
        const product = member(entry, 'product');
        function short(v) { return (integer(v) << 16) >> 16; }
        const surface = {
            id: newId(), name: name,
            red: Math.trunc(red / 255 * 255), green: Math.trunc(green / 255 * 255), blue: Math.trunc(blue / 255 * 255),
            ambient: short(member(product, 'ambient')), diffuse: short(member(product, 'diffuse')),
            shine: short(member(product, 'shine')), specular: short(member(product, 'specular'))
        };
        makeFolder(components).surfaces.push(surface);
        return surface;
    }

    function runLine(line) {
        fake.lines.push(line);
        (0, eval)(line);
    }

    // Work the fake has started and not finished (event lines, Promises): tests wait for none.
    fake.pending = 0;
    function later(work, ms) {
        fake.pending += 1;
        setTimeout(function () {
            try { work(); } finally { fake.pending -= 1; }
        }, ms);
    }

    function send(line) {
        if (opt.syncEvents) runLine(line);
        else later(function () { runLine(line); }, 0);
    }

    function answerWithPromise(name) {
        return opt.promises === true || (Array.isArray(opt.promises) && opt.promises.indexOf(name) >= 0);
    }

    // Wraps a call body: logs the call, applies a planned failure, and answers as configured.
    function call(name, body) {
        return function (argument) {
            const count = arguments.length;
            fake.calls.push({ name: name, arg: argument, count: count });
            const planned = failures[name];
            if (planned) delete failures[name];
            const promised = answerWithPromise(name);
            const run = function () {
                if (planned) throw new Error(planned);
                return body(argument, count);
            };
            if (!promised) return run();
            return new Promise(function (resolve, reject) {
                later(function () {
                    try { resolve(run()); } catch (e) { reject(e); }
                }, opt.delay === undefined ? 2 : opt.delay);
            });
        };
    }

    function changed() {
        if (opt.notifyChanges) send('VirelEvents.onMaterialsModified(' + catalogueText() + ')');
    }

    window.archicad = {
        hide: call('hide', function () {
            painting = false;
            send('VirelEvents.onIsPainting(false);');
            send('VirelEvents.onHide();');
            return undefined;
        }),
        getMaterials: call('getMaterials', function () { return catalogueText(); }),
        resize: call('resize', function (argument, count) {
            const size = parse(argumentText(argument, count));
            fake.resizes.push({ width: integer(member(size, 'width')), height: integer(member(size, 'height')) });
            return undefined;
        }),
        paintElement: call('paintElement', function (argument, count) {
            const a = parse(argumentText(argument, count));
            fake.painted.push({
                elementId: text(member(a, 'elementId')), elementIndex: integer(member(a, 'elementIndex')),
                materialId: text(member(a, 'materialId')), bodyIndex: integer(member(a, 'bodyIndex')),
                polygonIndex: integer(member(a, 'polygonIndex'))
            });
            return undefined;
        }),
        beginPaint: call('beginPaint', function () {
            painting = true;
            queuedPicks += 1;
            send('VirelEvents.onIsPainting(true);');
            return undefined;
        }),
        endPaint: call('endPaint', function () {
            painting = false;
            queuedPicks = 0;
            send('VirelEvents.onIsPainting(false);');
            return undefined;
        }),
        deleteMaterial: call('deleteMaterial', function (argument, count) {
            const id = argumentText(argument, count).replace(/[{}]/g, '').toUpperCase();
            folders.forEach(function (f) {
                f.surfaces = f.surfaces.filter(function (s) { return s.id !== id; });
            });
            changed();
            return catalogueText();
        }),
        createMaterials: call('createMaterials', function (argument, count) {
            const entries = entriesOf(parse(argumentText(argument, count)));
            for (let i = 0; i < entries.length; i++) create(entries[i]);
            changed();
            return catalogueText();
        })
    };

    // Test side ------------------------------------------------------------------------------

    fake.catalogueText = catalogueText;
    fake.failNext = function (name, message) { failures[name] = message; };
    fake.addMaterial = function (entry) { return create(entry); };
    fake.sendModified = function () { send('VirelEvents.onMaterialsModified(' + catalogueText() + ')'); };

    // The host running one queued pick, in which the user clicks a face.
    fake.pick = function (guid, elementIndex, bodyIndex, polygonIndex) {
        if (!painting || queuedPicks === 0) return false;
        queuedPicks -= 1;
        send("VirelEvents.onElementSelected('" + guid + "', " + elementIndex + ', ' + bodyIndex + ', ' + polygonIndex + ')');
        return true;
    };

    // The user pressing Esc in the 3D window: the pick is cancelled and paint mode left.
    fake.cancelPick = function () {
        painting = false;
        queuedPicks = 0;
        send('VirelEvents.onIsPainting(false);');
    };

    (opt.materials || []).forEach(function (m) { create(m); });
})();
