// lesson.h
// The lesson on what inversion is for: four applications (Peaucellier's inversor, the Pappus chain, Steiner's chain,
// Ptolemy's theorem), each moved by its handles and explained step by step, on the explorer's machinery. One record
// holds each application's figure, what is shown of it and what the pointer is doing; one event enters one function,
// and what happened comes back as effects for the program to carry out. No OpenGL, no printing.
#pragma once

#include "explorer/band.h"
#include "explorer/input.h"
#include "pappus.h"
#include "peaucellier.h"
#include "picture.h"
#include "ptolemy.h"
#include "steiner.h"
#include "walk.h"

#include <string>
#include <vector>

/// The four applications, chosen with the keys 1 to 4.
enum class Application { Peaucellier, Pappus, Steiner, Ptolemy };
constexpr int applicationCount = 4;

/// The case an application is in; each has its explanation.
enum class LessonCase {
    LinkageLine,       ///< B's circle passes through O: D draws a line
    LinkageCircle,     ///< B's circle misses O: D draws a circle
    PappusChain,       ///< the Pappus chain (one case)
    SteinerChain,      ///< the inner circle's centre away from O
    SteinerConcentric, ///< the inner circle about O: the circles are concentric already
    PtolemyEquality,   ///< A, B, C and O on a circle in this order
    PtolemyOtherOrder, ///< on a circle, but B' not between A' and C'
    PtolemyInequality, ///< A, B, C and O on no circle
};

/// What the handles and the keys [ and ] set in the four applications.
struct LessonFigures {
    Inversor inversor; ///< Peaucellier's: Q, and B on its circle
    /// The stretch of D's path that D has covered since Q last moved, as positions along it (scene units along a
    /// line from the path's point, radians counter-clockwise about a circle's centre, not wrapped): from, to, and D's
    double traceFrom = 0.0;
    double traceTo = 0.0;
    double traceAt = 0.0;
    double cut = startCut;              ///< Pappus: c, the abscissa of C
    int chainCircle = startChainCircle; ///< Pappus: n, the circle that the inversion keeps in place, 1 to 8
    SteinerState steiner;               ///< Steiner: n, the inner circle's centre and the chain's turn
    PtolemyPoints ptolemy;              ///< Ptolemy: A, B and C
};

/// What is shown of one application, kept with it until r.
struct ApplicationShown {
    int steps = 0;         ///< steps of the reasoning shown
    bool inverted = false; ///< the inverted (Pappus) or concentric (Steiner) picture in place of the given one
    int chosen = 0;        ///< the handle that the arrows and a click elsewhere move: the first at the start
    bool ring = false;     ///< whether the chosen handle has its ring: once n, an arrow or a click chose it
    bool stopped = false;  ///< the last move was stopped by the bars, and that has been said
    Camera view;           ///< what part of the plane the figure shows
};

/// The lesson: its figures, what is shown of each and what the pointer is doing.
struct Lesson {
    Application current = Application::Peaucellier;
    LessonFigures figures;
    ApplicationShown shown[applicationCount];
    LessonCase shownCase = LessonCase::LinkageLine; ///< the case last printed
    Gesture gesture = Gesture::Idle;
    int taken = -1; ///< the handle a press took, or -1 for a press away from the handles
    int pressX = 0; ///< where the press was, in the figure's pixels
    int pressY = 0;
    bool moved = false;                              ///< whether the drag under way has moved its handle
    LessonFigures figuresBefore;                     ///< the figures when the press under way was made
    int stepsBefore = 0;                             ///< and the steps of the reasoning then shown
    LessonCase caseBefore = LessonCase::LinkageLine; ///< the case when the gesture under way began
    Point panFrom;                                   ///< while panning, the scene point held under the pointer
    FigureArea area;                                 ///< the figure's size in the window
    bool bandShown = true;                           ///< the band with the lesson under the figure (key t)
    bool helpShown = false;                          ///< the band shows the help (key h) until the next input
    double cssScale = 1.0;                           ///< drawing pixels per CSS pixel of the canvas (1 natively)
    bool finger = false;                             ///< whether the page's last press was a finger's
    std::string announcement;                        ///< what the last event changed, until the page has read it
    Language language = Language::Plain;             ///< what it speaks (key j: the next one)

    Lesson();
};

/// The view an application opens with, and returns to with the key 0: framed, as the ten programs frame their
/// figures, on (-7.5, -7.5)-(7.5, 7.5) for the inversor, (0, -5)-(10, 5) for the arbelos, (-5, -5)-(5, 5) for
/// Steiner's chain and (-6, -6)-(6, 6) for Ptolemy's circle.
Camera firstView(Application application);

/// The case of the application on show.
LessonCase lessonCase(const Lesson& lesson);

/// The explanation of a case, without a line break.
const Sentence& caseSentence(LessonCase lessonCase);

/// How many steps the reasoning of an application has, and the sentence of a step (1 to that count) in a case.
int reasoningSteps(Application application);
const Sentence& reasoningSentence(LessonCase lessonCase, int step);

/// How many handles an application has: B, D and Q; C; the point T of the first chain circle and the inner
/// circle's centre C; A, B and C.
int handleCount(Application application);

/// Where a handle of the application on show is.
PlanePoint handlePoint(const Lesson& lesson, int handle);

/// The lesson as it opens: the inversor, its case printed.
Effects startLesson(Lesson& lesson);

/// The lesson speaks the language from now on (the key j: the next one), and says the case in it.
Effects chooseLanguage(Lesson& lesson, Language language);

/// The one way in for input.
Effects handleEvent(Lesson& lesson, const InputEvent& event);

/// The numbers of the application on show, as a release prints them: inversorText, pappusText, steinerText or
/// ptolemyText.
std::string numbersText(const Lesson& lesson);

/// What the lesson shows: k and O, the application's figure (the given in blue, images in red, aids dashed in dark
/// green), the steps of its reasoning shown, the ring of the chosen handle and the labels, placed for the view.
Picture lessonPicture(const Lesson& lesson);

/// The list of what a frame of the figure draws, with the arrows towards an image out of sight; for a file, cut to
/// the view.
std::vector<DrawnItem> lessonDrawList(const Lesson& lesson, bool forFile);

/// How heavily the window draws, and its labels' height (figureStrokeSizes, figureLabelHeight).
StrokeSizes lessonStrokeSizes(const Lesson& lesson);
double lessonLabelHeight(const Lesson& lesson);

/// What the page shows beside the figure: the case sentence last printed and, while the reasoning is shown, the
/// sentence of its step shown, on a line of its own.
std::string panelText(const Lesson& lesson);

/// The band's lines in a window width pixels wide: panelText, the numbers and the keys, wrapped; after the key h,
/// panelText and the help.
std::vector<std::string> bandLines(const Lesson& lesson, int width, const CharacterWidth& advance);
