// minify.cjs
// Shrinks a script of the pages (the runtime script that every page loads, site.js, scorm.js): emscripten leaves its
// names and those of pre.js whole, and a first visit fetches the scripts with the page. Module and siteTexts keep
// their names (the browser tests and the benchmark call into Module, the texts' scripts fill siteTexts); the
// program's imports are found by the strings that name them, which stay.
// Usage (by the web build): node minify.cjs SCRIPT [OUTPUT]   (in place without OUTPUT; needs Debian's node-terser)
'use strict';
const fs = require('fs');
const { minify } = require('/usr/share/nodejs/terser/dist/bundle.min.cjs');

const [script, output = script] = process.argv.slice(2);
minify(fs.readFileSync(script, 'utf8'), {
    toplevel: true,
    compress: { passes: 2 },
    mangle: { reserved: ['Module', 'siteTexts'] },
}).then((result) => fs.writeFileSync(output, result.code), (error) => {
    console.error(`minify.cjs: ${script}: ${error.message}`);
    process.exit(1);
});
