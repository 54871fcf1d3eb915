// Plays the web build in real browsers as a child does, by clicks at the places where the
// desktop program puts its controls, and compares what the page shows with the desktop's
// pictures of the same moments. A canvas cannot be read, so a game is played by trying:
// a wrong pair holds the board behind "Leider falsch!", a right one uncovers the picture.
//
//   node tests/web/play.mjs <web folder> <zorbel_webroad> <desktop program folder> [browser...]
//
// Browsers: chromium (the whole road, the certificate and its printing), firefox and webkit
// (the start and one whole game); webkit needs a display (xvfb-run).

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
const {center, desktopRoad, launch, serve, until, viewport} = await import('../../tools/web/browsers.mjs');
const browsers = chosen.length ? chosen : ['chromium', 'firefox', 'webkit'];
const shots = process.env.ZORBEL_WEB_SHOTS;  // where to keep the page's screenshots, if anywhere

// A pixel counts as different when a channel differs by more than this; the tolerances
// of the road allow for the glyphs' edges, which each renderer smooths in its own way.
const channelSlack = 8;
const controlTolerance = 0.05;

const game = [
    // The first wait includes loading and compiling the program.
    {window: 'frmSplash', shot: 'splash', tolerance: 0.01, seconds: 60},
    {window: 'frmSplash', click: 'lblTitel'},
    {window: 'frmAuswahl', shot: 'auswahl-leer', tolerance: 0.01},
    {window: 'frmAuswahl', type: 'txtVorname', text: 'Lena'},
    {window: 'frmAuswahl', type: 'txtName', text: 'Sommer'},
    {window: 'frmAuswahl', click: 'optKlasse(0)'},
    {window: 'frmAuswahl', click: 'chkRechenart(0)'},
    {window: 'frmAuswahl', click: 'optLevel(0)'},
    {window: 'frmAuswahl', shot: 'auswahl', tolerance: 0.01},
    {window: 'frmAuswahl', click: 'cmdOK'},
    // Every card bears its own random exercise: the captions may differ, nothing else.
    {window: 'frm3x4', shot: 'frm3x4', tolerance: 0.04, captions: true},
    // Twice as many clicks as cards never earn a certificate: the continue window follows.
    {window: 'frm3x4', play: 24},
    {window: 'frmWeiter', shot: 'weiter', tolerance: 0.02},
    {window: 'frmWeiter', click: 'cmdWeiter'},
    {window: 'frmAuswahl', shot: 'auswahl-wieder', tolerance: 0.01},
];
const certificate = [
    {window: 'frmAuswahl', click: 'cmdReset'},
    {window: 'frmAuswahl', type: 'txtVorname', text: 'ZentaKorbiFelmar'},
    {window: 'frmAuswahl', type: 'txtName', text: 'TrubelWankerhofMeiselbachNorg'},
    {window: 'frmAuswahl', click: 'cmdEnde'},
    // The date is today's in the browser, the desktop's is fixed.
    {window: 'frmUrkunde', shot: 'urkunde', tolerance: 0.03, framed: true},
    {window: 'frmDrucken', shot: 'drucken', tolerance: 0.02},
    {window: 'frmDrucken', click: 'cmdDruck'},
    {window: 'frmWeiter', shot: 'weiter-nach-druck', tolerance: 0.02},
    {window: 'frmWeiter', click: 'cmdEnde'},
];

const work = fs.mkdtempSync(path.join(os.tmpdir(), 'zorbel-web-'));
const failures = [];

const places = desktopRoad(webroad, programFolder, [...game, ...certificate], path.join(work, 'desktop'));

function control(window, name) {
    const rect = places[window]?.controls[name];
    if (!rect)
        throw new Error(`the desktop shows no control ${name} in ${window}`);
    return rect;
}

// The share of the rectangle's pixels that differ from the desktop's picture, or from the
// part `from` of it, stretched over the rectangle.
function difference(page, [left, top, width, height], picture, slack = channelSlack, from = null) {
    const reference = PNG.sync.read(fs.readFileSync(path.join(work, 'desktop', `${picture}.png`)));
    const [fromLeft, fromTop, fromWidth, fromHeight] = from ?? [0, 0, reference.width, reference.height];
    let different = 0;
    for (let y = 0; y < height; ++y) {
        for (let x = 0; x < width; ++x) {
            const a = ((top + y) * page.width + left + x) * 4;
            const b = ((fromTop + Math.floor(y * fromHeight / height)) * reference.width + fromLeft + Math.floor(x * fromWidth / width)) * 4;
            if ([0, 1, 2].some(c => Math.abs(page.data[a + c] - reference.data[b + c]) > slack))
                ++different;
        }
    }
    return different / (width * height);
}

// The control of the window that differs most from the desktop's, with its share.
function worstControl(page, window, picture, [dx, dy]) {
    const [left, top] = places[window].client;
    return Object.entries(places[window].controls).filter(([, [, , width, height]]) => width && height)
        .map(([name, [x, y, width, height]]) => [name, difference(page, [x + dx, y + dy, width, height], picture, channelSlack, [x - left, y - top, width, height])])
        .reduce((worst, next) => (next[1] > worst[1] ? next : worst), ['', 0]);
}

// Where the page shows a window that opens at a fixed place: a page keeps the window's title
// bar on the page, so it may stand lower and to the right by its frame. The offset at which
// every eighth pixel differs least.
function frameOffset(page, window, picture) {
    const [left, top, width, height] = places[window].client;
    const reference = PNG.sync.read(fs.readFileSync(path.join(work, 'desktop', `${picture}.png`)));
    let best = [Infinity, 0, 0];
    for (let dy = 0; dy <= 40; ++dy) {
        for (let dx = 0; dx <= 10; ++dx) {
            let different = 0;
            for (let y = 0; y < height; y += 8) {
                for (let x = 0; x < width; x += 8) {
                    const a = ((top + dy + y) * page.width + left + dx + x) * 4;
                    const b = (y * reference.width + x) * 4;
                    different += [0, 1, 2].some(c => Math.abs(page.data[a + c] - reference.data[b + c]) > channelSlack);
                }
            }
            best = different < best[0] ? [different, dx, dy] : best;
        }
    }
    return best.slice(1);
}

// The smallest rectangle, as left, top, width, height, holding every pixel at whose x, y and
// offset `test` holds; null if none does.
function bounds(page, test) {
    const box = [Infinity, Infinity, -1, -1];
    for (let y = 0; y < page.height; ++y) {
        for (let x = 0; x < page.width; ++x) {
            if (test(x, y, (y * page.width + x) * 4))
                box.splice(0, 4, Math.min(box[0], x), Math.min(box[1], y), Math.max(box[2], x), Math.max(box[3], y));
        }
    }
    return box[2] < 0 ? null : [box[0], box[1], box[2] - box[0] + 1, box[3] - box[1] + 1];
}

// The page once two screenshots in a row are the same, so that a later change is news.
async function settled(browser) {
    let last = Buffer.alloc(0);
    return waitFor(browser, 'the page to stand still', p => last.equals(p.data) || ((last = Buffer.from(p.data)), false), 5);
}

// Polls the page's screenshots until `test` holds for one, and returns it.
async function waitFor(browser, what, test, seconds) {
    let page;
    try {
        await until(`${browser.name}: ${what}`, async () => test(page = PNG.sync.read(await browser.screenshot())), seconds);
    } catch (error) {
        keepShot(browser, page, 'fehler');
        throw error;
    }
    return page;
}

function keepShot(browser, page, name) {
    if (shots) {
        fs.mkdirSync(shots, {recursive: true});
        fs.writeFileSync(path.join(shots, `${browser.name}-${name}.png`), PNG.sync.write(page));
    }
}

// A card is told by the colour of a small square inside its top-left corner, clear of its
// caption and its focus frame: the colour of a fresh card, the colour the first click gives
// it, or the picture once it is gone.
const corner = ([x, y]) => [x + 12, y + 12];
function cardLook(page, rect) {
    const [left, top] = corner(rect);
    const colours = [];
    for (let y = top; y < top + 6; ++y) {
        for (let x = left; x < left + 6; ++x)
            colours.push([...page.data.subarray((y * page.width + x) * 4, (y * page.width + x) * 4 + 3)]);
    }
    // A card may be drawn a shade off its colour (under the pointer); the picture is never one colour.
    return colours.every(colour => alike(colour, colours[0])) ? colours[0] : null;
}
const alike = (a, b) => a !== null && b !== null && a.every((value, c) => Math.abs(value - b[c]) <= 24);

const inside = (x, y, rects) => rects.some(([left, top, width, height]) => x >= left && x < left + width && y >= top && y < top + height);

// Where two screenshots differ outside the given rectangles (and within `area`), or null.
function changedOutside(before, after, rects, area = [0, 0, after.width, after.height]) {
    return bounds(after, (x, y, i) => before.data.readUInt32BE(i) !== after.data.readUInt32BE(i) && inside(x, y, [area]) && !inside(x, y, rects));
}

// A message box over the board shows itself by its title bar, drawn in the colour of the
// board's own while the board is active: a run of that colour as wide as the title's half.
function boxOver(page, [left, top, width, height], title) {
    for (let y = top; y < top + height; ++y) {
        for (let x = left, run = 0; x < left + width; ++x) {
            run = page.data.readUInt32BE((y * page.width + x) * 4) === title ? run + 1 : 0;
            if (run > width / 4)
                return true;
        }
    }
    return false;
}

// Finds the pairs by trying: the marked card against each card not yet tried with it.
// A wrong pair must bring the box, which holds the board until it is dismissed: only then
// does the mark move to the card clicked last. Pads the game to `clicks` clicks on the
// marked card, which changes nothing but the count.
async function playByTrying(browser, board, clicks) {
    const cards = Object.keys(places[board].controls).filter(name => name.startsWith('cmdaufgabe(')).map(name => control(board, name));
    const covered = new Set(cards.keys());
    const differs = cards.map(() => new Set());
    let page = PNG.sync.read(await browser.screenshot());
    const freshLook = cardLook(page, cards[0]);
    const [left, top, width] = places[board].client;
    const title = page.data.readUInt32BE(((top - 10) * page.width + left + Math.floor(width * 3 / 4)) * 4);
    let markedLook;
    let clicked = 0;
    const click = async card => { ++clicked; await browser.tap(...center(cards[card])); };
    const look = (p, card) => cardLook(p, cards[card]);
    const is = (p, card, colour) => alike(look(p, card), colour);
    const gone = (p, card) => !is(p, card, freshLook) && !is(p, card, markedLook);
    const mark = async card => {
        await click(card);
        await waitFor(browser, `card ${card} to turn the marked colour`, p => (markedLook ? is(p, card, markedLook) : !is(p, card, freshLook) && look(p, card) !== null));
        page = await settled(browser);
        markedLook ??= look(page, card);
        return card;
    };

    let marked = await mark(0);
    while (covered.size) {
        const partner = [...covered].find(card => card !== marked && !differs[marked].has(card));
        if (partner === undefined)
            throw new Error(`${browser.name}: card ${marked} matches none of the cards left`);
        for (; covered.size === 2 && clicked + 1 < clicks; await click(marked));
        const before = page;
        const pair = [cards[marked], cards[partner]];
        let box;
        await click(partner);
        page = await waitFor(browser, `card ${partner} against ${marked}: both gone, or a message box`,
            p => (gone(p, marked) && gone(p, partner)) || boxOver(p, places[board].client, title));
        box = changedOutside(before, page, pair, places[board].client) ?? places[board].client;
        // The last pair brings the points instead.
        if (!boxOver(page, places[board].client, title) || covered.size === 2) {
            covered.delete(marked);
            covered.delete(partner);
            if (covered.size)
                marked = await mark(Math.min(...covered));
            continue;
        }
        // The box holds the click: the marked card keeps its colour until the box is dismissed.
        const [a, b, w, h] = box;
        const [x, y] = corner(cards[marked]);
        if (!(a < x + 6 && x < a + w && b < y + 6 && y < b + h) && !is(page, marked, markedLook))
            throw new Error(`${browser.name}: card ${marked} lost its mark while "Leider falsch!" was to hold the click`);
        keepShot(browser, page, 'falsch');
        differs[marked].add(partner);
        differs[partner].add(marked);
        await browser.key('Enter');
        await waitFor(browser, `the box gone, card ${partner} marked and ${marked} back`,
            p => is(p, partner, markedLook) && is(p, marked, freshLook) && !changedOutside(before, p, pair, box));
        page = await settled(browser);
        marked = partner;
    }
    keepShot(browser, page, 'punkte');
    await browser.key('Enter');
    return clicked;
}

// The colour of the page's bottom-right pixel, which no window at its designed size covers.
const farCorner = page => page.data.readUInt32BE(page.data.length - 4);

async function walk(browser, road) {
    for (const step of road) {
        if (step.shot) {
            // Each control on its own as well: a missing word is little of a whole window.
            let share = 1;
            let worst = ['', 0];
            const page = await waitFor(browser, `${step.window} to look like the desktop's within ${step.tolerance}`, p => {
                const [dx, dy] = step.framed ? frameOffset(p, step.window, step.shot) : [0, 0];
                const [left, top, width, height] = places[step.window].client;
                share = difference(p, [left + dx, top + dy, width, height], step.shot);
                worst = step.captions ? worst : worstControl(p, step.window, step.shot, [dx, dy]);
                if (share > step.tolerance || worst[1] > controlTolerance)
                    return `${(share * 100).toFixed(1)} % differ, ${worst[0]} ${(worst[1] * 100).toFixed(1)} %`;
                browser.background ??= farCorner(p);
                return farCorner(p) === browser.background || 'a window covers the whole page';
            }, step.seconds);
            console.log(`${browser.name}: ${step.shot}: ${(share * 100).toFixed(1)} % of the window differ from the desktop's, ${(worst[1] * 100).toFixed(1)} % of ${worst[0]}`);
            keepShot(browser, page, step.shot);
        } else if (step.play) {
            console.log(`${browser.name}: ${step.window} played to its end in ${await playByTrying(browser, step.window, step.play)} clicks`);
        } else if (step.type) {
            await browser.click(...center(control(step.window, step.type)));
            await browser.type(step.text);
        } else {
            await browser.click(...center(control(step.window, step.click)));
        }
    }
}

async function play(kind) {
    const server = await serve(path.resolve(webFolder));
    const browser = await launch(kind);
    try {
        if (kind === 'chromium') {
            // What the page hands to the print dialog: the pictures it would print.
            await browser.page.evaluateOnNewDocument(() => {
                window.zorbelPrinted = [];
                window.print = () => window.zorbelPrinted.push([...document.images].filter(img => img.naturalWidth)
                    .map(img => {
                        const canvas = Object.assign(document.createElement('canvas'), {width: img.naturalWidth, height: img.naturalHeight});
                        canvas.getContext('2d').drawImage(img, 0, 0);
                        return canvas.toDataURL('image/png');
                    }));
            });
            browser.page.on('request', request => server.requests.push(request.url()));
        }
        await browser.goto(`${server.origin}/`);
        await walk(browser, game);
        if (kind === 'chromium') {
            await walk(browser, certificate);
            const printed = await browser.run(() => window.zorbelPrinted);
            if (printed.length !== 1 || printed[0].length !== 1)
                throw new Error(`chromium: "Drucken" called window.print ${printed.length} times, with ${printed.map(p => p.length)} pictures`);
            // The desktop prints the same certificate on paper of the same size.
            const page = PNG.sync.read(Buffer.from(printed[0][0].split(',')[1], 'base64'));
            keepShot(browser, page, 'druckseite');
            const road = [game[1], ...certificate.filter(step => !step.shot)];
            const print = road.findIndex(step => step.click === 'cmdDruck');
            desktopRoad(webroad, programFolder, [...road.slice(0, print), {...road[print], paper: [page.width, page.height]}, {printed: 'druckseite'}],
                path.join(work, 'desktop'));
            const share = difference(page, [0, 0, page.width, page.height], 'druckseite');
            const pdf = Buffer.from(await browser.page.pdf({preferCSSPageSize: true}));
            const sheets = pdf.toString('latin1').match(/\/Type\s*\/Page\b(?!s)/g);
            if (share > 0.02 || sheets?.length !== 1)
                throw new Error(`chromium: the page printed on ${sheets?.length} sheets differs from the desktop's by ${(share * 100).toFixed(1)} %`);
            await until('chromium: the page to say after "Spiel beenden!" that Zorbel has ended',
                async () => /beendet/.test(await browser.run(() => document.body.innerText)) || 'it does not');
            const foreign = server.requests.filter(url => /^(https?|wss?):/.test(url) && !url.startsWith(`${server.origin}/`));
            if (foreign.length)
                throw new Error(`chromium: the page asked for what is not its own: ${foreign.join(' ')}`);
        }
        console.log(`${kind}: passed`);
    } catch (error) {
        failures.push(error.message);
        console.log(`FAIL ${error.message}`);
    } finally {
        await browser.close();
        server.close();
    }
}

for (const kind of browsers)
    await play(kind);
fs.rmSync(work, {recursive: true, force: true});
if (failures.length) {
    console.log(`${failures.length} of ${browsers.length} browsers failed`);
    process.exit(1);
}
