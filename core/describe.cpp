// describe.cpp
// The figure in words. Each object says what it is (its role), so one function serves every program without knowing
// which one it is.
#include "describe.h"

#include "console.h"
#include "drawing.h"
#include "explorer/angles.h"
#include "scene.h"

#include <cmath>
#include <cstdlib>

// A number as the console texts print it, with two decimals, but without them where it is whole at two decimals.
static std::string number(double value, Language language = Language::Plain) {
    if (!(std::fabs(value) < 1e12)) {
        return std::isnan(value) ? say(Sentence::DescribeUndefined, language)
                                 : (value < 0.0 ? "-" : "") + say(Sentence::DescribeInfinity, language);
    }
    const std::string text = decimalText(value, 2);
    return text.compare(text.size() - 3, 3, ".00") == 0 ? text.substr(0, text.size() - 3) : text;
}

static std::string at(Point p, Language language = Language::Plain) {
    return "(" + number(p.x, language) + ", " + number(p.y, language) + ")";
}

// The line as a x + b y = c. The normal is scaled so that the smaller coefficient is 1 (x - 2y = -2), or the larger
// one when the smaller is under a hundredth of it (x = 4.17); the first coefficient shown is positive.
std::string lineEquation(const Line& line, Language language) {
    double a = line.direction.y;
    double b = -double(line.direction.x);
    const double larger = std::fmax(std::fabs(a), std::fabs(b));
    const double smaller = std::fmin(std::fabs(a), std::fabs(b));
    if (!(larger > 0.0)) {
        return say(Sentence::DescribeThroughPoint, language, {at(line.point, language)});
    }
    const double scale = smaller >= larger / 100.0 ? smaller : larger;
    a /= scale;
    b /= scale;
    const bool showA = number(a) != "0";
    if ((showA ? a : b) < 0.0) {
        a = -a;
        b = -b;
    }
    const double c = a * line.point.x + b * line.point.y;
    // A coefficient 1 is left out, -1 is written as a minus sign alone.
    const auto term = [](double coefficient, const char* variable) {
        const std::string digits = number(std::fabs(coefficient));
        return (digits == "1" ? std::string() : digits) + variable;
    };
    std::string text = showA ? (a < 0.0 ? "-" : "") + term(a, "x") : std::string();
    if (number(b) != "0") {
        text += text.empty() ? (b < 0.0 ? "-" : "") : (b < 0.0 ? " - " : " + ");
        text += term(b, "y");
    }
    return text + " = " + number(c);
}

std::string circleWords(const Circle& circle, Language language) {
    return say(Sentence::CircleWords, language, {at(circle.centre, language), number(circle.radius, language)});
}

static bool same(Point a, Point b) {
    return a.x == b.x && a.y == b.y;
}

namespace {

// What the given figure is: its kind decides the names of its points and the words for its image. Two lines are the
// explorer's two lines through X.
enum class Given { Nothing, Points, Line, Circle, Angle };

struct Sentences {
    std::string text;
    Language language;

    void add(const std::string& sentence, ColourCode colour) {
        text += (text.empty() ? "" : " ") + sentence + ", " + colourWords(colour, language) + ".";
    }
};

} // namespace

// The phrase with a capital first letter, to open a sentence, in either script: a..z, а..я and ђ..џ, and č ć š ž đ,
// whose capitals stand just before them.
static std::string capitalised(std::string text) {
    const std::u32string letters = decodeUtf8(text);
    if (letters.empty()) {
        return text;
    }
    const char32_t c = letters[0];
    if (c >= 'a' && c <= 'z') {
        text[0] = char(c - 'a' + 'A');
        return text;
    }
    const char32_t capital = c >= 0x430 && c <= 0x44f                                             ? c - 0x20
                             : c >= 0x450 && c <= 0x45f                                           ? c - 0x50
                             : c == 0x10d || c == 0x107 || c == 0x161 || c == 0x17e || c == 0x111 ? c - 1
                                                                                                  : c;
    if (capital == c) {
        return text;
    }
    // Each of these letters and its capital takes two bytes.
    return std::string{char(0xc0 | (capital >> 6)), char(0x80 | (capital & 0x3f))} + text.substr(2);
}

namespace {

// A record of the picture with its role, in the picture's order.
template <class Record> struct Cast {
    Record record;
    Role role;
    const Sentence* name; ///< an aid's name, or none
};

} // namespace

std::string describeScene(const Picture& picture, Language language) {
    Sentences out{"", language};
    const auto at = [language](Point p) { return ::at(p, language); };
    const auto number = [language](double value) { return ::number(value, language); };
    const auto lineEquation = [language](const Line& line) { return ::lineEquation(line, language); };
    const auto circleWords = [language](const Circle& circle) { return ::circleWords(circle, language); };
    using S = Sentence;
    std::vector<Cast<Circle>> sceneCircles;
    std::vector<Cast<Line>> sceneLines;
    std::vector<Cast<Segment>> sceneSegments;
    std::vector<Cast<Point>> scenePoints;
    for (const Shape& shape : picture.shapes) {
        switch (shape.kind) {
        case ShapeKind::Circle:
            sceneCircles.push_back({circleOf(shape), shape.role, shape.name});
            break;
        case ShapeKind::Line:
            sceneLines.push_back({lineOf(shape), shape.role, shape.name});
            break;
        case ShapeKind::Segment:
            sceneSegments.push_back({segmentOf(shape), shape.role, shape.name});
            break;
        case ShapeKind::Dot:
            scenePoints.push_back({pointOf(shape), shape.role, shape.name});
            break;
        }
    }
    const std::vector<Label>& labels = picture.labels;

    for (const auto& [c, role, name] : sceneCircles) {
        if (role == Role::K) {
            out.add(say(S::DescribeK, language, {at(c.centre), number(c.radius)}), c.colour);
        }
    }
    for (const auto& [p, role, name] : scenePoints) {
        if (role == Role::Centre) {
            out.add(say(S::DescribeCentre, language, {at(p)}), p.colour);
        }
    }

    // The given figure.
    Given given = Given::Nothing;
    const Circle* givenCircle = nullptr;
    int givenPoints = 0;
    for (const auto& [c, role, name] : sceneCircles) {
        if (role == Role::Given) {
            given = Given::Circle;
            givenCircle = givenCircle ? givenCircle : &c;
            out.add(capitalised(circleWords(c)), c.colour);
        }
    }
    for (const auto& [l, role, name] : sceneLines) {
        if (role == Role::Given) {
            given = given == Given::Line ? Given::Angle : Given::Line;
            out.add(say(S::DescribeLine, language, {lineEquation(l)}), l.colour);
        }
    }
    for (const auto& point : scenePoints) {
        givenPoints += point.role == Role::Given ? 1 : 0;
    }
    if (given == Given::Nothing && givenPoints > 0) {
        given = Given::Points;
    }
    int handle = 0;
    Point angle[3]; // X, A and B of two lines through X
    for (const auto& [p, role, name] : scenePoints) {
        if (role != Role::Given) {
            continue;
        }
        ++handle;
        if (given == Given::Angle && handle <= 3) {
            static const Sentence* const roles[] = {&S::DescribeAngleX, &S::DescribeAngleA, &S::DescribeAngleB};
            angle[handle - 1] = p;
            out.add(say(*roles[handle - 1], language, {at(p)}), p.colour);
        } else if (given == Given::Line) {
            out.add(say(S::DescribeLinePoint, language, {std::string(1, char('A' + (handle - 1) % 26)), at(p)}),
                    p.colour);
        } else if (given == Given::Circle && same(p, givenCircle->centre)) {
            out.add(say(S::DescribeCircleCentre, language, {at(p)}), p.colour);
        } else if (given == Given::Circle) {
            out.add(say(S::DescribeCirclePoint, language, {at(p)}), p.colour);
        } else {
            out.add(say(S::DescribePoint, language, {givenPoints > 1 ? std::to_string(handle) : std::string(), at(p)}),
                    p.colour);
        }
    }

    // Its image.
    const bool ofFigure = given == Given::Line || given == Given::Circle || given == Given::Angle;
    const Sentence& ofGiven = given == Given::Circle ? S::DescribeImageOfCircle : S::DescribeImageOfLine;
    bool imaged = false;
    for (const auto& [c, role, name] : sceneCircles) {
        if (role == Role::Image) {
            imaged = true;
            out.add(ofFigure ? say(ofGiven, language, {circleWords(c)}) : capitalised(circleWords(c)), c.colour);
        }
    }
    for (const auto& [l, role, name] : sceneLines) {
        if (role == Role::Image) {
            imaged = true;
            out.add(ofFigure ? say(ofGiven, language, {say(S::ImageLine, language, {lineEquation(l)})})
                             : say(S::DescribeLine, language, {lineEquation(l)}),
                    l.colour);
        }
    }
    for (const auto& [p, role, name] : scenePoints) {
        if (role != Role::Image) {
            continue;
        }
        imaged = true;
        if (given == Given::Points && givenPoints == 1) {
            out.add(say(S::DescribeImageOfP, language, {at(p)}), p.colour);
        } else if (given == Given::Angle) {
            out.add(say(S::DescribeImageOfX, language, {at(p)}), p.colour);
        } else if (ofFigure) {
            out.add(say(given == Given::Line ? S::DescribeImageOfLinePoint : S::DescribeImageOfCirclePoint, language,
                        {at(p)}),
                    p.colour);
        } else {
            out.add(say(S::DescribeNamedPoint, language, {"", at(p)}), p.colour);
        }
    }
    if (given == Given::Points && givenPoints == 1 && !imaged) {
        out.text += " " + say(S::DescribeNoImage, language);
    }

    // Anything else: an aid by its name (once, where it is drawn in pieces), another object by kind and colour.
    const Sentence* named = nullptr;
    const auto byName = [&](const Sentence* name, ColourCode colour) {
        if (name && name != named) {
            out.add(capitalised(say(*name, language)), colour);
        }
        named = name ? name : named;
        return name != nullptr;
    };
    for (const auto& [c, role, name] : sceneCircles) {
        if (role != Role::Given && role != Role::Image && role != Role::K && !byName(name, c.colour)) {
            out.add(capitalised(circleWords(c)), c.colour);
        }
    }
    for (const auto& [l, role, name] : sceneLines) {
        if (role != Role::Given && role != Role::Image && !byName(name, l.colour)) {
            out.add(say(S::DescribeLine, language, {lineEquation(l)}), l.colour);
        }
    }
    // The arcs that mark the angle at X and at X'.
    bool arcs[2] = {false, false};
    ColourCode tangents = -1; // the colour of the tangents at X', when they are drawn
    for (const auto& [s, role, name] : sceneSegments) {
        if (role == Role::GivenArc || role == Role::ImageArc) {
            arcs[role == Role::GivenArc ? 0 : 1] = true;
        } else if (role == Role::Tangent) {
            tangents = s.colour;
        } else if (!byName(name, s.colour)) {
            out.add(say(S::DescribeSegment, language, {at(s.start), at(s.end)}), s.colour);
        }
    }
    if (arcs[0] || arcs[1]) {
        const GivenFigure figure{FigureKind::AngleFigure, angle[0], angle[1], angle[2]};
        const std::array<AngleMark, 2> marks = angleMarks(figure, inversionRadius);
        static const Sentence* const arcsAt[] = {&S::DescribeArcAtX, &S::DescribeArcAtXImage};
        for (int i = 0; i < 2; ++i) {
            if (arcs[i]) {
                out.add(say(*arcsAt[i], language, {decimalText(marks[i].degrees, 1)}),
                        roleColour(i == 0 ? Role::GivenArc : Role::ImageArc));
            }
        }
    }
    if (tangents >= 0) {
        out.add(say(S::DescribeTangents, language), tangents);
    }
    for (const auto& [p, role, name] : scenePoints) {
        if (role != Role::Given && role != Role::Image && role != Role::Centre) {
            std::string name;
            for (const Label& label : labels) {
                name = same(label.at, p) ? label.text : name;
            }
            out.add(say(S::DescribeNamedPoint, language, {name, at(p)}), p.colour);
        }
    }
    return out.text;
}
