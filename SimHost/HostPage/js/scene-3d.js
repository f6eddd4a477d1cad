// The 3D window: every polygon of every element in its drawn colour, shaded by the direction it
// faces so that a house of one colour still reads as a house (or flat and unlit, so that a
// painted face shows its material's colour exactly), orbit controls, and picking: while a point input waits,
// a click on a face sends the host that click (element, body, polygon, pick kind, position).
// The whole model is one mesh and one set of edge lines, built again only when the shapes
// change; a change of materials only writes new colours into it.
import * as THREE from 'three';
import { OrbitControls } from 'three/addons/controls/OrbitControls.js';
import { drawnColour } from './drawn-colours.js';

// Every polygon (three vertices or more): its outline, where its triangles lie in the mesh, and
// the face a click on it picks.
function modelPolygons(state) {
    const polygons = [];
    let first = 0;
    state.elements.forEach((element, index) => element.bodies.forEach((body, bodyIndex) => body.forEach((polygon, polygonIndex) => {
        if (polygon.vertices.length < 3) return;
        const count = 3 * (polygon.vertices.length - 2);
        polygons.push({ vertices: polygon.vertices, first, count, shade: shadeOf(polygon.vertices), face: { guid: element.guid, element: index, body: bodyIndex, polygon: polygonIndex, pickKind: element.pickKind } });
        first += count;
    })));
    return polygons;
}

const EDGE_COLOUR = 0x333333;
// Light from the front left and above; a face lit head-on keeps its colour, one edge-on to the
// light is drawn at AMBIENT of it. Faces are seen from both sides, so the side does not count.
const LIGHT = new THREE.Vector3(-0.45, -0.75, 0.6).normalize();
const AMBIENT = 0.62;

// How bright a polygon is drawn: from its normal (Newell's method, any outline).
function shadeOf(vertices) {
    const normal = new THREE.Vector3();
    vertices.forEach((a, i) => {
        const b = vertices[(i + 1) % vertices.length];
        normal.x += (a[1] - b[1]) * (a[2] + b[2]);
        normal.y += (a[2] - b[2]) * (a[0] + b[0]);
        normal.z += (a[0] - b[0]) * (a[1] + b[1]);
    });
    if (normal.lengthSq() === 0) return 1;
    return AMBIENT + (1 - AMBIENT) * Math.abs(normal.normalize().dot(LIGHT));
}

// Each vertex in its own colour, unlit, written out as sRGB: the smallest program that draws the
// model, since a software renderer takes long to compile a larger one.
const VERTEX_SHADER = `precision highp float;
uniform mat4 modelViewMatrix;
uniform mat4 projectionMatrix;
attribute vec3 position;
attribute vec3 color;
varying vec3 vColour;
void main() {
    vColour = color;
    gl_Position = projectionMatrix * modelViewMatrix * vec4(position, 1.0);
}`;
const FRAGMENT_SHADER = `precision mediump float;
varying vec3 vColour;
void main() {
    vec3 srgb = mix(pow(vColour, vec3(0.41666)) * 1.055 - vec3(0.055), vColour * 12.92, vec3(lessThanEqual(vColour, vec3(0.0031308))));
    gl_FragColor = vec4(srgb, 1.0);
}`;

function shapeOf(state) {
    return JSON.stringify(state.elements.map((e) => [e.guid, e.pickKind, e.bodies.map((body) => body.map((p) => p.vertices))]));
}

export class Scene3D {
    // flat: every face in its colour exactly, unlit (what tests that read colours use)
    constructor(container, onPick, { flat = false } = {}) {
        this.flat = flat;
        this.container = container;
        this.renderer = new THREE.WebGLRenderer({ antialias: false, preserveDrawingBuffer: true });
        this.renderer.setPixelRatio(1);
        container.appendChild(this.renderer.domElement);
        this.scene = new THREE.Scene();
        this.scene.background = new THREE.Color(0xc9d6e3);
        this.camera = new THREE.PerspectiveCamera(45, 1, 0.1, 200);
        this.camera.up.set(0, 0, 1);
        this.camera.position.set(-4, -11, 6);
        this.controls = new OrbitControls(this.camera, this.renderer.domElement);
        this.controls.target.set(3, 2, 1.4);
        this.controls.addEventListener('change', () => this.render());
        this.controls.update();
        // faces and edges take their colours from their vertices alike, so one program draws both
        const material = new THREE.RawShaderMaterial({ vertexShader: VERTEX_SHADER, fragmentShader: FRAGMENT_SHADER, side: THREE.DoubleSide });
        this.faces = new THREE.Mesh(new THREE.BufferGeometry(), material);
        this.edges = new THREE.LineSegments(new THREE.BufferGeometry(), material);
        this.scene.add(this.faces, this.edges);
        this.polygons = [];
        this.picking = false;
        this.listenForClicks(onPick);
        new ResizeObserver(() => this.resize()).observe(container);
        this.resize();
    }

    resize() {
        const { clientWidth: w, clientHeight: h } = this.container;
        if (!w || !h) return;
        this.renderer.setSize(w, h, false);
        this.renderer.domElement.style.width = '100%';
        this.renderer.domElement.style.height = '100%';
        this.camera.aspect = w / h;
        this.camera.updateProjectionMatrix();
        this.render();
    }

    show(state) {
        const shape = shapeOf(state);
        if (shape !== this.shape) {
            this.shape = shape;
            this.build(modelPolygons(state));
        }
        const colours = this.polygons.map(({ face }) => {
            const element = state.elements[face.element];
            return drawnColour(state, element, element.bodies[face.body][face.polygon]);
        });
        const shown = JSON.stringify(colours);
        if (shown === this.colours) return;
        this.colours = shown;
        const attribute = this.faces.geometry.getAttribute('color');
        const colour = new THREE.Color();
        this.polygons.forEach(({ first, count, shade }, i) => {
            colour.setRGB(...colours[i], THREE.SRGBColorSpace);
            if (!this.flat) colour.multiplyScalar(shade);
            for (let v = first; v < first + count; v++) attribute.setXYZ(v, colour.r, colour.g, colour.b);
        });
        attribute.needsUpdate = true;
        this.render();
    }

    // The triangles of each polygon (a fan from its first vertex) and its outline.
    build(polygons) {
        const positions = [], outline = [];
        for (const { vertices } of polygons) {
            for (let i = 1; i + 1 < vertices.length; i++) positions.push(...vertices[0], ...vertices[i], ...vertices[i + 1]);
            vertices.forEach((v, i) => outline.push(...v, ...vertices[(i + 1) % vertices.length]));
        }
        const faces = new THREE.BufferGeometry();
        faces.setAttribute('position', new THREE.Float32BufferAttribute(positions, 3));
        faces.setAttribute('color', new THREE.Float32BufferAttribute(new Float32Array(positions.length), 3));
        const edges = new THREE.BufferGeometry();
        edges.setAttribute('position', new THREE.Float32BufferAttribute(outline, 3));
        const edge = new THREE.Color(EDGE_COLOUR).toArray();
        edges.setAttribute('color', new THREE.Float32BufferAttribute(outline.map((_, i) => edge[i % 3]), 3));
        this.faces.geometry.dispose();
        this.edges.geometry.dispose();
        this.faces.geometry = faces;
        this.edges.geometry = edges;
        this.polygons = polygons;
        // the triangle a ray hits names its polygon
        this.polygonOfTriangle = polygons.flatMap((p) => Array(p.count / 3).fill(p.face));
        this.colours = null;
    }

    render() { this.renderer.render(this.scene, this.camera); }

    // Frames the model in the part of the window that 'cover' (a box on the page, or null)
    // leaves free beside it: centred there and, if need be, made smaller to fit.
    frameBeside(cover) {
        const box = this.renderer.domElement.getBoundingClientRect();
        this.camera.zoom = 1;
        this.camera.clearViewOffset();
        this.camera.updateProjectionMatrix();
        const model = this.modelBox();
        if (!model || !cover || !box.width) return this.render();
        const left = [box.left, Math.max(box.left, Math.min(box.right, cover.left))], right = [Math.min(box.right, Math.max(box.left, cover.right)), box.right];
        const span = left[1] - left[0] >= right[1] - right[0] ? left : right;
        if (span[1] - span[0] < box.width / 4) return this.render();
        this.camera.zoom = Math.min(1, (0.92 * (span[1] - span[0])) / (model.right - model.left));
        this.camera.updateProjectionMatrix();
        const fitted = this.modelBox();
        const shift = (span[0] + span[1]) / 2 - (fitted.left + fitted.right) / 2;
        this.camera.setViewOffset(box.width, box.height, -shift, 0, box.width, box.height);
        this.render();
    }

    // Where a point of the model is drawn on the page (CSS pixels).
    pointOf(vertex) {
        const canvas = this.renderer.domElement.getBoundingClientRect();
        const p = new THREE.Vector3(...vertex).project(this.camera);
        return { x: canvas.left + ((p.x + 1) / 2) * canvas.width, y: canvas.top + ((1 - p.y) / 2) * canvas.height };
    }

    // The model's box on the page (CSS pixels), as the camera now sees it; null before a model.
    modelBox() {
        const geometry = this.faces.geometry;
        if (!geometry.getAttribute('position')) return null;
        geometry.computeBoundingBox();
        const box = geometry.boundingBox;
        const xs = [], ys = [];
        for (const x of [box.min.x, box.max.x]) for (const y of [box.min.y, box.max.y]) for (const z of [box.min.z, box.max.z]) {
            const p = this.pointOf([x, y, z]);
            xs.push(p.x);
            ys.push(p.y);
        }
        return { left: Math.min(...xs), right: Math.max(...xs), top: Math.min(...ys), bottom: Math.max(...ys) };
    }

    // The face under a point of the canvas (CSS pixels from its corner), or none.
    faceAt(x, y) {
        const canvas = this.renderer.domElement;
        const pointer = new THREE.Vector2((x / canvas.clientWidth) * 2 - 1, -(y / canvas.clientHeight) * 2 + 1);
        const ray = new THREE.Raycaster();
        ray.setFromCamera(pointer, this.camera);
        const hit = ray.intersectObject(this.faces)[0];
        return hit ? { ...this.polygonOfTriangle[hit.faceIndex], pos: hit.point.toArray() } : null;
    }

    listenForClicks(onPick) {
        const canvas = this.renderer.domElement;
        let down = null;
        canvas.addEventListener('pointerdown', (e) => { down = [e.offsetX, e.offsetY]; });
        canvas.addEventListener('pointerup', (e) => {
            if (!down || Math.hypot(e.offsetX - down[0], e.offsetY - down[1]) > 4) return;
            // null: a click beside the model; 'picking' is what the page last heard, and the
            // page asks the host again before it drops a click
            onPick(this.faceAt(e.offsetX, e.offsetY), this.picking);
        });
    }
}
