// pappus.h
// The Pappus chain in the arbelos on A = O, B(10, 0) and C(c, 0) between them: the chain's circles, the picture
// that the inversion keeping circle n in place makes of it, and the height and diameter of circle n.
#pragma once

#include "plane.h"

#include <array>
#include <string>

/// |AB|, in scene units: B = (10, 0).
constexpr double arbelosLength = 10.0;
/// The least and the greatest c, in scene units: C stays this far from A and from B.
constexpr double leastCut = 0.5;
constexpr double greatestCut = 9.5;
/// c at the start, in scene units: the circles on AC and CB of radii 3 and 2.
constexpr double startCut = 6.0;
/// The chain's last circle: circles 1 to 8 follow circle 0, the circle on CB.
constexpr int lastChainCircle = 8;
/// The circle n that the inversion keeps in place at the start.
constexpr int startChainCircle = 3;

/// The chain's circles 0 to 8, in order.
using PappusChain = std::array<PlaneCircle, lastChainCircle + 1>;

/// The three half circles' full circles.
struct Arbelos {
    PlaneCircle onAB; ///< centre (5, 0), radius 5
    PlaneCircle onAC; ///< centre (c / 2, 0), radius c / 2
    PlaneCircle onCB; ///< centre ((c + 10) / 2, 0), radius (10 - c) / 2: the chain's circle 0
};

/// The inversion about O that keeps circle n in place, and what it makes of the figure.
struct ColumnPicture {
    double radius = 0.0;   ///< the radius of the inversion, in scene units: its square is the power of O for circle n
    double nearLine = 0.0; ///< the image of the circle on AB, the line x = nearLine (scene units)
    double farLine = 0.0;  ///< the image of the circle on AC, the line x = farLine (scene units)
    PappusChain column;    ///< the chain's images: equal circles between the lines, each on the one before
};

/// Circle n's height and size.
struct ChainMeasure {
    double height = 0.0;   ///< h, the height of its centre over AB, in scene units
    double diameter = 0.0; ///< d, in scene units
};

/// c for a handle dragged to x: held within [0.5, 9.5].
double heldCut(double x);

/// The circles on AB, AC and CB for c.
Arbelos arbelos(double c);

/// The chain for c: circle 0 on CB, and circle n (1 to 8) touching the circle on AB from inside, the circle on AC
/// from outside and circle n - 1, above AB.
PappusChain pappusChain(double c);

/// The inversion about O that keeps circle n (1 to 8) in place, and the column the chain becomes in it: circle j of
/// the column has its centre j diameters over AB, and circle n of the column is circle n itself.
ColumnPicture columnPicture(double c, int n);

/// h and d of circle n (0 to 8): h = n d.
ChainMeasure chainMeasure(double c, int n);

/// The numbers on release: "n = 3: h = 2.34, d = 0.78, h / d = 3.00", two decimals.
std::string pappusText(double c, int n);
