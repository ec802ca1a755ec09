// peaucellier.cpp
// O, B and D lie on the rhombus's diagonal BD, the perpendicular bisector of AC, which passes through O because
// |OA| = |OC|. With M the middle of AC, |OB| * |OD| = (|OM| - |MB|)(|OM| + |MB|) = |OA|^2 - |AB|^2 = 49 - 24 = 25:
// D is B's image in k. The bars reach while the circles about O and about B meet and B stays between O and D.
#include "peaucellier.h"

#include "console.h"

#include <algorithm>

namespace {

constexpr double pi = 3.14159265358979323846;
constexpr double fullTurn = 2.0 * pi;
// A bound on cos t within this of 1 or -1 is taken as no bound: for Q snapped onto the circle of radius 2.5 about
// O, B's circle touches k from inside, and rounding must not open a gap there that B could not pass.
constexpr double boundTolerance = 1e-9;

// The arc of B's circle that the bars reach and B is on, counter-clockwise from `from` through `span` (radians
// about Q); the whole circle has the span of a full turn.
struct Arc {
    double from = 0.0;      // radians about Q, counter-clockwise from the x-axis
    double span = fullTurn; // radians, 0 to a full turn
};

double wrapped(double angle) {
    const double rest = std::fmod(angle, fullTurn);
    return rest < 0.0 ? rest + fullTurn : rest;
}

// With t the angle at Q between the ray from O through Q and QB, |OB|^2 = |OQ|^2 + 2.5^2 + 5 |OQ| cos t: |OB| <= 5
// keeps |t| from below (the bound `inner`) and |OB| >= 7 - sqrt(24) from above (`outer`). Where both bite, the
// reach is two arcs, mirror images in the line OQ, and B stays on its own side.
Arc reachableArc(PlanePoint guide, double angleOfB) {
    const double swing = 2.0 * guideBar * norm(guide);
    if (swing == 0.0) {
        return Arc{}; // Q at O: |OB| = 2.5 all round, within reach
    }
    const double base = dot(guide, guide) + guideBar * guideBar;
    const double shortest = shortestReach();
    const double farCos = (longestReach * longestReach - base) / swing;
    const double nearCos = (shortest * shortest - base) / swing;
    const double inner = farCos >= 1.0 - boundTolerance ? 0.0 : std::acos(std::max(-1.0, farCos));
    const double outer = nearCos <= -1.0 + boundTolerance ? pi : std::acos(std::min(1.0, nearCos));
    const double toward = std::atan2(guide.y, guide.x);
    if (inner == 0.0 && outer == pi) {
        return Arc{};
    }
    if (inner == 0.0) {
        return Arc{toward - outer, 2.0 * outer};
    }
    if (outer == pi) {
        return Arc{toward + inner, fullTurn - 2.0 * inner};
    }
    return std::remainder(angleOfB - toward, fullTurn) >= 0.0 ? Arc{toward + inner, outer - inner}
                                                              : Arc{toward - outer, outer - inner};
}

bool onArc(const Arc& arc, double angle) {
    return arc.span >= fullTurn || wrapped(angle - arc.from) <= arc.span;
}

// How far along the arc B is; a B just off an end by rounding is at that end.
double alongArc(const Arc& arc, double angle) {
    const double along = wrapped(angle - arc.from);
    if (along <= arc.span) {
        return along;
    }
    return along - arc.span < fullTurn - along ? arc.span : 0.0;
}

// B at the given angle about Q where the bars reach it there; otherwise at the end of its arc with the smaller miss.
template <typename Miss> InversorMove heldAt(const Inversor& inversor, double angle, Miss miss) {
    const PlaneCircle circle = guideCircle(inversor.guide);
    const Arc arc = reachableArc(inversor.guide, angleAbout(inversor.guide, inversor.b));
    if (onArc(arc, angle)) {
        return {{inversor.guide, onCircle(circle, angle)}, false};
    }
    const PlanePoint first = onCircle(circle, arc.from);
    const PlanePoint last = onCircle(circle, arc.from + arc.span);
    return {{inversor.guide, miss(first) <= miss(last) ? first : last}, true};
}

std::string pointText(const char* name, PlanePoint p) {
    return std::string(name) + "(" + decimalText(p.x, 2) + ", " + decimalText(p.y, 2) + ")";
}

} // namespace

InversorJoints inversorJoints(PlanePoint b) {
    const double fromO = norm(b);
    const PlanePoint along = (1.0 / fromO) * b;
    // AC is the common chord of the two circles: at right angles to OB, at (7^2 - 24 + |OB|^2) / (2 |OB|) from O.
    const double chord = (pivotBar * pivotBar - rhombusSideSquared + fromO * fromO) / (2.0 * fromO);
    const double half = std::sqrt(std::max(0.0, pivotBar * pivotBar - chord * chord));
    const PlanePoint middle = chord * along;
    const PlanePoint a = middle + half * turned(along);
    const PlanePoint c = middle - half * turned(along);
    return {a, b, c, a + c - b};
}

PlaneCircle guideCircle(PlanePoint guide) {
    return PlaneCircle{guide, guideBar};
}

bool guideThroughCentre(PlanePoint guide) {
    return std::fabs(dot(guide, guide) - guideBar * guideBar) <= boundTolerance * guideBar * guideBar;
}

PlanePoint guideThroughCentreNearest(PlanePoint guide) {
    return nearestOnCircle(PlaneCircle{PlanePoint{}, guideBar}, guide);
}

PathOfD pathOfD(PlanePoint guide) {
    if (guideThroughCentre(guide)) {
        return {true, imageOfCircleThroughO(guide), {}};
    }
    return {false, {}, invertedCircle(guideCircle(guide), PlanePoint{}, radiusOfK)};
}

InversorMove stepB(const Inversor& inversor, double arcLength) {
    const double angle = angleAbout(inversor.guide, inversor.b);
    const Arc arc = reachableArc(inversor.guide, angle);
    const PlaneCircle circle = guideCircle(inversor.guide);
    const double turn = arcLength / guideBar;
    if (arc.span >= fullTurn) {
        return {{inversor.guide, onCircle(circle, angle + turn)}, false};
    }
    const double start = alongArc(arc, angle);
    const double end = std::clamp(start + turn, 0.0, arc.span);
    return {{inversor.guide, onCircle(circle, arc.from + end)}, end != start + turn};
}

InversorMove stepD(const Inversor& inversor, double arcLength) {
    const PathOfD path = pathOfD(inversor.guide);
    const PlanePoint d = imageInK(inversor.b);
    const PlanePoint moved =
        path.straight ? d + arcLength * path.line.direction
                      : onCircle(path.circle, angleAbout(path.circle.centre, d) + arcLength / path.circle.radius);
    // B turns about Q the short way to the image of the moved D, and is held where the bars stop it.
    const double turn =
        std::remainder(angleAbout(inversor.guide, imageInK(moved)) - angleAbout(inversor.guide, inversor.b), fullTurn);
    return stepB(inversor, turn * guideBar);
}

InversorMove dragB(const Inversor& inversor, PlanePoint pointer) {
    if (distance(pointer, inversor.guide) == 0.0) {
        return {inversor, false}; // every point of B's circle is as near
    }
    return heldAt(inversor, angleAbout(inversor.guide, pointer), [&](PlanePoint b) { return distance(b, pointer); });
}

InversorMove dragD(const Inversor& inversor, PlanePoint pointer) {
    const PathOfD path = pathOfD(inversor.guide);
    const PlaneLine& line = path.line;
    const PlanePoint target = path.straight ? line.point + dot(pointer - line.point, line.direction) * line.direction
                                            : nearestOnCircle(path.circle, pointer);
    return heldAt(inversor, angleAbout(inversor.guide, imageInK(target)),
                  [&](PlanePoint b) { return distance(imageInK(b), target); });
}

InversorMove moveGuide(const Inversor& inversor, PlanePoint guide) {
    // B's circle comes within 5 of O while |OQ| <= 5 + 2.5.
    const double most = longestReach + guideBar;
    const double far = norm(guide);
    const bool held = far > most;
    const PlanePoint placed = held ? (most / far) * guide : guide;
    const double angle = angleAbout(inversor.guide, inversor.b);
    const PlanePoint wanted = onCircle(guideCircle(placed), angle);
    const InversorMove moved =
        heldAt(Inversor{placed, wanted}, angle, [&](PlanePoint b) { return distance(b, wanted); });
    return {moved.inversor, held || moved.stopped};
}

std::string inversorText(const Inversor& inversor) {
    const InversorJoints joints = inversorJoints(inversor.b);
    return pointText("B", joints.b) + "  " + pointText("D", joints.d) +
           "  |OB| * |OD| = " + decimalText(norm(joints.b) * norm(joints.d), 2);
}
