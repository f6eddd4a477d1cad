// One journey by hand: npm run journey -- --seed N [--api 28|27] [--actions 200]
'use strict';
const { journey } = require('./journey.js');

const args = process.argv.slice(2);
const option = (name, fallback) => (args.includes(name) ? Number(args[args.indexOf(name) + 1]) : fallback);
journey({ api: option('--api', 28), seed: option('--seed', 1), actions: option('--actions', 200), log: (line) => console.log(line) })
    .then(() => console.log('journey passed'))
    .catch((error) => { console.error(error.message); process.exit(1); });
