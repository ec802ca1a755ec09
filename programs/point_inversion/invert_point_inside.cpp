// invert_point_inside.cpp
// P(2,2) lies inside k, so its image lies outside k.
#include "point_inversion.h"
#include "viewer.h"

static const Point p{2.0f, 2.0f};
static const char* const explanation =
    "Inverzija tacke sa koordinatama P(2,2), u odnosu na krug k\nsa centrom u tacki O(0,0) i poluprecnikom r=5";

static bool buildTask() {
    return buildPointInversion(p, explanation);
}

int main(int argc, char** argv) {
    return runProgram(argc, argv, PROGRAM_TITLE, buildTask);
}
