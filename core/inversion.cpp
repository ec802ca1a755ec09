// inversion.cpp
// Inversion about the origin and the intersection of two lines.
#include "inversion.h"

#include "vec.h"

Point invertPoint(Point p, float r) {
    const double n = double(p.x) * p.x + double(p.y) * p.y;
    const double s = double(r) * r;
    if (n == 0.0) {
        return Point{0.0f, 0.0f, Black};
    }
    return Point{float(p.x * s / n), float(p.y * s / n), Black};
}

int intersectLines(Line a, Line b, Point* out) {
    const Point& p1 = a.point;
    const Point& d1 = a.direction;
    const Point& d2 = b.direction;
    const Point e = towards(p1, b.point);
    const double ex = e.x;
    const double ey = e.y;
    const double num = float(cross(e, d2));
    const double dirCross = float(cross(d1, d2));
    const double len1 = float(double(d1.x) * d1.x + double(d1.y) * d1.y);
    const double len2 = float(double(d2.x) * d2.x + double(d2.y) * d2.y);
    const double eps = lineTolerance;

    // The directions are parallel when sin^2 of the angle between them is within eps.
    if (dirCross * dirCross > len2 * (len1 * eps)) {
        const double t = float(num / dirCross);
        out->x = float(p1.x + t * d1.x);
        out->y = float(p1.y + t * d1.y);
        return LinesCross;
    }
    // Parallel: the same line when b's point lies on a within the same relative tolerance. The offset is
    // crossed with b's direction but scaled by a's length, which for equal lengths is the relative test.
    const double lenE = float(ex * ex + ey * ey);
    if (num * num > (len1 * eps) * lenE) {
        return LinesParallel;
    }
    return LinesEqual;
}
