// circle_inversion.cpp
// A circle that misses O becomes a circle; its centre moves along the ray from O by the factor s. A circle through
// O becomes a line, fixed by the images of any two of its other points.
#include "circle_inversion.h"

#include "console.h"
#include "inversion.h"

#include <cmath>

double powerOfCentre(const Circle& c) {
    const double cx = c.centre.x;
    const double cy = c.centre.y;
    const double rho = c.radius;
    return cx * cx + cy * cy - rho * rho;
}

Circle imageOfCircle(const Circle& c, float s) {
    return Circle{{float(double(s) * c.centre.x), float(double(s) * c.centre.y)},
                  float(std::fabs(double(s)) * c.radius)};
}

Circle imageOfCircleMissingCentre(const Circle& c, float r) {
    return imageOfCircle(c, float(double(r) * r / powerOfCentre(c)));
}

ImageLine lineThroughImages(Point p1, Point p2, float r) {
    const Point image1 = invertPoint(p1, r);
    const Point image2 = invertPoint(p2, r);
    const Line line{
        {image1.x, image1.y}, {float(double(image1.x) - image2.x), float(double(image1.y) - image2.y)}, Red};
    return ImageLine{image1, image2, line};
}

void buildCircleInversion(Circle c, float f) {
    writeText(circleMissesCentreText);
    addCircle(c, Blue);
    const float s = float(double(inversionRadius) * inversionRadius * f);
    addCircle(imageOfCircle(c, s), Red);
}

std::array<Point, 2> pointsOnLineOC(const Circle& circle) {
    const double cx = circle.centre.x;
    const double cy = circle.centre.y;
    const double radius = std::fabs(double(circle.radius));
    const double fromO = std::hypot(cx, cy);
    const double ux = fromO > 0.0 ? cx / fromO : 1.0;
    const double uy = fromO > 0.0 ? cy / fromO : 0.0;
    return {Point{float(cx + radius * ux), float(cy + radius * uy)},
            Point{float(cx - radius * ux), float(cy - radius * uy)}};
}
