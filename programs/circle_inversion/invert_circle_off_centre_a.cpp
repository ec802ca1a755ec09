// invert_circle_off_centre_a.cpp
// A circle wholly inside k becomes a circle wholly outside k.
#include "circle_inversion.h"
#include "viewer.h"

static const Circle given{{2.0f, 2.0f}, 2.0f};
static const float f = 0.25f; // 1 / (2 * 2 + 2 * 2 - 2 * 2)

static bool buildTask() {
    registerCircleOfInversion();
    buildCircleInversion(given, f);
    return true;
}

int main(int argc, char** argv) {
    return runProgram(argc, argv, PROGRAM_TITLE, buildTask);
}
