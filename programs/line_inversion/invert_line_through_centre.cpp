// invert_line_through_centre.cpp
// The line x - 2y = 0 passes through O and is its own image: the red copy lies over the blue line.
#include "console.h"
#include "line_inversion.h"
#include "viewer.h"

static const Point p0{2.0f, 1.0f};
static const Point d{-2.0f, -1.0f};

static bool buildTask() {
    writeText(lineThroughCentreText);
    registerCircleOfInversion();
    buildLineInversion(p0, d);
    return true;
}

int main(int argc, char** argv) {
    return runProgram(argc, argv, PROGRAM_TITLE, buildTask);
}
