// fresh_scene.h
// Helpers of the tests that fill the scene store: a fresh store for each test (the library builds one scene per
// program and never empties it), short record constructors, and field-by-field comparison of records.
#pragma once

#include "scene.h"

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <vector>

/// Puts the store back to its starting value: empty lists, the starting box, radius 0.
inline void resetScene() {
    clearScene();
    inversionRadius = 0.0f;
}

/// Fixture whose tests start from a fresh store.
class FreshScene : public testing::Test {
  protected:
    void SetUp() override { resetScene(); }
};

inline Line line(float x, float y, float dx, float dy, ColourCode colour) {
    return {{x, y}, {dx, dy}, colour};
}
inline Circle circle(float x, float y, float radius, ColourCode colour) {
    return {{x, y}, radius, colour};
}

// Every field of a record, the colours of the Points inside it included.
inline std::vector<double> fields(const Point& p) {
    return {p.x, p.y, double(p.colour)};
}
inline std::vector<double> fields(const Line& l) {
    return {l.point.x,
            l.point.y,
            l.direction.x,
            l.direction.y,
            double(l.colour),
            double(l.point.colour),
            double(l.direction.colour)};
}
inline std::vector<double> fields(const Circle& c) {
    return {c.centre.x, c.centre.y, c.radius, double(c.colour), double(c.centre.colour)};
}
inline std::vector<double> fields(const Bounds& b) {
    return {b.lower.x, b.lower.y, b.upper.x, b.upper.y};
}

/// Compares every field: exactly when tolerance is 0, else within tolerance relative to the value (or to 1).
template <class Record> void expectRecord(const Record& actual, const Record& expected, double tolerance = 0.0) {
    const std::vector<double> a = fields(actual), e = fields(expected);
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (tolerance == 0.0) {
            EXPECT_EQ(a[i], e[i]) << "field " << i;
        } else {
            EXPECT_NEAR(a[i], e[i], tolerance * std::max(1.0, std::fabs(e[i]))) << "field " << i;
        }
    }
}

/// Compares a list with the expected records, in order.
template <class Record>
void expectList(const std::list<Record>& actual, const std::vector<Record>& expected, double tolerance = 0.0) {
    ASSERT_EQ(actual.size(), expected.size());
    std::size_t i = 0;
    for (const Record& record : actual) {
        SCOPED_TRACE(testing::Message() << "record " << i);
        expectRecord(record, expected[i++], tolerance);
    }
}
