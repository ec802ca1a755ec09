// picture.h
// What a figure shows, each object with what it is: k, O, the given figure, its image, the construction, the ring of
// the chosen handle, the arcs of an angle. Readers (the walk that draws it, the description, the band, the view) ask
// an object what it is, never what colour it has; the palette gives each role its colour.
#pragma once

#include "labels.h"
#include "role.h"
#include "scene.h"
#include "sentences.h"

#include <vector>

/// The kinds of drawn objects, in the order a frame draws them: circles first, dots last, so that later kinds
/// cover earlier ones.
enum class ShapeKind { Circle, Line, Segment, Dot };

/// One object of a figure.
struct Shape {
    ShapeKind kind = ShapeKind::Dot;
    Role role = Role::Other;
    Point a;                        ///< the dot; a circle's centre; a point of the line; a segment's start
    Point b;                        ///< a line's direction (its length decides how far it is drawn); a segment's end
    float radius = 0.0f;            ///< a circle's, in scene units
    ColourCode colour = Black;      ///< for Role::Other only (a record of the store): the record's own code
    const Sentence* name = nullptr; ///< what an aid is, in the description's words ("poluprava OP"), or none
};

/// A figure: its objects in the order they were added, and the labels of its named points.
struct Picture {
    std::vector<Shape> shapes;
    std::vector<Label> labels;
};

Shape circleShape(const Circle& circle, Role role);
Shape lineShape(const Line& line, Role role);
Shape segmentShape(Point start, Point end, Role role);
Shape dotShape(Point at, Role role);

/// The records a shape stands for, in its role's colour (Other: its own code).
Circle circleOf(const Shape& shape);
Line lineOf(const Shape& shape);
Segment segmentOf(const Shape& shape);
Point pointOf(const Shape& shape);

/// The store as the ten programs fill it, read as a figure: the Black circle about O of radius inversionRadius is
/// k and the Black point at O is O; the rest takes the role of its colour (roleOfColour).
Picture storePicture();
