// The sandbox's host page: follows the host's transcript and state, and turns what the user
// does here into steps for the host. The add-on's page runs in the one tab that holds the
// palette; every tab follows the project.
import { runStep, readState, readTranscript, followTranscript, closeProject, sendPick } from './host-api.js';
import { PaletteFrame } from './palette-frame.js';
import { PalettePanel } from './palette-panel.js';
import { PaletteHolder } from './palette-holder.js';
import { drawPlan } from './plan-view.js';
import { showMenus, showFolders, showHistory } from './host-panels.js';
import { placePrompt, clickNote, UNCHANGED_NOTE } from './prompt-place.js';

// The host's transcript, then its state, are read while three.js loads: the state after the
// transcript, so that every later change comes as a line of the event stream.
const historyRead = readTranscript();
const firstStateRead = historyRead.then(readState);
const { Scene3D } = await import('./scene-3d.js');

const $ = (id) => document.getElementById(id);
let state = null;
let addOnName = 'Palette';
let planFaceAt = () => null;

function reportError(error) { showReport(String(error.message || error)); }
function step(s) { return runStep(s).then(refresh, reportError); }

// A click while a point input waits; one the add-on reports nothing for gets a note, and so
// does one that leaves the element as it was (a door's faces take no paint). Between two inputs
// of one paint mode no input waits for a moment: the click waits up to 3 s for the next.
const NO_INPUT = 'no point input waits for a click';
async function pick(face) {
    if (!face) return showNote('No element there: click a face of the model to paint it.');
    const before = elementAsShown(face);
    for (let tries = 0; ; tries++) {
        try {
            const note = clickNote(await sendPick({ click: face }));
            showNote(note);
            await refresh();
            return note || noteIfUnchanged(face, before);
        } catch (error) {
            if (error.message !== NO_INPUT || tries >= 60) {
                showNote(error.message === NO_INPUT ? 'The host had stopped waiting for a click: this one did nothing.' : error.message);
                return refresh();
            }
            await new Promise((resolve) => setTimeout(resolve, 50));
        }
    }
}

const elementAsShown = (face) => JSON.stringify(state?.elements[face.element] ?? null);

// What the add-on does with a click it took comes after it, through its page: once the next
// input waits (or 2 s have passed), an element that is still as it was gets a note, unless a
// report has said why.
async function noteIfUnchanged(face, before) {
    for (let i = 0; i < 40 && !state?.input.waiting; i++) {
        await new Promise((resolve) => setTimeout(resolve, 50));
        await refresh();
    }
    if (elementAsShown(face) === before && !$('report').open) showNote(UNCHANGED_NOTE);
}

// A click in the 3D window. Between two inputs of one paint mode the page may have heard that
// none waits, and not yet that the next one does: the host's state decides, so that no click
// made while the prompt shows is lost.
async function pickIn3d(face, picking) {
    if (!picking) {
        await refresh();
        if (!state || !state.input.waiting || state.window !== '3d') return;
    }
    return pick(face);
}

let noteTimer = null;
function showNote(text) {
    clearTimeout(noteTimer);
    $('note').hidden = !text;
    $('note').textContent = text || '';
    if (text) noteTimer = setTimeout(() => { $('note').hidden = true; }, 4000);
    placeNotes();
}

const frame = new PaletteFrame($('palette-body'));
// flat: every face in its material's colour exactly (the tests that read colours use it)
const flat = new URLSearchParams(location.search).has('flat');
const scene = new Scene3D($('view-3d'), pickIn3d, { flat });
const holder = new PaletteHolder((holds) => {
    if (!holds) frame.close();
    else if (state?.palette.exists) frame.open();
    if (state) render();
});
const panel = new PalettePanel($('palette'), {
    onStep: step,
    onTake: () => holder.take().then(refresh, reportError),
    area: () => $('view-3d').hidden ? $('view-plan').getBoundingClientRect() : $('view-3d').getBoundingClientRect(),
    modelBox: () => scene.modelBox(),
    onMoved: () => placeNotes(),
    onOpened: (box) => scene.frameBeside(box),
});
// for the tests and benchmarks: where a point of the model is drawn on the page, and the face
// drawn at a point of the page (element, body and polygon, as a click there picks it), or null
window.hostView = {
    pointOf: (vertex) => scene.pointOf(vertex),
    faceAt: (x, y) => { const box = $('view-3d').getBoundingClientRect(); return scene.faceAt(x - box.left, y - box.top); },
};

function placeNotes() {
    const palette = $('palette').hidden ? null : $('palette').getBoundingClientRect();
    const views = $('view-3d').parentElement.getBoundingClientRect();
    placePrompt($('prompt'), views, palette, 0);
    placePrompt($('note'), views, palette, $('prompt').hidden ? 0 : $('prompt').offsetHeight + 6);
}

function showReport(text) {
    $('report-text').textContent = text;
    if (!$('report').open) $('report').showModal();
}

let refreshing = null, again = false;
async function refresh() {
    if (refreshing) { again = true; return refreshing; }
    refreshing = (async () => {
        do {
            again = false;
            try { state = await readState(); } catch (error) { continue; }
            render();
        } while (again);
    })();
    await refreshing;
    refreshing = null;
}

function render() {
    showMenus($('menus'), state.menus, (s) => holder.takeIfFree().then(() => step(s), reportError));
    showFolders($('folders'), state);
    showHistory($('undo'), $('redo'), state);
    if (!state.palette.exists && frame.isOpen()) frame.close();
    const in3d = state.window === '3d';
    $('view-3d').hidden = !in3d;
    $('view-plan').hidden = in3d;
    $('show-3d').setAttribute('aria-pressed', String(in3d));
    $('show-plan').setAttribute('aria-pressed', String(!in3d));
    const picking = state.input.waiting && in3d;
    scene.picking = picking;
    $('view-3d').classList.toggle('picking', picking);
    $('prompt').hidden = !state.input.waiting;
    $('prompt').textContent = state.input.prompt || 'Click a face';
    if (!state.input.waiting) $('note').hidden = true;
    $('crosshair').hidden = !picking;
    scene.show(state);
    $('view-plan').classList.toggle('picking', state.input.waiting && !in3d);
    if (!in3d) planFaceAt = drawPlan($('plan'), state);
    panel.show(state.palette, addOnName, holder.holds);
    placeNotes();
    document.body.dataset.ready = 'true';
    document.body.dataset.holds = String(holder.holds);
}

const PANEL_LINES = 2000;

// What each transcript line means for this page; 'live' lines happen now, others are history.
// 'printed' is the line as the host printed it, when at hand. Only the holding tab runs the
// add-on's page.
function onLine(line, live, printed = JSON.stringify(line)) {
    const transcript = $('transcript');
    transcript.appendChild(document.createTextNode(printed + '\n'));
    // a long session's panel keeps its tail only
    if (transcript.childNodes.length > PANEL_LINES) transcript.firstChild.remove();
    if (line.described) addOnName = line.described.name;
    if (line.openUrl) frame.urlOpened(line.openUrl);
    if (line.scriptObject) frame.scriptObject(line.functions);
    if (!live) return;
    if (holder.holds) {
        frame.lineArrived(line);
        if (line.openUrl) frame.open(true);
        if (line.page !== undefined && frame.isOpen()) frame.runLine(line.page);
        if (line.report !== undefined) showReport(line.report);
    }
    // a call's own result changes nothing the host shows
    if (!('result' in line || 'exception' in line || 'debug' in line)) refresh();
}

$('plan').addEventListener('click', (e) => {
    const face = state && state.input.waiting ? planFaceAt(e.offsetX, e.offsetY) : null;
    if (face) pick(face);
});
window.addEventListener('project-may-have-changed', refresh);
window.addEventListener('resize', placeNotes);
$('undo').addEventListener('click', () => step({ do: 'undo' }));
$('redo').addEventListener('click', () => step({ do: 'redo' }));
$('close-project').addEventListener('click', () => closeProject().then(refresh, reportError));
$('show-3d').addEventListener('click', () => step({ do: 'window', type: '3d' }));
$('show-plan').addEventListener('click', () => step({ do: 'window', type: 'plan' }));
document.addEventListener('keydown', (e) => {
    if (e.key === 'Escape' && state && state.input.waiting) step({ do: 'pickNext', cancel: true });
    // Ctrl+Z undoes, Ctrl+Y and Ctrl+Shift+Z redo, except while typing in a field
    if (!(e.ctrlKey || e.metaKey) || e.altKey || e.target.closest?.('input, textarea, [contenteditable]')) return;
    const key = e.key.toLowerCase();
    if (key === 'z' || key === 'y') {
        e.preventDefault();
        step({ do: key === 'y' || e.shiftKey ? 'redo' : 'undo' });
    }
});

const history = await historyRead;
history.lines.forEach((line) => onLine(line, false));
try {
    state = await firstStateRead;
    render();
} catch (error) {
    await refresh();
}
await holder.start();
// a palette that is already open gets a fresh page, in the tab that holds it
if (holder.holds && state.palette.exists && !frame.isOpen()) frame.open();
render();
followTranscript(history.next, (line, printed) => onLine(line, true, printed));
