// point_inversion.h
// The steps shared by the four point programs.
#pragma once

#include "scene.h"

/// Sets the radius of k, prints the explanation and, unless p is the centre O, registers k, O, p (Blue)
/// and the image of p (Red). For the centre it prints the error text instead, registers nothing and
/// returns false.
bool buildPointInversion(Point p, const char* explanation);

/// The whole program: builds the scene and shows it; for the centre, waits for one character on standard
/// input and returns 1 without opening a window.
int runPointInversion(Point p, const char* explanation, int argc, char** argv);
