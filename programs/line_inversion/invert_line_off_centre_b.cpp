// invert_line_off_centre_b.cpp
// The line x - 2y + 2 = 0 cuts k; its image is a circle through O and through the two points where it cuts k.
#include "line_inversion.h"
#include "viewer.h"

void buildTask() {
    const Point p0{2.0f, 2.0f};
    const Point d{-2.0f, -1.0f};

    writeText(lineMissesCentreText);
    buildLineInversion(p0, d);
}
