// viewer.cpp
// The window and the camera.
#include "viewer.h"

#include "backend.h"
#include "console.h"
#include "export.h"
#include "render.h"

#include <GL/glut.h>
#include <cstdio>
#include <string>

// The window's size as the last reshape gave it.
static WindowSize shownSize;
// The ten programs' figure: what the key s saves.
static Camera programCamera;
static std::string programName;
static std::string programExplanation;
#ifdef __EMSCRIPTEN__
// The camera of the window: the web back end draws with its matrix (cameraMatrix) for the window's size.
static Camera windowCamera;
#endif

WindowSize shownWindowSize() {
    return shownSize;
}

void openWindow(int argc, char** argv, const char* title, const Camera& camera) {
    int glutArgc = argc;
    glutInit(&glutArgc, argv);
    glutInitDisplayMode(GLUT_RGB | GLUT_DOUBLE | GLUT_DEPTH);
    glutInitWindowSize(windowWidth, windowHeight);
    glutInitWindowPosition(windowX, windowY);
    glutCreateWindow(title);
    glClearColor(clearColour.red, clearColour.green, clearColour.blue, 0.0f);

#ifdef __EMSCRIPTEN__
    windowCamera = camera;
    backend::useMatrix(cameraMatrix(camera, windowWidth, windowHeight));
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
        saveFigure(programName, false, programCamera, shownSize.width, shownSize.height, windowTitle,
                   programExplanation.c_str());
    }
}

void startViewer(int argc, char** argv) {
    // Taken before glutInit, which may take its own options out of argv.
    programName = figureBaseName(argc > 0 ? argv[0] : nullptr);
    programExplanation = writtenText();
    programCamera = frameCamera(SceneBounds);
    openWindow(argc, argv, windowTitle, programCamera);
    glutDisplayFunc(displayScene);
    glutReshapeFunc(reshapeViewport);
    glutKeyboardFunc(saveKey);
    glutMainLoop();
}

int runProgram(int argc, char** argv, Task task) {
    if (!buildProgramScene(task)) {
        std::getchar();
        return 1;
    }
    startViewer(argc, argv);
    return 0;
}

void useCamera(const Camera& camera, int width, int height, int bottom) {
    height = height > 0 ? height : 1;
    glViewport(0, bottom, width, height);
#ifdef __EMSCRIPTEN__
    windowCamera = camera;
    backend::useMatrix(cameraMatrix(camera, width, height, camera.d / 2.0, camera.d * 2.0));
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
    backend::useMatrix(cameraMatrix(windowCamera, width, height));
#else
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glViewport(0, 0, width, height);
    gluPerspective(fieldOfView, double(float(double(width) / height)), nearPlane, farPlane);
#endif
    shownSize = WindowSize{width, height};
}
