// The 3D window: every polygon of every element in its drawn colour (unlit, so a painted face
// shows its material's colour exactly), orbit controls, and picking: while a point input waits,
// a click on a face sends the host that click (element, body, polygon, pick kind, position).
import * as THREE from 'three';
import { OrbitControls } from 'three/addons/controls/OrbitControls.js';
import { drawnColour } from './drawn-colours.js';

function polygonGeometry(vertices) {
    const positions = [];
    for (let i = 1; i + 1 < vertices.length; i++) positions.push(...vertices[0], ...vertices[i], ...vertices[i + 1]);
    const geometry = new THREE.BufferGeometry();
    geometry.setAttribute('position', new THREE.Float32BufferAttribute(positions, 3));
    return geometry;
}

export class Scene3D {
    constructor(container, onPick) {
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
        this.house = new THREE.Group();
        this.scene.add(this.house);
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
        const shown = JSON.stringify([state.elements, state.materials]);
        if (shown === this.shown) return;
        this.shown = shown;
        this.house.clear();
        state.elements.forEach((element, index) => {
            element.bodies.forEach((body, bodyIndex) => body.forEach((polygon, polygonIndex) => {
                if (polygon.vertices.length < 3) return;
                const colour = new THREE.Color().setRGB(...drawnColour(state, element, polygon), THREE.SRGBColorSpace);
                const mesh = new THREE.Mesh(polygonGeometry(polygon.vertices), new THREE.MeshBasicMaterial({ color: colour, side: THREE.DoubleSide }));
                mesh.userData = { guid: element.guid, element: index, body: bodyIndex, polygon: polygonIndex, pickKind: element.pickKind };
                const edges = new THREE.LineSegments(new THREE.EdgesGeometry(mesh.geometry), new THREE.LineBasicMaterial({ color: 0x333333 }));
                this.house.add(mesh, edges);
            }));
        });
        this.render();
    }

    render() { this.renderer.render(this.scene, this.camera); }

    // The face under a point of the canvas (CSS pixels from its corner), or none.
    faceAt(x, y) {
        const canvas = this.renderer.domElement;
        const pointer = new THREE.Vector2((x / canvas.clientWidth) * 2 - 1, -(y / canvas.clientHeight) * 2 + 1);
        const ray = new THREE.Raycaster();
        ray.setFromCamera(pointer, this.camera);
        const hit = ray.intersectObjects(this.house.children.filter((o) => o.isMesh))[0];
        return hit ? { ...hit.object.userData, pos: hit.point.toArray() } : null;
    }

    listenForClicks(onPick) {
        const canvas = this.renderer.domElement;
        let down = null;
        canvas.addEventListener('pointerdown', (e) => { down = [e.offsetX, e.offsetY]; });
        canvas.addEventListener('pointerup', (e) => {
            if (!this.picking || !down || Math.hypot(e.offsetX - down[0], e.offsetY - down[1]) > 4) return;
            const face = this.faceAt(e.offsetX, e.offsetY);
            if (face) onPick(face);
        });
    }
}
