// scenes_test.cpp
// The scenes of the programs: the console text, every record in order, the box, and the geometry of the images.
// Built once per program with its own source (SCENE_PROGRAM names it), whose main hands its task to the runProgram
// below, and once without a program for the point programs and the shared procedures.
#include "fresh_scene.h"
#include "task.h"

#include <cmath>
#include <gtest/gtest.h>
#include <string>
#include <vector>

// Values that the images reach through several float roundings (the foot of a perpendicular, its image, a
// square root), each under half an ulp: about 8 ulps, relative to the value (or 1 below 1).
constexpr double floatPrecision = 1e-6;
// Distance of a true image point from the stored image, relative to the image's size: the stored centre,
// radius or line carry errors of a few float ulps.
constexpr double geometryTolerance = 1e-6;

static const Circle circleK = circle(0, 0, 5, Black);

// ---- Geometry in double, independent of the library ----

struct Vec {
    double x, y;
};

static Vec inverted(Vec p, double r) {
    const double scale = r * r / (p.x * p.x + p.y * p.y);
    return {p.x * scale, p.y * scale};
}

// The points where the line at + t along meets the circle of radius r about O: |at + t along|^2 = r^2.
static std::vector<Vec> lineMeetsK(Vec at, Vec along, double r) {
    const double a = along.x * along.x + along.y * along.y;
    const double b = at.x * along.x + at.y * along.y;
    const double disc = b * b - a * (at.x * at.x + at.y * at.y - r * r);
    std::vector<Vec> points;
    for (double sign : {-1.0, 1.0}) {
        if (disc >= 0) {
            const double t = (-b + sign * std::sqrt(disc)) / a;
            points.push_back({at.x + t * along.x, at.y + t * along.y});
        }
    }
    return points;
}

// How far q lies from the image, relative to the image's size (or to |q| for a line).
static double offImage(Vec q, const Line& image) {
    const double dx = image.direction.x, dy = image.direction.y;
    const double offset = ((q.x - image.point.x) * dy - (q.y - image.point.y) * dx) / std::hypot(dx, dy);
    return std::fabs(offset) / std::max(1.0, std::hypot(q.x, q.y));
}
static double offImage(Vec q, const Circle& image) {
    const double offset = std::hypot(q.x - image.centre.x, q.y - image.centre.y) - image.radius;
    return std::fabs(offset) / std::max(1.0, double(image.radius));
}

template <class Record> static const Record* lastOfColour(const std::list<Record>& list, ColourCode colour) {
    const Record* found = nullptr;
    for (const Record& record : list) {
        found = record.colour == colour ? &record : found;
    }
    return found;
}

// The scene's given object is Blue, its image Red (a line, else a circle). The image holds the images of
// points of the given object and the points where the given object meets k (inversion in k leaves them
// fixed); the image circle of a line passes through O.
static void expectTrueImage(double r) {
    const Line* givenLine = lastOfColour(sceneLines, Blue);
    const Line* imageLine = lastOfColour(sceneLines, Red);
    const Circle* givenCircle = lastOfColour(sceneCircles, Blue);
    const Circle* imageCircle = lastOfColour(sceneCircles, Red);
    ASSERT_TRUE((givenLine || givenCircle) && (imageLine || imageCircle));
    std::vector<Vec> points, onImage;
    if (givenLine) {
        const Vec at{givenLine->point.x, givenLine->point.y}, along{givenLine->direction.x, givenLine->direction.y};
        for (double t : {-1.5, 0.5, 2.0, 3.0}) {
            points.push_back({at.x + t * along.x, at.y + t * along.y});
        }
        onImage = lineMeetsK(at, along, r);
        if (!imageLine) {
            onImage.push_back({0, 0});
        }
    } else { // k and the given circle meet on their radical line 2 c.p = r^2 - radius^2 + |c|^2
        const Vec c{givenCircle->centre.x, givenCircle->centre.y};
        const double rho = givenCircle->radius, d2 = c.x * c.x + c.y * c.y, m = (r * r - rho * rho + d2) / (2 * d2);
        for (double angle : {0.3, 2.0, 4.4}) {
            points.push_back({c.x + rho * std::cos(angle), c.y + rho * std::sin(angle)});
        }
        onImage = lineMeetsK({c.x * m, c.y * m}, {-c.y, c.x}, r);
    }
    for (const Vec& p : points) {
        if (std::hypot(p.x, p.y) > 1e-9) { // O itself has no image
            onImage.push_back(inverted(p, r));
        }
    }
    for (const Vec& q : onImage) {
        EXPECT_LE(imageLine ? offImage(q, *imageLine) : offImage(q, *imageCircle), geometryTolerance)
            << "(" << q.x << ", " << q.y << ")";
    }
}

#ifdef SCENE_PROGRAM

#include "program_table.h"

// The program's task, as its main hands it to the entry.
static Task programTask = nullptr;

// Instead of showing the figure, the tests look at what the task builds.
int runProgram(int argc, char** argv, const char*, Task task) {
    programTask = task;
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

/// The records of the program's first frame in the table, by kind in drawing order, and the box.
struct ExpectedScene {
    std::vector<Point> points;
    std::vector<Line> lines;
    std::vector<Circle> circles;
    Bounds bounds;
    double tolerance; // 0: every value exact in float
};

static ExpectedScene expectedScene(const TableScene& scene) {
    const Figure& f = scene.figure;
    ExpectedScene e{{}, {}, {}, {{float(f.minX), float(f.minY)}, {float(f.maxX), float(f.maxY)}}, 0.0};
    e.tolerance = scene.approximate ? floatPrecision : 0.0;
    for (const TableShape& s : f.shapes) {
        if (s.kind == TableShape::DotShape) {
            e.points.push_back({float(s.x), float(s.y), s.colour});
        } else if (s.kind == TableShape::LineShape) {
            e.lines.push_back(line(float(s.x), float(s.y), float(s.dx), float(s.dy), s.colour));
        } else {
            e.circles.push_back(circle(float(s.x), float(s.y), float(s.radius), s.colour));
        }
    }
    return e;
}

using ProgramScene = FreshScene;

TEST_F(ProgramScene, TextRecordsAndBoundsOfTheFirstFrame) {
    const ProgramRow& row = programRow(SCENE_PROGRAM);
    testing::internal::CaptureStdout();
    EXPECT_EQ(buildProgramScene(programTask), row.scene.shown);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), row.text);
    EXPECT_EQ(inversionRadius, 5.0f);
    const ExpectedScene expected = expectedScene(row.scene);
    expectList(scenePoints, expected.points, expected.tolerance);
    expectList(sceneLines, expected.lines, expected.tolerance);
    expectList(sceneCircles, expected.circles, expected.tolerance);
    EXPECT_TRUE(sceneSegments.empty());
    if (!row.scene.shown) { // refused: nothing registered, the box as it starts
        expectRecord(SceneBounds, Bounds{{1024, 700}, {0, 0}});
        return;
    }
    expectRecord(SceneBounds, expected.bounds, expected.tolerance);
    if (sceneLines.empty() && sceneCircles.size() == 1) {
        // A point's image lies on the ray from O through P, with |OP| |OP'| = r^2.
        const Point& p = *std::next(scenePoints.begin(), 1);
        const Point& image = scenePoints.back();
        const double px = p.x, py = p.y;
        EXPECT_NEAR(px * image.y - py * image.x, 0.0, floatPrecision);
        EXPECT_GT(px * image.x + py * image.y, 0.0);
        EXPECT_NEAR(std::hypot(px, py) * std::hypot(image.x, image.y), 25.0, 25.0 * floatPrecision);
        return;
    }
    expectTrueImage(5.0);
}

#ifndef SCENE_TASK_SETS_RADIUS
TEST_F(ProgramScene, ImageFollowsTheRadiusOfK) {
    inversionRadius = 3.0f;
    testing::internal::CaptureStdout();
    EXPECT_TRUE(programTask());
    testing::internal::GetCapturedStdout();
    EXPECT_EQ(sceneLines.size(), expectedScene(programRow(SCENE_PROGRAM).scene).lines.size());
    expectTrueImage(3.0);
}
#endif

#else

#include "circle_inversion.h"
#include "line_inversion.h"

struct LineCase {
    const char* name;
    Point p0, d;
    bool throughCentre, perpendicularShown;
    Circle image; // when the line misses O
    double tolerance;
};

TEST_F(FreshScene, LineInversionBeyondTheProgramsData) {
    const float root2 = float(std::sqrt(2.0)), sixth = 25.0f / 6;
    const double tol = floatPrecision;
    const LineCase cases[] = {
        {"through O, crossing the test line there", {3, -1}, {-3, 1}, true, false, {}, 0},
        {"through O, vertical", {0, 0}, {0, 2}, true, false, {}, 0},
        {"the test line itself", {-4, -4}, {1, 1}, true, false, {}, 0},
        {"parallel to the test line", {3, 0}, {1, 1}, false, true, circle(sixth, -sixth, sixth * root2, Red), tol},
        {"parallel, the other way", {0, 2}, {-1, -1}, false, true, circle(-6.25f, 6.25f, 6.25f * root2, Red), tol},
        {"meeting the test line at (4, 4)", {0, 4}, {1, 0}, false, false, circle(0, 3.125f, 3.125f, Red), 0},
        {"meeting the test line next to O", {0.015625f, 0.015625f}, {1, 0}, false, false, circle(0, 800, 800, Red), 0},
        {"tangent to k", {5, 0}, {0, 1}, false, false, circle(2.5f, 0, 2.5f, Red), 0},
    };
    for (const LineCase& c : cases) {
        SCOPED_TRACE(c.name);
        resetScene();
        inversionRadius = 5.0f;
        registerCircleOfInversion();
        buildLineInversion(c.p0, c.d);
        std::vector<Line> lines{line(c.p0.x, c.p0.y, c.d.x, c.d.y, Blue)};
        std::vector<Circle> circles{circleK};
        if (c.throughCentre) {
            lines.push_back(line(c.p0.x, c.p0.y, c.d.x, c.d.y, Red));
        } else {
            circles.push_back(c.image);
        }
        if (c.perpendicularShown) {
            lines.push_back(line(0, 0, -c.d.y, c.d.x, Black));
        }
        expectList(sceneLines, lines);
        expectList(sceneCircles, circles, c.tolerance);
        EXPECT_EQ(scenePoints.size(), 1u);
        expectTrueImage(5.0);
    }
}

// The circle program's branch for a circle that misses O, which none of its data reaches.
TEST_F(FreshScene, ImageOfCircleScalesTheCentreBySAndTheRadiusByItsSize) {
    const Circle cases[][2] = {
        // given circle, and its image for s = 25 / (cx^2 + cy^2 - radius^2) (r = 5)
        {circle(2, 2, 2, Blue), circle(12.5f, 12.5f, 12.5f, Black)},     // inside k, image wholly outside
        {circle(4, 3, 3, Blue), circle(6.25f, 4.6875f, 4.6875f, Black)}, // centred on k
        {circle(1, 0, 3, Blue), circle(-3.125f, 0, 9.375f, Black)},      // around O: s < 0, radius still positive
    };
    for (const auto& c : cases) {
        const Circle& given = c[0];
        SCOPED_TRACE(testing::Message() << "centre (" << given.centre.x << ", " << given.centre.y << ")");
        resetScene();
        const float s = float(
            25.0 / (given.centre.x * given.centre.x + given.centre.y * given.centre.y - given.radius * given.radius));
        const Circle image = imageOfCircle(given, s);
        expectRecord(image, c[1]);
        addCircle(given, Blue);
        addCircle(image, Red);
        expectTrueImage(5.0);
    }
}

#endif
