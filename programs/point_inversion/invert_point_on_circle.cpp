// invert_point_on_circle.cpp
// P(3,4) lies on k, so it is its own image: the red image dot covers the blue one.
#include "point_inversion.h"
#include "viewer.h"

static const Point p{3.0f, 4.0f};
static const char* const explanation = pointOnCircleText;

static bool buildTask() {
    return buildPointInversion(p, explanation);
}

int main(int argc, char** argv) {
    return runProgram(argc, argv, PROGRAM_TITLE, buildTask);
}
