// ptolemy.h
// Ptolemy's theorem by inversion: A, B and C on a circle through O go to A', B' and C' on its image line, where
// A'B' + B'C' = A'C' becomes AB * CO + BC * AO = AC * BO; off the circle it becomes the inequality.
#pragma once

#include "plane.h"

#include <string>

/// The circle through O that A, B and C start on: about (3, 0), of radius 3. Its image, the line x = 25 / 6, crosses
/// k, and the points' images stay near the figure.
constexpr PlaneCircle ptolemyCircle{{3.0, 0.0}, 3.0};

/// The three handles.
struct PtolemyPoints {
    PlanePoint a{3.0, 3.0};  ///< A, in scene units: A, B, C and O lie in this order round the circle at the start
    PlanePoint b{5.4, 1.8};  ///< B, in scene units
    PlanePoint c{4.8, -2.4}; ///< C, in scene units
};

/// The images and the lengths that read Ptolemy's theorem. A, B and C are not at O, which has no image.
struct PtolemyFigure {
    PlanePoint aImage;     ///< A', in scene units
    PlanePoint bImage;     ///< B', in scene units
    PlanePoint cImage;     ///< C', in scene units
    PlaneLine imageLine;   ///< the circle's image: x = 25 / 6, its point the image of the circle's far end
    double abImage = 0.0;  ///< A'B' = 25 AB / (|OA| |OB|), in scene units
    double bcImage = 0.0;  ///< B'C' = 25 BC / (|OB| |OC|), in scene units
    double acImage = 0.0;  ///< A'C' = 25 AC / (|OA| |OC|), in scene units
    double abMeasured = 0; ///< |A'B'| from the images' coordinates, in scene units
    double bcMeasured = 0; ///< |B'C'| from the images' coordinates, in scene units
    double acMeasured = 0; ///< |A'C'| from the images' coordinates, in scene units
    double sum = 0.0;      ///< AB * CO + BC * AO, in square scene units
    /// AC * BO, in square scene units: equal to sum when A, B, C and O lie round a circle in this order, less otherwise
    double product = 0.0;
};

/// The figure for the three points.
PtolemyFigure ptolemyFigure(const PtolemyPoints& points);

/// The numbers on release: "AB * CO + BC * AO = 41.23, AC * BO = 41.23", two decimals.
std::string ptolemyText(const PtolemyPoints& points);
