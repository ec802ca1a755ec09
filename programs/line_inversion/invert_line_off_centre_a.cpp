// invert_line_off_centre_a.cpp
// The line x + y = 14 lies wholly outside k; its image is a small circle through O inside k.
#include "console.h"
#include "line_inversion.h"
#include "viewer.h"

static const Point p0{7.0f, 7.0f};
static const Point d{-1.0f, 1.0f};

static bool buildTask() {
    writeText(lineMissesCentreText);
    registerCircleOfInversion();
    buildLineInversion(p0, d);
    return true;
}

int main(int argc, char** argv) {
    return runProgram(argc, argv, PROGRAM_TITLE, buildTask);
}
