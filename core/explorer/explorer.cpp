// explorer.cpp
// Dragging a figure and watching its image: what each press, move, release and key does, and what it prints.
#include "explorer.h"

#include "angles.h"
#include "console.h"
#include "construction.h"
#include "drawing.h"
#include "inversion.h"
#include "link.h"
#include "snapping.h"
#include "vec.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <string>

// A number as the description writes it, to two decimals, without the zeros at the end: 2.5, 1, 3.85.
static std::string spoken(double value) {
    return trimmedDecimalText(value, 2);
}

static std::string pointWords(const char* name, Point p) {
    return std::string(name) + "(" + spoken(p.x) + ", " + spoken(p.y) + ")";
}

// The handle by its name and coordinates, with the image where the handle is P, P' or X: "P(1, 3), P'(2.5, 7.5)".
static std::string handleWords(const GivenFigure& figure, int handle) {
    static const char* const names[4][3] = {{"P", "P'", ""}, {"A", "B", ""}, {"C", "R", ""}, {"X", "A", "B"}};
    const int kind = int(figure.kind);
    const Point p = figure.first;
    const bool atO = atCentre(p);
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

std::string anglesText(const GivenFigure& figure, Language language) {
    const std::array<AngleMark, 2> marks = angleMarks(figure, inversionRadius);
    const std::string atX = say(Sentence::AngleAtX, language, {decimalText(marks[0].degrees, 1)});
    return atCentre(figure.first) ? atX
                                  : atX + say(Sentence::AngleAtXImage, language, {decimalText(marks[1].degrees, 1)});
}

Picture explorerPicture(const Explorer& explorer) {
    const GivenFigure& figure = currentFigure(explorer);
    const float r = inversionRadius;
    const FigureCase shown = figureCase(figure, r);
    Picture picture;
    picture.shapes.push_back(circleShape(Circle{inversionCentre, r}, Role::K));
    picture.shapes.push_back(dotShape(inversionCentre, Role::Centre));
    addGivenFigure(picture, figure);
    addFigureImage(picture, figure, shown, r);
    // The construction comes over the image: its last step traces the image itself.
    const std::vector<ConstructionStep> steps = constructionSteps(figure, shown, r);
    for (int i = 0; i < explorer.steps && i < int(steps.size()); ++i) {
        const std::vector<Shape>& drawn = steps[std::size_t(i)].shapes;
        picture.shapes.insert(picture.shapes.end(), drawn.begin(), drawn.end());
    }
    if (figure.kind == FigureKind::AngleFigure) {
        addTangentsAtImage(picture, figure, r);
        addAngleArcs(picture, figure, r);
    }
    if (explorer.ring && explorer.chosen < handleCount(figure, r)) {
        Shape ring = circleShape(Circle{handleAt(figure, explorer.chosen, r), ringRadius}, Role::Ring);
        ring.name = &Sentence::Ring;
        picture.shapes.push_back(ring);
    }
    picture.labels = figureLabels(figure, shown, steps, explorer.steps, r);
    placePictureLabels(picture, unitsPerPixel(explorer.view, explorer.area.height), explorerLabelHeight(explorer),
                       explorerStrokeSizes(explorer).dotSize);
    return picture;
}

std::vector<DrawnItem> explorerDrawList(const Explorer& explorer, bool forFile) {
    const FigureArea& area = explorer.area;
    const WalkFrame frame = forFile ? fileFrame(explorer.view, area.width, area.height)
                                    : windowFrame(explorer.view, area.width, area.height);
    const Picture picture = explorerPicture(explorer);
    return drawList(picture, frame,
                    arrowItems(picture, explorer.view, area.width, area.height,
                               explorerStrokeSizes(explorer).arrowScale, explorerLabelHeight(explorer)));
}

StrokeSizes explorerStrokeSizes(const Explorer& explorer) {
    return figureStrokeSizes(explorer.area, explorer.cssScale);
}

double explorerLabelHeight(const Explorer& explorer) {
    return figureLabelHeight(explorer.area, explorer.cssScale);
}

const GivenFigure& currentFigure(const Explorer& explorer) {
    return explorer.figures[int(explorer.current)];
}

namespace {

void print(Effects& effects, const std::string& text) {
    printLine(effects, text);
}

void announce(Explorer& explorer, Effects& effects, const std::string& text) {
    effects.announcement = text;
    explorer.announcement = text;
}

GivenFigure& figureOf(Explorer& explorer) {
    return explorer.figures[int(explorer.current)];
}

// The chosen handle goes back to the first when it is no longer a handle (P' of P on k or at O).
void keepChosen(Explorer& explorer) {
    if (explorer.chosen >= handleCount(currentFigure(explorer), inversionRadius)) {
        explorer.chosen = 0;
    }
}

void printCase(Explorer& explorer, Effects& effects) {
    explorer.shownCase = figureCase(currentFigure(explorer), inversionRadius);
    print(effects, say(caseSentence(explorer.shownCase), explorer.language));
}

void showFigure(Explorer& explorer, Effects& effects, FigureKind kind) {
    explorer.current = kind;
    explorer.gesture = Gesture::Idle;
    explorer.taken = -1;
    explorer.steps = 0;
    explorer.chosen = 0;
    explorer.ring = false;
    printCase(explorer, effects);
    announce(explorer, effects, say(caseSentence(explorer.shownCase), explorer.language));
    effects.redraw = true;
}

Pointing pointing(const Explorer& explorer) {
    return Pointing{explorer.view, explorer.area, explorer.cssScale, explorer.finger};
}

// Scene units per pixel of the figure, and the reach of the pointer: a finger's zones are wider.
double scale(const Explorer& explorer) {
    return pointing(explorer).scale();
}

double reach(const Explorer& explorer) {
    return pointing(explorer).reach();
}

// The scene point under the pixel (x, y) of the figure, wherever it is.
Point scenePoint(const Explorer& explorer, int x, int y) {
    return pointing(explorer).at(x, y);
}

// The scene point under the pointer, kept inside the figure so that a handle dragged out stays in reach.
Point pointer(const Explorer& explorer, int x, int y) {
    return pointing(explorer).inside(x, y);
}

bool sameFigure(const GivenFigure& a, const GivenFigure& b) {
    const auto same = [](Point p, Point q) { return p.x == q.x && p.y == q.y; };
    return same(a.first, b.first) && same(a.second, b.second) && same(a.third, b.third);
}

// The handle moved to q, snapped onto whole coordinates where toGrid; the case printed when it changes. Returns
// whether the figure changed.
bool moveTo(Explorer& explorer, Effects& effects, int handle, Point q, double unitsPerPixel, bool toGrid) {
    GivenFigure& figure = figureOf(explorer);
    const GivenFigure moved = moveHandle(figure, handle, q, inversionRadius, unitsPerPixel, toGrid);
    if (sameFigure(moved, figure)) {
        return false;
    }
    figure = moved;
    // A move within the case keeps the steps shown, drawn anew for the new position; another case starts afresh.
    if (figureCase(figure, inversionRadius) != explorer.shownCase) {
        explorer.steps = 0;
        printCase(explorer, effects);
    }
    keepChosen(explorer);
    effects.redraw = true;
    return true;
}

// What the end of a move of the handle says and prints: the handle and its image, the case if it changed, and for
// P other than O its measurement, for the two lines through X their angles.
void endMove(Explorer& explorer, Effects& effects, int handle) {
    const GivenFigure& figure = currentFigure(explorer);
    std::string words = handleWords(figure, handle);
    if (explorer.shownCase != explorer.caseBefore) {
        words += ". " + say(caseSentence(explorer.shownCase), explorer.language);
    }
    announce(explorer, effects, words);
    if (figure.kind == FigureKind::AngleFigure) {
        print(effects, anglesText(figure, explorer.language));
    }
    if (figure.kind == FigureKind::PointFigure && explorer.shownCase != FigureCase::PointAtCentre) {
        print(effects, measurementText(figure.first));
    }
}

void setRing(Explorer& explorer, Effects& effects, bool ring) {
    effects.redraw = effects.redraw || ring != explorer.ring;
    explorer.ring = ring;
}

void press(Explorer& explorer, const InputEvent& event) {
    explorer.gesture = Gesture::Pressed;
    explorer.pressX = event.x;
    explorer.pressY = event.y;
    explorer.caseBefore = explorer.shownCase;
    explorer.taken =
        nearestHandle(currentFigure(explorer), pointer(explorer, event.x, event.y), reach(explorer), inversionRadius);
    explorer.panFrom = scenePoint(explorer, event.x, event.y);
    explorer.moved = false;
    explorer.figureBefore = currentFigure(explorer);
    explorer.stepsBefore = explorer.steps;
}

// Whether the pointer has left the place of the press by more than a click allows.
bool leftThePress(const Explorer& explorer, const InputEvent& event) {
    return pointing(explorer).leftThePress(explorer.pressX, explorer.pressY, event.x, event.y);
}

void move(Explorer& explorer, Effects& effects, const InputEvent& event) {
    if (explorer.gesture == Gesture::Pressed && leftThePress(explorer, event)) {
        explorer.gesture = explorer.taken >= 0 ? Gesture::Dragging : Gesture::Panning;
    }
    if (explorer.gesture == Gesture::Panning) {
        explorer.view = panned(explorer.view, explorer.panFrom, scenePoint(explorer, event.x, event.y));
        effects.redraw = true;
    } else if (explorer.gesture == Gesture::Dragging) {
        explorer.moved =
            moveTo(explorer, effects, explorer.taken, pointer(explorer, event.x, event.y), reach(explorer), true) ||
            explorer.moved;
    }
}

void release(Explorer& explorer, Effects& effects, const InputEvent& event) {
    const Gesture gesture = explorer.gesture;
    explorer.gesture = Gesture::Idle;
    if (gesture == Gesture::Pressed && explorer.taken < 0 && !leftThePress(explorer, event) && explorer.ring) {
        // A click away from the handles moves the chosen one there, as a drag ending there would, and keeps it chosen.
        moveTo(explorer, effects, explorer.chosen, pointer(explorer, event.x, event.y), reach(explorer), true);
        endMove(explorer, effects, explorer.chosen);
    } else if (gesture == Gesture::Pressed && explorer.taken >= 0) {
        // A click on a handle chooses it, with its ring.
        explorer.chosen = explorer.taken;
        setRing(explorer, effects, true);
        endMove(explorer, effects, explorer.taken);
    } else if (gesture == Gesture::Dragging) {
        // The last move; a drag that moved its handle takes the ring away, one that could not move it chooses it.
        explorer.moved =
            moveTo(explorer, effects, explorer.taken, pointer(explorer, event.x, event.y), reach(explorer), true) ||
            explorer.moved;
        setRing(explorer, effects, !explorer.moved);
        if (!explorer.moved) {
            explorer.chosen = explorer.taken;
        }
        endMove(explorer, effects, explorer.taken);
    }
    explorer.taken = -1;
}

// A second finger: the first finger's press meant the pinch, not the handle under it, so a handle its drag has moved
// goes back to where it was, with the steps shown then, the case printed again if the drag changed it. The fingers
// then hold the scene point under their middle.
void pinchStart(Explorer& explorer, Effects& effects, const InputEvent& event) {
    if (explorer.gesture == Gesture::Dragging && !sameFigure(currentFigure(explorer), explorer.figureBefore)) {
        figureOf(explorer) = explorer.figureBefore;
        explorer.steps = explorer.stepsBefore;
        if (figureCase(currentFigure(explorer), inversionRadius) != explorer.shownCase) {
            printCase(explorer, effects);
        }
        keepChosen(explorer);
        effects.redraw = true;
    }
    explorer.gesture = Gesture::Pinching;
    explorer.taken = -1;
    explorer.panFrom = scenePoint(explorer, event.x, event.y);
}

// The point held comes under the fingers' middle, and the view is magnified about it as the fingers part.
void pinch(Explorer& explorer, Effects& effects, const InputEvent& event) {
    if (explorer.gesture != Gesture::Pinching) {
        return;
    }
    explorer.view = panned(explorer.view, explorer.panFrom, scenePoint(explorer, event.x, event.y));
    explorer.view = zoomAbout(explorer.view, explorer.panFrom, event.factor);
    effects.redraw = true;
}

// An arrow: the chosen handle, its coordinates rounded to the nearest tenth, moves by whole tenths (ten steps of a
// tenth make a whole unit exactly), snapping onto O, onto k and through O but not onto whole coordinates, whose zone
// is wider than a step; then all is as after a drag that ended there, the ring kept.
void arrow(Explorer& explorer, Effects& effects, const InputEvent& event) {
    keepChosen(explorer);
    const int step = event.shift ? 10 : 1;
    const Point at = handleAt(currentFigure(explorer), explorer.chosen, inversionRadius);
    const Point to{float((std::round(at.x * 10.0) + event.dx * step) / 10.0),
                   float((std::round(at.y * 10.0) + event.dy * step) / 10.0)};
    explorer.caseBefore = explorer.shownCase;
    moveTo(explorer, effects, explorer.chosen, to, scale(explorer), false);
    setRing(explorer, effects, true);
    endMove(explorer, effects, explorer.chosen);
}

void nextStep(Explorer& explorer, Effects& effects) {
    const FigureCase shown = figureCase(currentFigure(explorer), inversionRadius);
    if (stepCount(shown) == 0) {
        return;
    }
    effects.redraw = true;
    if (explorer.steps == stepCount(shown)) {
        explorer.steps = 0;
        announce(explorer, effects, say(Sentence::ConstructionCleared, explorer.language));
        return;
    }
    ++explorer.steps;
    const std::string sentence = say(stepSentence(shown, explorer.steps), explorer.language);
    print(effects, sentence);
    announce(explorer, effects, sentence);
    // The step's new points come into sight.
    explorer.view = widenToInclude(explorer.view, sceneBox(explorerPicture(explorer), true), explorer.area.width,
                                   explorer.area.height);
}

void chooseNextHandle(Explorer& explorer, Effects& effects) {
    const GivenFigure& figure = currentFigure(explorer);
    // Every handle the pointer can take, P' too.
    const int count = handleCount(figure, inversionRadius);
    explorer.chosen = (explorer.chosen + 1) % count;
    explorer.ring = true;
    effects.redraw = true;
    announce(explorer, effects, say(Sentence::HandleChosen, explorer.language, {handleWords(figure, explorer.chosen)}));
}

void key(Explorer& explorer, Effects& effects, char key) {
    switch (key) {
    case '1':
    case '2':
    case '3':
    case '4':
        showFigure(explorer, effects, FigureKind(key - '1'));
        return;
    case 'r':
        figureOf(explorer) = startFigure(explorer.current);
        showFigure(explorer, effects, explorer.current);
        return;
    case 'k':
        nextStep(explorer, effects);
        return;
    case '+':
    case '=':
    case '-':
        zoomed(explorer.view, pointing(explorer), InputEvent{InputEvent::Key, 0, 0, 0, key});
        break;
    case 'f':
        explorer.view = fitView(sceneBox(explorerPicture(explorer)), explorer.area.width, explorer.area.height);
        break;
    case '0':
        explorer.view = startView();
        break;
    case 't':
        explorer.bandShown = !explorer.bandShown;
        break;
    case 'n':
        chooseNextHandle(explorer, effects);
        return;
    case 'j':
        effects = chooseLanguage(explorer, nextLanguage(explorer.language));
        return;
    case 'l':
        print(effects, explorerLinkLine(explorer));
        return;
    case 'h':
        print(effects, say(Sentence::ExplorerHelp, explorer.language));
        explorer.helpShown = true;
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

Effects chooseLanguage(Explorer& explorer, Language language) {
    Effects effects;
    explorer.language = language;
    // The case said again in the new language.
    printCase(explorer, effects);
    announce(explorer, effects, say(caseSentence(explorer.shownCase), language));
    effects.redraw = true;
    return effects;
}

Effects startExplorer(Explorer& explorer) {
    Effects effects;
    showFigure(explorer, effects, explorer.current);
    return effects;
}

std::string explorerLinkLine(const Explorer& explorer) {
    return std::string(explorerPage) + "#" + figureLinkText(currentFigure(explorer), explorer.view, explorer.steps);
}

// What is wrong with a link's text, naming the part at fault.
static std::string linkFault(const FigureLink& link, const std::string& text, Language language) {
    switch (link.error) {
    case LinkError::Parts:
        return say(link.part == text ? Sentence::LinkTooFewParts : Sentence::LinkTooManyParts, language, {link.part});
    case LinkError::Kind:
        return say(Sentence::LinkKind, language, {link.part});
    case LinkError::Number:
        return say(Sentence::LinkNumber, language, {link.part});
    case LinkError::Points:
        return say(Sentence::LinkPoints, language, {link.part});
    case LinkError::View:
        return say(Sentence::LinkView, language, {link.part});
    case LinkError::Steps:
    case LinkError::None:
        break;
    }
    return say(Sentence::LinkSteps, language, {link.part});
}

Effects openExplorerLink(Explorer& explorer, const std::string& text) {
    const FigureLink link = readFigureLink(text);
    if (link.error != LinkError::None) {
        Effects effects;
        print(effects,
              linkFault(link, text, explorer.language) + " " + say(Sentence::LinkOpensStart, explorer.language));
        const Effects started = startExplorer(explorer);
        effects.printed += started.printed;
        effects.announcement = started.announcement;
        effects.redraw = true;
        return effects;
    }
    explorer.current = link.figure.kind;
    explorer.figures[int(link.figure.kind)] = link.figure;
    explorer.view = link.view;
    Effects effects = startExplorer(explorer);
    explorer.steps = std::min(link.steps, stepCount(explorer.shownCase));
    return effects;
}

Effects handleEvent(Explorer& explorer, const InputEvent& event) {
    Effects effects;
    // The help stays in the band until the next input.
    const bool helpBefore = explorer.helpShown;
    explorer.helpShown = false;
    switch (event.kind) {
    case InputEvent::Press:
        press(explorer, event);
        break;
    case InputEvent::Move:
        move(explorer, effects, event);
        break;
    case InputEvent::Release:
        release(explorer, effects, event);
        break;
    case InputEvent::Wheel:
        // Up zooms in about the pointer.
        zoomed(explorer.view, pointing(explorer), event);
        effects.redraw = event.notches != 0;
        break;
    case InputEvent::Key:
        key(explorer, effects, event.key);
        break;
    case InputEvent::Arrow:
        arrow(explorer, effects, event);
        break;
    case InputEvent::PinchStart:
        pinchStart(explorer, effects, event);
        break;
    case InputEvent::Pinch:
        pinch(explorer, effects, event);
        break;
    }
    effects.redraw = effects.redraw || helpBefore != explorer.helpShown;
    return effects;
}

std::string panelText(const Explorer& explorer) {
    std::string text = say(caseSentence(explorer.shownCase), explorer.language);
    if (explorer.steps > 0) {
        text = text + "\n" + say(stepSentence(explorer.shownCase, explorer.steps), explorer.language);
    }
    return text;
}
