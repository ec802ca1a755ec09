// invert_line_off_centre_b.cpp
// The line x - 2y + 2 = 0 cuts k; its image is a circle through O and through the two points where it cuts k.
#include "console.h"
#include "line_inversion.h"
#include "viewer.h"

static const Point p0{2.0f, 2.0f};
static const Point d{-2.0f, -1.0f};

static bool buildTask() {
    writeText(lineMissesCentreText);
    registerCircleOfInversion();
    buildLineInversion(p0, d);
    return true;
}

int main(int argc, char** argv) {
    return runProgram(argc, argv, PROGRAM_TITLE, buildTask);
}
