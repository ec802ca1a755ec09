// camera_test.cpp
// The camera framed on the scene's box, and the matrix the web renderer draws it with.
#include "camera.h"

#include <array>
#include <cmath>
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

// ---- The matrix of the web renderer ------------------------------------------------------------------------------

using Matrix = std::array<double, 16>; // column by column, as OpenGL keeps it

static Matrix product(const Matrix& a, const Matrix& b) {
    Matrix c{};
    for (int column = 0; column < 4; ++column) {
        for (int row = 0; row < 4; ++row) {
            for (int k = 0; k < 4; ++k) {
                c[column * 4 + row] += a[k * 4 + row] * b[column * 4 + k];
            }
        }
    }
    return c;
}

// gluPerspective(fovy, aspect, zNear, zFar) as its manual page writes it, with f = cotangent(fovy / 2).
static Matrix perspective(double fovy, double aspect, double zNear, double zFar) {
    const double f = 1.0 / std::tan(fovy / 2.0 * 3.14159265358979323846 / 180.0);
    return {f / aspect,
            0,
            0,
            0,
            0,
            f,
            0,
            0,
            0,
            0,
            (zFar + zNear) / (zNear - zFar),
            -1,
            0,
            0,
            2 * zFar * zNear / (zNear - zFar),
            0};
}

// gluLookAt(eye, centre, up) as its manual page writes it: the rows s, u, -f, then a translation by -eye.
static Matrix lookAt(const double eye[3], const double centre[3], const double up[3]) {
    const auto cross = [](const double* a, const double* b, double* c) {
        c[0] = a[1] * b[2] - a[2] * b[1];
        c[1] = a[2] * b[0] - a[0] * b[2];
        c[2] = a[0] * b[1] - a[1] * b[0];
    };
    const auto normalise = [](double* v) {
        const double length = std::sqrt(v[0] * v[0] + v[1] * v[1] + v[2] * v[2]);
        v[0] /= length;
        v[1] /= length;
        v[2] /= length;
    };
    double f[3] = {centre[0] - eye[0], centre[1] - eye[1], centre[2] - eye[2]};
    normalise(f);
    double upUnit[3] = {up[0], up[1], up[2]};
    normalise(upUnit);
    double s[3];
    cross(f, upUnit, s);
    double sUnit[3] = {s[0], s[1], s[2]};
    normalise(sUnit);
    double u[3];
    cross(sUnit, f, u);
    const Matrix rotation{s[0], u[0], -f[0], 0, s[1], u[1], -f[1], 0, s[2], u[2], -f[2], 0, 0, 0, 0, 1};
    const Matrix translation{1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, -eye[0], -eye[1], -eye[2], 1};
    return product(rotation, translation);
}

TEST(CameraMatrix, IsThePerspectiveTimesTheLookAtToFloatPrecision) {
    const Camera cameras[] = {frameCamera({{-5, -5}, {5, 5}}), frameCamera({{-8, -8}, {8, 8}}),
                              frameCamera({{-5, -5}, {6.25f, 6.25f}}), frameCamera({{-25, -5}, {5, 5}})};
    const int sizes[][2] = {{1024, 700}, {700, 1024}, {1280, 900}, {1, 1}, {333, 0}};
    for (const Camera& camera : cameras) {
        for (const auto& size : sizes) {
            SCOPED_TRACE(testing::Message() << "camera d " << camera.d << ", window " << size[0] << " x " << size[1]);
            const int height = size[1] > 0 ? size[1] : 1;
            // The viewer hands gluPerspective the aspect as a float.
            const double aspect = double(float(double(size[0]) / height));
            const double eye[3] = {camera.cx, camera.cy, camera.d};
            const double centre[3] = {camera.cx, camera.cy, 0};
            const double up[3] = {0, 1, 0};
            const Matrix expected = product(perspective(45.0, aspect, 1.0, 1000.0), lookAt(eye, centre, up));
            const std::array<float, 16> actual = cameraMatrix(camera, size[0], size[1]);
            for (int i = 0; i < 16; ++i) {
                EXPECT_NEAR(actual[i], expected[i], 2e-7 * std::fabs(expected[i]) + 1e-12) << "element " << i;
            }
        }
    }
}

TEST(CameraMatrix, TakesTheSceneUnderAPixelToThatPixelsCentre) {
    const Camera camera = frameCamera({{-8, -8}, {8, 8}});
    const int width = 1024;
    const int height = 700;
    const std::array<float, 16> m = cameraMatrix(camera, width, height);
    const int pixels[][2] = {{0, 0}, {512, 350}, {1023, 699}, {100, 600}};
    for (const auto& pixel : pixels) {
        const Point p = sceneOfPixel(camera, width, height, pixel[0], pixel[1]);
        const double x = double(m[0]) * p.x + double(m[4]) * p.y + m[12];
        const double y = double(m[1]) * p.x + double(m[5]) * p.y + m[13];
        const double w = double(m[3]) * p.x + double(m[7]) * p.y + m[15];
        // Clip space to the window, counted from the top-left corner.
        EXPECT_NEAR((x / w + 1.0) / 2.0 * width, pixel[0] + 0.5, 1e-3);
        EXPECT_NEAR((1.0 - y / w) / 2.0 * height, pixel[1] + 0.5, 1e-3);
    }
}
