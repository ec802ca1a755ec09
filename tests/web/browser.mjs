// browser.mjs
// Headless Chromium as the browser tests and the benchmark start it: Debian's Chromium, never a downloaded one, with
// only these switches, since Playwright's own defaults would change how WebGL is provided.
import { execFileSync } from 'node:child_process';

import { chromium } from 'playwright-core';

export const chromiumFlags = ['--headless', '--no-sandbox', '--disable-gpu', '--enable-unsafe-swiftshader',
    '--disable-quic', '--no-first-run', '--disable-background-networking', '--disable-component-update',
    '--disable-sync'];

/// Starts Chromium (the one CHROMIUM names, or chromium on the PATH) with its profile in the given folder.
export function launchChromium(profile) {
    const executablePath = process.env.CHROMIUM || execFileSync('sh', ['-c', 'command -v chromium']).toString().trim();
    return chromium.launch({
        executablePath,
        ignoreDefaultArgs: true,
        args: [...chromiumFlags, `--user-data-dir=${profile}`, '--remote-debugging-pipe', 'about:blank'],
        timeout: 60_000,
    });
}
