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

static const Point centreO{0, 0, Black};
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

constexpr char lineMissesText[] =
    "Ukoliko prava ciju inverziju trazimo NE prolazi kroz centar kruga, njena inverzija je "
    "krug cija kruznica ne sadrzi centar kruga u odnosu na koji invertujemo.";
constexpr char lineThroughText[] = "Ukoliko prava ciju inverziju trazimo prolazi kroz centar kruga, njena inverzija je "
                                   "takodje ta ista prava bez centra kruga u odnosu na koji invertujemo.";
constexpr char circleThroughText[] = "Ako se centar kruga inverzije nalazi na kruznici kruga koji invertujemo, onda je "
                                     "slika tog kruga prava linija odredjena dvema invertovanim tackama sa kruznice "
                                     "ciju inverziju trazimo.\n";
constexpr char circleMissesText[] = "Ukoliko se centar kruga inverzije ne nalazi na kruznici kruga koji invertujemo, "
                                    "onda je slika tog kruga takodje krug.";
static_assert(sizeof lineMissesText == 158 && sizeof lineThroughText == 152 && sizeof circleMissesText == 118,
              "157, 151 and 117 characters");

/// What a program's task adds after k and O, and the box after it.
struct ExpectedScene {
    const char* name;
    const char* text;
    std::vector<Point> points;
    std::vector<Line> lines;
    std::vector<Circle> circles;
    Bounds bounds;
    double tolerance; // 0: every value exact in float
};

static const ExpectedScene& sceneOfThisProgram() {
    const float sixth = 4.1666665f, a = float(25.0 / 28); // 25/6 and 25/28, the nearest floats
    const float radiusA = float(25 * std::sqrt(2.0) / 28), radiusB = float(25 * std::sqrt(5.0) / 4);
    const Bounds squareOfK{{-5, -5}, {5, 5}};
    // clang-format off
    static const ExpectedScene scenes[] = {
        {"invert_line_off_centre_a", lineMissesText, {}, {line(7, 7, -1, 1, Blue)},
         {circle(a, a, radiusA, Red)}, squareOfK, floatPrecision},
        {"invert_line_off_centre_b", lineMissesText, {}, {line(2, 2, -2, -1, Blue)},
         {circle(-6.25f, 12.5f, radiusB, Red)}, {{-6.25f - radiusB, -5}, {radiusB - 6.25f, 12.5f + radiusB}},
         floatPrecision},
        {"invert_line_through_centre", lineThroughText, {}, {line(2, 1, -2, -1, Blue), line(2, 1, -2, -1, Red)},
         {}, squareOfK, 0},
        {"invert_circle_through_centre", circleThroughText, {{sixth, 0, Red}, {sixth, sixth, Red}},
         {line(sixth, 0, 0, -sixth, Red)}, {circle(3, 0, 3, Blue)}, {{-5, -5}, {6, 5}}, 0},
        {"invert_circle_off_centre_a", circleMissesText, {}, {},
         {circle(2, 2, 2, Blue), circle(12.5f, 12.5f, 12.5f, Red)}, {{-5, -5}, {25, 25}}, 0},
        {"invert_circle_off_centre_b", circleMissesText, {}, {},
         {circle(4, 3, 3, Blue), circle(6.25f, 4.6875f, 4.6875f, Red)}, {{-5, -5}, {10.9375f, 9.375f}}, 0},
    };
    // clang-format on
    for (const ExpectedScene& scene : scenes) {
        if (std::string(scene.name) == SCENE_PROGRAM) {
            return scene;
        }
    }
    ADD_FAILURE() << "no expected scene for " << SCENE_PROGRAM;
    return scenes[0];
}

using ProgramScene = FreshScene;

// The program's task, as its main hands it to the entry.
static Task programTask = nullptr;

// Instead of showing the figure, the tests look at what the task builds.
int runProgram(int argc, char** argv, Task task) {
    programTask = task;
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

TEST_F(ProgramScene, TextRecordsAndBoundsAfterKOAndTheTask) {
    const ExpectedScene& expected = sceneOfThisProgram();
    testing::internal::CaptureStdout();
    EXPECT_TRUE(buildProgramScene(programTask));
    EXPECT_EQ(testing::internal::GetCapturedStdout(), expected.text);
    EXPECT_EQ(inversionRadius, 5.0f);
    std::vector<Point> points{centreO};
    std::vector<Circle> circles{circleK};
    points.insert(points.end(), expected.points.begin(), expected.points.end());
    circles.insert(circles.end(), expected.circles.begin(), expected.circles.end());
    expectList(scenePoints, points, expected.tolerance);
    expectList(sceneLines, expected.lines, expected.tolerance);
    expectList(sceneCircles, circles, expected.tolerance);
    EXPECT_TRUE(sceneSegments.empty());
    expectRecord(SceneBounds, expected.bounds, expected.tolerance);
    expectTrueImage(5.0);
}

TEST_F(ProgramScene, ImageFollowsTheRadiusOfK) {
    inversionRadius = 3.0f;
    testing::internal::CaptureStdout();
    EXPECT_TRUE(programTask());
    testing::internal::GetCapturedStdout();
    EXPECT_EQ(sceneLines.size(), sceneOfThisProgram().lines.size());
    expectTrueImage(3.0);
}

#else

#include "circle_inversion.h"
#include "line_inversion.h"
#include "point_inversion.h"

struct PointProgram {
    Point p;
    const char* text;
    Point image;
    float maxX, maxY;
};

TEST_F(FreshScene, PointProgramsAddKOPointAndImage) {
    // clang-format off
    const PointProgram programs[] = {
        {{2, 2}, "Inverzija tacke sa koordinatama P(2,2), u odnosu na krug k\nsa centrom u tacki O(0,0) i "
                 "poluprecnikom r=5", {6.25f, 6.25f, Red}, 6.25f, 6.25f},
        {{5, 5}, "Inverzija tacke koja se nalazi izvan kruga sa koordinatama P(5,5), u odnosu na krug k sa centrom "
                 "u tacki O(0,0) i poluprecnikom r=5", {2.5f, 2.5f, Red}, 5, 5},
        {{3, 4}, "Inverzija tacke koja se nalazi na kruznici je ista ta tacka.", {3, 4, Red}, 5, 5},
    };
    // clang-format on
    for (const PointProgram& program : programs) {
        SCOPED_TRACE(program.text);
        resetScene();
        testing::internal::CaptureStdout();
        EXPECT_TRUE(buildPointInversion(program.p, program.text));
        EXPECT_EQ(testing::internal::GetCapturedStdout(), program.text);
        EXPECT_EQ(inversionRadius, 5.0f);
        expectList(scenePoints, {centreO, {program.p.x, program.p.y, Blue}, program.image});
        expectList(sceneCircles, {circleK});
        EXPECT_TRUE(sceneLines.empty() && sceneSegments.empty());
        expectRecord(SceneBounds, Bounds{{-5, -5}, {program.maxX, program.maxY}});
        // The image lies on the ray from O through P, with |OP| |OP'| = r^2.
        const Point& image = scenePoints.back();
        const double px = program.p.x, py = program.p.y;
        EXPECT_NEAR(px * image.y - py * image.x, 0.0, floatPrecision);
        EXPECT_GT(px * image.x + py * image.y, 0.0);
        EXPECT_NEAR(std::hypot(px, py) * std::hypot(image.x, image.y), 25.0, 25.0 * floatPrecision);
    }
}

TEST_F(FreshScene, PointAtCentrePrintsTheErrorAndRegistersNothing) {
    const char* const explanation = "Inverzija tacke koja ima iste koordinate kao i centar kruga.";
    testing::internal::CaptureStdout();
    EXPECT_FALSE(buildPointInversion(Point{0, 0}, explanation));
    EXPECT_EQ(
        testing::internal::GetCapturedStdout(),
        std::string(explanation) +
            "\nNepravilan unos, slika centra kruga nije definisana\nniti je centar kruga slika neke tacke ravni!");
    EXPECT_EQ(inversionRadius, 5.0f);
    EXPECT_TRUE(scenePoints.empty() && sceneCircles.empty() && sceneLines.empty() && sceneSegments.empty());
    expectRecord(SceneBounds, Bounds{{1024, 700}, {0, 0}});
}

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
