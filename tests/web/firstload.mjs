// The web build's first load in Chromium: what the page asks for until the selection window can
// be used stays within 4.5 MB with gzip and holds no board picture; a board fetches its picture
// as a file when it opens, and after that one visit the page keeps every board's picture for
// offline play.
//
//   node tests/web/firstload.mjs <web folder> <zorbel_webroad> <desktop program folder>

import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import zlib from 'node:zlib';

const [webFolder, webroad, programFolder] = process.argv.slice(2);
if (!fs.existsSync(path.join(webFolder, 'index.html'))) {
    console.log(`Skipped: no web build in ${webFolder} (bash scripts/web.sh writes it)`);
    process.exit(77);
}
const {center, desktopRoad, launch, serve} = await import('../../tools/web/browsers.mjs');
const {clickToFrame, desktopColours, frameWhere, watchFrames} = await import('../../tools/web/frames.mjs');

const firstLoadLimit = 4.5e6;
const folder = path.resolve(webFolder);
const pictureFolder = path.join(folder, 'Bilder');
const pictures = fs.existsSync(pictureFolder) ? fs.readdirSync(pictureFolder).map(name => `Bilder/${name}`) : [];
const work = fs.mkdtempSync(path.join(os.tmpdir(), 'zorbel-firstload-'));
const choices = ['optKlasse(0)', 'chkRechenart(0)', 'optLevel(0)'];
const places = desktopRoad(webroad, programFolder, [
    {window: 'frmSplash', shot: 'splash'},
    {window: 'frmSplash', click: 'lblTitel'},
    {window: 'frmAuswahl', shot: 'auswahl-leer'},
    ...choices.map(click => ({window: 'frmAuswahl', click})),
    {window: 'frmAuswahl', shot: 'auswahl'},
], work);
const {probes} = desktopColours(places, work);
const failures = [];
const check = (holds, failure) => holds || failures.push(failure);

// The pictures are not inside the program: no picture's middle is found in it (their
// beginnings are alike, and like the default picture's, which the program carries).
const program = fs.readFileSync(path.join(folder, 'zorbel.wasm'));
check(pictures.length === 20, `the web folder holds ${pictures.length} board pictures, not 20`);
for (const picture of pictures) {
    const bytes = fs.readFileSync(path.join(folder, picture));
    check(program.indexOf(bytes.subarray(bytes.length / 2, bytes.length / 2 + 256)) < 0, `zorbel.wasm carries ${picture}`);
}

const server = await serve(folder);
const browser = await launch('chromium');
try {
    const {page} = browser;
    const asked = [];
    page.on('request', request => {
        const url = new URL(request.url());
        if (url.origin === server.origin)
            asked.push(url.pathname.slice(1));
    });
    await page.evaluateOnNewDocument(watchFrames, probes('frmSplash', 'splash'));
    await page.goto(`${server.origin}/`);
    await frameWhere(page, probes('frmSplash', 'splash'), 0, 'the splash window');
    await page.mouse.click(...center(places.frmSplash.controls.lblTitel));
    await frameWhere(page, probes('frmAuswahl', 'auswahl-leer'), 0, 'the selection window');

    const firstLoad = [...new Set(asked)];
    const gzipped = firstLoad.map(name => path.join(folder, name || 'index.html')).filter(file => fs.existsSync(file))
        .reduce((sum, file) => sum + zlib.gzipSync(fs.readFileSync(file), {level: 9}).length, 0);
    console.log(`first load: ${firstLoad.length} files, ${(gzipped / 1e6).toFixed(2)} MB with gzip`);
    check(gzipped <= firstLoadLimit, `the first load is ${(gzipped / 1e6).toFixed(2)} MB with gzip, more than ${firstLoadLimit / 1e6} MB`);
    check(!firstLoad.some(name => pictures.includes(name)), `the first load fetched a board picture: ${firstLoad.join(' ')}`);

    for (const name of choices)
        await clickToFrame(page, places.frmAuswahl.controls[name], [], `a frame after the click on ${name}`, () => true);
    await frameWhere(page, probes('frmAuswahl', 'auswahl'), 0, 'the selection window with grade, operation and level');
    await page.mouse.click(...center(places.frmAuswahl.controls.cmdOK));
    const fetched = async () => asked.find(name => pictures.includes(name));
    for (const until = Date.now() + 30000; !await fetched() && Date.now() < until;)
        await new Promise(resolve => setTimeout(resolve, 100));
    check(await fetched(), 'the board opened without fetching a board picture');

    // The page's service worker answers from its cache when the network is gone.
    const cached = () => page.evaluate(async names => {
        const answers = await Promise.all(names.map(name => caches.match(name)));
        return names.filter((name, k) => !answers[k]);
    }, pictures);
    for (const until = Date.now() + 30000; (await cached()).length && Date.now() < until;)
        await new Promise(resolve => setTimeout(resolve, 200));
    const missing = await cached();
    check(!missing.length, `after the visit, the page's cache lacks ${missing.join(' ')}`);
} catch (error) {
    failures.push(error.message);
} finally {
    await browser.close();
    server.close();
    fs.rmSync(work, {recursive: true, force: true});
}
for (const failure of failures)
    console.log(`FAIL ${failure}`);
process.exit(failures.length ? 1 : 0);
