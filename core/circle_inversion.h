// circle_inversion.h
// The image of a circle under inversion in k, shared by the circle programs and the explorer.
#pragma once

#include "case_texts.h"
#include "scene.h"

#include <array>

/// The power of O with respect to c, cx * cx + cy * cy - radius * radius in double precision: zero exactly when
/// c passes through O.
double powerOfCentre(const Circle& c);

/// The image under inversion about the origin of a circle c that does not pass through it, given
/// s = r * r / D, where D = cx * cx + cy * cy - radius * radius is the power of O with respect to c:
/// the circle with centre s * (cx, cy) and radius |s| * radius. The result is Black.
Circle imageOfCircle(const Circle& c, float s);

/// The image of a circle c that misses O under inversion in the circle of radius r about the origin:
/// imageOfCircle with s = r * r / D held in float.
Circle imageOfCircleMissingCentre(const Circle& c, float r);

/// The image of a circle through O: the images of two of its points other than O, and the line through them.
struct ImageLine {
    Point image1; ///< Black
    Point image2; ///< Black
    Line line;    ///< point image1, direction image1 - image2, Red
};

/// The image of a circle through O given by two of its points p1 and p2 other than O, for the radius r of k.
ImageLine lineThroughImages(Point p1, Point p2, float r);

/// The points D and E where the line OC meets the circle: D beyond C as seen from O, E on O's side (for a circle
/// through O, E is O itself). For a circle centred on O, any line through O serves: the x-axis, D on its positive
/// side.
std::array<Point, 2> pointsOnLineOC(const Circle& circle);

/// Prints the explanation of a circle that misses O, adds c in Blue and its image in Red. f is 1 / D,
/// fixed by the program.
void buildCircleInversion(Circle c, float f);
