'use strict';
// Lint rules for the page's classic scripts (no modules: the page is opened from file://) and for
// the Node.js tools, tests and benchmarks that drive it.
const js = require('@eslint/js');
const globals = require('globals');

const shared = {
    eqeqeq: ['error', 'always', { null: 'ignore' }],
    'no-implicit-globals': 'error',
    'no-shadow': 'error',
    'no-unused-vars': ['error', { args: 'none', caughtErrors: 'none' }],
    'prefer-const': 'error',
    strict: ['error', 'function'],
};

module.exports = [
    { ignores: ['build/**', 'build-*/**', 'node_modules/**', 'web/data/**'] },
    js.configs.recommended,
    {
        files: ['web/js/**/*.js', 'Tests/Web/fake-archicad.js'],
        languageOptions: { ecmaVersion: 2022, sourceType: 'script', globals: { ...globals.browser } },
        rules: { ...shared, 'no-var': 'error' },
    },
    {
        // The colour maths and the range index still use var; they move over when next reworked.
        files: ['web/js/colour.js', 'web/js/range-index.js'],
        rules: { 'no-var': 'off' },
    },
    {
        files: ['eslint.config.js', 'Tests/*.js', 'Tests/Web/**/*.js', 'Bench/Web/**/*.js', 'Tools/**/*.js'],
        ignores: ['Tests/Web/fake-archicad.js'],
        // Functions handed to page.evaluate run in the page, so its names are known here too.
        languageOptions: { ecmaVersion: 2022, sourceType: 'commonjs', globals: { ...globals.node, ...globals.browser, Virel: 'readonly' } },
        rules: { ...shared, strict: ['error', 'global'] },
    },
    {
        // The sandbox's host page is served over HTTP, so it is written as ES modules.
        files: ['SimHost/HostPage/js/**/*.js'],
        languageOptions: { ecmaVersion: 2022, sourceType: 'module', globals: { ...globals.browser } },
        rules: { ...shared, strict: 'off' },
    },
    {
        files: ['Tests/Serve/**/*.js', 'Bench/Serve/**/*.js'],
        languageOptions: { ecmaVersion: 2022, sourceType: 'commonjs', globals: { ...globals.node, ...globals.browser } },
        rules: { ...shared, strict: 'off' },
    },
];
