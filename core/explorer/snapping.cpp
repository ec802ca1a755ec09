// snapping.cpp
// P snaps onto O, onto k and onto whole coordinates; a line or a circle snaps so that it passes through O.
#include "snapping.h"

#include "vec.h"

int nearestHandle(const GivenFigure& figure, Point q, double unitsPerPixel) {
    const int count = figure.kind == FigureKind::PointFigure ? 1 : 2;
    int nearest = -1;
    double best = grabPixels * unitsPerPixel;
    for (int handle = 0; handle < count; ++handle) {
        const double d = distance(q, handle == 0 ? figure.first : figure.second);
        if (d <= best) {
            nearest = handle;
            best = d;
        }
    }
    return nearest;
}

// The point with whole coordinates nearest to q, when it is within gridPixels.
static Point onGrid(Point q, double unitsPerPixel) {
    const Point whole{std::round(q.x), std::round(q.y)};
    return distance(q, whole) <= gridPixels * unitsPerPixel ? whole : q;
}

// P snaps onto O, onto k (where a point of k with whole coordinates, such as (3, 4), is within gridPixels, onto
// that point), and onto points with whole coordinates, in this order.
static Point snapPoint(Point q, float r, double unitsPerPixel) {
    const double snap = snapPixels * unitsPerPixel;
    const double fromO = norm(q);
    if (fromO <= snap) {
        return Point{0.0f, 0.0f};
    }
    if (std::fabs(fromO - r) > snap) {
        return onGrid(q, unitsPerPixel);
    }
    const Point whole = onGrid(q, unitsPerPixel);
    if (double(whole.x) * whole.x + double(whole.y) * whole.y == double(r) * r) {
        return whole;
    }
    return Point{float(q.x * (r / fromO)), float(q.y * (r / fromO))};
}

// A line through p and the other handle that passes near O turns about the other handle onto O: p moves to its
// projection on the line through O and the other handle.
static Point snapLineHandle(Point p, Point other, double snap) {
    const double gap = distance(p, other);
    const double otherSquared = double(other.x) * other.x + double(other.y) * other.y;
    if (gap == 0.0 || otherSquared == 0.0 || std::fabs(cross(p, other)) / gap > snap) {
        return p;
    }
    const double t = (double(p.x) * other.x + double(p.y) * other.y) / otherSquared;
    return Point{float(other.x * t), float(other.y * t)};
}

// A circle whose outline passes near O is made to pass through it. Its centre C moves to the perpendicular
// bisector of O and R, where the centres of the circles through both lie; its point R moves along the ray from C
// to the distance |OC|.
static Point snapCircleHandle(Point p, int handle, Point other, double snap) {
    if (handle == 0) {
        const double fromO = norm(p);
        const double radius = distance(p, other);
        const double otherSquared = double(other.x) * other.x + double(other.y) * other.y;
        if (otherSquared == 0.0 || std::fabs(fromO - radius) > snap) {
            return p;
        }
        const double hx = other.x / 2.0;
        const double hy = other.y / 2.0;
        const double t = ((p.x - hx) * -double(other.y) + (p.y - hy) * double(other.x)) / otherSquared;
        return Point{float(hx - t * other.y), float(hy + t * other.x)};
    }
    const double fromO = norm(other);
    const double radius = distance(p, other);
    if (fromO == 0.0 || radius == 0.0 || std::fabs(fromO - radius) > snap) {
        return p;
    }
    const double scale = fromO / radius;
    return Point{float(other.x + (double(p.x) - other.x) * scale), float(other.y + (double(p.y) - other.y) * scale)};
}

GivenFigure moveHandle(GivenFigure figure, int handle, Point q, float r, double unitsPerPixel) {
    if (figure.kind == FigureKind::PointFigure) {
        figure.first = snapPoint(q, r, unitsPerPixel);
        return figure;
    }
    const double snap = snapPixels * unitsPerPixel;
    const Point other = handle == 0 ? figure.second : figure.first;
    Point p = onGrid(q, unitsPerPixel);
    p = figure.kind == FigureKind::LineFigure ? snapLineHandle(p, other, snap)
                                              : snapCircleHandle(p, handle, other, snap);
    if (distance(p, other) < handleGapPixels * unitsPerPixel) {
        return figure;
    }
    (handle == 0 ? figure.first : figure.second) = Point{p.x, p.y};
    return figure;
}
