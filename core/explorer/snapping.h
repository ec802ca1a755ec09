// snapping.h
// Which handle a press takes, and where a dragged handle lands: near the special positions it snaps to them, so
// that a hand can reach them.
#pragma once

#include "figure.h"

/// A press takes the nearest handle within this many pixels.
constexpr double grabPixels = 12.0;
/// O, k, and the positions that put a line or circle through O pull a dragged handle this many pixels.
constexpr double snapPixels = 6.0;
/// A point with whole coordinates pulls a dragged handle this many pixels.
constexpr double gridPixels = 3.0;
/// Two handles of one figure stay at least this many pixels apart, so that they always fix a line or a circle.
constexpr double handleGapPixels = 1.0;

/// The units per drawing pixel for a press by a finger on a canvas shown at drawingPerCss drawing pixels per CSS
/// pixel: the reach and the zones above doubled in CSS pixels (24, 12 and 6), and never below what they are for
/// the mouse.
double touchUnitsPerPixel(double unitsPerPixel, double drawingPerCss);

/// How many handles the figure offers: P, with P' where P has an image apart from it (P inside or outside k); A
/// and B; C and R; X, A and B.
int handleCount(const GivenFigure& figure, float r);

/// Where a handle (0 first, 1 second, 2 third) is: P' is the image of P.
Point handleAt(const GivenFigure& figure, int handle, float r);

/// The handle nearest to q within grabPixels, or -1.
int nearestHandle(const GivenFigure& figure, Point q, double unitsPerPixel, float r);

/// The figure with the handle moved to q and snapped; the figure unchanged if the move would bring two handles of
/// one line or circle closer than handleGapPixels, or P' onto O. P' moved moves P to its image. Without toGrid, the
/// snap onto whole coordinates is left out (a key's step of a tenth is smaller than its zone).
GivenFigure moveHandle(GivenFigure figure, int handle, Point q, float r, double unitsPerPixel, bool toGrid = true);
