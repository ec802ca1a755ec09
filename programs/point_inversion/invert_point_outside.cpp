// invert_point_outside.cpp
// P(5,5) lies outside k, so its image lies inside k.
#include "point_inversion.h"
#include "viewer.h"

static const Point p{5.0f, 5.0f};
static const char* const explanation = "Inverzija tacke koja se nalazi izvan kruga sa koordinatama P(5,5), u odnosu na "
                                       "krug k sa centrom u tacki O(0,0) i poluprecnikom r=5";

static bool buildTask() {
    return buildPointInversion(p, explanation);
}

int main(int argc, char** argv) {
    return runProgram(argc, argv, PROGRAM_TITLE, buildTask);
}
