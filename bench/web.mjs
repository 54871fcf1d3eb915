// Loads the web build ten times afresh in headless Chromium and reports, as median and
// maximum: the first load (what the page asks for until the splash has been painted and the
// selection window can be used: its bytes, and what gzip and brotli make of the same files),
// the time from navigation to the splash window painted, the board picture fetched when a
// board opens, the time from "OK" to the 64-card board painted, and from a click on a card to
// the frame that shows it marked. Reports, never fails on a figure.
//
//   node bench/web.mjs <web folder> <zorbel_webroad> <desktop program folder>
//
// The page's frames are watched from inside (tools/web/frames.mjs): every task that drew a
// window reads back a few pixels where the desktop's picture of the window is known.

import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import zlib from 'node:zlib';
import {center, desktopRoad, launch, serve} from '../tools/web/browsers.mjs';
import {clickToFrame, desktopColours, frameWhere, near, watchFrames} from '../tools/web/frames.mjs';

const [webFolder, webroad, programFolder] = process.argv.slice(2);
const loads = 10;
const work = fs.mkdtempSync(path.join(os.tmpdir(), 'zorbel-bench-'));
const road = [
    {window: 'frmSplash', shot: 'splash'},
    {window: 'frmSplash', click: 'lblTitel'},
    {window: 'frmAuswahl', shot: 'auswahl-leer'},
    {window: 'frmAuswahl', click: 'optKlasse(2)'},
    {window: 'frmAuswahl', click: 'chkRechenart(0)'},
    {window: 'frmAuswahl', click: 'optLevel(2)'},
    {window: 'frmAuswahl', shot: 'auswahl'},
    {window: 'frmAuswahl', click: 'cmdOK'},
    {window: 'frm8x8', shot: 'frm8x8'},
];
const places = desktopRoad(webroad, programFolder, road, work);
const {probe, probes} = desktopColours(places, work);
const boardPicture = /\/Bilder\/picture\d+\.jpg$/;

async function load(server) {
    const browser = await launch('chromium');
    try {
        const {page} = browser;
        const session = await page.createCDPSession();
        await session.send('Network.enable');
        // What the page itself asks for; the service worker's own requests are not the page's.
        const asked = [];
        let transferred = 0;
        session.on('Network.requestWillBeSent', event => asked.push(event.request.url));
        session.on('Network.loadingFinished', event => { transferred += event.encodedDataLength; });
        const splashProbes = probes('frmSplash', 'splash');
        await page.evaluateOnNewDocument(watchFrames, splashProbes);
        await page.goto(`${server.origin}/`);
        const splash = await frameWhere(page, splashProbes, 0, 'the splash window');
        const control = name => places.frmAuswahl.controls[name];
        await page.mouse.click(...center(places.frmSplash.controls.lblTitel));
        await frameWhere(page, probes('frmAuswahl', 'auswahl-leer'), 0, 'the selection window');
        const firstLoad = {files: [...asked], transferred};
        // Each choice drawn before the next click, as a click into a frame not yet drawn may be lost.
        for (const name of ['optKlasse(2)', 'chkRechenart(0)', 'optLevel(2)'])
            await clickToFrame(page, control(name), [], `a frame after the click on ${name}`, () => true);
        await frameWhere(page, probes('frmAuswahl', 'auswahl'), 0, 'the selection window with grade, operation and level');
        const board = await clickToFrame(page, control('cmdOK'), probes('frm8x8', 'frm8x8'), 'the 64-card board');
        // A card turns from a fresh card's colour to the marked one.
        const card = places.frm8x8.controls['cmdaufgabe(0)'];
        const corner = [probe('frm8x8', 'frm8x8', card[0] + 6, card[1] + 6)];
        const repaint = await clickToFrame(page, card, corner, 'the card marked', colours => !near(colours[0], corner[0].rgb));
        const nextFrame = await page.evaluate(() => window.zorbelNextFrame);
        const pictures = asked.filter(url => boardPicture.test(url));
        return {firstLoad, splash, board, repaint, ratio: repaint / nextFrame, pictures};
    } finally {
        await browser.close();
    }
}

function statistics(values) {
    const sorted = values.filter(value => value !== undefined).sort((a, b) => a - b);
    return {median: sorted[Math.floor(sorted.length / 2)], maximum: sorted[sorted.length - 1], count: sorted.length};
}

// The files as a server would send them compressed.
function compressed(urls) {
    const folder = path.resolve(webFolder);
    const files = [...new Set(urls.map(url => new URL(url).pathname))]
        .map(name => path.join(folder, name.endsWith('/') ? `${name}index.html` : name)).filter(file => fs.existsSync(file));
    const sizes = {count: files.length, raw: 0, gzip: 0, brotli: 0};
    for (const file of files) {
        const data = fs.readFileSync(file);
        sizes.raw += data.length;
        sizes.gzip += zlib.gzipSync(data, {level: 9}).length;
        sizes.brotli += zlib.brotliCompressSync(data, {params: {[zlib.constants.BROTLI_PARAM_QUALITY]: 11}}).length;
    }
    return sizes;
}

const server = await serve(path.resolve(webFolder));
const results = [];
for (let k = 0; k < loads; ++k)
    results.push(await load(server));
server.close();
fs.rmSync(work, {recursive: true, force: true});

const mb = bytes => `${(bytes / 1e6).toFixed(2)} MB`;
const ms = ({median, maximum, count}) => count ? `median ${median.toFixed(1)} ms, maximum ${maximum.toFixed(1)} ms (${count} of ${loads})` : 'not measured';
const bytes = statistics(results.map(result => result.firstLoad.transferred));
const first = compressed(results.flatMap(result => result.firstLoad.files));
console.log(`First load, transferred: median ${mb(bytes.median)}, maximum ${mb(bytes.maximum)}`);
console.log(`  its ${first.count} files: ${mb(first.raw)}; with gzip -9 ${mb(first.gzip)} (goal: at most 4.5 MB); with brotli -11 ${mb(first.brotli)}`);
console.log(`Navigation to the splash painted: ${ms(statistics(results.map(result => result.splash)))} (goal: at most 1200 ms)`);
const pictures = results.map(result => result.pictures);
console.log(`Board pictures fetched once the board opened: ${pictures.filter(list => list.length === 1).length} of ${loads} loads fetched one`
    + ` (${compressed(pictures.flat()).count} different files)`);
console.log(`"OK" to the 64-card board painted: ${ms(statistics(results.map(result => result.board)))}`);
console.log(`A card click to the frame showing it marked: ${ms(statistics(results.map(result => result.repaint)))} (one 60 Hz frame: 16.7 ms)`);
const ratio = statistics(results.map(result => result.ratio));
console.log(`  the same against the first frame after the click: median ${ratio.median.toFixed(2)}, maximum ${ratio.maximum.toFixed(2)} times`);
