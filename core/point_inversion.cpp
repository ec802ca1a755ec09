// point_inversion.cpp
// The image of a single point P under inversion in k.
#include "point_inversion.h"

#include "console.h"
#include "inversion.h"
#include "task.h"

#include <cmath>

bool buildPointInversion(Point p, const char* explanation) {
    inversionRadius = circleOfInversionRadius;
    writeText(explanation);
    // The centre is the one point of the plane without an image, and no point has the centre as its image.
    if (p.x == inversionCentre.x && p.y == inversionCentre.y) {
        writeText(centreErrorText);
        return false;
    }
    registerCircleOfInversion();
    const Point image = invertPoint(p, inversionRadius);
    addPoint(p, Blue);
    addPoint(image, Red);
    return true;
}

std::array<Point, 2> contactPoints(Point p, float r) {
    const double squared = double(p.x) * p.x + double(p.y) * p.y;
    const double rr = double(r) * r;
    if (squared == 0.0) {
        return {Point{}, Point{}};
    }
    // The foot of the chord: p itself inside k, its image r^2 / |p|^2 p outside.
    const double footScale = squared <= rr ? 1.0 : rr / squared;
    const double fx = p.x * footScale;
    const double fy = p.y * footScale;
    const double half = std::sqrt(std::fmax(0.0, rr - (fx * fx + fy * fy)));
    const double ux = -p.y / std::sqrt(squared);
    const double uy = p.x / std::sqrt(squared);
    return {Point{float(fx + half * ux), float(fy + half * uy)}, Point{float(fx - half * ux), float(fy - half * uy)}};
}
