// webgl_figure.cpp
// A construction's figure drawn by the pages' own WebGL back end (web build only): given "LOOPS LINES DOTS" in the
// page's query (?6,12,12) it draws that many 100-vertex circles, lines across the view and dots, in black, blue and
// red in turn, under the explorer's starting camera. The page calls repaint(width, frames): it draws the figure that
// many times with lines width pixels wide (the red ones twice as wide, as the explorer draws the image) and dots as
// the explorer's grow with them, reads a pixel back after each frame so that the drawing has ended, and returns the
// milliseconds it took. A projector's 3-pixel lines, drawn as triangles, against the 1-pixel lines WebGL draws itself.
#include "backend.h"
#include "camera.h"

#include <GL/glut.h>
#include <GLES2/gl2.h>
#include <cmath>
#include <emscripten.h>

static int loops = 6;
static int lines = 12;
static int dots = 12;

// Black, blue, red in turn, as the figures use them.
static ColourCode colour(int i) {
    return i % 3 == 0 ? Black : i % 3 == 1 ? Blue : Red;
}

static void drawFigure(float width) {
    static const Camera camera = frameCamera(Bounds{Point{-8.0f, -8.0f}, Point{8.0f, 8.0f}});
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    backend::useMatrix(cameraMatrix(camera, windowWidth, windowHeight), windowWidth, windowHeight);
    const float dotSize = 4.0f + 2.0f * (width - 1.0f);
    for (int k = 0; k < loops; ++k) {
        backend::strokeSizes(colour(k) == Red ? 2.0f * width : width, dotSize);
        Point circle[100];
        for (int i = 0; i < 100; ++i) {
            const double angle = i * 6.283185307179586 / 100.0;
            circle[i] = Point{float((5.0 - k) * std::cos(angle)), float((5.0 - k) * std::sin(angle))};
        }
        backend::outline(colour(k), circle, 100);
    }
    for (int k = 0; k < lines; ++k) {
        backend::strokeSizes(colour(k + 1) == Red ? 2.0f * width : width, dotSize);
        backend::line(colour(k + 1), Point{-100.0f + float(k), 100.0f}, Point{100.0f + float(k), -100.0f});
    }
    backend::strokeSizes(width, dotSize);
    for (int k = 0; k < dots; ++k) {
        backend::dot(colour(k + 2), Point{float(k), float(k)});
    }
    backend::endFrame();
}

extern "C" EMSCRIPTEN_KEEPALIVE double repaint(float width, int frames) {
    unsigned char pixel[4];
    const double start = emscripten_get_now();
    for (int i = 0; i < frames; ++i) {
        drawFigure(width);
        glReadPixels(0, 0, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, pixel);
    }
    return emscripten_get_now() - start;
}

static void display() {
    drawFigure(1.0f);
}

int main(int argc, char** argv) {
    glutInit(&argc, argv);
    // The i-th number of the query, or the figure's own without one.
    const auto asked = [](int i, int otherwise) {
        return EM_ASM_INT({ return Number(location.search.slice(1).split(',')[$0]) || $1; }, i, otherwise);
    };
    loops = asked(0, loops);
    lines = asked(1, lines);
    dots = asked(2, dots);
    glutInitDisplayMode(GLUT_RGB | GLUT_DOUBLE | GLUT_DEPTH);
    glutInitWindowSize(windowWidth, windowHeight);
    glutCreateWindow("Geometrija - prikaz zadatka");
    glClearColor(0.9f, 0.9f, 0.8f, 0.0f);
    glutDisplayFunc(display);
    glutMainLoop();
    return 0;
}
