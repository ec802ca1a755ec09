// store_test.cpp
// The scene store: the add operations, the colour they store and how they grow the bounding box.
#include "fresh_scene.h"
#include "scene.h"
#include "task.h"

#include <gtest/gtest.h>
#include <vector>

// Taken during static initialisation, before any test touches the store.
static const Bounds boundsAtStart = SceneBounds;
static const float radiusAtStart = inversionRadius;

TEST(Store, StartsWithTheOddBoxRadiusZeroAndBlackRecords) {
    expectRecord(boundsAtStart, Bounds{{1024, 700}, {0, 0}});
    EXPECT_TRUE(boundsAtStart.lower.colour == Black && boundsAtStart.upper.colour == Black);
    EXPECT_EQ(radiusAtStart, 0.0f);
    expectRecord(inversionCentre, Point{0, 0, Black});
    // A record made without a colour is Black, and so are the Points inside it.
    expectRecord(Line{}, line(0, 0, 0, 0, Black));
    expectRecord(Circle{}, circle(0, 0, 0, Black));
    const Segment segment;
    EXPECT_TRUE(segment.colour == Black && segment.start.colour == Black && segment.end.colour == Black);
}

// One object to register: a point, or a circle when radius is given.
struct TableShape {
    float x, y;
    float radius = -1.0f; // negative: a point
};

struct BoundsCase {
    const char* name;
    std::vector<TableShape> shapes;
    Bounds expected;
};

TEST_F(FreshScene, BoundsGrowOnlyOutwardsFromTheStartingBox) {
    const BoundsCase cases[] = {
        {"point beyond the start on both corners", {{2000, 800}}, {{1024, 700}, {2000, 800}}},
        {"negative point", {{-3, -4}}, {{-3, -4}, {0, 0}}},
        {"k alone", {{0, 0, 5}}, {{-5, -5}, {5, 5}}},
        {"circle inside k", {{0, 0, 5}, {2, 3, 1}}, {{-5, -5}, {5, 5}}},
        {"image point beyond k", {{0, 0, 5}, {0, 0}, {2, 2}, {6.25f, 6.25f}}, {{-5, -5}, {6.25f, 6.25f}}},
        {"point on the corner of k's square", {{0, 0, 5}, {5, 5}}, {{-5, -5}, {5, 5}}},
        {"points just beyond k's square",
         {{0, 0, 5}, {-5.25f, 5.5f}, {5.125f, -5.5f}},
         {{-5.25f, -5.5f}, {5.125f, 5.5f}}},
        {"later point inside an earlier one", {{-3, -4}, {-1, -1}, {7, 9}, {6, 8}}, {{-3, -4}, {7, 9}}},
        {"image circle beyond k", {{0, 0, 5}, {4, 3, 3}, {6.25f, 4.6875f, 4.6875f}}, {{-5, -5}, {10.9375f, 9.375f}}},
    };
    for (const BoundsCase& c : cases) {
        SCOPED_TRACE(c.name);
        resetScene();
        for (const TableShape& s : c.shapes) {
            if (s.radius < 0.0f) {
                addPoint(Point{s.x, s.y}, Red);
            } else {
                addCircle(circle(s.x, s.y, s.radius, Red), Red);
            }
        }
        expectRecord(SceneBounds, c.expected);
    }
}

TEST_F(FreshScene, EntryRegistersBlackKAndO) {
    inversionRadius = 5.0f;
    registerCircleOfInversion();
    expectRecord(SceneBounds, Bounds{{-5, -5}, {5, 5}});
    expectList(sceneCircles, {circle(0, 0, 5, Black)});
    expectList(scenePoints, {Point{0, 0, Black}});
    EXPECT_TRUE(sceneLines.empty() && sceneSegments.empty());
}

TEST_F(FreshScene, RecordsKeepInsertionOrderColourArgumentReplacesColourLinesNeverGrowTheBox) {
    addCircle(circle(0, 0, 5, Black), Black);
    std::vector<Point> points;
    std::vector<Line> lines;
    std::vector<Circle> circles{circle(0, 0, 5, Black)};
    for (int i = 1; i <= 3; ++i) {
        const float v = float(i);
        addPoint(Point{v, -v, Red}, Green + i - 1); // the colour argument wins over the record's own
        addCircle(circle(-v, v, 0.5f, Red), Cyan + i);
        addLine(line(1000 * v, -5000, v, 1, Purple + i)); // far outside the box, with its own colour
        points.push_back({v, -v, Green + i - 1});
        circles.push_back(circle(-v, v, 0.5f, Cyan + i));
        lines.push_back(line(1000 * v, -5000, v, 1, Purple + i));
    }
    expectList(scenePoints, points);
    expectList(sceneCircles, circles);
    expectList(sceneLines, lines);
    expectRecord(SceneBounds, Bounds{{-5, -5}, {5, 5}});
}
