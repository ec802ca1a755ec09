// line_inversion.h
// The image of a line under inversion in k, shared by the three line programs and the explorer.
#pragma once

#include "case_texts.h"
#include "scene.h"

/// The image of a line: the line itself when it passes through O, otherwise a circle through O.
struct LineImage {
    bool throughCentre = false;      ///< the line passes through O and is its own image
    bool perpendicularShown = false; ///< the test line was parallel to it: the perpendicular is shown too
    Line perpendicular;              ///< the perpendicular from O, Black
    Circle circle;                   ///< when it misses O: the circle on the diameter from O to F', Black
};

/// The image of the line through p0 with direction d under inversion in the circle about centre with radius r.
/// Whether it passes through O is decided by the exact test against the test line through the origin; otherwise
/// the foot F of the perpendicular from O is the point of the line nearest to O, so its image F' is the point of
/// the image circle farthest from O, and O and F' are the ends of a diameter.
LineImage imageOfLine(Point p0, Point d, Point centre, float r);

/// The foot of the perpendicular from O to the line through a and b: the point of the line nearest to O.
Point footOfPerpendicular(Point a, Point b);

/// Adds the given line through p0 with direction d in Blue, then its image in Red: the line itself when
/// it passes through the centre O, otherwise the circle through O on the diameter from O to the image of
/// the foot of the perpendicular from O.
void buildLineInversion(Point p0, Point d);
