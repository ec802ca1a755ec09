// render.h
// Drawing the scene with OpenGL: one routine per record kind, the labels, and the display callback. The numbers
// come from the core's drawing maths; this layer only hands them to GL.
#pragma once

#include "drawing.h"
#include "labels.h"
#include "scene.h"

#include <vector>

/// Makes the palette colour of code current; a code outside 0..9 leaves the current colour as it is.
void setColour(ColourCode code);

/// Draws the drawn piece of a line.
void drawLine(Line line);

/// Draws a circle outline as a closed polygon.
void drawCircle(Circle circle);

/// Draws circles, lines, segments and points, in this order, so that later records cover earlier ones. Circles
/// are drawn with circleVertexCount vertices, or, when pixelsPerUnit is given, with outlineVertexCount of them.
void drawScene(double pixelsPerUnit = 0.0);

/// Draws the labels with OpenGL lines, each in its colour.
void drawLabels(const std::vector<Label>& labels, double unitsPerPixel);

/// The display callback: clears the window, draws the scene and shows the frame.
void displayScene();
