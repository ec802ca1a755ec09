// explorer.h
// The explorer's state and its answers to the pointer and the keys: which figure is shown, which handle is dragged,
// which case was last printed and how many steps of the construction are shown. No OpenGL: the program's GLUT
// callbacks call in.
#pragma once

#include "figure.h"

#include <string>

/// Clears the store and fills it with k and O, the figure and its handles in Blue, its image in Red and the first
/// steps of its construction in ConstructionGreen; with ring 0 or more, a Black circle of radius ringRadius around
/// that handle last.
void buildExplorerScene(const GivenFigure& figure, float r, int steps = 0, int ring = -1);

/// The radius of the ring around the chosen handle, in scene units: beyond a handle's dot and its label's corner.
constexpr float ringRadius = 0.3f;

/// What the explorer shows and what it is doing.
struct Explorer {
    GivenFigure figures[4] = {startFigure(FigureKind::PointFigure), startFigure(FigureKind::LineFigure),
                              startFigure(FigureKind::CircleFigure), startFigure(FigureKind::AngleFigure)};
    FigureKind current = FigureKind::PointFigure;
    int dragged = -1;                               ///< the handle being dragged, or -1
    FigureCase shownCase = FigureCase::PointInside; ///< the case last printed
    int steps = 0;                                  ///< steps of the construction shown
    int chosen = 0;     ///< the handle that the arrows and a click elsewhere move: the first when a figure is shown
    bool ring = false;  ///< whether the chosen handle has its ring: once the keys n or arrows or a click chose it
    Point pressedAt;    ///< where the drag under way began: a handle moves once the pointer leaves it
    bool moved = false; ///< whether the drag under way has moved its handle
    FigureCase caseBefore = FigureCase::PointInside; ///< the case when the drag under way began
    std::string announcement; ///< what changed with the last move, key or step, for a screen reader to say once
    bool jumped = false; ///< whether the drag under way began by a press away from the handles, moving the chosen one
};

/// The figure on show.
const GivenFigure& currentFigure(const Explorer& explorer);

/// Shows the figure of the kind (keys 1, 2, 3, 4) and prints its case.
void showFigure(Explorer& explorer, FigureKind kind);

/// Puts the figure on show back to its start (key r) and prints its case.
void resetFigure(Explorer& explorer);

/// A press of the left button at q: takes the nearest handle within reach. Away from the handles, while the chosen
/// handle has its ring, takes the chosen handle and moves it to q. Returns whether a handle was taken.
bool pressAt(Explorer& explorer, Point q, double unitsPerPixel);

/// The pointer moved to q with the button down: moves the taken handle, rebuilds the scene and prints the case if it
/// changed. Returns whether the figure changed.
bool dragTo(Explorer& explorer, Point q, double unitsPerPixel);

/// The button released at q: the last move of the drag; then, for the point P other than O, prints P, P' and
/// |OP| * |OP'|, and for the two lines through X other than O, the angles at X and at X'. A handle taken and released
/// without moving becomes the chosen one, with its ring; a drag that moved a handle takes the ring away, unless it
/// began away from the handles. Returns whether the figure or the ring changed.
bool releaseAt(Explorer& explorer, Point q, double unitsPerPixel);

/// The key n: the next handle of the figure (P; A then B; C then R; X, A then B) becomes the chosen one, with its
/// ring.
void chooseNextHandle(Explorer& explorer);

/// An arrow key: the chosen handle, its coordinates rounded to the nearest tenth, moves by dx and dy tenths, snapping
/// onto O, onto k and through O but not onto whole coordinates; then all is as after a drag that ended there.
/// Returns whether the figure or the ring changed.
bool moveChosen(Explorer& explorer, int dx, int dy, double unitsPerPixel);

/// The next step of the construction of the figure's case (key k), printed and drawn; after the last step, none.
/// A case without a construction prints and draws nothing.
void nextStep(Explorer& explorer);

/// What the explorer's page shows beside the figure: the case sentence last printed and, while a construction is
/// shown, the sentence of its step shown, on a line of its own.
std::string panelText(const Explorer& explorer);

/// The line a release prints for the point P other than O: "P(1.00, 3.00)  P'(2.50, 7.50)  |OP| * |OP'| = 25.00".
std::string measurementText(Point p);

/// The line a release prints for the two lines through X: "Ugao u X: 60.3 stepeni, ugao u X': 60.3 stepeni".
std::string anglesText(const GivenFigure& figure);

/// The short help of the key h.
extern const char* const explorerHelpText;
