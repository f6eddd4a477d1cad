/* The colour range as the page browses it: family filter, sort orders, search, nearest match. */
(function (Virel) {
    'use strict';

    var NEAREST_COUNT = 24;

    // The range's own "#rrggbb" texts, without a regular expression per colour.
    function fastRgb(hex) {
        if (typeof hex !== 'string' || hex.length !== 7 || hex.charCodeAt(0) !== 35) return null;
        var n = Number('0x' + hex.slice(1));
        return n >= 0 ? { r: (n >> 16) & 255, g: (n >> 8) & 255, b: n & 255 } : null;
    }

    function RangeIndex(data, colour) {
        var list = Array.isArray(data) ? data : (data && data.colours) || [];
        this.families = (data && data.families) || [];
        this.colours = new Array(list.length);
        this.byCode = Object.create(null);
        for (var i = 0; i < list.length; i++) {
            var src = list[i];
            var rgb = fastRgb(src.hex) || colour.parseHex(src.hex) || { r: 0, g: 0, b: 0 };
            var item = {
                index: i,
                code: String(src.code),
                name: String(src.name),
                hex: String(src.hex).toLowerCase(),
                family: src.family,
                lrv: src.lrv,
                rgb: rgb,
                lab: colour.rgbToLab(rgb),
                hue: typeof src.h === 'number' ? src.h : 0,
                chroma: typeof src.c === 'number' ? src.c : 0,
                ink: typeof src.lrv === 'number' ? colour.inkForLuminance(src.lrv / 100) : colour.inkFor(rgb)
            };
            item.lightness = typeof src.l === 'number' ? src.l : item.lab[0];
            var code = item.code.toLowerCase();
            item.codeKey = code;
            item.nameKey = item.name.toLowerCase();
            item.key = code + ' ' + code.replace(/[^a-z0-9]/g, '') + ' ' + item.nameKey;
            this.colours[i] = item;
            this.byCode[item.code] = item;
        }
        this.colour = colour;
        this.orders = {
            lightness: this._order(function (a, b) {
                return b.lightness - a.lightness || a.hue - b.hue || a.index - b.index;
            }),
            hue: this._order(function (a, b) {
                var ga = a.chroma < 2.5 ? 1 : 0, gb = b.chroma < 2.5 ? 1 : 0;
                return ga - gb || (ga ? 0 : a.hue - b.hue) || b.lightness - a.lightness || a.index - b.index;
            })
        };
    }

    RangeIndex.prototype._order = function (compare) {
        return this.colours.slice().sort(compare).map(function (c) { return c.index; });
    };

    RangeIndex.prototype.familyCount = function (family) {
        var n = 0;
        for (var i = 0; i < this.colours.length; i++) if (this.colours[i].family === family) n++;
        return n;
    };

    // A typed "#rrggbb" or "#rgb" asks for the nearest colours; anything else is a text search.
    RangeIndex.prototype.hexQuery = function (text) {
        var t = String(text || '').trim();
        if (t.charAt(0) !== '#') return null;
        return this.colour.parseHex(t);
    };

    // query: { text, family, sort } -> { mode: "all" | "search" | "nearest", items: [colour index],
    // target (nearest only), distance (nearest only, by colour index) }.
    RangeIndex.prototype.query = function (query) {
        var family = query.family || '';
        var order = this.orders[query.sort] || this.orders.lightness;
        var colours = this.colours;
        var text = String(query.text || '').trim();
        var target = this.hexQuery(text);
        var items = [], i, c;
        if (target) {
            var lab = this.colour.rgbToLab(target);
            var scored = [];
            for (i = 0; i < colours.length; i++) {
                c = colours[i];
                if (family && c.family !== family) continue;
                scored.push({ index: i, d: this.colour.deltaE2000(lab, c.lab) });
            }
            scored.sort(function (a, b) { return a.d - b.d || a.index - b.index; });
            var distance = Object.create(null);
            for (i = 0; i < scored.length && i < NEAREST_COUNT; i++) {
                items.push(scored[i].index);
                distance[scored[i].index] = scored[i].d;
            }
            return { mode: 'nearest', items: items, target: target, distance: distance };
        }
        if (!text) {
            for (i = 0; i < order.length; i++) {
                if (!family || colours[order[i]].family === family) items.push(order[i]);
            }
            return { mode: 'all', items: items };
        }
        var needle = text.toLowerCase();
        var words = needle.split(/\s+/);
        var first = [], second = [];
        for (i = 0; i < order.length; i++) {
            c = colours[order[i]];
            if (family && c.family !== family) continue;
            var hit = true;
            for (var w = 0; w < words.length; w++) {
                if (c.key.indexOf(words[w]) < 0) { hit = false; break; }
            }
            if (!hit) continue;
            if (c.codeKey === needle || c.nameKey === needle) items.push(c.index);
            else if (c.codeKey.indexOf(needle) === 0 || c.nameKey.indexOf(needle) === 0) first.push(c.index);
            else second.push(c.index);
        }
        return { mode: 'search', items: items.concat(first, second) };
    };

    Virel.RangeIndex = RangeIndex;
    Virel.NEAREST_COUNT = NEAREST_COUNT;
})(window.Virel = window.Virel || {});
