/* A short list of colour codes the page remembers in its localStorage: the favourites and the
   recently viewed colours. Codes, not positions, so a list survives a newer range. */
(function (Virel) {
    'use strict';

    // storage: window.localStorage or anything with getItem/setItem; null or a failing one keeps
    // the list for this visit only. limit: the most codes kept, the newest first.
    function ColourList(storage, key, limit) {
        this.storage = storage;
        this.key = key;
        this.limit = limit;
        this.codes = [];
        var saved = null;
        try { saved = JSON.parse(storage.getItem(key)); } catch { saved = null; }
        if (Array.isArray(saved)) {
            var seen = Object.create(null);
            for (var i = 0; i < saved.length && this.codes.length < limit; i++) {
                var code = saved[i];
                if (typeof code === 'string' && !seen[code]) { seen[code] = true; this.codes.push(code); }
            }
        }
    }

    ColourList.prototype.has = function (code) {
        return this.codes.indexOf(code) >= 0;
    };

    // Puts the code first (once), dropping the oldest beyond the limit.
    ColourList.prototype.add = function (code) {
        var at = this.codes.indexOf(code);
        if (at === 0) return;
        if (at > 0) this.codes.splice(at, 1);
        this.codes.unshift(code);
        if (this.codes.length > this.limit) this.codes.length = this.limit;
        this._save();
    };

    ColourList.prototype.remove = function (code) {
        var at = this.codes.indexOf(code);
        if (at < 0) return;
        this.codes.splice(at, 1);
        this._save();
    };

    // Returns whether the code is in the list afterwards.
    ColourList.prototype.toggle = function (code) {
        if (this.has(code)) this.remove(code); else this.add(code);
        return this.has(code);
    };

    // The colour indices of the listed codes the range knows, newest first.
    ColourList.prototype.indicesIn = function (range) {
        var out = [];
        for (var i = 0; i < this.codes.length; i++) {
            var c = range.byCode[this.codes[i]];
            if (c) out.push(c.index);
        }
        return out;
    };

    ColourList.prototype._save = function () {
        try { this.storage.setItem(this.key, JSON.stringify(this.codes)); } catch { /* kept for this visit */ }
    };

    Virel.ColourList = ColourList;
})(window.Virel = window.Virel || {});
