// The sandbox's host page: follows the host's transcript and state, and turns what the user
// does here into steps for the host.
import { runStep, readState, readTranscript, followTranscript } from './host-api.js';
import { PaletteFrame } from './palette-frame.js';
import { PalettePanel } from './palette-panel.js';
import { drawPlan } from './plan-view.js';
import { showMenus, showFolders, showHistory } from './host-panels.js';

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

const frame = new PaletteFrame($('palette-body'));
const panel = new PalettePanel($('palette'), step);
const scene = new Scene3D($('view-3d'), (face) => step({ do: 'pickNext', click: face }));

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
    showMenus($('menus'), state.menus, step);
    showFolders($('folders'), state);
    showHistory($('undo'), $('redo'), state);
    panel.show(state.palette, addOnName);
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
    $('crosshair').hidden = !picking;
    scene.show(state);
    $('view-plan').classList.toggle('picking', state.input.waiting && !in3d);
    if (!in3d) planFaceAt = drawPlan($('plan'), state);
    document.body.dataset.ready = 'true';
}

// What each transcript line means for this page; 'live' lines happen now, others are history.
// 'printed' is the line as the host printed it, when at hand.
function onLine(line, live, printed = JSON.stringify(line)) {
    const text = document.createTextNode(printed + '\n');
    $('transcript').appendChild(text);
    if (line.described) addOnName = line.described.name;
    if (line.openUrl) frame.urlOpened(line.openUrl);
    if (line.scriptObject) frame.scriptObject(line.functions);
    if (!live) return;
    frame.lineArrived(line);
    if (line.openUrl) frame.open(true);
    if (line.page !== undefined && frame.isOpen()) frame.runLine(line.page);
    if (line.report !== undefined) showReport(line.report);
    // a call's own result changes nothing the host shows
    if (!('result' in line || 'exception' in line || 'debug' in line)) refresh();
}

$('plan').addEventListener('click', (e) => {
    const face = state && state.input.waiting ? planFaceAt(e.offsetX, e.offsetY) : null;
    if (face) step({ do: 'pickNext', click: face });
});
window.addEventListener('project-may-have-changed', refresh);
$('undo').addEventListener('click', () => step({ do: 'undo' }));
$('redo').addEventListener('click', () => step({ do: 'redo' }));
$('close-project').addEventListener('click', () => step({ do: 'hostEvent', code: '0x40' }));
$('show-3d').addEventListener('click', () => step({ do: 'window', type: '3d' }));
$('show-plan').addEventListener('click', () => step({ do: 'window', type: 'plan' }));
document.addEventListener('keydown', (e) => {
    if (e.key === 'Escape' && state && state.input.waiting) step({ do: 'pickNext', cancel: true });
});

const history = await historyRead;
history.lines.forEach((line) => onLine(line, false));
try {
    state = await firstStateRead;
    render();
} catch (error) {
    await refresh();
}
// a palette that is already open gets a fresh page
if (state.palette.exists) frame.open();
followTranscript(history.next, (line, printed) => onLine(line, true, printed));
