/* The message line: what went wrong in the user's words and what they can do, with the technical
   text on demand, or what just happened, with a way to take it back. Information goes away by
   itself; an error stays until it is dismissed. It lies over the foot of the grid, so showing it
   moves nothing. */
(function (Virel) {
    'use strict';

    const INFO_SHOWN_MS = 5000;
    const UNDO_SHOWN_MS = 8000;

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
        constructor(el, whereFocusReturns) {
            this.el = el;
            this.timer = 0;
            this.action = null;
            this.onCancel = null;
            this.whereFocusReturns = whereFocusReturns;
            el.messageClose.addEventListener('click', () => this.hide());
            el.messageMore.addEventListener('click', () => this.showDetail(el.messageDetail.hidden));
            el.messageAction.addEventListener('click', () => {
                const run = this.action;
                this.onCancel = null;
                this.hide();
                if (run) run();
            });
        }

        get shown() {
            return !this.el.message.hidden;
        }

        // A failed call (a CallError) in plain words, with what the user can do after it:
        // { text, detail } where detail is the add-on's own reason.
        plainError(e, after) {
            if (e && e.kind === 'not-connected') return { text: NOT_CONNECTED, detail: '' };
            const action = ACTIONS[e && e.call] || 'do that';
            const reason = (e && e.reason) || (e && e.message) || 'something went wrong';
            return { text: `Could not ${action}.${after ? ' ' + after : ''}`, detail: reason };
        }

        // error('text') or error({ text, detail }).
        error(message) {
            const m = typeof message === 'string' ? { text: message, detail: '' } : message;
            this.show(m.text, 'error', { detail: m.detail });
        }

        // A question with one action and Cancel, asked in the message line; resolves with true
        // when the action is taken, false when cancelled or when another message replaces it.
        confirm(text, label) {
            const asker = document.activeElement;
            return new Promise((resolve) => {
                this.show(text, 'confirm', { action: { label, run: () => resolve(true) } });
                this.onCancel = () => resolve(false);
                this.returnFocus = asker;
                this.el.messageClose.textContent = 'Cancel';
                this.el.messageClose.removeAttribute('aria-label');
                this.el.messageAction.focus();
            });
        }

        // info('text') or info('text', { label, run }): a button that takes the change back.
        info(text, action) {
            this.show(text, 'info', { action });
        }

        show(text, kind, { detail = '', action = null } = {}) {
            const el = this.el;
            clearTimeout(this.timer);
            this.cancelQuestion();
            el.messageClose.textContent = 'Dismiss';
            el.messageClose.setAttribute('aria-label', 'Dismiss message');
            el.message.className = 'message is-' + kind;
            el.message.setAttribute('role', kind === 'info' ? 'status' : 'alert');
            el.messageText.textContent = text;
            el.messageDetail.textContent = detail;
            el.messageMore.hidden = !detail;
            this.showDetail(false);
            this.action = action ? action.run : null;
            el.messageAction.hidden = !action;
            el.messageAction.textContent = action ? action.label : '';
            el.message.hidden = false;
            if (kind === 'info') this.timer = setTimeout(() => this.hide(), action ? UNDO_SHOWN_MS : INFO_SHOWN_MS);
        }

        showDetail(on) {
            this.el.messageDetail.hidden = !on;
            this.el.messageMore.setAttribute('aria-expanded', String(on));
        }

        cancelQuestion() {
            const cancel = this.onCancel;
            this.onCancel = null;
            if (cancel) cancel();
        }

        // Hides the message; focus inside it goes back to where the user works.
        hide() {
            clearTimeout(this.timer);
            this.cancelQuestion();
            const hadFocus = this.el.message.contains(document.activeElement);
            this.el.message.hidden = true;
            this.action = null;
            const back = this.returnFocus;
            this.returnFocus = null;
            if (hadFocus) (back && back.isConnected && back !== document.body ? back : this.whereFocusReturns())?.focus();
        }
    }

    Messages.NOT_CONNECTED = NOT_CONNECTED;
    Virel.Messages = Messages;
})(window.Virel = window.Virel || {});
