// line_inversion.cpp
// A line through O is its own image; a line that misses O becomes a circle through O.
#include "line_inversion.h"

#include "inversion.h"

#include <cmath>

void buildLineInversion(Point p0, Point d) {
    const Line given{{p0.x, p0.y}, {d.x, d.y}, Black};
    addLine(Line{given.point, given.direction, Blue});

    // The test line through the origin meets the given line exactly at the origin when it passes through O.
    const Line testLine{{0.0f, 0.0f}, {-1.0f, -1.0f}, Black};
    Point meeting;
    const int code = intersectLines(testLine, given, &meeting);
    if (code == LinesEqual || (code == LinesCross && meeting.x == 0.0f && meeting.y == 0.0f)) {
        addLine(Line{given.point, given.direction, Red});
        return;
    }

    // The foot F of the perpendicular from O is the point of the line nearest to O, so its image F' is the
    // point of the image circle farthest from O: O and F' are the ends of a diameter.
    const Line perpendicular{{inversionCentre.x, inversionCentre.y}, {-d.y, d.x}, Black};
    if (code == LinesParallel) {
        addLine(perpendicular);
    }
    Point foot;
    intersectLines(given, perpendicular, &foot);
    const Point image = invertPoint(foot, inversionRadius);
    const float squaredLength = float(double(image.x) * image.x + double(image.y) * image.y);
    const float length = float(std::sqrt(double(squaredLength)));
    const Circle imageCircle{{float(image.x * 0.5), float(image.y * 0.5)}, float(length * 0.5)};
    addCircle(imageCircle, Red);
}
