// invert_point_at_centre.cpp
// P(0,0) is the centre O, which has no image: the program refuses it and opens no window.
#include "point_inversion.h"
#include "viewer.h"

static const Point p{0.0f, 0.0f};
static const char* const explanation = "Inverzija tacke koja ima iste koordinate kao i centar kruga.";

static bool buildTask() {
    return buildPointInversion(p, explanation);
}

int main(int argc, char** argv) {
    return runProgram(argc, argv, PROGRAM_TITLE, buildTask);
}
