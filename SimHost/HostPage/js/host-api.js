// The sandbox's HTTP interface, as the host page uses it.

// Through XMLHttpRequest: in Chromium it answers a little sooner than fetch, and every page
// call of the palette is one of these. Resolves with the lines the request caused.
function postForLines(path, body) {
    return new Promise((resolve, reject) => {
        const request = new XMLHttpRequest();
        request.open('POST', path);
        request.setRequestHeader('Content-Type', 'application/json');
        request.responseType = 'json';
        request.onload = () => {
            const answer = request.response;
            if (request.status === 200 && answer) resolve(answer.lines);
            else reject(new Error(answer?.error || `the sandbox answered ${request.status}`));
        };
        request.onerror = () => reject(new Error('the sandbox did not answer'));
        request.send(JSON.stringify(body));
    });
}

export function runStep(step) { return postForLines('/api/step', step); }

// A click for a waiting point input: refused, and nothing kept, when none waits any more.
export function sendPick(pick) { return postForLines('/api/pick', pick); }

export async function readState() {
    const response = await fetch('/api/state');
    if (!response.ok) throw new Error((await response.json()).error);
    return response.json();
}

// The transcript the sandbox keeps, page by page (one answer holds at most 8 MiB of lines):
// {lines, next}, next the number of the first line still to come.
export async function readTranscript() {
    const lines = [];
    for (let since = 0; ;) {
        const part = await (await fetch('/api/transcript?since=' + since)).json();
        for (const line of part.lines) lines.push(line);
        if (part.lines.length === 0 || part.next === since) return { lines, next: part.next };
        since = part.next;
    }
}

// Every transcript line from number 'since' on, as it happens: read, and as it was printed.
export function followTranscript(since, onLine) {
    const events = new EventSource('/api/events?since=' + since);
    events.onmessage = (event) => onLine(JSON.parse(event.data), event.data);
    return events;
}

// "Close project": host event 64, then a fresh project from the setup scenario.
export async function closeProject() {
    const response = await fetch('/api/close-project', { method: 'POST' });
    const answer = await response.json();
    if (!response.ok) throw new Error(answer.error);
    return answer.lines;
}
