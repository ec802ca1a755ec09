// pre.js
// Joins a program to its page: the console text goes to #console byte for byte, standard input is at its
// end from the start, the window is the canvas, and a program that ends shows its exit status instead. The
// program's name (argv[0]) is the page's, so that the figure it saves is named after it.
(function () {
    var consoleText = document.getElementById('console');
    var canvas = document.getElementById('canvas');
    var status = document.getElementById('status');
    var decoder = new TextDecoder();
    var ended = false;

    Module['canvas'] = canvas;
    Module['thisProgram'] = decodeURIComponent(location.pathname.split('/').pop()).replace(/\.html$/, '');
    // Called for every byte written to standard output, so text without a final line break shows too.
    Module['stdout'] = function (byte) {
        if (byte !== null) {
            consoleText.textContent += decoder.decode(new Uint8Array([byte & 0xff]), {stream: true});
        }
    };
    // No one types into a page: every read finds the end of the input.
    Module['stdin'] = function () {
        return null;
    };
    // main has returned or handed over to the GLUT loop: a program still running has its window open.
    Module['postRun'] = [function () {
        if (!ended) {
            canvas.hidden = false;
        }
    }];
    Module['onExit'] = function (code) {
        ended = true;
        canvas.remove();
        status.textContent = 'Izlazni status: ' + code;
        status.hidden = false;
    };
})();
