// view.h
// The explorer's view of the plane: zoom about a point, pan, the view that fits the figure, its image and its
// construction, the widening that keeps a construction's new points in sight, and the arrows at the window's edge
// that point to an image out of sight. No OpenGL: the program keeps the view and hands it to the viewer.
#pragma once

#include "camera.h"
#include "picture.h"
#include "walk.h"

#include <array>
#include <string>
#include <vector>

/// The fewest and the most scene units that the view's height may show: between them no number handed to OpenGL
/// overflows, and the finest outline (outlineVertexCount) keeps k within a quarter pixel.
constexpr double closestViewHeight = 0.01;
constexpr double farthestViewHeight = 1000.0;

/// Only what lies within this distance of O, along each axis, counts for the view that fits the figure: the image of a
/// figure passing close to O runs off far away.
constexpr float fitReach = 60.0f;

/// The view that starts the explorer (key 0): the box from (-8, -8) to (8, 8), framed as the ten programs frame theirs.
Camera startView();

/// The view magnified factor times about q: q stays where it is in the window, every other point moves away from it
/// (factor > 1) or towards it. The view's height stays between closestViewHeight and farthestViewHeight.
Camera zoomAbout(const Camera& view, Point q, double factor);

/// The view moved so that the scene point from comes under the pointer, which is now over the scene point to.
Camera panned(const Camera& view, Point from, Point to);

/// The box around the dots and circles of the picture, cut to fitReach along each axis. Lines and segments are left
/// out: they run on to the edge of sight, and the points that give them are in the picture. With stepPoints, only
/// the points that a step of the construction brings into sight: the construction's own and the image's. The box of
/// nothing is the point O.
Bounds sceneBox(const Picture& picture, bool stepPoints = false);

/// The view that shows the box with a margin of a twentieth on each side in a window of width x height pixels,
/// centred on the box.
Camera fitView(const Bounds& box, int width, int height);

/// The view itself when the box is in sight; otherwise the view that fits what it shows together with the box.
Camera widenToInclude(const Camera& view, const Bounds& box, int width, int height);

/// A small arrow at the window's edge: its tip, a little inside the edge, and the unit direction it points in.
struct EdgeArrow {
    Point tip;
    Point direction;
    std::string name; ///< the label of the point it points to (P', X'), or empty
};

/// The arrows towards the parts of the image that lie wholly out of the view of a window of width x height pixels:
/// one for each point, circle or line of the image out of sight, on the line from the view's centre towards the
/// nearest point of it.
std::vector<EdgeArrow> edgeArrows(const Picture& picture, const Camera& view, int width, int height);

/// The strokes of an arrow (its shaft and the two sides of its head), 16 pixels long at the scale, times size.
std::vector<std::array<Point, 2>> arrowStrokes(const EdgeArrow& arrow, double unitsPerPixel, double size = 1.0);

/// The arrows of edgeArrows as the frame draws them, in the image's role, size times their first length, each with
/// the name of the point it points to beside its shaft, labelHeight pixels tall.
std::vector<DrawnItem> arrowItems(const Picture& picture, const Camera& view, int width, int height, double size = 1.0,
                                  double labelHeight = labelHeightPixels);
