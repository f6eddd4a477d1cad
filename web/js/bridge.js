/* Calls into the add-on's script object "archicad". Any call may throw, and any result may be a
   value or a Promise; every call here answers with a Promise that rejects with a CallError. */
(function (Virel) {
    'use strict';

    function CallError(call, reason, kind) {
        this.name = 'CallError';
        this.call = call;
        this.kind = kind || 'failed';
        this.reason = reason;
        this.message = call + ': ' + reason;
    }
    CallError.prototype = Object.create(Error.prototype);
    CallError.prototype.constructor = CallError;

    function reasonOf(e) {
        if (e === undefined || e === null) return 'no reason was given';
        let text = typeof e === 'string' ? e : (e && e.message) || String(e);
        // The add-on's JSON errors start with a bracketed tag that says nothing to the user.
        text = String(text).replace(/^\s*\[[a-z_.0-9]+\]\s*/i, '').trim();
        return text || 'no reason was given';
    }

    function Bridge(win) {
        this.win = win;
    }

    Bridge.prototype.host = function () {
        const h = this.win.archicad;
        return h && (typeof h === 'object' || typeof h === 'function') ? h : null;
    };

    Bridge.prototype.connected = function () {
        return this.host() !== null;
    };

    // call("getMaterials") or call("resize", text): the argument is passed only when given.
    Bridge.prototype.call = function (name, arg) {
        const self = this;
        const withArg = arguments.length > 1;
        return new Promise(function (resolve) {
            const host = self.host();
            if (!host) throw new CallError(name, 'the palette is not connected to a project', 'not-connected');
            const fn = host[name];
            if (typeof fn !== 'function') throw new CallError(name, 'the add-on does not offer "' + name + '"', 'missing');
            resolve(withArg ? fn.call(host, arg) : fn.call(host));
        }).catch(function (e) {
            throw e instanceof CallError ? e : new CallError(name, reasonOf(e));
        });
    };

    // Calls whose result is the catalogue text: resolve with the parsed catalogue root.
    Bridge.prototype.catalogueCall = function (name, arg) {
        const p = arguments.length > 1 ? this.call(name, arg) : this.call(name);
        return p.then(function (text) {
            if (text === undefined || text === null || text === '') {
                throw new CallError(name, 'the project sent no material list');
            }
            try {
                return Virel.catalogue.parse(text);
            } catch (e) {
                throw new CallError(name, reasonOf(e));
            }
        });
    };

    Virel.Bridge = Bridge;
    Virel.CallError = CallError;
})(window.Virel = window.Virel || {});
