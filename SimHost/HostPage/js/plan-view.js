// The plan window: the same elements seen from above, each polygon in its drawn colour, higher
// polygons over lower ones. While a point input waits, a click picks the top polygon under it.
import { drawnColour, cssColour } from './drawn-colours.js';

function inside(point, outline) {
    let crossings = false;
    for (let i = 0, j = outline.length - 1; i < outline.length; j = i++) {
        const [xi, yi] = outline[i], [xj, yj] = outline[j];
        if ((yi > point[1]) !== (yj > point[1]) && point[0] < ((xj - xi) * (point[1] - yi)) / (yj - yi) + xi) crossings = !crossings;
    }
    return crossings;
}

// Draws the plan; returns where a canvas point lies: the top face there, or none.
export function drawPlan(canvas, state) {
    const width = canvas.clientWidth, height = canvas.clientHeight;
    if (!width || !height) return () => null;
    canvas.width = width;
    canvas.height = height;
    const context = canvas.getContext('2d');
    context.fillStyle = '#fbfbf8';
    context.fillRect(0, 0, width, height);
    const polygons = [];
    state.elements.forEach((element, index) => element.bodies.forEach((body, bodyIndex) => body.forEach((polygon, polygonIndex) => {
        const face = { guid: element.guid, element: index, body: bodyIndex, polygon: polygonIndex, pickKind: element.pickKind };
        if (polygon.vertices.length >= 3) polygons.push({ element, polygon, face, top: Math.max(...polygon.vertices.map((v) => v[2])) });
    })));
    const xs = polygons.flatMap((p) => p.polygon.vertices.map((v) => v[0])), ys = polygons.flatMap((p) => p.polygon.vertices.map((v) => v[1]));
    if (!xs.length) return () => null;
    const [x0, x1, y0, y1] = [Math.min(...xs), Math.max(...xs), Math.min(...ys), Math.max(...ys)];
    const scale = 0.85 * Math.min(width / (x1 - x0 || 1), height / (y1 - y0 || 1));
    const at = (v) => [width / 2 + (v[0] - (x0 + x1) / 2) * scale, height / 2 - (v[1] - (y0 + y1) / 2) * scale];
    polygons.sort((a, b) => a.top - b.top).forEach(({ element, polygon }) => {
        context.beginPath();
        polygon.vertices.forEach((v, i) => (i ? context.lineTo(...at(v)) : context.moveTo(...at(v))));
        context.closePath();
        context.fillStyle = cssColour(drawnColour(state, element, polygon));
        context.fill();
        context.strokeStyle = '#444';
        context.stroke();
    });
    return (x, y) => {
        const hit = polygons.filter(({ polygon }) => inside([x, y], polygon.vertices.map(at))).pop();
        if (!hit) return null;
        const model = [(x - width / 2) / scale + (x0 + x1) / 2, -(y - height / 2) / scale + (y0 + y1) / 2, hit.top];
        return { ...hit.face, pos: model };
    };
}
