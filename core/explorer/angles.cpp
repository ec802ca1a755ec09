// angles.cpp
// The angle at X' is measured on the images themselves: an image circle's tangent at X' is perpendicular to the
// radius from its centre to X', and a line through O is its own image and its own tangent. Which of the two pairs
// of opposite angles an arc marks follows the arc at X: near X, inversion is a reflection in the line through X
// perpendicular to OX, scaled, so a side leaving X along w leaves X' along w reflected.
#include "angles.h"

#include "console.h"
#include "inversion.h"
#include "vec.h"

#include <cmath>

namespace {

struct Dir {
    double x, y;
};

Dir unit(double x, double y) {
    const double length = std::hypot(x, y);
    return {x / length, y / length};
}

double dot(Dir a, Dir b) {
    return a.x * b.x + a.y * b.y;
}

double crossOf(Dir a, Dir b) {
    return a.x * b.y - a.y * b.x;
}

constexpr double pi = 3.14159265358979323846;
// The arc at X, in scene units; the one at X' is smaller on a small image circle, so that it stays between the
// images.
constexpr double arcRadius = 1.5;
// An arc is drawn as a chain of segments, one for each 5 degrees or part of them, two at least.
constexpr double arcStep = 5.0 * pi / 180.0;

// The angle from a to b, taken between the sides a and b or b turned half round, whichever is at most a quarter
// turn: b is turned when it must be.
AngleMark markBetween(Point vertex, double radius, Dir a, Dir* b) {
    if (dot(a, *b) < 0.0) {
        *b = {-b->x, -b->y};
    }
    const double turn = std::atan2(crossOf(a, *b), dot(a, *b));
    return AngleMark{vertex, radius, std::atan2(a.y, a.x), turn, std::fabs(turn) * 180.0 / pi};
}

} // namespace

std::array<AngleMark, 2> angleMarks(const GivenFigure& figure, float r) {
    const Point x = figure.first;
    const double squared = double(x.x) * x.x + double(x.y) * x.y;
    // X at O has no image: there only the angle at X is marked.
    const double scale = squared > 0.0 ? double(r) * r / squared : 0.0;
    const Dir image{x.x * scale, x.y * scale};
    const Dir toO = atCentre(x) ? Dir{1.0, 0.0} : unit(x.x, x.y); // X at O has no direction from O
    const auto reflected = [&](Dir w) {
        const double along = 2.0 * dot(w, toO);
        return Dir{w.x - along * toO.x, w.y - along * toO.y};
    };

    Dir sides[2];
    Dir tangents[2];
    double imageRadius = arcRadius / 0.4;
    for (int which = 1; which <= 2; ++which) {
        const Point other = which == 1 ? figure.second : figure.third;
        const Dir side = unit(double(other.x) - x.x, double(other.y) - x.y);
        sides[which - 1] = side;
        Dir tangent = side;
        if (!lineThroughCentre(x, other)) {
            const Circle c = imageOfLineThrough(x, other, r);
            tangent = unit(-(image.y - c.centre.y), image.x - c.centre.x);
            imageRadius = std::fmin(imageRadius, double(c.radius));
        }
        tangents[which - 1] = tangent;
    }
    const AngleMark atX = markBetween(x, arcRadius, sides[0], &sides[1]);
    if (atCentre(x)) {
        return {atX, atX};
    }
    // Each tangent pointed as the reflected side it follows.
    for (int i = 0; i < 2; ++i) {
        if (dot(tangents[i], reflected(sides[i])) < 0.0) {
            tangents[i] = {-tangents[i].x, -tangents[i].y};
        }
    }
    const double radius = std::fmin(arcRadius, 0.4 * imageRadius);
    // Where the lines are all but perpendicular, rounding may leave the tangents as pointed just over a quarter turn
    // apart; markBetween then turns the second.
    return {atX, markBetween(Point{float(image.x), float(image.y)}, radius, tangents[0], &tangents[1])};
}

std::string degreesText(double degrees) {
    return decimalText(degrees, 1) + degreeSign;
}

static Point onArc(const AngleMark& mark, double share) {
    const double a = mark.from + mark.turn * share;
    return Point{float(mark.vertex.x + mark.radius * std::cos(a)), float(mark.vertex.y + mark.radius * std::sin(a))};
}

void addAngleArcs(Picture& picture, const GivenFigure& figure, float r) {
    const std::array<AngleMark, 2> marks = angleMarks(figure, r);
    for (int i = 0; i < (atCentre(figure.first) ? 1 : 2); ++i) {
        const AngleMark& mark = marks[i];
        if (mark.turn == 0.0) {
            continue;
        }
        const int pieces = 2 + int(std::fabs(mark.turn) / arcStep);
        Point last = onArc(mark, 0.0);
        for (int piece = 1; piece <= pieces; ++piece) {
            const Point next = onArc(mark, double(piece) / pieces);
            picture.shapes.push_back(segmentShape(last, next, i == 0 ? Role::GivenArc : Role::ImageArc));
            last = next;
        }
    }
}

void addTangentsAtImage(Picture& picture, const GivenFigure& figure, float r) {
    if (atCentre(figure.first)) {
        return;
    }
    const AngleMark mark = angleMarks(figure, r)[1];
    // Each side of the arc at X' runs along a tangent; the tangent is drawn as far again beyond the arc either way.
    for (const double side : {mark.from, mark.from + mark.turn}) {
        const double reach = 2.0 * mark.radius;
        const Point along{float(reach * std::cos(side)), float(reach * std::sin(side))};
        picture.shapes.push_back(segmentShape(
            Point{float(double(mark.vertex.x) - along.x), float(double(mark.vertex.y) - along.y)},
            Point{float(double(mark.vertex.x) + along.x), float(double(mark.vertex.y) + along.y)}, Role::Tangent));
    }
}

std::vector<Label> angleLabels(const GivenFigure& figure, float r) {
    const std::array<AngleMark, 2> marks = angleMarks(figure, r);
    std::vector<Label> labels{{degreesText(marks[0].degrees), onArc(marks[0], 0.5), Role::GivenArc}};
    if (!atCentre(figure.first)) {
        labels.push_back({degreesText(marks[1].degrees), onArc(marks[1], 0.5), Role::ImageArc});
    }
    return labels;
}
