// camera.cpp
// The camera's numbers: the same the viewer hands to gluPerspective and gluLookAt.
#include "camera.h"

#include <cmath>

static const double pi = 3.14159265358979323846;

Camera frameCamera(const Bounds& box) {
    Camera camera;
    camera.cx = float((double(box.lower.x) + box.upper.x) * 0.5);
    camera.cy = float((double(box.lower.y) + box.upper.y) * 0.5);
    camera.extentX = float(box.upper.x + std::fabs(double(box.lower.x)));
    camera.extentY = float(box.upper.y + std::fabs(double(box.lower.y)));
    camera.d = camera.extentY > camera.extentX ? float(2.0 * camera.extentY) : float(2.0 * camera.extentX);
    return camera;
}

double unitsPerPixel(const Camera& camera, int height) {
    return 2.0 * camera.d * std::tan(fieldOfView / 2.0 * pi / 180.0) / (height > 0 ? height : 1);
}

Point sceneOfPixel(const Camera& camera, int width, int height, int x, int y) {
    const double scale = unitsPerPixel(camera, height);
    return Point{float(camera.cx + (x + 0.5 - width / 2.0) * scale),
                 float(camera.cy + (height / 2.0 - y - 0.5) * scale)};
}

std::array<float, 16> cameraMatrix(const Camera& camera, int width, int height, double nearDistance,
                                   double farDistance) {
    if (height == 0) {
        height = 1;
    }
    const double aspect = double(float(double(width) / height));
    const double halfAngle = fieldOfView / 2.0 * pi / 180.0;
    const double cotangent = std::cos(halfAngle) / std::sin(halfAngle);
    const double depth = farDistance - nearDistance;
    // The projection, column by column: x, y, z and w of clip space are
    // (cot / aspect) x, cot y, -(far + near) / depth z - 2 far near / depth, -z.
    const double xx = cotangent / aspect;
    const double yy = cotangent;
    const double zz = -(farDistance + nearDistance) / depth;
    const double zw = -2.0 * farDistance * nearDistance / depth;
    // The view moves the plane by (-cx, -cy, -d): the last column of the product is the projection of that point.
    const double tx = -double(camera.cx);
    const double ty = -double(camera.cy);
    const double tz = -double(camera.d);
    return {float(xx),      0.0f,           0.0f,
            0.0f, //
            0.0f,           float(yy),      0.0f,
            0.0f, //
            0.0f,           0.0f,           float(zz),
            -1.0f, //
            float(xx * tx), float(yy * ty), float(zz * tz + zw),
            float(-tz)};
}
