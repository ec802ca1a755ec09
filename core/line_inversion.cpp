// line_inversion.cpp
// A line through O is its own image; a line that misses O becomes a circle through O.
#include "line_inversion.h"

#include "inversion.h"
#include "vec.h"

#include <cmath>

LineImage imageOfLine(Point p0, Point d, Point centre, float r) {
    const Line given{{p0.x, p0.y}, {d.x, d.y}, Black};
    LineImage image;
    // The test line through the origin meets the given line exactly at the origin when it passes through O.
    const Line testLine{{0.0f, 0.0f}, {-1.0f, -1.0f}, Black};
    Point meeting;
    const int code = intersectLines(testLine, given, &meeting);
    if (code == LinesEqual || (code == LinesCross && atCentre(meeting))) {
        image.throughCentre = true;
        return image;
    }
    image.perpendicular = Line{{centre.x, centre.y}, {-d.y, d.x}, Black};
    image.perpendicularShown = code == LinesParallel;
    Point foot;
    intersectLines(given, image.perpendicular, &foot);
    const Point farthest = invertPoint(foot, r);
    const float squaredLength = float(double(farthest.x) * farthest.x + double(farthest.y) * farthest.y);
    const float length = float(std::sqrt(double(squaredLength)));
    image.circle = Circle{{float(farthest.x * 0.5), float(farthest.y * 0.5)}, float(length * 0.5)};
    return image;
}

void buildLineInversion(Point p0, Point d) {
    const Line given{{p0.x, p0.y}, {d.x, d.y}, Black};
    addLine(Line{given.point, given.direction, Blue});
    const LineImage image = imageOfLine(p0, d, inversionCentre, inversionRadius);
    if (image.throughCentre) {
        addLine(Line{given.point, given.direction, Red});
        return;
    }
    if (image.perpendicularShown) {
        addLine(image.perpendicular);
    }
    addCircle(image.circle, Red);
}

Point footOfPerpendicular(Point a, Point b) {
    const double dx = double(b.x) - a.x;
    const double dy = double(b.y) - a.y;
    const double squared = dx * dx + dy * dy;
    if (squared == 0.0) {
        return a;
    }
    const double t = -(a.x * dx + a.y * dy) / squared;
    return Point{float(a.x + t * dx), float(a.y + t * dy)};
}
