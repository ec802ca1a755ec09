// figure.cpp
// Which case a figure is in, and its image: the images come from the line and circle programs' own functions and
// invertPoint.
#include "figure.h"

#include "circle_inversion.h"
#include "drawing.h"
#include "inversion.h"
#include "line_inversion.h"
#include "vec.h"

GivenFigure startFigure(FigureKind kind) {
    switch (kind) {
    case FigureKind::LineFigure:
        return GivenFigure{kind, {2.0f, 2.0f}, {0.0f, 1.0f}};
    case FigureKind::CircleFigure:
        return GivenFigure{kind, {2.0f, 2.0f}, {4.0f, 2.0f}};
    case FigureKind::AngleFigure:
        return GivenFigure{kind, {1.0f, 2.0f}, {4.0f, 2.0f}, {3.0f, 3.0f}};
    case FigureKind::PointFigure:
        break;
    }
    return GivenFigure{FigureKind::PointFigure, {2.0f, 2.0f}, {2.0f, 2.0f}};
}

Circle givenCircle(const GivenFigure& figure) {
    return Circle{{figure.first.x, figure.first.y}, float(distance(figure.first, figure.second))};
}

FigureCase figureCase(const GivenFigure& figure, float r) {
    const Point a = figure.first;
    const Point b = figure.second;
    switch (figure.kind) {
    case FigureKind::LineFigure: {
        // A, O and B lie on one line when the sine of the angle AOB is zero; the line programs' own test decides
        // the lines that it takes for lines through O.
        const bool through = std::fabs(cross(a, b)) <= roundingTolerance * norm(a) * norm(b) ||
                             imageOfLine(a, towards(a, b), inversionCentre, r).throughCentre;
        return through ? FigureCase::LineThroughCentre : FigureCase::LineMissesCentre;
    }
    case FigureKind::CircleFigure: {
        const double fromO = norm(a);
        const double radius = distance(a, b);
        if (atCentre(a)) {
            return std::fabs(radius - r) <= roundingTolerance * r ? FigureCase::CircleIsK
                                                                  : FigureCase::CircleAboutCentre;
        }
        // O lies on the circle when it is as far from C as R is.
        const bool through = powerOfCentre(givenCircle(figure)) == 0.0 ||
                             std::fabs(fromO - radius) <= roundingTolerance * std::fmax(fromO, radius);
        if (through) {
            return FigureCase::CircleThroughCentre;
        }
        // At a crossing point T the radii OT and CT are perpendicular when |OC|^2 = |OT|^2 + |CT|^2.
        const double excess = fromO * fromO - double(r) * r - radius * radius;
        return std::fabs(excess) <= roundingTolerance * fromO * fromO ? FigureCase::CircleAtRightAngles
                                                                      : FigureCase::CircleMissesCentre;
    }
    case FigureKind::AngleFigure:
        return atCentre(a) ? FigureCase::AngleAtCentre : FigureCase::AnglesKept;
    case FigureKind::PointFigure:
        break;
    }
    if (atCentre(a)) {
        return FigureCase::PointAtCentre;
    }
    const double fromO = norm(a);
    if (std::fabs(fromO - r) <= roundingTolerance * r) {
        return FigureCase::PointOnCircle;
    }
    return fromO < r ? FigureCase::PointInside : FigureCase::PointOutside;
}

const Sentence& caseSentence(FigureCase figureCase) {
    // In the order of FigureCase.
    static const Sentence* const sentences[] = {
        &Sentence::PointInside,         &Sentence::PointOutside,        &Sentence::PointOnCircle,
        &Sentence::PointAtCentre,       &Sentence::LineMissesCentre,    &Sentence::LineThroughCentre,
        &Sentence::CircleThroughCentre, &Sentence::CircleMissesCentre,  &Sentence::CircleIsK,
        &Sentence::CircleAboutCentre,   &Sentence::CircleAtRightAngles, &Sentence::AnglesKept,
        &Sentence::AngleAtCentre};
    return *sentences[int(figureCase)];
}

Line spanView(const Line& line) {
    const double px = line.point.x;
    const double py = line.point.y;
    const double dx = line.direction.x;
    const double dy = line.direction.y;
    const double squared = dx * dx + dy * dy;
    if (!(squared > 0.0)) {
        return line;
    }
    const double t = -(px * dx + py * dy) / squared;
    const double scale = drawnReach / lineReach / std::sqrt(squared);
    return Line{{float(px + t * dx), float(py + t * dy)}, {float(dx * scale), float(dy * scale)}, line.colour};
}

bool lineThroughCentre(Point x, Point other) {
    return std::fabs(cross(x, other)) <= roundingTolerance * norm(x) * norm(other);
}

Circle imageOfLineThrough(Point x, Point other, float r) {
    const double dx = double(other.x) - x.x;
    const double dy = double(other.y) - x.y;
    const double t = -(x.x * dx + x.y * dy) / (dx * dx + dy * dy);
    const double fx = x.x + t * dx;
    const double fy = x.y + t * dy;
    // F' = r^2 F / |F|^2; the centre is half way to it.
    const double half = double(r) * r / (fx * fx + fy * fy) / 2.0;
    return Circle{{float(fx * half), float(fy * half)}, float(std::hypot(fx, fy) * half)};
}

std::array<Point, 2> pointsFixingImageLine(const GivenFigure& figure) {
    // D, opposite O (the construction's D), and E, a quarter turn on from D: both as far from O as the circle allows,
    // so that their images, and the line through them, are well fixed.
    const Point c = figure.first;
    return {pointsOnLineOC(givenCircle(figure))[0], Point{float(double(c.x) - c.y), float(double(c.y) + c.x)}};
}

void addGivenFigure(Picture& picture, const GivenFigure& figure) {
    std::vector<Shape>& add = picture.shapes;
    const Point a = figure.first;
    const Point b = figure.second;
    if (figure.kind == FigureKind::LineFigure || figure.kind == FigureKind::AngleFigure) {
        add.push_back(lineShape(spanView(Line{a, towards(a, b)}), Role::Given));
    } else if (figure.kind == FigureKind::CircleFigure) {
        add.push_back(circleShape(givenCircle(figure), Role::Given));
    }
    if (figure.kind == FigureKind::AngleFigure) {
        add.push_back(lineShape(spanView(Line{a, towards(a, figure.third)}), Role::Given));
    }
    add.push_back(dotShape(a, Role::Given));
    if (figure.kind != FigureKind::PointFigure) {
        add.push_back(dotShape(b, Role::Given));
    }
    if (figure.kind == FigureKind::AngleFigure) {
        add.push_back(dotShape(figure.third, Role::Given));
    }
}

void addFigureImage(Picture& picture, const GivenFigure& figure, FigureCase shown, float r) {
    const auto addCircle = [&picture](const Circle& c) { picture.shapes.push_back(circleShape(c, Role::Image)); };
    const auto addLine = [&picture](const Line& l) { picture.shapes.push_back(lineShape(l, Role::Image)); };
    const auto addPoint = [&picture](Point p) { picture.shapes.push_back(dotShape(p, Role::Image)); };
    const Point a = figure.first;
    const Point b = figure.second;
    switch (shown) {
    case FigureCase::PointAtCentre:
        return;
    case FigureCase::PointInside:
    case FigureCase::PointOutside:
    case FigureCase::PointOnCircle:
        addPoint(invertPoint(a, r));
        return;
    case FigureCase::LineThroughCentre:
        addLine(spanView(Line{a, towards(a, b)}));
        return;
    case FigureCase::LineMissesCentre:
        addCircle(imageOfLine(a, towards(a, b), inversionCentre, r).circle);
        return;
    case FigureCase::CircleMissesCentre:
    case FigureCase::CircleAboutCentre:
        addCircle(imageOfCircleMissingCentre(givenCircle(figure), r));
        return;
    case FigureCase::CircleIsK:
    case FigureCase::CircleAtRightAngles:
        addCircle(givenCircle(figure));
        return;
    case FigureCase::AnglesKept:
    case FigureCase::AngleAtCentre:
        // Each line's image, the line itself or a circle through O; X' and the arcs only where X has an image.
        for (const Point other : {b, figure.third}) {
            if (lineThroughCentre(a, other)) {
                addLine(spanView(Line{a, towards(a, other)}));
            } else {
                addCircle(imageOfLineThrough(a, other, r));
            }
        }
        if (shown == FigureCase::AnglesKept) {
            addPoint(invertPoint(a, r));
        }
        return;
    case FigureCase::CircleThroughCentre:
        break;
    }
    const std::array<Point, 2> de = pointsFixingImageLine(figure);
    const ImageLine image = lineThroughImages(de[0], de[1], r);
    addPoint(image.image1);
    addPoint(image.image2);
    addLine(spanView(image.line));
}
