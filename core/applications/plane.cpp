// plane.cpp
// Inversion about any centre on the double records, and their float forms for the scene.
#include "plane.h"

#include "explorer/figure.h"

PlanePoint invertedAbout(PlanePoint p, PlanePoint centre, double radius) {
    const PlanePoint away = p - centre;
    const double squared = dot(away, away);
    if (squared == 0.0) {
        return p;
    }
    return centre + (radius * radius / squared) * away;
}

PlaneCircle invertedCircle(const PlaneCircle& c, PlanePoint centre, double radius) {
    const PlanePoint away = c.centre - centre;
    // The power of the centre of inversion: the inversion is a dilation about it by radius^2 / power followed by
    // the inversion that takes the circle to itself, so the image is the circle dilated.
    const double power = dot(away, away) - c.radius * c.radius;
    const double s = radius * radius / power;
    return PlaneCircle{centre + s * away, std::fabs(s) * c.radius};
}

PlanePoint imageInK(PlanePoint p) {
    return invertedAbout(p, PlanePoint{}, radiusOfK);
}

PlaneLine imageOfCircleThroughO(PlanePoint centre) {
    // The circle is on the diameter from O to twice its centre; the image of that far end is the foot of the
    // perpendicular from O to the image line.
    return PlaneLine{imageInK(2.0 * centre), (1.0 / norm(centre)) * turned(centre)};
}

PlanePoint nearestOnCircle(const PlaneCircle& c, PlanePoint p) {
    const PlanePoint away = p - c.centre;
    const double length = norm(away);
    if (length == 0.0) {
        return c.centre + PlanePoint{c.radius, 0.0};
    }
    return c.centre + (c.radius / length) * away;
}

Point scenePoint(PlanePoint p, ColourCode colour) {
    return Point{float(p.x), float(p.y), colour};
}

Circle sceneCircle(const PlaneCircle& c, ColourCode colour) {
    return Circle{scenePoint(c.centre, colour), float(c.radius), colour};
}

Line sceneLine(const PlaneLine& line, ColourCode colour) {
    return spanView(Line{scenePoint(line.point, colour), scenePoint(line.direction, colour), colour});
}
