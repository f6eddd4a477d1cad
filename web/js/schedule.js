/* The project's colour schedule: its Virel materials with code, name, finish, hex, RGB, LRV and
   folder, as a table to print and as CSV, the sheet handed to a client or a painter. */
(function (Virel) {
    'use strict';

    const { h, fill, byId } = Virel.dom;

    class Schedule {
        constructor(app) {
            this.app = app;
            this.dialog = new Virel.ColourDialog('vt-schedule', 'Colour schedule', (id) => app.rangeView.familyLabel(id));
            this.csvButton = h('button', { type: 'button', id: 'schedule-csv', text: 'Save as CSV' });
            this.printButton = h('button', { type: 'button', id: 'schedule-print', text: 'Print' });
            this.csvButton.addEventListener('click', () => this.saveCsv());
            this.printButton.addEventListener('click', () => window.print());
            this.dialog.heading.after(this.csvButton, this.printButton);
            // A long schedule scrolls: it can be scrolled from the keyboard too.
            Object.assign(this.dialog.body, { tabIndex: 0 });
            this.dialog.body.setAttribute('role', 'region');
            this.dialog.body.setAttribute('aria-label', 'Schedule');
            byId('open-schedule').addEventListener('click', () => this.open());
        }

        rows() {
            return Virel.colourFiles.scheduleRows(this.app.catalogue.flat, this.app.range);
        }

        open() {
            const rows = this.rows();
            const date = new Date().toISOString().slice(0, 10);
            const columns = Virel.colourFiles.SCHEDULE_COLUMNS;
            fill(this.dialog.body,
                h('p', { className: 'schedule-note', text: `${rows.length} Virel ${rows.length === 1 ? 'material' : 'materials'} in the project, ${date}.` }),
                rows.length ? h('table', { className: 'schedule-table', id: 'schedule-table' },
                    h('thead', {}, h('tr', {}, h('th', { 'aria-label': 'Colour' }), columns.map((c) => h('th', { scope: 'col', text: c })))),
                    h('tbody', {}, rows.map((r) => h('tr', {},
                        h('td', {}, h('span', { className: 'mat-sw', style: { background: r.hex } })),
                        [r.code, r.name, r.finish, r.hex, r.rgb, r.lrv, r.folder].map((v) => h('td', { text: v }))))))
                    : h('p', { text: 'No Virel colours in this project yet.' }));
            this.csvButton.disabled = this.printButton.disabled = !rows.length;
            this.dialog.show(byId('open-schedule'));
        }

        saveCsv() {
            Virel.colourFiles.download('virel-colour-schedule.csv', 'text/csv', Virel.colourFiles.scheduleCsv(this.rows()));
        }
    }

    Virel.Schedule = Schedule;
})(window.Virel = window.Virel || {});
