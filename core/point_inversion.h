// point_inversion.h
// The image of a single point: the steps shared by the four point programs, and the points of k that construct it.
#pragma once

#include "case_texts.h"
#include "scene.h"

#include <array>

/// Sets the radius of k, prints the explanation and, unless p is the centre O, registers k, O, p (Blue)
/// and the image of p (Red). For the centre it prints the error text instead, registers nothing and
/// returns false.
bool buildPointInversion(Point p, const char* explanation);

/// The points where k meets the chord of contact of p: the perpendicular to OP through whichever of p and its image
/// lies inside k. For p inside k they are where the perpendicular at p meets k, and the tangents there meet at
/// the image of p; for p outside they are where the tangents from p touch k, and their chord crosses OP at the
/// image. T1 is a quarter turn counter-clockwise from OP, T2 the other way; both are p's image's own point for p
/// on k.
std::array<Point, 2> contactPoints(Point p, float r);
