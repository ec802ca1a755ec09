// point_inversion.h
// The steps shared by the four point programs.
#pragma once

#include "scene.h"

/// The explanation of a point on k.
constexpr const char* pointOnCircleText = "Inverzija tacke koja se nalazi na kruznici je ista ta tacka.";
/// The centre has no image: the error text, which begins with a line break and does not end with one.
constexpr const char* centreErrorText =
    "\nNepravilan unos, slika centra kruga nije definisana\nniti je centar kruga slika neke tacke ravni!";

/// Sets the radius of k, prints the explanation and, unless p is the centre O, registers k, O, p (Blue)
/// and the image of p (Red). For the centre it prints the error text instead, registers nothing and
/// returns false.
bool buildPointInversion(Point p, const char* explanation);

/// The whole program: builds the scene and shows it; for the centre, waits for one character on standard
/// input and returns 1 without opening a window.
int runPointInversion(Point p, const char* explanation, int argc, char** argv);
