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
    // The address opens what a teacher's link names: the set of exercises (?skup=17), or the explorer's figure after
    // #. A program takes only its own option.
    var asked = new URLSearchParams(location.search).get('skup');
    Module['arguments'] = (asked === null ? [] : ['--skup', asked]).concat(
        location.hash.length > 1 ? ['--slika', decodeURIComponent(location.hash.slice(1))] : []);
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

    // Full screen, for a projector: the lesson (the figure, the panel, the buttons and what follows them) fills the
    // screen, by its button or by F11 as natively; GLUT would take F11 as a special key and keep it from the browser.
    // Its key listener comes first, so that F11 does this wherever the focus is.
    var lesson = document.querySelector('main');
    var fullscreenButton = document.getElementById('fullscreen');
    function toggleFullscreen() {
        var request = lesson.requestFullscreen || lesson.webkitRequestFullscreen;
        var exit = document.exitFullscreen || document.webkitExitFullscreen;
        var shown = document.fullscreenElement || document.webkitFullscreenElement;
        var done = shown ? exit.call(document) : request.call(lesson);
        if (done && done.catch) {
            done.catch(function () {});
        }
    }
    if (fullscreenButton) {
        // A phone's browser may have no full screen for a page: no button then.
        fullscreenButton.hidden = !(document.fullscreenEnabled || document.webkitFullscreenEnabled);
        fullscreenButton.addEventListener('click', toggleFullscreen);
        window.addEventListener('keydown', function (event) {
            if (event.key === 'F11' && !fullscreenButton.hidden) {
                event.stopImmediatePropagation();
                event.preventDefault();
                toggleFullscreen();
            }
        }, true);
    }

    // GLUT takes the keys it knows from the whole window and stops their default action, Tab and Enter among them:
    // the links could no longer be reached or followed from the keyboard. Tab, keys with Ctrl, Alt or Meta, and every
    // key while the focus is on a link stay with the page. Registered before main runs, so before GLUT's own listener.
    // The key j chooses the page's next language, which the program then speaks too.
    function keepForPage(event) {
        var target = event.target;
        var onFigure = target === canvas || target === document.body || target === document.documentElement;
        if (event.key === 'Tab' || event.ctrlKey || event.altKey || event.metaKey || !onFigure) {
            event.stopImmediatePropagation();
        } else if (event.key === 'j' && panel) {
            event.stopImmediatePropagation();
            event.preventDefault();
            if (event.type === 'keydown') {
                window.chooseNextSiteLanguage();
            }
        }
    }
    window.addEventListener('keydown', keepForPage, true);
    // The buttons do what their keys do: the key, pressed on the figure. GLUT reads a key's character from its key
    // code; + and - go by the keypad's codes, the only ones it reads as those characters without Shift.
    var keyCodes = {'+': 107, '-': 109, '[': 219, ']': 221, 'Enter': 13, ' ': 32};
    Array.prototype.forEach.call(document.querySelectorAll('#controls button[data-key]'), function (button) {
        button.addEventListener('click', function () {
            var key = button.getAttribute('data-key');
            ['keydown', 'keyup'].forEach(function (type) {
                var event = new KeyboardEvent(type, {key: key, bubbles: true, cancelable: true});
                Object.defineProperty(event, 'keyCode', {value: keyCodes[key] || key.toUpperCase().charCodeAt(0)});
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
            Module['_pagePress'](drawingPerCss(), event.type === 'touchstart' ? 1 : 0);
        }
    }
    // The explorer's canvas has the device's pixels (below): a CSS pixel holds devicePixelRatio of them, not quite the
    // ratio of the rounded drawing buffer to its size on the page, whose stray thousandths would make a line of one
    // CSS pixel a hair wider than one pixel. Elsewhere the drawing buffer keeps the window's size, shown smaller.
    function drawingPerCss() {
        if (panel) {
            return window.devicePixelRatio || 1;
        }
        var shown = canvas.getBoundingClientRect().width;
        return shown > 0 ? canvas.width / shown : 1;
    }

    // The explorer's canvas draws at the device's pixels: its drawing buffer is its size on the page times the
    // device's pixels per CSS pixel, and follows it when the window is resized or turned, or moves to a screen of
    // other pixels. The program reshapes its window to it as natively, so that a phone shows the figure as sharply as
    // its text and a projector fills its pixels with it. Told at once when the canvas is first shown, so that the
    // first frame and the first press know the scale.
    function fitCanvas(always) {
        var box = canvas.getBoundingClientRect();
        var ratio = drawingPerCss();
        var width = Math.max(1, Math.round(box.width * ratio));
        var height = Math.max(1, Math.round(box.height * ratio));
        if (box.width > 0 && box.height > 0 && (always || width !== canvas.width || height !== canvas.height)) {
            canvas.width = width;
            canvas.height = height;
            Module['_pageResize'](width, height, ratio);
        }
    }
    // A change of devicePixelRatio alone changes no size on the page. An observer of the canvas's size in device
    // pixels sees it where the browser offers one; elsewhere a query for the present ratio tells its end.
    function followRatio() {
        var query = window.matchMedia('(resolution: ' + (window.devicePixelRatio || 1) + 'dppx)');
        query.addEventListener('change', function changed() {
            query.removeEventListener('change', changed);
            fitCanvas(false);
            followRatio();
        });
    }
    function followDevicePixels() {
        fitCanvas(true);
        var observer = new ResizeObserver(function () {
            fitCanvas(false);
        });
        try {
            observer.observe(canvas, {box: 'device-pixel-content-box'});
        } catch (error) {
            observer.observe(canvas);
            followRatio();
        }
    }

    // Two fingers on the explorer's figure zoom it about their middle, by how far they part, and move it with their
    // middle. None of their touches reach GLUT, which would take the first finger for the mouse and every other
    // finger's touch for a jump of it: these listeners come before GLUT's (main has not run yet), on the window in the
    // capture phase as GLUT's are, and stop them. The pinch lasts until the last of its fingers leaves the canvas.
    var pinching = false;
    var pinchDistance = 0; // the fingers' distance at the pinch's step before, 0 before its first
    function pinch(event) {
        var fingers = event.targetTouches;
        if (event.target !== canvas || !(pinching || (event.type === 'touchstart' && fingers.length >= 2))) {
            return;
        }
        event.stopImmediatePropagation();
        event.preventDefault();
        pinching = fingers.length > 0;
        if (fingers.length < 2) {
            // One finger left of two: the pinch waits for another finger or for the last to leave.
            pinchDistance = 0;
            if (!pinching) {
                describeLater();
            }
            return;
        }
        var box = canvas.getBoundingClientRect();
        var a = fingers[0];
        var b = fingers[1];
        var distance = Math.hypot(a.clientX - b.clientX, a.clientY - b.clientY);
        var first = pinchDistance === 0;
        Module['_pagePinch'](Math.floor(((a.clientX + b.clientX) / 2 - box.left) * canvas.width / box.width),
            Math.floor(((a.clientY + b.clientY) / 2 - box.top) * canvas.height / box.height),
            first ? 1 : distance / pinchDistance, first ? 1 : 0);
        // Fingers that meet start afresh when they part.
        pinchDistance = distance;
    }
    if (panel) {
        ['touchstart', 'touchmove', 'touchend', 'touchcancel'].forEach(function (type) {
            window.addEventListener(type, pinch, {capture: true, passive: false});
        });
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
        // The panel: the latest case and the step shown, or the exercise.
        if (panel) {
            panel.textContent = state.panel;
            if (state.announcement) {
                announcement.textContent = state.announcement;
            }
        }
        // The explorer's address keeps its figure, so that the address is a link to it.
        if (state.link && location.hash !== '#' + state.link) {
            history.replaceState(history.state, '', '#' + state.link);
        }
        if (window.onPageState) {
            window.onPageState(state);
        }
    }
    // A figure typed into the address opens as a link does.
    window.addEventListener('hashchange', function () {
        location.reload();
    });
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

    // The program speaks the page's language from its start, and again whenever the reader chooses another.
    Module['onRuntimeInitialized'] = function () {
        Module['_pageLanguage'](window.siteLanguage());
    };
    window.onSiteLanguage = function () {
        if (Module['_pageLanguage'] && !ended) {
            Module['_pageLanguage'](window.siteLanguage());
            describe();
        }
    };

    // main has returned or handed over to the GLUT loop: a program still running has its window open.
    Module['postRun'] = [function () {
        if (!ended) {
            canvas.hidden = false;
            if (panel) {
                followDevicePixels();
            }
            if (window.onPageRunning) {
                window.onPageRunning(Module);
            }
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
        status.textContent = window.siteText('status') + code;
        status.hidden = false;
        throw toThrow;
    };
})();
