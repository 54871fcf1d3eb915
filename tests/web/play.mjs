// Plays the web build in real browsers as a child does, by clicks and taps on the controls
// where the page shows them. Every window is an element of the page, which tells where it is,
// what its title bar shows and whether it is active; its drawing is a canvas that cannot be
// read, so a game is played by trying: a wrong pair brings "Leider falsch!", a right one
// uncovers the picture. On a desktop's page the windows are compared with the desktop's pictures
// of the same moments; on a phone and a tablet every window must fit the screen.
//
//   node tests/web/play.mjs <web folder> <zorbel_webroad> <desktop program folder> [run...]
//
// Runs: chromium (a desktop's page with the mouse: the whole road, the links' pointer, the
// instructions without a maximise box, the box that keeps the keyboard, the certificate and its
// printing), firefox and webkit (the start and one whole game; webkit needs a display,
// xvfb-run), phone and tablet (Chromium's emulation: the whole road by taps, the names typed
// through the page's text field as a phone's keyboard types).

import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';

const [webFolder, webroad, programFolder, ...chosen] = process.argv.slice(2);
if (!fs.existsSync(path.join(webFolder, 'index.html'))) {
    console.log(`Skipped: no web build in ${webFolder} (bash scripts/web.sh writes it)`);
    process.exit(77);
}
// Only now: the browsers' packages come with the web build's tools (npm ci).
const {PNG} = await import('pngjs');
const {desktopRoad, launch, screens, serve, until} = await import('../../tools/web/browsers.mjs');
const shots = process.env.ZORBEL_WEB_SHOTS;  // where to keep the page's screenshots, if anywhere

// A pixel counts as different when a channel differs by more than this; the tolerances
// of the road allow for the glyphs' edges, which each renderer smooths in its own way.
const channelSlack = 8;
const controlTolerance = 0.05;

const start = [
    // The first wait includes loading and compiling the program.
    {window: 'frmSplash', shot: 'splash', tolerance: 0.01, seconds: 60},
];
const selection = [
    {window: 'frmSplash', click: 'lblTitel'},
    {window: 'frmAuswahl', shot: 'auswahl-leer', tolerance: 0.01},
    {window: 'frmAuswahl', type: 'txtVorname', text: 'Lena'},
    {window: 'frmAuswahl', type: 'txtName', text: 'Sommer'},
    {window: 'frmAuswahl', click: 'optKlasse(0)'},
    {window: 'frmAuswahl', click: 'chkRechenart(0)'},
    {window: 'frmAuswahl', click: 'optLevel(0)'},
    {window: 'frmAuswahl', shot: 'auswahl', tolerance: 0.01},
];
const instructions = checks => [
    {window: 'frmAuswahl', click: 'cmdAnleitung'},
    {window: 'frmAnleitung', shot: 'anleitung', tolerance: 0.02},
    ...checks,
    {window: 'frmAnleitung', click: 'cmdEnde'},
];
const game = [
    {window: 'frmAuswahl', click: 'cmdOK'},
    // Every card bears its own random exercise: the captions may differ, nothing else.
    {window: 'frm3x4', shot: 'frm3x4', tolerance: 0.04, captions: true},
    // Twice as many clicks as cards never earn a certificate: the continue window follows.
    {window: 'frm3x4', play: 24},
    {window: 'frmWeiter', shot: 'weiter', tolerance: 0.02},
    {window: 'frmWeiter', click: 'cmdWeiter'},
    {window: 'frmAuswahl', shot: 'auswahl-wieder', tolerance: 0.01},
];
// The code pair leads to the certificate only when every letter of it has arrived.
const certificate = print => [
    {window: 'frmAuswahl', click: 'cmdReset'},
    {window: 'frmAuswahl', type: 'txtVorname', text: 'ZentaKorbiFelmar'},
    {window: 'frmAuswahl', type: 'txtName', text: 'TrubelWankerhofMeiselbachNorg'},
    {window: 'frmAuswahl', click: 'cmdEnde'},
    // The date is today's in the browser, the desktop's is fixed.
    {window: 'frmUrkunde', shot: 'urkunde', tolerance: 0.03},
    {window: 'frmDrucken', shot: 'drucken', tolerance: 0.02},
    {window: 'frmDrucken', click: print},
    {window: 'frmWeiter', shot: 'weiter-nach-druck', tolerance: 0.02},
    {window: 'frmWeiter', click: 'cmdEnde'},
];
const turned = road => [...road.slice(0, 2), {window: 'frmAuswahl', turn: true}, ...road.slice(2), {window: 'frmAuswahl', turn: true}];
const runs = {
    chromium: {screen: 'desktop', road: [...start, {window: 'frmSplash', hover: 'LinkQuor2'}, ...selection,
        ...instructions([{window: 'frmAnleitung', fixedSize: true}]), ...game, ...certificate('cmdDruck')]},
    firefox: {screen: 'desktop', road: [...start, ...selection, ...game]},
    webkit: {screen: 'desktop', road: [...start, ...selection, ...game]},
    // The names are typed and the choices made with the screen turned over.
    phone: {browser: 'chromium', screen: 'phone', road: [...start, ...turned(selection), ...instructions([]), ...game, ...certificate('cmdKeinDruck')]},
    tablet: {browser: 'chromium', screen: 'tablet', road: [...start, ...turned(selection), ...instructions([]), ...game, ...certificate('cmdKeinDruck')]},
};
const chosenRuns = chosen.length ? chosen : Object.keys(runs);

const work = fs.mkdtempSync(path.join(os.tmpdir(), 'zorbel-web-'));
const failures = [];

// The desktop plays the longest road, which passes every window and control the others reach.
const places = desktopRoad(webroad, programFolder, runs.chromium.road.filter(step => step.click || step.type || step.play || step.shot),
    path.join(work, 'desktop'));

function control(window, name) {
    const rect = places[window]?.controls[name];
    if (!rect)
        throw new Error(`the desktop shows no control ${name} in ${window}`);
    return rect;
}

// A page's window by its client area, which is as large as the desktop's.
const sizeOf = (window, name) => window.client.slice(2).every((length, k) => Math.round(length) === places[name].client[2 + k]);
const shownWindow = (view, name) => view.windows.find(window => sizeOf(window, name));
// A message box is none of the program's windows.
const isBox = window => !Object.keys(places).some(name => sizeOf(window, name));

// Where the page shows a control of a window, in CSS pixels of the page.
function controlRect(view, window, name) {
    const [x, y, width, height] = control(window, name);
    const [left, top] = shownWindow(view, window).client;
    return [left + x - places[window].client[0], top + y - places[window].client[1], width, height];
}
const center = ([x, y, width, height]) => [x + width / 2, y + height / 2];

// The screenshot's pixel at a point of the page, as [red, green, blue].
function colourAt(shot, view, x, y) {
    const factor = view.zoom * view.ratio;
    const at = (Math.floor((y - view.top) * factor) * shot.width + Math.floor((x - view.left) * factor)) * 4;
    return [...shot.data.subarray(at, at + 3)];
}

// The share of the rectangle's pixels that differ from the desktop's picture, or from the
// part `from` of it, stretched over the rectangle; on a page of one device pixel per pixel.
function difference(page, [left, top, width, height], picture, from = null) {
    const reference = PNG.sync.read(fs.readFileSync(path.join(work, 'desktop', `${picture}.png`)));
    const [fromLeft, fromTop, fromWidth, fromHeight] = from ?? [0, 0, reference.width, reference.height];
    let different = 0;
    for (let y = 0; y < height; ++y) {
        for (let x = 0; x < width; ++x) {
            const a = ((top + y) * page.width + left + x) * 4;
            const b = ((fromTop + Math.floor(y * fromHeight / height)) * reference.width + fromLeft + Math.floor(x * fromWidth / width)) * 4;
            if ([0, 1, 2].some(c => Math.abs(page.data[a + c] - reference.data[b + c]) > channelSlack))
                ++different;
        }
    }
    return different / (width * height);
}

// The control of the window that differs most from the desktop's, with its share.
function worstControl(page, view, window, picture) {
    const [left, top] = places[window].client;
    return Object.entries(places[window].controls).filter(([, [, , width, height]]) => width && height)
        .map(([name, [x, y, width, height]]) => [name, difference(page, controlRect(view, window, name).map(Math.round), picture, [x - left, y - top, width, height])])
        .reduce((worst, next) => (next[1] > worst[1] ? next : worst), ['', 0]);
}

// Polls the page's windows until `test` holds for them, and returns them.
async function waitForView(browser, what, test, seconds) {
    let view;
    await until(`${browser.name}: ${what}`, async () => test(view = await browser.view()), seconds);
    return view;
}

// Polls the page's screenshots with its windows until `test` holds for one, and returns both.
async function waitFor(browser, what, test, seconds) {
    let shot;
    let view;
    try {
        await until(`${browser.name}: ${what}`, async () => {
            view = await browser.view();
            return test(shot = PNG.sync.read(await browser.screenshot()), view);
        }, seconds);
    } catch (error) {
        keepShot(browser, shot, 'fehler');
        throw error;
    }
    return {shot, view};
}

function keepShot(browser, shot, name) {
    if (shots && shot) {
        fs.mkdirSync(shots, {recursive: true});
        fs.writeFileSync(path.join(shots, `${browser.name}-${name}.png`), PNG.sync.write(shot));
    }
}

// The window in front, drawn active; a string saying what is in front otherwise.
function inFront(view, name) {
    const [front] = view.windows;
    if (!front || !(name === 'box' ? isBox(front) : sizeOf(front, name)))
        return `in front: ${front ? `"${front.caption}" ${front.client.map(Math.round)}` : 'no window'}`;
    return front.active || `"${front.caption}" in front, its title bar drawn inactive`;
}

// Every window's title bar and client area inside the part of the page the screen shows. (The
// certificate's client area opens at the left edge, as on the desktop, its frame beyond it.)
function fitsScreen(view) {
    const outside = ([x, y, width, height]) =>
        x < view.left - 0.5 || y < view.top - 0.5 || x + width > view.left + view.width + 0.5 || y + height > view.top + view.height + 0.5;
    const cut = view.windows.find(window => outside(window.titleBar) || outside(window.client));
    return !cut || `"${cut.caption}" ${cut.client.map(Math.round)} reaches beyond the screen's ${[view.left, view.top, view.width, view.height].map(Math.round)}`;
}

// A card is told by its colour in two squares inside its top-left and bottom-right corners,
// clear of its caption and its focus frame: the colour of a fresh card, the colour the first
// click gives it, or the picture once it is gone. A card is of one colour; the picture is not,
// not even where it is of a card's colour across a card's width.
const inset = 12;
const square = 16;
function cardLook(shot, view, [left, top, width, height]) {
    const colours = [];
    for (const [x0, y0] of [[left + inset, top + inset], [left + width - inset - square, top + height - inset - square]]) {
        for (let y = y0; y < y0 + square; y += 2) {
            for (let x = x0; x < x0 + square; x += 2)
                colours.push(colourAt(shot, view, x, y));
        }
    }
    return colours.every(colour => colour.every((value, c) => Math.abs(value - colours[0][c]) <= 3)) ? colours[0] : null;
}
// Under the pointer a card is drawn a shade off its colour.
const alike = (a, b) => a !== null && b !== null && a.every((value, c) => Math.abs(value - b[c]) <= 24);

// The one button of a message box: the lowest band of the box that is not its background.
function boxButton(shot, view, {client: [left, top, width, height]}) {
    const background = colourAt(shot, view, left + 2, top + 2);
    const marked = y => [...Array(Math.floor(width - 4)).keys()].map(x => left + 2 + x).filter(x => !alike(colourAt(shot, view, x, y), background));
    let bottom = top + height - 2;
    for (; bottom > top && !marked(bottom).length; --bottom);
    let up = bottom;
    for (; up > top && marked(up).length; --up);
    const columns = marked(Math.round((up + bottom) / 2));
    return [(columns[0] + columns.at(-1)) / 2, (up + bottom) / 2];
}

// Dismisses the box in front: a player at a desktop presses Enter, on a touch screen taps its button.
async function dismissBox(browser, run) {
    const {shot, view} = await waitFor(browser, 'a message box in front', (s, v) => inFront(v, 'box'));
    await (run.touch ? browser.press(...boxButton(shot, view, view.windows[0])) : browser.key('Enter'));
}

// The box holds the keyboard whatever is clicked behind it: a click on a card of the board
// brings no other window forward, and Enter then closes the box.
async function boxKeepsKeyboard(browser, board, cards) {
    const view = await browser.view();
    const [a, b, w, h] = view.windows[0].frame;
    const behind = cards.map(center).find(([x, y]) => x < a || x > a + w || y < b || y > b + h);
    await browser.press(...behind);
    // What a click brings forward comes within a frame or two; half a second is ample.
    await new Promise(resolve => setTimeout(resolve, 500));
    await waitForView(browser, 'the box to stay in front after a click on the board behind it', v => inFront(v, 'box'));
    await browser.key('Enter');
    await waitForView(browser, `${board} in front, drawn active, once Enter has closed the box`, v => inFront(v, board));
}

// Finds the pairs by trying: the marked card against each card not yet tried with it.
// A wrong pair must bring the box, which holds the board until it is dismissed: only then
// does the mark move to the card clicked last. Pads the game to `clicks` clicks on the
// marked card, which changes nothing but the count.
async function playByTrying(browser, run, board, clicks) {
    const names = Object.keys(places[board].controls).filter(name => name.startsWith('cmdaufgabe('));
    let view = await waitForView(browser, `${board} in front`, v => inFront(v, board));
    const cards = names.map(name => controlRect(view, board, name));
    const covered = new Set(cards.keys());
    const differs = cards.map(() => new Set());
    let shot = PNG.sync.read(await browser.screenshot());
    const freshLook = cardLook(shot, view, cards[0]);
    let markedLook;
    let clicked = 0;
    let keyboardChecked = run.touch;
    const click = async card => { ++clicked; await browser.press(...center(cards[card])); };
    const look = (s, v, card) => cardLook(s, v, cards[card]);
    const is = (s, v, card, colour) => alike(look(s, v, card), colour);
    const gone = (s, v, card) => !is(s, v, card, freshLook) && !is(s, v, card, markedLook);
    const mark = async card => {
        await click(card);
        ({shot, view} = await waitFor(browser, `card ${card} to turn the marked colour`,
            (s, v) => (markedLook ? is(s, v, card, markedLook) : !is(s, v, card, freshLook) && look(s, v, card) !== null)));
        markedLook ??= look(shot, view, card);
        return card;
    };

    let marked = await mark(0);
    while (covered.size) {
        const partner = [...covered].find(card => card !== marked && !differs[marked].has(card));
        if (partner === undefined)
            throw new Error(`${browser.name}: card ${marked} matches none of the cards left`);
        for (; covered.size === 2 && clicked + 1 < clicks; await click(marked));
        await click(partner);
        ({shot, view} = await waitFor(browser, `card ${partner} against ${marked}: both gone, or a message box`,
            (s, v) => (gone(s, v, marked) && gone(s, v, partner)) || inFront(v, 'box') === true));
        // The last pair brings the points instead.
        if (inFront(view, 'box') !== true || covered.size === 2) {
            covered.delete(marked);
            covered.delete(partner);
            if (covered.size)
                marked = await mark(Math.min(...covered));
            continue;
        }
        // The box holds the click: the marked card keeps its colour until the box is dismissed.
        const [a, b, w, h] = view.windows[0].frame;
        const [x, y, cardWidth, cardHeight] = cards[marked];
        if (!(a < x + cardWidth && x < a + w && b < y + cardHeight && y < b + h) && !is(shot, view, marked, markedLook))
            throw new Error(`${browser.name}: card ${marked} lost its mark while "Leider falsch!" was to hold the click`);
        keepShot(browser, shot, 'falsch');
        differs[marked].add(partner);
        differs[partner].add(marked);
        if (keyboardChecked)
            await dismissBox(browser, run);
        else
            await boxKeepsKeyboard(browser, board, cards);
        keyboardChecked = true;
        ({shot, view} = await waitFor(browser, `the box gone, ${board} in front and drawn active, card ${partner} marked and ${marked} back`,
            (s, v) => inFront(v, board) === true && is(s, v, partner, markedLook) && is(s, v, marked, freshLook)));
        marked = partner;
    }
    keepShot(browser, shot, 'punkte');
    await dismissBox(browser, run);
    return clicked;
}

// Over a link, and only there, the pointer is the program's hand with its tip at 12, 1.
async function hover(browser, step) {
    const view = await browser.view();
    const hand = v => /^url\(.+\) 12 1\b/.test(shownWindow(v, step.window).pointer);
    await browser.page.mouse.move(...center(controlRect(view, step.window, step.hover)));
    await waitForView(browser, `the hand pointer over ${step.hover}`, v => hand(v) || `pointer "${shownWindow(v, step.window).pointer}"`);
    await browser.page.mouse.move(...center(controlRect(view, step.window, 'lblTitel')));
    await waitForView(browser, `the hand pointer gone over lblTitel`, v => !hand(v));
}

// A window of fixed size offers no maximise box, and a double click on its title bar leaves it as it is.
async function staysFixed(browser, name) {
    const view = await browser.view();
    const window = shownWindow(view, name);
    if (window.boxes.includes('maximise'))
        throw new Error(`${browser.name}: ${name} offers a maximise box`);
    const [x, y, width, height] = window.titleBar;
    await browser.page.mouse.click(x + width / 2, y + height / 2, {count: 2});
    await new Promise(resolve => setTimeout(resolve, 500));
    const after = shownWindow(await browser.view(), name);
    if (!after || String(after.frame) !== String(window.frame))
        throw new Error(`${browser.name}: a double click on the title bar of ${name} changed its frame ${window.frame} to ${after?.frame}`);
}

async function shotStep(browser, run, step) {
    let share = 0;
    let worst = ['', 0];
    const desktop = run.screen === 'desktop';
    const what = desktop ? `${step.window} in front, drawn active and like the desktop's within ${step.tolerance}` : `${step.window} shown whole on the screen`;
    const {shot, view} = await waitFor(browser, what, (s, v) => {
        const shown = shownWindow(v, step.window);
        // The certificate stands behind the print window that opens with it.
        const answer = step.window === 'frmUrkunde' ? Boolean(shown) || 'no certificate' : inFront(v, step.window);
        if (answer !== true || !desktop)
            return answer === true ? fitsScreen(v) : answer;
        const client = shown.client.map(Math.round);
        share = difference(s, client, step.shot);
        worst = step.captions ? worst : worstControl(s, v, step.window, step.shot);
        return (share <= step.tolerance && worst[1] <= controlTolerance) || `${(share * 100).toFixed(1)} % differ, ${worst[0]} ${(worst[1] * 100).toFixed(1)} %`;
    }, step.seconds);
    console.log(`${browser.name}: ${step.shot}${desktop ? `: ${(share * 100).toFixed(1)} % of the window differ from the desktop's, ${(worst[1] * 100).toFixed(1)} % of ${worst[0]}` : ''}`);
    keepShot(browser, shot, step.shot);
}

async function walk(browser, run) {
    for (const step of run.road) {
        if (step.shot) {
            await shotStep(browser, run, step);
        } else if (step.play) {
            console.log(`${browser.name}: ${step.window} played to its end in ${await playByTrying(browser, run, step.window, step.play)} clicks`);
        } else if (step.hover) {
            await hover(browser, step);
        } else if (step.fixedSize) {
            await staysFixed(browser, step.window);
        } else if (step.turn) {
            const wide = await browser.turn();
            await waitForView(browser, `the page ${wide ? 'wider' : 'higher'} once the screen is turned, every window on it`,
                v => (v.width > v.height) === wide && fitsScreen(v));
        } else {
            const view = await waitForView(browser, `${step.window} in front`, v => inFront(v, step.window));
            await browser.press(...center(controlRect(view, step.window, step.click ?? step.type)));
            if (step.type) {
                // A phone opens its keyboard for a text field of the page that has the focus; the
                // field that stands for the box bears its name, and the one before may still have it.
                // The box is empty, and its field follows it a moment after "Eingaben löschen".
                const name = places[step.window].access[step.type][1];
                await waitForView(browser, `the empty text field "${name}" of the page to take the keyboard for ${step.type}`,
                    v => (v.typing && v.typingInto === name && v.typed === '') || `the keyboard with "${v.typingInto}", holding "${v.typed}"`);
                await browser.type(step.text);
            }
        }
    }
}

// What the page hands to the print dialog: the pictures it would print.
function catchPrinting() {
    window.zorbelPrinted = [];
    window.print = () => window.zorbelPrinted.push([...document.images].filter(img => img.naturalWidth)
        .map(img => {
            const canvas = Object.assign(document.createElement('canvas'), {width: img.naturalWidth, height: img.naturalHeight});
            canvas.getContext('2d').drawImage(img, 0, 0);
            return canvas.toDataURL('image/png');
        }));
}

// The desktop prints the same certificate on paper of the same size, and the page asks for
// nothing but its own files.
async function checkPrinted(browser, server) {
    const printed = await browser.run(() => window.zorbelPrinted);
    if (printed.length !== 1 || printed[0].length !== 1)
        throw new Error(`chromium: "Drucken" called window.print ${printed.length} times, with ${printed.map(p => p.length)} pictures`);
    const page = PNG.sync.read(Buffer.from(printed[0][0].split(',')[1], 'base64'));
    keepShot(browser, page, 'druckseite');
    const road = [selection[0], ...certificate('cmdDruck').filter(step => !step.shot)];
    const print = road.findIndex(step => step.click === 'cmdDruck');
    desktopRoad(webroad, programFolder, [...road.slice(0, print), {...road[print], paper: [page.width, page.height]}, {printed: 'druckseite'}],
        path.join(work, 'desktop'));
    const share = difference(page, [0, 0, page.width, page.height], 'druckseite');
    const pdf = Buffer.from(await browser.page.pdf({preferCSSPageSize: true}));
    const sheets = pdf.toString('latin1').match(/\/Type\s*\/Page\b(?!s)/g);
    if (share > 0.02 || sheets?.length !== 1)
        throw new Error(`chromium: the page printed on ${sheets?.length} sheets differs from the desktop's by ${(share * 100).toFixed(1)} %`);
    const foreign = server.requests.filter(url => /^(https?|wss?):/.test(url) && !url.startsWith(`${server.origin}/`));
    if (foreign.length)
        throw new Error(`chromium: the page asked for what is not its own: ${foreign.join(' ')}`);
}

async function play(name) {
    const run = {...runs[name], ...screens[runs[name].screen]};
    const server = await serve(path.resolve(webFolder));
    let browser;
    try {
        browser = await launch(run.browser ?? name, screens[run.screen]);
        browser.name = name;
        if (name === 'chromium') {
            await browser.page.evaluateOnNewDocument(catchPrinting);
            browser.page.on('request', request => server.requests.push(request.url()));
        }
        await browser.goto(`${server.origin}/`);
        await walk(browser, run);
        if (run.road.at(-1).click === 'cmdEnde') {
            await until(`${name}: the page to say after "Spiel beenden!" that Zorbel has ended`,
                async () => /beendet/.test(await browser.run(() => document.body.innerText)) || 'it does not');
        }
        if (name === 'chromium')
            await checkPrinted(browser, server);
        console.log(`${name}: passed`);
    } catch (error) {
        failures.push(error.message);
        console.log(`FAIL ${error.message}`);
    } finally {
        await browser?.close();
        server.close();
    }
}

for (const name of chosenRuns)
    await play(name);
fs.rmSync(work, {recursive: true, force: true});
if (failures.length) {
    console.log(`${failures.length} of ${chosenRuns.length} runs failed`);
    process.exit(1);
}
// Whatever a browser may have left running, the test ends here.
process.exit(0);
