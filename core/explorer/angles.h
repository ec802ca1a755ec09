// angles.h
// Inversion keeps angles: the angle at X between the two lines of the fourth figure, the angle at X' between their
// images (between the images' tangents there), and the arcs and labels that mark them.
#pragma once

#include "figure.h"
#include "labels.h"

#include <array>
#include <string>
#include <vector>

/// The character that the labels draw as the degree sign.
constexpr char degreeSign = '\xb0';

/// An angle between two curves through a vertex, marked by an arc about it: the arc starts in the direction `from`
/// (radians, counter-clockwise from the x-axis) along one curve and turns by `turn` (radians, at most a quarter
/// turn either way) onto the other.
struct AngleMark {
    Point vertex;
    double radius = 0.0;  ///< of the arc, in scene units
    double from = 0.0;    ///< the arc's first side
    double turn = 0.0;    ///< from the first side to the second
    double degrees = 0.0; ///< the angle between the curves, in [0, 90]
};

/// The mark at X between the lines XA and XB, then the mark at X' between their images; for X at O, which has no
/// image, the mark at X twice.
std::array<AngleMark, 2> angleMarks(const GivenFigure& figure, float r);

/// The size of an angle as its label shows it: one decimal and the degree sign.
std::string degreesText(double degrees);

/// Adds the two arcs as chains of short segments: the one at X (GivenArc), the one at X' (ImageArc); for X at O the
/// one at X alone. An angle of 0 has no arc.
void addAngleArcs(Picture& picture, const GivenFigure& figure, float r);

/// Adds the tangents to the two images at X', short and dashed as the construction's aids, along the sides of the arc
/// there: the angle between the images is the angle between them. Nothing for X at O.
void addTangentsAtImage(Picture& picture, const GivenFigure& figure, float r);

/// The labels of the angles' sizes, beside the middles of their arcs, in the arcs' roles (for X at O, the one at X).
std::vector<Label> angleLabels(const GivenFigure& figure, float r);
