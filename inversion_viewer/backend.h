// backend.h
// What the renderer hands its primitives to. render.cpp goes through the list of what a frame draws and calls these,
// item by item in its order; two back ends implement them. The native one (backend_gl.cpp) makes today's
// immediate-mode OpenGL calls, one glBegin/glEnd per primitive. The web one (backend_webgl.cpp, emscripten only)
// gathers a frame's vertices into one buffer and draws them with WebGL when the frame ends, one draw per run of
// primitives of one kind, colour and size. A colour code outside 0..9 keeps the colour of the primitive before.
#pragma once

#include "scene.h"

#include <array>
#include <vector>

namespace backend {

/// Opens and closes the drawing of the scene's records (natively glPushMatrix and glPopMatrix).
void beginScene();
void endScene();

/// Lines lineWidth pixels wide and dots dotSize pixels across from now on (1 and dotSize before any call); called
/// between the primitives of a frame when the width changes.
void strokeSizes(float lineWidth, float dotSize);

/// A closed polygon through count vertices.
void outline(ColourCode colour, const Point* vertices, int count);

/// A line from a to b.
void line(ColourCode colour, Point a, Point b);

/// A dot of dotSize pixels.
void dot(ColourCode colour, Point at);

/// Straight pieces given as pairs of end points: a label's letters, an arrow, dashes.
void strokes(ColourCode colour, const std::vector<std::array<Point, 2>>& pairs);

#ifdef __EMSCRIPTEN__
/// The matrix from the plane to clip space that the frames are drawn with (cameraMatrix), into a viewport of width x
/// height pixels; natively the viewer hands the camera to gluPerspective and glTranslatef instead.
void useMatrix(const std::array<float, 16>& matrix, int width, int height);
#endif

/// Ends the frame: everything handed over since the last is drawn, and the frame is shown.
void endFrame();

} // namespace backend
