// construction.h
// Why the image is where it is: the ruler-and-compass construction of each case, step by step, and the labels of
// the points it names.
#pragma once

#include "figure.h"
#include "labels.h"

#include <vector>

/// How many steps the construction of a case has: none for a circle that is k, is about O or crosses k at right
/// angles, nor for the two lines through X.
int stepCount(FigureCase figureCase);

/// The sentence of a step (1 to stepCount), without the line break it is printed with.
const char* stepText(FigureCase figureCase, int step);

/// Adds the ConstructionGreen records of the first steps of the construction to the store.
void addConstruction(const GivenFigure& figure, FigureCase figureCase, int steps, float r);

/// The labels of the figure's named points, of k, of the points that the first steps of the construction name, and
/// the sizes of the angles at X and X'.
std::vector<Label> figureLabels(const GivenFigure& figure, FigureCase figureCase, int steps, float r);

/// figureLabels as a window height pixels tall at unitsPerPixel shows them: placed (placeLabels) clear of each other
/// and of the dots of the store, its points and the ends of its segments, as buildExplorerScene filled it.
std::vector<Label> placedFigureLabels(const GivenFigure& figure, FigureCase figureCase, int steps, float r,
                                      double unitsPerPixel, int height);
