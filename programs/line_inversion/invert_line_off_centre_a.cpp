// invert_line_off_centre_a.cpp
// The line x + y = 14 lies wholly outside k; its image is a small circle through O inside k.
#include "line_inversion.h"
#include "viewer.h"

void buildTask() {
    const Point p0{7.0f, 7.0f};
    const Point d{-1.0f, 1.0f};
    const char* const explanation =
        "Ukoliko prava ciju inverziju trazimo NE prolazi kroz centar kruga, njena inverzija je "
        "krug cija kruznica ne sadrzi centar kruga u odnosu na koji invertujemo.";

    writeText(explanation);
    buildLineInversion(p0, d);
}
