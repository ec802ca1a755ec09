// input.h
// What every program that answers a person shares: one input event, the effects an event has, the part of the window
// the figure takes, and the pointer's and the view's arithmetic that a press, a drag, the wheel and the zoom keys use.
// No OpenGL, no printing.
#pragma once

#include "camera.h"
#include "drawing.h"

#include <string>

/// A press and its release at most this many pixels apart (CSS pixels on the page) are a click, not a drag: a finger
/// that jitters does not move what it taps.
constexpr double clickPixels = 3.0;

/// Each notch of the wheel and each key + or - magnifies the view by this much.
constexpr double zoomStep = 1.25;

/// What the pointer is doing: nothing; pressed and not yet moved beyond a click (on a handle or away from the
/// handles); dragging a handle; holding the plane and moving the view; two fingers zooming the view and moving it.
enum class Gesture { Idle, Pressed, Dragging, Panning, Pinching };

/// The part of the window the figure is drawn in, in pixels: all of it but the band along its bottom.
struct FigureArea {
    int width = windowWidth;
    int height = windowHeight;
    int band = 0; ///< the band's rows under it: the window is height + band pixels tall
};

/// One input: a pointer event in the figure's pixels (from its top-left corner, kept inside it), a key, an arrow;
/// on a page, two fingers: PinchStart when they come down (it undoes what the first finger's press began), Pinch at
/// each move.
struct InputEvent {
    enum Kind { Press, Move, Release, Wheel, Key, Arrow, PinchStart, Pinch } kind = Key;
    int x = 0; ///< the pointer, or the fingers' middle, in the figure's pixels
    int y = 0;
    int notches = 0;     ///< Wheel: up (away from the user) positive, zooming in
    char key = 0;        ///< Key: the character typed (Escape 27)
    int dx = 0;          ///< Arrow: right positive, in steps
    int dy = 0;          ///< Arrow: up positive
    bool shift = false;  ///< Arrow: with Shift, steps of a whole unit instead of a tenth
    double factor = 1.0; ///< Pinch: how many times as far apart the fingers are as at the step before
};

/// What an event did, for the program to carry out.
struct Effects {
    std::string printed;      ///< the lines to print, in order, each ending with a line break
    std::string announcement; ///< what changed, for a screen reader to say once
    bool redraw = false;      ///< the figure changed
    bool save = false;        ///< the key s: save the figure as shown
    bool quit = false;        ///< q or Escape
};

/// Adds a text to what the effects print, as one line: a line break is added unless it ends with one.
void printLine(Effects& effects, const std::string& text);

/// Where the pointer is and how it reaches, for a figure shown through a view.
struct Pointing {
    const Camera& view;
    const FigureArea& area;
    double cssScale = 1.0; ///< drawing pixels per CSS pixel (1 natively)
    bool finger = false;   ///< the page's last press was a finger's

    /// Scene units per pixel of the figure.
    double scale() const;
    /// The units per pixel that the reach of a press and the snapping zones are measured in: a finger's are wider.
    double reach() const;
    /// The scene point under the pixel (x, y) of the figure, wherever it is.
    Point at(int x, int y) const;
    /// The scene point under the pointer, kept inside the figure so that a handle dragged out stays in reach.
    Point inside(int x, int y) const;
    /// Whether the pointer at (x, y) has left a press at (pressX, pressY) by more than a click allows.
    bool leftThePress(int pressX, int pressY, int x, int y) const;
};

/// The view after the wheel's notches about the pointer (up zooms in), or after the keys + (or =) and - about the
/// middle of the view; unchanged for any other key. Returns whether the event was one of them.
bool zoomed(Camera& view, const Pointing& pointing, const InputEvent& event);

/// How heavily a window of the explorer's kind draws: its lines, the image's lines, its dots and its arrows
/// (strokeSizesFor the whole window's height), and on a page never less, in CSS pixels, than the first size's in
/// drawing pixels.
StrokeSizes figureStrokeSizes(const FigureArea& area, double cssScale);

/// The height of its labels, in drawing pixels (labelHeightFor the whole window's height), and on a page never less
/// than labelHeightPixels CSS pixels.
double figureLabelHeight(const FigureArea& area, double cssScale);
