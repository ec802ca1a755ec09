// snapping.cpp
// P and P' snap onto k and onto whole coordinates, P onto O too; a line or a circle snaps so that it passes through
// O, and a circle so that it is k, is about O or crosses k at right angles.
#include "snapping.h"

#include "inversion.h"
#include "vec.h"

double touchUnitsPerPixel(double unitsPerPixel, double drawingPerCss) {
    return unitsPerPixel * std::fmax(1.0, 2.0 * drawingPerCss);
}

int handleCount(const GivenFigure& figure, float r) {
    switch (figure.kind) {
    case FigureKind::PointFigure: {
        const FigureCase shown = figureCase(figure, r);
        return shown == FigureCase::PointInside || shown == FigureCase::PointOutside ? 2 : 1;
    }
    case FigureKind::AngleFigure:
        return 3;
    case FigureKind::LineFigure:
    case FigureKind::CircleFigure:
        break;
    }
    return 2;
}

Point handleAt(const GivenFigure& figure, int handle, float r) {
    if (handle == 0) {
        return figure.first;
    }
    if (figure.kind == FigureKind::PointFigure) {
        return invertPoint(figure.first, r);
    }
    return handle == 1 ? figure.second : figure.third;
}

int nearestHandle(const GivenFigure& figure, Point q, double unitsPerPixel, float r) {
    const int count = handleCount(figure, r);
    int nearest = -1;
    double best = grabPixels * unitsPerPixel;
    for (int handle = 0; handle < count; ++handle) {
        const double d = distance(q, handleAt(figure, handle, r));
        if (d <= best) {
            nearest = handle;
            best = d;
        }
    }
    return nearest;
}

// The point with whole coordinates nearest to q, when it is within gridPixels (and toGrid).
static Point onGrid(Point q, double unitsPerPixel, bool toGrid = true) {
    const Point whole{std::round(q.x), std::round(q.y)};
    return toGrid && distance(q, whole) <= gridPixels * unitsPerPixel ? whole : q;
}

// P snaps onto O, onto k (where a point of k with whole coordinates, such as (3, 4), is within gridPixels, onto
// that point), and onto points with whole coordinates, in this order.
static Point snapPoint(Point q, float r, double unitsPerPixel, bool toGrid) {
    const double snap = snapPixels * unitsPerPixel;
    const double fromO = norm(q);
    if (fromO <= snap) {
        return Point{0.0f, 0.0f};
    }
    if (std::fabs(fromO - r) > snap) {
        return onGrid(q, unitsPerPixel, toGrid);
    }
    const Point whole = onGrid(q, unitsPerPixel, toGrid);
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

// p moved along the ray from c to the distance radius.
static Point atDistance(Point p, Point c, double radius) {
    const double scale = radius / distance(p, c);
    return Point{float(c.x + (double(p.x) - c.x) * scale), float(c.y + (double(p.y) - c.y) * scale)};
}

// A circle whose outline passes near O is made to pass through it. Its centre C moves to the perpendicular
// bisector of O and R, where the centres of the circles through both lie; its point R moves along the ray from C
// to the distance |OC|. C near O moves onto O; then R near k moves onto k. R near the circle about C that crosses
// k at right angles, of radius sqrt(|OC|^2 - r^2), moves onto it (of it and the circle through O, onto the nearer).
static Point snapCircleHandle(Point p, int handle, Point other, double snap, float r) {
    if (handle == 0 && norm(p) <= snap) {
        return Point{0.0f, 0.0f};
    }
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
    if (radius == 0.0) {
        return p;
    }
    if (fromO == 0.0) {
        return std::fabs(radius - r) <= snap ? atDistance(p, other, r) : p;
    }
    double target = fromO;
    if (fromO > r) {
        const double crossing = std::sqrt(fromO * fromO - double(r) * r);
        target = std::fabs(radius - crossing) < std::fabs(radius - fromO) ? crossing : fromO;
    }
    return std::fabs(radius - target) <= snap ? atDistance(p, other, target) : p;
}

// X near O moves onto O; otherwise each line through X turns about its other handle onto O as the line figure's
// does, the line XA first.
static Point snapAngleHandle(const GivenFigure& figure, int handle, Point p, double snap) {
    if (handle != 0) {
        return snapLineHandle(p, figure.first, snap);
    }
    if (norm(p) <= snap) {
        return Point{0.0f, 0.0f};
    }
    const Point turned = snapLineHandle(p, figure.second, snap);
    return turned.x != p.x || turned.y != p.y ? turned : snapLineHandle(p, figure.third, snap);
}

GivenFigure moveHandle(GivenFigure figure, int handle, Point q, float r, double unitsPerPixel, bool toGrid) {
    if (figure.kind == FigureKind::PointFigure) {
        const Point p = snapPoint(q, r, unitsPerPixel, toGrid);
        if (handle == 1 && atCentre(p)) {
            return figure; // O is the image of no point
        }
        figure.first = handle == 0 ? p : invertPoint(p, r);
        return figure;
    }
    const double snap = snapPixels * unitsPerPixel;
    const double gap = handleGapPixels * unitsPerPixel;
    Point p = onGrid(q, unitsPerPixel, toGrid);
    if (figure.kind == FigureKind::AngleFigure) {
        p = snapAngleHandle(figure, handle, p, snap);
        // X stays apart from A and from B; A and B from X.
        const bool apart = handle == 0 ? distance(p, figure.second) >= gap && distance(p, figure.third) >= gap
                                       : distance(p, figure.first) >= gap;
        if (apart) {
            (handle == 0 ? figure.first : handle == 1 ? figure.second : figure.third) = Point{p.x, p.y};
        }
        return figure;
    }
    const Point other = handle == 0 ? figure.second : figure.first;
    p = figure.kind == FigureKind::LineFigure ? snapLineHandle(p, other, snap)
                                              : snapCircleHandle(p, handle, other, snap, r);
    if (distance(p, other) < gap) {
        return figure;
    }
    (handle == 0 ? figure.first : figure.second) = Point{p.x, p.y};
    return figure;
}
