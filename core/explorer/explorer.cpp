// explorer.cpp
// Dragging a figure and watching its image: what each press, move, release and key does, and what is printed.
#include "explorer.h"

#include "angles.h"
#include "console.h"
#include "construction.h"
#include "inversion.h"
#include "snapping.h"
#include "task.h"
#include "vec.h"

#include <cmath>
#include <cstring>
#include <string>

const char* const explorerHelpText =
    "Tasteri: 1 tacka, 2 prava, 3 krug, 4 ugao, r vraca figuru na pocetak, k sledeci korak konstrukcije,\n"
    "s cuva sliku kao SVG i TikZ, h pomoc, q ili Esc kraj (na veb stranici ne rade nista).\n"
    "n bira sledecu plavu tacku (oko nje je krug); strelice je pomeraju za 0.1, sa Shift za 1.\n"
    "Klik na tacku je bira; sledeci klik van tacaka pomera izabranu tacku tamo.\n"
    "Levim tasterom misa uhvatite plavu tacku (P, A ili B prave, centar C ili tacku R kruga, X, A ili B ugla)\n"
    "ili sliku P' i pomerajte je: slika (crvena) prati figuru. Tacka se lepi za O, za krug k i za tacke sa celim\n"
    "koordinatama, a prava i krug se lepe tako da prolaze kroz O; krug se lepi i tako da bude krug k, da mu centar\n"
    "bude u O ili da sece krug k pod pravim uglom.\n"
    "Tocak misa uvecava i umanjuje oko pokazivaca, + i - oko sredine; prevlacenje van tacaka pomera pogled;\n"
    "f prikazuje figuru, njenu sliku i konstrukciju, 0 vraca pocetni pogled, t skriva i prikazuje traku sa\n"
    "objasnjenjem na dnu prozora.\n";

void buildExplorerScene(const GivenFigure& figure, float r, int steps, int ring) {
    clearScene();
    registerCircleOfInversion();
    const FigureCase shown = figureCase(figure, r);
    addGivenFigure(figure);
    addFigureImage(figure, shown, r);
    // The construction comes over the image: its last step traces the image itself.
    addConstruction(figure, shown, steps, r);
    if (shown == FigureCase::AnglesKept) {
        addAngleArcs(figure, r);
    }
    if (ring >= 0) {
        addCircle(Circle{handleAt(figure, ring, r), ringRadius}, Black);
    }
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

// The scene of what the explorer shows; the chosen handle goes back to the first when it is no longer a handle (P'
// of P on k or at O).
static void rebuild(Explorer& explorer) {
    const GivenFigure& figure = currentFigure(explorer);
    if (explorer.chosen >= handleCount(figure, inversionRadius)) {
        explorer.chosen = 0;
    }
    buildExplorerScene(figure, inversionRadius, explorer.steps, explorer.ring ? explorer.chosen : -1);
}

static void printCase(Explorer& explorer) {
    explorer.shownCase = figureCase(currentFigure(explorer), inversionRadius);
    printLine(caseText(explorer.shownCase));
}

void showFigure(Explorer& explorer, FigureKind kind) {
    explorer.current = kind;
    explorer.dragged = -1;
    explorer.steps = 0;
    explorer.chosen = 0;
    explorer.ring = false;
    rebuild(explorer);
    printCase(explorer);
    explorer.announcement = caseText(explorer.shownCase);
}

void nextStep(Explorer& explorer) {
    const FigureCase shown = figureCase(currentFigure(explorer), inversionRadius);
    if (stepCount(shown) == 0) {
        return;
    }
    if (explorer.steps == stepCount(shown)) {
        explorer.steps = 0;
        explorer.announcement = "Konstrukcija je obrisana.";
    } else {
        printLine(stepText(shown, ++explorer.steps));
        explorer.announcement = stepText(shown, explorer.steps);
    }
    rebuild(explorer);
}

void resetFigure(Explorer& explorer) {
    explorer.figures[int(explorer.current)] = startFigure(explorer.current);
    showFigure(explorer, explorer.current);
}

bool pressAt(Explorer& explorer, Point q, double unitsPerPixel) {
    explorer.dragged = nearestHandle(currentFigure(explorer), q, unitsPerPixel, inversionRadius);
    explorer.pressedAt = q;
    explorer.caseBefore = explorer.shownCase;
    explorer.moved = false;
    explorer.jumped = explorer.dragged < 0 && explorer.ring;
    if (explorer.jumped) {
        explorer.dragged = explorer.chosen;
        dragTo(explorer, q, unitsPerPixel);
    }
    return explorer.dragged >= 0;
}

// The taken handle moved to q, snapped onto whole coordinates where toGrid.
static bool moveTaken(Explorer& explorer, Point q, double unitsPerPixel, bool toGrid) {
    // A click on a handle leaves it where it is, though the pointer is a little off it.
    const bool stays =
        !explorer.moved && !explorer.jumped && q.x == explorer.pressedAt.x && q.y == explorer.pressedAt.y;
    if (explorer.dragged < 0 || stays) {
        return false;
    }
    GivenFigure& figure = explorer.figures[int(explorer.current)];
    const GivenFigure moved = moveHandle(figure, explorer.dragged, q, inversionRadius, unitsPerPixel, toGrid);
    const auto same = [](Point a, Point b) { return a.x == b.x && a.y == b.y; };
    if (same(moved.first, figure.first) && same(moved.second, figure.second) && same(moved.third, figure.third)) {
        return false;
    }
    figure = moved;
    explorer.moved = true;
    // A drag within the case keeps the steps shown, drawn anew for the new position; another case starts afresh.
    const bool caseChanged = figureCase(figure, inversionRadius) != explorer.shownCase;
    if (caseChanged) {
        explorer.steps = 0;
    }
    rebuild(explorer);
    if (caseChanged) {
        printCase(explorer);
    }
    return true;
}

bool dragTo(Explorer& explorer, Point q, double unitsPerPixel) {
    return moveTaken(explorer, q, unitsPerPixel, true);
}

// A number as the description writes it, to two decimals, without the zeros at the end: 2.5, 1, 3.85.
static std::string spoken(double value) {
    std::string text = decimalText(value, 2);
    text.erase(text.find_last_not_of('0') + 1);
    if (text.back() == '.') {
        text.pop_back();
    }
    return text == "-0" ? "0" : text;
}

static std::string pointWords(const char* name, Point p) {
    return std::string(name) + "(" + spoken(p.x) + ", " + spoken(p.y) + ")";
}

// The handle by its name and coordinates, with the image where the handle is P, P' or X: "P(1, 3), P'(2.5, 7.5)".
static std::string handleWords(const GivenFigure& figure, int handle) {
    static const char* const names[4][3] = {{"P", "P'", ""}, {"A", "B", ""}, {"C", "R", ""}, {"X", "A", "B"}};
    const int kind = int(figure.kind);
    const Point p = figure.first;
    const bool atO = p.x == 0.0f && p.y == 0.0f;
    if (figure.kind == FigureKind::PointFigure) {
        return atO ? pointWords("P", p) : pointWords("P", p) + ", " + pointWords("P'", invertPoint(p, inversionRadius));
    }
    const std::string words = pointWords(names[kind][handle], handleAt(figure, handle, inversionRadius));
    return figure.kind == FigureKind::AngleFigure && handle == 0 && !atO
               ? words + ", " + pointWords("X'", invertPoint(p, inversionRadius))
               : words;
}

std::string measurementText(Point p) {
    const Point image = invertPoint(p, inversionRadius);
    return "P(" + decimalText(p.x, 2) + ", " + decimalText(p.y, 2) + ")  P'(" + decimalText(image.x, 2) + ", " +
           decimalText(image.y, 2) + ")  |OP| * |OP'| = " + decimalText(norm(p) * norm(image), 2);
}

std::string anglesText(const GivenFigure& figure) {
    const std::array<AngleMark, 2> marks = angleMarks(figure, inversionRadius);
    return "Ugao u X: " + decimalText(marks[0].degrees, 1) +
           " stepeni, ugao u X': " + decimalText(marks[1].degrees, 1) + " stepeni";
}

// The end of a drag at q: the last move, the ring, and what a release prints.
static bool endDrag(Explorer& explorer, Point q, double unitsPerPixel, bool toGrid) {
    bool changed = moveTaken(explorer, q, unitsPerPixel, toGrid);
    const bool dragging = explorer.dragged >= 0;
    const bool ring = !explorer.moved || explorer.jumped;
    if (dragging && ring != explorer.ring) {
        explorer.ring = ring;
        changed = true;
    }
    if (dragging && explorer.ring) {
        explorer.chosen = explorer.dragged;
    }
    if (changed) {
        rebuild(explorer);
    }
    if (dragging) {
        explorer.announcement = handleWords(currentFigure(explorer), explorer.dragged);
        if (explorer.shownCase != explorer.caseBefore) {
            explorer.announcement += std::string(". ") + caseText(explorer.shownCase);
        }
    }
    explorer.dragged = -1;
    const GivenFigure& figure = currentFigure(explorer);
    if (dragging && explorer.shownCase == FigureCase::AnglesKept) {
        printLine(anglesText(figure).c_str());
    }
    if (!dragging || figure.kind != FigureKind::PointFigure || explorer.shownCase == FigureCase::PointAtCentre) {
        return changed;
    }
    printLine(measurementText(figure.first).c_str());
    return changed;
}

bool releaseAt(Explorer& explorer, Point q, double unitsPerPixel) {
    return endDrag(explorer, q, unitsPerPixel, true);
}

void chooseNextHandle(Explorer& explorer) {
    const GivenFigure& figure = currentFigure(explorer);
    // The given figure's handles: P' is not among them.
    const int count = figure.kind == FigureKind::PointFigure ? 1 : handleCount(figure, inversionRadius);
    explorer.chosen = (explorer.chosen + 1) % count;
    explorer.ring = true;
    rebuild(explorer);
    explorer.announcement = "Izabrana je tacka " + handleWords(figure, explorer.chosen);
}

bool moveChosen(Explorer& explorer, int dx, int dy, double unitsPerPixel) {
    const GivenFigure& figure = currentFigure(explorer);
    if (explorer.chosen >= handleCount(figure, inversionRadius)) {
        explorer.chosen = 0;
    }
    const Point at = handleAt(figure, explorer.chosen, inversionRadius);
    // Whole tenths: ten steps of a tenth make a whole unit exactly.
    const Point to{float((std::round(at.x * 10.0) + dx) / 10.0), float((std::round(at.y * 10.0) + dy) / 10.0)};
    explorer.dragged = explorer.chosen;
    explorer.caseBefore = explorer.shownCase;
    explorer.moved = false;
    explorer.jumped = true; // the ring stays
    return endDrag(explorer, to, unitsPerPixel, false);
}

std::string panelText(const Explorer& explorer) {
    std::string text = caseText(explorer.shownCase);
    if (explorer.steps > 0) {
        text = text + "\n" + stepText(explorer.shownCase, explorer.steps);
    }
    return text;
}
