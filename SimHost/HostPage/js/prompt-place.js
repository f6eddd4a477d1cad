// Where the host's prompt and notes go: near the top of the views, in the widest part of it
// that the palette leaves free, so that the palette never hides them.
const GAP = 8;
const TOP = 40;

// box: the views; palette: the palette's box or null; below: how far under the first line.
export function placePrompt(element, box, palette, below) {
    if (element.hidden) return;
    element.style.maxWidth = '';
    let top = box.top + TOP + below;
    const { height } = element.getBoundingClientRect();
    let span = [box.left, box.right];
    if (palette && palette.top < top + height && palette.bottom > top) {
        const left = [box.left, Math.min(box.right, palette.left)], right = [Math.max(box.left, palette.right), box.right];
        span = left[1] - left[0] >= right[1] - right[0] ? left : right;
        // too narrow beside the palette: under it
        if (span[1] - span[0] < 160) {
            span = [box.left, box.right];
            top = palette.bottom + GAP + below;
        }
    }
    element.style.maxWidth = Math.max(120, span[1] - span[0] - 2 * GAP) + 'px';
    const width = element.getBoundingClientRect().width;
    element.style.left = Math.round((span[0] + span[1] - width) / 2) + 'px';
    element.style.top = Math.round(top) + 'px';
}

// The note for a click the add-on took that left the element as it was.
export const UNCHANGED_NOTE = 'Nothing changed: the add-on left that element as it was.';

// The note for a click the add-on answered with nothing the user can see: no page line, no
// report and no change to the project. Null when it did answer.
export function clickNote(lines) {
    const answered = lines.some((line) => 'page' in line || 'report' in line || 'undoable' in line || 'command' in line);
    return answered ? null : 'Nothing to paint there: the add-on did nothing with that click.';
}
