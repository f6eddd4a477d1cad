/* Long work done a slice at a time: an iterator is stepped until a slice's time is used up, then
   the page gets the turn (input, and a frame drawn) before the next slice. Work that fits in one slice is
   done at once, before the call returns. */
(function (Virel) {
    'use strict';

    const SLICE_MS = 8;
    // A step that yields this ends its slice at once: what follows gets a slice of its own.
    const PAUSE = {};

    // A message to oneself comes back after waiting input and timers, without the clamping that
    // nested setTimeout calls get.
    const channel = typeof MessageChannel === 'function' ? new MessageChannel() : null;
    const waiting = [];
    if (channel) channel.port1.onmessage = () => waiting.shift()?.();

    function nextTurn(fn) {
        if (!channel) { setTimeout(fn, 0); return; }
        waiting.push(fn);
        channel.port2.postMessage(0);
    }

    // Slices run back to back as long as frames keep coming: a message alone lets the next slice
    // run before the browser draws, which then draws only after about 100 ms of slices. So once
    // no frame has been drawn for FRAME_GAP_MS, the next slice waits for one (not long, for a
    // hidden page draws none).
    const FRAME_GAP_MS = 30;
    const FRAME_WAIT_MS = 50;
    let lastFrame = 0;
    let watching = false;
    function watchFrames() {
        if (watching || typeof requestAnimationFrame !== 'function') return;
        watching = true;
        requestAnimationFrame(() => { watching = false; lastFrame = performance.now(); });
    }
    function afterFrame(fn) {
        let done = false;
        const go = () => { if (!done) { done = true; lastFrame = performance.now(); nextTurn(fn); } };
        requestAnimationFrame(go);
        setTimeout(go, FRAME_WAIT_MS);
    }

    // steps: an iterator; options: { stillWanted() -> false to give up, onPause() between slices }.
    // Resolves with true when the steps are done, false when given up.
    Virel.runInSlices = function (steps, { stillWanted = () => true, onPause = () => {} } = {}) {
        return new Promise((resolve, reject) => {
            // The page was drawn before this work began.
            if (!watching) lastFrame = performance.now();
            const slice = () => {
                try {
                    if (!stillWanted()) { resolve(false); return; }
                    const t0 = performance.now();
                    for (;;) {
                        const step = steps.next();
                        if (step.done) { resolve(true); return; }
                        if (step.value === PAUSE || performance.now() - t0 >= SLICE_MS) break;
                    }
                    onPause();
                    const starved = performance.now() - lastFrame >= FRAME_GAP_MS && typeof requestAnimationFrame === 'function';
                    if (starved) afterFrame(slice);
                    else { watchFrames(); nextTurn(slice); }
                } catch (e) {
                    reject(e);
                }
            };
            slice();
        });
    };
    // Work wanted soon but not before what waits now: answers from the add-on, the next frame.
    Virel.whenIdle = function (fn) {
        if (typeof requestIdleCallback === 'function') requestIdleCallback(fn, { timeout: 1000 });
        else setTimeout(fn, 0);
    };
    Virel.runInSlices.PAUSE = PAUSE;
    Virel.runInSlices.SLICE_MS = SLICE_MS;
})(window.Virel = window.Virel || {});
