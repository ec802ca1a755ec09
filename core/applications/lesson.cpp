// lesson.cpp
// The four applications moved by hand: what each press, move, release and key does, what each application draws
// and what it prints.
#include "lesson.h"

#include "console.h"
#include "explorer/construction.h"
#include "explorer/explorer.h"
#include "explorer/snapping.h"
#include "explorer/view.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace {

constexpr double pi = 3.14159265358979323846;
// The images of A, B and C lie on one line when the sine of the angle at A' between A'B' and A'C' is below this: a
// handle that snapping put on the circle lies on it up to a double's rounding.
constexpr double collinearTolerance = 1e-9;
// A trace of D along a circle is drawn in pieces of this many radians, as the circles' outlines are.
constexpr double tracePiece = 2.0 * pi / circleVertexCount;

// The handles' names, in the order n goes through them.
const char* const handleNames[applicationCount][3] = {{"B", "D", "Q"}, {"C", "", ""}, {"T", "C", ""}, {"A", "B", "C"}};

Point scene(PlanePoint p) {
    return Point{float(p.x), float(p.y)};
}

PlanePoint plane(Point p) {
    return PlanePoint{p.x, p.y};
}

Shape pointShape(PlanePoint p, Role role) {
    return dotShape(scene(p), role);
}

Shape circle(const PlaneCircle& c, Role role, const Sentence* name = nullptr) {
    Shape shape = circleShape(Circle{scene(c.centre), float(c.radius)}, role);
    shape.name = name;
    return shape;
}

Shape segment(PlanePoint a, PlanePoint b, Role role, const Sentence* name = nullptr) {
    Shape shape = segmentShape(scene(a), scene(b), role);
    shape.name = name;
    return shape;
}

Shape line(const PlaneLine& l, Role role) {
    return lineShape(sceneLine(l, Black), role);
}

// ---- The figures -------------------------------------------------------------------------------------------------

// Where D is along its path: along a line from the path's point, or its angle about the circle's centre.
double alongPath(const PathOfD& path, PlanePoint d) {
    return path.straight ? dot(d - path.line.point, path.line.direction) : angleAbout(path.circle.centre, d);
}

PlanePoint onPath(const PathOfD& path, double at) {
    return path.straight ? path.line.point + at * path.line.direction : onCircle(path.circle, at);
}

// The trace starts afresh where D is: Q has moved, and with it D's path.
void startTrace(LessonFigures& figures) {
    const double at = alongPath(pathOfD(figures.inversor.guide), imageInK(figures.inversor.b));
    figures.traceFrom = figures.traceTo = figures.traceAt = at;
}

// D has moved along its path: the stretch covered grows to reach it, the short way round a circle.
void extendTrace(LessonFigures& figures) {
    const PathOfD path = pathOfD(figures.inversor.guide);
    const double at = alongPath(path, imageInK(figures.inversor.b));
    figures.traceAt = path.straight ? at : figures.traceAt + std::remainder(at - figures.traceAt, 2.0 * pi);
    figures.traceFrom = std::min(figures.traceFrom, figures.traceAt);
    figures.traceTo = std::max(figures.traceTo, figures.traceAt);
}

LessonFigures startFigures() {
    LessonFigures figures;
    startTrace(figures);
    return figures;
}

// The application's figure as it starts, the others' kept.
void resetFigure(LessonFigures& figures, Application application) {
    const LessonFigures start = startFigures();
    switch (application) {
    case Application::Peaucellier:
        figures.inversor = start.inversor;
        startTrace(figures);
        break;
    case Application::Pappus:
        figures.cut = start.cut;
        figures.chainCircle = start.chainCircle;
        break;
    case Application::Steiner:
        figures.steiner = start.steiner;
        break;
    case Application::Ptolemy:
        figures.ptolemy = start.ptolemy;
        break;
    }
}

bool samePoint(PlanePoint a, PlanePoint b) {
    return a.x == b.x && a.y == b.y;
}

bool sameFigures(const LessonFigures& a, const LessonFigures& b) {
    return samePoint(a.inversor.guide, b.inversor.guide) && samePoint(a.inversor.b, b.inversor.b) &&
           a.traceFrom == b.traceFrom && a.traceTo == b.traceTo && a.cut == b.cut && a.chainCircle == b.chainCircle &&
           a.steiner.count == b.steiner.count && samePoint(a.steiner.innerCentre, b.steiner.innerCentre) &&
           a.steiner.turn == b.steiner.turn && samePoint(a.ptolemy.a, b.ptolemy.a) &&
           samePoint(a.ptolemy.b, b.ptolemy.b) && samePoint(a.ptolemy.c, b.ptolemy.c);
}

// Whether two points round to the same tenths.
bool sameTenths(PlanePoint a, PlanePoint b) {
    return std::round(a.x * 10.0) == std::round(b.x * 10.0) && std::round(a.y * 10.0) == std::round(b.y * 10.0);
}

// q pulled onto the position snapped within snapPixels (at reach units per pixel); for a key's step from a place, a
// snap that would undo the step (back to the same tenths) is left out, so that a step off a snapped position can be
// made.
PlanePoint pulled(PlanePoint q, PlanePoint snapped, double reach, const PlanePoint* from) {
    if (distance(q, snapped) > snapPixels * reach || (from && sameTenths(snapped, *from))) {
        return q;
    }
    return snapped;
}

// The figures with a handle of the application moved to q, as a drag ending there moves it; from is where a key's
// step started. Returns whether the bars stopped the move.
bool moveHandle(LessonFigures& figures, Application application, int handle, PlanePoint q, double reach,
                const PlanePoint* from) {
    switch (application) {
    case Application::Peaucellier: {
        const Inversor& inversor = figures.inversor;
        const InversorMove move = handle == 0 ? dragB(inversor, q)
                                  : handle == 1
                                      ? dragD(inversor, q)
                                      : moveGuide(inversor, pulled(q, guideThroughCentreNearest(q), reach, from));
        const bool guideMoved = !samePoint(move.inversor.guide, inversor.guide);
        figures.inversor = move.inversor;
        guideMoved ? startTrace(figures) : extendTrace(figures);
        return move.stopped;
    }
    case Application::Pappus:
        figures.cut = heldCut(q.x);
        break;
    case Application::Steiner:
        if (handle == 0) {
            figures.steiner.turn = turnToward(figures.steiner, q);
        } else {
            figures.steiner.innerCentre = pulled(heldInnerCentre(q), PlanePoint{}, reach, from);
        }
        break;
    case Application::Ptolemy: {
        const PlanePoint p = pulled(q, nearestOnCircle(ptolemyCircle, q), reach, from);
        // O has no image: a handle is kept a pixel away from it.
        if (norm(p) >= handleGapPixels * reach) {
            PlanePoint* points[3] = {&figures.ptolemy.a, &figures.ptolemy.b, &figures.ptolemy.c};
            *points[handle] = p;
        }
        break;
    }
    }
    return false;
}

// The step of an arrow key: a handle held to a curve goes along it, Right and Up forward (counter-clockwise), by a
// tenth of a unit or, with Shift, a whole one; a free handle's coordinates are rounded to tenths and then moved by
// whole tenths, as the explorer's. Returns whether the bars stopped the step.
bool stepHandle(LessonFigures& figures, Application application, int handle, const InputEvent& event, PlanePoint at,
                double reach) {
    const double length = (event.dx + event.dy > 0 ? 1.0 : -1.0) * (event.shift ? 1.0 : 0.1);
    const int tenths = event.shift ? 10 : 1;
    if (application == Application::Peaucellier && handle < 2) {
        const InversorMove move = handle == 0 ? stepB(figures.inversor, length) : stepD(figures.inversor, length);
        figures.inversor = move.inversor;
        extendTrace(figures);
        return move.stopped;
    }
    if (application == Application::Pappus) {
        figures.cut = heldCut((std::round(figures.cut * 10.0) + std::lround(length * 10.0)) / 10.0);
        return false;
    }
    if (application == Application::Steiner && handle == 0) {
        const PlaneCircle outer{PlanePoint{}, steinerOuterRadius};
        const PlanePoint along = onCircle(outer, angleAbout(PlanePoint{}, at) + length / steinerOuterRadius);
        figures.steiner.turn = turnToward(figures.steiner, along);
        return false;
    }
    const PlanePoint to{(std::round(at.x * 10.0) + event.dx * tenths) / 10.0,
                        (std::round(at.y * 10.0) + event.dy * tenths) / 10.0};
    return moveHandle(figures, application, handle, to, reach, &at);
}

// ---- The picture -------------------------------------------------------------------------------------------------

struct Drawn {
    Picture& picture;

    void add(const Shape& shape) { picture.shapes.push_back(shape); }
    void label(const char* text, PlanePoint at, Role role) { picture.labels.push_back(Label{text, scene(at), role}); }
};

void addInversor(Drawn& drawn, const LessonFigures& figures, int steps) {
    const Inversor& inversor = figures.inversor;
    const InversorJoints joints = inversorJoints(inversor.b);
    const PathOfD path = pathOfD(inversor.guide);
    const PlanePoint o{};
    drawn.add(circle(guideCircle(inversor.guide), Role::Given));
    if (steps >= 3) {
        drawn.add(path.straight ? line(path.line, Role::Image) : circle(path.circle, Role::Image));
    }
    if (steps >= 1) {
        drawn.add(line(PlaneLine{o, (1.0 / norm(joints.b)) * joints.b}, Role::Construction));
        drawn.picture.shapes.back().name = &Sentence::AidBisectorAC;
    }
    const PlanePoint bars[7][2] = {
        {o, joints.a},        {o, joints.c},        {joints.a, joints.b},      {joints.b, joints.c},
        {joints.c, joints.d}, {joints.d, joints.a}, {inversor.guide, joints.b}};
    for (const auto& bar : bars) {
        drawn.add(segment(bar[0], bar[1], Role::Given));
    }
    // The stretch of D's path that D has covered, in pieces along a circle.
    const double from = figures.traceFrom;
    const double to = path.straight ? figures.traceTo : std::min(figures.traceTo, from + 2.0 * pi);
    const int pieces = path.straight ? 1 : std::max(1, int(std::ceil((to - from) / tracePiece)));
    for (int i = 0; i < pieces && to > from; ++i) {
        drawn.add(segment(onPath(path, from + (to - from) * i / pieces),
                          onPath(path, from + (to - from) * (i + 1) / pieces), Role::Trace, &Sentence::AidTraceOfD));
    }
    const PlanePoint middle = 0.5 * (joints.a + joints.c);
    if (steps >= 2) {
        drawn.add(segment(joints.a, joints.c, Role::Construction, &Sentence::AidChordAC));
        drawn.add(pointShape(middle, Role::Construction));
    }
    for (PlanePoint p : {joints.a, joints.c, inversor.guide, joints.b}) {
        drawn.add(pointShape(p, Role::Given));
    }
    drawn.add(pointShape(joints.d, Role::Image));
    drawn.label("A", joints.a, Role::Given);
    drawn.label("B", joints.b, Role::Given);
    drawn.label("C", joints.c, Role::Given);
    drawn.label("D", joints.d, Role::Image);
    drawn.label("Q", inversor.guide, Role::Given);
    if (steps >= 2) {
        drawn.label("M", middle, Role::Construction);
    }
}

void addPappus(Drawn& drawn, const LessonFigures& figures, const ApplicationShown& shown) {
    const double c = figures.cut;
    const int n = figures.chainCircle;
    const Arbelos given = arbelos(c);
    const PappusChain chain = pappusChain(c);
    const ColumnPicture column = columnPicture(c, n);
    const PlanePoint b{arbelosLength, 0.0};
    const auto addLines = [&] {
        for (double x : {column.nearLine, column.farLine}) {
            drawn.add(line(PlaneLine{{x, 0.0}, {0.0, 1.0}}, Role::Image));
        }
    };
    const auto addColumn = [&] {
        for (const PlaneCircle& image : column.column) {
            drawn.add(circle(image, Role::Image));
        }
    };
    if (shown.inverted) {
        addLines();
        addColumn();
    } else {
        drawn.add(circle(given.onAB, Role::Given));
        drawn.add(circle(given.onAC, Role::Given));
        for (const PlaneCircle& link : chain) {
            drawn.add(circle(link, Role::Given));
        }
        // Circle n is its own image under the inversion that keeps it: red over blue.
        drawn.add(circle(chain[std::size_t(n)], Role::Image));
        drawn.add(segment(PlanePoint{}, b, Role::Given));
        drawn.add(pointShape(b, Role::Given));
        drawn.label("B", b, Role::Given);
    }
    if (shown.steps >= 1) {
        drawn.add(circle(PlaneCircle{{}, column.radius}, Role::Construction, &Sentence::AidCircleOfInversion));
    }
    if (shown.steps >= 2) {
        addLines();
    }
    if (shown.steps >= 3) {
        addColumn();
    }
    if (shown.steps >= 4) {
        const PlanePoint centre = chain[std::size_t(n)].centre;
        drawn.add(segment(centre, PlanePoint{centre.x, 0.0}, Role::Construction, &Sentence::AidHeightOfCircleN));
    }
    drawn.add(pointShape(PlanePoint{c, 0.0}, Role::Given));
    drawn.label("C", PlanePoint{c, 0.0}, Role::Given);
}

void addSteiner(Drawn& drawn, const LessonFigures& figures, const ApplicationShown& shown) {
    const SteinerFigure figure = steinerFigure(figures.steiner);
    const auto addPicture = [&](const SteinerPicture& picture, Role role) {
        drawn.add(circle(picture.outer, role));
        drawn.add(circle(picture.inner, role));
        for (const PlaneCircle& link : picture.chain) {
            drawn.add(circle(link, role));
        }
    };
    shown.inverted ? addPicture(figure.concentric, Role::Image) : addPicture(figure.given, Role::Given);
    if (shown.steps >= 1) {
        drawn.add(circle(PlaneCircle{figure.inversionCentre, figure.inversionRadius}, Role::Construction,
                         &Sentence::AidCircleOfInversion));
        drawn.add(pointShape(figure.inversionCentre, Role::Construction));
    }
    if (shown.steps >= 2 && !shown.inverted) {
        addPicture(figure.concentric, Role::Image);
    }
    if (shown.steps >= 3) {
        const PlanePoint middle = figure.concentric.outer.centre;
        for (int j = 0; j < 2; ++j) {
            drawn.add(segment(middle, figure.concentric.chain[std::size_t(j)].centre, Role::Construction,
                              &Sentence::AidRaysOfChain));
        }
    }
    drawn.add(pointShape(figure.handle, Role::Given));
    drawn.add(pointShape(figures.steiner.innerCentre, Role::Given));
    drawn.label("T", figure.handle, Role::Given);
    drawn.label("C", figures.steiner.innerCentre, Role::Given);
}

void addPtolemy(Drawn& drawn, const LessonFigures& figures, int steps) {
    const PtolemyPoints& p = figures.ptolemy;
    const PtolemyFigure figure = ptolemyFigure(p);
    const PlanePoint o{};
    drawn.add(circle(ptolemyCircle, Role::Given));
    if (steps >= 1) {
        drawn.add(line(figure.imageLine, Role::Image));
    }
    for (const auto& side : {std::array<PlanePoint, 2>{p.a, p.b}, {p.b, p.c}, {p.c, o}, {o, p.a}}) {
        drawn.add(segment(side[0], side[1], Role::Given));
    }
    const PlanePoint images[3] = {figure.aImage, figure.bImage, figure.cImage};
    if (steps >= 3) {
        for (PlanePoint image : images) {
            drawn.add(segment(o, image, Role::Construction, &Sentence::AidRaysToImages));
        }
    }
    if (steps >= 4) {
        drawn.add(segment(p.a, p.c, Role::Construction, &Sentence::AidDiagonals));
        drawn.add(segment(p.b, o, Role::Construction, &Sentence::AidDiagonals));
    }
    const PlanePoint points[3] = {p.a, p.b, p.c};
    const char* const names[3][2] = {{"A", "A'"}, {"B", "B'"}, {"C", "C'"}};
    for (int i = 0; i < 3; ++i) {
        drawn.add(pointShape(points[i], Role::Given));
        drawn.label(names[i][0], points[i], Role::Given);
        if (steps >= 2) {
            drawn.add(pointShape(images[i], Role::Image));
            drawn.label(names[i][1], images[i], Role::Image);
        }
    }
}

// Where two named points coincide, only the later name is drawn; k's name is no point's and stays.
void keepOneNameAPlace(std::vector<Label>& labels) {
    std::vector<Label> kept{labels[0]};
    for (std::size_t i = 1; i < labels.size(); ++i) {
        bool covered = false;
        for (std::size_t j = i + 1; j < labels.size(); ++j) {
            const double apart =
                std::hypot(double(labels[j].at.x) - labels[i].at.x, double(labels[j].at.y) - labels[i].at.y);
            covered = covered || apart <= 1e-5 * (1.0 + std::hypot(double(labels[i].at.x), double(labels[i].at.y)));
        }
        if (!covered) {
            kept.push_back(labels[i]);
        }
    }
    labels = kept;
}

// What the steps of the reasoning shown add to the figure, alone.
Picture reasoningShapes(const Lesson& lesson) {
    Lesson without = lesson;
    without.shown[int(lesson.current)].steps = 0;
    const Picture all = lessonPicture(lesson);
    const Picture bare = lessonPicture(without);
    Picture added;
    for (const Shape& shape : all.shapes) {
        const bool there = std::any_of(bare.shapes.begin(), bare.shapes.end(), [&](const Shape& s) {
            return s.kind == shape.kind && s.role == shape.role && s.a.x == shape.a.x && s.a.y == shape.a.y &&
                   s.b.x == shape.b.x && s.b.y == shape.b.y && s.radius == shape.radius;
        });
        if (!there) {
            added.shapes.push_back(shape);
        }
    }
    return added;
}

// ---- The events --------------------------------------------------------------------------------------------------

ApplicationShown& shownOf(Lesson& lesson) {
    return lesson.shown[int(lesson.current)];
}

const ApplicationShown& shownOf(const Lesson& lesson) {
    return lesson.shown[int(lesson.current)];
}

Pointing pointing(const Lesson& lesson) {
    return Pointing{shownOf(lesson).view, lesson.area, lesson.cssScale, lesson.finger};
}

void announce(Lesson& lesson, Effects& effects, const std::string& text) {
    effects.announcement = text;
    lesson.announcement = text;
}

void printCase(Lesson& lesson, Effects& effects) {
    lesson.shownCase = lessonCase(lesson);
    printLine(effects, say(caseSentence(lesson.shownCase), lesson.language));
}

// The handle by its name and coordinates: "B(3.2, 2.4)".
std::string handleWords(const Lesson& lesson, int handle) {
    const PlanePoint p = handlePoint(lesson, handle);
    return std::string(handleNames[int(lesson.current)][handle]) + "(" + trimmedDecimalText(p.x, 2) + ", " +
           trimmedDecimalText(p.y, 2) + ")";
}

void show(Lesson& lesson, Effects& effects, Application application) {
    lesson.current = application;
    lesson.gesture = Gesture::Idle;
    lesson.taken = -1;
    printCase(lesson, effects);
    announce(lesson, effects, say(caseSentence(lesson.shownCase), lesson.language));
    effects.redraw = true;
}

// The figures after a move: the bars' stop said once while it lasts, the case printed when it changes (the
// reasoning then starts afresh). Returns whether the figure changed.
bool settle(Lesson& lesson, Effects& effects, const LessonFigures& moved, bool stopped) {
    ApplicationShown& shown = shownOf(lesson);
    if (stopped && !shown.stopped) {
        printLine(effects, say(Sentence::LinkageStopped, lesson.language));
    }
    shown.stopped = stopped;
    if (sameFigures(moved, lesson.figures)) {
        return false;
    }
    lesson.figures = moved;
    if (lessonCase(lesson) != lesson.shownCase) {
        shown.steps = 0;
        printCase(lesson, effects);
    }
    effects.redraw = true;
    return true;
}

bool moveTo(Lesson& lesson, Effects& effects, int handle, Point q) {
    LessonFigures moved = lesson.figures;
    const bool stopped = moveHandle(moved, lesson.current, handle, plane(q), pointing(lesson).reach(), nullptr);
    return settle(lesson, effects, moved, stopped);
}

// What the end of a move of a handle says and prints: the handle, the case if it changed, and the numbers.
void endMove(Lesson& lesson, Effects& effects, int handle) {
    std::string words = handleWords(lesson, handle);
    if (lesson.shownCase != lesson.caseBefore) {
        words += ". " + say(caseSentence(lesson.shownCase), lesson.language);
    }
    announce(lesson, effects, words);
    printLine(effects, numbersText(lesson));
}

void setRing(Lesson& lesson, Effects& effects, bool ring) {
    ApplicationShown& shown = shownOf(lesson);
    effects.redraw = effects.redraw || ring != shown.ring;
    shown.ring = ring;
}

int nearestHandle(const Lesson& lesson, PlanePoint q, double unitsPerPixel) {
    int nearest = -1;
    double best = grabPixels * unitsPerPixel;
    for (int i = 0; i < handleCount(lesson.current); ++i) {
        const double apart = distance(handlePoint(lesson, i), q);
        if (apart <= best) {
            nearest = i;
            best = apart;
        }
    }
    return nearest;
}

void press(Lesson& lesson, const InputEvent& event) {
    const Pointing at = pointing(lesson);
    lesson.gesture = Gesture::Pressed;
    lesson.pressX = event.x;
    lesson.pressY = event.y;
    lesson.caseBefore = lesson.shownCase;
    lesson.taken = nearestHandle(lesson, plane(at.inside(event.x, event.y)), at.reach());
    lesson.panFrom = at.at(event.x, event.y);
    lesson.moved = false;
    lesson.figuresBefore = lesson.figures;
    lesson.stepsBefore = shownOf(lesson).steps;
}

bool leftThePress(const Lesson& lesson, const InputEvent& event) {
    return pointing(lesson).leftThePress(lesson.pressX, lesson.pressY, event.x, event.y);
}

void move(Lesson& lesson, Effects& effects, const InputEvent& event) {
    if (lesson.gesture == Gesture::Pressed && leftThePress(lesson, event)) {
        lesson.gesture = lesson.taken >= 0 ? Gesture::Dragging : Gesture::Panning;
    }
    if (lesson.gesture == Gesture::Panning) {
        Camera& view = shownOf(lesson).view;
        view = panned(view, lesson.panFrom, pointing(lesson).at(event.x, event.y));
        effects.redraw = true;
    } else if (lesson.gesture == Gesture::Dragging) {
        lesson.moved = moveTo(lesson, effects, lesson.taken, pointing(lesson).inside(event.x, event.y)) || lesson.moved;
    }
}

void release(Lesson& lesson, Effects& effects, const InputEvent& event) {
    const Gesture gesture = lesson.gesture;
    ApplicationShown& shown = shownOf(lesson);
    const Point at = pointing(lesson).inside(event.x, event.y);
    lesson.gesture = Gesture::Idle;
    if (gesture == Gesture::Pressed && lesson.taken < 0 && !leftThePress(lesson, event) && shown.ring) {
        // A click away from the handles moves the chosen one there, as a drag ending there would, and keeps it chosen.
        moveTo(lesson, effects, shown.chosen, at);
        endMove(lesson, effects, shown.chosen);
    } else if (gesture == Gesture::Pressed && lesson.taken >= 0) {
        // A click on a handle chooses it, with its ring.
        shown.chosen = lesson.taken;
        setRing(lesson, effects, true);
        endMove(lesson, effects, lesson.taken);
    } else if (gesture == Gesture::Dragging) {
        // The last move; a drag that moved its handle takes the ring away, one that could not move it chooses it.
        lesson.moved = moveTo(lesson, effects, lesson.taken, at) || lesson.moved;
        setRing(lesson, effects, !lesson.moved);
        if (!lesson.moved) {
            shown.chosen = lesson.taken;
        }
        endMove(lesson, effects, lesson.taken);
    }
    lesson.taken = -1;
}

// A second finger: the first finger's press meant the pinch, so a handle its drag has moved goes back, with the
// steps shown then; the fingers then hold the scene point under their middle.
void pinchStart(Lesson& lesson, Effects& effects, const InputEvent& event) {
    if (lesson.gesture == Gesture::Dragging && !sameFigures(lesson.figures, lesson.figuresBefore)) {
        lesson.figures = lesson.figuresBefore;
        shownOf(lesson).steps = lesson.stepsBefore;
        if (lessonCase(lesson) != lesson.shownCase) {
            printCase(lesson, effects);
        }
        effects.redraw = true;
    }
    lesson.gesture = Gesture::Pinching;
    lesson.taken = -1;
    lesson.panFrom = pointing(lesson).at(event.x, event.y);
}

void pinch(Lesson& lesson, Effects& effects, const InputEvent& event) {
    if (lesson.gesture != Gesture::Pinching) {
        return;
    }
    Camera& view = shownOf(lesson).view;
    view = panned(view, lesson.panFrom, pointing(lesson).at(event.x, event.y));
    view = zoomAbout(view, lesson.panFrom, event.factor);
    effects.redraw = true;
}

// An arrow moves the chosen handle one step; then all is as after a drag that ended there, the ring kept.
void arrow(Lesson& lesson, Effects& effects, const InputEvent& event) {
    const int handle = shownOf(lesson).chosen;
    LessonFigures moved = lesson.figures;
    const bool stopped =
        stepHandle(moved, lesson.current, handle, event, handlePoint(lesson, handle), pointing(lesson).scale());
    lesson.caseBefore = lesson.shownCase;
    settle(lesson, effects, moved, stopped);
    setRing(lesson, effects, true);
    endMove(lesson, effects, handle);
}

// The view takes in what a step or the other picture brings, when it lies out of sight.
void widenTo(Lesson& lesson, const Picture& picture) {
    Camera& view = shownOf(lesson).view;
    view = widenToInclude(view, sceneBox(picture), lesson.area.width, lesson.area.height);
}

void nextStep(Lesson& lesson, Effects& effects) {
    ApplicationShown& shown = shownOf(lesson);
    effects.redraw = true;
    if (shown.steps == reasoningSteps(lesson.current)) {
        shown.steps = 0;
        announce(lesson, effects, say(Sentence::ReasoningCleared, lesson.language));
        return;
    }
    ++shown.steps;
    const std::string sentence = say(reasoningSentence(lessonCase(lesson), shown.steps), lesson.language);
    printLine(effects, sentence);
    announce(lesson, effects, sentence);
    widenTo(lesson, reasoningShapes(lesson));
}

// The keys [ and ]: n one smaller or larger, stopping at its ends; a change prints the numbers.
void changeCount(Lesson& lesson, Effects& effects, int by) {
    int* count = lesson.current == Application::Pappus    ? &lesson.figures.chainCircle
                 : lesson.current == Application::Steiner ? &lesson.figures.steiner.count
                                                          : nullptr;
    const int least = lesson.current == Application::Pappus ? 1 : fewestChainCircles;
    const int most = lesson.current == Application::Pappus ? lastChainCircle : mostChainCircles;
    if (!count || *count + by < least || *count + by > most) {
        return;
    }
    *count += by;
    const std::string numbers = numbersText(lesson);
    printLine(effects, numbers);
    announce(lesson, effects, numbers);
    effects.redraw = true;
}

void chooseNextHandle(Lesson& lesson, Effects& effects) {
    ApplicationShown& shown = shownOf(lesson);
    shown.chosen = (shown.chosen + 1) % handleCount(lesson.current);
    shown.ring = true;
    effects.redraw = true;
    announce(lesson, effects, say(Sentence::HandleChosen, lesson.language, {handleWords(lesson, shown.chosen)}));
}

void key(Lesson& lesson, Effects& effects, char key) {
    ApplicationShown& shown = shownOf(lesson);
    switch (key) {
    case '1':
    case '2':
    case '3':
    case '4':
        show(lesson, effects, Application(key - '1'));
        return;
    case 'r':
        resetFigure(lesson.figures, lesson.current);
        shown = ApplicationShown{};
        shown.view = firstView(lesson.current);
        show(lesson, effects, lesson.current);
        return;
    case 'k':
        nextStep(lesson, effects);
        return;
    case 'i':
        if (lesson.current == Application::Pappus || lesson.current == Application::Steiner) {
            shown.inverted = !shown.inverted;
            widenTo(lesson, lessonPicture(lesson));
            effects.redraw = true;
        }
        return;
    case '[':
    case ']':
        changeCount(lesson, effects, key == ']' ? 1 : -1);
        return;
    case '+':
    case '=':
    case '-':
        zoomed(shown.view, pointing(lesson), InputEvent{InputEvent::Key, 0, 0, 0, key});
        break;
    case 'f':
        shown.view = fitView(sceneBox(lessonPicture(lesson)), lesson.area.width, lesson.area.height);
        break;
    case '0':
        shown.view = firstView(lesson.current);
        break;
    case 't':
        lesson.bandShown = !lesson.bandShown;
        break;
    case 'n':
        chooseNextHandle(lesson, effects);
        return;
    case 'j':
        effects = chooseLanguage(lesson, nextLanguage(lesson.language));
        return;
    case 'h':
        printLine(effects, say(Sentence::ApplicationsHelp, lesson.language));
        lesson.helpShown = true;
        break;
    case 's':
        effects.save = true;
        return;
    case 'q':
    case 27: // Escape
        effects.quit = true;
        return;
    default:
        return;
    }
    effects.redraw = true;
}

} // namespace

Lesson::Lesson() : figures(startFigures()), figuresBefore(figures) {
    for (int i = 0; i < applicationCount; ++i) {
        shown[i].view = firstView(Application(i));
    }
}

Camera firstView(Application application) {
    static const Bounds boxes[applicationCount] = {{{-7.5f, -7.5f}, {7.5f, 7.5f}},
                                                   {{0.0f, -5.0f}, {10.0f, 5.0f}},
                                                   {{-5.0f, -5.0f}, {5.0f, 5.0f}},
                                                   {{-6.0f, -6.0f}, {6.0f, 6.0f}}};
    return frameCamera(boxes[int(application)]);
}

LessonCase lessonCase(const Lesson& lesson) {
    const LessonFigures& figures = lesson.figures;
    switch (lesson.current) {
    case Application::Peaucellier:
        return guideThroughCentre(figures.inversor.guide) ? LessonCase::LinkageLine : LessonCase::LinkageCircle;
    case Application::Pappus:
        return LessonCase::PappusChain;
    case Application::Steiner:
        return norm(figures.steiner.innerCentre) == 0.0 ? LessonCase::SteinerConcentric : LessonCase::SteinerChain;
    case Application::Ptolemy:
        break;
    }
    // A, B, C and O lie on a circle exactly when the images lie on a line; round it in this order exactly when B'
    // lies between A' and C'.
    const PtolemyFigure figure = ptolemyFigure(figures.ptolemy);
    const PlanePoint u = figure.bImage - figure.aImage;
    const PlanePoint v = figure.cImage - figure.aImage;
    if (std::fabs(u.x * v.y - u.y * v.x) > collinearTolerance * norm(u) * norm(v)) {
        return LessonCase::PtolemyInequality;
    }
    return dot(figure.aImage - figure.bImage, figure.cImage - figure.bImage) <= 0.0 ? LessonCase::PtolemyEquality
                                                                                    : LessonCase::PtolemyOtherOrder;
}

const Sentence& caseSentence(LessonCase lessonCase) {
    static const Sentence* const sentences[] = {&Sentence::LinkageLine,       &Sentence::LinkageCircle,
                                                &Sentence::PappusChainCase,   &Sentence::SteinerChain,
                                                &Sentence::SteinerConcentric, &Sentence::PtolemyEquality,
                                                &Sentence::PtolemyOtherOrder, &Sentence::PtolemyInequality};
    return *sentences[int(lessonCase)];
}

int reasoningSteps(Application application) {
    static const int counts[applicationCount] = {3, 4, 3, 4};
    return counts[int(application)];
}

const Sentence& reasoningSentence(LessonCase lessonCase, int step) {
    using S = Sentence;
    switch (lessonCase) {
    case LessonCase::LinkageLine:
    case LessonCase::LinkageCircle: {
        const Sentence& last = lessonCase == LessonCase::LinkageLine ? S::LinkageLineStep3 : S::LinkageCircleStep3;
        return step == 1 ? S::LinkageStep1 : step == 2 ? S::LinkageStep2 : last;
    }
    case LessonCase::PappusChain: {
        static const Sentence* const steps[] = {&S::PappusStep1, &S::PappusStep2, &S::PappusStep3, &S::PappusStep4};
        return *steps[step - 1];
    }
    case LessonCase::SteinerChain:
    case LessonCase::SteinerConcentric: {
        static const Sentence* const steps[] = {&S::SteinerStep1, &S::SteinerStep2, &S::SteinerStep3};
        return *steps[step - 1];
    }
    case LessonCase::PtolemyEquality:
    case LessonCase::PtolemyOtherOrder:
    case LessonCase::PtolemyInequality:
        break;
    }
    static const Sentence* const steps[] = {&S::PtolemyStep1, &S::PtolemyStep2, &S::PtolemyStep3};
    if (step < 4) {
        return *steps[step - 1];
    }
    return lessonCase == LessonCase::PtolemyEquality ? S::PtolemyEqualityStep4 : S::PtolemyInequalityStep4;
}

int handleCount(Application application) {
    static const int counts[applicationCount] = {3, 1, 2, 3};
    return counts[int(application)];
}

PlanePoint handlePoint(const Lesson& lesson, int handle) {
    const LessonFigures& figures = lesson.figures;
    switch (lesson.current) {
    case Application::Peaucellier:
        return handle == 0 ? figures.inversor.b : handle == 1 ? imageInK(figures.inversor.b) : figures.inversor.guide;
    case Application::Pappus:
        return PlanePoint{figures.cut, 0.0};
    case Application::Steiner:
        return handle == 0 ? steinerFigure(figures.steiner).handle : figures.steiner.innerCentre;
    case Application::Ptolemy:
        break;
    }
    return handle == 0 ? figures.ptolemy.a : handle == 1 ? figures.ptolemy.b : figures.ptolemy.c;
}

Effects startLesson(Lesson& lesson) {
    Effects effects;
    show(lesson, effects, lesson.current);
    return effects;
}

Effects chooseLanguage(Lesson& lesson, Language language) {
    Effects effects;
    lesson.language = language;
    printCase(lesson, effects);
    announce(lesson, effects, say(caseSentence(lesson.shownCase), language));
    effects.redraw = true;
    return effects;
}

Effects handleEvent(Lesson& lesson, const InputEvent& event) {
    Effects effects;
    // The help stays in the band until the next input.
    const bool helpBefore = lesson.helpShown;
    lesson.helpShown = false;
    switch (event.kind) {
    case InputEvent::Press:
        press(lesson, event);
        break;
    case InputEvent::Move:
        move(lesson, effects, event);
        break;
    case InputEvent::Release:
        release(lesson, effects, event);
        break;
    case InputEvent::Wheel:
        zoomed(shownOf(lesson).view, pointing(lesson), event);
        effects.redraw = event.notches != 0;
        break;
    case InputEvent::Key:
        key(lesson, effects, event.key);
        break;
    case InputEvent::Arrow:
        arrow(lesson, effects, event);
        break;
    case InputEvent::PinchStart:
        pinchStart(lesson, effects, event);
        break;
    case InputEvent::Pinch:
        pinch(lesson, effects, event);
        break;
    }
    effects.redraw = effects.redraw || helpBefore != lesson.helpShown;
    return effects;
}

std::string numbersText(const Lesson& lesson) {
    const LessonFigures& figures = lesson.figures;
    switch (lesson.current) {
    case Application::Peaucellier:
        return inversorText(figures.inversor);
    case Application::Pappus:
        return pappusText(figures.cut, figures.chainCircle);
    case Application::Steiner:
        return steinerText(figures.steiner);
    case Application::Ptolemy:
        break;
    }
    return ptolemyText(figures.ptolemy);
}

Picture lessonPicture(const Lesson& lesson) {
    const ApplicationShown& shown = shownOf(lesson);
    Picture picture;
    Drawn drawn{picture};
    drawn.add(circleShape(Circle{Point{}, float(radiusOfK)}, Role::K));
    drawn.add(dotShape(Point{}, Role::Centre));
    drawn.label("k", PlanePoint{0.0, radiusOfK}, Role::K);
    // A = O in the arbelos, whose inverted picture has no A.
    const bool arbelosOnO = lesson.current == Application::Pappus && !shown.inverted;
    drawn.label(arbelosOnO ? "A = O" : "O", PlanePoint{}, Role::Centre);
    switch (lesson.current) {
    case Application::Peaucellier:
        addInversor(drawn, lesson.figures, shown.steps);
        break;
    case Application::Pappus:
        addPappus(drawn, lesson.figures, shown);
        break;
    case Application::Steiner:
        addSteiner(drawn, lesson.figures, shown);
        break;
    case Application::Ptolemy:
        addPtolemy(drawn, lesson.figures, shown.steps);
        break;
    }
    if (shown.ring) {
        Shape ring = circleShape(Circle{scene(handlePoint(lesson, shown.chosen)), ringRadius}, Role::Ring);
        ring.name = &Sentence::Ring;
        drawn.add(ring);
    }
    keepOneNameAPlace(picture.labels);
    placePictureLabels(picture, unitsPerPixel(shown.view, lesson.area.height), lessonLabelHeight(lesson),
                       lessonStrokeSizes(lesson).dotSize);
    return picture;
}

std::vector<DrawnItem> lessonDrawList(const Lesson& lesson, bool forFile) {
    const FigureArea& area = lesson.area;
    const Camera& view = shownOf(lesson).view;
    const WalkFrame frame =
        forFile ? fileFrame(view, area.width, area.height) : windowFrame(view, area.width, area.height);
    const Picture picture = lessonPicture(lesson);
    return drawList(picture, frame,
                    arrowItems(picture, view, area.width, area.height, lessonStrokeSizes(lesson).arrowScale,
                               lessonLabelHeight(lesson)));
}

StrokeSizes lessonStrokeSizes(const Lesson& lesson) {
    return figureStrokeSizes(lesson.area, lesson.cssScale);
}

double lessonLabelHeight(const Lesson& lesson) {
    return figureLabelHeight(lesson.area, lesson.cssScale);
}

std::string panelText(const Lesson& lesson) {
    std::string text = say(caseSentence(lesson.shownCase), lesson.language);
    const int steps = shownOf(lesson).steps;
    if (steps > 0) {
        text += "\n" + say(reasoningSentence(lesson.shownCase, steps), lesson.language);
    }
    return text;
}

std::vector<std::string> bandLines(const Lesson& lesson, int width, const CharacterWidth& advance) {
    std::vector<std::string> lines = wrapText(panelText(lesson), width, advance);
    // The help, after h, in place of the numbers and the keys; its last line break ends no line of the band.
    std::string help = say(Sentence::ApplicationsHelp, lesson.language);
    help.pop_back();
    const std::vector<std::string> texts =
        lesson.helpShown
            ? std::vector<std::string>{help}
            : std::vector<std::string>{numbersText(lesson), say(Sentence::ApplicationsBandKeys, lesson.language)};
    for (const std::string& text : texts) {
        const std::vector<std::string> wrapped = wrapText(text, width, advance);
        lines.insert(lines.end(), wrapped.begin(), wrapped.end());
    }
    return lines;
}
