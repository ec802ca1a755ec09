// inversion_test.cpp
// The image of a point under inversion about the origin, and the classification of two lines.
#include "inversion.h"

#include <cmath>
#include <gtest/gtest.h>

struct InvertCase {
    Point p;
    float r;
    float x, y; // the image, exact in float
};

TEST(InvertPoint, ImagesOnTheRayAtDistanceRSquaredOverDistance) {
    const InvertCase cases[] = {
        {{2, 2}, 5, 6.25f, 6.25f},                           // inside k goes outside
        {{5, 5}, 5, 2.5f, 2.5f},                             // outside k comes inside
        {{3, 4}, 5, 3, 4},                                   // on k, its own image
        {{7, 7}, 5, float(25.0 / 14.0), float(25.0 / 14.0)}, // 7 * 25 / 98, rounded once
        {{-3, 4}, 5, -3, 4},                                 // on k, other quadrant
        {{0, -10}, 5, 0, -2.5f},                             // on an axis
        {{4, 0}, 2, 1, 0},                                   // another radius
        {{3, 0}, 3, 3, 0},                                   // on a circle of radius 3
        {{-2, -2, Red}, 5, -6.25f, -6.25f},                  // a coloured input
    };
    for (const InvertCase& c : cases) {
        SCOPED_TRACE(testing::Message() << "(" << c.p.x << ", " << c.p.y << ") r " << c.r);
        const Point image = invertPoint(c.p, c.r);
        EXPECT_EQ(image.x, c.x);
        EXPECT_EQ(image.y, c.y);
        EXPECT_EQ(image.colour, Black);
    }
}

TEST(InvertPoint, CentreIsReturnedUnchangedNotNaN) {
    const Point image = invertPoint(Point{0.0f, 0.0f, Red}, 5.0f);
    EXPECT_FALSE(std::isnan(image.x));
    EXPECT_FALSE(std::isnan(image.y));
    EXPECT_EQ(image.x, 0.0f);
    EXPECT_EQ(image.y, 0.0f);
    EXPECT_EQ(image.colour, Black);
}

// Inputs exactly at the bounds of the two parallel tests. With a direction (1, 0) beside a vector (x, y),
// the bound is y^2 against tolerance * float(x^2 + y^2). Taking y = tolerance * 2^20 (exact: a power-of-two
// scaling) makes y^2 / tolerance = 10995116 a float, and x below is a float for which x^2 + y^2 rounds to it.
constexpr double tolerance = lineTolerance;
constexpr float boundY = 10.485759735107422f;
constexpr float boundX = 3315.871826171875f;
constexpr float aboveY = 10.485760688781738f; // the next float above boundY
constexpr float boundLength = float(double(boundX) * boundX + double(boundY) * boundY);
constexpr float aboveLength = float(double(boundX) * boundX + double(aboveY) * aboveY);
static_assert(boundY == lineTolerance * 1048576.0f, "y is the tolerance scaled by 2^20");
static_assert(double(boundY) * boundY == boundLength * (1.0 * tolerance), "exactly at the bound");
static_assert(aboveY > boundY && double(aboveY) * aboveY > aboveLength * (1.0 * tolerance), "just above it");
// Between the bound with the float tolerance and the bound with 0.00001 itself: only the float one says above.
constexpr float nearY = 1.0000016689300537f;
constexpr float nearX = 316.2267150878906f;
constexpr float nearLength = float(double(nearX) * nearX + double(nearY) * nearY);
static_assert(double(nearY) * nearY > nearLength * (1.0 * tolerance) && double(nearY) * nearY <= nearLength * 1e-5,
              "above the float tolerance, not above 0.00001");

struct LinesCase {
    const char* name;
    Line a;
    Line b;
    int code;
    float x, y; // the crossing point for code 1
};

TEST(IntersectLines, ClassifiesAndCrossesAlongTheFirstLine) {
    const LinesCase cases[] = {
        {"crossing exactly at the origin", {{0, 0}, {-1, -1}}, {{2, 1}, {-2, -1}}, LinesCross, 0, 0},
        {"crossing at t = 3 on a", {{1, 2}, {1, 0}}, {{4, -7}, {0, 3}}, LinesCross, 4, 2},
        {"crossing away from the origin", {{0, 4}, {1, 0}}, {{0, 0}, {-1, -1}}, LinesCross, 4, 4},
        {"parallel horizontals", {{0, 0}, {1, 0}}, {{0, 1}, {1, 0}}, LinesParallel, 0, 0},
        {"same line, opposite directions", {{0, 0}, {1, 1}}, {{3, 3}, {-2, -2}}, LinesEqual, 0, 0},
        {"both directions zero", {{0, 0}, {0, 0}}, {{3, 4}, {0, 0}}, LinesEqual, 0, 0},
        {"a's direction zero, b misses a's point", {{0, 0}, {0, 0}}, {{0, 1}, {1, 0}}, LinesParallel, 0, 0},
        {"a's direction zero, b through a's point", {{0, 0}, {0, 0}}, {{5, 0}, {1, 0}}, LinesEqual, 0, 0},
        {"b's direction zero", {{0, 0}, {1, 0}}, {{3, 4}, {0, 0}}, LinesEqual, 0, 0},
        // The offset is crossed with b's direction but scaled by a's length, so the test is not symmetric.
        {"long a, short b, parallel apart", {{0, 0}, {1000, 0}}, {{0, 1}, {0.001f, 0}}, LinesEqual, 0, 0},
        {"short a, long b, parallel apart", {{0, 0}, {0.001f, 0}}, {{0, 1}, {1000, 0}}, LinesParallel, 0, 0},
        {"directions exactly at the parallel bound", {{0, 0}, {1, 0}}, {{0, 0}, {boundX, boundY}}, LinesEqual, 0, 0},
        {"directions just above the parallel bound", {{0, 0}, {1, 0}}, {{0, 0}, {boundX, aboveY}}, LinesCross, 0, 0},
        {"directions above the float tolerance only", {{0, 0}, {1, 0}}, {{0, 0}, {nearX, nearY}}, LinesCross, 0, 0},
        {"offset exactly at the same-line bound", {{0, 0}, {1, 0}}, {{boundX, boundY}, {1, 0}}, LinesEqual, 0, 0},
        {"offset just above the same-line bound", {{0, 0}, {1, 0}}, {{boundX, aboveY}, {1, 0}}, LinesParallel, 0, 0},
        {"offset above the float tolerance only", {{0, 0}, {1, 0}}, {{nearX, nearY}, {1, 0}}, LinesParallel, 0, 0},
    };
    for (const LinesCase& c : cases) {
        SCOPED_TRACE(c.name);
        const Point sentinel{-77.0f, 88.0f, Magenta};
        Point out = sentinel;
        ASSERT_EQ(intersectLines(c.a, c.b, &out), c.code);
        EXPECT_EQ(out.colour, Magenta);
        EXPECT_EQ(out.x, c.code == LinesCross ? c.x : sentinel.x);
        EXPECT_EQ(out.y, c.code == LinesCross ? c.y : sentinel.y);
    }
}
