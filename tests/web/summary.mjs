// summary.mjs
// Test reporter: one line per test under its group, the failures with their message, the tests' own notes,
// and the closing "N passed, M failed".
export default async function* summary(source) {
    let passed = 0;
    let failed = 0;
    // Lines of the groups still running, by depth: a group's lines come out under its name when it ends.
    const pending = [[]];
    const lines = (nesting) => (pending[nesting] ??= []);
    for await (const event of source) {
        const { name, nesting, details, message } = event.data ?? {};
        const indent = '  '.repeat(nesting);
        if (event.type === 'test:diagnostic' && nesting > 0) {
            lines(nesting).push(`${indent}     # ${message}`);
        } else if (event.type === 'test:pass' || event.type === 'test:fail') {
            const ok = event.type === 'test:pass';
            if (details.type === 'suite') {
                lines(nesting).push(`${indent}${name}`, ...lines(nesting + 1).splice(0));
            } else {
                ok ? ++passed : ++failed;
                lines(nesting).push(`${indent}${ok ? 'ok  ' : 'FAIL'} ${name}`);
            }
            if (!ok && details.type !== 'suite') {
                const error = details.error?.cause ?? details.error;
                const message = String(error?.message ?? error);
                lines(nesting).push(`${indent}     ${message.replaceAll('\n', `\n${indent}     `)}`);
            }
        }
        if (pending[0].length > 0) {
            yield pending[0].splice(0).join('\n') + '\n';
        }
    }
    yield `${passed} passed, ${failed} failed\n`;
}
