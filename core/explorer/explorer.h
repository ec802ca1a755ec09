// explorer.h
// The explorer's state and its answers to the pointer and the keys: which figure is shown, which handle is dragged,
// which case was last printed and how many steps of the construction are shown. No OpenGL: the program's GLUT
// callbacks call in.
#pragma once

#include "figure.h"

/// Clears the store and fills it with k and O, the figure and its handles in Blue, the first steps of its
/// construction in Green, and its image in Red.
void buildExplorerScene(const GivenFigure& figure, float r, int steps = 0);

/// What the explorer shows and what it is doing.
struct Explorer {
    GivenFigure figures[4] = {startFigure(FigureKind::PointFigure), startFigure(FigureKind::LineFigure),
                              startFigure(FigureKind::CircleFigure), startFigure(FigureKind::AngleFigure)};
    FigureKind current = FigureKind::PointFigure;
    int dragged = -1;                               ///< the handle being dragged, or -1
    FigureCase shownCase = FigureCase::PointInside; ///< the case last printed
    int steps = 0;                                  ///< steps of the construction shown
};

/// The figure on show.
const GivenFigure& currentFigure(const Explorer& explorer);

/// Shows the figure of the kind (keys 1, 2, 3, 4) and prints its case.
void showFigure(Explorer& explorer, FigureKind kind);

/// Puts the figure on show back to its start (key r) and prints its case.
void resetFigure(Explorer& explorer);

/// A press of the left button at q: takes the nearest handle within reach. Returns whether one was taken.
bool pressAt(Explorer& explorer, Point q, double unitsPerPixel);

/// The pointer moved to q with the button down: moves the taken handle, rebuilds the scene and prints the case if it
/// changed. Returns whether the figure changed.
bool dragTo(Explorer& explorer, Point q, double unitsPerPixel);

/// The button released at q: the last move of the drag; then, for the point P other than O, prints P, P' and
/// |OP| * |OP'|, and for the two lines through X other than O, the angles at X and at X'. Returns whether the figure
/// changed.
bool releaseAt(Explorer& explorer, Point q, double unitsPerPixel);

/// The next step of the construction of the figure's case (key k), printed and drawn; after the last step, none.
/// A case without a construction prints and draws nothing.
void nextStep(Explorer& explorer);

/// The short help of the key h.
extern const char* const explorerHelpText;
