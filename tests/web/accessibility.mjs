// The web build played blind, in Chromium: the page's accessibility tree, which screen readers
// read, holds each control the desktop program names to assistive technology, by the same name
// and in the same role, from the start; a click on its element works the control, keys typed
// there reach it, its state is the control's, the page's focus follows the program's, and a
// message box is an alert.
//
//   node tests/web/accessibility.mjs <web folder> <zorbel_webroad> <desktop program folder>

import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';

const [webFolder, webroad, programFolder] = process.argv.slice(2);
if (!fs.existsSync(path.join(webFolder, 'index.html'))) {
    console.log(`Skipped: no web build in ${webFolder} (bash scripts/web.sh writes it)`);
    process.exit(77);
}
const {accessibleNodes, desktopRoad, launch, serve, until} = await import('../../tools/web/browsers.mjs');

// The certificate by the code names, then back to the selection window.
const codeNames = {txtVorname: 'ZentaKorbiFelmar', txtName: 'TrubelWankerhofMeiselbachNorg'};
const work = fs.mkdtempSync(path.join(os.tmpdir(), 'zorbel-access-'));
const desktop = desktopRoad(webroad, programFolder, [
    {window: 'frmSplash', click: 'lblTitel'},
    ...Object.entries(codeNames).map(([box, text]) => ({window: 'frmAuswahl', type: box, text})),
    {window: 'frmAuswahl', click: 'cmdEnde'}, {window: 'frmDrucken', click: 'cmdKeinDruck'}, {window: 'frmWeiter', click: 'cmdWeiter'},
], work);
fs.rmSync(work, {recursive: true, force: true});

// Chromium's roles for the desktop's; a label is read by its text.
const roles = {EditableText: 'textbox', RadioButton: 'radio', CheckBox: 'checkbox', Button: 'button', StaticText: 'LabelText', Graphic: 'image', Link: 'link'};
// The certificate bears the day it is shown.
const spoken = text => text.replace(/\s+/g, ' ').replace(/\d+\.\d+\.\d+/, 'today').trim();

const server = await serve(path.resolve(webFolder));
const browser = await launch('chromium');
const page = browser.page;
let nodes = [];
const find = (role, name) => nodes.find(node => node.role === role && spoken(node.name || node.text) === spoken(name));
const control = (window, name) => find(roles[desktop[window].access[name][0]], desktop[window].access[name][1]);
const click = async node => (await node.elementHandle()).evaluate(element => element.click());
const waitFor = (what, check, seconds) => until(what, async () => Boolean(check(nodes = await accessibleNodes(page))) || 'not yet', seconds);
const cards = () => nodes.filter(node => node.role === 'checkbox' && /^\d+[+\-*:]\d+$/.test(node.name));
const value = card => Function(`return ${card.name.replace(':', '/')}`)();
// A card as the tree tells it now; two cards may bear the same exercise.
const now = card => nodes.find(node => node.backendNodeId === card.backendNodeId);

// Every named control the window shows on the desktop, by its name and role.
async function sameAsDesktop(window, seconds) {
    const named = Object.entries(desktop[window].access).filter(([, [role, name]]) => roles[role] && name);
    await waitFor(`${window}: ${named.map(([name]) => name).join(', ')} in the page's tree by name and role`,
        () => named.every(([name]) => control(window, name)), seconds);
}

try {
    await browser.goto(`${server.origin}/`);
    // The first wait includes loading and compiling the program.
    await sameAsDesktop('frmSplash', 60);
    if (find('button', 'Enable Screen Reader'))
        throw new Error('the page offers a button to switch on what should be on');
    await click(control('frmSplash', 'lblTitel'));
    await sameAsDesktop('frmAuswahl');
    await waitFor('the focus on the first name box', () => control('frmAuswahl', 'txtVorname').focused);
    for (const [box, text] of Object.entries(codeNames)) {
        await (await control('frmAuswahl', box).elementHandle()).focus();
        await page.keyboard.type(text);
        await waitFor(`${box} to hold ${text}`, () => control('frmAuswahl', box).value === text);
    }
    // Only names the program itself holds open the certificate.
    await click(control('frmAuswahl', 'cmdEnde'));
    await sameAsDesktop('frmUrkunde');
    await click(control('frmDrucken', 'cmdKeinDruck'));
    await waitFor('the continue window', () => control('frmWeiter', 'cmdWeiter'));
    await click(control('frmWeiter', 'cmdWeiter'));

    // Option buttons of different frames are selected together, as in the program.
    const choices = ['optKlasse(0)', 'chkRechenart(0)', 'optLevel(0)'];
    for (const choice of choices) {
        await waitFor(`${choice} to be there`, () => control('frmAuswahl', choice));
        await click(control('frmAuswahl', choice));
        await waitFor(`${choice} checked`, () => control('frmAuswahl', choice).checked === true);
    }
    await waitFor('all three choices checked', () => choices.every(choice => control('frmAuswahl', choice).checked === true));
    await waitFor('"* (Mal)" disabled in the first year', () => control('frmAuswahl', 'chkRechenart(2)').disabled);
    await click(control('frmAuswahl', 'cmdOK'));
    await waitFor('twelve cards by their exercises, the focus on one', () => cards().length === 12 && cards().some(card => card.focused));

    const [first] = cards();
    const wrong = cards().find(card => value(card) !== value(first));
    await click(first);
    await waitFor(`${first.name} marked`, () => now(first).checked === true);
    await click(wrong);
    const alert = () => nodes.find(node => node.role === 'alertdialog');
    // The message holds the click: the marks stay as they were until it is closed.
    await waitFor('"Leider falsch!" as an alert, the focus on its button', () => alert()?.description === 'Leider falsch!'
        && now(first).checked === true && now(wrong).checked === false
        && alert().children.some(function focused(node) { return node.focused || node.children?.some(focused); }));
    await page.keyboard.press('Enter');
    await waitFor(`the alert gone, ${wrong.name} marked and ${first.name} not`,
        () => !alert() && now(wrong).checked === true && now(first).checked === false);
    const partner = cards().find(card => card.backendNodeId !== wrong.backendNodeId && value(card) === value(wrong));
    await click(partner);
    const found = `Paar gefunden: ${wrong.name} und ${partner.name}`;
    await waitFor(`"${found}" told and both cards gone, the focus on another`, () => nodes.some(node => node.role === 'status' && node.text === found)
        && !now(wrong) && !now(partner) && cards().some(card => card.focused));
    console.log('chromium: passed');
} catch (error) {
    console.log(`FAIL ${error.message}`);
    process.exitCode = 1;
} finally {
    await browser.close();
    server.close();
}
