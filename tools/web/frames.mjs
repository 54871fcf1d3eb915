// Watches the page's frames from inside, for the benchmark and the browser tests that time or
// wait for what the program draws: every task that drew a window records its end and the
// colours at a few page points, which are compared with the desktop's picture of the same
// window (see desktopRoad in browsers.mjs). Chromium only (puppeteer).

import fs from 'node:fs';
import path from 'node:path';
import {PNG} from 'pngjs';
import {center} from './browsers.mjs';

// Runs in the page before its scripts (evaluateOnNewDocument), given the probes of the first
// window, so that no frame of it goes unread. Qt 6.4 draws every window into one canvas with
// WebGL; later versions draw each window into a canvas of its own with a 2D context, inside a
// shadow root. A probe reads the topmost drawn window's canvas at its point.
export function watchFrames(firstProbes = []) {
    window.zorbelFrames = [];
    window.zorbelProbes = firstProbes;
    // The end of the first animation frame after the release: the soonest a page can show a click.
    addEventListener('pointerup', event => {
        window.zorbelReleased = event.timeStamp;
        requestAnimationFrame(() => { window.zorbelNextFrame = performance.now() - event.timeStamp; });
    }, true);
    const contexts = new Map();
    const canvasAt = (x, y) => {
        const root = [...document.querySelectorAll('*')].find(element => element.shadowRoot)?.shadowRoot ?? document;
        for (const element of root.elementsFromPoint(x, y)) {
            const canvas = element instanceof HTMLCanvasElement ? element
                : element.classList.contains('qt-window') ? element.querySelector('canvas') : null;
            if (canvas)
                return canvas;
        }
        return null;
    };
    const colourAt = ({x, y}) => {
        const canvas = canvasAt(x, y);
        const context = canvas && contexts.get(canvas);
        if (!context)
            return [-1, -1, -1];
        const box = canvas.getBoundingClientRect();
        const scale = canvas.width / box.width;
        const [left, top] = [Math.floor((x - box.left) * scale), Math.floor((y - box.top) * scale)];
        if (context instanceof CanvasRenderingContext2D)
            return [...context.getImageData(left, top, 1, 1).data.subarray(0, 3)];
        const pixel = new Uint8Array(4);
        context.readPixels(left, canvas.height - top - 1, 1, 1, context.RGBA, context.UNSIGNED_BYTE, pixel);
        return [...pixel.subarray(0, 3)];
    };
    // Read once the task's drawing is done, before WebGL's buffer goes to the screen.
    let drawing = false;
    const record = () => {
        drawing = false;
        window.zorbelFrames.push({end: performance.now(), colours: window.zorbelProbes.map(colourAt)});
    };
    // New probes read what the windows show now, as a window drawn before may not draw again.
    window.zorbelProbe = list => {
        window.zorbelProbes = list;
        if (!drawing)
            record();
        return performance.now();
    };
    const watch = (prototype, name) => {
        const draw = prototype[name];
        prototype[name] = function (...args) {
            contexts.set(this.canvas, this);
            if (!drawing)
                queueMicrotask(record);
            drawing = true;
            return draw.apply(this, args);
        };
    };
    for (const kind of [WebGLRenderingContext, WebGL2RenderingContext]) {
        for (const name of ['drawArrays', 'drawElements'])
            watch(kind.prototype, name);
    }
    watch(CanvasRenderingContext2D.prototype, 'putImageData');
}

export const near = (a, b) => a.every((value, c) => Math.abs(value - b[c]) <= 32);

// Where the desktop's pictures of the road's windows (in `folder`) tell what the page should show.
export function desktopColours(places, folder) {
    // The colour of the desktop's picture at this page point of the window.
    const probe = (window, picture, x, y) => {
        const png = PNG.sync.read(fs.readFileSync(path.join(folder, `${picture}.png`)));
        const at = ((y - places[window].client[1]) * png.width + x - places[window].client[0]) * 4;
        return {x, y, rgb: [...png.data.subarray(at, at + 3)]};
    };
    // A point inside the top-left corner of each of the window's controls, clear of captions.
    const probes = (window, picture) => Object.values(places[window].controls)
        .filter(([, , width, height]) => width >= 12 && height >= 12)
        .map(([x, y]) => probe(window, picture, x + 6, y + 6));
    return {probe, probes};
}

const shown = points => colours => colours.every((rgb, k) => near(rgb, points[k].rgb));
const pause = milliseconds => new Promise(resolve => setTimeout(resolve, milliseconds));

// The end of the first frame after `since` whose colours at the probes pass `shows`.
export async function frameWhere(page, points, since, what, shows = shown(points)) {
    await page.evaluate(list => window.zorbelProbe(list), points);
    for (const until = Date.now() + 30000; Date.now() < until; await pause(50)) {
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
export async function clickToFrame(page, rect, points, what, shows) {
    for (const until = Date.now() + 10000; Date.now() < until; await pause(50)) {
        if (await page.evaluate(() => performance.now() - (window.zorbelFrames.at(-1)?.end ?? 0) > 300))
            break;
    }
    // The probes are in place before the click, as its frame may come before the next call.
    const since = await page.evaluate(list => window.zorbelProbe(list), points);
    await page.mouse.click(...center(rect));
    const end = await frameWhere(page, points, since, what, shows);
    return end - await page.evaluate(() => window.zorbelReleased);
}
