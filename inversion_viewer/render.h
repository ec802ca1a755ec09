// render.h
// Drawing the scene: one routine per record kind, the labels, the end of a frame and the display callback. The
// numbers come from the core's drawing maths; this layer only hands them to a back end (backend.h): OpenGL natively,
// WebGL in the browser.
#pragma once

#include "drawing.h"
#include "export.h"
#include "labels.h"
#include "scene.h"

#include <vector>

/// Makes the palette colour of code current; a code outside 0..9 leaves the current colour as it is. Native only.
void setColour(ColourCode code);

/// Draws the drawn piece of a line.
void drawLine(Line line);

/// Draws a circle outline as a closed polygon.
void drawCircle(Circle circle);

/// Draws circles, lines, segments and points, in this order, so that later records cover earlier ones. Circles
/// are drawn with circleVertexCount vertices, or, when pixelsPerUnit is given, with outlineVertexCount of them.
void drawScene(double pixelsPerUnit = 0.0);

/// Draws the scene as drawScene does, but the records of a dashed colour (the explorer's construction) as their
/// dashes (dashPieces), when pixelsPerUnit is given; of those, only the dashes that can reach the part of the plane
/// the frame shows.
void drawDashedScene(double pixelsPerUnit, const VisibleRect& shown);

/// Draws the labels with lines, each in its colour.
void drawLabels(const std::vector<Label>& labels, double unitsPerPixel);

/// Draws strokes given as pairs of end points in one colour.
void drawStrokes(ColourCode colour, const std::vector<std::array<Point, 2>>& pairs);

/// Ends a frame: draws what was handed over since the last and shows it (natively glFlush and glutSwapBuffers).
void endFrame();

/// The display callback: clears the window, draws the scene and shows the frame.
void displayScene();
