// ptolemy.cpp
// The triangles OAB and OB'A' are similar (|OA'| = 25 / |OA|, |OB'| = 25 / |OB|, the same angle at O), so
// A'B' = 25 AB / (|OA| |OB|). Multiplying A'B' + B'C' >= A'C' by |OA| |OB| |OC| / 25 gives
// AB * CO + BC * AO >= AC * BO, with equality when B' lies between A' and C' on the image line.
#include "ptolemy.h"

#include "console.h"

namespace {

double imageDistance(PlanePoint p, PlanePoint q) {
    return radiusOfK * radiusOfK * distance(p, q) / (norm(p) * norm(q));
}

} // namespace

PtolemyFigure ptolemyFigure(const PtolemyPoints& points) {
    const PlanePoint a = points.a;
    const PlanePoint b = points.b;
    const PlanePoint c = points.c;
    PtolemyFigure figure;
    figure.aImage = imageInK(a);
    figure.bImage = imageInK(b);
    figure.cImage = imageInK(c);
    figure.imageLine = imageOfCircleThroughO(ptolemyCircle.centre);
    figure.abImage = imageDistance(a, b);
    figure.bcImage = imageDistance(b, c);
    figure.acImage = imageDistance(a, c);
    figure.abMeasured = distance(figure.aImage, figure.bImage);
    figure.bcMeasured = distance(figure.bImage, figure.cImage);
    figure.acMeasured = distance(figure.aImage, figure.cImage);
    figure.sum = distance(a, b) * norm(c) + distance(b, c) * norm(a);
    figure.product = distance(a, c) * norm(b);
    return figure;
}

std::string ptolemyText(const PtolemyPoints& points) {
    const PtolemyFigure figure = ptolemyFigure(points);
    return "AB * CO + BC * AO = " + decimalText(figure.sum, 2) + ", AC * BO = " + decimalText(figure.product, 2);
}
