// backend_gl.cpp
// The native back end: each primitive in immediate mode, one glBegin/glEnd each, in the colour of its record.
#include "backend.h"
#include "render.h"

#include <GL/glut.h>

void setColour(ColourCode code) {
    if (const Rgb* rgb = paletteColour(code)) {
        glColor3f(rgb->red, rgb->green, rgb->blue);
    }
}

namespace backend {

// The dots' size: dotSize until a program asks for another.
static float shownDotSize = dotSize;

void strokeSizes(float lineWidth, float dots) {
    glLineWidth(lineWidth);
    shownDotSize = dots;
}

void beginScene() {
    glPushMatrix();
}

void endScene() {
    glPopMatrix();
}

void outline(ColourCode colour, const Point* vertices, int count) {
    setColour(colour);
    glBegin(GL_LINE_LOOP);
    for (int i = 0; i < count; ++i) {
        glVertex2f(vertices[i].x, vertices[i].y);
    }
    glEnd();
}

void line(ColourCode colour, Point a, Point b) {
    setColour(colour);
    glBegin(GL_LINES);
    glVertex2f(a.x, a.y);
    glVertex2f(b.x, b.y);
    glEnd();
}

void dot(ColourCode colour, Point at) {
    setColour(colour);
    glPointSize(shownDotSize);
    glBegin(GL_POINTS);
    glVertex2f(at.x, at.y);
    glEnd();
}

void strokes(ColourCode colour, const std::vector<std::array<Point, 2>>& pairs) {
    setColour(colour);
    glBegin(GL_LINES);
    for (const auto& stroke : pairs) {
        glVertex2f(stroke[0].x, stroke[0].y);
        glVertex2f(stroke[1].x, stroke[1].y);
    }
    glEnd();
}

void endFrame() {
    glFlush();
    glutSwapBuffers();
}

} // namespace backend
