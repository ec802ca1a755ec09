// table.mjs
// The table of programs (programs/programs.tsv) as the browser tests and the benchmark read it: each program's name,
// family, title, sentence, console text and the records of its first frame.
import fs from 'node:fs';
import path from 'node:path';
import { fileURLToPath } from 'node:url';

const repository = path.resolve(path.dirname(fileURLToPath(import.meta.url)), '../..');
/// The colours of the records, one array each, so that records of one colour share it.
export const colours = { red: [255, 0, 0], green: [0, 255, 0], blue: [0, 0, 255], black: [0, 0, 0] };

// A number: decimal, or a fraction a/b, either after ~ when it holds only within float rounding.
const number = (word) => word.replace('~', '').split('/').map(Number).reduce((a, b) => a / b);

/// The first frame as "box" and records { kind: 'circle' | 'line' | 'segment' | 'point' | 'label', x, y, radius |
/// dx, dy | x2, y2, colour }; null for a program that opens no window.
function scene(text) {
    if (text === '-') {
        return null;
    }
    const shown = { box: null, records: [] };
    for (const item of text.split(';')) {
        const [kind, ...words] = item.trim().split(/\s+/);
        const values = words.filter((word) => !(word in colours) && word !== 'hidden').map(number);
        const colour = colours[words.find((word) => word in colours)];
        if (kind === 'box') {
            const [minX, minY, maxX, maxY] = values;
            shown.box = { minX, minY, maxX, maxY };
        } else if (kind === 'circle') {
            shown.records.push({ kind, x: values[0], y: values[1], radius: values[2], colour });
        } else if (kind === 'line') {
            shown.records.push({ kind, x: values[0], y: values[1], dx: values[2], dy: values[3], colour });
        } else if (kind === 'segment') {
            shown.records.push({ kind, x: values[0], y: values[1], x2: values[2], y2: values[3], colour });
        } else if (kind === 'label') {
            shown.records.push({ kind, x: values[0], y: values[1], colour, placed: true });
        } else {
            shown.records.push({ kind: 'point', x: values[0], y: values[1], colour });
        }
    }
    return shown;
}

/// Every row of the table, in its order.
export function programTable() {
    const lines = fs.readFileSync(path.join(repository, 'programs/programs.tsv'), 'utf8').split('\n')
        .filter((line) => line !== '' && !line.startsWith('#'));
    const columns = lines[0].split('\t');
    return lines.slice(1).map((line) => {
        const row = Object.fromEntries(line.split('\t').map((cell, i) => [columns[i], cell]));
        return { ...row, text: row.text.replaceAll('\\n', '\n'), scene: scene(row.scene) };
    });
}
