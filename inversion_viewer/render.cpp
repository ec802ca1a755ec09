// render.cpp
// The renderer. The geometry is computed by the core's pure functions; the GL code only hands it over.
#include "render.h"

#include <GL/glut.h>

void setColour(ColourCode code) {
    if (const Rgb* rgb = paletteColour(code)) {
        glColor3f(rgb->red, rgb->green, rgb->blue);
    }
}

void drawLine(Line line) {
    setColour(line.colour);
    glBegin(GL_LINES);
    for (const Point& v : lineEnds(line)) {
        glVertex2f(v.x, v.y);
    }
    glEnd();
}

// A closed polygon of count vertices.
static void drawOutline(const Circle& circle, int count) {
    setColour(circle.colour);
    glBegin(GL_LINE_LOOP);
    for (int i = 0; i < count; ++i) {
        const Point v = circleVertex(circle, i, count);
        glVertex2f(v.x, v.y);
    }
    glEnd();
}

void drawCircle(Circle circle) {
    drawOutline(circle, circleVertexCount);
}

static void drawSegment(const Segment& segment) {
    glPointSize(dotSize);
    setColour(segment.colour);
    glBegin(GL_LINES);
    glVertex2f(segment.start.x, segment.start.y);
    glVertex2f(segment.end.x, segment.end.y);
    glEnd();
    glBegin(GL_POINTS);
    glVertex2f(segment.start.x, segment.start.y);
    glVertex2f(segment.end.x, segment.end.y);
    glEnd();
}

static void drawPoint(const Point& point) {
    setColour(point.colour);
    glPointSize(dotSize);
    glBegin(GL_POINTS);
    glVertex2f(point.x, point.y);
    glEnd();
}

void drawScene(double pixelsPerUnit) {
    glPushMatrix();
    for (const Circle& circle : sceneCircles) {
        drawOutline(circle, pixelsPerUnit > 0.0 ? outlineVertexCount(circle, pixelsPerUnit) : circleVertexCount);
    }
    for (const Line& line : sceneLines) {
        drawLine(line);
    }
    for (const Segment& segment : sceneSegments) {
        drawSegment(segment);
    }
    for (const Point& point : scenePoints) {
        drawPoint(point);
    }
    glPopMatrix();
}

void drawLabels(const std::vector<Label>& labels, double unitsPerPixel) {
    for (const Label& label : labels) {
        setColour(label.colour);
        glBegin(GL_LINES);
        for (const auto& stroke : labelStrokes(label, unitsPerPixel)) {
            glVertex2f(stroke[0].x, stroke[0].y);
            glVertex2f(stroke[1].x, stroke[1].y);
        }
        glEnd();
    }
}

void displayScene() {
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    drawScene();
    glFlush();
    glutSwapBuffers();
}
