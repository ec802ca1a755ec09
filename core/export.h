// export.h
// The figure a window shows, as an SVG picture of the window and as a TikZ picture for LaTeX, written from the list
// the one walk gives (walk.h), so that the files and the window cannot disagree.
#pragma once

#include "sentences.h"
#include "walk.h"

#include <string>
#include <vector>

/// A printed figure is this many centimetres wide.
constexpr double tikzWidthCm = 12.0;

/// The SVG picture of a window of width x height pixels whose file frame (fileFrame) is given: its viewBox is the
/// visible rectangle (y up in the plane, down in SVG), its size the window's, so that at that size every object lies
/// on the pixels the frame gives it. title and description become its <title> and <desc>.
std::string figureSvg(const std::vector<DrawnItem>& items, const WalkFrame& frame, int width, int height,
                      const char* title, const char* description);

/// The same figure as a tikzpicture for plain LaTeX with the tikz package: scene units scaled so that the visible
/// rectangle is tikzWidthCm wide, clipped to it, on white paper (no background).
std::string figureTikz(const std::vector<DrawnItem>& items, const WalkFrame& frame);

/// The base name of a program's path, argv[0]: what follows the last '/'; "figure" when that is empty.
std::string figureBaseName(const char* programPath);

/// Writes figureSvg and figureTikz into the current directory as <name>.svg and <name>.tex, or, numbered, as
/// <name>-N.svg and <name>-N.tex with the first N for which neither exists (an existing file is never replaced).
/// Each file is written whole under a temporary name beside it and only then given its name, so a failure leaves
/// no partial file. Prints one line, "Sacuvano: <a>.svg, <a>.tex" or "Greska: <file>: <reason>", on a line of its
/// own, in the language (the ten programs' always plain). In the browser the two files are offered as downloads
/// instead. Returns whether both were written.
bool saveFigure(const std::string& name, bool numbered, const std::vector<DrawnItem>& items, const WalkFrame& frame,
                int width, int height, const char* title, const char* description, Language language = Language::Plain);
