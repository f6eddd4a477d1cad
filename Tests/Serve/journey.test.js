// Random journeys through the host page: three fixed seeds on API 28, one on API 27, 200
// user actions each, what must always hold checked after every one (Tests/Serve/journey.js).
'use strict';
const test = require('node:test');
const { journey } = require('./journey.js');

for (const [api, seed] of [[28, 1], [28, 2], [28, 3], [27, 4]]) {
    test(`a random journey of 200 actions keeps the host page sound (API ${api}, seed ${seed})`, () => journey({ api, seed, actions: 200 }));
}
