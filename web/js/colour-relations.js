/* Colours of the range related to a chosen one: the most similar, and the classic harmonies
   (hue turned around the CIELCh circle at the same lightness and chroma) mapped each to the
   nearest colour of the range. */
(function (Virel) {
    'use strict';

    const SIMILAR_COUNT = 6;
    // Below this CIELAB chroma a colour is near-neutral: turning its hue changes next to nothing.
    const NEUTRAL_CHROMA = 4;
    const HARMONIES = [
        { id: 'complementary', label: 'Complementary', turns: [180] },
        { id: 'analogous', label: 'Analogous', turns: [-30, 30] },
        { id: 'triadic', label: 'Triadic', turns: [120, 240] }
    ];

    // -> { similar: [{ index, d }], neutral, harmonies: [{ id, label, colours: [{ index, d }] }] };
    // a near-neutral colour gets no harmonies.
    function relatedColours(range, index) {
        const lab = range.colours[index].lab;
        const similar = range.nearestTo(lab, SIMILAR_COUNT, index);
        if (Math.hypot(lab[1], lab[2]) < NEUTRAL_CHROMA) return { similar, neutral: true, harmonies: [] };
        const harmonies = HARMONIES.map(({ id, label, turns }) => ({
            id, label,
            colours: turns.map((turn) => range.nearestTo(Virel.colour.turnHue(lab, turn), 1, index)[0])
        }));
        return { similar, neutral: false, harmonies };
    }

    Virel.relatedColours = relatedColours;
})(window.Virel = window.Virel || {});
