// applications_test.cpp
// The four applications against geometry checked here: the inversor's bars and its stops, the Pappus chain's and
// Steiner's chain's circles touching by the distances of their centres, and Ptolemy's equality and inequality.
#include "applications/pappus.h"
#include "applications/peaucellier.h"
#include "applications/ptolemy.h"
#include "applications/steiner.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

namespace {

constexpr double tolerance = 1e-9;
constexpr double pi = 3.14159265358979323846;
constexpr double unchecked = std::numeric_limits<double>::quiet_NaN();

double length(PlanePoint p) {
    return std::hypot(p.x, p.y);
}

double apart(PlanePoint p, PlanePoint q) {
    return std::hypot(p.x - q.x, p.y - q.y);
}

// The signed angle about a centre from one point to another, counter-clockwise positive.
double turnAbout(PlanePoint centre, PlanePoint from, PlanePoint to) {
    const double ux = from.x - centre.x, uy = from.y - centre.y;
    const double vx = to.x - centre.x, vy = to.y - centre.y;
    return std::atan2(ux * vy - uy * vx, ux * vx + uy * vy);
}

// Two circles touch from inside when their centres are the difference of the radii apart, from outside when they
// are the sum apart.
void expectTouchInside(const PlaneCircle& big, const PlaneCircle& small) {
    EXPECT_NEAR(apart(big.centre, small.centre), big.radius - small.radius, tolerance);
}

void expectTouchOutside(const PlaneCircle& one, const PlaneCircle& other) {
    EXPECT_NEAR(apart(one.centre, other.centre), one.radius + other.radius, tolerance);
}

enum class Move { StepB, StepD, DragB, DragD, MoveQ };

} // namespace

TEST(Peaucellier, TheBarsKeepTheirLengthsAndDIsBsImageOnItsPath) {
    const struct {
        PlanePoint guide;
        PlanePoint pointer; // where B is dragged once Q is there
    } cases[] = {
        {{2.5, 0}, {3, 3}},
        {{2.5, 0}, {0, -4}},
        {{0, 2.5}, {-1, 9}},
        {{4, 0}, {4, 3}},
        {{0.3, 0.2}, {-3, 0}},
        {{-1, 1.5}, {2, 3}},
        {guideThroughCentreNearest({-5, 2}), {-1, 5}},
        {{6, -3}, {5, -5}},
    };
    const double side = std::sqrt(24.0);
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "Q(" << c.guide.x << ", " << c.guide.y << ")");
        const Inversor inversor = dragB(moveGuide(Inversor{}, c.guide).inversor, c.pointer).inversor;
        const InversorJoints j = inversorJoints(inversor.b);
        EXPECT_NEAR(apart(inversor.guide, j.b), 2.5, tolerance);
        EXPECT_NEAR(length(j.a), 7.0, tolerance);
        EXPECT_NEAR(length(j.c), 7.0, tolerance);
        for (const PlanePoint& corner : {j.a, j.c}) {
            EXPECT_NEAR(apart(corner, j.b), side, tolerance);
            EXPECT_NEAR(apart(corner, j.d), side, tolerance);
        }
        EXPECT_GT(j.b.x * j.a.y - j.b.y * j.a.x, 0.0); // A counter-clockwise of OB
        EXPECT_NEAR(length(j.b) * length(j.d), 25.0, tolerance);
        EXPECT_NEAR(j.b.x * j.d.y - j.b.y * j.d.x, 0.0, tolerance); // on one ray from O
        EXPECT_GT(j.b.x * j.d.x + j.b.y * j.d.y, 0.0);
        EXPECT_GE(length(j.b), 7.0 - side - tolerance);
        EXPECT_LE(length(j.b), 5.0 + tolerance);
        const PathOfD path = pathOfD(inversor.guide);
        if (path.straight) { // at r^2 / |OQ'| from O, Q' = 2Q the far end of B's circle
            EXPECT_NEAR((j.d.x * inversor.guide.x + j.d.y * inversor.guide.y) / length(inversor.guide), 5.0, tolerance);
        } else {
            EXPECT_NEAR(apart(j.d, path.circle.centre), path.circle.radius, tolerance);
        }
    }
    EXPECT_EQ(inversorText(Inversor{}), "B(3.20, 2.40)  D(5.00, 3.75)  |OB| * |OD| = 25.00");
}

TEST(Peaucellier, TheBarsStopAtFullStretchAndStepsGoATenthAlong) {
    const double shortest = 7.0 - std::sqrt(24.0);
    const Inversor start;
    const Inversor wide = moveGuide(start, {4, 0}).inversor; // B held where it meets k, on the upper of two arcs
    const Inversor inside = dragB(wide, {4, 3}).inversor;
    const Inversor atLimit = dragB(start, {-10, 1}).inversor; // the upper end of B's arc
    // Q snapped by rounding, B just below the far point where its circle touches k: it passes that point.
    const PlanePoint snapped = guideThroughCentreNearest({-5, 2});
    const Inversor belowFar{snapped, onCircle(guideCircle(snapped), std::atan2(snapped.y, snapped.x) - 0.01)};
    const struct {
        const char* name;
        Inversor before;
        Move move;
        PlanePoint to; // for a drag or Q's move
        double along;  // for a step
        bool stopped;
        double reach; // |OB| after
        double bArc;  // B's way along its circle, counter-clockwise
        double dWay;  // D's way along its path, forward
    } cases[] = {
        {"B a tenth forward", start, Move::StepB, {}, 0.1, false, unchecked, 0.1, unchecked},
        {"B a tenth back", start, Move::StepB, {}, -0.1, false, unchecked, -0.1, unchecked},
        {"B through the far point", belowFar, Move::StepB, {}, 0.1, false, unchecked, 0.1, unchecked},
        {"B along one of two arcs", wide, Move::StepB, {}, 0.1, false, unchecked, 0.1, unchecked},
        {"B stepped at its limit", atLimit, Move::StepB, {}, 0.1, true, shortest, 0.0, unchecked},
        {"D a tenth up the line", start, Move::StepD, {}, 0.1, false, unchecked, unchecked, 0.1},
        {"D a tenth back along its circle", inside, Move::StepD, {}, -0.1, false, unchecked, unchecked, -0.1},
        {"B dragged towards O", start, Move::DragB, {-10, 1}, 0, true, shortest, unchecked, unchecked},
        {"B dragged past k", wide, Move::DragB, {10, 0.5}, 0, true, 5.0, unchecked, unchecked},
        {"D dragged far up", start, Move::DragD, {5, 100}, 0, true, shortest, unchecked, unchecked},
        {"D dragged into k", wide, Move::DragD, {3, 0.2}, 0, true, 5.0, unchecked, unchecked},
        {"Q far out", start, Move::MoveQ, {20, 0}, 0, true, 5.0, unchecked, unchecked},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const InversorMove moved = c.move == Move::StepB   ? stepB(c.before, c.along)
                                   : c.move == Move::StepD ? stepD(c.before, c.along)
                                   : c.move == Move::DragB ? dragB(c.before, c.to)
                                   : c.move == Move::DragD ? dragD(c.before, c.to)
                                                           : moveGuide(c.before, c.to);
        const Inversor& after = moved.inversor;
        EXPECT_EQ(moved.stopped, c.stopped);
        if (!std::isnan(c.reach)) {
            EXPECT_NEAR(length(after.b), c.reach, tolerance);
        }
        if (!std::isnan(c.bArc)) {
            EXPECT_NEAR(2.5 * turnAbout(after.guide, c.before.b, after.b), c.bArc, tolerance);
        }
        if (!std::isnan(c.dWay)) { // along a line, forward is counter-clockwise about O
            const PlanePoint from = inversorJoints(c.before.b).d;
            const PlanePoint to = inversorJoints(after.b).d;
            const PathOfD path = pathOfD(after.guide);
            const PlanePoint q = after.guide;
            EXPECT_NEAR(path.straight ? ((to.y - from.y) * q.x - (to.x - from.x) * q.y) / length(q)
                                      : path.circle.radius * turnAbout(path.circle.centre, from, to),
                        c.dWay, tolerance);
        }
    }
    EXPECT_NEAR(length(moveGuide(start, {20, 0}).inversor.guide), 7.5, tolerance);
}

TEST(Pappus, EachCircleTouchesTheArbelosAndTheOneBeforeAndStandsNDiametersHigh) {
    for (const double c : {0.5, 1.0, 2.5, 4.0, 6.0, 7.3, 9.5}) {
        const PappusChain chain = pappusChain(c);
        for (int n = 1; n <= 8; ++n) {
            SCOPED_TRACE(testing::Message() << "c " << c << ", n " << n);
            const PlaneCircle& circle = chain[std::size_t(n)];
            expectTouchInside(PlaneCircle{{5, 0}, 5}, circle);
            expectTouchOutside(PlaneCircle{{c / 2, 0}, c / 2}, circle);
            expectTouchOutside(chain[std::size_t(n - 1)], circle);
            EXPECT_NEAR(circle.centre.y / (2 * circle.radius), n, tolerance);
            // The inversion of the column keeps circle n where it is.
            const PlaneCircle kept = columnPicture(c, n).column[std::size_t(n)];
            EXPECT_NEAR(apart(kept.centre, circle.centre), 0.0, tolerance);
            EXPECT_NEAR(kept.radius, circle.radius, tolerance);
        }
        EXPECT_NEAR(apart(chain[0].centre, {(c + 10) / 2, 0}), 0.0, tolerance);
        EXPECT_NEAR(chain[0].radius, (10 - c) / 2, tolerance);
    }
    // c = 9/2: circle 3 has d = 247.5 / 317.25 and h = 3d, worked by hand.
    EXPECT_EQ(pappusText(4.5, 3), "n = 3: h = 2.34, d = 0.78, h / d = 3.00");
}

TEST(Steiner, TheChainClosesForEveryCountTurnAndInnerCentre) {
    for (int n = 3; n <= 20; ++n) {
        for (const double turn : {0.0, 0.3, 2.1, -1.7}) {
            for (const PlanePoint centre :
                 {PlanePoint{0, 0}, PlanePoint{1.5, 0}, PlanePoint{-1.2, 2}, heldInnerCentre({0, -9})}) {
                SCOPED_TRACE(testing::Message()
                             << "n " << n << ", turn " << turn << ", (" << centre.x << ", " << centre.y << ")");
                const SteinerFigure figure = steinerFigure(SteinerState{n, centre, turn});
                const PlaneCircle outer{{0, 0}, 4};
                const PlaneCircle inner{centre, steinerInnerRadius(n, centre)};
                const std::vector<PlaneCircle>& chain = figure.given.chain;
                ASSERT_EQ(int(chain.size()), n);
                EXPECT_LE(length(centre) + inner.radius, 4.0);
                for (int j = 0; j < n; ++j) {
                    expectTouchInside(outer, chain[std::size_t(j)]);
                    expectTouchOutside(inner, chain[std::size_t(j)]);
                    expectTouchOutside(chain[std::size_t(j)], chain[std::size_t((j + 1) % n)]);
                }
                EXPECT_NEAR(apart(figure.handle, chain[0].centre), chain[0].radius, tolerance);
                EXPECT_NEAR(length(figure.handle), 4.0, tolerance);
                // Dragging the handle to where another turn puts it gives that turn.
                const double other = turn + 1.0;
                const PlanePoint target = steinerFigure(SteinerState{n, centre, other}).handle;
                EXPECT_NEAR(std::remainder(turnToward(SteinerState{n, centre, turn}, target) - other, 2 * pi), 0.0,
                            tolerance);
            }
        }
    }
    EXPECT_NEAR(length(heldInnerCentre({0, -9})), 3.2, tolerance);
    EXPECT_EQ(steinerText(SteinerState{}), "n = 6: sin(180/n) = 0.500, (R - q) / (R + q) = 0.500");
}

TEST(Ptolemy, EqualOnTheCircleInOrderAndGreaterOffIt) {
    // Points by their angles about the circle's centre (3, 0), of radius 3; O is at 180 degrees.
    const auto at = [](double degrees) {
        return PlanePoint{3 + 3 * std::cos(degrees * pi / 180), 3 * std::sin(degrees * pi / 180)};
    };
    const struct {
        const char* name;
        PtolemyPoints points;
        bool equal;
    } cases[] = {
        {"the start", PtolemyPoints{}, true},
        {"A, B, C, O in order", {at(150), at(100), at(20)}, true},
        {"close together", {at(60), at(50), at(40)}, true},
        {"round both sides", {at(170), at(-10), at(-170)}, true},
        {"B beyond C", {at(90), at(-100), at(-20)}, false},
        {"B off the circle", {at(90), {6, 1}, at(-53)}, false},
        {"all off the circle", {{1, 1}, {2, -3}, {-4, 0.5}}, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const PtolemyFigure figure = ptolemyFigure(c.points);
        if (c.equal) {
            EXPECT_NEAR(figure.sum, figure.product, tolerance);
            for (const PlanePoint& image : {figure.aImage, figure.bImage, figure.cImage}) {
                EXPECT_NEAR(image.x, 25.0 / 6.0, tolerance); // on the image line
            }
        } else {
            EXPECT_GT(figure.sum - figure.product, 1e-3);
        }
        EXPECT_NEAR(figure.abImage, apart(figure.aImage, figure.bImage), tolerance);
        EXPECT_NEAR(figure.bcImage, apart(figure.bImage, figure.cImage), tolerance);
        EXPECT_NEAR(figure.acImage, apart(figure.aImage, figure.cImage), tolerance);
    }
    EXPECT_EQ(ptolemyText(PtolemyPoints{}), "AB * CO + BC * AO = 32.40, AC * BO = 32.40");
}
