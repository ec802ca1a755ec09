// invert_line_through_centre.cpp
// The line x - 2y = 0 passes through O and is its own image: the red copy lies over the blue line.
#include "line_inversion.h"
#include "viewer.h"

void buildTask() {
    const Point p0{2.0f, 1.0f};
    const Point d{-2.0f, -1.0f};

    writeText(lineThroughCentreText);
    buildLineInversion(p0, d);
}
