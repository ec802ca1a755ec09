// viewer.cpp
// The window and the camera, and the two entries.
#include "viewer.h"

#include "backend.h"
#include "console.h"
#include "describe.h"
#include "export.h"
#include "glut_input.h"
#include "render.h"

#include <GL/glut.h>
#ifndef __EMSCRIPTEN__
#include <GL/freeglut_ext.h>
#include <GL/glx.h>
#include <X11/Xatom.h>
#endif
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>

// The window's size as the last reshape gave it.
static WindowSize shownSize;
// The ten programs' figure: what the key s saves.
static Camera programCamera;
static std::string programName;
static std::string programTitle;
static std::string programExplanation;
// The callbacks of a program that answers the pointer and the keys; none for the ten programs.
static const Interaction* interaction = nullptr;
#ifdef __EMSCRIPTEN__
// The camera of the window: the web back end draws with its matrix (cameraMatrix) for the window's size.
static Camera windowCamera;
#else
// The band: a window of its own inside the figure's, along its bottom edge, drawn when its text changes and never
// again with each of the figure's frames.
static int figureWindow = 0;
static int bandWindow = 0;
static int bandHeight = 0;
#endif

WindowSize shownWindowSize() {
    return shownSize;
}

#ifndef __EMSCRIPTEN__
// GLUT names the window in Latin-1 (WM_NAME of type STRING), which turns a title in Cyrillic or with č into other
// letters: such a title is given again in UTF-8, as window managers read _NET_WM_NAME. An ASCII title is left as
// GLUT gives it.
static void nameWindowInUtf8(const char* title) {
    Display* display = glXGetCurrentDisplay();
    const Window window = glXGetCurrentDrawable();
    const std::string name = title;
    if (!display || !window || std::all_of(name.begin(), name.end(), [](char c) { return (c & 0x80) == 0; })) {
        return;
    }
    const Atom utf8 = XInternAtom(display, "UTF8_STRING", False);
    for (const Atom property : {XInternAtom(display, "_NET_WM_NAME", False), Atom(XA_WM_NAME)}) {
        XChangeProperty(display, window, property, utf8, 8, PropModeReplace,
                        reinterpret_cast<const unsigned char*>(name.data()), int(name.size()));
    }
}
#endif

// Opens the window with the given title and sets up the camera's projection and view.
static void openWindow(int argc, char** argv, const char* title, const Camera& camera) {
    int glutArgc = argc;
    glutInit(&glutArgc, argv);
    glutInitDisplayMode(GLUT_RGB | GLUT_DOUBLE | GLUT_DEPTH);
    glutInitWindowSize(windowWidth, windowHeight);
    glutInitWindowPosition(windowX, windowY);
    glutCreateWindow(title);
    glClearColor(clearColour.red, clearColour.green, clearColour.blue, 0.0f);
#ifndef __EMSCRIPTEN__
    nameWindowInUtf8(title);
#endif

#ifdef __EMSCRIPTEN__
    windowCamera = camera;
    backend::useMatrix(cameraMatrix(camera, windowWidth, windowHeight), windowWidth, windowHeight);
#else
    // This projection is replaced by the first reshape, before anything is drawn.
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(30.0, 1.0, 1.0, 20.0);
    gluLookAt(camera.cx, camera.cy, camera.d, camera.cx, camera.cy, 0.0, 0.0, 1.0, 0.0);
    // Every frame sees the plane z = 0 face-on from distance d, centred on the middle of the box.
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glTranslatef(-camera.cx, -camera.cy, -camera.d);
#endif
}

// s saves the figure as it is shown; every other key is ignored.
static void saveKey(unsigned char key, int, int) {
    if (key == 's') {
        const WalkFrame frame = fileFrame(programCamera, shownSize.width, shownSize.height);
        saveFigure(programName, false, drawList(storePicture(), frame), frame, shownSize.width, shownSize.height,
                   programTitle.c_str(), programExplanation.c_str());
    }
}

int runProgram(int argc, char** argv, const char* title, Task task) {
    if (!buildProgramScene(task)) {
        std::getchar();
        return 1;
    }
    // Taken before glutInit, which may take its own options out of argv.
    programName = figureBaseName(argc > 0 ? argv[0] : nullptr);
    programTitle = title;
    programExplanation = writtenText();
    programCamera = frameCamera(SceneBounds);
    openWindow(argc, argv, title, programCamera);
    glutDisplayFunc(displayScene);
    glutReshapeFunc(reshapeViewport);
    glutKeyboardFunc(saveKey);
    glutMainLoop();
    return 0;
}

static void keyboard(unsigned char key, int, int) {
    interaction->input(keyInput(key));
}

static void special(int key, int, int) {
#ifndef __EMSCRIPTEN__
    if (key == GLUT_KEY_F11) { // full screen for a projector, and back
        glutFullScreenToggle();
        return;
    }
#endif
    InputEvent event;
    if (arrowInput(key, (glutGetModifiers() & GLUT_ACTIVE_SHIFT) != 0, &event)) {
        interaction->input(event);
    }
}

// The wheel (buttons 3 and 4) zooms; the left button takes a handle or holds the plane.
static void mouse(int button, int state, int x, int y) {
    InputEvent event;
    if (mouseInput(button, state, x, y, &event)) {
        interaction->input(event);
    }
}

static void motion(int x, int y) {
    interaction->input(InputEvent{InputEvent::Move, x, y});
}

static void reshape(int width, int height) {
    reshapeViewport(width, height);
    interaction->reshape(width, height);
}

int runProgram(int argc, char** argv, const char* title, const Interaction& program) {
    interaction = &program;
    inversionRadius = circleOfInversionRadius;
    if (program.start) {
        program.start();
    }
    openWindow(argc, argv, title, program.view);
#ifndef __EMSCRIPTEN__
    if (program.displayBand) {
        // Keys, clicks and drags over the band are the figure's: a drag may pass over it, and a key typed with the
        // pointer there goes to the band's window.
        figureWindow = glutGetWindow();
        bandWindow = glutCreateSubWindow(figureWindow, 0, 0, 1, 1);
        glutDisplayFunc(program.displayBand);
        glutReshapeFunc([](int, int) { glutPostRedisplay(); });
        glutKeyboardFunc([](unsigned char key, int x, int y) {
            glutSetWindow(figureWindow);
            keyboard(key, x, y);
        });
        glutSpecialFunc([](int key, int x, int y) {
            glutSetWindow(figureWindow);
            special(key, x, y);
        });
        glutMouseFunc([](int button, int state, int x, int y) {
            glutSetWindow(figureWindow);
            mouse(button, state, x, y + shownSize.height - bandHeight);
        });
        glutMotionFunc([](int x, int y) {
            glutSetWindow(figureWindow);
            motion(x, y + shownSize.height - bandHeight);
        });
        glutSetWindow(figureWindow);
    }
#endif
    glutDisplayFunc(program.display);
    glutReshapeFunc(reshape);
    glutMouseFunc(mouse);
    glutMotionFunc(motion);
    glutKeyboardFunc(keyboard);
    glutSpecialFunc(special);
    glutMainLoop();
    return 0;
}

#ifndef __EMSCRIPTEN__
// The band drawn again a little after it moved or took a new size, twice: freeglut counts the size it asked for as
// the window's before the X server has made it, so the band's own reshape may never come, and Mesa takes the
// window's new size only for a frame after the first it swaps there.
static void redrawBand(int time) {
    if (bandHeight > 0) {
        const int current = glutGetWindow();
        glutSetWindow(bandWindow);
        glutPostRedisplay();
        glutSetWindow(current);
    }
    if (time == 0) {
        glutTimerFunc(100, redrawBand, 1);
    }
}
#endif

void showBand(int height, bool resized) {
#ifndef __EMSCRIPTEN__
    if (bandWindow == 0) {
        return;
    }
    const int current = glutGetWindow();
    glutSetWindow(bandWindow);
    if (height == 0) {
        glutHideWindow();
    } else {
        if (resized || height != bandHeight) {
            glutPositionWindow(0, shownSize.height - height);
            glutReshapeWindow(shownSize.width, height);
            glutShowWindow();
            glutTimerFunc(50, redrawBand, 0);
        }
        glutPostRedisplay();
    }
    glutSetWindow(current);
    bandHeight = height;
#else
    (void)height;
    (void)resized;
#endif
}

#ifdef __EMSCRIPTEN__
static Language pageLanguage = Language::Plain;
#endif

Language programLanguage() {
#ifdef __EMSCRIPTEN__
    return pageLanguage;
#else
    return environmentLanguage(std::getenv("LANGUAGE"), std::getenv("LC_ALL"), std::getenv("LC_MESSAGES"),
                               std::getenv("LANG"));
#endif
}

void pageLanguageChosen(Language language) {
#ifdef __EMSCRIPTEN__
    pageLanguage = language;
    if (interaction && interaction->languageChosen) {
        interaction->languageChosen();
    }
#else
    (void)language;
#endif
}

PageState pageState() {
    if (interaction && interaction->pageState) {
        return interaction->pageState();
    }
    PageState state;
    state.description = describeScene(storePicture(), programLanguage());
    return state;
}

void pagePointer(double drawingPerCss, bool finger) {
    if (interaction && interaction->pagePointer) {
        interaction->pagePointer(drawingPerCss, finger);
    }
}

void pageResized(int width, int height, double drawingPerCss) {
    if (!interaction) {
        return;
    }
    if (interaction->pageScale) {
        interaction->pageScale(drawingPerCss);
    }
    reshape(width, height);
    // The browser clears a canvas whose size is set: drawn now, before the browser shows the page again, the figure
    // never flashes blank while the window is resized.
    interaction->display();
}

void pagePinched(int x, int y, double factor, bool first) {
    if (interaction) {
        InputEvent event{first ? InputEvent::PinchStart : InputEvent::Pinch, x, y};
        event.factor = factor;
        interaction->input(event);
    }
}

void pageWheelTurned(int x, int y, int notches) {
    for (int notch = 0; interaction && notch < std::abs(notches); ++notch) {
        interaction->input(InputEvent{InputEvent::Wheel, x, y, notches > 0 ? 1 : -1});
    }
}

void useCamera(const Camera& camera, int width, int height, int bottom) {
    height = height > 0 ? height : 1;
    glViewport(0, bottom, width, height);
#ifdef __EMSCRIPTEN__
    windowCamera = camera;
    backend::useMatrix(cameraMatrix(camera, width, height, camera.d / 2.0, camera.d * 2.0), width, height);
#else
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(fieldOfView, double(float(double(width) / height)), camera.d / 2.0, camera.d * 2.0);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glTranslatef(-camera.cx, -camera.cy, -camera.d);
#endif
}

void reshapeViewport(int width, int height) {
    if (height == 0) {
        height = 1;
    }
#ifdef __EMSCRIPTEN__
    glViewport(0, 0, width, height);
    backend::useMatrix(cameraMatrix(windowCamera, width, height), width, height);
#else
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glViewport(0, 0, width, height);
    gluPerspective(fieldOfView, double(float(double(width) / height)), nearPlane, farPlane);
#endif
    shownSize = WindowSize{width, height};
}
