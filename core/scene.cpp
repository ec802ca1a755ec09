// scene.cpp
// The scene store and its add operations.
#include "scene.h"

// Definition order is construction order.
std::list<Point> scenePoints;
std::list<Segment> sceneSegments;
std::list<Line> sceneLines;
std::list<Circle> sceneCircles;
Bounds SceneBounds;
const Point inversionCentre{0.0f, 0.0f, Black};
float inversionRadius = 0.0f;

// Each corner moves only outwards: a coordinate replaces the bound unless it lies strictly inside it.
static void growBounds(float minX, float minY, float maxX, float maxY) {
    if (!(minX > SceneBounds.lower.x)) {
        SceneBounds.lower.x = minX;
    }
    if (!(minY > SceneBounds.lower.y)) {
        SceneBounds.lower.y = minY;
    }
    if (!(SceneBounds.upper.x > maxX)) {
        SceneBounds.upper.x = maxX;
    }
    if (!(SceneBounds.upper.y > maxY)) {
        SceneBounds.upper.y = maxY;
    }
}

void addPoint(Point p, ColourCode colour) {
    p.colour = colour;
    scenePoints.push_back(p);
    growBounds(p.x, p.y, p.x, p.y);
}

void addCircle(Circle c, ColourCode colour) {
    c.colour = colour;
    sceneCircles.push_back(c);
    const double cx = c.centre.x;
    const double cy = c.centre.y;
    const double r = c.radius;
    growBounds(float(cx - r), float(cy - r), float(cx + r), float(cy + r));
}

void addLine(Line line) {
    sceneLines.push_back(line);
}

void addSegment(Segment segment) {
    sceneSegments.push_back(segment);
}

void clearScene() {
    scenePoints.clear();
    sceneSegments.clear();
    sceneLines.clear();
    sceneCircles.clear();
    SceneBounds = Bounds{};
}
