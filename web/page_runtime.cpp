// page_runtime.cpp
// What a program's page needs from its WebAssembly beside the program: the figure in words, and the same runtime
// imports as every other program.
#include "describe.h"

#include <GL/glut.h>
#include <cmath>
#include <cstdlib>
#include <emscripten.h>
#include <string>
#include <vector>
#include <wasi/api.h>

/// The names drawn beside the points: the explorer's program defines it, the other programs draw none.
__attribute__((weak)) std::vector<Label> pageLabels() {
    return {};
}

/// The figure in words; pre.js makes it the canvas's accessible description after each change of the figure.
extern "C" EMSCRIPTEN_KEEPALIVE const char* sceneDescription() {
    static std::string text;
    text = describeScene(pageLabels());
    return text.c_str();
}

/// The explorer's panel, which its program defines; the other programs show none.
extern "C" __attribute__((weak)) const char* explorerPanelText() {
    return "";
}

/// The text of the panel beside the figure; every page exports it, so that all share one runtime script.
extern "C" EMSCRIPTEN_KEEPALIVE const char* pagePanel() {
    return explorerPanelText();
}

/// The explorer's announcement for a screen reader, which its program defines; the other programs announce nothing.
extern "C" __attribute__((weak)) const char* explorerAnnouncementText() {
    return "";
}

/// What changed with the last move, key or step; pre.js puts it in a polite live region.
extern "C" EMSCRIPTEN_KEEPALIVE const char* pageAnnouncement() {
    return explorerAnnouncementText();
}

/// The explorer takes what kind of pointer pressed; the other programs ignore it.
extern "C" __attribute__((weak)) void explorerPointer(double) {}

/// Called by pre.js at each press on the canvas: the drawing pixels per CSS pixel for a finger, 0 for the mouse.
extern "C" EMSCRIPTEN_KEEPALIVE void pagePointer(double drawingPerCss) {
    explorerPointer(drawingPerCss);
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
