// labels.h
// Names of points drawn next to them with a small stroke font, so that every window (and the browser, whose GLUT
// has no fonts) shows the same letters.
#pragma once

#include "drawing.h"
#include "role.h"
#include "scene.h"

#include <array>
#include <string>
#include <vector>

/// Height of a capital letter, in pixels: the least a label has.
constexpr double labelHeightPixels = 14.0;
/// A label starts this many pixels to the right of its point and above it, until placeLabels moves it.
constexpr double labelOffsetPixels = 6.0;

/// A name drawn next to a point, in the colour of what it names.
struct Label {
    /// Of the letters O P A B C R T F D E X Q M k, the digits, '.', ' ', '=', the degree sign '\xb0' and the prime '.
    std::string text;
    Point at;                                ///< the named point
    Role role = Role::K;                     ///< what the named point is: its colour is the label's
    double heightPixels = labelHeightPixels; ///< height of a capital, in pixels
    double leftPixels = labelOffsetPixels;   ///< the text's lower left corner lies this far right of the point
    double bottomPixels = labelOffsetPixels; ///< and this far above it, in pixels (negative: left of it, below it)
};

/// The strokes of a label as pairs of end points in scene units, for a view of unitsPerPixel: the text sits with
/// its lower left corner leftPixels to the right of and bottomPixels above the point. Characters without a glyph are
/// left out.
std::vector<std::array<Point, 2>> labelStrokes(const Label& label, double unitsPerPixel);

/// A rectangle in pixels, measured in the plane's directions (y up) from the origin of the scene.
struct PixelBox {
    double left = 0.0;
    double bottom = 0.0;
    double right = 0.0;
    double top = 0.0;
};

/// The height of the labels of a window height pixels tall: 2.5 % of it, at least labelHeightPixels, up to the first
/// size's 700 pixels; beyond it, growing so that a projector's 1080 pixels show them 28 pixels tall.
double labelHeightFor(int height);

/// What a label covers, with the room it keeps from others: the box of its strokes, a pixel more on each side.
PixelBox labelBox(const Label& label, double unitsPerPixel);

/// What a label must leave clear besides the other labels: the figure's dots, its straight pieces (lines, segments,
/// the pieces of arcs) and its circles, in scene units.
struct LabelObstacles {
    std::vector<Point> dots;
    std::vector<std::array<Point, 2>> pieces;
    std::vector<Circle> circles;
    double dotPixels = dotSize; ///< the dots' size as drawn; the labels' gap from their points grows with it
};

/// Whether a box (in pixels) is crossed by a straight piece or by a circle's curve, at unitsPerPixel, with lineRoom
/// pixels more round the box for the line's own width.
bool crossesPiece(const PixelBox& box, const std::array<Point, 2>& piece, double unitsPerPixel, double lineRoom);
bool crossesCircle(const PixelBox& box, const Circle& circle, double unitsPerPixel, double lineRoom);

/// Gives each label, in order, heightPixels and the first of the places round its point whose box overlaps no label
/// placed before it, no dot (a square of dotSize pixels) and no line or curve of the figure. The places are the
/// eight round the point (up right, up left, down right, down left, right, left, up, down), then the same eight
/// farther out, half a label's height at a time up to three heights; where every place is covered, the first that
/// covers the fewest things.
void placeLabels(std::vector<Label>& labels, const LabelObstacles& around, double unitsPerPixel, double heightPixels);
