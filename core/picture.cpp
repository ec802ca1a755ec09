// picture.cpp
// Shapes and the records they stand for.
#include "picture.h"

#include "drawing.h"

Shape circleShape(const Circle& circle, Role role) {
    return Shape{ShapeKind::Circle, role, circle.centre, {}, circle.radius, circle.colour, nullptr};
}

Shape lineShape(const Line& line, Role role) {
    return Shape{ShapeKind::Line, role, line.point, line.direction, 0.0f, line.colour, nullptr};
}

Shape segmentShape(Point start, Point end, Role role) {
    return Shape{ShapeKind::Segment, role, start, end, 0.0f, Black, nullptr};
}

Shape dotShape(Point at, Role role) {
    return Shape{ShapeKind::Dot, role, at, {}, 0.0f, at.colour, nullptr};
}

static ColourCode colourOf(const Shape& shape) {
    return shape.role == Role::Other ? shape.colour : roleColour(shape.role);
}

Circle circleOf(const Shape& shape) {
    return Circle{{shape.a.x, shape.a.y}, shape.radius, colourOf(shape)};
}

Line lineOf(const Shape& shape) {
    return Line{{shape.a.x, shape.a.y}, {shape.b.x, shape.b.y}, colourOf(shape)};
}

Segment segmentOf(const Shape& shape) {
    return Segment{{shape.a.x, shape.a.y}, {shape.b.x, shape.b.y}, colourOf(shape)};
}

Point pointOf(const Shape& shape) {
    return Point{shape.a.x, shape.a.y, colourOf(shape)};
}

Picture storePicture() {
    Picture picture;
    // k and O are the Black circle about O of k's radius and the Black point at O.
    for (const Circle& c : sceneCircles) {
        const bool isK =
            c.centre.x == inversionCentre.x && c.centre.y == inversionCentre.y && c.radius == inversionRadius;
        picture.shapes.push_back(circleShape(c, roleOfColour(c.colour, isK ? Role::K : Role::Other)));
    }
    for (const Line& l : sceneLines) {
        picture.shapes.push_back(lineShape(l, roleOfColour(l.colour)));
    }
    for (const Segment& s : sceneSegments) {
        Shape shape = segmentShape(s.start, s.end, roleOfColour(s.colour));
        shape.colour = s.colour;
        picture.shapes.push_back(shape);
    }
    for (const Point& p : scenePoints) {
        const bool isO = p.x == inversionCentre.x && p.y == inversionCentre.y;
        picture.shapes.push_back(dotShape(p, roleOfColour(p.colour, isO ? Role::Centre : Role::Other)));
    }
    return picture;
}
