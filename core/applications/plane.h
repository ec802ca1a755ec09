// plane.h
// The applications' own plane records, in double: the chains of circles must close to far below what a float holds,
// so points, circles and lines are worked out here and turned into the scene's float records only to be drawn.
#pragma once

#include "scene.h"

#include <cmath>

/// The radius of k, about O, in scene units: every application inverts in k of radius 5.
constexpr double radiusOfK = 5.0;

/// A point, or a vector, in scene units.
struct PlanePoint {
    double x = 0.0; ///< abscissa, in scene units
    double y = 0.0; ///< ordinate, in scene units
};

/// A circle about a centre.
struct PlaneCircle {
    PlanePoint centre;   ///< centre, in scene units
    double radius = 0.0; ///< radius, in scene units
};

/// The line of the points point + t * direction for every real t.
struct PlaneLine {
    PlanePoint point;     ///< one point of the line, in scene units
    PlanePoint direction; ///< of length 1
};

inline PlanePoint operator+(PlanePoint a, PlanePoint b) {
    return {a.x + b.x, a.y + b.y};
}

inline PlanePoint operator-(PlanePoint a, PlanePoint b) {
    return {a.x - b.x, a.y - b.y};
}

inline PlanePoint operator*(double s, PlanePoint p) {
    return {s * p.x, s * p.y};
}

/// a . b.
inline double dot(PlanePoint a, PlanePoint b) {
    return a.x * b.x + a.y * b.y;
}

/// |p|, the distance from O.
inline double norm(PlanePoint p) {
    return std::hypot(p.x, p.y);
}

/// |ab|.
inline double distance(PlanePoint a, PlanePoint b) {
    return norm(b - a);
}

/// p turned a quarter turn counter-clockwise.
inline PlanePoint turned(PlanePoint p) {
    return {-p.y, p.x};
}

/// The point at the given angle (radians, counter-clockwise from the x-axis) on a circle.
inline PlanePoint onCircle(const PlaneCircle& c, double angle) {
    return c.centre + c.radius * PlanePoint{std::cos(angle), std::sin(angle)};
}

/// The angle (radians, in (-pi, pi]) at which p is seen from a centre.
inline double angleAbout(PlanePoint centre, PlanePoint p) {
    return std::atan2(p.y - centre.y, p.x - centre.x);
}

/// The image of p under inversion in the circle about centre with the given radius: on the ray from the centre
/// through p, at radius^2 / |p - centre| from it. The centre itself has no image: it is returned unchanged.
PlanePoint invertedAbout(PlanePoint p, PlanePoint centre, double radius);

/// The image of a circle that misses the centre of inversion: a circle again, its centre on the ray from the centre
/// of inversion through c's centre, scaled by radius^2 / |power|, where power is the power of the centre of inversion
/// with respect to c.
PlaneCircle invertedCircle(const PlaneCircle& c, PlanePoint centre, double radius);

/// The image of p in k; O itself is returned unchanged.
PlanePoint imageInK(PlanePoint p);

/// The image in k of the circle through O about the given centre (not O): the line at right angles to the ray from
/// O through the centre, its point the image of the circle's far end and its direction counter-clockwise about O.
PlaneLine imageOfCircleThroughO(PlanePoint centre);

/// The point of c nearest to p; for p at c's centre, where every point is as near, the point at angle 0.
PlanePoint nearestOnCircle(const PlaneCircle& c, PlanePoint p);

/// p as the scene's float point, in the given colour.
Point scenePoint(PlanePoint p, ColourCode colour);

/// c as the scene's float circle, in the given colour.
Circle sceneCircle(const PlaneCircle& c, ColourCode colour);

/// The line as the scene's line, drawn (as spanView draws it) far beyond any window.
Line sceneLine(const PlaneLine& line, ColourCode colour);
