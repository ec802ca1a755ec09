// figure.h
// The explorer's figures: a point, a line through two handles, a circle through a handle about another or two lines
// through a common handle, the case each is in, and the records that show it and its image.
#pragma once

#include "picture.h"
#include "scene.h"
#include "sentences.h"

/// A handle that snapping puts on k, or a figure it puts through O, lies there up to float rounding, a few parts
/// in 10^8; the case tests accept this much, relative to the figure's size.
constexpr double roundingTolerance = 1e-6;

/// The four figures, chosen with the keys 1, 2, 3 and 4.
enum class FigureKind { PointFigure, LineFigure, CircleFigure, AngleFigure };

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
    CircleIsK,           ///< C at O and R on k
    CircleAboutCentre,   ///< C at O, R off k
    CircleAtRightAngles, ///< |OC|^2 = r^2 + |CR|^2: it crosses k at right angles
    AnglesKept,          ///< two lines through X, X not at O
    AngleAtCentre,       ///< two lines through X at O: X has no image
};

/// A figure and its handles in scene units: P (first only); A and B on the line; the centre C and a point R
/// of the circle; the common point X of two lines, A on the first and B on the second.
struct GivenFigure {
    FigureKind kind = FigureKind::PointFigure;
    Point first;      ///< P, A, C or X
    Point second;     ///< B, R or A
    Point third = {}; ///< B of the two lines
};

/// The figure as the program starts it: P(2, 2); A(2, 2) and B(0, 1); C(2, 2) and R(4, 2); X(1, 2), A(4, 2) and
/// B(3, 3).
GivenFigure startFigure(FigureKind kind);

/// The circle of a circle figure: centre C, through R.
Circle givenCircle(const GivenFigure& figure);

/// The case of the figure for the radius r of k.
FigureCase figureCase(const GivenFigure& figure, float r);

/// The explanation of a case, as the ten programs print it (without the line break the explorer adds); for P or X at
/// O, where the ten programs refuse their input, the explorer's own sentence: O simply has no image.
const Sentence& caseSentence(FigureCase figureCase);


/// The same line, drawn from the foot of the perpendicular from O with a direction long enough that the drawn
/// piece reaches far beyond any window.
Line spanView(const Line& line);

/// Whether the line through x and other passes through O, up to the rounding that snapping leaves: then it is its
/// own image.
bool lineThroughCentre(Point x, Point other);

/// The image of the line through x and other that misses O: the circle through O on the diameter from O to the
/// image of the foot of the perpendicular from O, worked out in double so that it passes through the image of x
/// at the angle of the line even where the line passes close to O.
Circle imageOfLineThrough(Point x, Point other, float r);

/// The two points of a circle through O whose images fix its image line, D' and E': D opposite O and E a quarter turn
/// on from it round the centre.
std::array<Point, 2> pointsFixingImageLine(const GivenFigure& figure);

/// Adds the given figure: the point P, the line through A and B, the circle about C through R, or the lines XA and
/// XB, then the handles that move it.
void addGivenFigure(Picture& picture, const GivenFigure& figure);

/// Adds the image of the figure in its case; nothing for P at O. A circle that is its own image is there again as
/// the image, over the given one. The two lines' images come with X' (the arcs that mark the angles are the
/// explorer's, addAngleArcs).
void addFigureImage(Picture& picture, const GivenFigure& figure, FigureCase shown, float r);
