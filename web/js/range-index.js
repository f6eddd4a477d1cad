/* The colour range as the page browses it: family and LRV filters, sort orders, search, nearest match. */
(function (Virel) {
    'use strict';

    var NEAREST_COUNT = 24;

    // Light-reflectance bands the range can be narrowed to, lightest first: min inclusive, max exclusive.
    var LRV_BANDS = {
        'very-light': { min: 70, max: Infinity, label: 'LRV 70 and above' },
        light: { min: 50, max: 70, label: 'LRV 50 to 70' },
        mid: { min: 30, max: 50, label: 'LRV 30 to 50' },
        dark: { min: 15, max: 30, label: 'LRV 15 to 30' },
        'very-dark': { min: -Infinity, max: 15, label: 'LRV below 15' }
    };

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
        this.byCode = new Map();
        for (var i = 0; i < list.length; i++) {
            var src = list[i];
            var rgb = fastRgb(src.hex) || colour.parseHex(src.hex) || { r: 0, g: 0, b: 0 };
            var item = {
                index: i,
                code: String(src.code),
                name: String(src.name),
                hex: String(src.hex).toLowerCase(),
                family: src.family,
                lrv: typeof src.lrv === 'number' ? src.lrv : colour.lrvOf(rgb),
                rgb: rgb,
                lab: colour.rgbToLab(rgb),
                hue: typeof src.h === 'number' ? src.h : 0,
                chroma: typeof src.c === 'number' ? src.c : 0,
                ink: colour.inkFor(rgb)
            };
            item.lightness = typeof src.l === 'number' ? src.l : item.lab[0];
            this.colours[i] = item;
            this.byCode.set(item.code, item);
        }
        this.colour = colour;
        this.searchReady = false;
        this._orders = Object.create(null);
    }

    function byHue(a, b) {
        var ga = a.chroma < 2.5 ? 1 : 0, gb = b.chroma < 2.5 ? 1 : 0;
        return ga - gb || (ga ? 0 : a.hue - b.hue) || b.lightness - a.lightness || a.index - b.index;
    }

    // Each sort order is made the first time it is asked for, so that opening the page sorts once.
    var ORDERS = {
        families: function (index) { return index._familiesTogether(); },
        lightness: function (index) {
            return index._order(function (a, b) { return b.lightness - a.lightness || a.hue - b.hue || a.index - b.index; });
        },
        hue: function (index) { return index._order(byHue); },
        lrv: function (index) { return index._order(function (a, b) { return b.lrv - a.lrv || a.index - b.index; }); },
        'lrv-low': function (index) { return index._order(function (a, b) { return a.lrv - b.lrv || a.index - b.index; }); }
    };

    RangeIndex.prototype.order = function (sort) {
        var name = ORDERS[sort] ? sort : 'families';
        return this._orders[name] || (this._orders[name] = ORDERS[name](this));
    };

    // The folded texts search compares with, made on the first search (or when the page is idle).
    RangeIndex.prototype.prepareSearch = function () {
        if (this.searchReady) return;
        var familyKey = Object.create(null);
        for (var f = 0; f < this.families.length; f++) familyKey[this.families[f].id] = Virel.searchText.fold(this.families[f].label);
        for (var i = 0; i < this.colours.length; i++) {
            var item = this.colours[i];
            var code = item.code.toLowerCase();
            item.codeKey = code;
            item.nameKey = Virel.searchText.fold(item.name);
            item.key = code + ' ' + code.replace(/[^a-z0-9]/g, '') + ' ' + item.nameKey + ' ' + (familyKey[item.family] || '');
            item.joinedKey = item.key.replace(/ /g, '');
        }
        this.searchReady = true;
    };

    RangeIndex.prototype._order = function (compare) {
        return this.colours.slice().sort(compare).map(function (c) { return c.index; });
    };

    // Each family together, in the range's family order, lightest first within it.
    RangeIndex.prototype._familiesTogether = function () {
        var rank = Object.create(null);
        this.families.forEach(function (f, i) { rank[f.id] = i; });
        var last = this.families.length;
        var rankOf = function (c) { return c.family in rank ? rank[c.family] : last; };
        return this._order(function (a, b) {
            if (a.family !== b.family) return rankOf(a) - rankOf(b) || (String(a.family) < String(b.family) ? -1 : 1);
            return b.lightness - a.lightness || a.index - b.index;
        });
    };

    RangeIndex.prototype.familyCount = function (family) {
        var n = 0;
        for (var i = 0; i < this.colours.length; i++) if (this.colours[i].family === family) n++;
        return n;
    };

    // Nearest colours of the whole range to a CIELAB value by CIEDE2000: [{ index, d }], closest
    // first. skip: a colour index left out (the colour whose neighbours are asked for).
    RangeIndex.prototype.nearestTo = function (lab, count, skip) {
        var colours = this.colours, deltaE = this.colour.deltaE2000;
        var best = [];
        for (var i = 0; i < colours.length; i++) {
            if (i === skip) continue;
            // CIEDE2000 is never below the lightness difference over its largest weight, 1.75.
            if (best.length === count && Math.abs(lab[0] - colours[i].lab[0]) > 1.75 * best[count - 1].d) continue;
            var d = deltaE(lab, colours[i].lab);
            if (best.length === count && d >= best[count - 1].d) continue;
            var at = best.length === count ? count - 1 : best.length;
            while (at > 0 && best[at - 1].d > d) {
                best[at] = best[at - 1];
                at--;
            }
            best[at] = { index: i, d: d };
        }
        return best;
    };

    RangeIndex.prototype._nearest = function (target, query) {
        var best = this.nearestTo(this.colour.rgbToLab(target), NEAREST_COUNT, -1);
        var distance = Object.create(null);
        var items = best.map(function (b) { distance[b.index] = b.d; return b.index; });
        // Nearest matches come from the whole range; filterIgnored tells the reader that filters were set aside.
        return { mode: 'nearest', items: items, target: target, distance: distance, filterIgnored: !!(query.family || query.lrv || query.within) };
    };

    RangeIndex.prototype._candidates = function (query) {
        var family = query.family || '';
        var band = LRV_BANDS[query.lrv] || null;
        var order = query.within && query.keepOrder ? query.within : this.order(query.sort);
        var member = null;
        if (query.within && !query.keepOrder) {
            member = Object.create(null);
            for (var m = 0; m < query.within.length; m++) member[query.within[m]] = true;
        }
        var out = [];
        for (var i = 0; i < order.length; i++) {
            var c = this.colours[order[i]];
            if (!c || (family && c.family !== family) || (member && !member[c.index])) continue;
            if (band && !(c.lrv >= band.min && c.lrv < band.max)) continue;
            out.push(c);
        }
        return out;
    };

    // query: { text, family, sort, lrv (a band id), within (colour indices), keepOrder (list within
    // in its own order) } -> { mode: "all" | "search" | "nearest", items: [colour index], and for
    // nearest: target, distance (by colour index), filterIgnored }.
    RangeIndex.prototype.query = function (query) {
        var text = String(query.text || '').trim();
        var asColour = Virel.searchText.colourQuery(text);
        if (asColour && !asColour.wordLike) return this._nearest(asColour.rgb, query);
        var candidates = this._candidates(query);
        var i, c;
        if (!text) return { mode: 'all', items: candidates.map(function (x) { return x.index; }) };
        this.prepareSearch();
        var needle = Virel.searchText.fold(text).replace(/\s+/g, ' ');
        var match = Virel.searchText.matcher(text);
        // Exact names and codes first, then those that begin with the text, then the other
        // matches of every word, then those where a word matched only with a letter wrong.
        var exact = [], first = [], second = [], near = [];
        for (i = 0; i < candidates.length; i++) {
            c = candidates[i];
            var quality = match(c.key, c.joinedKey);
            if (!quality) continue;
            if (quality === 1) near.push(c.index);
            else if (c.codeKey === needle || c.nameKey === needle) exact.push(c.index);
            else if (c.codeKey.indexOf(needle) === 0 || c.nameKey.indexOf(needle) === 0) first.push(c.index);
            else second.push(c.index);
        }
        var items = exact.concat(first, second, near);
        if (!items.length && asColour) return this._nearest(asColour.rgb, query);
        return { mode: 'search', items: items };
    };

    Virel.RangeIndex = RangeIndex;
    Virel.NEAREST_COUNT = NEAREST_COUNT;
    Virel.LRV_BANDS = LRV_BANDS;
})(window.Virel = window.Virel || {});
