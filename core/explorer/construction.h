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
const Sentence& stepSentence(FigureCase figureCase, int step);


/// One step of a construction: its sentence, what it draws (in the role Construction) and the points it names.
struct ConstructionStep {
    const Sentence* sentence = nullptr;
    std::vector<Shape> shapes;
    std::vector<Label> labels;
};

/// The steps of the construction of the figure in its case, each computed once: stepCount(figureCase) of them.
std::vector<ConstructionStep> constructionSteps(const GivenFigure& figure, FigureCase figureCase, float r);

/// The labels of the figure's named points, of k, of the points that the first steps of the construction name
/// (given as steps), and the sizes of the angles at X and X'.
std::vector<Label> figureLabels(const GivenFigure& figure, FigureCase figureCase,
                                const std::vector<ConstructionStep>& steps, int shown, float r);

/// The picture's labels, labelHeight pixels tall at unitsPerPixel: placed (placeLabels) clear of each other and of
/// what the picture draws, its dots, lines and circles.
void placePictureLabels(Picture& picture, double unitsPerPixel, double labelHeight, double dotPixels);
