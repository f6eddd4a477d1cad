// The colour each polygon is drawn in: its drawn material's colour, or a neutral default for
// material 0 (none), a little darker for each kind of element so the house reads.
const DEFAULTS = { 1: [0.86, 0.84, 0.8], 2: [0.78, 0.78, 0.76], 4: [0.55, 0.66, 0.75], 5: [0.55, 0.42, 0.32], 7: [0.7, 0.7, 0.7], 8: [0.62, 0.36, 0.3] };

export function drawnColour(state, element, polygon) {
    if (polygon.material !== 0) {
        const material = state.materials.find((m) => m.index === polygon.material);
        if (material) return material.rgb;
    }
    return DEFAULTS[element.type] || [0.8, 0.8, 0.8];
}

export function cssColour(rgb) {
    return 'rgb(' + rgb.map((c) => Math.round(c * 255)).join(',') + ')';
}
