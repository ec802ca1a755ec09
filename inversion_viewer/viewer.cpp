// viewer.cpp
// The window and the camera.
#include "viewer.h"

#include "export.h"
#include "render.h"

#include <GL/glut.h>
#include <cmath>
#include <cstdio>

static const double pi = 3.14159265358979323846;

// What the console has been told, for a figure's description.
static std::string consoleText;
// The window's size as the last reshape gave it.
static WindowSize shownSize;
// The ten programs' figure: what the key s saves.
static Camera programCamera;
static std::string programName;
static std::string programExplanation;

Camera frameCamera(const Bounds& box) {
    Camera camera;
    camera.cx = float((double(box.lower.x) + box.upper.x) * 0.5);
    camera.cy = float((double(box.lower.y) + box.upper.y) * 0.5);
    camera.extentX = float(box.upper.x + std::fabs(double(box.lower.x)));
    camera.extentY = float(box.upper.y + std::fabs(double(box.lower.y)));
    camera.d = camera.extentY > camera.extentX ? float(2.0 * camera.extentY) : float(2.0 * camera.extentX);
    return camera;
}

double unitsPerPixel(const Camera& camera, int height) {
    return 2.0 * camera.d * std::tan(fieldOfView / 2.0 * pi / 180.0) / (height > 0 ? height : 1);
}

Point sceneOfPixel(const Camera& camera, int width, int height, int x, int y) {
    const double scale = unitsPerPixel(camera, height);
    return Point{float(camera.cx + (x + 0.5 - width / 2.0) * scale),
                 float(camera.cy + (height / 2.0 - y - 0.5) * scale)};
}

void writeText(const char* text) {
    std::fputs(text, stdout);
    std::fflush(stdout);
    consoleText += text;
}

std::string decimalText(double value, int decimals) {
    double scale = 1.0;
    for (int i = 0; i < decimals; ++i) {
        scale *= 10.0;
    }
    // Whole units of 10^-decimals, within what a long long holds at six decimals.
    const double limit = 1e12;
    const long long units = std::llround(std::fmax(-limit, std::fmin(limit, value)) * scale);
    std::string digits = std::to_string(units < 0 ? -units : units);
    if (int(digits.size()) <= decimals) {
        digits.insert(0, std::size_t(decimals + 1) - digits.size(), '0');
    }
    const std::size_t point = digits.size() - std::size_t(decimals);
    const std::string text = digits.substr(0, point) + (decimals > 0 ? "." + digits.substr(point) : "");
    return units < 0 ? "-" + text : text;
}

const std::string& writtenText() {
    return consoleText;
}

WindowSize shownWindowSize() {
    return shownSize;
}

void registerCircleOfInversion() {
    addCircle(Circle{inversionCentre, inversionRadius}, Black);
    addPoint(inversionCentre, Black);
}

void openWindow(int argc, char** argv, const char* title, const Camera& camera) {
    int glutArgc = argc;
    glutInit(&glutArgc, argv);
    glutInitDisplayMode(GLUT_RGB | GLUT_DOUBLE | GLUT_DEPTH);
    glutInitWindowSize(windowWidth, windowHeight);
    glutInitWindowPosition(windowX, windowY);
    glutCreateWindow(title);
    glClearColor(clearColour.red, clearColour.green, clearColour.blue, 0.0f);

    // This projection is replaced by the first reshape, before anything is drawn.
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(30.0, 1.0, 1.0, 20.0);
    gluLookAt(camera.cx, camera.cy, camera.d, camera.cx, camera.cy, 0.0, 0.0, 1.0, 0.0);
    // Every frame sees the plane z = 0 face-on from distance d, centred on the middle of the box.
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glTranslatef(-camera.cx, -camera.cy, -camera.d);
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
    programExplanation = consoleText;
    programCamera = frameCamera(SceneBounds);
    openWindow(argc, argv, windowTitle, programCamera);
    glutDisplayFunc(displayScene);
    glutReshapeFunc(reshapeViewport);
    glutKeyboardFunc(saveKey);
    glutMainLoop();
}

void reshapeViewport(int width, int height) {
    if (height == 0) {
        height = 1;
    }
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glViewport(0, 0, width, height);
    gluPerspective(fieldOfView, double(float(double(width) / height)), 1.0, 1000.0);
    shownSize = WindowSize{width, height};
}
