// explorer_test.cpp
// The explorer's rules without a window: the case of each figure, how a dragged handle snaps (each zone at its exact
// edge), which handle a press takes, a scene with nothing OpenGL cannot draw, the constructions against geometry
// computed here, the view that fits each figure, the zoom about the pointer and the band's lines.
#include "circle_inversion.h"
#include "console.h"
#include "explorer/angles.h"
#include "explorer/band.h"
#include "explorer/construction.h"
#include "explorer/explorer.h"
#include "explorer/snapping.h"
#include "explorer/view.h"
#include "fresh_scene.h"
#include "line_inversion.h"
#include "point_inversion.h"

#include <cmath>
#include <cstring>
#include <gtest/gtest.h>

// One pixel is 1/32 of a scene unit, so that the zones' edges are exact: O and k pull from 6/32, whole coordinates
// from 3/32, a press reaches 12/32, handles stay 1/32 apart.
constexpr double pixel = 1.0 / 32.0;
constexpr float r = 5.0f;
// A float's rounding, relative to the number: the handles and radii are floats.
constexpr double floatRounding = 1e-6;

static GivenFigure figure(FigureKind kind, Point first, Point second = {}) {
    return GivenFigure{kind, first, second};
}

// The line through A and B, and the circle about C through R.
static GivenFigure ab(Point a, Point b) {
    return figure(FigureKind::LineFigure, a, b);
}
static GivenFigure cr(Point c, Point onIt) {
    return figure(FigureKind::CircleFigure, c, onIt);
}

// The explorer showing the figure and the first steps of its construction, its picture also put into the store as
// the window draws it, each object in its role's colour.
static Picture buildExplorerScene(const GivenFigure& shown, float radius, int steps = 0) {
    inversionRadius = radius;
    Explorer explorer;
    explorer.current = shown.kind;
    explorer.figures[int(shown.kind)] = shown;
    explorer.steps = steps;
    const Picture picture = explorerPicture(explorer);
    clearScene();
    for (const Shape& shape : picture.shapes) {
        switch (shape.kind) {
        case ShapeKind::Circle:
            sceneCircles.push_back(circleOf(shape));
            break;
        case ShapeKind::Line:
            sceneLines.push_back(lineOf(shape));
            break;
        case ShapeKind::Segment:
            sceneSegments.push_back(segmentOf(shape));
            break;
        case ShapeKind::Dot:
            scenePoints.push_back(pointOf(shape));
            break;
        }
    }
    return picture;
}

// The explorer driven by events, as its program drives it, at its first view in a figure of 1024 x 700 pixels.
struct Session {
    Explorer explorer;
    std::string printed;

    Session() {
        inversionRadius = r;
        printed = startExplorer(explorer).printed;
    }
    Effects send(InputEvent event) {
        Effects effects = handleEvent(explorer, event);
        printed += effects.printed;
        return effects;
    }
    // The pixel of the figure nearest to the scene point.
    std::array<int, 2> pixelOf(Point q) const {
        const Camera& v = explorer.view;
        const double perPixel = unitsPerPixel(v, explorer.area.height);
        return {int(std::lround((q.x - v.cx) / perPixel + explorer.area.width / 2.0 - 0.5)),
                int(std::lround(explorer.area.height / 2.0 - 0.5 - (q.y - v.cy) / perPixel))};
    }
    // The scene point under the pixel nearest to q: where a pointer put at q lands.
    Point landing(Point q) const {
        const std::array<int, 2> at = pixelOf(q);
        return sceneOfPixel(explorer.view, explorer.area.width, explorer.area.height, at[0], at[1]);
    }
    Effects pointer(InputEvent::Kind kind, Point q, int dx = 0) {
        const std::array<int, 2> at = pixelOf(q);
        return send(InputEvent{kind, at[0] + dx, at[1]});
    }
    Effects key(char k) {
        InputEvent event;
        event.key = k;
        return send(event);
    }
    Effects arrow(int dx, int dy, bool shift = false) {
        InputEvent event{InputEvent::Arrow};
        event.dx = dx;
        event.dy = dy;
        event.shift = shift;
        return send(event);
    }
    // A press at from, a move to to, and the release there.
    void drag(Point from, Point to) {
        pointer(InputEvent::Press, from);
        pointer(InputEvent::Move, to);
        pointer(InputEvent::Release, to);
    }
};

TEST(ExplorerCases, EachFigureInEachOfItsCases) {
    const float onK = float(5.0 * std::cos(1.0)), onK2 = float(5.0 * std::sin(1.0)); // on k up to rounding
    const struct {
        GivenFigure figure;
        FigureCase expected;
    } cases[] = {
        {figure(FigureKind::PointFigure, {2, 2}), FigureCase::PointInside},
        {figure(FigureKind::PointFigure, {5, 5}), FigureCase::PointOutside},
        {figure(FigureKind::PointFigure, {3, 4}), FigureCase::PointOnCircle},
        {figure(FigureKind::PointFigure, {onK, onK2}), FigureCase::PointOnCircle},
        {figure(FigureKind::PointFigure, {3, 4.0001f}), FigureCase::PointOutside},
        {figure(FigureKind::PointFigure, {0, 0}), FigureCase::PointAtCentre},
        {ab({2, 2}, {0, 1}), FigureCase::LineMissesCentre},
        {ab({2, 1}, {-2, -1}), FigureCase::LineThroughCentre},
        {ab({0, 0}, {3, -1}), FigureCase::LineThroughCentre},
        {ab({3, 0}, {4, 1}), FigureCase::LineMissesCentre}, // parallel to the test line
        // 0.0007 from O and parallel to the line programs' test line, which takes it for a line through O
        {ab({2, 2.001f}, {3, 3.001f}), FigureCase::LineThroughCentre},
        {cr({2, 2}, {4, 2}), FigureCase::CircleMissesCentre},
        {cr({3, 0}, {6, 0}), FigureCase::CircleThroughCentre},
        {cr({2, 2}, {4, 0}), FigureCase::CircleThroughCentre},
        {cr({1, 0}, {4, 0}), FigureCase::CircleMissesCentre},
        {cr({0, 0}, {onK, onK2}), FigureCase::CircleIsK},
        // C(6, 0): the circle of radius sqrt(11) crosses k at right angles; R on it up to rounding
        {cr({6, 0}, {float(6 + std::sqrt(11.0) * std::cos(2.0)), float(std::sqrt(11.0) * std::sin(2.0))}),
         FigureCase::CircleAtRightAngles},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "(" << c.figure.first.x << ", " << c.figure.first.y << "), ("
                                        << c.figure.second.x << ", " << c.figure.second.y << ")");
        EXPECT_EQ(figureCase(c.figure, r), c.expected);
    }
}

static float above(float v) {
    return std::nextafter(v, 1e9f);
}

TEST(ExplorerSnapping, EachZoneUpToItsEdge) {
    const float over = above(0.1875f); // just beyond 6 pixels
    const GivenFigure p = figure(FigureKind::PointFigure, {2, 2});
    const float rim = above(6.1875f); // R just beyond 6 pixels from making the circle pass through O
    const FigureCase through = FigureCase::LineThroughCentre, onO = FigureCase::CircleThroughCentre;
    const FigureCase aboutO = FigureCase::CircleAboutCentre, misses = FigureCase::CircleMissesCentre;
    // Two lines through X: the case is that of the moved handle's line (the first for X).
    const auto xab = [](Point x, Point a, Point b) { return GivenFigure{FigureKind::AngleFigure, x, a, b}; };
    const struct {
        const char* name;
        GivenFigure figure;
        int handle;
        Point pointer;
        Point expected; // where the handle lands; NAN where it is only known to be in the case
        FigureCase expectedCase;
    } cases[] = {
        // clang-format off
        {"P onto O at 6 px", p, 0, {0.1875f, 0}, {0, 0}, FigureCase::PointAtCentre},
        {"P free beyond 6 px of O", p, 0, {over, 0}, {over, 0}, FigureCase::PointInside},
        {"P onto k at 6 px inside", p, 0, {0, 4.8125f}, {0, 5}, FigureCase::PointOnCircle},
        {"P onto k at 6 px outside", p, 0, {5.1875f, 0}, {5, 0}, FigureCase::PointOnCircle},
        {"P free beyond 6 px of k", p, 0, {above(5.1875f), 0}, {above(5.1875f), 0}, FigureCase::PointOutside},
        {"P onto k, there onto (3, 4)", p, 0, {3.05f, 4.02f}, {3, 4}, FigureCase::PointOnCircle},
        {"P onto k, not onto (1, 5) beside it", p, 0, {1, 4.95f}, {NAN, NAN}, FigureCase::PointOnCircle},
        {"P onto whole coordinates at 3 px", p, 0, {1.09375f, 3}, {1, 3}, FigureCase::PointInside},
        {"P free beyond 3 px of them", p, 0, {1.09375f, 3.03125f}, {1.09375f, 3.03125f}, FigureCase::PointInside},
        {"B turns the line about A onto O at 6 px", ab({0.1875f, 2}, {0, 1}), 1, {0.1875f, -2}, {NAN, NAN}, through},
        {"B free beyond 6 px", ab({over, 2}, {0, 1}), 1, {over, -2}, {over, -2}, FigureCase::LineMissesCentre},
        {"B no closer than a pixel to A", ab({2, 2}, {0, 1}), 1, {2.02f, 2.03f}, {0, 1}, FigureCase::LineMissesCentre},
        {"R brings the circle onto O at 6 px", cr({3, 0}, {4, 2}), 1, {6.1875f, 0}, {6, 0}, onO},
        {"R free beyond 6 px", cr({3, 0}, {4, 2}), 1, {rim, 0}, {rim, 0}, FigureCase::CircleMissesCentre},
        {"C onto the bisector of OR", cr({1, 1}, {4, 0}), 0, {2.1f, 1}, {2, 1}, onO},
        {"C and R off the grid", cr({2, 2}, {4, 2}), 1, {4, 0.1f}, {NAN, NAN}, onO},
        {"P' onto k at 6 px, P with it", p, 1, {5.1875f, 0}, {5, 0}, FigureCase::PointOnCircle},
        {"P' onto whole coordinates, P onto their image", p, 1, {2.03f, 5.97f}, {2, 6}, FigureCase::PointInside},
        {"P' never onto O", p, 1, {0.1875f, 0}, {6.25f, 6.25f}, FigureCase::PointInside},
        {"C onto O at 6 px", cr({2, 2}, {4, 2}), 0, {0.1875f, 0}, {0, 0}, aboutO},
        {"C free beyond 6 px of O", cr({2, 2}, {4, 2}), 0, {over, 0}, {over, 0}, misses},
        {"R onto k at 6 px, C at O", cr({0, 0}, {2, 0}), 1, {0, 4.8125f}, {0, 5}, FigureCase::CircleIsK},
        {"R free beyond 6 px of k", cr({0, 0}, {2, 0}), 1, {0, above(5.1875f)}, {0, above(5.1875f)}, aboutO},
        // C(5, 5): the circle about C of radius 5 crosses k at right angles, as 50 = 25 + 25
        {"R onto the right angles at 6 px", cr({5, 5}, {7, 5}), 1, {10.1875f, 5}, {10, 5},
         FigureCase::CircleAtRightAngles},
        {"R free beyond 6 px of them", cr({5, 5}, {7, 5}), 1, {above(10.1875f), 5}, {above(10.1875f), 5}, misses},
        {"X onto O at 6 px", xab({2, 2}, {5, 2}, {2, 5}), 0, {0.1875f, 0}, {0, 0}, through},
        {"A turns XA about X onto O", xab({0.1875f, 2}, {0, 1}, {3, 3}), 1, {0.1875f, -2}, {NAN, NAN}, through},
        {"B turns XB about X onto O", xab({0.1875f, 2}, {3, 3}, {0, 1}), 2, {0.1875f, -2}, {NAN, NAN}, through},
        {"B no closer than a pixel to X", xab({2, 2}, {4, 4}, {0, 1}), 2, {2.02f, 2.03f}, {0, 1},
         FigureCase::LineMissesCentre},
        // clang-format on
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const GivenFigure moved = moveHandle(c.figure, c.handle, c.pointer, r, pixel);
        const Point at = handleAt(moved, c.handle, r);
        if (!std::isnan(c.expected.x)) {
            EXPECT_EQ(at.x, c.expected.x);
            EXPECT_EQ(at.y, c.expected.y);
        }
        const GivenFigure line = ab(moved.first, c.handle == 2 ? moved.third : moved.second);
        EXPECT_EQ(figureCase(moved.kind == FigureKind::AngleFigure ? line : moved, r), c.expectedCase);
    }
}

TEST(ExplorerPress, TakesTheNearestHandleWithinTwelvePixels) {
    const GivenFigure line = ab({2, 2}, {2.5f, 2});
    EXPECT_EQ(nearestHandle(line, {1.625f, 2}, pixel, r), 0);
    EXPECT_EQ(nearestHandle(line, {std::nextafter(1.625f, 0.0f), 2}, pixel, r), -1);
    EXPECT_EQ(nearestHandle(line, {2.3f, 2}, pixel, r), 1);
    EXPECT_EQ(nearestHandle(figure(FigureKind::PointFigure, {2, 2}, {9, 9}), {9, 9}, pixel, r), -1) << "P and P'";
    EXPECT_EQ(nearestHandle(figure(FigureKind::PointFigure, {2, 2}), {6.5f, 6.25f}, pixel, r), 1) << "P'(6.25, 6.25)";
    EXPECT_EQ(nearestHandle(figure(FigureKind::PointFigure, {3, 4}), {3, 4}, pixel, r), 0) << "P on k is P'";
    EXPECT_EQ(nearestHandle(startFigure(FigureKind::AngleFigure), {3.1f, 3}, pixel, r), 2) << "B(3, 3)";
}

// A canvas shown at 2.5 drawing pixels per CSS pixel: a finger reaches 24 CSS pixels, 60 drawing pixels; shown at
// 4 CSS pixels per drawing pixel, the mouse's reach is kept.
TEST(ExplorerPress, AFingerReachesTwentyFourCssPixels) {
    const GivenFigure p = figure(FigureKind::PointFigure, {2, 2});
    const double finger = touchUnitsPerPixel(pixel, 2.5);
    EXPECT_TRUE(nearestHandle(p, {3.875f, 2}, finger, r) == 0 && nearestHandle(p, {above(3.875f), 2}, finger, r) < 0);
    EXPECT_EQ(touchUnitsPerPixel(pixel, 0.25), pixel);
}

// What the program's pointer events do: a press takes the nearer of two handles in reach (A or C when it is the
// nearer, B or R when that is), a drag moves that handle alone to where the pointer lands, and a release prints only
// for the point figure.
TEST_F(FreshScene, APressTakesTheNearerHandleTheDragMovesItAloneAndTheReleasePrintsForPOnly) {
    Session session;
    Explorer& explorer = session.explorer;
    for (FigureKind kind : {FigureKind::CircleFigure, FigureKind::LineFigure}) {
        session.key(char('1' + int(kind)));
        explorer.figures[int(kind)] = figure(kind, {2, 2}, {2.25f, 2}); // both in reach of 2.1
        session.pointer(InputEvent::Press, {2.1f, 2});
        EXPECT_EQ(explorer.taken, 0);
        session.pointer(InputEvent::Press, {2.15f, 2});
        EXPECT_EQ(explorer.taken, 1);
        explorer.gesture = Gesture::Idle;
        explorer.figures[int(kind)] = startFigure(kind);
    }

    // Free moves, away from O, k and whole coordinates: the circle's centre C(2, 2) moves, R(4, 2) stays; then R
    // moves. The line's B moves, A stays.
    const struct {
        FigureKind kind;
        Point from, to;
        int moved; // the handle that moves
    } moves[] = {
        {FigureKind::CircleFigure, {2, 2}, {0.8f, -0.4f}, 0},
        {FigureKind::CircleFigure, {4, 2}, {3.8f, 3.6f}, 1},
        {FigureKind::LineFigure, {0, 1}, {-1.5f, 2.5f}, 1},
    };
    session.printed.clear();
    for (const auto& m : moves) {
        SCOPED_TRACE(testing::Message() << "to (" << m.to.x << ", " << m.to.y << ")");
        if (explorer.current != m.kind) {
            session.key(char('1' + int(m.kind)));
        }
        const GivenFigure before = currentFigure(explorer);
        session.drag(m.from, m.to);
        const GivenFigure& after = currentFigure(explorer);
        const Point landed = session.landing(m.to), kept = m.moved == 0 ? before.second : before.first;
        const Point moved = m.moved == 0 ? after.first : after.second,
                    still = m.moved == 0 ? after.second : after.first;
        EXPECT_TRUE(moved.x == landed.x && moved.y == landed.y);
        EXPECT_TRUE(still.x == kept.x && still.y == kept.y);
        EXPECT_FALSE(explorer.ring) << "a drag takes the ring away";
    }
    EXPECT_EQ(session.printed, std::string(caseSentence(FigureCase::CircleMissesCentre).plain) + "\n" +
                                   caseSentence(FigureCase::LineMissesCentre).plain + "\n")
        << "only the cases, when a figure is shown";

    // P dragged to (1.5, -3.5), where it lands: P' = 25 / |OP|^2 P.
    session.key('1');
    session.printed.clear();
    session.drag({2, 2}, {1.5f, -3.5f});
    const Point p = currentFigure(explorer).first;
    EXPECT_NEAR(p.x, 1.5, 0.04);
    EXPECT_NEAR(p.y, -3.5, 0.04);
    EXPECT_EQ(session.printed, measurementText(p) + "\n");
}

// Near O the images are far away and large, but every value handed to OpenGL is a number.
TEST_F(FreshScene, NearDegenerateFiguresGiveFiniteScenes) {
    inversionRadius = r;
    const GivenFigure figures[] = {
        figure(FigureKind::PointFigure, {0.19f, 0}),
        ab({0.1876f, -8}, {0.1876f, 8}),
        ab({1e-3f, 1e-3f}, {2e-3f, 2.1e-3f}),
        cr({0.05f, 0}, {0.05f, 0.05f}),
        cr({0.03125f, 0}, {0.0625f, 0}),
        cr({0, 0}, {0.03125f, 0}),
    };
    for (const GivenFigure& f : figures) {
        buildExplorerScene(f, r);
        std::vector<double> values;
        for (const Point& p : scenePoints) {
            values.insert(values.end(), {p.x, p.y});
        }
        for (const Line& l : sceneLines) {
            values.insert(values.end(), {l.point.x, l.point.y, l.direction.x, l.direction.y});
        }
        for (const Circle& c : sceneCircles) {
            values.insert(values.end(), {c.centre.x, c.centre.y, c.radius});
        }
        EXPECT_EQ(sceneCircles.size() + sceneLines.size(), f.kind == FigureKind::PointFigure ? 1u : 3u);
        for (double v : values) {
            EXPECT_TRUE(std::isfinite(v)) << "(" << f.first.x << ", " << f.first.y << ")";
        }
    }
}

// ---- The construction, against geometry computed here in double ----

struct Vec {
    double x, y;
};

static Vec vec(Point p) {
    return {p.x, p.y};
}

static Vec imageOf(Vec p) {
    const double s = 25.0 / (p.x * p.x + p.y * p.y);
    return {p.x * s, p.y * s};
}

// The meeting point of the lines a1 + s d1 and a2 + t d2.
static Vec meeting(Vec a1, Vec d1, Vec a2, Vec d2) {
    const double s = ((a2.x - a1.x) * d2.y - (a2.y - a1.y) * d2.x) / (d1.x * d2.y - d1.y * d2.x);
    return {a1.x + s * d1.x, a1.y + s * d1.y};
}

static double apart(Vec a, Vec b) {
    return std::hypot(a.x - b.x, a.y - b.y);
}

// P'' = P: P' dragged anywhere off the snapping zones lands where the pointer is, and P on its image.
TEST(ExplorerSnapping, PPrimeDraggedLandsWherePutAndPIsItsImage) {
    int checked = 0;
    for (double x = -9.1; x < 9.5; x += 0.73) {
        for (double y = -8.7; y < 9.5; y += 0.61) {
            const double fromO = std::hypot(x, y);
            const double offGrid = std::hypot(x - std::round(x), y - std::round(y));
            if (fromO <= 0.2 || std::fabs(fromO - 5) <= 0.2 || offGrid <= 0.1) {
                continue; // O, k and whole coordinates pull P'
            }
            const GivenFigure moved =
                moveHandle(figure(FigureKind::PointFigure, {2, 2}), 1, {float(x), float(y)}, r, pixel);
            const double p = std::hypot(moved.first.x, moved.first.y), s = 25.0 / (p * p);
            EXPECT_LE(apart({moved.first.x * s, moved.first.y * s}, {x, y}), floatRounding * fromO) << x << ", " << y;
            ++checked;
        }
    }
    EXPECT_GT(checked, 500);
}

// Float rounding of a few steps, relative to the size of what is compared.
constexpr double constructionTolerance = 1e-5;

// The first Red record of a list of the store: the image, which the construction is drawn over.
template <class List> static const typename List::value_type* firstRed(const List& list) {
    for (const auto& record : list) {
        if (record.colour == Red) {
            return &record;
        }
    }
    return nullptr;
}

static const Circle* redCircle() {
    return firstRed(sceneCircles);
}

TEST_F(FreshScene, EachConstructionEndsOnTheImageTheExplorerDraws) {
    inversionRadius = r;
    // P inside and outside k: T1 and T2 lie on k; inside, the tangents there meet at P'; outside, their chord
    // crosses OP at P'.
    for (Point p : {Point{2, 2}, Point{-0.5f, 3}, Point{5.5f, 3}, Point{0, -7}}) {
        SCOPED_TRACE(testing::Message() << "P(" << p.x << ", " << p.y << ")");
        const std::array<Point, 2> t = contactPoints(p, r);
        const Vec t1 = vec(t[0]), t2 = vec(t[1]), image = imageOf(vec(p));
        EXPECT_NEAR(std::hypot(t1.x, t1.y), 5.0, 5.0 * constructionTolerance);
        EXPECT_NEAR(std::hypot(t2.x, t2.y), 5.0, 5.0 * constructionTolerance);
        const Vec met = std::hypot(p.x, p.y) < 5.0 ? meeting(t1, {-t1.y, t1.x}, t2, {-t2.y, t2.x})
                                                   : meeting(t1, {t2.x - t1.x, t2.y - t1.y}, {0, 0}, vec(p));
        EXPECT_LE(apart(met, image), constructionTolerance * std::hypot(image.x, image.y));
        buildExplorerScene(GivenFigure{FigureKind::PointFigure, p, p}, r, 4);
        ASSERT_NE(firstRed(scenePoints), nullptr);
        EXPECT_LE(apart(vec(*firstRed(scenePoints)), image), constructionTolerance * std::hypot(image.x, image.y));
    }
    // P on k and P at O: one step, nothing to construct.
    for (Point p : {Point{3, 4}, Point{0, 0}}) {
        const std::array<Point, 2> t = contactPoints(p, r);
        EXPECT_TRUE(t[0].x == p.x && t[0].y == p.y && t[1].x == p.x && t[1].y == p.y);
        const GivenFigure figure{FigureKind::PointFigure, p, p};
        EXPECT_EQ(stepCount(figureCase(figure, r)), 1);
        buildExplorerScene(figure, r, 1);
        EXPECT_TRUE(sceneLines.empty() && sceneSegments.empty() && sceneCircles.size() == 1u);
    }
    // A line missing O: the circle on the diameter OF' is the image circle.
    for (const auto& ab : {std::array<Point, 2>{Point{2, 2}, Point{0, 1}}, {Point{7, 7}, Point{6, 8}}}) {
        const Vec a = vec(ab[0]), b = vec(ab[1]), d{b.x - a.x, b.y - a.y};
        const Vec foot = vec(footOfPerpendicular(ab[0], ab[1]));
        EXPECT_NEAR((foot.x - a.x) * d.y - (foot.y - a.y) * d.x, 0.0, constructionTolerance);
        EXPECT_NEAR(foot.x * d.x + foot.y * d.y, 0.0, constructionTolerance);
        const Vec far = imageOf(foot);
        buildExplorerScene(GivenFigure{FigureKind::LineFigure, ab[0], ab[1]}, r, 3);
        ASSERT_NE(redCircle(), nullptr);
        EXPECT_LE(apart(vec(redCircle()->centre), {far.x / 2, far.y / 2}), constructionTolerance * (1 + foot.x));
        EXPECT_NEAR(redCircle()->radius, std::hypot(far.x, far.y) / 2, constructionTolerance * redCircle()->radius);
    }
    // A circle missing O, C at O among them: D and E lie on the circle and on the line OC (the x-axis for C at
    // O), and the circle on the diameter D'E' is the image circle.
    for (const auto& cr : {std::array<Point, 2>{Point{2, 2}, Point{4, 2}},
                           {Point{0, 0}, Point{0, 2}},
                           {Point{-1, 0.5f}, Point{-1, 3}}}) {
        SCOPED_TRACE(testing::Message() << "C(" << cr[0].x << ", " << cr[0].y << ")");
        const Circle circle{cr[0], float(std::hypot(cr[1].x - cr[0].x, cr[1].y - cr[0].y))};
        const std::array<Point, 2> de = pointsOnLineOC(circle);
        const Vec c = vec(cr[0]), along = c.x == 0 && c.y == 0 ? Vec{1, 0} : c;
        for (Point q : de) {
            EXPECT_NEAR(apart(vec(q), c), circle.radius, constructionTolerance);
            EXPECT_NEAR(q.x * along.y - q.y * along.x, 0.0, constructionTolerance);
        }
        const Vec d = imageOf(vec(de[0])), e = imageOf(vec(de[1]));
        buildExplorerScene(GivenFigure{FigureKind::CircleFigure, cr[0], cr[1]}, r, 3);
        ASSERT_NE(redCircle(), nullptr);
        EXPECT_LE(apart(vec(redCircle()->centre), {(d.x + e.x) / 2, (d.y + e.y) / 2}),
                  constructionTolerance * redCircle()->radius);
        EXPECT_NEAR(redCircle()->radius, apart(d, e) / 2, constructionTolerance * redCircle()->radius);
    }
    // A circle through O: D is opposite O, and the image line passes through D' at right angles to OC.
    {
        const GivenFigure figure{FigureKind::CircleFigure, {2, 2}, {4, 0}};
        const Vec d = vec(pointsOnLineOC(Circle{{2, 2}, float(std::sqrt(8.0))})[0]);
        EXPECT_LE(apart(d, {4, 4}), constructionTolerance);
        buildExplorerScene(figure, r, 3);
        ASSERT_NE(firstRed(sceneLines), nullptr);
        const Line& image = *firstRed(sceneLines);
        const Vec dImage = imageOf(d), at = vec(image.point), along = vec(image.direction);
        const double length = std::hypot(along.x, along.y);
        EXPECT_NEAR(((dImage.x - at.x) * along.y - (dImage.y - at.y) * along.x) / length, 0.0, constructionTolerance);
        EXPECT_NEAR((along.x * 2 + along.y * 2) / length, 0.0, constructionTolerance);
    }
}

// A construction record (dark green, dashed) a step adds: a dot with its name, a line through a along b, a segment from
// a to b, the ray from a along b (to far beyond the view), or the circle about a of radius b.x.
struct GreenRecord {
    enum Kind { Dot, Through, Segment, Ray, Ring, kinds } kind;
    int step;
    Vec a, b;
    const char* name = nullptr;
};

static bool near(Vec p, Vec q) {
    return apart(p, q) <= constructionTolerance * (1 + std::hypot(q.x, q.y));
}

template <class Record> static ColourCode colourOf(const Record& record) {
    return record.colour;
}
template <> ColourCode colourOf(const Label& label) {
    return roleColour(label.role);
}

template <class List, class Test> static int greenCount(const List& list, Test test) {
    return int(std::count_if(list.begin(), list.end(),
                             [&](const auto& x) { return colourOf(x) == ConstructionGreen && test(x); }));
}

static bool drawn(const GreenRecord& g, const std::vector<Label>& labels) {
    const auto unit = [](Vec v) { return Vec{v.x / std::hypot(v.x, v.y), v.y / std::hypot(v.x, v.y)}; };
    switch (g.kind) {
    case GreenRecord::Dot:
        return greenCount(scenePoints, [&](const Point& p) { return near(vec(p), g.a); }) == 1 &&
               greenCount(labels, [&](const Label& l) { return l.text == g.name && near(vec(l.at), g.a); }) == 1;
    case GreenRecord::Through: // a on the line, which runs along b
        return greenCount(sceneLines, [&](const Line& l) {
                   const Vec d = unit(vec(l.direction)), b = unit(g.b);
                   const double off = (g.a.x - l.point.x) * d.y - (g.a.y - l.point.y) * d.x;
                   return std::fabs(d.x * b.y - d.y * b.x) <= constructionTolerance && near({off, 0}, {0, 0});
               }) == 1;
    case GreenRecord::Segment:
        return greenCount(sceneSegments, [&](const Segment& s) {
                   return (near(vec(s.start), g.a) && near(vec(s.end), g.b)) ||
                          (near(vec(s.start), g.b) && near(vec(s.end), g.a));
               }) == 1;
    case GreenRecord::Ray:
        return greenCount(sceneSegments, [&](const Segment& s) {
                   const Vec end = vec(s.end);
                   return near(vec(s.start), g.a) && near(unit(end), unit(g.b)) && std::hypot(end.x, end.y) >= 100;
               }) == 1;
    default:
        return greenCount(sceneCircles, [&](const Circle& c) {
                   return near(vec(c.centre), g.a) && near({c.radius, 0}, {g.b.x, 0});
               }) == 1;
    }
}

// Each step of each construction against the figure worked out by hand: what its sentence names is drawn at that
// step, in ConstructionGreen, and stays; nothing of a later step is there yet. Step 3 of the line and the circles
// traces the image: the circle on the diameter OF' or D'E', or the line at right angles to OC through D'.
TEST_F(FreshScene, EachStepDrawsWhatItsSentenceSaysAndNoMore) {
    inversionRadius = r;
    using G = GreenRecord;
    const double seventh = 1.0 / 7.0;
    const struct {
        GivenFigure figure;
        FigureCase expectedCase;
        int steps;
        std::vector<GreenRecord> records;
    } rows[] = {
        // clang-format off
        // P 3 from O: the chord at P is 2 * 4 long, T1 and T2 at P -+ 4 (0.8, -0.6); the tangents meet at (5, 20/3).
        {figure(FigureKind::PointFigure, {1.8f, 2.4f}), FigureCase::PointInside, 4,
         {{G::Ray, 1, {0, 0}, {3, 4}}, {G::Through, 2, {1.8, 2.4}, {-4, 3}},
          {G::Dot, 2, {-1.4, 4.8}, {}, "T1"}, {G::Dot, 2, {5, 0}, {}, "T2"},
          {G::Through, 3, {-1.4, 4.8}, {4.8, 1.4}}, {G::Through, 3, {5, 0}, {0, 1}},
          // the radius OT1 and the right angle at T1 between T1O and T1P', a square of side 0.4
          {G::Segment, 4, {0, 0}, {-1.4, 4.8}}, {G::Segment, 4, {-1.288, 4.416}, {-0.904, 4.528}},
          {G::Segment, 4, {-0.904, 4.528}, {-1.016, 4.912}}}},
        // P 6.25 from O: the chord of contact is 4 from O, T1 and T2 at (2.4, 3.2) -+ 3 (0.8, -0.6).
        {figure(FigureKind::PointFigure, {3.75f, 5}), FigureCase::PointOutside, 4,
         {{G::Ray, 1, {0, 0}, {3, 4}}, {G::Ring, 2, {1.875, 2.5}, {3.125, 0}},
          {G::Through, 2, {3.75, 5}, {1, 0}}, {G::Through, 2, {3.75, 5}, {1.05, -3.6}},
          {G::Dot, 2, {0, 5}, {}, "T1"}, {G::Dot, 2, {4.8, 1.4}, {}, "T2"}, {G::Segment, 3, {0, 5}, {4.8, 1.4}},
          // the radius OT1 and the right angle at T1 between T1O and T1P
          {G::Segment, 4, {0, 0}, {0, 5}}, {G::Segment, 4, {0, 4.6}, {0.4, 4.6}}, {G::Segment, 4, {0.4, 4.6}, {0.4, 5}}}},
        // x - 2y = -2: F = -2 (1, -2) / 5, |OF|^2 = 0.8, F' = 31.25 F.
        {ab({2, 2}, {0, 1}), FigureCase::LineMissesCentre, 3,
         {{G::Segment, 1, {0, 0}, {-0.4, 0.8}}, {G::Dot, 1, {-0.4, 0.8}, {}, "F"},
          {G::Dot, 2, {-12.5, 25}, {}, "F'"}, {G::Segment, 2, {0, 0}, {-12.5, 25}},
          {G::Ring, 3, {-6.25, 12.5}, {std::hypot(6.25, 12.5), 0}}}},
        // C(3, 4), radius 2: D 7 from O, E 3 from O; D' = 25/49 D, E' = 25/9 E.
        {cr({3, 4}, {5, 4}), FigureCase::CircleMissesCentre, 3,
         {{G::Through, 1, {0, 0}, {3, 4}}, {G::Dot, 1, {4.2, 5.6}, {}, "D"}, {G::Dot, 1, {1.8, 2.4}, {}, "E"},
          {G::Dot, 2, {15 * seventh, 20 * seventh}, {}, "D'"}, {G::Dot, 2, {5, 20.0 / 3}, {}, "E'"},
          {G::Segment, 3, {15 * seventh, 20 * seventh}, {5, 20.0 / 3}},
          {G::Ring, 3, {(15 * seventh + 5) / 2, (20 * seventh + 20.0 / 3) / 2}, {(20.0 / 3 - 20 * seventh) * 0.625, 0}}}},
        // C(3, 4) through O: D = 2 C, D' = D / 4; the image line itself is Red.
        {cr({3, 4}, {6, 8}), FigureCase::CircleThroughCentre, 3,
         {{G::Through, 1, {0, 0}, {3, 4}}, {G::Dot, 1, {6, 8}, {}, "D"}, {G::Dot, 2, {1.5, 2}, {}, "D'"},
          {G::Through, 3, {1.5, 2}, {-4, 3}}}},
        {ab({2, 1}, {-2, -1}), FigureCase::LineThroughCentre, 1, {}},
        // clang-format on
    };
    for (const auto& row : rows) {
        ASSERT_EQ(figureCase(row.figure, r), row.expectedCase);
        EXPECT_EQ(stepCount(row.expectedCase), row.steps);
        for (int n = 0; n <= row.steps; ++n) {
            SCOPED_TRACE(testing::Message() << "case " << int(row.expectedCase) << ", step " << n);
            const std::vector<Label> labels = buildExplorerScene(row.figure, r, n).labels;
            int count[G::kinds] = {};
            for (const G& g : row.records) {
                if (g.step <= n) {
                    ++count[g.kind];
                    EXPECT_TRUE(drawn(g, labels)) << "record " << &g - row.records.data();
                }
                if (g.step == n && g.name) {
                    EXPECT_NE(std::string(stepSentence(row.expectedCase, n).plain).find(g.name), std::string::npos);
                }
            }
            const auto all = [](const auto&) { return true; };
            EXPECT_EQ(greenCount(scenePoints, all), count[G::Dot]);
            EXPECT_EQ(greenCount(labels, all), count[G::Dot]);
            EXPECT_EQ(greenCount(sceneLines, all), count[G::Through]);
            EXPECT_EQ(greenCount(sceneSegments, all), count[G::Segment] + count[G::Ray]);
            EXPECT_EQ(greenCount(sceneCircles, all), count[G::Ring]);
        }
    }
}

// The labels over the constructions, at every step, at the first size, on a projector and zoomed out: none covers
// another, a dot, or a line or curve that the frame draws (walked along here a third of a pixel at a time), and k
// keeps its name, also where T1 falls on the place of k's label (P at (2.5, 2.5)).
TEST_F(FreshScene, EachLabelLeavesTheOthersTheDotsAndTheLinesClear) {
    const GivenFigure figures[] = {figure(FigureKind::PointFigure, {2.5f, 2.5f}),
                                   figure(FigureKind::PointFigure, {2, 2}),
                                   figure(FigureKind::PointFigure, {3.75f, 5}),
                                   ab({1.5f, 2}, {3.5f, 0.5f}),
                                   cr({3, 4}, {5, 4}),
                                   cr({3, 4}, {6, 8}),
                                   cr({-2, 1}, {-1, 1})};
    const auto inside = [](const PixelBox& box, double x, double y) {
        return box.left < x && x < box.right && box.bottom < y && y < box.top;
    };
    for (const auto& [width, height, zoomOut] : {std::tuple{1024, 700, 0}, {1920, 1080, 0}, {1024, 700, 4}}) {
        for (const GivenFigure& shown : figures) {
            const FigureCase shownCase = figureCase(shown, r);
            for (int n = 0; n <= stepCount(shownCase); ++n) {
                Session session;
                Explorer& explorer = session.explorer;
                explorer.area = FigureArea{width, height, 0};
                explorer.current = shown.kind;
                explorer.figures[int(shown.kind)] = shown;
                session.key('f');
                for (int i = 0; i < zoomOut; ++i) {
                    session.send(InputEvent{InputEvent::Wheel, width / 2, height / 2, -1});
                }
                explorer.steps = n;
                SCOPED_TRACE(testing::Message() << "case " << int(shownCase) << ", step " << n << ", " << height);
                const Picture picture = explorerPicture(explorer);
                const double upp = unitsPerPixel(explorer.view, height);
                ASSERT_EQ(picture.labels[0].text, "k");
                std::vector<PixelBox> boxes;
                for (const Label& label : picture.labels) {
                    boxes.push_back(labelBox(label, upp));
                }
                const auto clear = [&](double x, double y, const char* what) {
                    for (std::size_t i = 0; i < boxes.size(); ++i) {
                        EXPECT_FALSE(inside(boxes[i], x / upp, y / upp))
                            << picture.labels[i].text << " on " << what << " at " << x << ", " << y;
                    }
                };
                for (const DrawnItem& item : drawList(Picture{picture.shapes, {}}, WalkFrame{})) {
                    const double steps =
                        (item.kind == DrawnItem::Outline ? 2.0 * std::acos(-1.0) * item.radius
                                                         : std::hypot(item.x2 - item.x, item.y2 - item.y)) /
                        upp * 3.0;
                    for (double i = 0; i <= steps; ++i) {
                        const double t = i / std::max(steps, 1.0);
                        if (item.kind == DrawnItem::Outline) {
                            const double a = 2.0 * std::acos(-1.0) * t;
                            clear(item.x + item.radius * std::cos(a), item.y + item.radius * std::sin(a), "a circle");
                        } else if (item.kind == DrawnItem::Stroke) {
                            clear(item.x + t * (item.x2 - item.x), item.y + t * (item.y2 - item.y), "a line");
                        }
                    }
                    if (item.kind == DrawnItem::Dot) {
                        clear(item.x, item.y, "a dot");
                    }
                }
                for (std::size_t i = 0; i < boxes.size(); ++i) {
                    for (std::size_t j = i + 1; j < boxes.size(); ++j) {
                        EXPECT_FALSE(boxes[i].left < boxes[j].right && boxes[j].left < boxes[i].right &&
                                     boxes[i].bottom < boxes[j].top && boxes[j].bottom < boxes[i].top)
                            << picture.labels[i].text << " and " << picture.labels[j].text;
                    }
                }
            }
        }
    }
}

// Inversion keeps angles: over a grid of figures, lines through O among them, the Red images drawn pass through X'
// and their tangents there make the angle of the lines at X, and so do the sizes shown.
TEST_F(FreshScene, TheImagesMeetAtXPrimeAtTheAngleOfTheLines) {
    inversionRadius = r;
    const double degree = std::acos(-1.0) / 180.0;
    const auto angleOf = [=](Vec a, Vec b) {
        return std::acos(std::fabs(a.x * b.x + a.y * b.y) / std::hypot(a.x, a.y) / std::hypot(b.x, b.y)) / degree;
    };
    const auto from = [=](Point x, double length, double angle) {
        return Point{float(x.x + length * std::cos(angle * degree)), float(x.y + length * std::sin(angle * degree))};
    };
    for (Point x : {Point{1, 2}, Point{-3, 1}, Point{0.5f, -4}, Point{6, 5}, Point{-2, -2}}) {
        for (double first : {0.0, 37.0, 100.0, -1.0}) { // -1: the line XA through O
            for (double second : {15.0, 90.0, 145.0, 200.0, 63.0}) {
                const Point a = first < 0 ? Point{2 * x.x, 2 * x.y} : from(x, 2, first), b = from(x, 3, second);
                SCOPED_TRACE(testing::Message() << "X(" << x.x << ", " << x.y << "), " << first << ", " << second);
                const double expected =
                    angleOf({double(a.x) - x.x, double(a.y) - x.y}, {double(b.x) - x.x, double(b.y) - x.y});
                const GivenFigure f{FigureKind::AngleFigure, x, a, b};
                buildExplorerScene(f, r);
                const Vec image = imageOf(vec(x));
                std::vector<Vec> tangents;
                for (const Circle& c : sceneCircles) {
                    if (c.colour == Red) {
                        EXPECT_NEAR(apart(image, vec(c.centre)), c.radius, constructionTolerance * c.radius);
                        tangents.push_back({-(image.y - c.centre.y), image.x - c.centre.x});
                    }
                }
                for (const Line& l : sceneLines) {
                    if (l.colour == Red) {
                        tangents.push_back(vec(l.direction));
                    }
                }
                ASSERT_EQ(tangents.size(), 2u);
                EXPECT_NEAR(angleOf(tangents[0], tangents[1]), expected, 1e-4);
                EXPECT_NEAR(angleMarks(f, r)[0].degrees, expected, 1e-4);
                EXPECT_NEAR(angleMarks(f, r)[1].degrees, expected, 1e-4);
            }
        }
    }
}

// The keys n and the arrows, and the single pointer, as events at the first view.
TEST_F(FreshScene, KeysAndSingleClicksMoveTheChosenHandleAsADragEndingThere) {
    Session session;
    Explorer& explorer = session.explorer;
    const auto at = [](Point p, float x, float y) { return p.x == x && p.y == y; };
    const auto pLine = [](const char* p, const char* image) {
        return std::string("P(") + p + ")  P'(" + image + ")  |OP| * |OP'| = 25.00\n";
    };
    const std::string onK = caseSentence(FigureCase::PointOnCircle).plain,
                      atO = caseSentence(FigureCase::PointAtCentre).plain;
    // clang-format off
    const struct { Point from; int dx, dy; bool shift; int times; Point to; std::string printed, announced; } moves[] = {
        {{2, 2}, -1, 0, false, 10, {1, 2}, pLine("1.00, 2.00", "5.00, 10.00"), "P(1, 2), P'(5, 10)"},
        {{2.04f, 2}, 1, 0, true, 1, {3, 2}, pLine("3.00, 2.00", "5.77, 3.85"), "P(3, 2), P'(5.77, 3.85)"}, // from 2.0
        {{2, 2}, 0, 1, false, 1, {2, 2.1f}, pLine("2.00, 2.10", "5.95, 6.24"), "P(2, 2.1), P'(5.95, 6.24)"},
        {{2, 2}, 0, -1, true, 1, {2, 1}, pLine("2.00, 1.00", "10.00, 5.00"), "P(2, 1), P'(10, 5)"},
        {{3.1f, 4}, -1, 0, false, 1, {3, 4}, onK + "\n" + pLine("3.00, 4.00", "3.00, 4.00"), "P(3, 4), P'(3, 4). " + onK},
        {{0, 0.2f}, 0, -1, false, 1, {0, 0}, atO + "\n", "P(0, 0). " + atO}, // (0, 0.1) snaps onto O
    };
    // clang-format on
    for (const auto& m : moves) {
        SCOPED_TRACE(testing::Message() << "from (" << m.from.x << ", " << m.from.y << ")");
        explorer.figures[0].first = m.from;
        explorer.shownCase = figureCase(explorer.figures[0], r);
        Effects effects;
        for (int i = 0; i < m.times; ++i) {
            effects = session.arrow(m.dx, m.dy, m.shift);
        }
        EXPECT_TRUE(at(explorer.figures[0].first, m.to.x, m.to.y));
        EXPECT_EQ(effects.printed, m.printed);
        EXPECT_EQ(effects.announcement, m.announced);
        EXPECT_TRUE(effects.redraw && explorer.ring);
    }

    // n chooses B of the line, then A again; the ring is drawn about the chosen handle, last of all.
    session.key('2');
    session.key('n');
    const Shape ring = explorerPicture(explorer).shapes.back();
    EXPECT_TRUE(ring.role == Role::Ring && at(ring.a, 0, 1) && ring.radius == ringRadius);
    session.arrow(0, 1, true);
    EXPECT_TRUE(at(currentFigure(explorer).second, 0, 2));
    session.key('n');
    EXPECT_EQ(explorer.chosen, 0);
    // On the point figure n reaches P' too, where P has an image apart from it.
    session.key('1');
    session.key('r');
    session.key('n');
    EXPECT_EQ(explorer.chosen, 1);
    EXPECT_NE(session.key('n').announcement.find("P(2, 2)"), std::string::npos);
    EXPECT_EQ(explorer.chosen, 0);
    session.key('2');

    // A click near B, 3 pixels off, chooses it and leaves it where it is; a click away from the handles moves it
    // there, the ring kept; a press away that moves 4 pixels pans the view and moves nothing.
    session.key('r');
    session.pointer(InputEvent::Press, {0, 1}, 3);
    session.pointer(InputEvent::Move, {0, 1}, 1);
    session.pointer(InputEvent::Release, {0, 1}, 2);
    EXPECT_TRUE(explorer.ring && explorer.chosen == 1 && at(currentFigure(explorer).second, 0, 1));
    const Point away = session.landing({-3.3f, 2.2f});
    session.pointer(InputEvent::Press, {-3.3f, 2.2f});
    session.pointer(InputEvent::Release, {-3.3f, 2.2f}, 3);
    EXPECT_NEAR(currentFigure(explorer).second.x, away.x, 0.12); // three pixels of 0.038
    EXPECT_TRUE(explorer.ring && at(currentFigure(explorer).first, 2, 2));
    const Camera before = explorer.view;
    const GivenFigure still = currentFigure(explorer);
    session.pointer(InputEvent::Press, {-6, 6});
    const Point held = session.landing({-6, 6});
    const std::array<int, 2> pixel = session.pixelOf({-6, 6});
    EXPECT_TRUE(session.pointer(InputEvent::Move, {-6, 6}, 4).redraw);
    session.pointer(InputEvent::Release, {-6, 6}, 4);
    EXPECT_TRUE(at(currentFigure(explorer).second, still.second.x, still.second.y) && explorer.ring);
    const Point under = sceneOfPixel(explorer.view, explorer.area.width, explorer.area.height, pixel[0] + 4, pixel[1]);
    EXPECT_NEAR(under.x, held.x, 1e-5) << "the plane held under the pointer";
    EXPECT_LT(explorer.view.cx, before.cx);
    // A drag of A takes the ring away.
    session.drag({2, 2}, {2.5f, 2.5f});
    EXPECT_FALSE(explorer.ring);

    // The page's panel: the case, and the step shown on a line of its own.
    session.key('r');
    const Effects step = session.key('k');
    EXPECT_EQ(step.announcement + "\n", step.printed);
    EXPECT_EQ(panelText(explorer), caseSentence(FigureCase::LineMissesCentre).plain + ("\n" + step.announcement));
}

// The wheel zooms about the pointer, in when turned up; + and - about the middle; 0 returns to the first view; t
// hides the band and shows it again; h prints the help, s asks for a save, q and Escape for the end; j speaks the
// next language.
TEST_F(FreshScene, TheViewAndTheOtherKeysAnswerAsTheirKeysSay) {
    Session session;
    Explorer& explorer = session.explorer;
    const double start = unitsPerPixel(explorer.view, 700);
    const Point q = session.landing({3, -2});
    EXPECT_TRUE(session.pointer(InputEvent::Wheel, {3, -2}).redraw == false) << "no notches, nothing";
    const std::array<int, 2> at = session.pixelOf({3, -2});
    session.send(InputEvent{InputEvent::Wheel, at[0], at[1], 1});
    EXPECT_NEAR(unitsPerPixel(explorer.view, 700), start / zoomStep, start * 1e-6);
    const Point still = sceneOfPixel(explorer.view, 1024, 700, at[0], at[1]);
    EXPECT_NEAR(still.x, q.x, 1e-3);
    EXPECT_NEAR(still.y, q.y, 1e-3);
    session.send(InputEvent{InputEvent::Wheel, at[0], at[1], -2});
    EXPECT_NEAR(unitsPerPixel(explorer.view, 700), start * zoomStep, start * 1e-6);
    session.key('0');
    session.key('+');
    EXPECT_NEAR(unitsPerPixel(explorer.view, 700), start / zoomStep, start * 1e-6);
    EXPECT_EQ(explorer.view.cx, startView().cx);
    session.key('-');
    session.key('-');
    EXPECT_NEAR(unitsPerPixel(explorer.view, 700), start * zoomStep, start * 1e-6);
    session.key('0');
    EXPECT_EQ(explorer.view.d, startView().d);
    EXPECT_TRUE(session.key('t').redraw && !explorer.bandShown);
    session.key('t');
    EXPECT_TRUE(explorer.bandShown);
    // The help on the console and in the band, until the next input.
    EXPECT_EQ(session.key('h').printed, Sentence::ExplorerHelp.plain);
    const CharacterWidth onePixel = [](char) { return 1; };
    const std::string helpStart(Sentence::ExplorerHelp.plain, std::strchr(Sentence::ExplorerHelp.plain, '\n'));
    EXPECT_EQ(bandLines(explorer, 100000, onePixel)[1], helpStart);
    EXPECT_TRUE(session.key('x').redraw);
    EXPECT_EQ(bandLines(explorer, 100000, onePixel)[2], Sentence::BandKeys.plain);
    EXPECT_TRUE(session.key('s').save && session.key('q').quit && session.key(27).quit);
    EXPECT_FALSE(session.key('x').redraw || session.key('x').save || session.key('x').quit);
    // j: Cyrillic, Latin, English, then the plain form again, each saying the case of P(2, 2) inside k.
    for (const char* said : {"Тачка P је унутар круга k, па је њена слика P' ван круга k, на полуправој OP.\n",
                             "Tačka P je unutar kruga k, pa je njena slika P' van kruga k, na polupravoj OP.\n",
                             "The point P lies inside k, so its image P' lies outside k, on the ray OP.\n",
                             "Tacka P je unutar kruga k, pa je njena slika P' van kruga k, na polupravoj OP.\n"}) {
        EXPECT_EQ(session.key('j').printed, said);
    }
}

// f frames k, the figure's points, its image and its whole construction, the image cut 60 from O along each axis:
// the image circles worked out here from the diameter from O to the image of the foot of the perpendicular.
TEST_F(FreshScene, TheFitHoldsEachFigureItsImageAndItsConstructionUpToSixtyFromO) {
    inversionRadius = r;
    const double lineImage = 25.0 * std::sqrt(5.0) / 4.0, angleImage = 25.0 / 6.0 * std::sqrt(5.0);
    const struct {
        GivenFigure figure;
        std::vector<double> box; // left, bottom, right, top
    } cases[] = {
        {startFigure(FigureKind::PointFigure), {-5, -5, 6.25, 6.25}}, // P'(6.25, 6.25)
        {startFigure(FigureKind::LineFigure), {-6.25 - lineImage, -5, -6.25 + lineImage, 12.5 + lineImage}},
        {startFigure(FigureKind::CircleFigure), {-5, -5, 25, 25}}, // about (12.5, 12.5)
        {startFigure(FigureKind::AngleFigure), {-25.0 / 6 - angleImage, -5, 6.25, 25.0 / 3 + angleImage}},
        {ab({0.1f, 0.0f}, {0.1f, 1.0f}), {-5, -60, 60, 60}}, // x = 0.1 goes to the circle about (125, 0)
    };
    for (const auto& c : cases) {
        const FigureCase shown = figureCase(c.figure, r);
        const Bounds box = sceneBox(buildExplorerScene(c.figure, r, stepCount(shown)));
        const std::vector<double> got{box.lower.x, box.lower.y, box.upper.x, box.upper.y};
        for (int i = 0; i < 4; ++i) {
            EXPECT_NEAR(got[i], c.box[i], 1e-4 * std::fabs(c.box[i])) << caseSentence(shown).plain << ", side " << i;
        }
    }
}

// The scene point under the pointer keeps its pixel whatever the zoom; a zoom beyond the closest or the farthest view
// stops there, and its matrix is finite.
TEST(ExplorerView, ZoomKeepsThePointUnderThePointerUpToItsLimits) {
    const int width = 1024, height = 700;
    const Point q{3.0f, -2.0f};
    const auto pixelOf = [&](const Camera& view) {
        const double perPixel = unitsPerPixel(view, height);
        return std::vector<double>{(q.x - view.cx) / perPixel, (view.cy - q.y) / perPixel};
    };
    const double startHeight = unitsPerPixel(startView(), height) * height;
    for (const double factor : {1.25, 0.8, 1e6, 1e-6}) {
        const Camera zoomed = zoomAbout(startView(), q, factor);
        const double shown = unitsPerPixel(zoomed, height) * height;
        EXPECT_NEAR(shown, std::clamp(startHeight / factor, closestViewHeight, farthestViewHeight), shown * 1e-6);
        const std::vector<double> before = pixelOf(startView()), after = pixelOf(zoomed);
        EXPECT_NEAR(after[0], before[0], 0.01) << factor; // a hundredth of a pixel: the centre is a float
        EXPECT_NEAR(after[1], before[1], 0.01) << factor;
        for (const float m : cameraMatrix(zoomed, width, height, zoomed.d / 2.0, zoomed.d * 2.0)) {
            EXPECT_TRUE(std::isfinite(m)) << factor;
        }
    }
}

// Two fingers zoom about their middle and move with it; after a drag of P across k they put P back, and print its case.
TEST_F(FreshScene, APinchZoomsAboutTheFingersAndPutsBackTheHandleTheFirstFingerDragged) {
    Session session;
    Explorer& explorer = session.explorer;
    const Point& p = currentFigure(explorer).first;
    session.pointer(InputEvent::Press, {2, 2});
    session.pointer(InputEvent::Move, {4, 4});
    ASSERT_TRUE(p.x == 4 && explorer.shownCase == FigureCase::PointOutside);
    const std::array<int, 2> at = session.pixelOf({-1, 0.5f});
    const Point held = sceneOfPixel(explorer.view, 1024, 700, at[0], at[1]);
    const double start = unitsPerPixel(explorer.view, 700);
    session.printed.clear();
    session.send(InputEvent{InputEvent::PinchStart, at[0], at[1]});
    InputEvent pinch{InputEvent::Pinch, at[0] + 40, at[1] - 10};
    pinch.factor = 1.5;
    session.send(pinch);
    session.pointer(InputEvent::Release, {4, 4});
    EXPECT_NEAR(unitsPerPixel(explorer.view, 700), start / 1.5, start * 1e-6);
    const Point still = sceneOfPixel(explorer.view, 1024, 700, at[0] + 40, at[1] - 10);
    EXPECT_TRUE(std::hypot(still.x - held.x, still.y - held.y) < 1e-3 && p.x == 2 && p.y == 2);
    EXPECT_EQ(session.printed, std::string(caseSentence(FigureCase::PointInside).plain) + "\n");
}

// The strokes and labels grow with the window and, on a page, keep at least the first size's in CSS pixels: the line,
// the image's line, the dot, the arrow and the label.
TEST(ExplorerSizes, GrowWithTheWindowAndNeverFallBelowTheFirstSizesInCssPixels) {
    const auto sizes = [](int height, int band, double css) {
        Explorer explorer;
        explorer.area = FigureArea{1024, height, band};
        explorer.cssScale = css;
        const StrokeSizes got = explorerStrokeSizes(explorer);
        return std::vector<double>{got.lineWidth, got.imageLineWidth, got.dotSize, got.arrowScale,
                                   explorerLabelHeight(explorer)};
    };
    EXPECT_EQ(sizes(767, 0, 3.0), std::vector<double>({3, 6, 12, 3, 42})) << "a phone of 3 pixels to a CSS pixel";
    EXPECT_EQ(sizes(980, 100, 2.25), std::vector<double>({3, 6, 9, 4, 31.5})) << "a projector's rows, densely";
}

// Lines break at the text's line breaks and between words where the next would pass the width; a word wider than
// the width keeps a line of its own. The band: the case, P's numbers, the keys.
TEST(ExplorerBand, WrapsBetweenWordsToTheWidth) {
    const CharacterWidth tenPixels = [](char32_t) { return 10; };
    EXPECT_EQ(wrapText("aaa bbb ccc\ndd", 70, tenPixels), (std::vector<std::string>{"aaa bbb", "ccc", "dd"}));
    // A letter of two or three bytes is one character as wide as any: "\u0436" is the Cyrillic zhe.
    EXPECT_EQ(wrapText("\u0436\u0436\u0436 \u2026 b", 50, tenPixels),
              (std::vector<std::string>{"\u0436\u0436\u0436 \u2026", "b"}));
    EXPECT_EQ(decodeUtf8("a\xc5\xbe\xe2\x80\xa6\xf0\x9f\x98\x80\xc0\xaf\xe2\x80"),
              (std::u32string{U'a', 0x17e, 0x2026, 0x1f600, 0xfffd, 0xfffd, 0xfffd, 0xfffd}));
    EXPECT_EQ(wrapText("aaa bbb ccc\ndd", 69, tenPixels), (std::vector<std::string>{"aaa", "bbb", "ccc", "dd"}));
    EXPECT_EQ(wrapText("a abcdefgh b", 50, tenPixels), (std::vector<std::string>{"a", "abcdefgh", "b"}));
    Session session;
    EXPECT_EQ(
        bandLines(session.explorer, 100000, tenPixels),
        (std::vector<std::string>{caseSentence(FigureCase::PointInside).plain,
                                  "P(2.00, 2.00)  P'(6.25, 6.25)  |OP| * |OP'| = 25.00", Sentence::BandKeys.plain}));
    // The line through A(2, 2) and B(0, 1), x - 2y = -2, goes to the circle on the diameter from O to F' = (-12.5, 25);
    // the circle about C(2, 2) through R(4, 2), whose points on OC are (2 -+ sqrt 2)(1, 1), to the circle on the
    // diameter between their images 25 / (2 (2 -+ sqrt 2)^2) (2 -+ sqrt 2)(1, 1): about (12.5, 12.5), radius 12.5.
    const std::string numbers[] = {
        "Prava x - 2y = -2, slika: krug sa centrom (-6.25, 12.50) i poluprecnikom 13.98",
        "Dati krug sa centrom (2, 2) i poluprecnikom 2, slika: krug sa centrom (12.50, 12.50) i poluprecnikom 12.50",
        "Ugao u X: 26.6 stepeni, ugao u X': 26.6 stepeni"};
    for (int figure = 0; figure < 3; ++figure) {
        session.key(char('2' + figure));
        EXPECT_EQ(figureNumbersText(session.explorer), numbers[figure]);
    }
    // A line through O is its own image.
    session.key('2');
    session.explorer.figures[1] = ab({2, 1}, {-2, -1});
    EXPECT_EQ(figureNumbersText(session.explorer), "Prava x - 2y = 0, slika: prava x - 2y = 0");
    // The given line with the smallest whole coefficients when its handles sit on tenths, else with the leading
    // coefficient 1.
    const struct {
        Point a, b;
        const char* equation;
    } lines[] = {
        {{1.5f, 2}, {3.5f, 0.5f}, "6x + 8y = 25"},
        {{2, 2}, {0, 1}, "x - 2y = -2"},
        {{3, 0}, {3, 5}, "x = 3"},
        {{0, 2}, {4, 2}, "y = 2"},
        {{0.1f, 0.3f}, {-0.2f, 0.9f}, "4x + 2y = 1"},
        {{1.55f, 2}, {3.5f, 0.5f}, "x + 1.3y = 4.15"}, // 1.95 / 1.5 = 1.3
    };
    for (const auto& l : lines) {
        EXPECT_EQ(handleLineEquation(l.a, l.b), l.equation);
    }
    // X at O: both lines are their own images, and the angle at X is still marked, 45 - atan(1 / 2) degrees.
    session.key('4');
    session.explorer.figures[3].first = {0, 0};
    EXPECT_EQ(figureNumbersText(session.explorer), "Ugao u X: 18.4 stepeni");
    int roles[int(Role::Other) + 1] = {};
    for (const Shape& shape : explorerPicture(session.explorer).shapes) {
        roles[int(shape.role)] += shape.kind == ShapeKind::Segment || shape.kind == ShapeKind::Line;
    }
    EXPECT_TRUE(roles[int(Role::GivenArc)] > 0 && roles[int(Role::ImageArc)] == 0 && roles[int(Role::Image)] == 2);
    // X back off O: the arcs and the tangents at X' end in no dot, which would read as a point.
    session.key('r');
    const Picture angle = explorerPicture(session.explorer);
    const auto dots = [](const auto& list, auto isDot) { return std::count_if(list.begin(), list.end(), isDot); };
    EXPECT_EQ(dots(drawList(angle, WalkFrame{}), [](const DrawnItem& i) { return i.kind == DrawnItem::Dot; }),
              dots(angle.shapes, [](const Shape& shape) { return shape.kind == ShapeKind::Dot; }));
    EXPECT_EQ(dots(angle.shapes, [](const Shape& shape) { return shape.role == Role::Tangent; }), 2);
}

// k itself, and a circle that crosses k at right angles, are their own images: drawn again as the image, over the
// given circle.
TEST(ExplorerImage, ACircleThatIsItsOwnImageIsDrawnAgainAsTheImage) {
    inversionRadius = r;
    for (const GivenFigure& f : {cr({0, 0}, {3, 4}), cr({5, 5}, {10, 5})}) {
        Explorer explorer;
        explorer.current = FigureKind::CircleFigure;
        explorer.figures[2] = f;
        int copies = 0;
        for (const Shape& shape : explorerPicture(explorer).shapes) {
            copies += shape.kind == ShapeKind::Circle && shape.role == Role::Image && shape.a.x == f.first.x &&
                      shape.a.y == f.first.y && shape.radius == 5.0f;
        }
        EXPECT_EQ(copies, 1) << f.first.x;
    }
}

// The snapping zones keep their pixels at every zoom: zoomed in four notches, P dragged to 5 pixels from O lands on
// O, to 8 pixels from it stays off.
TEST_F(FreshScene, TheSnappingZonesKeepTheirPixelsAtAZoom) {
    Session session;
    const std::array<int, 2> o = session.pixelOf({0, 0});
    session.send(InputEvent{InputEvent::Wheel, o[0], o[1], 4});
    for (const auto& [offset, onO] : {std::pair{5, true}, {8, false}}) {
        session.key('r');
        session.pointer(InputEvent::Press, {2, 2});
        session.pointer(InputEvent::Move, {0, 0}, offset);
        session.pointer(InputEvent::Release, {0, 0}, offset);
        EXPECT_EQ(session.explorer.shownCase == FigureCase::PointAtCentre, onO) << offset << " pixels";
    }
}
