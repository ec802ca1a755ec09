// circle_inversion.h
// The image of a circle that misses the centre O, shared by the circle programs.
#pragma once

#include "scene.h"

/// The image under inversion about the origin of a circle c that does not pass through it, given
/// s = r * r / D, where D = cx * cx + cy * cy - radius * radius is the power of O with respect to c:
/// the circle with centre s * (cx, cy) and radius |s| * radius. The result is Black.
Circle imageOfCircle(const Circle& c, float s);

/// Prints the explanation of a circle that misses O, adds c in Blue and its image in Red. f is 1 / D,
/// fixed by the program.
void buildCircleInversion(Circle c, float f);
