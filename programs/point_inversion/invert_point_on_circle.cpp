// invert_point_on_circle.cpp
// P(3,4) lies on k, so it is its own image: the red image dot covers the blue one.
#include "point_inversion.h"

int main(int argc, char** argv) {
    const Point p{3.0f, 4.0f};

    return runPointInversion(p, pointOnCircleText, argc, argv);
}
