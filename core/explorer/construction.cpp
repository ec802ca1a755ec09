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
#include "walk.h"

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

const Sentence& stepSentence(FigureCase figureCase, int step) {
    using S = Sentence;
    static const S* const pointInside[] = {&S::PointStep1, &S::PointInsideStep2, &S::PointInsideStep3, &S::PointStep4};
    static const S* const pointOutside[] = {&S::PointStep1, &S::PointOutsideStep2, &S::PointOutsideStep3,
                                            &S::PointStep4};
    static const S* const lineMisses[] = {&S::LineStep1, &S::LineStep2, &S::LineStep3};
    static const S* const circleMisses[] = {&S::CircleStep1, &S::CircleStep2, &S::CircleStep3};
    static const S* const circleThrough[] = {&S::CircleThroughStep1, &S::CircleThroughStep2, &S::CircleThroughStep3};
    const int i = step - 1;
    switch (figureCase) {
    case FigureCase::PointInside:
        return *pointInside[i];
    case FigureCase::PointOutside:
        return *pointOutside[i];
    case FigureCase::LineMissesCentre:
        return *lineMisses[i];
    case FigureCase::CircleMissesCentre:
        return *circleMisses[i];
    case FigureCase::CircleThroughCentre:
        return *circleThrough[i];
    case FigureCase::LineThroughCentre:
        return S::LineThroughStep;
    case FigureCase::PointOnCircle:
    case FigureCase::PointAtCentre:
    case FigureCase::CircleIsK:
    case FigureCase::CircleAboutCentre:
    case FigureCase::CircleAtRightAngles:
    case FigureCase::AnglesKept:
    case FigureCase::AngleAtCentre:
        break;
    }
    return caseSentence(figureCase);
}

namespace {

// The side of the square that marks a right angle, in scene units.
constexpr double rightAngleSide = 0.4;

// A step under construction: what it draws is the construction's, dashed.
struct Drawing {
    ConstructionStep step;

    // Each aid carries its name, for the description.
    void add(Shape shape, const Sentence& name) {
        shape.name = &name;
        step.shapes.push_back(shape);
    }
    void line(Point at, Point direction, const Sentence& name) {
        add(lineShape(spanView(Line{at, direction}), Role::Construction), name);
    }
    void segment(Point start, Point end, const Sentence& name) {
        add(segmentShape(start, end, Role::Construction), name);
    }
    void circle(const Circle& c, const Sentence& name) { add(circleShape(c, Role::Construction), name); }
    // The circle on the diameter from p to q, as a compass draws it about the middle of pq.
    void circleOnDiameter(Point p, Point q, const Sentence& name) {
        const Point middle{float((double(p.x) + q.x) / 2.0), float((double(p.y) + q.y) / 2.0)};
        circle(Circle{middle, float(std::hypot(double(q.x) - p.x, double(q.y) - p.y) / 2.0)}, name);
    }
    // The corner of a right angle at vertex between the directions towards a and towards b, side units long.
    void rightAngle(Point vertex, Point a, Point b, double side, const Sentence& name) {
        const auto toward = [&](Point to) {
            const double share = side / distance(vertex, to);
            return Point{float(vertex.x + (double(to.x) - vertex.x) * share),
                         float(vertex.y + (double(to.y) - vertex.y) * share)};
        };
        const Point u = toward(a), w = toward(b);
        const Point corner{float(double(u.x) + w.x - vertex.x), float(double(u.y) + w.y - vertex.y)};
        segment(u, corner, name);
        segment(corner, w, name);
    }
    void point(Point p, const char* name = nullptr) {
        step.shapes.push_back(dotShape(p, Role::Construction));
        if (name) {
            step.labels.push_back({name, p, Role::Construction});
        }
    }
};

} // namespace

std::vector<ConstructionStep> constructionSteps(const GivenFigure& figure, FigureCase figureCase, float r) {
    const Point a = figure.first;
    const Point b = figure.second;
    std::vector<Drawing> steps(std::size_t(stepCount(figureCase)));
    for (std::size_t i = 0; i < steps.size(); ++i) {
        steps[i].step.sentence = &stepSentence(figureCase, int(i) + 1);
    }
    switch (figureCase) {
    case FigureCase::PointInside:
    case FigureCase::PointOutside: {
        // The ray OP; the points T1 and T2 of k on the chord of contact; then the tangents at them (P inside) or the
        // chord itself (P outside).
        const bool inside = figureCase == FigureCase::PointInside;
        steps[0].segment(Point{}, scaled(a, drawnReach / norm(a)), Sentence::AidRayOP);
        const std::array<Point, 2> t = contactPoints(a, r);
        if (inside) {
            steps[1].line(a, turned(a), Sentence::AidPerpendicularAtP);
            steps[2].line(t[0], turned(t[0]), Sentence::AidTangentAtT1);
            steps[2].line(t[1], turned(t[1]), Sentence::AidTangentAtT2);
        } else {
            steps[1].circle(Circle{scaled(a, 0.5), float(norm(a) * 0.5)}, Sentence::AidCircleOnOP);
            steps[1].line(a, towards(a, t[0]), Sentence::AidTangentPT1);
            steps[1].line(a, towards(a, t[1]), Sentence::AidTangentPT2);
            steps[2].segment(t[0], t[1], Sentence::AidChordT1T2);
        }
        steps[1].point(t[0], "T1");
        steps[1].point(t[1], "T2");
        // Why: the radius OT1 is perpendicular to the tangent at T1, so the right triangles OT1P and OP'T1 (inside),
        // or OPT1 and OT1P' (outside), are alike and |OP| * |OP'| = |OT1|^2 = r^2.
        steps[3].segment(Point{}, t[0], Sentence::AidRadiusOT1);
        steps[3].rightAngle(t[0], Point{}, inside ? invertPoint(a, r) : a, rightAngleSide, Sentence::AidRightAngleAtT1);
        break;
    }
    case FigureCase::LineMissesCentre: {
        // The perpendicular from O ends at its foot F; F' lies on the ray OF, and the segment OF' reaches past F
        // towards it even when F' lies beyond the window. The circle on the diameter OF' is the image it traces.
        const Point foot = footOfPerpendicular(a, b);
        const Point image = invertPoint(foot, r);
        steps[0].segment(Point{}, foot, Sentence::AidPerpendicularFromO);
        steps[0].point(foot, "F");
        steps[1].segment(Point{}, image, Sentence::AidSegmentOF);
        steps[1].point(image, "F'");
        steps[2].circleOnDiameter(Point{}, image, Sentence::AidCircleOnOF);
        break;
    }
    case FigureCase::CircleMissesCentre:
    case FigureCase::CircleThroughCentre: {
        const bool through = figureCase == FigureCase::CircleThroughCentre;
        const std::array<Point, 2> de = pointsOnLineOC(givenCircle(figure));
        steps[0].line(Point{}, atCentre(a) ? Point{1.0f, 0.0f} : a, Sentence::AidLineOC);
        steps[0].point(de[0], "D");
        steps[1].point(invertPoint(de[0], r), "D'");
        if (through) {
            // The perpendicular to OC at D', drawn over the image that it is.
            steps[2].line(invertPoint(de[0], r), turned(de[0]), Sentence::AidPerpendicularAtD);
            break;
        }
        steps[0].point(de[1], "E");
        steps[1].point(invertPoint(de[1], r), "E'");
        // The diameter D'E' and the circle on it, drawn over the image that it is.
        steps[2].segment(invertPoint(de[0], r), invertPoint(de[1], r), Sentence::AidDiameterDE);
        steps[2].circleOnDiameter(invertPoint(de[0], r), invertPoint(de[1], r), Sentence::AidCircleOnDE);
        break;
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
    std::vector<ConstructionStep> made;
    for (Drawing& drawing : steps) {
        made.push_back(std::move(drawing.step));
    }
    return made;
}

std::vector<Label> figureLabels(const GivenFigure& figure, FigureCase figureCase,
                                const std::vector<ConstructionStep>& steps, int shown, float r) {
    const Point a = figure.first;
    const Point b = figure.second;
    std::vector<Label> labels{{"k", Point{0.0f, r}, Role::K}, {"O", Point{}, Role::Centre}};
    const auto given = [&](const char* name, Point p) { labels.push_back({name, p, Role::Given}); };
    switch (figure.kind) {
    case FigureKind::PointFigure:
        // P on k is its own image: one label says so.
        given(figureCase == FigureCase::PointOnCircle ? "P = P'" : "P", a);
        break;
    case FigureKind::LineFigure:
        given("A", a);
        given("B", b);
        break;
    case FigureKind::CircleFigure:
        given("C", a);
        given("R", b);
        break;
    case FigureKind::AngleFigure:
        given("X", a);
        given("A", b);
        given("B", figure.third);
        break;
    }
    // The circle through O has for image the line through the images of D and E (addFigureImage): its two red dots,
    // named before the construction, whose D' is named again when it is shown.
    if (figureCase == FigureCase::CircleThroughCentre) {
        const std::array<Point, 2> de = pointsFixingImageLine(figure);
        labels.push_back({"D'", invertPoint(de[0], r), Role::Image});
        labels.push_back({"E'", invertPoint(de[1], r), Role::Image});
    }
    for (int i = 0; i < shown && i < int(steps.size()); ++i) {
        labels.insert(labels.end(), steps[std::size_t(i)].labels.begin(), steps[std::size_t(i)].labels.end());
    }
    // The construction names P' at its last step.
    const bool hasImage = figureCase == FigureCase::PointInside || figureCase == FigureCase::PointOutside;
    if (hasImage && (shown == 0 || shown == stepCount(figureCase))) {
        labels.push_back({"P'", invertPoint(a, r), Role::Image});
    }
    if (figureCase == FigureCase::AnglesKept) {
        labels.push_back({"X'", invertPoint(a, r), Role::Image});
    }
    if (figure.kind == FigureKind::AngleFigure) {
        for (const Label& size : angleLabels(figure, r)) {
            labels.push_back(size);
        }
    }
    // Where two named points coincide (P at O), only the later name is drawn; k's name is no point's and stays.
    std::vector<Label> kept{labels[0]};
    for (std::size_t i = 1; i < labels.size(); ++i) {
        bool covered = false;
        for (std::size_t j = i + 1; j < labels.size(); ++j) {
            const double apart =
                std::hypot(double(labels[j].at.x) - labels[i].at.x, double(labels[j].at.y) - labels[i].at.y);
            covered = covered || apart <= 1e-5 * (1.0 + norm(labels[i].at));
        }
        if (!covered) {
            kept.push_back(labels[i]);
        }
    }
    return kept;
}

void placePictureLabels(Picture& picture, double unitsPerPixel, double labelHeight, double dotPixels) {
    // What a frame draws besides the labels: its dots (the points and the ends of segments), its straight pieces and
    // its circles, a dashed one taken whole.
    LabelObstacles around;
    around.dotPixels = dotPixels;
    for (const DrawnItem& item : drawList(Picture{picture.shapes, {}}, WalkFrame{})) {
        const Point at{float(item.x), float(item.y)};
        if (item.kind == DrawnItem::Dot) {
            around.dots.push_back(at);
        } else if (item.kind == DrawnItem::Stroke) {
            around.pieces.push_back({at, Point{float(item.x2), float(item.y2)}});
        } else if (item.kind == DrawnItem::Outline) {
            around.circles.push_back(Circle{at, float(item.radius)});
        }
    }
    placeLabels(picture.labels, around, unitsPerPixel, labelHeight);
}
