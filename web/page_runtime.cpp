// page_runtime.cpp
// What a program's page needs from its WebAssembly beside the program: its state (the figure in words, the panel, the
// announcement) through one exported function, and the same runtime imports as every other program.
#include "viewer.h"

#include <GL/glut.h>
#include <cmath>
#include <cstdlib>
#include <emscripten.h>
#include <string>
#include <wasi/api.h>

// A text as a JSON string.
static std::string jsonText(const std::string& text) {
    std::string json = "\"";
    for (const char c : text) {
        if (c == '"' || c == '\\') {
            json += '\\';
            json += c;
        } else if (c == '\n') {
            json += "\\n";
        } else if (static_cast<unsigned char>(c) < 0x20) {
            static const char digits[] = "0123456789abcdef";
            json += "\\u00";
            json += digits[(c >> 4) & 0xf];
            json += digits[c & 0xf];
        } else {
            json += c;
        }
    }
    return json + "\"";
}

/// What the page shows for its program, as JSON: the figure in words (the canvas's accessible description), the
/// panel beside the figure, the announcement of what changed, the figure for the page's address and the exercises'
/// record and score, which pre.js reads after each change.
extern "C" EMSCRIPTEN_KEEPALIVE const char* pageStateJson() {
    static std::string text;
    const PageState state = pageState();
    text = "{\"description\":" + jsonText(state.description) + ",\"panel\":" + jsonText(state.panel) +
           ",\"announcement\":" + jsonText(state.announcement) + ",\"link\":" + jsonText(state.link) +
           ",\"record\":" + jsonText(state.record) + ",\"settled\":" + std::to_string(state.settled) +
           ",\"percent\":" + std::to_string(state.percent) + "}";
    return text.c_str();
}

/// Called by pre.js at each press on the canvas: the drawing pixels per CSS pixel, and whether a finger pressed.
extern "C" EMSCRIPTEN_KEEPALIVE void pagePress(double drawingPerCss, int finger) {
    pagePointer(drawingPerCss, finger != 0);
}

/// Called by pre.js for a notch of the wheel over the canvas, at the drawing pixel (x, y): up (positive) zooms in.
extern "C" EMSCRIPTEN_KEEPALIVE void pageWheel(int x, int y, int notches) {
    pageWheelTurned(x, y, notches);
}

/// Called by pre.js when it sizes the explorer's canvas: its drawing buffer is width x height pixels, drawingPerCss of
/// them to a CSS pixel.
extern "C" EMSCRIPTEN_KEEPALIVE void pageResize(int width, int height, double drawingPerCss) {
    pageResized(width, height, drawingPerCss);
}

/// Called by pre.js for two fingers on the explorer's canvas, their middle at the drawing pixel (x, y): first (1)
/// when they come down, then at each move, factor times as far apart as at the move before.
extern "C" EMSCRIPTEN_KEEPALIVE void pagePinch(int x, int y, double factor, int first) {
    pagePinched(x, y, factor, first != 0);
}

/// Called by pre.js with the language the reader chose (0 Serbian Cyrillic, 1 Latin, 2 English), before main runs and
/// whenever another is chosen.
extern "C" EMSCRIPTEN_KEEPALIVE void pageLanguage(int language) {
    if (language >= 0 && language <= int(Language::Plain)) {
        pageLanguageChosen(Language(language));
    }
}

using AnyFunction = void (*)();

/// Never called. The pages share one runtime script, and emscripten writes that script from the set of runtime
/// functions a program imports; referring here to every function that any of the programs calls gives all of them
/// the same set, and so the same script. web/share_runtime.cmake checks that the scripts are the same: a program
/// that calls a runtime function none of the others calls needs it added here. Optimised as a whole at link time,
/// invert_point_at_centre, which ends before it opens a window, keeps no call to GLUT's window functions.
extern "C" EMSCRIPTEN_KEEPALIVE const AnyFunction* sharedRuntimeFunctions() {
    static const AnyFunction functions[] = {
        reinterpret_cast<AnyFunction>(&glutKeyboardFunc),
        reinterpret_cast<AnyFunction>(&glutMotionFunc),
        reinterpret_cast<AnyFunction>(&glutMouseFunc),
        reinterpret_cast<AnyFunction>(&glutPostRedisplay),
        reinterpret_cast<AnyFunction>(&glutSpecialFunc),
        reinterpret_cast<AnyFunction>(&glutGetModifiers),
        reinterpret_cast<AnyFunction>(&std::exit),
        reinterpret_cast<AnyFunction>(&__wasi_fd_read),
        reinterpret_cast<AnyFunction>(&__wasi_fd_seek),
        reinterpret_cast<AnyFunction>(&__wasi_fd_close),
        reinterpret_cast<AnyFunction>(&glutInit),
        reinterpret_cast<AnyFunction>(&glutInitDisplayMode),
        reinterpret_cast<AnyFunction>(&glutInitWindowPosition),
        reinterpret_cast<AnyFunction>(&glutInitWindowSize),
        reinterpret_cast<AnyFunction>(&glutCreateWindow),
        reinterpret_cast<AnyFunction>(&glutDisplayFunc),
        reinterpret_cast<AnyFunction>(&glutReshapeFunc),
        reinterpret_cast<AnyFunction>(&glutMainLoop),
        reinterpret_cast<AnyFunction>(&glClearColor),
        // The pages take these from the browser's Math (-sJS_MATH).
        reinterpret_cast<AnyFunction>(static_cast<double (*)(double)>(&std::acos)),
        reinterpret_cast<AnyFunction>(static_cast<float (*)(float)>(&std::round)),
    };
    return functions;
}
