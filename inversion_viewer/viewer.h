// viewer.h
// The window, its camera set up in OpenGL (in the browser handed to the WebGL back end as a matrix), and the entry that
// every program shares: one for a program that shows a fixed figure, one for a program that answers the pointer and
// the keys.
#pragma once

#include "camera.h"
#include "explorer/input.h"
#include "language.h"
#include "task.h"

#include <string>

constexpr int windowX = 100;
constexpr int windowY = 50;

/// The entry of a program that shows one fixed figure: builds its scene (buildProgramScene), opens the window with
/// the title and runs the GLUT main loop. The camera is framed once on SceneBounds; the key s saves the figure as
/// shown, named after the program (argv[0]), into the current directory (saveFigure); no other key does anything. A
/// task that refuses its input opens no window: the program waits for one character on standard input and returns 1.
int runProgram(int argc, char** argv, const char* title, Task task);

/// What a program's page shows beside and for its figure.
struct PageState {
    std::string description;  ///< the figure in words, read on demand
    std::string panel;        ///< the text of the panel beside the figure
    std::string announcement; ///< what changed with the last input, said once
    std::string link;         ///< the figure as the page's address keeps it (after #), or empty
    std::string record;       ///< the work done so far, for a learning platform to keep, or empty
    int settled = 0;          ///< of the exercises in the record, those with their last verdict
    int percent = 0;          ///< their points as a percentage of the whole set's, rounded half up
};

/// The callbacks of a program that answers the pointer and the keys. Pointer positions are in the pixels of the
/// window from its top-left corner, over the band too.
struct Interaction {
    Camera view;                 ///< the first view, set up before the first reshape
    void (*start)() = nullptr;   ///< once k's radius is set, before the window opens
    void (*display)() = nullptr; ///< draws a frame of the figure
    void (*reshape)(int width, int height) = nullptr;
    /// the one way in for input: the pointer, the wheel, two fingers, the keys and the arrows, as events of the figure
    void (*input)(const InputEvent& event) = nullptr;
    void (*displayBand)() = nullptr;    ///< natively: draws the band along the window's bottom
    PageState (*pageState)() = nullptr; ///< on the page: what it shows beside the figure
    void (*pagePointer)(double drawingPerCss, bool finger) = nullptr; ///< on the page: said at each press
    void (*pageScale)(double drawingPerCss) = nullptr;                ///< on the page: said when the canvas is sized
    void (*languageChosen)() = nullptr; ///< on the page: another language was chosen (programLanguage)
};

/// The entry of a program that answers the pointer and the keys: sets k's radius, starts the program, opens the window
/// with the title and the view, registers the callbacks (natively with a band window along the bottom, whose pointer
/// and keys are the figure's) and runs the GLUT main loop.
int runProgram(int argc, char** argv, const char* title, const Interaction& interaction);

/// Natively: the band along the window's bottom, height pixels tall (0 hides it), placed anew when resized, and drawn
/// anew. Nothing on the page, which has no band.
void showBand(int height, bool resized);

/// On the page: what the program's page shows (the ten programs: their figure in words).
PageState pageState();

/// The language a program that answers a person speaks: natively the one the environment asks for, from the
/// variables' names alone (environmentLanguage: no installed locale is needed); on the page the one the page chose,
/// the plain form until it says. The ten programs always print their plain texts.
Language programLanguage();

/// On the page: the language chosen, at the start (before main) and whenever the reader chooses another.
void pageLanguageChosen(Language language);

/// On the page: the press that is about to come, by a finger or not, on a canvas of drawingPerCss drawing pixels per
/// CSS pixel.
void pagePointer(double drawingPerCss, bool finger);

/// On the page: the canvas's drawing buffer is now width x height pixels, drawingPerCss of them to a CSS pixel. The
/// window is reshaped as natively, and drawn at once.
void pageResized(int width, int height, double drawingPerCss);

/// On the page: two fingers on the canvas (Interaction::pinch).
void pagePinched(int x, int y, double factor, bool first);

/// On the page: notches of the wheel at the pixel (x, y) of the window, up positive, as the wheel's buttons 3 (up) and
/// 4 (down) natively.
void pageWheelTurned(int x, int y, int notches);

/// The reshape callback: the viewport fills the window under a 45-degree projection of the window's
/// aspect. A height of 0 is taken as 1. It records the size for shownWindowSize.
void reshapeViewport(int width, int height);

/// Draws the next frames with the camera into the part of the window width x height pixels from the row bottom
/// (counted from the window's bottom edge) up: natively the viewport, the projection and the view; in the browser
/// the WebGL matrix. The near and far planes lie at half and twice the camera's distance, so that the plane stays
/// between them at any zoom.
void useCamera(const Camera& camera, int width, int height, int bottom = 0);

/// A window's size in pixels.
struct WindowSize {
    int width = windowWidth;
    int height = windowHeight;
};

/// The size the last reshape gave the window (height 0 taken as 1); windowWidth x windowHeight before the first.
WindowSize shownWindowSize();
