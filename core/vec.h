// vec.h
// Small vector helpers on the scene's points, computed in double: lengths, the cross product, the vector from one
// point to another, scaling and a quarter turn.
#pragma once

#include "scene.h"

#include <cmath>

/// Half the length of a drawn line or ray, in scene units: beyond the edge of any window.
constexpr double drawnReach = 1000.0;

/// Whether a point is O itself: the one point that has no image.
inline bool atCentre(Point p) {
    return p.x == 0.0f && p.y == 0.0f;
}

/// |p|, the distance from O.
inline double norm(Point p) {
    return std::hypot(double(p.x), double(p.y));
}

/// |ab|.
inline double distance(Point a, Point b) {
    return std::hypot(double(a.x) - b.x, double(a.y) - b.y);
}

/// The 2-D cross product a x b: positive when b lies counter-clockwise of a, zero when they are parallel.
inline double cross(Point a, Point b) {
    return double(a.x) * b.y - double(a.y) * b.x;
}

/// The vector from one point to another, to - from.
inline Point towards(Point from, Point to) {
    return Point{float(double(to.x) - from.x), float(double(to.y) - from.y)};
}

/// s p.
inline Point scaled(Point p, double s) {
    return Point{float(p.x * s), float(p.y * s)};
}

/// p turned a quarter turn counter-clockwise.
inline Point turned(Point p) {
    return Point{-p.y, p.x};
}
