// practice.h
// A set of exercises as a student works through it: one record holds the set, the exercise on show, its tries and
// the points so far, the answer's handles and what the pointer is doing; one event enters one function, and what
// happened comes back as effects for the program to carry out, as in the explorer. No OpenGL, no printing.
#pragma once

#include "exercises.h"
#include "explorer/band.h"
#include "explorer/input.h"
#include "explorer/view.h"

#include <array>
#include <string>
#include <vector>

/// A set worked through.
struct Practice {
    int set = firstSet; ///< the set's number
    std::array<Exercise, exerciseCount> exercises = exerciseSet(firstSet);
    int current = 0;                               ///< the exercise on show, from 0
    int tries = 0;                                 ///< checks of it so far: 0, 1 or 2
    bool settled = false;                          ///< it has its last verdict: right, or wrong at the second check
    std::array<double, exerciseCount> points = {}; ///< of each exercise settled
    std::array<Point, 2> handles = {answerStarts[0], answerStarts[1]}; ///< where the answer's handles are
    int choice = 0;    ///< in ImageShape, the answer chosen (1 to 4), or 0 before one is
    int chosen = 0;    ///< the handle that the arrows and a click elsewhere move: the first when an exercise starts
    bool ring = false; ///< whether the chosen handle has its ring: once the keys n or arrows or a click chose it
    Gesture gesture = Gesture::Idle;
    int taken = -1; ///< the handle a press took, or -1 for a press away from the handles
    int pressX = 0; ///< where the press was, in the figure's pixels
    int pressY = 0;
    bool moved = false;        ///< whether the drag under way has moved its handle
    Point takenFrom;           ///< where that handle was when it was pressed
    Point panFrom;             ///< while panning or pinching, the scene point held under the pointer
    Camera view = startView(); ///< what part of the plane the figure shows
    FigureArea area;           ///< the figure's size in the window
    bool bandShown = true;     ///< the band under the figure (key t)
    bool helpShown = false;    ///< the band shows the help (key h) until the next input
    Check last;                ///< the last check of the exercise on show, once it is checked (a seventh checked
                               ///< without a choice: not right, no hint)
    bool answerShown = false;  ///< the true answer is drawn: after a second wrong check
    double cssScale = 1.0;     ///< drawing pixels per CSS pixel of the canvas (1 natively)
    bool finger = false;       ///< whether the page's last press was a finger's
    std::string announcement;  ///< what the last event changed, until the page has read it
    Language language = Language::Plain; ///< what it speaks (key j: the next one)
};

/// The number of a set as the option --skup gives it: decimal digits only, from firstSet to lastSet; 0 for any other
/// text.
int readSetNumber(const std::string& text);

/// The practice as it opens: the set the option's text names (the first set when the option is absent, a null
/// pointer) at its first exercise, whose prompt is printed. A text that names no set prints one line, "Greska: ...",
/// and the first set opens.
Effects openPractice(Practice& practice, const char* setOption);

/// The exercises of the set that have their last verdict.
int settledCount(const Practice& practice);

/// The work on the set so far, as a learning platform keeps it between visits: the set's number, ~, and the points of
/// each exercise settled in halves, "17~210" for set 17 with 1, 0.5 and 0 points so far.
std::string practiceRecord(const Practice& practice);

/// The practice resumed from its record: the set, the points of the exercises settled and the first one not settled
/// started, its prompt printed; with every exercise settled, the last one's score printed again. A text that is not
/// a record changes nothing and gives false.
bool resumePractice(Practice& practice, const std::string& record, Effects& effects);

/// The practice speaks the language from now on (the key j: the next one), and gives the prompt again in it.
Effects choosePracticeLanguage(Practice& practice, Language language);

/// The one way in for input: Enter checks, Space goes on after the last verdict of an exercise, n and the arrows,
/// the pointer, 1 to 4 in the seventh, r, h, j, t, s, q, Escape, and the view's keys, wheel and fingers as in the
/// explorer.
Effects handlePracticeEvent(Practice& practice, const InputEvent& event);

/// The prompt of an exercise, the number-th of the set, as it is printed when it starts.
std::string promptText(const Exercise& exercise, int number, Language language);

/// What the practice shows: k and O in black, what is given in blue, the answer's handles and the circle or line they
/// fix in the construction's dark green (placed by the student, never snapped), the ring of the chosen handle, and
/// after a second wrong check the true answer in red; the labels placed for the view.
Picture practicePicture(const Practice& practice);

/// The list of what a frame of the figure draws, with the arrows towards an answer out of sight; for a file, cut to
/// the view.
std::vector<DrawnItem> practiceDrawList(const Practice& practice, bool forFile);

/// What the page shows beside the figure: the prompt, the verdict and what to do next, or the score at the end.
std::string practicePanelText(const Practice& practice);

/// The band's lines in a window width pixels wide: practicePanelText, the answer as it stands with the points so far,
/// and the keys, wrapped; after the key h, practicePanelText and the help.
std::vector<std::string> practiceBandLines(const Practice& practice, int width, const CharacterWidth& advance);
