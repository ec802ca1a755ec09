// labels.h
// Names of points drawn next to them with a small stroke font, so that every window (and the browser, whose GLUT
// has no fonts) shows the same letters.
#pragma once

#include "scene.h"

#include <array>
#include <string>
#include <vector>

/// Height of a capital letter, in pixels.
constexpr double labelHeightPixels = 14.0;
/// A label starts this many pixels to the right of its point and above it.
constexpr double labelOffsetPixels = 6.0;

/// A name drawn next to a point, in the point's colour.
struct Label {
    std::string
        text; ///< of the letters O P A B C R T F D E X k, the digits, '.', the degree sign '\xb0' and the prime '
    Point at; ///< the named point
    ColourCode colour = Black;
};

/// The strokes of a label as pairs of end points in scene units, for a view of unitsPerPixel: the text sits with
/// its lower left corner labelOffsetPixels to the right of and above the point. Characters without a glyph are
/// left out.
std::vector<std::array<Point, 2>> labelStrokes(const Label& label, double unitsPerPixel);
