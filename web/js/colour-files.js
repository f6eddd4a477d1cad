/* What the page writes and reads as files: the project's colour schedule (CSV) and colour
   schemes (JSON), and the download and file picking that work in a page opened from disk. */
(function (Virel) {
    'use strict';

    const SCHEDULE_COLUMNS = ['Code', 'Name', 'Finish', 'Hex', 'RGB', 'LRV', 'Folder'];
    const SCHEME_FORMAT = 'virel-colour-schemes';

    // The project's Virel materials as schedule rows, in the Project list's order. A material
    // named after a range colour takes the range's code, name and LRV; its own colour is
    // what the project holds.
    function scheduleRows(flat, range) {
        if (!flat) return [];
        return flat.materials.map((m) => {
            const colour = m.code ? range.byCode.get(m.code) : null;
            const finish = Virel.finishOfProduct(m.product);
            const sameColour = colour && colour.hex === m.hex;
            return {
                code: m.code || '',
                name: colour ? colour.name : m.name,
                finish: finish ? finish.label : '',
                hex: m.hex,
                rgb: `${m.rgb.r}, ${m.rgb.g}, ${m.rgb.b}`,
                lrv: String(sameColour ? colour.lrv : Virel.colour.lrvOf(m.rgb)),
                folder: m.folderPath.replace(/\/+$/, '')
            };
        });
    }

    // A field as CSV writes it; a leading = + - @ is kept from being read as a formula.
    function csvField(value) {
        let text = String(value);
        if (/^[=+\-@\t\r]/.test(text)) text = "'" + text;
        return /[",\r\n]/.test(text) ? '"' + text.replace(/"/g, '""') + '"' : text;
    }

    function scheduleCsv(rows) {
        const lines = [SCHEDULE_COLUMNS.join(',')].concat(rows.map((r) =>
            [r.code, r.name, r.finish, r.hex, r.rgb, r.lrv, r.folder].map(csvField).join(',')));
        return lines.join('\r\n') + '\r\n';
    }

    function schemesText(schemes) {
        return JSON.stringify({ format: SCHEME_FORMAT, version: 1, schemes: schemes.map((s) => ({ name: s.name, codes: s.codes })) }, null, 2);
    }

    // A schemes file -> { schemes: [{ name, codes }], unknown: [codes not in the range] }; throws
    // an Error in plain words when the text is no schemes file.
    function readSchemes(text, range) {
        let data;
        try { data = JSON.parse(text); } catch { throw new Error('the file is not a colour schemes file (not JSON)'); }
        if (!data || data.format !== SCHEME_FORMAT || !Array.isArray(data.schemes)) throw new Error('the file is not a colour schemes file');
        const unknown = [];
        const schemes = [];
        for (const s of data.schemes) {
            if (!s || typeof s.name !== 'string' || !s.name.trim() || !Array.isArray(s.codes)) continue;
            const codes = [];
            for (const code of s.codes) {
                if (typeof code !== 'string') continue;
                if (range.byCode.has(code)) { if (!codes.includes(code)) codes.push(code); } else unknown.push(code);
            }
            schemes.push({ name: s.name.trim().slice(0, 80), codes });
        }
        return { schemes, unknown };
    }

    // Offers text as a file to save; works in a page opened from disk.
    function download(name, type, text) {
        const url = URL.createObjectURL(new Blob([text], { type }));
        const a = Virel.dom.h('a', { href: url, download: name, hidden: true });
        document.body.append(a);
        a.click();
        a.remove();
        setTimeout(() => URL.revokeObjectURL(url), 1000);
    }

    // Asks for a file and resolves with its text, or null when none was chosen.
    function pickFile(input) {
        return new Promise((resolve) => {
            input.value = '';
            input.onchange = () => {
                const file = input.files && input.files[0];
                if (!file) { resolve(null); return; }
                const reader = new FileReader();
                reader.onload = () => resolve(String(reader.result));
                reader.onerror = () => resolve(null);
                reader.readAsText(file);
            };
            input.click();
        });
    }

    Virel.colourFiles = { SCHEDULE_COLUMNS, scheduleRows, scheduleCsv, schemesText, readSchemes, download, pickFile };
})(window.Virel = window.Virel || {});
