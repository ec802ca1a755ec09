// invert_circle_through_centre.cpp
// A circle through O becomes the line through the images of any two of its other points.
#include "circle_inversion.h"
#include "console.h"
#include "viewer.h"

static const Circle given{{3.0f, 0.0f}, 3.0f};

static bool buildTask() {
    writeText(circleThroughCentreText);
    registerCircleOfInversion();
    addCircle(given, Blue);
    if (powerOfCentre(given) != 0.0) {
        addCircle(imageOfCircleMissingCentre(given, inversionRadius), Red);
        return true;
    }
    // The rightmost and the highest point of the circle; for a circle through O the highest point is O
    // only when it sits on top of O, and then the lowest point is taken.
    const double cx = given.centre.x;
    const double cy = given.centre.y;
    const double rho = given.radius;
    const Point p1{float(cx + rho), float(cy)};
    const Point p2{float(cx), cy + rho == 0.0 ? float(cy - rho) : float(cy + rho)};
    const ImageLine image = lineThroughImages(p1, p2, inversionRadius);
    addPoint(image.image1, Red);
    addPoint(image.image2, Red);
    addLine(image.line);
    return true;
}

int main(int argc, char** argv) {
    return runProgram(argc, argv, PROGRAM_TITLE, buildTask);
}
