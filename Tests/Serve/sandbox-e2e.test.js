// The real add-on and its real page in the sandbox, driven as a user would in headless Chromium.
'use strict';
const test = require('node:test');
const assert = require('node:assert');
const { startSandbox, BUILDS } = require('./sandbox.js');
const { openHostPage, paletteFrame, pixelAt, modelPoint, HOUSE, hostPage } = require('./host-page.js');
const { palettePage } = require('./palette-page.js');

const closeTo = (a, b) => a.every((c, i) => Math.abs(c - b[i]) <= 3);
const rgb255 = (rgb) => rgb.map((c) => Math.round(c * 255));

for (const api of BUILDS) {
    test(`the user paints a wall with an imported colour, undoes and redoes it (API ${api})`, async (t) => {
        const sandbox = await startSandbox(api);
        // flat: the wall's pixels are its material's colour exactly
        const { browser, page } = await openHostPage(sandbox.url + '?flat');
        t.after(async () => { await browser.close(); await sandbox.stop(); });

        await hostPage.menu(page, 'Virel').click();
        await hostPage.menuItem(page, /open colour palette/i).click();
        let frame = await paletteFrame(page);
        const WALL = await modelPoint(page, HOUSE.wall);

        await palettePage.colour(frame, 0).click();
        await palettePage.colour(frame, 1).click({ modifiers: ['Control'] });
        await palettePage.importButton(frame).click();
        await page.waitForFunction(() => document.querySelectorAll('#folders .material').length === 2);
        const state = (await sandbox.get('api/state')).body;
        assert.strictEqual(state.materials.length, 2);

        const unpainted = await pixelAt(page, WALL.x, WALL.y);
        await palettePage.projectTab(frame).click();
        await palettePage.material(frame, 0).click();
        await palettePage.paintButton(frame).click();
        await hostPage.prompt(page).waitFor({ state: 'visible' });
        await page.mouse.click(WALL.x, WALL.y);
        await page.waitForFunction(() => /Paint Element/.test(document.querySelector('#undo').textContent));

        const painted = rgb255((await sandbox.get('api/state')).body.materials[0].rgb);
        const wall = (await sandbox.get('api/state')).body.elements[0];
        assert.ok(wall.bodies[0].some((polygon) => polygon.material === state.materials[0].index), 'a face of the front wall is drawn in the material');
        assert.ok(closeTo(await pixelAt(page, WALL.x, WALL.y), painted), 'the face shows the imported colour');

        await hostPage.undo(page).click();
        await page.waitForFunction(() => !/Paint Element/.test(document.querySelector('#undo').textContent));
        assert.ok(closeTo(await pixelAt(page, WALL.x, WALL.y), unpainted), 'undo gives the face back its colour');
        await hostPage.redo(page).click();
        await page.waitForFunction(() => /Paint Element/.test(document.querySelector('#undo').textContent));
        assert.ok(closeTo(await pixelAt(page, WALL.x, WALL.y), painted), 'redo paints it again');

        // in the plan window, starting to paint shows the add-on's report
        await page.keyboard.press('Escape');
        await hostPage.planWindow(page).click();
        await page.waitForSelector('#view-plan:not([hidden])');
        await palettePage.paintButton(frame).click();
        await hostPage.prompt(page).waitFor({ state: 'visible' });
        const plan = await page.locator('#plan').boundingBox();
        // left of the palette panel, on the house
        await page.mouse.click(plan.x + plan.width * 0.3, plan.y + plan.height * 0.75);
        await hostPage.report(page).waitFor({ state: 'visible' });
        assert.match(await hostPage.report(page).innerText(), /only supported in 3D View/);
        await hostPage.report(page).getByRole('button', { name: 'OK' }).click();

        // closing the project destroys the palette; opening it again gives a fresh page
        await frame.evaluate(() => { window.fromBefore = true; });
        await hostPage.closeProject(page).click();
        await page.waitForSelector('#palette', { state: 'hidden' });
        await hostPage.menu(page, 'Virel').click();
        await hostPage.menuItem(page, /open colour palette/i).click();
        frame = await paletteFrame(page);
        assert.strictEqual(await frame.evaluate(() => window.fromBefore), undefined);
    });

    test(`the palette page has its script object when the lines after its address come later (API ${api})`, async (t) => {
        const sandbox = await startSandbox(api);
        // the event stream holds back every line after the page's address for 300 ms, in order
        const { browser, page } = await openHostPage(sandbox.url, () => {
            const Stream = window.EventSource;
            window.EventSource = function (url) {
                const stream = new Stream(url), shown = {};
                let held = null;
                stream.onmessage = (event) => {
                    if (held) return held.push(event);
                    shown.onmessage(event);
                    if (!event.data.startsWith('{"openUrl"')) return;
                    held = [];
                    setTimeout(() => { held.forEach((later) => shown.onmessage(later)); held = null; }, 300);
                };
                return shown;
            };
        });
        t.after(async () => { await browser.close(); await sandbox.stop(); });

        await hostPage.menu(page, 'Virel').click();
        await hostPage.menuItem(page, /open colour palette/i).click();
        const frame = await paletteFrame(page);
        // the page has read the project's catalogue through its script object
        await palettePage.projectTab(frame).filter({ hasText: /\(\d+\)/ }).waitFor();
    });
}
