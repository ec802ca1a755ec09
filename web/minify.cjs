// minify.cjs
// Shrinks the runtime script that every page loads, in place: emscripten leaves its names and those of pre.js whole,
// and a first visit fetches the script with the page. The page's own Module keeps its name (the browser tests and the
// benchmark call into it); the program's imports are found by the strings that name them, which stay.
// Usage (by the web build): node minify.cjs SCRIPT   (needs Debian's node-terser)
'use strict';
const fs = require('fs');
const { minify } = require('/usr/share/nodejs/terser/dist/bundle.min.cjs');

const [script] = process.argv.slice(2);
minify(fs.readFileSync(script, 'utf8'), {
    toplevel: true,
    compress: { passes: 2 },
    mangle: { reserved: ['Module'] },
}).then((result) => fs.writeFileSync(script, result.code), (error) => {
    console.error(`minify.cjs: ${script}: ${error.message}`);
    process.exit(1);
});
