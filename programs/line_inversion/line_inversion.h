// line_inversion.h
// The image of a line under inversion in k, shared by the three line programs.
#pragma once

#include "scene.h"

/// Adds the given line through p0 with direction d in Blue, then its image in Red: the line itself when
/// it passes through the centre O, otherwise the circle through O on the diameter from O to the image of
/// the foot of the perpendicular from O.
void buildLineInversion(Point p0, Point d);
