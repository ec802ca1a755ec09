// describe.cpp
// The figure in words. The roles are read from the colours the programs give their objects, so one function serves
// every program without knowing which one it is.
#include "describe.h"

#include "console.h"
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

// "u plavoj boji": the locative does not change with the noun, so every kind of object takes the same words.
static std::string colourWords(ColourCode colour) {
    static const char* const names[] = {"crvenoj", "zelenoj",   "plavoj",      "zutoj", "narandzastoj",
                                        "magenta", "tirkiznoj", "ljubicastoj", "beloj", "crnoj"};
    if (colour == ConstructionGreen) { // the explorer's construction, dashed
        return "u tamnozelenoj boji";
    }
    if (colour < Red || colour > Black) {
        return "bez sopstvene boje";
    }
    return std::string("u ") + names[colour] + " boji";
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

std::string circleWords(const Circle& circle) {
    return "krug sa centrom " + at(circle.centre) + " i poluprecnikom " + number(circle.radius);
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

std::string describeScene(const std::vector<Label>& labels) {
    Sentences out;
    const auto isK = [](const Circle& c) {
        return c.colour == Black && same(c.centre, inversionCentre) && c.radius == inversionRadius;
    };
    const auto isO = [](const Point& p) { return p.colour == Black && same(p, inversionCentre); };

    for (const Circle& c : sceneCircles) {
        if (isK(c)) {
            out.add("Krug k sa centrom O" + at(inversionCentre) + " i poluprecnikom " + number(inversionRadius), Black);
        }
    }
    for (const Point& p : scenePoints) {
        if (isO(p)) {
            out.add("Centar O" + at(p) + " kruga k", Black);
        }
    }

    // The given figure, Blue.
    Given given = Given::Nothing;
    const Circle* givenCircle = nullptr;
    int givenPoints = 0;
    for (const Circle& c : sceneCircles) {
        if (c.colour == Blue) {
            given = Given::Circle;
            givenCircle = givenCircle ? givenCircle : &c;
            out.add(capitalised(circleWords(c)), Blue);
        }
    }
    for (const Line& l : sceneLines) {
        if (l.colour == Blue) {
            given = given == Given::Line ? Given::Angle : Given::Line;
            out.add("Prava " + lineEquation(l), Blue);
        }
    }
    for (const Point& p : scenePoints) {
        givenPoints += p.colour == Blue ? 1 : 0;
    }
    if (given == Given::Nothing && givenPoints > 0) {
        given = Given::Points;
    }
    int handle = 0;
    Point angle[3]; // X, A and B of two lines through X
    for (const Point& p : scenePoints) {
        if (p.colour != Blue) {
            continue;
        }
        ++handle;
        if (given == Given::Angle && handle <= 3) {
            static const char* const roles[] = {"X", "A", "B"};
            static const char* const of[] = {", presek pravih", " prve prave", " druge prave"};
            angle[handle - 1] = p;
            out.add(std::string("Tacka ") + roles[handle - 1] + at(p) + of[handle - 1], Blue);
        } else if (given == Given::Line) {
            out.add("Tacka " + std::string(1, char('A' + (handle - 1) % 26)) + at(p) + " prave", Blue);
        } else if (given == Given::Circle && same(p, givenCircle->centre)) {
            out.add("Centar C" + at(p) + " kruga", Blue);
        } else if (given == Given::Circle) {
            out.add("Tacka R" + at(p) + " kruga", Blue);
        } else {
            out.add("Tacka P" + (givenPoints > 1 ? std::to_string(handle) : std::string()) + at(p), Blue);
        }
    }

    // Its image, Red.
    const bool ofFigure = given == Given::Line || given == Given::Circle || given == Given::Angle;
    const std::string ofGiven = given == Given::Circle ? "Slika kruga je " : "Slika prave je ";
    bool imaged = false;
    for (const Circle& c : sceneCircles) {
        if (c.colour == Red) {
            imaged = true;
            out.add(ofFigure ? ofGiven + circleWords(c) : capitalised(circleWords(c)), Red);
        }
    }
    for (const Line& l : sceneLines) {
        if (l.colour == Red) {
            imaged = true;
            out.add((ofFigure ? ofGiven + "prava " : std::string("Prava ")) + lineEquation(l), Red);
        }
    }
    for (const Point& p : scenePoints) {
        if (p.colour != Red) {
            continue;
        }
        imaged = true;
        if (given == Given::Points && givenPoints == 1) {
            out.add("Slika tacke P je tacka P'" + at(p), Red);
        } else if (given == Given::Angle) {
            out.add("Slika tacke X je tacka X'" + at(p), Red);
        } else if (ofFigure) {
            out.add(std::string("Slika jedne tacke ") + (given == Given::Line ? "prave" : "kruga") + " je tacka " +
                        at(p),
                    Red);
        } else {
            out.add("Tacka " + at(p), Red);
        }
    }
    if (given == Given::Points && givenPoints == 1 && !imaged) {
        out.text += " Tacka P nema sliku.";
    }

    // Anything else, by kind and colour.
    for (const Circle& c : sceneCircles) {
        if (c.colour != Blue && c.colour != Red && !isK(c)) {
            out.add(capitalised(circleWords(c)), c.colour);
        }
    }
    for (const Line& l : sceneLines) {
        if (l.colour != Blue && l.colour != Red) {
            out.add("Prava " + lineEquation(l), l.colour);
        }
    }
    // The segments of two lines through X are the arcs that mark the angle at X (Blue) and at X' (Red).
    bool arcs[2] = {false, false};
    for (const Segment& s : sceneSegments) {
        if (given == Given::Angle && (s.colour == Blue || s.colour == Red)) {
            arcs[s.colour == Blue ? 0 : 1] = true;
        } else {
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
                        i == 0 ? Blue : Red);
            }
        }
    }
    for (const Point& p : scenePoints) {
        if (p.colour != Blue && p.colour != Red && !isO(p)) {
            std::string name;
            for (const Label& label : labels) {
                name = same(label.at, p) ? label.text : name;
            }
            out.add("Tacka " + name + at(p), p.colour);
        }
    }
    return out.text;
}
