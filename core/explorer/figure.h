// figure.h
// The explorer's figures: a point, a line through two handles or a circle through a handle about another, the case
// each is in, and the records that show it and its image.
#pragma once

#include "scene.h"

/// A handle that snapping puts on k, or a figure it puts through O, lies there up to float rounding, a few parts
/// in 10^8; the case tests accept this much, relative to the figure's size.
constexpr double roundingTolerance = 1e-6;

/// The three figures, chosen with the keys 1, 2 and 3.
enum class FigureKind { PointFigure, LineFigure, CircleFigure };

/// The case a figure is in; each has its explanation.
enum class FigureCase {
    PointInside,
    PointOutside,
    PointOnCircle,
    PointAtCentre,
    LineMissesCentre,
    LineThroughCentre,
    CircleThroughCentre,
    CircleMissesCentre,
};

/// A figure and its two handles in scene units: P (first only); A and B on the line; the centre C and a point R
/// of the circle.
struct GivenFigure {
    FigureKind kind = FigureKind::PointFigure;
    Point first;  ///< P, A or C
    Point second; ///< B or R
};

/// The figure as the program starts it: P(2, 2); A(2, 2) and B(0, 1); C(2, 2) and R(4, 2).
GivenFigure startFigure(FigureKind kind);

/// The circle of a circle figure: centre C, through R.
Circle givenCircle(const GivenFigure& figure);

/// The case of the figure for the radius r of k.
FigureCase figureCase(const GivenFigure& figure, float r);

/// The explanation of a case, as the ten programs print it (without the line break the explorer adds).
const char* caseText(FigureCase figureCase);

/// The same line, drawn from the foot of the perpendicular from O with a direction long enough that the drawn
/// piece reaches far beyond any window.
Line spanView(const Line& line);

/// Adds the given figure in Blue: the point P, the line through A and B, or the circle about C through R, then
/// the handles that move it.
void addGivenFigure(const GivenFigure& figure);

/// Adds the image of the figure in its case in Red; nothing for P at O.
void addFigureImage(const GivenFigure& figure, FigureCase shown, float r);
