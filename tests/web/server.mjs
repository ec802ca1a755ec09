// server.mjs
// The static server of the browser tests and the benchmark: serves folders of the web build on 127.0.0.1 at a free
// port as the usual static servers do, gzip for text and WebAssembly, ETag and Last-Modified for revalidation.
import crypto from 'node:crypto';
import fs from 'node:fs';
import http from 'node:http';
import path from 'node:path';
import zlib from 'node:zlib';

export const gzipLevel = 6; // gzip's and zlib's default, and that of the usual static servers' compression modules
const contentTypes = {
    '.html': 'text/html; charset=utf-8',
    '.js': 'text/javascript',
    '.wasm': 'application/wasm',
    '.png': 'image/png',
};
const compressed = new Set(['.html', '.js', '.wasm']);

/// Every file of the folder, read and compressed once, so that no request waits for compression.
function load(folder) {
    const files = new Map();
    for (const name of fs.existsSync(folder) ? fs.readdirSync(folder) : []) {
        const file = path.join(folder, name);
        if (!fs.statSync(file).isFile()) {
            continue;
        }
        const body = fs.readFileSync(file);
        const type = path.extname(name);
        files.set(name, {
            body,
            gzip: compressed.has(type) ? zlib.gzipSync(body, { level: gzipLevel }) : null,
            type: contentTypes[type] ?? 'application/octet-stream',
            etag: `"${crypto.createHash('sha1').update(body).digest('hex')}"`,
            modified: fs.statSync(file).mtime.toUTCString(),
        });
    }
    return files;
}

/// Serves the files of each folder under its prefix ({ '/': site, '/bench/': baselines }), and nothing else; a
/// request for a prefix itself gets its index.html. sent, when given, is called for each response with its path
/// and the bytes written for it (status line, headers and body). Resolves to the listening http.Server.
export function serve(folders, sent = () => {}) {
    // The longest prefix first, so that /bench/ wins over /.
    const roots = Object.entries(folders)
        .sort(([a], [b]) => b.length - a.length)
        .map(([prefix, folder]) => [prefix, load(folder)]);
    const server = http.createServer((request, response) => {
        const pathname = new URL(request.url, 'http://host').pathname;
        const [prefix, files] = roots.find(([start]) => pathname.startsWith(start)) ?? ['', new Map()];
        const name = decodeURIComponent(pathname.slice(prefix.length)) || 'index.html';
        // HTTP/1.1 without pipelining: a connection carries one response at a time.
        const socket = request.socket;
        const before = socket.bytesWritten;
        response.on('finish', () => sent(pathname, socket.bytesWritten - before));
        const file = files.get(name);
        if (!file) {
            response.writeHead(404, { 'Content-Length': 0 }).end();
            return;
        }
        const headers = { 'Content-Type': file.type, ETag: file.etag, 'Last-Modified': file.modified };
        if (request.headers['if-none-match'] === file.etag) {
            response.writeHead(304, headers).end();
            return;
        }
        const gzip = file.gzip && /\bgzip\b/.test(request.headers['accept-encoding'] ?? '');
        const body = gzip ? file.gzip : file.body;
        if (file.gzip) {
            Object.assign(headers, { Vary: 'Accept-Encoding' }, gzip ? { 'Content-Encoding': 'gzip' } : {});
        }
        response.writeHead(200, { ...headers, 'Content-Length': body.length }).end(body);
    });
    return new Promise((resolve) => server.listen(0, '127.0.0.1', () => resolve(server)));
}
