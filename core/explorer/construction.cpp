// construction.cpp
// The constructions rest on one fact each: the tangents to k at the ends of a chord perpendicular to OP meet on
// OP at the image of the chord's foot; the image of a line is fixed by the image of its point nearest to O; the
// image of a circle by the images of its two points on the line through O and its centre.
#include "construction.h"

#include "angles.h"
#include "circle_inversion.h"
#include "drawing.h"
#include "inversion.h"
#include "line_inversion.h"
#include "point_inversion.h"
#include "vec.h"

#include <iterator>

int stepCount(FigureCase figureCase) {
    switch (figureCase) {
    case FigureCase::PointInside:
    case FigureCase::PointOutside:
        return 4;
    case FigureCase::LineMissesCentre:
    case FigureCase::CircleMissesCentre:
    case FigureCase::CircleThroughCentre:
        return 3;
    case FigureCase::CircleIsK:
    case FigureCase::CircleAboutCentre:
    case FigureCase::CircleAtRightAngles:
    case FigureCase::AnglesKept:
    case FigureCase::AngleAtCentre:
        return 0;
    case FigureCase::PointOnCircle:
    case FigureCase::PointAtCentre:
    case FigureCase::LineThroughCentre:
        break;
    }
    return 1;
}

const char* stepText(FigureCase figureCase, int step) {
    static const char* const pointInside[] = {
        "Korak 1: poluprava OP.",
        "Korak 2: normala na OP u tacki P sece kruznicu k u tackama T1 i T2.",
        "Korak 3: tangente kruznice k u tackama T1 i T2 seku se u tacki P'.",
        "Korak 4: P' je slika tacke P, jer je |OP| * |OP'| = r^2 = 25.",
    };
    static const char* const pointOutside[] = {
        "Korak 1: poluprava OP.",
        "Korak 2: krug nad precnikom OP sece kruznicu k u tackama T1 i T2, pa su PT1 i PT2 tangente iz tacke P.",
        "Korak 3: tetiva T1T2 sece polupravu OP u tacki P'.",
        "Korak 4: P' je slika tacke P, jer je |OP| * |OP'| = r^2 = 25.",
    };
    static const char* const lineMisses[] = {
        "Korak 1: normala iz tacke O na pravu AB sece je u tacki F.",
        "Korak 2: F' je slika tacke F.",
        "Korak 3: slika prave AB je krug nad precnikom OF'.",
    };
    static const char* const circleMisses[] = {
        "Korak 1: prava OC sece krug u tackama D i E.",
        "Korak 2: D' i E' su slike tacaka D i E.",
        "Korak 3: slika kruga je krug nad precnikom D'E'.",
    };
    static const char* const circleThrough[] = {
        "Korak 1: prava OC sece krug jos u tacki D.",
        "Korak 2: D' je slika tacke D.",
        "Korak 3: slika kruga je prava kroz D' normalna na OC.",
    };
    const int i = step - 1;
    switch (figureCase) {
    case FigureCase::PointInside:
        return pointInside[i];
    case FigureCase::PointOutside:
        return pointOutside[i];
    case FigureCase::LineMissesCentre:
        return lineMisses[i];
    case FigureCase::CircleMissesCentre:
        return circleMisses[i];
    case FigureCase::CircleThroughCentre:
        return circleThrough[i];
    case FigureCase::LineThroughCentre:
        return "Prava AB prolazi kroz O, pa je sama sebi slika.";
    case FigureCase::PointOnCircle:
    case FigureCase::PointAtCentre:
    case FigureCase::CircleIsK:
    case FigureCase::CircleAboutCentre:
    case FigureCase::CircleAtRightAngles:
    case FigureCase::AnglesKept:
    case FigureCase::AngleAtCentre:
        break;
    }
    return caseText(figureCase);
}

static void addGreenLine(Point at, Point direction) {
    addLine(spanView(Line{at, direction, ConstructionGreen}));
}

static void addGreenSegment(Point start, Point end) {
    addSegment(Segment{start, end, ConstructionGreen});
}

// The circle on the diameter from p to q, as a compass draws it about the middle of pq.
static void addGreenCircleOnDiameter(Point p, Point q) {
    const Point middle{float((double(p.x) + q.x) / 2.0), float((double(p.y) + q.y) / 2.0)};
    addCircle(Circle{middle, float(std::hypot(double(q.x) - p.x, double(q.y) - p.y) / 2.0)}, ConstructionGreen);
}

// The construction of P's image: the ray OP; the points T1 and T2 of k on the chord of contact; then the tangents
// at them (P inside) or the chord itself (P outside).
static void addPointConstruction(Point p, bool inside, int steps, float r) {
    addGreenSegment(Point{}, scaled(p, drawnReach / norm(p)));
    if (steps < 2) {
        return;
    }
    const std::array<Point, 2> t = contactPoints(p, r);
    if (inside) {
        addGreenLine(p, turned(p));
    } else {
        addCircle(Circle{scaled(p, 0.5), float(norm(p) * 0.5)}, ConstructionGreen);
        addGreenLine(p, towards(p, t[0]));
        addGreenLine(p, towards(p, t[1]));
    }
    addPoint(t[0], ConstructionGreen);
    addPoint(t[1], ConstructionGreen);
    if (steps < 3) {
        return;
    }
    if (inside) {
        addGreenLine(t[0], turned(t[0]));
        addGreenLine(t[1], turned(t[1]));
    } else {
        addGreenSegment(t[0], t[1]);
    }
}

void addConstruction(const GivenFigure& figure, FigureCase figureCase, int steps, float r) {
    if (steps < 1) {
        return;
    }
    const Point a = figure.first;
    const Point b = figure.second;
    switch (figureCase) {
    case FigureCase::PointInside:
    case FigureCase::PointOutside:
        addPointConstruction(a, figureCase == FigureCase::PointInside, steps, r);
        return;
    case FigureCase::LineMissesCentre: {
        // The perpendicular from O ends at its foot F; F' lies on the ray OF, and the segment OF' reaches past F
        // towards it even when F' lies beyond the window. The circle on the diameter OF' is the image it traces.
        const Point foot = footOfPerpendicular(a, b);
        addGreenSegment(Point{}, foot);
        addPoint(foot, ConstructionGreen);
        if (steps >= 2) {
            addGreenSegment(Point{}, invertPoint(foot, r));
            addPoint(invertPoint(foot, r), ConstructionGreen);
        }
        if (steps >= 3) {
            addGreenCircleOnDiameter(Point{}, invertPoint(foot, r));
        }
        return;
    }
    case FigureCase::CircleMissesCentre:
    case FigureCase::CircleThroughCentre: {
        const bool through = figureCase == FigureCase::CircleThroughCentre;
        const std::array<Point, 2> de = pointsOnLineOC(givenCircle(figure));
        addGreenLine(Point{}, a.x == 0.0f && a.y == 0.0f ? Point{1.0f, 0.0f} : a);
        addPoint(de[0], ConstructionGreen);
        if (!through) {
            addPoint(de[1], ConstructionGreen);
        }
        if (steps >= 2) {
            addPoint(invertPoint(de[0], r), ConstructionGreen);
            if (!through) {
                addPoint(invertPoint(de[1], r), ConstructionGreen);
            }
        }
        // The diameter D'E' and the circle on it, or the perpendicular to OC at D', drawn over the image that it is.
        if (steps >= 3 && !through) {
            addGreenSegment(invertPoint(de[0], r), invertPoint(de[1], r));
            addGreenCircleOnDiameter(invertPoint(de[0], r), invertPoint(de[1], r));
        }
        if (steps >= 3 && through) {
            addGreenLine(invertPoint(de[0], r), turned(de[0]));
        }
        return;
    }
    case FigureCase::PointOnCircle:
    case FigureCase::PointAtCentre:
    case FigureCase::LineThroughCentre:
    case FigureCase::CircleIsK:
    case FigureCase::CircleAboutCentre:
    case FigureCase::CircleAtRightAngles:
    case FigureCase::AnglesKept:
    case FigureCase::AngleAtCentre:
        break;
    }
}

std::vector<Label> figureLabels(const GivenFigure& figure, FigureCase figureCase, int steps, float r) {
    const Point a = figure.first;
    const Point b = figure.second;
    std::vector<Label> labels{{"k", Point{0.0f, r}, Black}, {"O", Point{}, Black}};
    switch (figure.kind) {
    case FigureKind::PointFigure:
        // P on k is its own image: one label says so.
        labels.push_back({figureCase == FigureCase::PointOnCircle ? "P = P'" : "P", a, Blue});
        if (steps >= 2 && stepCount(figureCase) == 4) {
            const std::array<Point, 2> t = contactPoints(a, r);
            labels.push_back({"T1", t[0], ConstructionGreen});
            labels.push_back({"T2", t[1], ConstructionGreen});
        }
        // The construction names P' at its last step.
        if (figureCase != FigureCase::PointAtCentre && figureCase != FigureCase::PointOnCircle &&
            (steps == 0 || steps == stepCount(figureCase))) {
            labels.push_back({"P'", invertPoint(a, r), Red});
        }
        break;
    case FigureKind::LineFigure:
        labels.push_back({"A", a, Blue});
        labels.push_back({"B", b, Blue});
        if (figureCase == FigureCase::LineMissesCentre && steps >= 1) {
            const Point foot = footOfPerpendicular(a, b);
            labels.push_back({"F", foot, ConstructionGreen});
            if (steps >= 2) {
                labels.push_back({"F'", invertPoint(foot, r), ConstructionGreen});
            }
        }
        break;
    case FigureKind::CircleFigure: {
        labels.push_back({"C", a, Blue});
        labels.push_back({"R", b, Blue});
        if (steps < 1) {
            break;
        }
        const bool through = figureCase == FigureCase::CircleThroughCentre;
        const std::array<Point, 2> de = pointsOnLineOC(givenCircle(figure));
        labels.push_back({"D", de[0], ConstructionGreen});
        if (!through) {
            labels.push_back({"E", de[1], ConstructionGreen});
        }
        if (steps >= 2) {
            labels.push_back({"D'", invertPoint(de[0], r), ConstructionGreen});
            if (!through) {
                labels.push_back({"E'", invertPoint(de[1], r), ConstructionGreen});
            }
        }
        break;
    }
    case FigureKind::AngleFigure:
        labels.push_back({"X", a, Blue});
        labels.push_back({"A", b, Blue});
        labels.push_back({"B", figure.third, Blue});
        if (figureCase == FigureCase::AnglesKept) {
            labels.push_back({"X'", invertPoint(a, r), Red});
            for (const Label& size : angleLabels(figure, r)) {
                labels.push_back(size);
            }
        }
        break;
    }
    // Where two named points coincide (P at O), only the later name is drawn.
    std::vector<Label> shown;
    for (std::size_t i = 0; i < labels.size(); ++i) {
        bool covered = false;
        for (std::size_t j = i + 1; j < labels.size(); ++j) {
            const double apart =
                std::hypot(double(labels[j].at.x) - labels[i].at.x, double(labels[j].at.y) - labels[i].at.y);
            covered = covered || apart <= 1e-5 * (1.0 + norm(labels[i].at));
        }
        if (!covered) {
            shown.push_back(labels[i]);
        }
    }
    return shown;
}

std::vector<Label> placedFigureLabels(const GivenFigure& figure, FigureCase figureCase, int steps, float r,
                                      double unitsPerPixel, int height) {
    std::vector<Label> labels = figureLabels(figure, figureCase, steps, r);
    std::vector<Point> dots(scenePoints.begin(), scenePoints.end());
    for (auto it = sceneSegments.begin(); it != sceneSegments.end(); ++it) {
        if (it == sceneSegments.begin() || !continuesRun(*std::prev(it), *it)) {
            dots.push_back(it->start);
        }
        const auto next = std::next(it);
        if (next == sceneSegments.end() || !continuesRun(*it, *next)) {
            dots.push_back(it->end);
        }
    }
    placeLabels(labels, dots, unitsPerPixel, labelHeightFor(height));
    return labels;
}
