// demos.test.mjs
// The eleven pages in headless Chromium, served from 127.0.0.1: each page's text and header, each canvas by the
// drawing rules of the native window and against the native window's first frame; the index; the pages at a
// phone's width, for a screen reader and from the keyboard; and the site without a network.
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { after, before, describe, test } from 'node:test';
import { fileURLToPath } from 'node:url';

import { launchChromium } from './browser.mjs';
import { decodePng } from './png.mjs';
import { serve } from './server.mjs';
import { colours, programTable } from './table.mjs';

const repository = path.resolve(path.dirname(fileURLToPath(import.meta.url)), '../..');
const pages = path.join(repository, 'build/web');
const nativeFrames = path.join(repository, 'docs/images');

const width = 1024;
const height = 700;

// ---- Scenes ---------------------------------------------------------------------------------------

const { black, blue, red } = colours;
const background = [229, 229, 204]; // clear colour (0.9, 0.9, 0.8) in 8 bits
const colourNames = new Map([[black, 'black'], [blue, 'blue'], [red, 'red']].map(([rgb, name]) => [String(rgb), name]));

const point = (x, y, colour) => ({ kind: 'point', x, y, colour });
const line = (x, y, dx, dy, colour) => ({ kind: 'line', x, y, dx, dy, colour });
const circle = (x, y, radius, colour) => ({ kind: 'circle', x, y, radius, colour });
// The name the explorer draws next to a point: up to three letters 14 px tall, from 6 px right of and above it.
const label = (x, y, colour) => ({ kind: 'label', x, y, colour });

// Each page's program from the table of programs: its title, sentence and console text, and its first frame's
// records (k and O first, each kind in the order drawn); the explorer's first frame adds its labels, and its view never
// moves: it frames its box whatever its figure.
const table = programTable();
const explorerRow = table.find((row) => row.family === 'explorer');
const explorerBox = explorerRow.scene.box;
// Its point figure names k, O, P and P'.
const explorerLabels = ([px, py], [ix, iy]) =>
    [label(0, 5, black), label(0, 0, black), label(px, py, blue), label(ix, iy, red)];
// A number as the description writes it: whole, or with two decimals.
const described = (v) => (Number.isInteger(v) ? String(v) : v.toFixed(2));
const firstPointProgram = table.find((row) => row.family === 'point_inversion' && row.scene);

const demos = table.map((row) => {
    // The page's title in English, as this Chromium asks for it (the windows keep their own).
    const titles = { explorer: 'Geometry - exploring inversion', applications: 'Geometry - applications of inversion',
        exercises: 'Geometry - exercises in inversion' };
    const title = titles[row.family] ?? 'Geometry - the figure of a task';
    const demo = { name: row.name, title, sentence: row.sentence, text: row.text };
    if (!row.scene) {
        return { ...demo, exitStatus: 1 };
    }
    demo.objects = row.scene.records;
    const given = row.scene.records.find(({ colour }) => colour === blue);
    const image = row.scene.records.findLast(({ colour }) => colour === red);
    if (row === explorerRow) {
        demo.objects = [...demo.objects, ...explorerLabels([given.x, given.y], [image.x, image.y])];
    }
    // A program that answers a person frames its box whatever its figure.
    if (row.figure === 'numbered') {
        demo.box = row.scene.box;
    }
    if (row === firstPointProgram) {
        demo.describedWith = ['O(0, 0)', 'radius 5', `P(${described(given.x)}, ${described(given.y)})`,
            `P'(${described(image.x)}, ${described(image.y)})`];
    }
    return demo;
});
const explorer = demos.find(({ name }) => name === explorerRow.name);
// The pages speak the language the browser asks for: this Chromium asks for English, and the explorer and the
// applications and the exercises speak it; the demos print their own bytes in every language.
explorer.text = 'The point P lies inside k, so its image P\' lies outside k, on the ray OP.\n';
demos.find(({ name }) => table.find((row) => row.name === name).family === 'applications').text =
    'Peaucellier\'s inversor: |OA| = |OC| = 7 and the rhombus ABCD has sides sqrt(24), so |OB| * |OD| = 49 - 24 = 25 ' +
    '= r^2: D is the image of B in k. The seventh bar QB holds B on a circle through O, so D draws a straight line, ' +
    'the image of that circle.\n';
demos.find(({ name }) => table.find((row) => row.name === name).family === 'exercises').text =
    'Exercise 1 of 8: Place the image P\' of the point P(-2.10, 2.20).\n';
// The first page after the explorer's, and the last page, both with a figure that s saves.
const firstDemo = demos.find(({ name }) => table.find((row) => row.name === name).figure === 'file');
const lastDemo = demos.findLast(({ name }) => table.find((row) => row.name === name).figure === 'file');
// The explorer's circle figure starts as the circle of a program: that program's explanation.
const circleOffCentre = 'A circle that does not pass through the centre O of k is mapped onto a circle.\n';

// ---- Camera and geometry in pixels ----------------------------------------------------------------

const lineReach = 100; // a line is drawn from point + 100 direction to point - 100 direction
const dotSize = 4; // glPointSize of every dot
const margin = 3; // px: samples this close to the canvas edge are left out
const reach = 2; // px: how far a 1-px line's pixels may stray from its ideal path
const clearance = 3; // px: nearer than this to an object, a pixel may belong to it
const colourTolerance = 1; // 8-bit rounding of a float colour
const dotTolerance = 1; // px: a dot's centre on a pixel edge may be rounded to either side

/// The scene as drawn: circles, then lines, then points, each kind in insertion order.
function drawOrder(objects) {
    return ['circle', 'line', 'segment', 'point', 'label']
        .flatMap((kind) => objects.filter((object) => object.kind === kind));
}

/// Maps scene coordinates to pixel coordinates (x right, y down from the top-left corner of the canvas), for the
/// camera framed on the objects or on the given box.
function projection(objects, fixedBox) {
    const box = { minX: 1024, minY: 700, maxX: 0, maxY: 0 };
    const grow = (x, y) => {
        box.minX = Math.min(box.minX, x);
        box.minY = Math.min(box.minY, y);
        box.maxX = Math.max(box.maxX, x);
        box.maxY = Math.max(box.maxY, y);
    };
    for (const object of objects) {
        if (object.kind === 'circle') {
            grow(object.x - object.radius, object.y - object.radius);
            grow(object.x + object.radius, object.y + object.radius);
        } else if (object.kind === 'point') {
            grow(object.x, object.y);
        }
    }
    if (fixedBox) {
        Object.assign(box, fixedBox);
    }
    const cx = (box.minX + box.maxX) / 2;
    const cy = (box.minY + box.maxY) / 2;
    const extentX = box.maxX + Math.abs(box.minX);
    const extentY = box.maxY + Math.abs(box.minY);
    const d = 2 * (extentY > extentX ? extentY : extentX);
    const scale = ((height / 2) * (1 / Math.tan(Math.PI / 8))) / d;
    return {
        scale,
        at: (x, y) => [width / 2 + (x - cx) * scale, height / 2 - (y - cy) * scale],
    };
}

// A label the table lists (placed) takes one of the places round its point, up to three heights farther out: a letter
// 14 px tall lies within this many pixels of its point along each axis.
const placedLabelReach = 70;

/// Distance in pixels from (px, py) to what the object covers.
function distance(object, camera, px, py) {
    if (object.kind === 'label') {
        const [x, y] = camera.at(object.x, object.y);
        if (object.placed) {
            return Math.max(0, Math.abs(px - x) - placedLabelReach, Math.abs(py - y) - placedLabelReach);
        }
        return Math.hypot(Math.max(0, x + 5 - px, px - (x + 40)), Math.max(0, y - 21 - py, py - (y - 5)));
    }
    if (object.kind === 'point') {
        const [x, y] = camera.at(object.x, object.y);
        return Math.max(0, Math.max(Math.abs(px - x), Math.abs(py - y)) - dotSize / 2);
    }
    if (object.kind === 'circle') {
        const [x, y] = camera.at(object.x, object.y);
        return Math.abs(Math.hypot(px - x, py - y) - object.radius * camera.scale);
    }
    const [[ax, ay], [bx, by]] = ends(object, camera);
    const along = ((px - ax) * (bx - ax) + (py - ay) * (by - ay)) / ((bx - ax) ** 2 + (by - ay) ** 2);
    const t = Math.max(0, Math.min(1, along));
    return Math.hypot(px - ax - t * (bx - ax), py - ay - t * (by - ay));
}

/// The two ends in pixels of a segment, or of a line's drawn stretch.
function ends(object, camera) {
    return object.kind === 'segment'
        ? [camera.at(object.x, object.y), camera.at(object.x2, object.y2)]
        : [camera.at(object.x + lineReach * object.dx, object.y + lineReach * object.dy),
            camera.at(object.x - lineReach * object.dx, object.y - lineReach * object.dy)];
}

/// Points in pixels along a circle's 100 vertices or a line's or a segment's drawn stretch (every `spacing` px),
/// inside the canvas.
function outlineSamples(object, camera, spacing) {
    const samples = [];
    if (object.kind === 'circle') {
        for (let i = 0; i < 100; ++i) {
            const angle = (i * 2 * Math.PI) / 100;
            const [x, y] = [object.x + object.radius * Math.cos(angle), object.y + object.radius * Math.sin(angle)];
            samples.push(camera.at(x, y));
        }
    } else {
        const [[ax, ay], [bx, by]] = ends(object, camera);
        const steps = Math.ceil(Math.hypot(bx - ax, by - ay) / spacing);
        for (let i = 0; i <= steps; ++i) {
            samples.push([ax + ((bx - ax) * i) / steps, ay + ((by - ay) * i) / steps]);
        }
    }
    return samples.filter(([x, y]) => x >= margin && x < width - margin && y >= margin && y < height - margin);
}

// ---- Pixels ---------------------------------------------------------------------------------------

const pixel = (image, x, y) => [...image.rgb.subarray((y * image.width + x) * 3, (y * image.width + x) * 3 + 3)];
const matches = (rgb, colour) => rgb.every((value, c) => Math.abs(value - colour[c]) <= colourTolerance);

/// How far apart k crosses the middle row of the explorer's first view, through O (its outermost dark or grey pixels),
/// and how thick its stroke is there: the dark pixels that run inwards from the last.
function kOnMiddleRow(frame) {
    const dark = [...Array(frame.width).keys()].filter((x) => {
        const [r, g, b] = pixel(frame, x, Math.floor(frame.height / 2));
        return r + g + b < 560 && Math.abs(r - b) < 60 && Math.abs(r - g) < 60;
    });
    const inwards = [...dark].reverse();
    return { across: inwards[0] - dark[0], stroke: inwards.findIndex((x, i) => x !== inwards[0] - i) };
}

/// How many rows, from the first to the last, of the frame's box [left, right) x [top, bottom) hold the colour.
function rowsWith(frame, colour, [left, top, right, bottom]) {
    const rows = [...Array(bottom).keys()].filter((y) => y >= top &&
        [...Array(right).keys()].some((x) => x >= left && matches(pixel(frame, x, y), colour)));
    return rows.length > 0 ? rows.at(-1) - rows[0] + 1 : 0;
}

/// Whether some pixel within `radius` of the pixel that holds (x, y) has the colour.
function near(image, x, y, colour, radius) {
    for (let dy = -radius; dy <= radius; ++dy) {
        for (let dx = -radius; dx <= radius; ++dx) {
            if (matches(pixel(image, Math.floor(x) + dx, Math.floor(y) + dy), colour)) {
                return true;
            }
        }
    }
    return false;
}

const same = (a, b) => a.kind === b.kind &&
    ['x', 'y', 'dx', 'dy', 'x2', 'y2', 'radius'].every((key) => a[key] === b[key]);

/// Every breach of the drawing rules in the canvas image, as readable lines; none for a correct frame.
function ruleBreaches(image, objects, box) {
    const drawn = drawOrder(objects);
    const camera = projection(drawn, box);
    const breaches = [];
    const label = (object) => `${colourNames.get(String(object.colour))} ${object.kind} (${object.x}, ${object.y})`;

    // Background wherever no object comes near.
    for (let y = 8; y < height; y += 16) {
        for (let x = 8; x < width; x += 16) {
            const free = drawn.every((object) => distance(object, camera, x + 0.5, y + 0.5) > clearance);
            if (free && !matches(pixel(image, x, y), background)) {
                breaches.push(`background expected at (${x}, ${y}), found ${pixel(image, x, y)}`);
            }
        }
    }

    drawn.forEach((object, index) => {
        const later = drawn.slice(index + 1);
        const others = drawn.filter((other) => other !== object);
        // An object drawn again in another colour is hidden under its copy; anything else must show.
        const covered = later.some((other) => same(other, object));
        const hidden = (x, y) => later.some((other) => other.colour !== object.colour &&
            !same(other, object) && distance(other, camera, x, y) <= clearance);
        const sharesColour = (x, y, radius) => others.some((other) => other.colour === object.colour &&
            distance(other, camera, x, y) <= radius);

        if (object.kind === 'label') {
            return;
        }
        if (object.kind === 'point') {
            const [x, y] = camera.at(object.x, object.y);
            if (covered) {
                if (near(image, x, y, object.colour, dotSize) && !sharesColour(x, y, 2 * dotSize)) {
                    breaches.push(`${label(object)} should be hidden under its copy`);
                }
                return;
            }
            if (!dotAt(image, x, y, object.colour)) {
                breaches.push(`${label(object)}: no ${dotSize}x${dotSize} dot near (${x.toFixed(1)}, ${y.toFixed(1)})`);
            } else if (!sharesColour(x, y, 2 * dotSize)) {
                const count = countColour(image, x, y, object.colour, 2 * dotSize);
                if (count !== dotSize * dotSize) {
                    breaches.push(`${label(object)}: ${count} pixels of its colour, not ${dotSize * dotSize}`);
                }
            }
            return;
        }
        // A hidden object is looked for all along its path: one pixel of it showing is a fault.
        for (const [x, y] of outlineSamples(object, camera, covered ? 1 : 20)) {
            if (hidden(x, y) || sharesColour(x, y, clearance)) {
                continue;
            }
            if (near(image, x, y, object.colour, reach) === covered) {
                breaches.push(covered
                    ? `${label(object)} shows at pixel (${x.toFixed(1)}, ${y.toFixed(1)}) from under its copy`
                    : `${label(object)} missing at pixel (${x.toFixed(1)}, ${y.toFixed(1)})`);
            }
        }
    });
    return breaches;
}

/// Whether a square of dotSize pixels of the colour sits within dotTolerance of the ideal centre (x, y).
function dotAt(image, x, y, colour) {
    for (let top = Math.floor(y - dotSize / 2 - dotTolerance); top <= y - dotSize / 2 + dotTolerance; ++top) {
        for (let left = Math.floor(x - dotSize / 2 - dotTolerance); left <= x - dotSize / 2 + dotTolerance; ++left) {
            let full = true;
            for (let i = 0; i < dotSize * dotSize && full; ++i) {
                full = matches(pixel(image, left + (i % dotSize), top + Math.floor(i / dotSize)), colour);
            }
            if (full) {
                return true;
            }
        }
    }
    return false;
}

function countColour(image, x, y, colour, radius) {
    let count = 0;
    for (let dy = -radius; dy < radius; ++dy) {
        for (let dx = -radius; dx < radius; ++dx) {
            count += matches(pixel(image, Math.floor(x) + dx, Math.floor(y) + dy), colour) ? 1 : 0;
        }
    }
    return count;
}

/// Pixels of the two images whose colours differ by more than the rounding of a float colour.
function differingPixels(a, b) {
    let count = 0;
    for (let i = 0; i < a.rgb.length; i += 3) {
        const differs = [0, 1, 2].some((c) => Math.abs(a.rgb[i + c] - b.rgb[i + c]) > colourTolerance);
        count += differs ? 1 : 0;
    }
    return count;
}

// The two rasterisers (Mesa natively, SwiftShader under WebGL) may break ties differently where a 1-px line
// passes exactly between two pixels: each such tie moves a pixel to its neighbour and counts twice. The ten
// frames show a few dozen such pixels each; the whole frame one pixel to the side shows over a thousand.
const nativeDifferenceBound = 150;

// ---- Server and browser ---------------------------------------------------------------------------

let server;
let browser;
let profile;
let origin;

before(async () => {
    server = await serve({ '/': pages });
    origin = `http://127.0.0.1:${server.address().port}`;
    profile = fs.mkdtempSync(path.join(os.tmpdir(), 'inversion-web-'));
    browser = await launchChromium(profile);
});

after(async () => {
    await browser?.close();
    await new Promise((resolve) => (server ? server.close(resolve) : resolve()));
    if (profile) {
        fs.rmSync(profile, { recursive: true, force: true });
    }
});

/// Waits until the page has drawn what its program last asked for: GLUT draws on the next animation frame.
const nextFrame = (page) =>
    page.evaluate(() => new Promise((resolve) => requestAnimationFrame(() => requestAnimationFrame(resolve))));

/// Waits until the demo's program has ended or has drawn its first frame.
async function started(page) {
    await page.waitForSelector('#canvas:not([hidden]), #status:not([hidden])');
    await nextFrame(page);
}

/// The canvas's accessible description, as Chromium's accessibility tree hands it to a screen reader.
async function figureDescription(page) {
    const session = await page.context().newCDPSession(page);
    const { nodes } = await session.send('Accessibility.getFullAXTree');
    await session.detach();
    return nodes.find((node) => node.role?.value === 'image' && node.name?.value === 'Figure')?.description?.value;
}

/// Opens a demo's page in a window of the given size and device pixels to a CSS pixel, with a touch screen or a phone
/// when asked, and waits until its program has ended or has drawn its first frame; act then works the page, if given.
async function openDemo(name, act,
    { width: viewportWidth = 1280, height: viewportHeight = 1100, touch = false, phone = false, scale = 1 } = {}) {
    const page = await browser.newPage({
        viewport: { width: viewportWidth, height: viewportHeight },
        deviceScaleFactor: scale,
        hasTouch: touch || phone,
        isMobile: phone,
    });
    const errors = [];
    page.on('pageerror', (error) => errors.push(error.message));
    await page.goto(`${origin}/${name}.html`);
    await started(page);
    if (act) {
        await act(page);
        await nextFrame(page);
    }
    const state = await page.evaluate(() => {
        const href = (selector) => document.querySelector(selector)?.getAttribute('href') ?? null;
        return {
            title: document.title,
            text: document.getElementById('console').innerText,
            status: document.getElementById('status').hidden ? null : document.getElementById('status').innerText,
            header: {
                index: href('nav a:first-child'),
                sentence: document.getElementById('sentence').innerText,
                previous: href('nav a[rel="prev"]'),
                next: href('nav a[rel="next"]'),
            },
            canvas: document.getElementById('canvas') && {
                width: document.getElementById('canvas').width,
                height: document.getElementById('canvas').height,
                box: document.getElementById('canvas').getBoundingClientRect().toJSON(),
            },
        };
    });
    const description = state.canvas && await figureDescription(page);
    const frame = state.canvas && decodePng(await page.locator('#canvas').screenshot());
    await page.close();
    return { ...state, description, frame, errors };
}

// ---- Tests ----------------------------------------------------------------------------------------

test('the index: its header, the pages in order with their sentences and pictures, and what inversion is', async () => {
    const page = await browser.newPage();
    await page.goto(`${origin}/index.html`);
    const items = await page.locator('#demos li').evaluateAll((nodes) => nodes.map((node) => ({
        href: node.querySelector('a').getAttribute('href'),
        name: node.querySelector('code').innerText,
        sentence: node.querySelector('span').innerText,
        picture: node.querySelector('img') && [node.querySelector('img').getAttribute('src'),
            node.querySelector('img').naturalWidth],
    })));
    const inversion = await page.locator('#inversion').innerText();
    const header = await page.locator('nav a').evaluateAll((links) => links.map((link) => link.getAttribute('href')));
    await page.close();
    // A picture where the gallery has one, and it loads.
    const expected = demos.map(({ name, sentence }) => ({
        href: `${name}.html`,
        name,
        sentence,
        picture: fs.existsSync(path.join(nativeFrames, `${name}.png`)) ? [`${name}.png`, width] : null,
    }));
    assert.deepEqual(items, expected);
    assert.match(inversion, /\|OP\| · \|OP′\| = r²/);
    assert.deepEqual(header, ['index.html', `${demos[0].name}.html`]);
});

for (const [index, demo] of demos.entries()) {
    describe(demo.name, () => {
        let shown;
        before(async () => {
            shown = await openDemo(demo.name);
        });

        test('shows the title and the console text byte for byte', () => {
            assert.deepEqual(shown.errors, []);
            assert.equal(shown.title, `${demo.title} - ${demo.name}`);
            assert.equal(shown.text, demo.text);
        });

        test('has a header: the index, its sentence and its neighbours in the README order', () => {
            assert.deepEqual(shown.header, {
                index: 'index.html',
                sentence: demo.sentence,
                previous: index > 0 ? `${demos[index - 1].name}.html` : null,
                next: index + 1 < demos.length ? `${demos[index + 1].name}.html` : null,
            });
        });

        if (demo.exitStatus !== undefined) {
            test(`shows exit status ${demo.exitStatus} and no canvas`, () => {
                assert.equal(shown.status, `Exit status: ${demo.exitStatus}`);
                assert.equal(shown.canvas, null);
            });
            return;
        }

        test('draws the scene by the rules of the native window', () => {
            assert.equal(shown.status, null);
            assert.deepEqual([shown.canvas.width, shown.canvas.height, shown.canvas.box.width, shown.canvas.box.height],
                [width, height, width, height]);
            assert.deepEqual([shown.frame.width, shown.frame.height], [width, height]);
            assert.deepEqual(ruleBreaches(shown.frame, demo.objects, demo.box), []);
        });

        test(`differs from the native frame in at most ${nativeDifferenceBound} pixels`, (t) => {
            const native = decodePng(fs.readFileSync(path.join(nativeFrames, `${demo.name}.png`)));
            assert.deepEqual([native.width, native.height], [width, height]);
            const count = differingPixels(native, shown.frame);
            t.diagnostic(`${count} pixels differ`);
            assert.ok(count <= nativeDifferenceBound, `${count} pixels differ from the native frame`);
        });

        if (demo.describedWith) {
            test('describes the figure to a screen reader with its numbers', () => {
                for (const words of demo.describedWith) {
                    assert.ok(shown.description?.includes(words), `"${words}" missing from: ${shown.description}`);
                }
            });
        }
    });
}

test('the explorer: P dragged with the mouse to (1, 3) has its image at (2.5, 7.5)', async () => {
    const camera = projection([], explorerBox);
    const shown = await openDemo(explorer.name, async (page) => {
        const box = await page.locator('#canvas').boundingBox();
        // The pointer at the centre of the pixel that holds the scene point.
        const at = (x, y) => camera.at(x, y).map((v, i) => Math.floor(v) + 0.5 + (i === 0 ? box.x : box.y));
        await page.mouse.move(...at(2, 2));
        await page.mouse.down();
        await page.mouse.move(...at(1, 3), { steps: 8 });
        await page.mouse.up();
    });
    assert.deepEqual(shown.errors, []);
    assert.equal(shown.text, demos[0].text + 'P(1.00, 3.00)  P\'(2.50, 7.50)  |OP| * |OP\'| = 25.00\n');
    assert.deepEqual(ruleBreaches(shown.frame, [circle(0, 0, 5, black), point(0, 0, black), point(1, 3, blue),
        point(2.5, 7.5, red), ...explorerLabels([1, 3], [2.5, 7.5])], explorerBox), []);
});

test('the key s offers the figure as two downloads, the same files as the native program saves', async () => {
    const page = await browser.newPage({ viewport: { width: 1280, height: 900 }, deviceScaleFactor: 1 });
    const errors = [];
    page.on('pageerror', (error) => errors.push(error.message));
    const downloads = [];
    page.on('download', (download) => downloads.push(download));
    await page.goto(`${origin}/${firstDemo.name}.html`);
    await page.waitForSelector('#canvas:not([hidden])');
    await nextFrame(page);
    await page.keyboard.press('s');
    for (let wait = 0; downloads.length < 2 && wait < 100; ++wait) {
        await new Promise((resolve) => setTimeout(resolve, 50));
    }
    const files = {};
    for (const download of downloads) {
        files[download.suggestedFilename()] = fs.readFileSync(await download.path(), 'utf8');
    }
    const text = await page.locator('#console').innerText();
    await page.close();
    assert.deepEqual(errors, []);
    assert.deepEqual(Object.keys(files).sort(), [`${firstDemo.name}.svg`, `${firstDemo.name}.tex`]);
    for (const name of Object.keys(files)) {
        assert.equal(files[name], fs.readFileSync(path.join(repository, 'docs/figures', name), 'utf8'), name);
    }
    assert.equal(text, `${firstDemo.text}\nSacuvano: ${firstDemo.name}.svg, ${firstDemo.name}.tex\n`);
});

/// Drags one finger from one point of the page to another in `steps` moves.
async function touchDrag(page, [fromX, fromY], [toX, toY], steps) {
    const session = await page.context().newCDPSession(page);
    const touch = (type, points) => session.send('Input.dispatchTouchEvent', { type, touchPoints: points });
    await touch('touchStart', [{ x: fromX, y: fromY }]);
    for (let i = 1; i <= steps; ++i) {
        await touch('touchMove', [{ x: fromX + ((toX - fromX) * i) / steps, y: fromY + ((toY - fromY) * i) / steps }]);
    }
    await touch('touchEnd', []);
    await session.detach();
}

test('the explorer on a phone: P dragged by finger to (2, -3) lands there, and its description follows', async () => {
    const camera = projection([], explorerBox);
    let scaled;
    const shown = await openDemo(explorer.name, async (page) => {
        // Scrolled down to the figure's lower edge, the page would scroll back under a finger moving down, were the
        // figure not kept from scrolling it, and the finger would leave P behind.
        await page.evaluate(() => document.getElementById('canvas').scrollIntoView({ block: 'end' }));
        const box = await page.locator('#canvas').boundingBox();
        scaled = box.width / width;
        // The finger on the whole CSS pixel nearest the centre of the drawing-buffer pixel that holds the scene point:
        // within 0.5 / scaled < 1.5 buffer pixels of it, so the point snaps onto (2, -3).
        const at = (x, y) => camera.at(x, y).map((v, i) => Math.round((Math.floor(v) + 0.5) * scaled +
            (i === 0 ? box.x : box.y)));
        // The finger lands 20 CSS px to the right of P and below it (clear of the zones of O and k): it takes P.
        const [px, py] = at(2, 2);
        await touchDrag(page, [px + 14, py + 14], at(2, -3), 8);
    }, { width: 390, height: 700, touch: true });
    assert.deepEqual(shown.errors, []);
    assert.ok(scaled < 0.4, `the canvas is drawn ${scaled} times its size`);
    assert.equal(shown.text, demos[0].text + 'P(2.00, -3.00)  P\'(3.85, -5.77)  |OP| * |OP\'| = 25.00\n');
    for (const words of ['P(2, -3)', 'P\'(3.85, -5.77)']) {
        assert.ok(shown.description?.includes(words), `"${words}" missing from: ${shown.description}`);
    }
});

const phone = { width: 390, height: 844, phone: true, scale: 3 };

/// Touches the page: each step lists where the fingers are, a finger that comes down last, a frame apart (the browser
/// hands the page a frame's latest move); a function among them is called there. Then all the fingers leave.
async function touchSteps(page, steps) {
    const session = await page.context().newCDPSession(page);
    const touch = (type, points) => session.send('Input.dispatchTouchEvent', { type, touchPoints: points });
    for (const [i, step] of steps.entries()) {
        const type = step.length > (steps[i - 1]?.length ?? 0) ? 'touchStart' : 'touchMove';
        await (typeof step === 'function' ? step() : touch(type, step.map(([x, y], id) => ({ x, y, id }))));
        await nextFrame(page);
    }
    await touch('touchEnd', []);
    await session.detach();
}

test('the explorer on a phone: device pixels, labels to read, a pinch that zooms and puts back the P it began on', async () => {
    const look = {};
    const shown = await openDemo(explorer.name, async (page) => {
        const box = await page.locator('#canvas').boundingBox();
        const [[ox, oy], [px, py]] = [[0, 0], [2, 2]].map(([x, y]) => projection([], explorerBox).at(x, y)
            .map((v, i) => (v * box.width) / width + (i === 0 ? box.x : box.y)));
        const first = decodePng(await page.locator('#canvas').screenshot());
        // The label O above O, right or left of it (P's dot takes the right), 6 CSS px clear of O's dot: a capital's
        // height, its stroke included.
        const [cx, cy] = [Math.floor(first.width / 2), Math.floor(first.height / 2)];
        look.label = rowsWith(first, black, [cx - 100, cy - 110, cx + 100, cy - 8]) / phone.scale;
        // The first finger drags P to (3, 1); the second comes down across O from it, and the two part to half as
        // far again from O, their middle on O.
        const [dx, dy] = [px + 16 - ox, py + 16 - oy];
        await touchSteps(page, [...[0, 4, 8, 12, 16].map((d) => [[px + d, py + d]]), async () => {
            look.dragged = await page.evaluate(() => JSON.parse(Module.UTF8ToString(Module._pageStateJson())));
        }, ...[1, 1.125, 1.25, 1.375, 1.5].map((f) => [[ox + dx * f, oy + dy * f], [ox - dx * f, oy - dy * f]])]);
        look.zoomed = kOnMiddleRow(decodePng(await page.locator('#canvas').screenshot())).across /
            kOnMiddleRow(first).across;
    }, phone);
    assert.deepEqual(shown.errors, []);
    assert.deepEqual([shown.canvas.box.width, shown.canvas.width, shown.canvas.height], [phone.width - 16,
        ...[shown.canvas.box.width, shown.canvas.box.height].map((side) => Math.round(side * phone.scale))]);
    assert.ok(look.label >= 14, `the label O is ${look.label} CSS px tall`);
    assert.ok(look.dragged.description.includes('P(3, 1)'), `P not dragged: ${look.dragged.description}`);
    assert.ok(Math.abs(look.zoomed - 1.5) < 0.03, `k grew ${look.zoomed} times`);
    assert.ok(shown.description?.includes('P(2, 2)'), `P moved: ${shown.description}`);
    assert.equal(shown.text, demos[0].text, 'the pinch printed');
});

test('the explorer from the keyboard: Tab goes through the links, the keys listed under the figure work on it', async () => {
    const focused = [];
    let keys = [];
    const shown = await openDemo(explorer.name, async (page) => {
        for (let i = 0; i < 6; ++i) {
            await page.keyboard.press('Tab');
            focused.push(await page.evaluate(() => document.activeElement.getAttribute('href') ??
                document.activeElement.id));
        }
        await page.keyboard.press('3');
        await page.keyboard.press('k');
        keys = await page.locator('canvas ~ #keys kbd').allInnerTexts();
    });
    assert.deepEqual(shown.errors, []);
    assert.deepEqual(focused, ['index.html', `${demos[1].name}.html`, 'jezik-sr-Cyrl', 'jezik-sr-Latn', 'jezik-en',
        'canvas']);
    assert.ok(shown.text.endsWith(`${circleOffCentre}Step 1: the line OC meets the circle at D and E.\n`), shown.text);
    assert.deepEqual(keys, ['1', '2', '3', '4', 'k', 'r', 's', 'h', '+', '-', 'f', '0', 'F11', 'n', 'Shift',
        'j', 'q', 'Esc'],
        'the keys under the figure');
    for (const words of ['C(2, 2)', 'R(4, 2)']) {
        assert.ok(shown.description?.includes(words), `"${words}" missing from: ${shown.description}`);
    }
    // The first step's line OC, dashed in the construction's dark green, as natively.
    let green = 0;
    for (let y = 0; y < shown.frame.height; ++y) {
        for (let x = 0; x < shown.frame.width; ++x) {
            green += matches(pixel(shown.frame, x, y), [0, 128, 0]) ? 1 : 0;
        }
    }
    assert.ok(green >= 200, `${green} pixels of the construction's dark green`);
});

test('the explorer at 390 px: buttons as keys, a figure that holds still, an arrow moves P, q does nothing', async () => {
    const seen = [];
    // The canvas's place on the page wherever it is scrolled to, whether the log's last line is in its box, the
    // buttons' smaller sides, the panel and the news.
    const look = (page) => page.evaluate(() => {
        const log = document.getElementById('console');
        const end = document.createRange();
        end.setStart(log.firstChild, log.firstChild.length - 2);
        end.setEnd(log.firstChild, log.firstChild.length - 1);
        const [box, last] = [log.getBoundingClientRect(), end.getBoundingClientRect()];
        return [document.getElementById('canvas').getBoundingClientRect().top + window.scrollY,
            last.top >= box.top && last.bottom <= box.bottom,
            [...document.querySelectorAll('#controls button')].map((b) => Math.min(b.offsetWidth, b.offsetHeight)),
            document.getElementById('panel-text').textContent, document.getElementById('announcement').textContent];
    });
    const shown = await openDemo(explorer.name, async (page) => {
        seen.push(await look(page));
        for (const name of [...Array(10).fill(['2 Line', '1 Point']).flat(), '3 Circle', '1 Point']) {
            await page.getByRole('button', { name }).tap();
        }
        await page.locator('#canvas').focus();
        await page.keyboard.press('ArrowRight');
        await nextFrame(page);
        seen.push(await look(page));
        await page.keyboard.press('q');
        await page.keyboard.press('Escape');
    }, { width: 390, height: 700, touch: true });
    assert.deepEqual(shown.errors, []);
    assert.equal(seen[1][0], seen[0][0], 'the canvas moved while twenty cases were printed');
    assert.ok(seen[1][1], 'the log\'s last line is out of sight');
    assert.ok(seen[1][2].length === 12 && seen[1][2].every((size) => size >= 44), `buttons: ${seen[1][2]}`);
    assert.deepEqual(seen[1].slice(3), [demos[0].text.trimEnd(), 'P(2.1, 2), P\'(6.24, 5.95)']);
    assert.equal(shown.status, null, 'q or Escape ended the program');
    const moved = 'P(2.10, 2.00)  P\'(6.24, 5.95)  |OP| * |OP\'| = 25.00\n';
    assert.ok(shown.text.endsWith(`${circleOffCentre}${demos[0].text}${moved}`), shown.text);
});

test('the explorer at 1280 x 800: in sight and still, the wheel zooms, one live region, a projector\'s lines', async () => {
    let look = {};
    const shown = await openDemo(explorer.name, async (page) => {
        const place = () => page.evaluate(() => ({
            lowest: Math.max(...[...document.querySelectorAll('#canvas, #panel, #controls button')]
                .map((element) => element.getBoundingClientRect().bottom)),
            step: document.querySelector('#controls button[data-key="k"]').getBoundingClientRect().top,
            scroll: window.scrollY,
        }));
        const kAcross = async () => kOnMiddleRow(decodePng(await page.locator('#canvas').screenshot())).across;
        look.start = await place();
        look.buttons = await page.locator('#controls button:not([hidden])').allInnerTexts();
        // A screen of 2.25 pixels to a CSS pixel gives the canvas a projector's 1080 rows, and k is drawn for them.
        look.stroke = kOnMiddleRow(decodePng(await page.locator('#canvas').screenshot())).stroke;
        look.steps = [];
        for (let i = 0; i < 5; ++i) {
            await page.getByRole('button', { name: 'k Step' }).click();
            await nextFrame(page);
            look.steps.push((await place()).step);
        }
        const box = await page.locator('#canvas').boundingBox();
        await page.mouse.move(box.x + box.width / 2, box.y + box.height / 2);
        const before = await kAcross();
        await page.mouse.wheel(0, -100);
        await nextFrame(page);
        look.zoomed = (await kAcross()) / before;
        look.end = await place();
        look.live = await page.evaluate(() =>
            [...document.querySelectorAll('[aria-live]')].map((element) => element.id + ' ' + element.ariaLive));
        look.order = await page.evaluate(() => ['canvas', 'panel', 'controls', 'console'].map((id) =>
            document.getElementById(id).compareDocumentPosition(document.getElementById('console'))));
    }, { width: 1280, height: 800, scale: 2.25 });
    assert.deepEqual(shown.errors, []);
    assert.ok(look.start.lowest <= 800, `the lesson ends at ${look.start.lowest} px`);
    assert.deepEqual([...look.buttons.slice(6, 9), look.buttons.at(-1)], ['+', '-', 'f All', 'F11 Full screen']);
    assert.ok(shown.canvas.height === Math.round(shown.canvas.box.height * 2.25) && shown.canvas.height >= 1080);
    assert.ok(look.stroke >= 3, `k is ${look.stroke} px thick`);
    assert.deepEqual(look.steps, Array(5).fill(look.start.step), 'the k button moved with the panel\'s text');
    assert.ok(Math.abs(look.zoomed - 1.25) < 0.02, `k grew ${look.zoomed} times with one notch of the wheel up`);
    assert.equal(look.end.scroll, 0, 'the wheel scrolled the page');
    assert.deepEqual(look.live, ['announcement polite']);
    // The log comes after the figure, the panel and the buttons.
    assert.deepEqual(look.order, [4, 4, 4, 0]);
});

test('no page scrolls sideways at 390 or 1280 px', async () => {
    const page = await browser.newPage({ viewport: { width: 390, height: 800 }, deviceScaleFactor: 1 });
    const wide = [];
    for (const name of ['index', ...demos.map((demo) => demo.name)]) {
        await page.goto(`${origin}/${name}.html`);
        if (name !== 'index') {
            await started(page);
        }
        for (const viewportWidth of [390, 1280]) {
            await page.setViewportSize({ width: viewportWidth, height: 800 });
            const [scrollWidth, clientWidth] = await page.evaluate(() =>
                [document.documentElement.scrollWidth, document.documentElement.clientWidth]);
            if (scrollWidth > clientWidth) {
                wide.push(`${name} at ${viewportWidth} px is ${scrollWidth} px wide`);
            }
        }
    }
    await page.close();
    assert.deepEqual(wide, []);
});

test('the languages: a teacher\'s link in Cyrillic, then English chosen, kept in the address and over a reload', async () => {
    const context = await browser.newContext({ viewport: { width: 1280, height: 900 } });
    const page = await context.newPage();
    const look = () => page.evaluate(() => ({
        lang: document.documentElement.lang,
        panel: document.getElementById('panel-text').textContent,
        button: document.querySelector('#controls button').textContent,
        next: document.querySelector('nav a[rel="next"]').getAttribute('href'),
        announced: document.getElementById('announcement').textContent,
    }));
    await page.goto(`${origin}/${explorer.name}.html?jezik=sr-Cyrl`);
    await started(page);
    await page.locator('#canvas').focus();
    await page.keyboard.press('n');
    await nextFrame(page);
    const cyrillic = await look();
    await page.click('#jezik-en');
    await page.waitForFunction(() => document.documentElement.lang === 'en'); // once its texts have come
    await nextFrame(page);
    const english = { ...await look(), address: page.url() };
    await page.reload();
    await started(page);
    const reloaded = await look();
    await context.close();
    assert.deepEqual(cyrillic, {
        lang: 'sr-Cyrl', panel: 'Тачка P је унутар круга k, па је њена слика P\' ван круга k, на полуправој OP.',
        button: '1 Тачка', next: `${demos[1].name}.html?jezik=sr-Cyrl`,
        announced: 'Изабрана је тачка P(2, 2), P\'(6.25, 6.25)',
    });
    assert.equal(english.panel, explorer.text.trimEnd());
    assert.deepEqual([english.lang, english.button, english.next], ['en', '1 Point', `${demos[1].name}.html?jezik=en`]);
    // The address keeps the language and the figure.
    assert.ok(english.address.endsWith(`${explorer.name}.html?jezik=en#tacka~2,2~v0,0,32~s0`), english.address);
    assert.deepEqual([reloaded.lang, reloaded.panel], ['en', explorer.text.trimEnd()]);
});

test('after one visit the site works without a network', async () => {
    // A server of its own, shut down after the visit: nothing can come from the network, whatever the browser
    // would do for the service worker.
    const own = await serve({ '/': pages });
    const site = `http://127.0.0.1:${own.address().port}`;
    const context = await browser.newContext({ viewport: { width: 1280, height: 900 }, deviceScaleFactor: 1 });
    const page = await context.newPage();
    await page.goto(`${site}/${firstDemo.name}.html`);
    await started(page);
    await page.click('#jezik-sr-Cyrl'); // kept for the pages that follow
    await page.evaluate(() => navigator.serviceWorker.ready);
    own.closeAllConnections();
    await new Promise((resolve) => own.close(resolve));
    await context.setOffline(true);

    // Another page than the one visited: every page is kept.
    const demo = lastDemo;
    await page.goto(`${site}/${demo.name}.html`);
    await started(page);
    const text = await page.locator('#console').innerText();
    const frame = decodePng(await page.locator('#canvas').screenshot());
    const language = await page.evaluate(() => [document.documentElement.lang, document.title]);
    await context.close();
    assert.equal(text, demo.text);
    assert.deepEqual(language, ['sr-Cyrl', `Геометрија - приказ задатка - ${demo.name}`]);
    assert.deepEqual(ruleBreaches(frame, demo.objects), []);
});

// ---- The exercises, a learning platform, a teacher's link -------------------------------------------------------

const exercisesName = table.find((row) => row.family === 'exercises').name;
/// What the programs print natively (tools/native_texts), in English as these pages speak it.
const nativeTexts = (...args) => execFileSync(path.join(repository, 'build/tools/native_texts'), [...args, 'en'],
    { encoding: 'utf8' });

/// Moves the chosen handle of an exercise from where it starts, (-6, -6), to the tenths nearest (x, y) with the arrows:
/// Shift for whole units.
async function arrowsTo({ keyboard }, [x, y]) {
    for (const [value, plus, minus] of [[x, 'ArrowRight', 'ArrowLeft'], [y, 'ArrowUp', 'ArrowDown']]) {
        const tenths = Math.round(value * 10) + 60;
        const key = tenths >= 0 ? plus : minus;
        for (let i = 0; i < Math.abs(tenths); i += Math.abs(tenths) - i >= 10 ? 10 : 1) {
            await keyboard.press(Math.abs(tenths) - i >= 10 ? `Shift+${key}` : key);
        }
    }
}

/// Answers the first exercise on show right, P' placed from its prompt's P, and the next `wrong` ones by checking twice
/// where their handles start; Space after each. On a page or in a frame, the figure focused; with the buttons Check
/// and Next for Enter and Space when asked.
async function work(frame, wrong, buttons = false) {
    const { keyboard } = frame.page?.() ?? frame;
    const prompt = await frame.locator('#panel-text').innerText();
    const [px, py] = prompt.match(/P\((-?[\d.]+), (-?[\d.]+)\)/).slice(1).map(Number);
    const power = 25 / (px * px + py * py);
    await arrowsTo({ keyboard }, [px * power, py * power]);
    const press = (key, name) => (buttons ? frame.getByRole('button', { name, exact: true }).click() : keyboard.press(key));
    await press('Enter', 'Check');
    for (let i = 0; i < wrong; ++i) {
        await press('Space', 'Next');
        await press('Enter', 'Check');
        await press('Enter', 'Check');
    }
}

test('the exercises: ?skup opens the set the programs open natively, and grades an answer and the score', async () => {
    for (const set of [1, 2, 9999]) {
        const page = await browser.newPage({ viewport: { width: 1280, height: 900 }, deviceScaleFactor: 1 });
        await page.goto(`${origin}/${exercisesName}.html?skup=${set}`);
        await started(page);
        await page.locator('#canvas').focus();
        await work(page, 7, set === 1);
        const text = await page.locator('#console').innerText();
        await page.close();
        const prompts = text.split('\n').filter((line) => line.startsWith('Exercise ') && line.includes(' of 8: '));
        assert.equal(prompts.join('\n') + '\n', nativeTexts('prompts', String(set)), `set ${set}`);
        const lines = text.split('\n');
        assert.equal(lines.indexOf('Right.'), lines.indexOf(prompts[1]) - 1, `set ${set}`);
        assert.equal(lines.filter((line) => line.startsWith('Wrong: ')).length, 14, `set ${set}`);
        assert.deepEqual(lines.slice(-11), ['Score: 1 of 8 points (13 %).', 'Exercise 1: 1 point',
            ...[2, 3, 4, 5, 6, 7, 8].map((i) => `Exercise ${i}: 0 points`), `Set of exercises: ${set}.`, '']);
    }
});

test('the exercises in a learning platform: the SCORM 1.2 calls, a visit that resumes, passed or failed', async () => {
    // The package as a platform unpacks it, beside a page that offers the API and records each call.
    const folder = fs.mkdtempSync(path.join(os.tmpdir(), 'inversion-lms-'));
    fs.mkdirSync(path.join(folder, 'package'));
    execFileSync('cmake', ['-E', 'tar', 'xf', path.join(pages, 'inversion-exercises-scorm.zip')],
        { cwd: path.join(folder, 'package') });
    fs.writeFileSync(path.join(folder, 'index.html'), `<!doctype html><meta charset="utf-8"><script>
var store = {'cmi.core.student_name': 'Petrović, Ana'};
var calls = [];
function record(name, answer) {
    return function (element, value) {
        calls.push([name].concat([].slice.call(arguments)));
        if (name === 'LMSSetValue' && answer === 'true') { store[element] = value; }
        return name === 'LMSGetValue' ? store[element] || '' : element === 'cmi.core.score.min' ? 'false' : answer;
    };
}
var API = {LMSInitialize: record('LMSInitialize', 'true'), LMSGetValue: record('LMSGetValue'),
    LMSSetValue: record('LMSSetValue', 'true'), LMSCommit: record('LMSCommit', 'true'),
    LMSFinish: record('LMSFinish', 'true'), LMSGetLastError: function () { return '0'; }};
</script><iframe src="package/${exercisesName}.html" width="1100" height="1200"></iframe>`);
    const lms = await serve({ '/': folder, '/package/': path.join(folder, 'package') });
    const page = await browser.newPage({ viewport: { width: 1200, height: 1300 }, deviceScaleFactor: 1 });
    const errors = [];
    page.on('pageerror', (error) => errors.push(error.message));
    // The page in its frame, again after the store is given the values; the first time as the platform opens it.
    const visit = async (store) => {
        const frame = page.frames()[1];
        if (store) {
            await page.evaluate((values) => Object.assign(window.store, values), store);
            await frame.goto(frame.url());
        }
        await frame.waitForSelector('#canvas:not([hidden])');
        await nextFrame(frame);
        await frame.locator('#canvas').focus();
        return frame;
    };
    // The calls so far, once the frame has told the platform what the last key did.
    const calls = async () => {
        await nextFrame(page.frames()[1]);
        return page.evaluate(() => window.calls.splice(0));
    };
    try {
        await page.goto(`http://127.0.0.1:${lms.address().port}/index.html`);
        // The manifest names the page and every file the package holds.
        const manifest = await page.evaluate(async () => {
            const xml = new DOMParser().parseFromString(await (await fetch('package/imsmanifest.xml')).text(), 'text/xml');
            const resource = xml.getElementsByTagName('resource')[0];
            return { parsed: !xml.getElementsByTagName('parsererror').length,
                sco: resource.getAttribute('adlcp:scormtype'), href: resource.getAttribute('href'),
                files: [...resource.getElementsByTagName('file')].map((file) => file.getAttribute('href')) };
        });
        assert.deepEqual([manifest.parsed, manifest.sco, manifest.href], [true, 'sco', `${exercisesName}.html`]);
        assert.deepEqual(manifest.files.sort(), fs.readdirSync(path.join(folder, 'package'))
            .filter((name) => name !== 'imsmanifest.xml').sort());

        let frame = await visit();
        // No link of the page leads out of its package, where the platform would lose the student's session.
        const links = await frame.evaluate(() => [...document.querySelectorAll('a[href]')].map((a) => a.href));
        assert.deepEqual(links.filter((href) => !manifest.files.includes(new URL(href).pathname.split('/').pop())), []);
        await work(frame, 1); // 1 point, then 0
        const session = [['LMSInitialize', ''], ['LMSGetValue', 'cmi.core.student_name'],
            ['LMSGetValue', 'cmi.student_data.mastery_score'], ['LMSGetValue', 'cmi.suspend_data'],
            ['LMSSetValue', 'cmi.core.lesson_status', 'incomplete']];
        const settled = (record) => [['LMSSetValue', 'cmi.core.score.raw', '13'], ['LMSSetValue', 'cmi.core.score.min', '0'],
            ['LMSSetValue', 'cmi.core.score.max', '100'], ['LMSSetValue', 'cmi.suspend_data', record], ['LMSCommit', '']];
        assert.deepEqual(await calls(), [...session, ...settled('1~2'), ...settled('1~20')]);
        assert.equal(await frame.locator('#console').innerText().then((text) =>
            text.split('The learning platform refused the call LMSSetValue.').length), 2);

        // A later visit resumes at the third, and the eighth's verdict fails the student below the mastery score.
        frame = await visit({});
        assert.match(await frame.locator('#panel-text').innerText(), /^Exercise 3 of 8: /);
        for (let i = 0; i < 6; ++i) {
            await frame.locator('#canvas').press('Enter');
            await frame.locator('#canvas').press('Enter');
            await frame.locator('#canvas').press('Space');
        }
        const failed = await calls();
        assert.deepEqual(failed.slice(0, 7), [['LMSFinish', ''], ...session, ...settled('1~200').slice(0, 1)]);
        assert.deepEqual(failed.slice(-7), [...settled('1~20000000'),
            ['LMSSetValue', 'cmi.core.lesson_status', 'failed'], ['LMSCommit', '']]);
        assert.match(await frame.locator('#panel-text').innerText(), /\nStudent: Petrović, Ana$/);
        // At the mastery score the same passes.
        frame = await visit({ 'cmi.student_data.mastery_score': '13', 'cmi.suspend_data': '1~2000000' });
        await frame.locator('#canvas').press('Enter');
        await frame.locator('#canvas').press('Enter');
        assert.deepEqual((await calls()).slice(-2), [['LMSSetValue', 'cmi.core.lesson_status', 'passed'],
            ['LMSCommit', '']]);
    } finally {
        await page.close();
        await new Promise((resolve) => lms.close(resolve));
        fs.rmSync(folder, { recursive: true, force: true });
    }
    assert.deepEqual(errors, []);
});

test('the explorer\'s address keeps its figure: a link opens the same figure on the page and natively', async () => {
    const link = 'krug~1.5,2,3,1~v1,0.5,20~s2';
    const page = await browser.newPage({ viewport: { width: 1280, height: 900 }, deviceScaleFactor: 1 });
    await page.goto(`${origin}/${explorer.name}.html#${link}`);
    await started(page);
    const opened = [await page.locator('#console').innerText(), new URL(page.url()).hash];
    await page.locator('#canvas').focus();
    await page.keyboard.press('Shift+ArrowRight');
    await nextFrame(page);
    const moved = [await page.locator('#panel-text').innerText(), new URL(page.url()).hash.slice(1)];
    await page.close();
    // What the page printed and kept is what the program prints natively for the link and its key l.
    assert.deepEqual(opened, [nativeTexts('link', link).split('\n')[0] + '\n', `#${link}`]);
    assert.notEqual(moved[1], link);
    const [sentence, line] = nativeTexts('link', moved[1]).split('\n');
    assert.deepEqual([sentence, line], [moved[0].split('\n')[0], `${explorer.name}.html#${moved[1]}`]);
});

test('the applications: D dragged along x = 5 keeps |OB| * |OD| = 25, and its dot and trace stay on the line', async () => {
    const row = table.find(({ family }) => family === 'applications');
    const camera = projection([], row.scene.box);
    const at = (x, y) => camera.at(x, y);
    let released;
    const shown = await openDemo(row.name, async (page) => {
        const box = await page.locator('#canvas').boundingBox();
        const pointer = (x, y) => at(x, y).map((v, i) => Math.floor(v) + 0.5 + (i === 0 ? box.x : box.y));
        const before = (await page.locator('#console').innerText()).length;
        await page.mouse.move(...pointer(5, 3.75));
        await page.mouse.down();
        await page.mouse.move(...pointer(5, -4), { steps: 8 });
        await page.mouse.up();
        released = (await page.locator('#console').innerText()).slice(before);
    });
    assert.deepEqual(shown.errors, []);
    // B is the image of D, as the release line writes them.
    const [bx, by, dx, dy] = (released.match(/^B\((\S+), (\S+)\) {2}D\((\S+), (\S+)\) {2}\|OB\| \* \|OD\| = 25\.00\n$/) ??
        assert.fail(released)).slice(1).map(Number);
    const power = 25 / (dx * dx + dy * dy);
    assert.ok(dx === 5 && Math.abs(dy + 4) < 0.05 && Math.hypot(bx - dx * power, by - dy * power) < 0.01, released);
    // D's dot at (5, -4), its trace red in every row up to where D began, and nothing red off x = 5 in the rows that
    // D's name cannot reach.
    const [column, bottom] = at(5, -4).map(Math.floor);
    assert.ok(dotAt(shown.frame, ...at(5, -4), red), 'no dot of D at (5, -4)');
    for (let y = Math.floor(at(0, 3.75)[1]) + 3; y < bottom - 3; ++y) {
        assert.ok(near(shown.frame, column, y, red, 1), `no trace in row ${y}`);
    }
    for (let y = Math.floor(at(0, 3)[1]); y < Math.floor(at(0, -1.5)[1]); ++y) {
        for (let x = 0; x < shown.frame.width; ++x) {
            assert.ok(Math.abs(x - column) <= 2 || !matches(pixel(shown.frame, x, y), red), `red at (${x}, ${y})`);
        }
    }
});
