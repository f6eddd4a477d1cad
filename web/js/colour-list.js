/* A short list of colour codes the page remembers in its localStorage: the favourites and the
   recently viewed colours. Codes, not positions, so a list survives a newer range. */
(function (Virel) {
    'use strict';

    class ColourList {
        // storage: window.localStorage or anything with getItem/setItem; null or a failing one keeps
        // the list for this visit only. limit: the most codes kept, the newest first.
        constructor(storage, key, limit) {
            this.storage = storage;
            this.key = key;
            this.limit = limit;
            let saved = null;
            try { saved = JSON.parse(storage.getItem(key)); } catch { saved = null; }
            const codes = Array.isArray(saved) ? saved.filter((code) => typeof code === 'string') : [];
            this.codes = [...new Set(codes)].slice(0, limit);
        }

        has(code) {
            return this.codes.includes(code);
        }

        // Puts the code first (once), dropping the oldest beyond the limit.
        add(code) {
            if (this.codes[0] === code) return;
            this.codes = [code, ...this.codes.filter((c) => c !== code)].slice(0, this.limit);
            this.save();
        }

        remove(code) {
            if (!this.has(code)) return;
            this.codes = this.codes.filter((c) => c !== code);
            this.save();
        }

        // Returns whether the code is in the list afterwards.
        toggle(code) {
            if (this.has(code)) this.remove(code); else this.add(code);
            return this.has(code);
        }

        // The colour indices of the listed codes the range knows, newest first.
        indicesIn(range) {
            return this.codes.map((code) => range.byCode.get(code)).filter(Boolean).map((c) => c.index);
        }

        save() {
            try { this.storage.setItem(this.key, JSON.stringify(this.codes)); } catch { /* kept for this visit */ }
        }
    }

    Virel.ColourList = ColourList;
})(window.Virel = window.Virel || {});
