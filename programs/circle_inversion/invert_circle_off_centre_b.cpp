// invert_circle_off_centre_b.cpp
// A circle centred on k crosses it; its image passes through the same two crossing points.
#include "circle_inversion.h"
#include "viewer.h"

static const Circle given{{4.0f, 3.0f}, 3.0f};
static const float f = 0.0625f; // 1 / (4 * 4 + 3 * 3 - 3 * 3)

static bool buildTask() {
    registerCircleOfInversion();
    buildCircleInversion(given, f);
    return true;
}

int main(int argc, char** argv) {
    return runProgram(argc, argv, PROGRAM_TITLE, buildTask);
}
