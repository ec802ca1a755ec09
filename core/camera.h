// camera.h
// The camera framed on the scene's box, and where the pixels of a window land in the plane under it.
#pragma once

#include "scene.h"

#include <array>

/// The size a window opens with, in pixels.
constexpr int windowWidth = 1024;
constexpr int windowHeight = 700;
/// Vertical field of view in degrees of the projection every frame is drawn with.
constexpr double fieldOfView = 45.0;

/// The camera, computed once from SceneBounds: it looks face-on at (cx, cy) from distance d.
struct Camera {
    float cx = 0.0f;      ///< centre of the box, x
    float cy = 0.0f;      ///< centre of the box, y
    float extentX = 0.0f; ///< maxX + |minX|, the box's width while minX <= 0
    float extentY = 0.0f; ///< maxY + |minY|, the box's height while minY <= 0
    float d = 0.0f;       ///< twice the larger extent
};

/// The camera that frames the box.
Camera frameCamera(const Bounds& box);

/// Scene units per pixel of a window height under the camera: every frame shows 2 d tan(22.5 deg) units from the
/// bottom of the window to its top.
double unitsPerPixel(const Camera& camera, int height);

/// The scene point under the centre of the pixel (x, y), counted from the window's top-left corner.
Point sceneOfPixel(const Camera& camera, int width, int height, int x, int y);

/// The near and far planes of the projection every frame is drawn with.
constexpr double nearPlane = 1.0;
constexpr double farPlane = 1000.0;

/// The matrix that takes a point of the plane to clip space in a window of width x height pixels (a height of 0 taken
/// as 1), column by column: the projection of fieldOfView degrees, of the window's aspect as a float, from nearPlane
/// to farPlane, times the view that looks face-on at (cx, cy) from distance d. The same numbers as
/// gluPerspective(fieldOfView, aspect, nearPlane, farPlane) times glTranslatef(-cx, -cy, -d) (which is
/// gluLookAt(cx, cy, d, cx, cy, 0, 0, 1, 0)), computed in double and rounded once. A view that zooms far in or out
/// passes near and far planes about its own distance instead.
std::array<float, 16> cameraMatrix(const Camera& camera, int width, int height, double nearDistance = nearPlane,
                                   double farDistance = farPlane);
