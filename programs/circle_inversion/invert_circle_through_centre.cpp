// invert_circle_through_centre.cpp
// A circle through O becomes the line through the images of any two of its other points.
#include "circle_inversion.h"
#include "inversion.h"
#include "viewer.h"

void buildTask() {
    const Circle given{{3.0f, 0.0f}, 3.0f};
    const char* const explanation = "Ako se centar kruga inverzije nalazi na kruznici kruga koji invertujemo, onda je "
                                    "slika tog kruga prava linija odredjena dvema invertovanim tackama sa kruznice "
                                    "ciju inverziju trazimo.\n";

    writeText(explanation);
    addCircle(given, Blue);

    const double cx = given.centre.x;
    const double cy = given.centre.y;
    const double rho = given.radius;
    // The power of O with respect to the circle is zero exactly when the circle passes through O.
    const double power = cx * cx + cy * cy - rho * rho;
    if (power != 0.0) {
        const float s = float(double(inversionRadius) * inversionRadius / power);
        addCircle(imageOfCircle(given, s), Red);
        return;
    }
    // The rightmost and the highest point of the circle; for a circle through O the highest point is O
    // only when it sits on top of O, and then the lowest point is taken.
    const Point p1{float(cx + rho), float(cy)};
    const Point p2{float(cx), cy + rho == 0.0 ? float(cy - rho) : float(cy + rho)};
    const Point image1 = invertPoint(p1, inversionRadius);
    const Point image2 = invertPoint(p2, inversionRadius);
    addPoint(image1, Red);
    addPoint(image2, Red);
    const Line imageLine{
        {image1.x, image1.y}, {float(double(image1.x) - image2.x), float(double(image1.y) - image2.y)}, Red};
    addLine(imageLine);
}
