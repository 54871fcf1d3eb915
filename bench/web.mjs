// Loads the web build five times afresh in headless Chromium and reports, as median and
// maximum: the bytes transferred (and what gzip and brotli make of the same files), the
// time from navigation to the splash window painted, the time from "OK" to the 64-card
// board painted, and from a click on a card to the frame that shows it marked. Reports,
// never fails on a figure.
//
//   node bench/web.mjs <web folder> <zorbel_webroad> <desktop program folder>
//
// The page's frames are watched from inside: every animation frame in which the canvas
// was drawn reads back a few pixels where the desktop's picture of the window is known.

import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import zlib from 'node:zlib';
import {PNG} from 'pngjs';
import {center, desktopRoad, launch, serve} from '../tools/web/browsers.mjs';

const [webFolder, webroad, programFolder] = process.argv.slice(2);
const loads = 5;
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

// The colour of the desktop's picture at this page point of the window.
function probe(window, picture, x, y) {
    const png = PNG.sync.read(fs.readFileSync(path.join(work, `${picture}.png`)));
    const at = ((y - places[window].client[1]) * png.width + x - places[window].client[0]) * 4;
    return {x, y, rgb: [...png.data.subarray(at, at + 3)]};
}

// A point inside the top-left corner of each of the window's controls, clear of captions.
function probes(window, picture) {
    return Object.values(places[window].controls).filter(([, , width, height]) => width >= 12 && height >= 12)
        .map(([x, y]) => probe(window, picture, x + 6, y + 6));
}

// Inside the page: the time of the last pointer release, and for every task that drew on
// a WebGL canvas (in an animation frame or straight from an event) its end and the colours
// at the probes, read once the task's drawing is done.
function watchFrames() {
    window.zorbelFrames = [];
    window.zorbelProbes = [];
    // The end of the first animation frame after the release: the soonest a page can show a click.
    addEventListener('pointerup', event => {
        window.zorbelReleased = event.timeStamp;
        requestAnimationFrame(() => { window.zorbelNextFrame = performance.now() - event.timeStamp; });
    }, true);
    let drawn = null;
    const record = () => {
        const canvas = drawn.canvas;
        const box = canvas.getBoundingClientRect();
        const scale = canvas.width / box.width;
        const pixel = new Uint8Array(4);
        const colours = window.zorbelProbes.map(({x, y}) => {
            drawn.readPixels(Math.floor((x - box.left) * scale), Math.floor(canvas.height - (y - box.top + 1) * scale), 1, 1,
                drawn.RGBA, drawn.UNSIGNED_BYTE, pixel);
            return [...pixel.subarray(0, 3)];
        });
        window.zorbelFrames.push({end: performance.now(), colours});
        drawn = null;
    };
    for (const kind of [WebGLRenderingContext, WebGL2RenderingContext]) {
        for (const name of ['drawArrays', 'drawElements']) {
            const draw = kind.prototype[name];
            kind.prototype[name] = function (...args) {
                if (!drawn)
                    queueMicrotask(record);
                drawn = this;
                return draw.apply(this, args);
            };
        }
    }
}

const near = (a, b) => a.every((value, c) => Math.abs(value - b[c]) <= 32);
const shown = points => colours => colours.every((rgb, k) => near(rgb, points[k].rgb));

// The end of the first frame after `since` whose colours at the probes pass `shows`.
async function frameWhere(page, points, since, what, shows = shown(points)) {
    await page.evaluate(list => { window.zorbelProbes = list; }, points);
    for (const until = Date.now() + 30000; Date.now() < until; await new Promise(resolve => setTimeout(resolve, 50))) {
        const frames = await page.evaluate(() => window.zorbelFrames);
        const frame = frames.find(({end, colours}) => end > since && colours.length === points.length && shows(colours));
        if (frame)
            return frame.end;
    }
    throw new Error(`no frame showed ${what} within 30 s`);
}

// From the release of a click on the control to the first frame that shows its effect.
// The click waits until the page has drawn nothing for a while: a click into a window
// still settling after it appeared can be lost.
async function clickToFrame(page, rect, points, what, shows) {
    for (const until = Date.now() + 10000; Date.now() < until; await new Promise(resolve => setTimeout(resolve, 50))) {
        if (await page.evaluate(() => performance.now() - (window.zorbelFrames.at(-1)?.end ?? 0) > 300))
            break;
    }
    const since = await page.evaluate(() => performance.now());
    await page.mouse.click(...center(rect));
    const end = await frameWhere(page, points, since, what, shows);
    return end - await page.evaluate(() => window.zorbelReleased);
}

async function load(server) {
    const browser = await launch('chromium');
    try {
        const {page} = browser;
        const session = await page.createCDPSession();
        await session.send('Network.enable');
        let transferred = 0;
        session.on('Network.loadingFinished', event => { transferred += event.encodedDataLength; });
        await page.evaluateOnNewDocument(watchFrames);
        await page.goto(`${server.origin}/`);
        const splash = await frameWhere(page, probes('frmSplash', 'splash'), 0, 'the splash window');
        const control = name => places.frmAuswahl.controls[name];
        await page.mouse.click(...center(places.frmSplash.controls.lblTitel));
        await frameWhere(page, probes('frmAuswahl', 'auswahl-leer'), 0, 'the selection window');
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
        return {transferred, splash, board, repaint, ratio: repaint / nextFrame};
    } finally {
        await browser.close();
    }
}

function statistics(values) {
    const sorted = values.filter(value => value !== undefined).sort((a, b) => a - b);
    return {median: sorted[Math.floor(sorted.length / 2)], maximum: sorted[sorted.length - 1], count: sorted.length};
}

const server = await serve(path.resolve(webFolder));
const results = [];
for (let k = 0; k < loads; ++k)
    results.push(await load(server));
// The same files compressed as a server would send them.
const files = [...new Set(server.requests.map(url => new URL(url, server.origin).pathname))]
    .map(name => path.join(path.resolve(webFolder), name.endsWith('/') ? `${name}index.html` : name)).filter(file => fs.existsSync(file));
const sizes = {raw: 0, gzip: 0, brotli: 0};
for (const file of files) {
    const data = fs.readFileSync(file);
    sizes.raw += data.length;
    sizes.gzip += zlib.gzipSync(data, {level: 9}).length;
    sizes.brotli += zlib.brotliCompressSync(data, {params: {[zlib.constants.BROTLI_PARAM_QUALITY]: 11}}).length;
}
server.close();
fs.rmSync(work, {recursive: true, force: true});

const mb = bytes => `${(bytes / 1e6).toFixed(2)} MB`;
const ms = ({median, maximum, count}) => count ? `median ${median.toFixed(1)} ms, maximum ${maximum.toFixed(1)} ms (${count} of ${loads})` : 'not measured';
const bytes = statistics(results.map(result => result.transferred));
console.log(`Transferred per load: median ${mb(bytes.median)}, maximum ${mb(bytes.maximum)} (goal with gzip: at most 5 MB)`);
console.log(`The page's ${files.length} files: ${mb(sizes.raw)}; with gzip -9 ${mb(sizes.gzip)}; with brotli -11 ${mb(sizes.brotli)}`);
console.log(`Navigation to the splash painted: ${ms(statistics(results.map(result => result.splash)))} (goal: at most 1500 ms)`);
console.log(`"OK" to the 64-card board painted: ${ms(statistics(results.map(result => result.board)))}`);
console.log(`A card click to the frame showing it marked: ${ms(statistics(results.map(result => result.repaint)))} (one 60 Hz frame: 16.7 ms)`);
const ratio = statistics(results.map(result => result.ratio));
console.log(`  the same against the first frame after the click: median ${ratio.median.toFixed(2)}, maximum ${ratio.maximum.toFixed(2)} times`);
