// The sandbox's HTTP interface, as the host page uses it.

export async function runStep(step) {
    const response = await fetch('/api/step', { method: 'POST', headers: { 'Content-Type': 'application/json' }, body: JSON.stringify(step) });
    const answer = await response.json();
    if (!response.ok) throw new Error(answer.error);
    return answer.lines;
}

export async function readState() {
    const response = await fetch('/api/state');
    if (!response.ok) throw new Error((await response.json()).error);
    return response.json();
}

export async function readTranscript() {
    return (await fetch('/api/transcript?since=0')).json();
}

// Every transcript line from number 'since' on, as it happens: read, and as it was printed.
export function followTranscript(since, onLine) {
    const events = new EventSource('/api/events?since=' + since);
    events.onmessage = (event) => onLine(JSON.parse(event.data), event.data);
    return events;
}
