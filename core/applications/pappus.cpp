// pappus.cpp
// Inversion about O, of any radius s, takes the circles on AB and AC (both through O) to the lines x = s^2 / 10 and
// x = s^2 / c, and the circle on CB, whose diameter ends at c and 10, to the circle on the diameter from s^2 / 10 to
// s^2 / c. The chain becomes a column of equal circles between the two lines, each on the one before. With s^2 = 10c
// the circle on CB is its own image, so the chain is the image of the column.
#include "pappus.h"

#include "console.h"

#include <algorithm>

namespace {

// The column between the lines for an inversion about O with the square of its radius `power`: circle j has its
// centre j diameters above the axis.
PappusChain columnFor(double c, double power) {
    const double nearLine = power / arbelosLength;
    const double farLine = power / c;
    const double diameter = farLine - nearLine;
    PappusChain column;
    for (int j = 0; j <= lastChainCircle; ++j) {
        column[std::size_t(j)] = PlaneCircle{{(nearLine + farLine) / 2.0, j * diameter}, diameter / 2.0};
    }
    return column;
}

} // namespace

double heldCut(double x) {
    return std::clamp(x, leastCut, greatestCut);
}

Arbelos arbelos(double c) {
    return Arbelos{PlaneCircle{{arbelosLength / 2.0, 0.0}, arbelosLength / 2.0}, PlaneCircle{{c / 2.0, 0.0}, c / 2.0},
                   PlaneCircle{{(c + arbelosLength) / 2.0, 0.0}, (arbelosLength - c) / 2.0}};
}

PappusChain pappusChain(double c) {
    const double power = arbelosLength * c;
    PappusChain chain = columnFor(c, power);
    for (PlaneCircle& circle : chain) {
        circle = invertedCircle(circle, PlanePoint{}, std::sqrt(power));
    }
    return chain;
}

ColumnPicture columnPicture(double c, int n) {
    // The power of O for circle n: inversion with its square root as radius takes circle n to itself.
    const PlaneCircle kept = pappusChain(c)[std::size_t(n)];
    const double power = dot(kept.centre, kept.centre) - kept.radius * kept.radius;
    return ColumnPicture{std::sqrt(power), power / arbelosLength, power / c, columnFor(c, power)};
}

ChainMeasure chainMeasure(double c, int n) {
    const PlaneCircle circle = pappusChain(c)[std::size_t(n)];
    return ChainMeasure{circle.centre.y, 2.0 * circle.radius};
}

std::string pappusText(double c, int n) {
    const ChainMeasure measure = chainMeasure(c, n);
    return "n = " + std::to_string(n) + ": h = " + decimalText(measure.height, 2) +
           ", d = " + decimalText(measure.diameter, 2) +
           ", h / d = " + decimalText(measure.height / measure.diameter, 2);
}
