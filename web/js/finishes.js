/* Paint finishes and the material product values each one gives an imported colour. */
(function (Virel) {
    'use strict';

    // ambient, diffuse, shine and specular as the project's material attributes hold them.
    Virel.finishes = [
        { id: 'matt', label: 'Matt', product: { ambient: 60, diffuse: 90, shine: 2, specular: 0 } },
        { id: 'eggshell', label: 'Eggshell', product: { ambient: 55, diffuse: 85, shine: 10, specular: 15 } },
        { id: 'satin', label: 'Satin', product: { ambient: 50, diffuse: 80, shine: 25, specular: 35 } },
        { id: 'gloss', label: 'Gloss', product: { ambient: 45, diffuse: 70, shine: 60, specular: 80 } }
    ];

    Virel.finishById = function (id) {
        for (let i = 0; i < Virel.finishes.length; i++) {
            if (Virel.finishes[i].id === id) return Virel.finishes[i];
        }
        return null;
    };

    // The finish whose values a catalogue material carries, or null for other materials.
    Virel.finishOfProduct = function (product) {
        if (!product) return null;
        for (let i = 0; i < Virel.finishes.length; i++) {
            const p = Virel.finishes[i].product;
            if (p.ambient === product.ambient && p.diffuse === product.diffuse
                && p.shine === product.shine && p.specular === product.specular) {
                return Virel.finishes[i];
            }
        }
        return null;
    };
})(window.Virel = window.Virel || {});
