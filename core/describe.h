// describe.h
// The figure in words: a text alternative for the drawing, built from the picture alone.
#pragma once

#include "picture.h"
#include "sentences.h"

#include <string>
#include <vector>

/// The figure as Serbian sentences in ASCII, like the console texts: one sentence per object, with its role, its
/// colour and its numbers (two decimals where a number is not whole at two decimals): k and its centre O; the given
/// figure (the point P, a line with its points A and B, a circle with its centre C and its point R, or two lines
/// through X with their points X, A and B); its image (the point P' or X', an image circle or line, images of points
/// of a circle); the arcs that mark the angles. Any other object is named by its kind and colour. Circles come
/// before lines and points within each role, as drawn. A point of another role that carries one of the picture's
/// labels (the explorer's T1, F', D ...) is named by it.
std::string describeScene(const Picture& picture, Language language = Language::Plain);

/// The line as a x + b y = c, the smaller coefficient 1 and the first one shown positive: "x - 2y = -2".
std::string lineEquation(const Line& line, Language language = Language::Plain);

/// "krug sa centrom (2, 2) i poluprecnikom 2", in the language.
std::string circleWords(const Circle& circle, Language language = Language::Plain);
