// png.mjs
// Reads an 8-bit, non-interlaced RGB or RGBA PNG into rows of RGB pixels: all the tests need of the format.
import zlib from 'node:zlib';

const signature = Buffer.from([137, 80, 78, 71, 13, 10, 26, 10]);
const channelsOfColourType = { 2: 3, 6: 4 };

/// The Paeth predictor of the PNG filter type 4.
function paeth(a, b, c) {
    const p = a + b - c;
    const pa = Math.abs(p - a);
    const pb = Math.abs(p - b);
    const pc = Math.abs(p - c);
    return pa <= pb && pa <= pc ? a : pb <= pc ? b : c;
}

/// Decodes a PNG file's bytes into { width, height, rgb }, rgb holding 3 bytes per pixel, rows from the top.
export function decodePng(bytes) {
    if (!bytes.subarray(0, 8).equals(signature)) {
        throw new Error('not a PNG file');
    }
    let width = 0;
    let height = 0;
    let channels = 0;
    const data = [];
    for (let at = 8; at < bytes.length;) {
        const length = bytes.readUInt32BE(at);
        const type = bytes.toString('latin1', at + 4, at + 8);
        const body = bytes.subarray(at + 8, at + 8 + length);
        if (type === 'IHDR') {
            width = body.readUInt32BE(0);
            height = body.readUInt32BE(4);
            const [depth, colourType, , , interlace] = body.subarray(8, 13);
            channels = channelsOfColourType[colourType];
            if (depth !== 8 || !channels || interlace !== 0) {
                throw new Error(`unsupported PNG: depth ${depth}, colour type ${colourType}, interlace ${interlace}`);
            }
        } else if (type === 'IDAT') {
            data.push(body);
        }
        at += 12 + length;
    }
    const raw = zlib.inflateSync(Buffer.concat(data));
    const stride = width * channels;
    const rows = Buffer.alloc(stride * height);
    for (let y = 0; y < height; ++y) {
        const filter = raw[y * (stride + 1)];
        const line = raw.subarray(y * (stride + 1) + 1, (y + 1) * (stride + 1));
        const out = y * stride;
        for (let i = 0; i < stride; ++i) {
            const a = i >= channels ? rows[out + i - channels] : 0;
            const b = y > 0 ? rows[out + i - stride] : 0;
            const c = i >= channels && y > 0 ? rows[out + i - stride - channels] : 0;
            const predictor = [0, a, b, (a + b) >> 1, paeth(a, b, c)][filter];
            rows[out + i] = (line[i] + predictor) & 0xff;
        }
    }
    const rgb = Buffer.alloc(width * height * 3);
    for (let p = 0; p < width * height; ++p) {
        rows.copy(rgb, p * 3, p * channels, p * channels + 3);
    }
    return { width, height, rgb };
}
