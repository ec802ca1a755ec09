// explorer.h
// The explorer's state and its answers to input: one record holds what is shown and what the pointer is doing, one
// event enters one function, and what happened comes back as effects (lines to print, what to announce, whether to
// draw again) for the program to carry out. No OpenGL, no printing.
#pragma once

#include "figure.h"
#include "input.h"
#include "view.h"

#include <string>

/// The radius of the ring around the chosen handle, in scene units: beyond a handle's dot and its label's corner.
constexpr float ringRadius = 0.3f;

/// What the explorer shows and what it is doing.
struct Explorer {
    GivenFigure figures[4] = {startFigure(FigureKind::PointFigure), startFigure(FigureKind::LineFigure),
                              startFigure(FigureKind::CircleFigure), startFigure(FigureKind::AngleFigure)};
    FigureKind current = FigureKind::PointFigure;
    FigureCase shownCase = FigureCase::PointInside; ///< the case last printed
    int steps = 0;                                  ///< steps of the construction shown
    int chosen = 0;    ///< the handle that the arrows and a click elsewhere move: the first when a figure is shown
    bool ring = false; ///< whether the chosen handle has its ring: once the keys n or arrows or a click chose it
    Gesture gesture = Gesture::Idle;
    int taken = -1; ///< the handle a press took, or -1 for a press away from the handles
    int pressX = 0; ///< where the press was, in the figure's pixels
    int pressY = 0;
    bool moved = false;                              ///< whether the drag under way has moved its handle
    GivenFigure figureBefore;                        ///< the figure when the press under way was made
    int stepsBefore = 0;                             ///< and the steps of its construction then shown
    Point panFrom;                                   ///< while panning, the scene point held under the pointer
    FigureCase caseBefore = FigureCase::PointInside; ///< the case when the gesture under way began
    Camera view = startView();                       ///< what part of the plane the figure shows
    FigureArea area;                                 ///< the figure's size in the window
    bool bandShown = true;                           ///< the band with the lesson under the figure (key t)
    bool helpShown = false;                          ///< the band shows the help (key h) until the next input
    double cssScale = 1.0;    ///< drawing pixels per CSS pixel of the canvas, as the page says when it sizes the canvas
                              ///< and at each press (1 natively)
    bool finger = false;      ///< whether the page's last press was a finger's: its reach and zones are wider
    std::string announcement; ///< what the last event changed, until the page has read it
    Language language = Language::Plain; ///< what it speaks (key j: the next one)
};

/// The figure on show.
const GivenFigure& currentFigure(const Explorer& explorer);

/// The explorer as it opens: the point figure, its case printed.
Effects startExplorer(Explorer& explorer);

/// The explorer speaks the language from now on (the key j: the next one), and says the case in it.
Effects chooseLanguage(Explorer& explorer, Language language);

/// The one way in for input.
Effects handleEvent(Explorer& explorer, const InputEvent& event);

/// The explorer's page, to whose address a figure's link adds # and its text.
constexpr const char* explorerPage = "inversion_explorer.html";

/// The line the key l prints: the explorer's page, #, and the link's text of the figure on show, its view and the
/// steps of its construction shown.
std::string explorerLinkLine(const Explorer& explorer);

/// The explorer as it opens from a link's text (the option --slika): the figure, its view and its steps (no more
/// than its construction has), its case printed. A text that is no link prints one line, "Greska: ..." naming what
/// is wrong, and the explorer opens as startExplorer opens it.
Effects openExplorerLink(Explorer& explorer, const std::string& text);

/// What the explorer shows: k and O, the figure and its handles, its image, the steps of its construction shown,
/// the arcs of the angles, the ring of the chosen handle, and the labels, placed for the view.
Picture explorerPicture(const Explorer& explorer);

/// The list of what a frame of the figure draws, with the arrows towards an image out of sight; for a file, cut to
/// the view.
std::vector<DrawnItem> explorerDrawList(const Explorer& explorer, bool forFile);

/// How heavily the explorer's window draws: its lines, the image's lines, its dots and its arrows (strokeSizesFor
/// the whole window's height), and on a page never less, in CSS pixels, than the first size's in drawing pixels.
StrokeSizes explorerStrokeSizes(const Explorer& explorer);

/// The height of the explorer's labels, in drawing pixels (labelHeightFor the whole window's height), and on a page
/// never less than labelHeightPixels CSS pixels.
double explorerLabelHeight(const Explorer& explorer);

/// What the explorer's page shows beside the figure: the case sentence last printed and, while a construction is
/// shown, the sentence of its step shown, on a line of its own.
std::string panelText(const Explorer& explorer);

/// The line a release prints for the point P other than O: "P(1.00, 3.00)  P'(2.50, 7.50)  |OP| * |OP'| = 25.00".
std::string measurementText(Point p);

/// The line a release prints for the two lines through X: "Ugao u X: 60.3 stepeni, ugao u X': 60.3 stepeni"; for X at
/// O, which has no image, "Ugao u X: 60.3 stepeni"; in the language.
std::string anglesText(const GivenFigure& figure, Language language);
