// Serves the web build on localhost and drives Debian's browsers, for the browser tests and
// the benchmark: Chromium over the DevTools protocol and Firefox over WebDriver BiDi through
// puppeteer, and WebKitGTK's MiniBrowser through WebKitWebDriver, which speaks only classic
// WebDriver, with a few plain HTTP requests. Every browser shows the page on a desktop's screen
// of the same size, Chromium also on a phone's and a tablet's as it emulates them, and offers
// the same few calls. Also runs tools/webroad, which tells where the desktop program puts each
// window and control on a desktop's screen.

import {execFileSync, spawn} from 'node:child_process';
import fs from 'node:fs';
import http from 'node:http';
import net from 'node:net';
import os from 'node:os';
import path from 'node:path';
import puppeteer from 'puppeteer-core';

export const viewport = {width: 1280, height: 1024};

// Each screen's page in CSS pixels, its device pixels per CSS pixel, and whether it is touched.
export const screens = {
    desktop: {...viewport, ratio: 1, touch: false},
    phone: {width: 390, height: 844, ratio: 3, touch: true},
    tablet: {width: 768, height: 1024, ratio: 2, touch: true},
};

// Runs in the page: the program's windows as the page shows them, front first, each with its
// caption, its frame and client area in CSS pixels of the page, whether its title bar is drawn
// active, which of its title-bar boxes show and the pointer over it; with the page's zoom and
// its part on the screen, and whether a text field has the keyboard, the name it bears and its text.
function pageView() {
    const root = document.querySelector('#zorbel-screen #qt-shadow-container')?.shadowRoot;
    const view = window.visualViewport ?? {offsetLeft: 0, offsetTop: 0, width: innerWidth, height: innerHeight, scale: 1};
    const rect = element => {
        const {left, top, width, height} = element.getBoundingClientRect();
        return [left, top, width, height];
    };
    const windows = [...(root?.querySelectorAll('.qt-window') ?? [])].filter(element => element.style.display === 'block')
        .sort((a, b) => b.style.zIndex - a.style.zIndex)
        .map(element => {
            const titleBar = element.querySelector('.title-bar');
            const boxes = [...titleBar.querySelectorAll('.image-button')].slice(1);
            return {
                caption: element.querySelector('.window-name').textContent,
                frame: rect(element),
                titleBar: rect(titleBar),
                client: rect(element.querySelector('.qt-window-canvas-container')),
                active: getComputedStyle(titleBar).opacity === '1',
                boxes: ['restore', 'maximise', 'close'].filter((box, k) => boxes[k]?.style.display !== 'none'),
                pointer: element.querySelector('.qt-window-contents').style.cursor,
            };
        });
    // The element that has the keyboard may stand inside the windows' shadow root.
    let focus = document.activeElement;
    while (focus?.shadowRoot?.activeElement)
        focus = focus.shadowRoot.activeElement;
    return {left: view.offsetLeft, top: view.offsetTop, width: view.width, height: view.height, zoom: view.scale,
        ratio: devicePixelRatio, windows, typing: focus?.tagName === 'INPUT' && focus.inputMode !== 'none',
        typingInto: focus?.getAttribute('aria-label') ?? '', typed: focus?.value ?? ''};
}

export function center([x, y, width, height]) {
    return [x + width / 2, y + height / 2];
}

// Plays the road through the desktop windows on a screen the size of the page (see
// tools/webroad): returns where each window and control stands; the pictures of the
// road's shots are left in `folder`.
export function desktopRoad(webroad, programFolder, road, folder) {
    fs.mkdirSync(folder, {recursive: true});
    const screen = path.join(folder, 'screen.json');
    fs.writeFileSync(screen, JSON.stringify({windowFrameMargins: false,
        screens: [{name: 'page', x: 0, y: 0, ...viewport, logicalDpi: 96, logicalBaseDpi: 96, dpr: 1}]}));
    fs.writeFileSync(path.join(folder, 'road.json'), JSON.stringify(road));
    const out = execFileSync(webroad, [programFolder, path.join(folder, 'road.json'), folder], {
        env: {...process.env, QT_QPA_PLATFORM: `offscreen:configfile=${screen}`}, timeout: 60000, stdio: ['ignore', 'pipe', 'pipe']});
    return JSON.parse(out);
}

// Polls until `check` answers true; fails naming what it waited for and the last answer.
export async function until(what, check, seconds = 10) {
    const end = Date.now() + seconds * 1000;
    for (;;) {
        const answer = await check();
        if (answer === true)
            return;
        if (Date.now() > end)
            throw new Error(`waited ${seconds} s for ${what}${typeof answer === 'string' ? ` (${answer})` : ''}`);
        await new Promise(resolve => setTimeout(resolve, 100));
    }
}

// What Chromium tells screen readers of the page: every node of its accessibility tree with
// its role, name, description and states, its text (a label's is in the text nodes below it)
// and a handle on its element, which a screen reader's activation clicks.
export async function accessibleNodes(page) {
    const nodes = [];
    const visit = node => {
        const below = (node.children ?? []).map(visit);
        const entry = {...node, text: node.role === 'StaticText' ? node.name : below.map(child => child.text).join('')};
        nodes.push(entry);
        return entry;
    };
    visit(await page.accessibility.snapshot({interestingOnly: false}));
    return nodes;
}

const types = {
    '.html': 'text/html', '.js': 'text/javascript', '.wasm': 'application/wasm', '.json': 'application/json',
    '.webmanifest': 'application/manifest+json', '.png': 'image/png', '.svg': 'image/svg+xml', '.ico': 'image/x-icon',
    '.ttf': 'font/ttf', '.woff2': 'font/woff2', '.css': 'text/css',
};

// Serves the folder on a free port of localhost; `requests` lists every path asked for.
export async function serve(folder) {
    const requests = [];
    const server = http.createServer((request, response) => {
        const file = path.join(folder, decodeURIComponent(new URL(request.url, 'http://localhost').pathname));
        requests.push(request.url);
        const target = file.endsWith('/') ? path.join(file, 'index.html') : file;
        if (!target.startsWith(folder) || !fs.existsSync(target) || fs.statSync(target).isDirectory()) {
            response.writeHead(404).end();
            return;
        }
        response.writeHead(200, {'Content-Type': types[path.extname(target)] ?? 'application/octet-stream', 'Cache-Control': 'no-store'});
        fs.createReadStream(target).pipe(response);
    });
    await new Promise(resolve => server.listen(0, '127.0.0.1', resolve));
    return {origin: `http://127.0.0.1:${server.address().port}`, requests, close: () => server.close()};
}

const chromiumArgs = ['--no-sandbox', '--disable-gpu', '--disable-background-networking', '--disable-component-update',
    '--disable-sync', '--no-first-run', '--disable-extensions', '--lang=de-DE', '--accept-lang=de-DE'];

// A browser that crashes while it starts, before it has shown anything, is started once more
// with a new profile: Firefox ESR now and then does, as its main thread sets the environment
// while one of its GLib threads reads it.
async function startPuppeteer(kind) {
    for (let attempt = 1; ; ++attempt) {
        const profile = fs.mkdtempSync(path.join(os.tmpdir(), 'zorbel-profile-'));
        try {
            const browser = await puppeteer.launch(kind === 'chromium'
                ? {browser: 'chrome', executablePath: '/usr/bin/chromium', args: chromiumArgs, userDataDir: profile, headless: true}
                : {browser: 'firefox', executablePath: '/usr/bin/firefox-esr', userDataDir: profile, headless: true,
                    // A crash ends Firefox, rather than leaving its crash reporter behind, which
                    // holds Firefox's output open and so keeps node from ever ending.
                    env: {...process.env, MOZ_CRASHREPORTER_DISABLE: '1'},
                    // Headless, Firefox offers WebGL, on which the page draws, only when asked to.
                    extraPrefsFirefox: {'webgl.force-enabled': true, 'intl.locale.requested': 'de-DE', 'intl.accept_languages': 'de-DE'}});
            return {browser, profile};
        } catch (error) {
            fs.rmSync(profile, {recursive: true, force: true});
            if (attempt === 2)
                throw new Error(`${kind} did not start twice: ${error.message}`);
            console.log(`${kind} did not start (${error.message.split('\n')[0]}): starting it once more`);
        }
    }
}

async function puppeteerBrowser(kind, screen) {
    const {browser, profile} = await startPuppeteer(kind);
    const page = await browser.newPage();
    const {ratio, touch} = screen;
    let {width, height} = screen;
    const show = () => page.setViewport({width, height, deviceScaleFactor: ratio, isMobile: touch, hasTouch: touch});
    await show();
    return {
        name: kind, page,
        goto: url => page.goto(url),
        press: (x, y) => (touch ? page.touchscreen.tap(x, y) : page.mouse.click(x, y)),
        key: name => page.keyboard.press(name),
        // A phone's keyboard hands the page its text without key presses.
        type: async text => {
            for (const character of text)
                await (touch ? page.keyboard.sendCharacter(character) : page.keyboard.type(character));
        },
        screenshot: async () => Buffer.from(await page.screenshot()),
        run: script => page.evaluate(script),
        view: () => page.evaluate(pageView),
        // The screen turned over, as a phone or a tablet is: its sides swap. True when it is then wider than high.
        turn: async () => {
            [width, height] = [height, width];
            await show();
            return width > height;
        },
        close: async () => { await browser.close(); fs.rmSync(profile, {recursive: true, force: true}); },
    };
}

async function freePort() {
    const server = net.createServer();
    await new Promise(resolve => server.listen(0, '127.0.0.1', resolve));
    const {port} = server.address();
    await new Promise(resolve => server.close(resolve));
    return port;
}

const webdriverKeys = {Enter: '\uE007', Space: ' '};

// MiniBrowser needs a display: the caller runs under xvfb-run.
async function webkitBrowser() {
    const port = await freePort();
    const driver = spawn('WebKitWebDriver', [`--port=${port}`], {stdio: 'ignore'});
    const call = async (method, route, body) => {
        const response = await fetch(`http://127.0.0.1:${port}${route}`, {method, headers: {'Content-Type': 'application/json'},
            body: body && JSON.stringify(body), signal: AbortSignal.timeout(30000)});
        const answer = await response.json();
        if (!response.ok)
            throw new Error(`WebKitWebDriver ${method} ${route}: ${JSON.stringify(answer.value)}`);
        return answer.value;
    };
    let session;
    for (let tries = 0; !session; ++tries) {
        try {
            session = await call('POST', '/session', {capabilities: {alwaysMatch: {'webkitgtk:browserOptions':
                {binary: '/usr/lib/x86_64-linux-gnu/webkit2gtk-4.1/MiniBrowser', args: ['--automation']}}}});
        } catch (error) {
            if (tries === 50)
                throw new Error(`WebKitWebDriver did not start a session: ${error.message}`);
            await new Promise(resolve => setTimeout(resolve, 100));
        }
    }
    const at = `/session/${session.sessionId}`;
    const run = script => call('POST', `${at}/execute/sync`, {script: `return (${script})()`, args: []});
    // The window's toolbar takes some of its height: grow the window by what the page lacks.
    await call('POST', `${at}/window/rect`, {width: viewport.width, height: viewport.height});
    const [innerWidth, innerHeight] = await run('() => [innerWidth, innerHeight]');
    await call('POST', `${at}/window/rect`, {width: 2 * viewport.width - innerWidth, height: 2 * viewport.height - innerHeight});
    const actions = list => call('POST', `${at}/actions`, {actions: list});
    const click = (x, y) => actions([{type: 'pointer', id: 'mouse', parameters: {pointerType: 'mouse'}, actions: [
        {type: 'pointerMove', x: Math.round(x), y: Math.round(y), origin: 'viewport'}, {type: 'pointerDown', button: 0}, {type: 'pointerUp', button: 0}]}]);
    return {
        name: 'webkit',
        goto: url => call('POST', `${at}/url`, {url}),
        press: click,
        key: name => actions([{type: 'key', id: 'keyboard', actions: [{type: 'keyDown', value: webdriverKeys[name]}, {type: 'keyUp', value: webdriverKeys[name]}]}]),
        type: text => actions([{type: 'key', id: 'keyboard', actions: [...text].flatMap(value => [{type: 'keyDown', value}, {type: 'keyUp', value}])}]),
        screenshot: async () => Buffer.from(await call('GET', `${at}/screenshot`), 'base64'),
        run,
        view: () => run(pageView),
        close: async () => { await call('DELETE', at).catch(() => {}); driver.kill(); },
    };
}

// Only Chromium emulates a phone or a tablet: WebKitGTK's pointer actions of the kind touch
// arrive as a mouse's, and MiniBrowser, a desktop browser, zooms no page for a small screen.
export function launch(kind, screen = screens.desktop) {
    if (screen !== screens.desktop && kind !== 'chromium')
        throw new Error(`${kind} cannot play on a ${screen.width} x ${screen.height} touch screen`);
    return kind === 'webkit' ? webkitBrowser() : puppeteerBrowser(kind, screen);
}
