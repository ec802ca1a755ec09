// construction.h
// Why the image is where it is: the ruler-and-compass construction of each case, step by step, and the labels of
// the points it names.
#pragma once

#include "explorer.h"
#include "labels.h"

#include <vector>

/// The points where k meets the chord of contact of p: the perpendicular to OP through whichever of p and its image
/// lies inside k. For p inside k they are where the perpendicular at p meets k, and the tangents there meet at
/// the image of p; for p outside they are where the tangents from p touch k, and their chord crosses OP at the
/// image. T1 is a quarter turn counter-clockwise from OP, T2 the other way; both are p's image's own point for p
/// on k.
std::array<Point, 2> contactPoints(Point p, float r);

/// The foot of the perpendicular from O to the line through a and b: the point of the line nearest to O.
Point footOfPerpendicular(Point a, Point b);

/// The points D and E where the line OC meets the circle: D beyond C as seen from O, E on O's side (for a circle
/// through O, E is O itself). For a circle centred on O, any line through O serves: the x-axis, D on its positive
/// side.
std::array<Point, 2> pointsOnLineOC(const Circle& circle);

/// How many steps the construction of a case has.
int stepCount(FigureCase figureCase);

/// The sentence of a step (1 to stepCount), without the line break it is printed with.
const char* stepText(FigureCase figureCase, int step);

/// Adds the Green records of the first steps of the construction to the store.
void addConstruction(const GivenFigure& figure, FigureCase figureCase, int steps, float r);

/// The labels of the figure's named points, of k, and of the points that the first steps of the construction name.
std::vector<Label> figureLabels(const GivenFigure& figure, FigureCase figureCase, int steps, float r);
