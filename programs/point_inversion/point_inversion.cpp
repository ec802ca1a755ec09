// point_inversion.cpp
// The image of a single point P under inversion in k.
#include "point_inversion.h"

#include "inversion.h"
#include "viewer.h"

#include <cstdio>

bool buildPointInversion(Point p, const char* explanation) {
    inversionRadius = circleOfInversionRadius;
    writeText(explanation);
    // The centre is the one point of the plane without an image, and no point has the centre as its image.
    if (p.x == inversionCentre.x && p.y == inversionCentre.y) {
        writeText(centreErrorText);
        return false;
    }
    registerCircleOfInversion();
    const Point image = invertPoint(p, inversionRadius);
    addPoint(p, Blue);
    addPoint(image, Red);
    return true;
}

int runPointInversion(Point p, const char* explanation, int argc, char** argv) {
    if (!buildPointInversion(p, explanation)) {
        std::getchar();
        return 1;
    }
    startViewer(argc, argv);
    return 0;
}
