// web.mjs
// The web pages in headless Chromium (the tests' switches), served from 127.0.0.1 by the tests' static server
// (tests/web/server.mjs: gzip for text and WebAssembly, ETag and Last-Modified for revalidation). Measures the bytes
// a demo page transfers when it is the first page a student opens and when it is the next one, the bytes of a first
// visit that also stores the site for offline use, and the time from navigation to the first frame against two pages
// built with the same toolchain: clear_window, which only clears its canvas (the goal is set against it), and
// draw_floor, which draws one circle, one line and one dot with the programs' GL emulation. bench/web builds what it
// needs and runs this.
// Usage: node bench/web.mjs [--runs N] [--site FOLDER]
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { fileURLToPath } from 'node:url';
import { parseArgs } from 'node:util';

import { launchChromium } from '../tests/web/browser.mjs';
import { gzipLevel, serve } from '../tests/web/server.mjs';
import { programTable } from '../tests/web/table.mjs';

const repository = path.resolve(path.dirname(fileURLToPath(import.meta.url)), '..');
const { values: options } = parseArgs({
    options: {
        runs: { type: 'string', default: '10' },
        site: { type: 'string', default: path.join(repository, 'build/web') },
    },
});
const runs = Number(options.runs);
const site = path.resolve(options.site);
const baselineFolder = path.join(repository, 'build/web-bench');

// The programs with a window (the one that refuses its point draws no frame), from the table of programs; the first
// two demo pages, for a first and a next visit; the explorer; and the baseline pages.
const table = programTable().filter((row) => row.scene);
const programs = table.map((row) => row.name);
const [firstDemo, nextDemo] = table.filter((row) => row.family !== 'explorer').map((row) => row.name);
const explorerPage = table.find((row) => row.family === 'explorer').name;
const baselines = ['bench/clear_window', 'bench/draw_floor'];
const weightGoal = 60_000; // bytes of a demo page
const timeGoal = 1.2; // first frame against the baseline

// ---- Pages ---------------------------------------------------------------------------------------

/// Runs in every page before its own scripts: notes the time since navigation at which the drawing of the first frame
/// ends, that is when the callback that first clears a WebGL canvas has returned.
function markFirstFrame() {
    for (const context of [WebGLRenderingContext, WebGL2RenderingContext]) {
        const clear = context.prototype.clear;
        context.prototype.clear = function (...args) {
            if (window.firstFrameStarted === undefined) {
                window.firstFrameStarted = performance.now();
                queueMicrotask(() => {
                    window.firstFrame = performance.now();
                });
            }
            return clear.apply(this, args);
        };
    }
}

/// Opens the page in a fresh context (an empty cache) and returns the milliseconds from navigation to its first
/// frame. The service worker is kept out: it would only start after the first frame.
async function firstFrameTime(browser, origin, page) {
    const context = await browser.newContext({ serviceWorkers: 'block', viewport: { width: 1280, height: 900 } });
    await context.addInitScript(markFirstFrame);
    const tab = await context.newPage();
    await tab.goto(`${origin}/${page}.html`);
    const time = await (await tab.waitForFunction(() => window.firstFrame)).jsonValue();
    await context.close();
    return time;
}

/// Opens the pages one after the other in one fresh context and returns, for each, the responses sent for it until
/// its first frame (and, with the service worker, until the worker has stored the site). The browser's own request
/// for /favicon.ico is left out: the site has none.
async function visit(browser, origin, sent, pages, worker) {
    const context = await browser.newContext({
        serviceWorkers: worker ? 'allow' : 'block',
        viewport: { width: 1280, height: 900 },
    });
    await context.addInitScript(markFirstFrame);
    const visits = [];
    for (const page of pages) {
        sent.length = 0;
        const tab = await context.newPage();
        await tab.goto(`${origin}/${page}.html`);
        await tab.waitForFunction(() => window.firstFrame);
        if (worker) {
            await tab.evaluate(() => navigator.serviceWorker.ready);
        }
        await tab.waitForLoadState('networkidle');
        visits.push({ page, responses: sent.filter(({ pathname }) => pathname !== '/favicon.ico') });
        await tab.close();
    }
    await context.close();
    return visits;
}

// ---- Report --------------------------------------------------------------------------------------

const median = (values) => {
    const sorted = [...values].sort((a, b) => a - b);
    const middle = Math.floor(sorted.length / 2);
    return sorted.length % 2 ? sorted[middle] : (sorted[middle - 1] + sorted[middle]) / 2;
};
const kB = (bytes) => (bytes / 1000).toFixed(1);

/// A row of the weight table: the bytes by kind of file, and the total.
function weightRow(label, responses, goal) {
    const kinds = { page: /\.html$/, script: /\.js$/, wasm: /\.wasm$/ };
    const sum = (test) => responses.filter(({ pathname }) => test(pathname))
        .reduce((total, { bytes }) => total + bytes, 0);
    const byKind = Object.values(kinds).map((pattern) => sum((name) => pattern.test(name)));
    const total = sum(() => true);
    const other = total - byKind.reduce((a, b) => a + b, 0);
    const verdict = goal === undefined ? '' : total <= goal ? 'yes' : 'NO';
    return `| ${label} | ${responses.length} | ${[...byKind, other, total].map(kB).join(' | ')} | ${verdict} |`;
}

async function main() {
    const sent = [];
    const server = await serve({ '/': site, '/bench/': baselineFolder }, (pathname, bytes) =>
        sent.push({ pathname, bytes }));
    const origin = `http://127.0.0.1:${server.address().port}`;
    const profile = fs.mkdtempSync(path.join(os.tmpdir(), 'inversion-bench-'));
    const browser = await launchChromium(profile);
    try {
        const demos = [firstDemo, nextDemo];
        const [first, next] = await visit(browser, origin, sent, demos, false);
        const [explorer] = await visit(browser, origin, sent, [explorerPage], false);
        const [clear, floor] = await visit(browser, origin, sent, baselines, false);
        // A site without a service worker (one built before it had one) has no offline copy to weigh.
        const worker = fs.existsSync(path.join(site, 'sw.js'));
        const [offline] = worker ? await visit(browser, origin, sent, [firstDemo], true) : [];

        // Interleaved as the baselines, a program, the baselines, the next program ..., a fresh context each.
        const times = Object.fromEntries([...baselines, ...programs].map((page) => [page, []]));
        for (let round = 1; round <= runs; ++round) {
            for (const program of programs) {
                for (const page of [...baselines, program]) {
                    times[page].push(await firstFrameTime(browser, origin, page));
                }
            }
            console.error(`round ${round} of ${runs} done`);
        }

        const cpu = os.cpus()[0]?.model ?? 'unknown';
        console.log(`Machine: ${os.cpus().length} cores, ${cpu}; Chromium ${browser.version()} headless with ` +
            `SwiftShader WebGL; Node.js ${process.versions.node}; gzip level ${gzipLevel}.`);
        console.log();
        console.log('Bytes transferred (kB = 1000 bytes; status lines, headers and gzipped bodies), fresh browser ' +
            `context; goal for a demo page: at most ${kB(weightGoal)} kB.`);
        console.log();
        console.log('| visit | responses | HTML | runtime script | WebAssembly | other | total | within goal |');
        console.log('|---|---:|---:|---:|---:|---:|---:|---|');
        console.log(weightRow(`\`${firstDemo}\`, the first page`, first.responses, weightGoal));
        console.log(weightRow(`\`${nextDemo}\`, the next page`, next.responses, weightGoal));
        console.log(weightRow(`\`${explorerPage}\`, the first page`, explorer.responses));
        console.log(weightRow('`clear_window` (baseline), the first page', clear.responses));
        console.log(weightRow('`draw_floor` (baseline), the first page', floor.responses));
        if (offline) {
            console.log(weightRow(`\`${firstDemo}\` with the offline copy of the site`, offline.responses));
        }
        console.log();

        const [clearTime, floorTime] = baselines.map((page) => median(times[page]));
        console.log(`Navigation to the end of the first frame's drawing: medians of ${runs} runs per program and ` +
            `${runs * programs.length} per baseline; goal at most ${timeGoal} times clear_window.`);
        console.log();
        console.log('| page | first frame (ms) | / clear_window | / draw_floor |');
        console.log('|---|---:|---:|---:|');
        const over = [];
        for (const page of [...baselines, ...programs]) {
            const time = median(times[page]);
            if (programs.includes(page) && time / clearTime > timeGoal) {
                over.push(page);
            }
            console.log(`| \`${path.basename(page)}\` | ${time.toFixed(1)} | ${(time / clearTime).toFixed(3)} ` +
                `| ${(time / floorTime).toFixed(3)} |`);
        }
        console.log();
        console.log(`Above the goal: ${over.length ? over.join(', ') : 'none'}`);
    } finally {
        await browser.close();
        server.close();
        fs.rmSync(profile, { recursive: true, force: true });
    }
}

await main();
