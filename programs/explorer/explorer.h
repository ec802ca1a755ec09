// explorer.h
// The explorer's figures: their handles, how a dragged handle snaps, which case a figure is in, the scene built
// from it, and the explorer's answers to the pointer and the keys. No OpenGL: the program's GLUT callbacks call in.
#pragma once

#include "scene.h"

/// A press takes the nearest handle within this many pixels.
constexpr double grabPixels = 12.0;
/// O, k, and the positions that put a line or circle through O pull a dragged handle this many pixels.
constexpr double snapPixels = 6.0;
/// A point with whole coordinates pulls a dragged handle this many pixels.
constexpr double gridPixels = 3.0;
/// Two handles of one figure stay at least this many pixels apart, so that they always fix a line or a circle.
constexpr double handleGapPixels = 1.0;
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

/// The handle (0 first, 1 second) nearest to q within grabPixels, or -1.
int nearestHandle(const GivenFigure& figure, Point q, double unitsPerPixel);

/// The figure with the handle moved to q and snapped; the figure unchanged if the move would bring its two
/// handles closer than handleGapPixels.
GivenFigure moveHandle(GivenFigure figure, int handle, Point q, float r, double unitsPerPixel);

/// The same line, drawn from the foot of the perpendicular from O with a direction long enough that the drawn
/// piece reaches far beyond any window.
Line spanView(const Line& line);

/// Clears the store and fills it with k and O, the figure and its handles in Blue, the first steps of its
/// construction in Green, and its image in Red.
void buildExplorerScene(const GivenFigure& figure, float r, int steps = 0);

/// What the explorer shows and what it is doing.
struct Explorer {
    GivenFigure figures[3] = {startFigure(FigureKind::PointFigure), startFigure(FigureKind::LineFigure),
                              startFigure(FigureKind::CircleFigure)};
    FigureKind current = FigureKind::PointFigure;
    int dragged = -1;                               ///< the handle being dragged, or -1
    FigureCase shownCase = FigureCase::PointInside; ///< the case last printed
    int steps = 0;                                  ///< steps of the construction shown
};

/// The figure on show.
const GivenFigure& currentFigure(const Explorer& explorer);

/// Shows the figure of the kind (keys 1, 2, 3) and prints its case.
void showFigure(Explorer& explorer, FigureKind kind);

/// Puts the figure on show back to its start (key r) and prints its case.
void resetFigure(Explorer& explorer);

/// A press of the left button at q: takes the nearest handle within reach. Returns whether one was taken.
bool pressAt(Explorer& explorer, Point q, double unitsPerPixel);

/// The pointer moved to q with the button down: moves the taken handle, rebuilds the scene and prints the case if it
/// changed. Returns whether the figure changed.
bool dragTo(Explorer& explorer, Point q, double unitsPerPixel);

/// The button released at q: the last move of the drag; then, for the point P other than O, prints P, P' and
/// |OP| * |OP'|. Returns whether the figure changed.
bool releaseAt(Explorer& explorer, Point q, double unitsPerPixel);

/// The next step of the construction of the figure's case (key k), printed and drawn; after the last step, none.
void nextStep(Explorer& explorer);

/// The short help of the key h.
extern const char* const explorerHelpText;
