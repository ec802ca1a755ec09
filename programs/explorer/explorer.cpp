// explorer.cpp
// Dragging a figure and watching its image. The images come from the line and circle programs' own functions and
// invertPoint; this file adds how a handle snaps, which case a figure is in and what is printed.
#include "explorer.h"

#include "circle_inversion.h"
#include "construction.h"
#include "inversion.h"
#include "line_inversion.h"
#include "point_inversion.h"
#include "render.h"
#include "viewer.h"

#include <cmath>
#include <cstring>
#include <string>

const char* const explorerHelpText =
    "Tasteri: 1 tacka, 2 prava, 3 krug, r vraca figuru na pocetak, k sledeci korak konstrukcije,\n"
    "s cuva sliku kao SVG i TikZ, h pomoc, q ili Esc kraj.\n"
    "Levim tasterom misa uhvatite plavu tacku (P, A ili B prave, centar C ili tacku R kruga) i pomerajte je:\n"
    "slika (crvena) prati figuru. Tacka se lepi za O, za krug k i za tacke sa celim koordinatama,\n"
    "a prava i krug se lepe tako da prolaze kroz O.\n";

static const char* const pointInsideText =
    "Tacka P je unutar kruga k, pa je njena slika P' van kruga k, na polupravoj OP.";
static const char* const pointOutsideText =
    "Tacka P je van kruga k, pa je njena slika P' unutar kruga k, na polupravoj OP.";

// Half the length of a drawn line, in scene units: beyond the edge of any window.
static const double lineSpan = 1000.0;

static double norm(Point p) {
    return std::hypot(double(p.x), double(p.y));
}

static double distance(Point a, Point b) {
    return std::hypot(double(a.x) - b.x, double(a.y) - b.y);
}

static double cross(Point a, Point b) {
    return double(a.x) * b.y - double(a.y) * b.x;
}

static Point direction(Point from, Point to) {
    return Point{float(double(to.x) - from.x), float(double(to.y) - from.y)};
}

Circle givenCircle(const GivenFigure& figure) {
    return Circle{{figure.first.x, figure.first.y}, float(distance(figure.first, figure.second))};
}

GivenFigure startFigure(FigureKind kind) {
    switch (kind) {
    case FigureKind::LineFigure:
        return GivenFigure{kind, {2.0f, 2.0f}, {0.0f, 1.0f}};
    case FigureKind::CircleFigure:
        return GivenFigure{kind, {2.0f, 2.0f}, {4.0f, 2.0f}};
    case FigureKind::PointFigure:
        break;
    }
    return GivenFigure{FigureKind::PointFigure, {2.0f, 2.0f}, {2.0f, 2.0f}};
}

FigureCase figureCase(const GivenFigure& figure, float r) {
    const Point a = figure.first;
    const Point b = figure.second;
    switch (figure.kind) {
    case FigureKind::LineFigure: {
        // A, O and B lie on one line when the sine of the angle AOB is zero; the line programs' own test decides
        // the lines that it takes for lines through O.
        const bool through = std::fabs(cross(a, b)) <= roundingTolerance * norm(a) * norm(b) ||
                             imageOfLine(a, direction(a, b), inversionCentre, r).throughCentre;
        return through ? FigureCase::LineThroughCentre : FigureCase::LineMissesCentre;
    }
    case FigureKind::CircleFigure: {
        // O lies on the circle when it is as far from C as R is.
        const double fromO = norm(a);
        const double radius = distance(a, b);
        const bool through = powerOfCentre(givenCircle(figure)) == 0.0 ||
                             std::fabs(fromO - radius) <= roundingTolerance * std::fmax(fromO, radius);
        return through ? FigureCase::CircleThroughCentre : FigureCase::CircleMissesCentre;
    }
    case FigureKind::PointFigure:
        break;
    }
    if (a.x == 0.0f && a.y == 0.0f) {
        return FigureCase::PointAtCentre;
    }
    const double fromO = norm(a);
    if (std::fabs(fromO - r) <= roundingTolerance * r) {
        return FigureCase::PointOnCircle;
    }
    return fromO < r ? FigureCase::PointInside : FigureCase::PointOutside;
}

const char* caseText(FigureCase figureCase) {
    // In the order of FigureCase; the centre's error text without its leading line break.
    static const char* const texts[] = {pointInsideText,         pointOutsideText,      pointOnCircleText,
                                        centreErrorText + 1,     lineMissesCentreText,  lineThroughCentreText,
                                        circleThroughCentreText, circleMissesCentreText};
    return texts[int(figureCase)];
}

int nearestHandle(const GivenFigure& figure, Point q, double unitsPerPixel) {
    const int count = figure.kind == FigureKind::PointFigure ? 1 : 2;
    int nearest = -1;
    double best = grabPixels * unitsPerPixel;
    for (int handle = 0; handle < count; ++handle) {
        const double d = distance(q, handle == 0 ? figure.first : figure.second);
        if (d <= best) {
            nearest = handle;
            best = d;
        }
    }
    return nearest;
}

// The point with whole coordinates nearest to q, when it is within gridPixels.
static Point onGrid(Point q, double unitsPerPixel) {
    const Point whole{std::round(q.x), std::round(q.y)};
    return distance(q, whole) <= gridPixels * unitsPerPixel ? whole : q;
}

// P snaps onto O, onto k (where a point of k with whole coordinates, such as (3, 4), is within gridPixels, onto
// that point), and onto points with whole coordinates, in this order.
static Point snapPoint(Point q, float r, double unitsPerPixel) {
    const double snap = snapPixels * unitsPerPixel;
    const double fromO = norm(q);
    if (fromO <= snap) {
        return Point{0.0f, 0.0f};
    }
    if (std::fabs(fromO - r) > snap) {
        return onGrid(q, unitsPerPixel);
    }
    const Point whole = onGrid(q, unitsPerPixel);
    if (double(whole.x) * whole.x + double(whole.y) * whole.y == double(r) * r) {
        return whole;
    }
    return Point{float(q.x * (r / fromO)), float(q.y * (r / fromO))};
}

// A line through p and the other handle that passes near O turns about the other handle onto O: p moves to its
// projection on the line through O and the other handle.
static Point snapLineHandle(Point p, Point other, double snap) {
    const double gap = distance(p, other);
    const double otherSquared = double(other.x) * other.x + double(other.y) * other.y;
    if (gap == 0.0 || otherSquared == 0.0 || std::fabs(cross(p, other)) / gap > snap) {
        return p;
    }
    const double t = (double(p.x) * other.x + double(p.y) * other.y) / otherSquared;
    return Point{float(other.x * t), float(other.y * t)};
}

// A circle whose outline passes near O is made to pass through it. Its centre C moves to the perpendicular
// bisector of O and R, where the centres of the circles through both lie; its point R moves along the ray from C
// to the distance |OC|.
static Point snapCircleHandle(Point p, int handle, Point other, double snap) {
    if (handle == 0) {
        const double fromO = norm(p);
        const double radius = distance(p, other);
        const double otherSquared = double(other.x) * other.x + double(other.y) * other.y;
        if (otherSquared == 0.0 || std::fabs(fromO - radius) > snap) {
            return p;
        }
        const double hx = other.x / 2.0;
        const double hy = other.y / 2.0;
        const double t = ((p.x - hx) * -double(other.y) + (p.y - hy) * double(other.x)) / otherSquared;
        return Point{float(hx - t * other.y), float(hy + t * other.x)};
    }
    const double fromO = norm(other);
    const double radius = distance(p, other);
    if (fromO == 0.0 || radius == 0.0 || std::fabs(fromO - radius) > snap) {
        return p;
    }
    const double scale = fromO / radius;
    return Point{float(other.x + (double(p.x) - other.x) * scale), float(other.y + (double(p.y) - other.y) * scale)};
}

GivenFigure moveHandle(GivenFigure figure, int handle, Point q, float r, double unitsPerPixel) {
    if (figure.kind == FigureKind::PointFigure) {
        figure.first = snapPoint(q, r, unitsPerPixel);
        return figure;
    }
    const double snap = snapPixels * unitsPerPixel;
    const Point other = handle == 0 ? figure.second : figure.first;
    Point p = onGrid(q, unitsPerPixel);
    p = figure.kind == FigureKind::LineFigure ? snapLineHandle(p, other, snap)
                                              : snapCircleHandle(p, handle, other, snap);
    if (distance(p, other) < handleGapPixels * unitsPerPixel) {
        return figure;
    }
    (handle == 0 ? figure.first : figure.second) = Point{p.x, p.y};
    return figure;
}

Line spanView(const Line& line) {
    const double px = line.point.x;
    const double py = line.point.y;
    const double dx = line.direction.x;
    const double dy = line.direction.y;
    const double squared = dx * dx + dy * dy;
    if (!(squared > 0.0)) {
        return line;
    }
    const double t = -(px * dx + py * dy) / squared;
    const double scale = lineSpan / lineReach / std::sqrt(squared);
    return Line{{float(px + t * dx), float(py + t * dy)}, {float(dx * scale), float(dy * scale)}, line.colour};
}

// The given figure in Blue: the point P, the line through A and B, or the circle about C through R, with the
// handles that move it.
static void addGiven(const GivenFigure& figure) {
    const Point a = figure.first;
    const Point b = figure.second;
    if (figure.kind == FigureKind::LineFigure) {
        addLine(spanView(Line{a, direction(a, b), Blue}));
    } else if (figure.kind == FigureKind::CircleFigure) {
        addCircle(givenCircle(figure), Blue);
    }
    addPoint(a, Blue);
    if (figure.kind != FigureKind::PointFigure) {
        addPoint(b, Blue);
    }
}

// The image in Red, by the line and circle programs' own functions.
static void addImage(const GivenFigure& figure, FigureCase shown, float r) {
    const Point a = figure.first;
    const Point b = figure.second;
    switch (shown) {
    case FigureCase::PointAtCentre:
        return;
    case FigureCase::PointInside:
    case FigureCase::PointOutside:
    case FigureCase::PointOnCircle:
        addPoint(invertPoint(a, r), Red);
        return;
    case FigureCase::LineThroughCentre:
        addLine(spanView(Line{a, direction(a, b), Red}));
        return;
    case FigureCase::LineMissesCentre:
        addCircle(imageOfLine(a, direction(a, b), inversionCentre, r).circle, Red);
        return;
    case FigureCase::CircleMissesCentre:
        addCircle(imageOfCircleMissingCentre(givenCircle(figure), r), Red);
        return;
    case FigureCase::CircleThroughCentre:
        break;
    }
    // D, opposite O (the construction's D), and E, a quarter turn on from D: both as far from O as the circle allows,
    // so that their images, and the line through them, are well fixed.
    const Point d = pointsOnLineOC(givenCircle(figure))[0];
    const Point e{float(double(a.x) - a.y), float(double(a.y) + a.x)};
    const ImageLine image = lineThroughImages(d, e, r);
    addPoint(image.image1, Red);
    addPoint(image.image2, Red);
    addLine(spanView(image.line));
}

void buildExplorerScene(const GivenFigure& figure, float r, int steps) {
    clearScene();
    registerCircleOfInversion();
    const FigureCase shown = figureCase(figure, r);
    addGiven(figure);
    addConstruction(figure, shown, steps, r);
    addImage(figure, shown, r);
}

const GivenFigure& currentFigure(const Explorer& explorer) {
    return explorer.figures[int(explorer.current)];
}

// Prints a text as one line: a line break is added unless it ends with one.
static void printLine(const char* text) {
    writeText(text);
    if (text[0] == '\0' || text[std::strlen(text) - 1] != '\n') {
        writeText("\n");
    }
}

static void printCase(Explorer& explorer) {
    explorer.shownCase = figureCase(currentFigure(explorer), inversionRadius);
    printLine(caseText(explorer.shownCase));
}

void showFigure(Explorer& explorer, FigureKind kind) {
    explorer.current = kind;
    explorer.dragged = -1;
    explorer.steps = 0;
    buildExplorerScene(currentFigure(explorer), inversionRadius);
    printCase(explorer);
}

void nextStep(Explorer& explorer) {
    const FigureCase shown = figureCase(currentFigure(explorer), inversionRadius);
    if (explorer.steps == stepCount(shown)) {
        explorer.steps = 0;
    } else {
        printLine(stepText(shown, ++explorer.steps));
    }
    buildExplorerScene(currentFigure(explorer), inversionRadius, explorer.steps);
}

void resetFigure(Explorer& explorer) {
    explorer.figures[int(explorer.current)] = startFigure(explorer.current);
    showFigure(explorer, explorer.current);
}

bool pressAt(Explorer& explorer, Point q, double unitsPerPixel) {
    explorer.dragged = nearestHandle(currentFigure(explorer), q, unitsPerPixel);
    return explorer.dragged >= 0;
}

bool dragTo(Explorer& explorer, Point q, double unitsPerPixel) {
    if (explorer.dragged < 0) {
        return false;
    }
    GivenFigure& figure = explorer.figures[int(explorer.current)];
    const GivenFigure moved = moveHandle(figure, explorer.dragged, q, inversionRadius, unitsPerPixel);
    if (moved.first.x == figure.first.x && moved.first.y == figure.first.y && moved.second.x == figure.second.x &&
        moved.second.y == figure.second.y) {
        return false;
    }
    figure = moved;
    // A drag within the case keeps the steps shown, drawn anew for the new position; another case starts afresh.
    const bool caseChanged = figureCase(figure, inversionRadius) != explorer.shownCase;
    if (caseChanged) {
        explorer.steps = 0;
    }
    buildExplorerScene(figure, inversionRadius, explorer.steps);
    if (caseChanged) {
        printCase(explorer);
    }
    return true;
}

bool releaseAt(Explorer& explorer, Point q, double unitsPerPixel) {
    const bool changed = dragTo(explorer, q, unitsPerPixel);
    const bool dragging = explorer.dragged >= 0;
    explorer.dragged = -1;
    const GivenFigure& figure = currentFigure(explorer);
    if (!dragging || figure.kind != FigureKind::PointFigure || explorer.shownCase == FigureCase::PointAtCentre) {
        return changed;
    }
    const Point p = figure.first;
    const Point image = invertPoint(p, inversionRadius);
    const std::string text = "P(" + decimalText(p.x, 2) + ", " + decimalText(p.y, 2) + ")  P'(" +
                             decimalText(image.x, 2) + ", " + decimalText(image.y, 2) +
                             ")  |OP| * |OP'| = " + decimalText(norm(p) * norm(image), 2) + "\n";
    writeText(text.c_str());
    return changed;
}
