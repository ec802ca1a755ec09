// invert_line_off_centre_a.cpp
// The line x + y = 14 lies wholly outside k; its image is a small circle through O inside k.
#include "line_inversion.h"
#include "viewer.h"

void buildTask() {
    const Point p0{7.0f, 7.0f};
    const Point d{-1.0f, 1.0f};

    writeText(lineMissesCentreText);
    buildLineInversion(p0, d);
}
