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
static std::string number(double value) {
    if (!(std::fabs(value) < 1e12)) {
        return std::isnan(value) ? "nedefinisano" : value < 0.0 ? "-beskonacno" : "beskonacno";
    }
    const std::string text = decimalText(value, 2);
    return text.compare(text.size() - 3, 3, ".00") == 0 ? text.substr(0, text.size() - 3) : text;
}

static std::string at(Point p) {
    return "(" + number(p.x) + ", " + number(p.y) + ")";
}

// The line as a x + b y = c. The normal is scaled so that the smaller coefficient is 1 (x - 2y = -2), or the larger
// one when the smaller is under a hundredth of it (x = 4.17); the first coefficient shown is positive.
std::string lineEquation(const Line& line) {
    double a = line.direction.y;
    double b = -double(line.direction.x);
    const double larger = std::fmax(std::fabs(a), std::fabs(b));
    const double smaller = std::fmin(std::fabs(a), std::fabs(b));
    if (!(larger > 0.0)) {
        return "kroz tacku " + at(line.point);
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
    return say(Sentence::CircleWords, language, {at(circle.centre), number(circle.radius)});
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

    void add(const std::string& sentence, ColourCode colour) {
        text += (text.empty() ? "" : " ") + sentence + ", " + colourWords(colour) + ".";
    }
};

} // namespace

// The phrase with a capital first letter, to open a sentence.
static std::string capitalised(std::string text) {
    if (!text.empty() && text[0] >= 'a' && text[0] <= 'z') {
        text[0] = char(text[0] - 'a' + 'A');
    }
    return text;
}

namespace {

// A record of the picture with its role, in the picture's order.
template <class Record> struct Cast {
    Record record;
    Role role;
    const Sentence* name; ///< an aid's name, or none
};

} // namespace

std::string describeScene(const Picture& picture) {
    Sentences out;
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
            out.add("Krug k sa centrom O" + at(c.centre) + " i poluprecnikom " + number(c.radius), c.colour);
        }
    }
    for (const auto& [p, role, name] : scenePoints) {
        if (role == Role::Centre) {
            out.add("Centar O" + at(p) + " kruga k", p.colour);
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
            out.add("Prava " + lineEquation(l), l.colour);
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
            static const char* const roles[] = {"X", "A", "B"};
            static const char* const of[] = {", presek pravih", " prve prave", " druge prave"};
            angle[handle - 1] = p;
            out.add(std::string("Tacka ") + roles[handle - 1] + at(p) + of[handle - 1], p.colour);
        } else if (given == Given::Line) {
            out.add("Tacka " + std::string(1, char('A' + (handle - 1) % 26)) + at(p) + " prave", p.colour);
        } else if (given == Given::Circle && same(p, givenCircle->centre)) {
            out.add("Centar C" + at(p) + " kruga", p.colour);
        } else if (given == Given::Circle) {
            out.add("Tacka R" + at(p) + " kruga", p.colour);
        } else {
            out.add("Tacka P" + (givenPoints > 1 ? std::to_string(handle) : std::string()) + at(p), p.colour);
        }
    }

    // Its image.
    const bool ofFigure = given == Given::Line || given == Given::Circle || given == Given::Angle;
    const std::string ofGiven = given == Given::Circle ? "Slika kruga je " : "Slika prave je ";
    bool imaged = false;
    for (const auto& [c, role, name] : sceneCircles) {
        if (role == Role::Image) {
            imaged = true;
            out.add(ofFigure ? ofGiven + circleWords(c) : capitalised(circleWords(c)), c.colour);
        }
    }
    for (const auto& [l, role, name] : sceneLines) {
        if (role == Role::Image) {
            imaged = true;
            out.add((ofFigure ? ofGiven + "prava " : std::string("Prava ")) + lineEquation(l), l.colour);
        }
    }
    for (const auto& [p, role, name] : scenePoints) {
        if (role != Role::Image) {
            continue;
        }
        imaged = true;
        if (given == Given::Points && givenPoints == 1) {
            out.add("Slika tacke P je tacka P'" + at(p), p.colour);
        } else if (given == Given::Angle) {
            out.add("Slika tacke X je tacka X'" + at(p), p.colour);
        } else if (ofFigure) {
            out.add(std::string("Slika jedne tacke ") + (given == Given::Line ? "prave" : "kruga") + " je tacka " +
                        at(p),
                    p.colour);
        } else {
            out.add("Tacka " + at(p), p.colour);
        }
    }
    if (given == Given::Points && givenPoints == 1 && !imaged) {
        out.text += " Tacka P nema sliku.";
    }

    // Anything else: an aid by its name (once, where it is drawn in pieces), another object by kind and colour.
    const Sentence* named = nullptr;
    const auto byName = [&](const Sentence* name, ColourCode colour) {
        if (name && name != named) {
            out.add(capitalised(say(*name, Language::Plain)), colour);
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
            out.add("Prava " + lineEquation(l), l.colour);
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
            out.add("Duz od " + at(s.start) + " do " + at(s.end), s.colour);
        }
    }
    if (arcs[0] || arcs[1]) {
        const GivenFigure figure{FigureKind::AngleFigure, angle[0], angle[1], angle[2]};
        const std::array<AngleMark, 2> marks = angleMarks(figure, inversionRadius);
        static const char* const where[] = {"izmedju pravih u tacki X", "izmedju njihovih slika u tacki X'"};
        for (int i = 0; i < 2; ++i) {
            if (arcs[i]) {
                out.add(std::string("Luk ugla ") + where[i] + " od " + decimalText(marks[i].degrees, 1) + " stepeni",
                        roleColour(i == 0 ? Role::GivenArc : Role::ImageArc));
            }
        }
    }
    if (tangents >= 0) {
        out.add("Tangente slika u tacki X', isprekidane", tangents);
    }
    for (const auto& [p, role, name] : scenePoints) {
        if (role != Role::Given && role != Role::Image && role != Role::Centre) {
            std::string name;
            for (const Label& label : labels) {
                name = same(label.at, p) ? label.text : name;
            }
            out.add("Tacka " + name + at(p), p.colour);
        }
    }
    return out.text;
}
