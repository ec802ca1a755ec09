// render.h
// Drawing a frame: the list of what it draws (walk.h) handed to a back end (backend.h), OpenGL natively and WebGL
// in the browser, and the display callback of the ten programs. The numbers come from the core; this layer only
// hands them over.
#pragma once

#include "walk.h"

#include <vector>

/// Makes the palette colour of code current; a code outside 0..9 leaves the current colour as it is. Native only.
void setColour(ColourCode code);

/// Hands the items to the back end in their order: an outline as its polygon, a dashed item at a known scale as
/// its dashes, strokes and dots as they are.
void drawItems(const std::vector<DrawnItem>& items);

/// Draws the store of the ten programs: circles, lines, segments and points, in this order, so that later records
/// cover earlier ones. Circles are drawn with circleVertexCount vertices, or, when pixelsPerUnit is given, with
/// outlineVertexCount of them.
void drawScene(double pixelsPerUnit = 0.0);

/// Draws the next frames' lines, the image's lines and the dots at these sizes (the ten programs keep the first size's
/// 1, 1 and dotSize and never call this).
void useStrokeSizes(const StrokeSizes& sizes);

/// Ends a frame: draws what was handed over since the last and shows it (natively glFlush and glutSwapBuffers).
void endFrame();

/// The display callback: clears the window, draws the scene and shows the frame.
void displayScene();
