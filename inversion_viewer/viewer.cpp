// viewer.cpp
// The window and the camera.
#include "viewer.h"

#include "render.h"

#include <GL/glut.h>
#include <cmath>
#include <cstdio>

static const double pi = 3.14159265358979323846;

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
    std::printf("%s", text);
    std::fflush(stdout);
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
    glClearColor(0.9f, 0.9f, 0.8f, 0.0f);

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

void startViewer(int argc, char** argv) {
    openWindow(argc, argv, windowTitle, frameCamera(SceneBounds));
    glutDisplayFunc(displayScene);
    glutReshapeFunc(reshapeViewport);
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
}
