// inversion.h
// Plane geometry on the scene's records: the image of a point under inversion, the meeting of two lines.
#pragma once

#include "scene.h"

/// Result codes of intersectLines.
enum : int {
    LinesParallel = 0, ///< parallel and distinct; out is not written
    LinesCross = 1,    ///< one crossing point, written to out.x and out.y
    LinesEqual = 2,    ///< the same line; out is not written
};

/// Relative tolerance of the parallel tests in intersectLines: the single-precision 0.00001.
constexpr float lineTolerance = 0.00001f;

/// The image of p under inversion in the circle of centre (0, 0) and radius r: the point on the ray from
/// the origin through p at distance r * r / |p|. A point on the circle is its own image (up to rounding).
/// The result is Black; p's colour is not read.
/// The centre itself has no image: for p = (0, 0) the result is (0, 0), the centre returned unchanged.
Point invertPoint(Point p, float r);

/// Classifies the lines a and b and, when they cross, writes the crossing point (taken along a) to
/// out->x and out->y; out->colour is never written. Degenerate directions fall into the parallel tests.
int intersectLines(Line a, Line b, Point* out);
