// circle_inversion.cpp
// A circle that misses O becomes a circle; its centre moves along the ray from O by the factor s.
#include "circle_inversion.h"

#include "viewer.h"

#include <cmath>

Circle imageOfCircle(const Circle& c, float s) {
    return Circle{{float(double(s) * c.centre.x), float(double(s) * c.centre.y)},
                  float(std::fabs(double(s)) * c.radius)};
}

void buildCircleInversion(Circle c, float f) {
    writeText("Ukoliko se centar kruga inverzije ne nalazi na kruznici kruga koji invertujemo, onda je slika "
              "tog kruga takodje krug.");
    addCircle(c, Blue);
    const float s = float(double(inversionRadius) * inversionRadius * f);
    addCircle(imageOfCircle(c, s), Red);
}
