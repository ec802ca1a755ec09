// drawing.cpp
// The renderer's geometry, computed in double and rounded to float where OpenGL takes it.
#include "drawing.h"

#include <cmath>

static const Rgb palette[10] = {
    {1.0f, 0.0f, 0.0f}, // Red
    {0.0f, 1.0f, 0.0f}, // Green
    {0.0f, 0.0f, 1.0f}, // Blue
    {1.0f, 1.0f, 0.0f}, // Yellow
    {1.0f, 0.5f, 0.0f}, // Orange
    {1.0f, 0.0f, 1.0f}, // Magenta
    {0.0f, 1.0f, 1.0f}, // Cyan
    {0.5f, 0.0f, 0.5f}, // Purple
    {1.0f, 1.0f, 1.0f}, // White
    {0.0f, 0.0f, 0.0f}, // Black
};

// 2 pi as a double.
static const double fullTurn = 6.283185307179586;

const Rgb* paletteColour(ColourCode code) {
    if (code < 0 || code > 9) {
        return nullptr;
    }
    return &palette[code];
}

std::array<Point, 2> lineEnds(const Line& line) {
    const double x = line.point.x;
    const double y = line.point.y;
    const double dx = lineReach * line.direction.x;
    const double dy = lineReach * line.direction.y;
    return {Point{float(x + dx), float(y + dy)}, Point{float(x - dx), float(y - dy)}};
}

Point circleVertex(const Circle& circle, int i, int count) {
    const float angle = float(i * fullTurn / count);
    const float s = float(std::sin(double(angle)));
    const float c = float(std::cos(double(angle)));
    return Point{float(circle.centre.x + double(circle.radius) * c),
                 float(circle.centre.y + double(circle.radius) * s)};
}

std::array<Point, circleVertexCount> circleVertices(const Circle& circle) {
    std::array<Point, circleVertexCount> vertices;
    for (int i = 0; i < circleVertexCount; ++i) {
        vertices[i] = circleVertex(circle, i, circleVertexCount);
    }
    return vertices;
}

int outlineVertexCount(const Circle& circle, double pixelsPerUnit) {
    // A chord of the angle 2 pi / n strays radius * (1 - cos(pi / n)) from the circle.
    const double radius = std::fabs(double(circle.radius)) * pixelsPerUnit;
    const double stray = 0.25;
    // Enough for a circle a million pixels across; the browser's emulation of immediate mode holds 8192.
    const int mostVertices = 1 << 12;
    if (!(radius * (1.0 - std::cos(fullTurn / 2.0 / circleVertexCount)) > stray)) {
        return circleVertexCount;
    }
    const double n = std::ceil(fullTurn / 2.0 / std::acos(1.0 - stray / radius));
    return n < mostVertices ? int(n) : mostVertices;
}
