// steiner.h
// Steiner's chain and porism: a chain of n circles between two circles, one inside the other, built as the image
// of the concentric picture in which the chain is plainly closed, and turned by a handle on its first circle.
#pragma once

#include "plane.h"

#include <string>
#include <vector>

/// The radius of the outer circle, about O, in scene units. It lies inside k rather than on it: k is not the
/// inversion that straightens the figure, and drawn over it, it would hide the outer circle.
constexpr double steinerOuterRadius = 4.0;
/// The fewest and the most circles of the chain.
constexpr int fewestChainCircles = 3;
constexpr int mostChainCircles = 20;
/// The farthest the inner circle's centre goes from O, in scene units: there the inner circle is still clearly
/// inside the outer one (it shrinks to nothing as its centre nears the outer circle).
constexpr double innerCentreReach = 3.2;

/// What the handles and keys set.
struct SteinerState {
    int count = 6;                  ///< n, the chain's circles, 3 to 20
    PlanePoint innerCentre{1.5, 0}; ///< the inner circle's centre, in scene units, within innerCentreReach of O
    double turn = 0.3;              ///< theta, radians: the first chain circle's direction in the concentric picture
};

/// Two circles, one inside the other, and the chain between them.
struct SteinerPicture {
    PlaneCircle outer;              ///< the larger circle
    PlaneCircle inner;              ///< the smaller circle, inside it
    std::vector<PlaneCircle> chain; ///< n circles, each touching both and the next, the last touching the first
};

/// The figure and the inversion that makes it concentric.
struct SteinerFigure {
    SteinerPicture given;       ///< the outer circle about O, the inner circle and the chain
    SteinerPicture concentric;  ///< the image of the given picture, R and q its radii: outer is the inner's image
    PlanePoint inversionCentre; ///< the centre of the inversion, in scene units: inside the inner circle
    double inversionRadius = 0; ///< in scene units; chosen so that R = 4, the outer circle's radius
    PlanePoint handle;          ///< where the first chain circle touches the outer circle, in scene units
};

/// The inner circle's centre for a handle dragged to a pointer: held within innerCentreReach of O.
PlanePoint heldInnerCentre(PlanePoint pointer);

/// The radius of the inner circle about the given centre for which a chain of n circles closes: the one whose
/// inversive distance from the outer circle is that of the concentric radii R and q with
/// (R - q) / (R + q) = sin(180 / n).
double steinerInnerRadius(int count, PlanePoint innerCentre);

/// The figure for the state.
SteinerFigure steinerFigure(const SteinerState& state);

/// The turn that puts the handle where the outer circle comes nearest to the pointer (the state's own turn for a
/// pointer at O): dragging the handle round the outer circle turns the chain, which closes at every turn.
double turnToward(const SteinerState& state, PlanePoint pointer);

/// The numbers on release: "n = 6: sin(180/n) = 0.500, (R - q) / (R + q) = 0.500", three decimals.
std::string steinerText(const SteinerState& state);
