// drawing.h
// What the renderer draws, as numbers: the palette, the two ends of a drawn line and the vertices of a circle's
// outline. The viewer hands these to OpenGL; the exporter writes them into files.
#pragma once

#include "scene.h"

#include <array>

/// A line is drawn from point + lineReach * direction to point - lineReach * direction.
constexpr double lineReach = 100.0;
/// Number of vertices of the polygon that stands for a circle.
constexpr int circleVertexCount = 100;
/// Size in pixels of the dots of points and of segment ends.
constexpr float dotSize = 4.0f;

/// RGB colour as handed to glColor3f.
struct Rgb {
    float red = 0.0f;
    float green = 0.0f;
    float blue = 0.0f;
};

/// The colour every frame is cleared to before anything is drawn: a pale beige.
constexpr Rgb clearColour{0.9f, 0.9f, 0.8f};

/// The palette entry of a code, or nullptr for a code outside 0..9.
const Rgb* paletteColour(ColourCode code);

/// The two ends of the drawn piece of a line, from parameter +lineReach to -lineReach.
std::array<Point, 2> lineEnds(const Line& line);

/// Vertex i of an outline of count vertices, at angle 2 pi i / count counter-clockwise from (centre.x + radius,
/// centre.y).
Point circleVertex(const Circle& circle, int i, int count);

/// The vertices of the outline of a circle, counter-clockwise from (centre.x + radius, centre.y).
std::array<Point, circleVertexCount> circleVertices(const Circle& circle);

/// The number of vertices that keeps the polygon of a circle within a quarter of a pixel of the true circle when
/// one scene unit is pixelsPerUnit pixels: circleVertexCount, or more for a circle hundreds of pixels across.
int outlineVertexCount(const Circle& circle, double pixelsPerUnit);
