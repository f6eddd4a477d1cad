/* The message line: what went wrong in the user's words, or what just happened. Information
   goes away by itself; an error stays until it is dismissed. */
(function (Virel) {
    'use strict';

    const INFO_SHOWN_MS = 5000;

    // What each call does, in the user's words, for messages about it.
    const ACTIONS = {
        getMaterials: "read the project's Virel materials",
        createMaterials: 'import the colours',
        deleteMaterial: 'remove the material',
        beginPaint: 'start painting',
        endPaint: 'stop painting',
        paintElement: 'paint the picked face',
        resize: 'change the palette size',
        hide: 'hide the palette'
    };

    const NOT_CONNECTED = 'Not connected to a project. You can browse the whole range here; '
        + 'importing, removing and painting work when the palette is opened in the design application.';

    class Messages {
        constructor(el) {
            this.el = el;
            this.timer = 0;
            el.messageClose.addEventListener('click', () => this.hide());
        }

        get shown() {
            return !this.el.message.hidden;
        }

        // A failed call (a CallError) told in plain words, with what the user can do after it.
        plainError(e, after) {
            if (e && e.kind === 'not-connected') return NOT_CONNECTED;
            const action = ACTIONS[e && e.call] || 'do that';
            const reason = (e && e.reason) || (e && e.message) || 'something went wrong';
            return `Could not ${action}: ${reason.replace(/[.\s]+$/, '')}.${after ? ' ' + after : ''}`;
        }

        error(text) {
            this.show(text, 'error');
        }

        info(text) {
            this.show(text, 'info');
        }

        show(text, kind) {
            const m = this.el.message;
            clearTimeout(this.timer);
            m.className = 'message is-' + kind;
            m.setAttribute('role', kind === 'error' ? 'alert' : 'status');
            this.el.messageText.textContent = text;
            m.hidden = false;
            if (kind === 'info') this.timer = setTimeout(() => this.hide(), INFO_SHOWN_MS);
        }

        hide() {
            clearTimeout(this.timer);
            this.el.message.hidden = true;
        }
    }

    Messages.NOT_CONNECTED = NOT_CONNECTED;
    Virel.Messages = Messages;
})(window.Virel = window.Virel || {});
