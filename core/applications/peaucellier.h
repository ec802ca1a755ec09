// peaucellier.h
// Peaucellier's inversor: the bars OA and OC from the pivot O, the rhombus ABCD and the seventh bar QB, and how
// its handles B, D and Q move. D is always the image of B in k.
#pragma once

#include "plane.h"

#include <cmath>
#include <string>

/// |OA| = |OC|, the two bars from the pivot, in scene units.
constexpr double pivotBar = 7.0;
/// The square of the rhombus's side, in square scene units: the side is sqrt(24).
constexpr double rhombusSideSquared = 24.0;
/// |QB|, the seventh bar, in scene units.
constexpr double guideBar = 2.5;
/// The farthest B gets from O, in scene units: |OB| = |OD| = sqrt(7^2 - 24) = 5, B and D together on k.
constexpr double longestReach = 5.0;

/// The nearest B gets from O, in scene units: 7 - sqrt(24), when A, B and C lie on a line and |OD| = 7 + sqrt(24).
inline double shortestReach() {
    return pivotBar - std::sqrt(rhombusSideSquared);
}

/// The two handles that fix the inversor: Q, and B on its circle about Q.
struct Inversor {
    PlanePoint guide{2.5, 0.0}; ///< Q, the seventh bar's fixed end, in scene units; B's circle passes through O
    PlanePoint b{3.2, 2.4};     ///< B, in scene units: |OB| = 4, so D = (5, 3.75) on the line x = 5
};

/// The joints of the linkage.
struct InversorJoints {
    PlanePoint a; ///< A, counter-clockwise of OB, 7 from O and sqrt(24) from B and D
    PlanePoint b; ///< B
    PlanePoint c; ///< C, clockwise of OB, 7 from O and sqrt(24) from B and D
    PlanePoint d; ///< D, the fourth corner of the rhombus: the image of B in k
};

/// An inversor after a move, and whether the bars stopped the move at full stretch.
struct InversorMove {
    Inversor inversor;    ///< where the handles are after the move
    bool stopped = false; ///< the handle was asked beyond where the bars reach and is held at the limit
};

/// The path D runs along: the image of B's circle in k.
struct PathOfD {
    bool straight = false; ///< B's circle passes through O, so the path is a line
    PlaneLine line;        ///< the path when straight; its direction turns counter-clockwise about O
    PlaneCircle circle;    ///< the path otherwise
};

/// The joints for B: A and C are where the circle of radius 7 about O meets the circle of radius sqrt(24) about B,
/// and D = A + C - B. B is taken within reach, 7 - sqrt(24) <= |OB| <= 5.
InversorJoints inversorJoints(PlanePoint b);

/// B's circle: about Q, of radius 2.5.
PlaneCircle guideCircle(PlanePoint guide);

/// Whether B's circle about Q passes through O, up to the rounding of a Q put on the circle of radius 2.5 about O.
bool guideThroughCentre(PlanePoint guide);

/// The position of Q that puts B's circle through O nearest to the given one: on the circle of radius 2.5 about O
/// (for Q at O, (2.5, 0)).
PlanePoint guideThroughCentreNearest(PlanePoint guide);

/// D's path for Q: the line x = 5 for Q = (2.5, 0).
PathOfD pathOfD(PlanePoint guide);

/// B moved along its circle by an arc length (scene units; positive is counter-clockwise about Q), held within the
/// arc the bars reach.
InversorMove stepB(const Inversor& inversor, double arcLength);

/// D moved along its path by an arc length (scene units; positive is counter-clockwise about the path's centre, or
/// about O along a line), with B following as D's image and held within the arc the bars reach.
InversorMove stepD(const Inversor& inversor, double arcLength);

/// B dragged to a pointer: to the nearest point of its circle, or, where the bars do not reach it, to the end of
/// B's reachable arc nearer the pointer. A pointer at Q leaves B where it is.
InversorMove dragB(const Inversor& inversor, PlanePoint pointer);

/// D dragged to a pointer: to the nearest point of its path, or, where the bars do not reach it, to the end of D's
/// reachable arc nearer that point; B follows as D's image.
InversorMove dragD(const Inversor& inversor, PlanePoint pointer);

/// Q moved to a position, held within 7.5 of O so that B's circle still comes within reach; the bar QB keeps its
/// direction where the bars reach, otherwise B goes to the nearest point of its circle they reach. Stopped when Q
/// or B is held.
InversorMove moveGuide(const Inversor& inversor, PlanePoint guide);

/// The numbers on release: "B(x, y)  D(x, y)  |OB| * |OD| = 25.00", two decimals.
std::string inversorText(const Inversor& inversor);
