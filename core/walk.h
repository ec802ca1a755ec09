// walk.h
// The one walk of what a frame shows: a figure, a view and a window size become the list of things to draw, in the
// order they are drawn. The OpenGL and WebGL back ends draw that list, the SVG and TikZ writers write it, so a
// window and its saved files cannot disagree.
#pragma once

#include "camera.h"
#include "drawing.h"
#include "picture.h"

#include <array>
#include <vector>

/// The rectangle a window of width x height pixels shows under the camera: centred on (cx, cy), d tan(22.5 deg)
/// above and below the centre (the 45-degree projection at distance d), and the window's aspect times that to
/// either side. Sizes below 1 are taken as 1.
VisibleRect visibleRect(const Camera& camera, int width, int height);

/// What a frame is drawn for.
struct WalkFrame {
    VisibleRect view;           ///< the part of the plane it shows
    double unitsPerPixel = 0.0; ///< its scale; 0 for a frame drawn at no known scale (the ten programs' window)
    bool cut = false;           ///< for a file: strokes cut to the view, and what cannot reach it left out
};

/// The frame of a window of width x height pixels under the camera.
WalkFrame windowFrame(const Camera& camera, int width, int height);

/// The frame of a file of the same window: as windowFrame, cut to the view.
WalkFrame fileFrame(const Camera& camera, int width, int height);

/// One thing a frame draws, in scene units.
struct DrawnItem {
    enum Kind {
        Outline, ///< a circle's outline: centre (x, y), radius (never negative), drawn as a polygon of vertices
        Stroke,  ///< a straight piece from (x, y) to (x2, y2)
        Dot,     ///< a square of dotSize pixels centred on (x, y)
        Strokes, ///< the pieces, in one go: a label's letters, an arrow
    } kind = Dot;
    Role role = Role::Other;
    ColourCode colour = Black; ///< what it is drawn in: always a code with a palette colour (paletteColour)
    bool dashed = false;       ///< an outline or stroke of the construction, drawn as dashes
    double x = 0.0;
    double y = 0.0;
    double x2 = 0.0;
    double y2 = 0.0;
    double radius = 0.0;
    int vertices = circleVertexCount; ///< of an outline's polygon
    double dashOffset = 0.0; ///< of a dashed stroke cut to the view: how far into its pattern it starts, scene units
    std::vector<std::array<Point, 2>> pieces; ///< of Strokes; of a dashed item in a window, the dashes that reach it
};

/// What a frame draws of the figure, in the renderer's order: circles, lines, segments (each with a dot at either end,
/// but for the pieces of an arc and the dashes of the construction), dots, then the labels and the arrows. A record of
/// the store whose code has no palette colour takes the colour of the item drawn before it, as OpenGL's current colour
/// carries over; before any colour that is White. At no known scale, circles have circleVertexCount vertices and
/// nothing is cut; at a scale, outlineVertexCount of them, and a dashed item carries its dashes near the view.
std::vector<DrawnItem> drawList(const Picture& shown, const WalkFrame& frame,
                                const std::vector<DrawnItem>& arrows = {});
