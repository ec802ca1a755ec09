// web.mjs
// The web pages in headless Chromium (the tests' switches), served from 127.0.0.1 by the tests' static server
// (tests/web/server.mjs: gzip for text and WebAssembly, ETag and Last-Modified for revalidation). Measures the bytes
// a demo page transfers when it is the first page a student opens and when it is the next one, the bytes of a first
// visit that also stores the site for offline use, the time from navigation to the first frame against three pages
// built with the same toolchain: webgl_line, which clears and draws one line with a vertex buffer and a shader (the
// goal is set against it), clear_window, which only clears its canvas, and draw_floor, which draws one circle, one
// line and one dot through emscripten's GL emulation; the explorer's time from a pointer motion to the frame that
// shows it; the explorer page's layout shift while P is dragged across k and the case texts are printed; and the
// applications' page while Steiner's chain of 20 circles is dragged by its handle: the time its listeners take for
// each pointer motion, and how its frames follow the browser's animation frames.
// bench/web builds what it needs and runs this.
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
// two demo pages, for a first and a next visit; the explorer; and the baseline pages, the one the goal is set against
// first.
const table = programTable().filter((row) => row.scene);
const programs = table.map((row) => row.name);
const [firstDemo, nextDemo] = table.filter((row) => row.figure !== 'numbered').map((row) => row.name);
const explorerPage = table.find((row) => row.family === 'explorer').name;
// The other pages whose programs answer a person, weighed against the explorer's goal.
const answeringPages = table.filter((row) => row.family === 'applications' || row.family === 'exercises')
    .map((row) => row.name);
const applicationsPage = table.find((row) => row.family === 'applications').name;
const baselines = ['bench/webgl_line', 'bench/clear_window', 'bench/draw_floor'];
const weightGoal = 40_000; // bytes of a demo page, the first visit
const explorerWeightGoal = 48_000; // bytes of the explorer's page, the first visit
const timeGoal = 1.05; // first frame against webgl_line
const moves = 200; // pointer motions of a drag
const thickGoal = 1.15; // a figure's repaint with a projector's thick lines against thin ones
const handlingGoal = 2; // milliseconds of the page's listeners for one pointer motion
// A construction's figure: circles, lines and dots, drawn by the pages' back end at 1 and at 3 pixels (and 8-pixel
// dots), as a window 1080 rows tall draws them; the frames of one timed repaint.
const thickFigure = [6, 12, 12];
const thickFrames = 50;

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

/// Runs in the explorer's page before its own scripts: notes the time of each pointer motion (the event's time stamp,
/// when the browser took it) and the time at which the drawing of each frame ends, when the callback that clears the
/// canvas has returned.
function markMotionFrames() {
    window.frameEnds = [];
    window.addEventListener('mousemove', (event) => {
        window.lastMotion = event.timeStamp;
    }, true);
    for (const context of [WebGLRenderingContext, WebGL2RenderingContext]) {
        const clear = context.prototype.clear;
        context.prototype.clear = function (...args) {
            queueMicrotask(() => window.frameEnds.push(performance.now()));
            return clear.apply(this, args);
        };
    }
}

/// Opens a page (the explorer's unless given) in a fresh context with the init script (markMotionFrames unless
/// given), types the keys one after another (none for the explorer's point figure), each waiting for its frame, and
/// returns the context, the tab and the page coordinates of a scene point in a starting view framed from distance
/// (the explorer's, 32, unless given).
async function openExplorer(browser, origin, keys, page = explorerPage, init = markMotionFrames, distance = 32) {
    const context = await browser.newContext({ serviceWorkers: 'block', viewport: { width: 1280, height: 900 } });
    await context.addInitScript(init);
    const tab = await context.newPage();
    await tab.goto(`${origin}/${page}.html`);
    await tab.waitForFunction(() => window.frameEnds.length > 0);
    for (const key of keys) {
        const frames = await tab.evaluate(() => window.frameEnds.length);
        await tab.keyboard.press(key);
        await tab.waitForFunction((n) => window.frameEnds.length > n, frames);
    }
    // The program's camera: its starting box framed from the distance (twice the box's side) under 45 degrees, in the
    // canvas's drawing buffer as the page lays it out, shown at the canvas's CSS size. A point [x, y, right] is the
    // scene point (x, y) moved right by that many pixels of the drawing buffer.
    const box = await tab.locator('#canvas').boundingBox();
    const [width, height] = await tab.evaluate(() => [canvas.width, canvas.height]);
    const scaled = box.width / width;
    const unitsPerPixel = (2 * distance * Math.tan(Math.PI / 8)) / height;
    const at = ([x, y, right = 0]) => [box.x + (Math.floor(width / 2 + x / unitsPerPixel) + right + 0.5) * scaled,
        box.y + (Math.floor(height / 2 - y / unitsPerPixel) + 0.5) * scaled];
    return { context, tab, at };
}

/// Moves the pointer to the scene point and waits for the frame that shows it.
async function moveAndWait(tab, at, target) {
    const frames = await tab.evaluate(() => window.frameEnds.length);
    await tab.mouse.move(...at(target));
    await tab.waitForFunction((n) => window.frameEnds.length > n &&
        window.frameEnds[window.frameEnds.length - 1] > window.lastMotion, frames, { timeout: 5000 });
}

/// The explorer's figure chosen by key (nothing for the point figure), the left button held on the scene point grab,
/// and the pointer moved `moves` times between the scene points there and back, each move waiting for its frame.
/// Returns the milliseconds from each motion event to the end of the drawing of the first frame after it.
async function motionToFrame(browser, origin, key, grab, there, back) {
    const { context, tab, at } = await openExplorer(browser, origin, key ? [key] : []);
    await tab.mouse.move(...at(grab));
    await tab.mouse.down();
    // Two moves there and back before the timed ones: the first motion after the press may draw no frame.
    for (const target of [there, back]) {
        await tab.mouse.move(...at(target));
        await new Promise((resolve) => setTimeout(resolve, 200));
    }
    const delays = [];
    for (let i = 0; i < moves; ++i) {
        await moveAndWait(tab, at, i % 2 ? back : there);
        delays.push(await tab.evaluate(() => window.frameEnds.find((t) => t > window.lastMotion) - window.lastMotion));
    }
    await tab.mouse.up();
    const text = await tab.locator('#console').innerText();
    await context.close();
    return { delays, text };
}

/// P dragged in `moves` steps from (3, 3) inside k to (5, 5) outside and back, ten steps each way, so that it crosses
/// k twenty times and the case text is printed at each crossing. Returns the sum of the layout shifts the page had
/// meanwhile (every shift, whatever input came before it), how many lines the console gained, and the shift seen
/// when a line is then put above the canvas (not 0, or the observer sees nothing).
async function layoutShiftOfDrag(browser, origin) {
    const { context, tab, at } = await openExplorer(browser, origin, []);
    await tab.evaluate(() => {
        window.shifts = 0;
        new PerformanceObserver((list) => {
            for (const entry of list.getEntries()) {
                window.shifts += entry.value;
            }
        }).observe({ type: 'layout-shift' });
    });
    const lines = async () => (await tab.locator('#console').innerText()).trim().split('\n').length;
    const before = await lines();
    await tab.mouse.move(...at([2, 2]));
    await tab.mouse.down();
    // Not every step draws a frame (two steps may snap onto the same point of k): each waits a little instead.
    for (let i = -1; i < moves; ++i) {
        const leg = Math.floor(i / 10);
        const t = ((i % 10) + 1) / 10;
        const along = i < 0 ? 0 : leg % 2 ? 1 - t : t;
        await tab.mouse.move(...at([3 + 2 * along, 3 + 2 * along]));
        await new Promise((resolve) => setTimeout(resolve, 20));
    }
    await tab.mouse.up();
    await new Promise((resolve) => setTimeout(resolve, 500)); // shifts are reported after the frame that made them
    const shift = await tab.evaluate(() => window.shifts);
    const printed = (await lines()) - before;
    // The observer's own check: a line put above the canvas must be seen as a shift.
    await tab.evaluate(() => document.body.prepend(Object.assign(document.createElement('p'), { textContent: '-' })));
    await new Promise((resolve) => setTimeout(resolve, 500));
    const probe = (await tab.evaluate(() => window.shifts)) - shift;
    await context.close();
    return { shift, printed, probe };
}

/// Runs in the applications' page before its own scripts: every listener the page adds for mousemove or pointermove
/// (the runtime's GLUT and the page's own) is timed around its call and its milliseconds added to window.handling;
/// each mousemove's time stamp is noted, each animation frame's time (requestAnimationFrame's argument) and when its
/// callbacks ran, and for each frame drawn, the time of the animation frame it was drawn in and when its drawing ended.
function markHandling() {
    const add = EventTarget.prototype.addEventListener;
    const remove = EventTarget.prototype.removeEventListener;
    const timed = new Set(['mousemove', 'pointermove']);
    const wrappers = new WeakMap();
    window.handling = 0;
    window.motions = [];
    window.ticks = [];
    window.ticksRan = [];
    window.frameTicks = [];
    window.frameEnds = [];
    add.call(window, 'mousemove', (event) => window.motions.push(event.timeStamp), true);
    const wrapper = (listener) => {
        if (!wrappers.has(listener)) {
            wrappers.set(listener, function (event) {
                const start = performance.now();
                try {
                    return typeof listener === 'function' ? listener.call(this, event) : listener.handleEvent(event);
                } finally {
                    window.handling += performance.now() - start;
                }
            });
        }
        return wrappers.get(listener);
    };
    EventTarget.prototype.addEventListener = function (type, listener, options) {
        return add.call(this, type, timed.has(type) && listener ? wrapper(listener) : listener, options);
    };
    EventTarget.prototype.removeEventListener = function (type, listener, options) {
        return remove.call(this, type, (listener && wrappers.get(listener)) || listener, options);
    };
    for (const context of [WebGLRenderingContext, WebGL2RenderingContext]) {
        const clear = context.prototype.clear;
        context.prototype.clear = function (...args) {
            window.frameTicks.push(document.timeline.currentTime);
            queueMicrotask(() => window.frameEnds.push(performance.now()));
            return clear.apply(this, args);
        };
    }
    const tick = (time) => {
        window.ticks.push(time);
        window.ticksRan.push(performance.now());
        requestAnimationFrame(tick);
    };
    requestAnimationFrame(tick);
}

/// The handle of Steiner's chain of count circles as the lesson starts it: the inner circle about (inner, 0), the outer
/// one about O, radius outer, the chain turned by turn radians in the concentric picture. Inversion about the limiting
/// point inside the inner circle makes the two circles concentric, radii R and q, with (R - q) / (R + q) =
/// sin(180 / count); the handle is the image of the point at the angle turn on the circle of radius q (the outer
/// circle's image), where the first circle of the chain touches the outer circle.
function steinerHandle(count, inner = 1.5, outer = 4, turn = 0.3) {
    const s = Math.sin(Math.PI / count);
    const ratio = (1 - s) / (1 + s); // q / R
    const cosh = (1 + ratio * ratio) / (2 * ratio); // of the circles' inversive distance, the same in both pictures
    const radius = outer * cosh - Math.sqrt(outer * outer * (cosh * cosh - 1) + inner * inner);
    // The limiting points are inverse in both circles: x x' = outer^2 and (x - inner) (x' - inner) = radius^2.
    const p = inner * inner + outer * outer - radius * radius;
    const limit = (p - Math.sqrt(p * p - 4 * outer * outer * inner * inner)) / (2 * inner);
    // About the limiting point, radius 1: the handle's place does not depend on the radius.
    const inverted = (x, y) => {
        const far = (x - limit) ** 2 + y * y;
        return [limit + (x - limit) / far, y / far];
    };
    const [near, far] = [inverted(-outer, 0)[0], inverted(outer, 0)[0]];
    const [middle, small] = [(near + far) / 2, Math.abs(far - near) / 2];
    return inverted(middle + small * Math.cos(turn), small * Math.sin(turn));
}

/// The applications' page with Steiner's chain (key 3) of 20 circles (the key ] 14 times from 6), its view framing
/// (-5, -5)-(5, 5) from distance 20; the left button held on the chain's handle. First `moves` motions back and forth
/// by 5 pixels, each waiting for its frame: for each, the milliseconds the page's listeners took, the frames drawn
/// after it and the animation frames that began between it and its first frame's. Then a second of motions dispatched
/// in the page faster than the frame clock: the animation frames meanwhile, the frames drawn in them, the most drawn in
/// one, the animation frames after a motion in which none was drawn, and the median time of one dispatch.
async function chainHandling(browser, origin) {
    const keys = ['3', ...Array(14).fill(']')];
    const { context, tab, at } = await openExplorer(browser, origin, keys, applicationsPage, markHandling, 20);
    const handle = steinerHandle(20);
    await tab.mouse.move(...at(handle));
    await tab.mouse.down();
    for (const right of [5, 0]) { // the first motion after the press may draw no frame
        await tab.mouse.move(...at([...handle, right]));
        await new Promise((resolve) => setTimeout(resolve, 200));
    }
    const steps = [];
    for (let i = 0; i < moves; ++i) {
        const frames = await tab.evaluate(() => {
            window.handling = 0;
            return window.frameEnds.length;
        });
        await tab.mouse.move(...at([...handle, i % 2 ? 0 : 5]));
        await tab.waitForFunction((n) => window.frameEnds.length > n &&
            window.frameEnds[window.frameEnds.length - 1] > window.motions[window.motions.length - 1], frames,
        { timeout: 5000 });
        // A second frame for the motion would be drawn by the end of the next animation frame.
        await tab.evaluate(() => new Promise((resolve) => requestAnimationFrame(() => requestAnimationFrame(resolve))));
        steps.push(await tab.evaluate((n) => {
            const motion = window.motions[window.motions.length - 1];
            const first = window.frameTicks[n];
            return {
                handling: window.handling,
                frames: window.frameEnds.length - n,
                passedOver: window.ticks.filter((t) => t > motion && t < first).length,
            };
        }, frames));
    }
    // Then motions faster than the frame clock, about one every 4 ms (the browser's least for a repeated timer) for a
    // second: the browser coalesces real motions to one an animation frame, so these are dispatched in the page, each
    // timed by performance.now() around its dispatch.
    const clock = await tab.evaluate(([there, back, duration]) => new Promise((resolve) => {
        const [framesBefore, ticksBefore] = [window.frameTicks.length, window.ticks.length];
        const sent = [];
        const handling = [];
        const start = performance.now();
        const send = () => {
            const [clientX, clientY] = sent.length % 2 ? back : there;
            const before = performance.now();
            for (const [Kind, type] of [[PointerEvent, 'pointermove'], [MouseEvent, 'mousemove']]) {
                canvas.dispatchEvent(new Kind(type, { clientX, clientY, buttons: 1, bubbles: true }));
            }
            handling.push(performance.now() - before);
            sent.push(before);
            setTimeout(performance.now() - start < duration ? send : finish, performance.now() - start < duration
                ? 4 : 200);
        };
        const finish = () => {
            const drawn = window.frameTicks.slice(framesBefore);
            // The animation frames that began while the motions came, each with the motions since the one before.
            // A motion sent after the callbacks of one animation frame ran is drawn in the next: the animation frames
            // are told apart by when their callbacks ran (this script's first), and known by their time.
            const ran = window.ticksRan.slice(ticksBefore);
            const kept = window.ticks.slice(ticksBefore).map((t, i) => [t, ran[i], ran[i - 1] ?? -Infinity])
                .filter(([, at]) => at > sent[0] && at <= sent[sent.length - 1]);
            const ticks = kept.map(([t]) => t);
            const perTick = ticks.map((t) => drawn.filter((d) => d === t).length);
            const withMotion = kept.filter(([, at, before]) => sent.some((m) => m >= before && m < at)).map(([t]) => t);
            handling.sort((a, b) => a - b);
            resolve({
                motions: sent.length,
                animationFrames: ticks.length,
                frames: perTick.reduce((a, b) => a + b, 0),
                most: Math.max(...perTick),
                missed: withMotion.filter((t) => !drawn.includes(t)).length,
                withMotion: withMotion.length,
                handling: handling[Math.floor(handling.length / 2)],
            });
        };
        send();
    }), [at([...handle, 5]), at(handle), 1000]);
    await tab.mouse.up();
    await context.close();
    return { steps, clock };
}

/// The figure of webgl_figure repainted with thin and with thick lines in turn, `thickFrames` frames each, `runs`
/// times; returns the milliseconds of one frame of each run, thin and thick.
async function thickRepaints(browser, origin) {
    const context = await browser.newContext({ serviceWorkers: 'block', viewport: { width: 1280, height: 900 } });
    await context.addInitScript(markFirstFrame);
    const tab = await context.newPage();
    await tab.goto(`${origin}/bench/webgl_figure.html?${thickFigure.join(',')}`);
    await tab.waitForFunction(() => window.firstFrame);
    const repaints = await tab.evaluate(([frames, count]) => {
        const thin = [];
        const thick = [];
        Module._repaint(1, frames); // the first repaints grow the buffers
        for (let i = 0; i < count; ++i) {
            thin.push(Module._repaint(1, frames) / frames);
            thick.push(Module._repaint(3, frames) / frames);
        }
        return { thin, thick };
    }, [thickFrames, Math.max(runs, 3)]);
    await context.close();
    return repaints;
}

// ---- Report --------------------------------------------------------------------------------------

const median = (values) => {
    const sorted = [...values].sort((a, b) => a - b);
    const middle = Math.floor(sorted.length / 2);
    return sorted.length % 2 ? sorted[middle] : (sorted[middle - 1] + sorted[middle]) / 2;
};
const kB = (bytes) => (bytes / 1000).toFixed(1);
const percentile = (values, p) => {
    const sorted = [...values].sort((a, b) => a - b);
    return sorted[Math.min(sorted.length - 1, Math.ceil((p / 100) * sorted.length) - 1)];
};

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
        const answering = [];
        for (const page of answeringPages) {
            answering.push(...await visit(browser, origin, sent, [page], false));
        }
        const [line, clear, floor] = await visit(browser, origin, sent, baselines, false);
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

        // The point figure: P dragged back and forth by 5 pixels. The circle figure: its point R dragged back and forth
        // by 2 pixels where the circle through it passes 0.3 from O, so that its image is a circle some 35 units across
        // its radius, drawn with the most vertices drawScene gives.
        const drags = [
            ['P dragged (point figure)', '', [2, 2], [2, 2, 5], [2, 2]],
            ['R dragged, the image a huge circle (circle figure)', '3', [4, 2], [4.45, 2], [4.45, 2, 2]],
        ];
        const motions = [];
        for (const [label, key, grab, there, back] of drags) {
            motions.push([label, await motionToFrame(browser, origin, key, grab, there, back)]);
        }

        const steadiness = await layoutShiftOfDrag(browser, origin);
        const chain = await chainHandling(browser, origin);
        const thick = await thickRepaints(browser, origin);

        const cpu = os.cpus()[0]?.model ?? 'unknown';
        console.log(`Machine: ${os.cpus().length} cores, ${cpu}; Chromium ${browser.version()} headless with ` +
            `SwiftShader WebGL; Node.js ${process.versions.node}; gzip level ${gzipLevel}.`);
        console.log();
        console.log('Bytes transferred (kB = 1000 bytes; status lines, headers and gzipped bodies), fresh browser ' +
            `context; goals for a first visit: a demo page at most ${kB(weightGoal)} kB, the explorer, the ` +
            `applications and the exercises at most ${kB(explorerWeightGoal)} kB.`);
        console.log();
        console.log('| visit | responses | HTML | runtime script | WebAssembly | other | total | within goal |');
        console.log('|---|---:|---:|---:|---:|---:|---:|---|');
        console.log(weightRow(`\`${firstDemo}\`, the first page`, first.responses, weightGoal));
        console.log(weightRow(`\`${nextDemo}\`, the next page`, next.responses, weightGoal));
        console.log(weightRow(`\`${explorerPage}\`, the first page`, explorer.responses, explorerWeightGoal));
        answeringPages.forEach((page, i) =>
            console.log(weightRow(`\`${page}\`, the first page`, answering[i].responses, explorerWeightGoal)));
        console.log(weightRow('`webgl_line` (baseline), the first page', line.responses));
        console.log(weightRow('`clear_window` (baseline), the first page', clear.responses));
        console.log(weightRow('`draw_floor` (baseline), the first page', floor.responses));
        if (offline) {
            console.log(weightRow(`\`${firstDemo}\` with the offline copy of the site`, offline.responses));
        }
        console.log();

        const [lineTime, clearTime, floorTime] = baselines.map((page) => median(times[page]));
        console.log(`Navigation to the end of the first frame's drawing: medians of ${runs} runs per program and ` +
            `${runs * programs.length} per baseline; goal at most ${timeGoal} times webgl_line.`);
        console.log();
        console.log('| page | first frame (ms) | / webgl_line | / clear_window | / draw_floor |');
        console.log('|---|---:|---:|---:|---:|');
        const over = [];
        for (const page of [...baselines, ...programs]) {
            const time = median(times[page]);
            if (programs.includes(page) && time / lineTime > timeGoal) {
                over.push(page);
            }
            console.log(`| \`${path.basename(page)}\` | ${time.toFixed(1)} | ${(time / lineTime).toFixed(3)} ` +
                `| ${(time / clearTime).toFixed(3)} | ${(time / floorTime).toFixed(3)} |`);
        }
        console.log();
        console.log(`Above the goal: ${over.length ? over.join(', ') : 'none'}`);
        console.log();
        console.log(`The explorer: ${moves} pointer motions with the left button held, each from the motion event to ` +
            'the end of the drawing of the first frame after it.');
        console.log();
        console.log('| drag | median (ms) | 95th percentile (ms) | console after the drag |');
        console.log('|---|---:|---:|---|');
        for (const [label, { delays, text }] of motions) {
            const last = text.trim().split('\n').pop();
            console.log(`| ${label} | ${median(delays).toFixed(2)} | ${percentile(delays, 95).toFixed(2)} | ${last} |`);
        }
        console.log();
        console.log(`The page's layout shift while P is dragged in ${moves} steps across k twenty times: ` +
            `${steadiness.shift.toFixed(4)} (goal 0), with ${steadiness.printed} lines printed meanwhile; a line put ` +
            `above the canvas afterwards shifts it by ${steadiness.probe.toFixed(4)}.`);
        console.log();
        const handling = chain.steps.map((step) => step.handling);
        const oneFrame = chain.steps.filter((step) => step.frames === 1 && step.passedOver === 0).length;
        const { clock } = chain;
        console.log(`${applicationsPage}, Steiner's chain of 20 circles dragged by its handle: ${moves} pointer ` +
            'motions with the left button held, each waiting for its frame, the page\'s listeners timed in the page ' +
            '(performance.now(), 0.1 ms steps); then a second of motions dispatched in the page about every 4 ms.');
        console.log();
        console.log('| measure | value | goal |');
        console.log('|---|---:|---:|');
        console.log(`| the page's listeners for one motion, median (ms) | ${median(handling).toFixed(3)} ` +
            `| ${handlingGoal} |`);
        console.log(`| the same, 95th percentile (ms) | ${percentile(handling, 95).toFixed(3)} | |`);
        console.log(`| motions drawn in one frame, no animation frame passed over | ${oneFrame} of ${moves} ` +
            `| ${moves} of ${moves} |`);
        console.log(`| the burst: motions dispatched, animation frames, frames drawn | ${clock.motions}, ` +
            `${clock.animationFrames}, ${clock.frames} | |`);
        console.log(`| the burst: most frames in one animation frame | ${clock.most} | 1 |`);
        console.log(`| the burst: animation frames after a motion without a frame | ${clock.missed} of ` +
            `${clock.withMotion} | 0 |`);
        console.log(`| the burst: one dispatch, median (ms) | ${clock.handling.toFixed(3)} ` +
            `| ${handlingGoal} |`);
        console.log();
        const [thinFrame, thickFrame] = [median(thick.thin), median(thick.thick)];
        console.log(`Thick lines: webgl_figure with ${thickFigure[0]} circles, ${thickFigure[1]} lines and ` +
            `${thickFigure[2]} dots drawn by the pages' back end, lines 3 pixels wide (the red ones 6) as triangles and ` +
            `8-pixel dots against 1-pixel lines and 4-pixel dots; medians of ${thick.thin.length} repaints of ` +
            `${thickFrames} frames each, a pixel read back after every frame.`);
        console.log();
        console.log('| measure | thick | thin | ratio | goal |');
        console.log('|---|---:|---:|---:|---:|');
        console.log(`| frame (ms) | ${thickFrame.toFixed(3)} | ${thinFrame.toFixed(3)} | ` +
            `${(thickFrame / thinFrame).toFixed(3)} | ${thickGoal} |`);
    } finally {
        await browser.close();
        server.close();
        fs.rmSync(profile, { recursive: true, force: true });
    }
}

await main();
