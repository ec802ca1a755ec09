// camera_test.cpp
// The camera framed on the scene's box.
#include "camera.h"

#include <gtest/gtest.h>

struct CameraCase {
    const char* name;
    Bounds box;
    float cx, cy, extentX, extentY, d;
};

TEST(FrameCamera, CentreExtentsAndDistance) {
    const CameraCase cases[] = {
        {"k and O alone", {{-5, -5}, {5, 5}}, 0, 0, 10, 10, 20},
        {"image point beyond k", {{-5, -5}, {6.25f, 6.25f}}, 0.625f, 0.625f, 11.25f, 11.25f, 22.5f},
        {"taller than wide", {{-5, -5}, {5, 20}}, 0, 7.5f, 10, 25, 50},
        {"wider than tall", {{-25, -5}, {5, 5}}, -10, 0, 30, 10, 60},
        {"image circle beyond k", {{-5, -5}, {25, 25}}, 10, 10, 30, 30, 60},
        // With minX > 0 the extent is maxX + |minX|, not the width.
        {"starting box", {{1024, 700}, {0, 0}}, 512, 350, 1024, 700, 2048},
        {"box right of the origin", {{2, 3}, {10, 10}}, 6, 6.5f, 12, 13, 26},
    };
    for (const CameraCase& c : cases) {
        SCOPED_TRACE(c.name);
        const Camera camera = frameCamera(c.box);
        EXPECT_EQ(camera.cx, c.cx);
        EXPECT_EQ(camera.cy, c.cy);
        EXPECT_EQ(camera.extentX, c.extentX);
        EXPECT_EQ(camera.extentY, c.extentY);
        EXPECT_EQ(camera.d, c.d);
    }
}
