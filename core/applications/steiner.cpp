// steiner.cpp
// Two circles, one inside the other, have two limiting points on the line of their centres: each circle takes one
// to the other. Inversion about the one inside the inner circle makes the two circles concentric; there a chain of
// n equal circles closes at any turn exactly when (R - q) / (R + q) = sin(180 / n), and its image closes too.
#include "steiner.h"

#include "console.h"

#include <algorithm>

namespace {

constexpr double pi = 3.14159265358979323846;

// cosh of the inversive distance between the circles of radii R and q about one centre for which a chain of n
// closes; with q / R = (1 - s) / (1 + s) it is (R^2 + q^2) / (2 R q).
double closingCosh(int count) {
    const double s = std::sin(pi / count);
    const double ratio = (1.0 - s) / (1.0 + s);
    return (1.0 + ratio * ratio) / (2.0 * ratio);
}

} // namespace

PlanePoint heldInnerCentre(PlanePoint pointer) {
    const double far = norm(pointer);
    return far > innerCentreReach ? (innerCentreReach / far) * pointer : pointer;
}

double steinerInnerRadius(int count, PlanePoint innerCentre) {
    // The inversive distance, cosh = (a^2 + rho^2 - e^2) / (2 a rho), is the same in both pictures; of the two roots
    // rho, the smaller is the one inside the outer circle, taken as (a^2 - e^2) over the larger to spare rounding.
    const double a = steinerOuterRadius;
    const double e = norm(innerCentre);
    const double cosh = closingCosh(count);
    return (a * a - e * e) / (a * cosh + std::sqrt(a * a * (cosh * cosh - 1.0) + e * e));
}

SteinerFigure steinerFigure(const SteinerState& state) {
    const int count = std::clamp(state.count, fewestChainCircles, mostChainCircles);
    const double a = steinerOuterRadius;
    const double e = norm(state.innerCentre);
    const double rho = steinerInnerRadius(count, state.innerCentre);
    const PlaneCircle outer{PlanePoint{}, a};
    const PlaneCircle inner{state.innerCentre, rho};

    // At x along the ray from O through the inner centre, a limiting point has the same image in both circles:
    // a^2 / x = e + rho^2 / (x - e), that is e x^2 - (e^2 + a^2 - rho^2) x + a^2 e = 0. The smaller root, written so
    // that e = 0 (concentric already) gives O.
    const double p = e * e + a * a - rho * rho;
    const double x = 2.0 * a * a * e / (p + std::sqrt(p * p - 4.0 * a * a * e * e));
    const PlanePoint toward = e > 0.0 ? (1.0 / e) * state.innerCentre : PlanePoint{1.0, 0.0};
    const PlanePoint centre = x * toward;
    // The inner circle's image has radius radius^2 rho / |power of the centre|: R = a for this radius.
    const double power = std::fabs((x - e) * (x - e) - rho * rho);
    const double radius = std::sqrt(a * power / rho);

    SteinerPicture concentric{invertedCircle(inner, centre, radius), invertedCircle(outer, centre, radius), {}};
    const double bigR = concentric.outer.radius;
    const double q = concentric.inner.radius;
    const PlanePoint middle = concentric.outer.centre;
    SteinerPicture given{outer, inner, {}};
    for (int j = 0; j < count; ++j) {
        const double angle = state.turn + 2.0 * pi * j / count;
        const PlaneCircle link{onCircle(PlaneCircle{middle, (bigR + q) / 2.0}, angle), (bigR - q) / 2.0};
        concentric.chain.push_back(link);
        given.chain.push_back(invertedCircle(link, centre, radius));
    }
    // The first circle of the concentric chain touches the circle of radius q, the outer circle's image.
    const PlanePoint handle = invertedAbout(onCircle(PlaneCircle{middle, q}, state.turn), centre, radius);
    return SteinerFigure{given, concentric, centre, radius, handle};
}

double turnToward(const SteinerState& state, PlanePoint pointer) {
    if (norm(pointer) == 0.0) {
        return state.turn;
    }
    const SteinerFigure figure = steinerFigure(state);
    const PlanePoint onOuter = nearestOnCircle(figure.given.outer, pointer);
    return angleAbout(figure.concentric.inner.centre,
                      invertedAbout(onOuter, figure.inversionCentre, figure.inversionRadius));
}

std::string steinerText(const SteinerState& state) {
    const SteinerFigure figure = steinerFigure(state);
    const double bigR = figure.concentric.outer.radius;
    const double q = figure.concentric.inner.radius;
    const int count = int(figure.given.chain.size());
    return "n = " + std::to_string(count) + ": sin(180/n) = " + decimalText(std::sin(pi / count), 3) +
           ", (R - q) / (R + q) = " + decimalText((bigR - q) / (bigR + q), 3);
}
