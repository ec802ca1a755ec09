// export.h
// The figure a window shows, as an SVG picture of the window and as a TikZ picture for LaTeX, written from the
// scene store by the same rules the renderer follows, so that the files and the window cannot disagree.
#pragma once

#include "camera.h"
#include "drawing.h"
#include "labels.h"
#include "scene.h"

#include <string>
#include <vector>

/// A printed figure is this many centimetres wide.
constexpr double tikzWidthCm = 12.0;

/// The rectangle a window of width x height pixels shows under the camera: centred on (cx, cy), d tan(22.5 deg)
/// above and below the centre (the 45-degree projection at distance d), and the window's aspect times that to
/// either side. Sizes below 1 are taken as 1.
VisibleRect visibleRect(const Camera& camera, int width, int height);

/// One thing a frame draws, in scene units, in the colour the renderer draws it in.
struct DrawnItem {
    enum Kind {
        Outline, ///< a circle's outline: centre (x, y), radius (never negative)
        Stroke,  ///< a straight piece from (x, y) to (x2, y2), already cut to the visible rectangle
        Dot,     ///< a square of dotSize pixels centred on (x, y)
    } kind = Dot;
    double x = 0.0;
    double y = 0.0;
    double x2 = 0.0;
    double y2 = 0.0;
    double radius = 0.0;
    ColourCode colour = Black; ///< always a code with a palette colour (paletteColour)
};

/// What a frame of the given size draws from the store, in the renderer's order (circles, lines, segments with
/// their end dots, a run (continuesRun) with dots at its two ends only, points), leaving out what cannot reach the
/// visible rectangle. A record whose code lies outside 0..9 takes the colour of the record drawn before it, as OpenGL's
/// current colour carries over; before any colour that is White.
std::vector<DrawnItem> drawnItems(const Camera& camera, int width, int height);

/// The SVG picture of a window of width x height pixels: its viewBox is the visible rectangle (y up in the plane,
/// down in SVG), its size the window's, so that at that size every object lies on the pixels the frame gives it.
/// title and description become its <title> and <desc>. The labels, drawn over the figure as the window draws
/// them, come last.
std::string figureSvg(const Camera& camera, int width, int height, const char* title, const char* description,
                      const std::vector<Label>& labels = {});

/// The same figure as a tikzpicture for plain LaTeX with the tikz package: scene units scaled so that the visible
/// rectangle is tikzWidthCm wide, clipped to it, on white paper (no background).
std::string figureTikz(const Camera& camera, int width, int height, const std::vector<Label>& labels = {});

/// The base name of a program's path, argv[0]: what follows the last '/'; "figure" when that is empty.
std::string figureBaseName(const char* programPath);

/// Writes figureSvg and figureTikz into the current directory as <name>.svg and <name>.tex, or, numbered, as
/// <name>-N.svg and <name>-N.tex with the first N for which neither exists (an existing file is never replaced).
/// Each file is written whole under a temporary name beside it and only then given its name, so a failure leaves
/// no partial file. Prints one line, "Sacuvano: <a>.svg, <a>.tex" or "Greska: <file>: <reason>", on a line of its
/// own. In the browser the two files are offered as downloads instead. Returns whether both were written.
bool saveFigure(const std::string& name, bool numbered, const Camera& camera, int width, int height, const char* title,
                const char* description, const std::vector<Label>& labels = {});
