// pre.js
// Joins a program to its page. Every page runs the same runtime script with this code in front of it; the page names
// its program in <body data-program>. The console text goes to #console byte for byte (web/streams.js), the window
// is the canvas, and a program that ends shows its exit status instead of the canvas.
(function () {
    var program = document.body.getAttribute('data-program');
    var consoleText = document.getElementById('console');
    var canvas = document.getElementById('canvas');
    var status = document.getElementById('status');
    var decoder = new TextDecoder();
    var ended = false;

    Module['canvas'] = canvas;
    // The runtime script is shared; the WebAssembly is the page's own program.
    Module['locateFile'] = function (path, prefix) {
        return prefix + (/\.wasm$/.test(path) ? program + '.wasm' : path);
    };
    // Standard output as it is written, so that text without a final line break shows once the program flushes it;
    // standard error goes to the browser's console.
    Module['writeStream'] = function (fd, bytes) {
        if (fd === 1) {
            consoleText.textContent += decoder.decode(bytes, {stream: true});
        } else {
            console.warn(new TextDecoder().decode(bytes));
        }
    };
    // main has returned or handed over to the GLUT loop: a program still running has its window open.
    Module['postRun'] = [function () {
        if (!ended) {
            canvas.hidden = false;
        }
    }];
    // The program has ended with this status (main returned or exit was called). The runtime is kept for the windowed
    // programs, so the status arrives here rather than at Module.onExit.
    Module['quit'] = function (code, toThrow) {
        ended = true;
        canvas.remove();
        status.textContent = 'Izlazni status: ' + code;
        status.hidden = false;
        throw toThrow;
    };
})();
