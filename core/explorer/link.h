// link.h
// A figure as a teacher's link carries it: the figure on show, the view and the steps of its construction shown,
// written as a short text that needs no quoting in a link's fragment nor on a command line, and read back.
#pragma once

#include "camera.h"
#include "figure.h"

#include <string>

/// No coordinate of a link, a handle's or the view's centre, lies farther than this from O: a float there is still
/// finer than a hundredth.
constexpr double linkReach = 1e6;

/// What a link's text has wrong.
enum class LinkError {
    None,
    Parts,  ///< not four parts between ~: the text itself, or the part past the fourth
    Kind,   ///< no figure of that name
    Number, ///< not a number as a link writes them (-2.5, 1e-7), or one beyond linkReach
    Points, ///< not the figure's count of coordinates, or two handles the explorer keeps apart at one place
    View,   ///< not v with three numbers, or a view whose height leaves closestViewHeight..farthestViewHeight
    Steps,  ///< not s with one digit
};

/// A link's text read back: the figure, the view and the steps, or what is wrong and where.
struct FigureLink {
    GivenFigure figure;                ///< a point figure's second, which nothing reads, is P again
    Camera view;                       ///< the extents as the explorer's views have them, half the distance
    int steps = 0;                     ///< of the construction shown, 0 to 9: the program keeps it within the figure's
    LinkError error = LinkError::None; ///< None when the text is a link
    std::string part;                  ///< the part of the text at fault
};

/// The text: the figure's name (tacka, prava, krug, ugao) and its handles' coordinates, v and the view's centre and
/// distance, s and the steps (0 to 9), between ~: "prava~2,2,0,1~v0,0,32~s0". Each number is the shortest decimal
/// that reads back to the same float.
std::string figureLinkText(const GivenFigure& figure, const Camera& view, int steps);

/// The figure, view and steps of a link's text, or the first thing wrong with it.
FigureLink readFigureLink(const std::string& text);
