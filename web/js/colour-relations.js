/* Colours of the range related to a chosen one: the most similar, and the classic harmonies
   (hue turned around the CIELCh circle at the same lightness and chroma) mapped each to the
   nearest colour of the range. */
(function (Virel) {
    'use strict';

    var SIMILAR_COUNT = 6;
    // Below this CIELAB chroma a colour is near-neutral: turning its hue changes next to nothing.
    var NEUTRAL_CHROMA = 4;
    var HARMONIES = [
        { id: 'complementary', label: 'Complementary', turns: [180] },
        { id: 'analogous', label: 'Analogous', turns: [-30, 30] },
        { id: 'triadic', label: 'Triadic', turns: [120, 240] }
    ];

    // -> { similar: [{ index, d }], neutral, harmonies: [{ id, label, colours: [{ index, d }] }] };
    // a near-neutral colour gets no harmonies.
    function relatedColours(range, index) {
        var item = range.colours[index];
        var result = { similar: range.nearestTo(item.lab, SIMILAR_COUNT, index), neutral: false, harmonies: [] };
        var chroma = Math.sqrt(item.lab[1] * item.lab[1] + item.lab[2] * item.lab[2]);
        if (chroma < NEUTRAL_CHROMA) {
            result.neutral = true;
            return result;
        }
        for (var h = 0; h < HARMONIES.length; h++) {
            var colours = HARMONIES[h].turns.map(function (turn) {
                return range.nearestTo(Virel.colour.turnHue(item.lab, turn), 1, index)[0];
            });
            result.harmonies.push({ id: HARMONIES[h].id, label: HARMONIES[h].label, colours: colours });
        }
        return result;
    }

    Virel.relatedColours = relatedColours;
    Virel.HARMONIES = HARMONIES;
})(window.Virel = window.Virel || {});
