// Plays the web build in Chromium with the screen reader Orca listening over AT-SPI, as on the
// desktop, and prints what Orca says at each moment: the splash read out, a name typed, a card
// marked, a wrong pair ("Leider falsch!") and a found pair. Orca speaks to no speech server
// here; its debug log keeps each "SPEECH OUTPUT". Keys go through xdotool, so that Orca hears
// them as a player's; activation and moves of the focus go to the page's elements, as Orca's
// own do. A developer tool: it waits by the clock, as Orca's log is only complete once Orca
// has ended.
//
//   xvfb-run -a -s '-screen 0 1280x1024x24' dbus-run-session -- node tools/web/orca.mjs <web folder>
//
// Needs Debian's orca, at-spi2-core, xdotool and chromium.

import {execFileSync, spawn} from 'node:child_process';
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import puppeteer from 'puppeteer-core';
import {accessibleNodes, serve, until} from './browsers.mjs';

const home = fs.mkdtempSync(path.join(os.tmpdir(), 'zorbel-orca-'));
fs.mkdirSync(path.join(home, 'run'), {mode: 0o700});
const env = {...process.env, HOME: home, XDG_RUNTIME_DIR: path.join(home, 'run'), SPEECHD_CMD: '/bin/false', ACCESSIBILITY_ENABLED: '1'};
const log = path.join(home, 'orca.log');
const sleep = seconds => new Promise(resolve => setTimeout(resolve, seconds * 1000));
const key = (...keys) => execFileSync('xdotool', ['key', '--delay', '150', ...keys]);

const bus = spawn('/usr/libexec/at-spi-bus-launcher', ['--launch-immediately'], {env, stdio: 'ignore'});
await sleep(2);
const orca = spawn('orca', ['--replace', `--debug-file=${log}`], {env, stdio: 'ignore'});
await sleep(8);

const server = await serve(path.resolve(process.argv[2]));
const browser = await puppeteer.launch({browser: 'chrome', executablePath: '/usr/bin/chromium', headless: false, env,
    userDataDir: path.join(home, 'profile'), defaultViewport: null,
    args: ['--no-sandbox', '--disable-gpu', '--force-renderer-accessibility', '--no-first-run', '--disable-extensions',
        '--disable-features=Translate,TranslateUI', '--lang=de-DE', '--window-position=0,0', '--window-size=1280,1000']});
const [page] = await browser.pages();
let nodes = [];
const find = (role, name) => nodes.find(node => node.role === role && (node.name || node.text) === name);
const waitFor = (what, check, seconds = 10) => until(what, async () => Boolean(check(nodes = await accessibleNodes(page))) || 'not yet', seconds);
// What Orca's activation of an element does.
const activate = async node => (await node.elementHandle()).evaluate(control => control.click());
const cards = () => nodes.filter(node => node.role === 'checkbox' && /^\d+[+\-*:]\d+$/.test(node.name));
const value = card => Function(`return ${card.name.replace(':', '/')}`)();

const moments = [];
const moment = async (what, act, seconds = 4) => {
    moments.push({what, from: new Date()});
    await act();
    await sleep(seconds);
};

try {
    await page.goto(`${server.origin}/`);
    await waitFor('the splash', () => find('LabelText', 'Zorbel'), 90);
    await moment('the splash, read out (a click off the windows gives the page the focus, then Orca\'s "say all")', async () => {
        execFileSync('xdotool', ['mousemove', '40', '900', 'click', '1']);
        await sleep(3);
        key('KP_Add');
    }, 12);
    await moment('the splash activated: the selection window', async () => {
        await activate(find('LabelText', 'Zorbel'));
        await waitFor('the first name box focused', () => find('textbox', 'Vorname')?.focused);
    });
    await moment('a name typed: "Lena"', () => execFileSync('xdotool', ['type', '--delay', '200', 'Lena']));
    await moment('"1. Klasse", "+ (Plus)", "leicht" and "OK" activated: the board', async () => {
        for (const [role, name] of [['radio', '1. Klasse'], ['checkbox', '+ (Plus)'], ['radio', 'leicht'], ['button', 'OK']]) {
            await activate(find(role, name));
            await sleep(1);
        }
        await waitFor('the cards', () => cards().some(card => card.focused));
    });
    const [first] = cards();
    await moment(`a card marked: Space on "${first.name}"`, () => key('space'));
    const wrong = cards().find(card => value(card) !== value(first));
    await moment(`a wrong pair: focus on "${wrong.name}", Space`, async () => {
        await (await wrong.elementHandle()).focus();
        await sleep(2);
        key('space');
    });
    await moment('the message closed: Enter', () => key('Return'));
    await waitFor('the new mark', () => cards().some(card => card.checked === true));
    const marked = cards().find(card => card.checked === true);
    const partner = cards().find(card => card.backendNodeId !== marked.backendNodeId && value(card) === value(marked));
    await moment(`a found pair: focus on "${partner.name}", Space`, async () => {
        await (await partner.elementHandle()).focus();
        await sleep(2);
        key('space');
    }, 6);
} finally {
    await browser.close();
    server.close();
    // Ended as by Ctrl+C, Orca writes out the rest of its log; killed, it would lose the last moment's speech.
    orca.kill('SIGINT');
    await sleep(2);
    bus.kill();
}

// Orca's log lines begin with the time of day.
const spoken = fs.readFileSync(log, 'utf8').split('\n').map(line => line.match(/^(\d\d):(\d\d):(\d\d\.\d+) - SPEECH OUTPUT: (.*)$/))
    .filter(Boolean).map(([, h, m, s, text]) => ({seconds: +h * 3600 + +m * 60 + +s, text}));
const daySeconds = date => date.getHours() * 3600 + date.getMinutes() * 60 + date.getSeconds() + date.getMilliseconds() / 1000;
moments.forEach(({what, from}, i) => {
    const end = i + 1 < moments.length ? daySeconds(moments[i + 1].from) : Infinity;
    console.log(`${what}:`);
    for (const line of spoken.filter(line => line.seconds >= daySeconds(from) && line.seconds < end))
        console.log(`    ${line.text}`);
});
fs.rmSync(home, {recursive: true, force: true});
