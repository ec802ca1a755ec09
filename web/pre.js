// pre.js
// Joins a program to its page. Every page runs the same runtime script with this code in front of it; the page names
// its program in <body data-program>. The console text goes to #console byte for byte (web/streams.js), the window
// is the canvas, the figure is described in words for a screen reader, and a program that ends shows its exit
// status instead of the canvas. The program's name (argv[0]) is the page's, so that a saved figure is named after it.
(function () {
    var program = document.body.getAttribute('data-program');
    var consoleText = document.getElementById('console');
    var canvas = document.getElementById('canvas');
    var description = document.getElementById('description');
    var status = document.getElementById('status');
    var panel = document.getElementById('panel-text');
    // On the explorer's page what changed is announced on its own, in its one polite live region; the whole
    // description is read on demand, as the canvas's description.
    var announcement = document.getElementById('announcement');
    var decoder = new TextDecoder();
    var ended = false;

    Module['canvas'] = canvas;
    Module['thisProgram'] = program;
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

    // GLUT takes the keys it knows from the whole window and stops their default action, Tab and Enter among them:
    // the links could no longer be reached or followed from the keyboard. Tab, keys with Ctrl, Alt or Meta, and every
    // key while the focus is on a link stay with the page. Registered before main runs, so before GLUT's own listener.
    function keepForPage(event) {
        var target = event.target;
        var onFigure = target === canvas || target === document.body || target === document.documentElement;
        if (event.key === 'Tab' || event.ctrlKey || event.altKey || event.metaKey || !onFigure) {
            event.stopImmediatePropagation();
        }
    }
    window.addEventListener('keydown', keepForPage, true);
    // The explorer's buttons do what their keys do: the key, pressed on the figure.
    Array.prototype.forEach.call(document.querySelectorAll('#controls button[data-key]'), function (button) {
        button.addEventListener('click', function () {
            var key = button.getAttribute('data-key');
            ['keydown', 'keyup'].forEach(function (type) {
                var event = new KeyboardEvent(type, {key: key, bubbles: true, cancelable: true});
                Object.defineProperty(event, 'keyCode', {value: key.toUpperCase().charCodeAt(0)});
                canvas.dispatchEvent(event);
            });
        });
    });
    window.addEventListener('keyup', keepForPage, true);

    // A finger takes a handle from farther than the mouse, and the snapping zones grow with it, whatever the size at
    // which the canvas is shown; a click is told from a drag in CSS pixels. The program is told at each press (before
    // GLUT's own listener, registered later) whether a finger made it and how many drawing pixels a CSS pixel holds.
    // GLUT's mouse events made from a touch are not trusted and are left alone.
    function tellPointer(event) {
        if (event.target === canvas && Module['_pagePress'] && (event.type === 'touchstart' || event.isTrusted)) {
            var shown = canvas.getBoundingClientRect().width;
            Module['_pagePress'](shown > 0 ? canvas.width / shown : 1, event.type === 'touchstart' ? 1 : 0);
        }
    }
    // The wheel over the explorer's figure zooms it, up zooming in as natively, and never scrolls the page. GLUT's own
    // handler listens for the browser's legacy wheel event on the window, reads its direction the wrong way round and
    // cannot keep the page from scrolling; a wheel listener on the window keeps the browser from making that legacy
    // event there at all, and hands the program the notch itself.
    if (panel) {
        window.addEventListener('wheel', function (event) {
            if (event.target !== canvas) {
                return;
            }
            event.preventDefault();
            if (Module['_pageWheel'] && event.deltaY !== 0) {
                var box = canvas.getBoundingClientRect();
                Module['_pageWheel'](Math.floor((event.clientX - box.left) * canvas.width / box.width),
                    Math.floor((event.clientY - box.top) * canvas.height / box.height), event.deltaY < 0 ? 1 : -1);
            }
        }, {capture: true, passive: false});
    }
    window.addEventListener('touchstart', tellPointer, true);
    window.addEventListener('mousedown', tellPointer, true);

    // The canvas's accessible description: the figure in words, as the program tells it with its state. A polite
    // live region, so a screen reader follows a figure that changes.
    function describe() {
        var state = JSON.parse(Module['UTF8ToString'](Module['_pageStateJson']()));
        if (description.textContent !== state.description) {
            description.textContent = state.description;
        }
        // The explorer's panel: the latest case and the step shown.
        if (panel) {
            panel.textContent = state.panel;
            if (state.announcement) {
                announcement.textContent = state.announcement;
            }
        }
    }
    // The explorer changes its figure when a drag ends or a key is pressed; GLUT's handlers run in the same event,
    // after these listeners or before them, so the store is read on the next animation frame.
    function describeLater() {
        requestAnimationFrame(describe);
    }

    // After one visit every page works offline. Registered once the first frame is out, so that storing the site
    // does not compete with it.
    function keepSiteOffline() {
        if ('serviceWorker' in navigator) {
            navigator.serviceWorker.register('sw.js').catch(function () {});
        }
    }

    // main has returned or handed over to the GLUT loop: a program still running has its window open.
    Module['postRun'] = [function () {
        if (!ended) {
            canvas.hidden = false;
            describe();
            ['mouseup', 'touchend', 'keydown', 'click'].forEach(function (type) {
                window.addEventListener(type, describeLater);
            });
        }
        requestAnimationFrame(function () {
            setTimeout(keepSiteOffline, 0);
        });
    }];
    // The program has ended with this status (main returned or exit was called). The runtime is kept for the windowed
    // programs, so the status arrives here rather than at Module.onExit.
    Module['quit'] = function (code, toThrow) {
        ended = true;
        canvas.remove();
        description.remove();
        status.textContent = 'Izlazni status: ' + code;
        status.hidden = false;
        throw toThrow;
    };
})();
