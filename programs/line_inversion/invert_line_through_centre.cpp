// invert_line_through_centre.cpp
// The line x - 2y = 0 passes through O and is its own image: the red copy lies over the blue line.
#include "line_inversion.h"
#include "viewer.h"

void buildTask() {
    const Point p0{2.0f, 1.0f};
    const Point d{-2.0f, -1.0f};
    const char* const explanation =
        "Ukoliko prava ciju inverziju trazimo prolazi kroz centar kruga, njena inverzija je "
        "takodje ta ista prava bez centra kruga u odnosu na koji invertujemo.";

    writeText(explanation);
    buildLineInversion(p0, d);
}
