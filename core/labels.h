// labels.h
// Names of points drawn next to them with a small stroke font, so that every window (and the browser, whose GLUT
// has no fonts) shows the same letters.
#pragma once

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
    /// Of the letters O P A B C R T F D E X k, the digits, '.', ' ', '=', the degree sign '\xb0' and the prime '.
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

/// Gives each label, in order, heightPixels and the first of eight places around its point (up right, up left, down
/// right, down left, right, left, up, down), then of the same eight a label's height further out, whose box overlaps
/// the box of no label placed before it and no dot (a square of dotSize pixels); where every place overlaps
/// something, the first that overlaps the fewest.
void placeLabels(std::vector<Label>& labels, const std::vector<Point>& dots, double unitsPerPixel, double heightPixels);
