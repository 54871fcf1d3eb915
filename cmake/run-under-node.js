// Runs a test built for WebAssembly under node. The build makes each program a module that a
// page starts, so running its .js file alone would start nothing and pass; this starts it with
// the test's own arguments, and the test's exit ends node with the test's exit code. The .wasm
// beside it is handed over read, as this emscripten would fetch it as a URL under a node that
// has fetch.
'use strict';
const fs = require('fs');
const path = require('path');

// Qt asks the browser for the user's languages; a node without a navigator of its own is
// given one that names node's locale.
globalThis.navigator ??= {language: Intl.DateTimeFormat().resolvedOptions().locale};
globalThis.navigator.languages ??= [globalThis.navigator.language];

const [program, ...args] = process.argv.slice(2);
const script = path.resolve(program);
const start = require(script);
start({
    arguments: args,
    wasmBinary: fs.readFileSync(script.replace(/\.js$/, '.wasm')),
}).catch((error) => {
    console.error(error);
    process.exit(1);
});
