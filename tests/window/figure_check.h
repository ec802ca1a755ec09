// figure_check.h
// What a window should show, worked out from the scene's numbers and the camera alone, and the checks that
// compare it with a frame read back from the window.
#pragma once

#include "program_table.h"
#include "xharness.h"

#include <string>
#include <vector>

/// Colours as a frame shows them.
const Pixel blackPixel{0, 0, 0};
const Pixel bluePixel{0, 0, 255};
const Pixel redPixel{255, 0, 0};
const Pixel greenPixel{0, 255, 0};
/// The dark green of the explorer's dashed constructions.
const Pixel constructionPixel{0, 128, 0};

/// The pixel of a colour code, and the code of a pixel colour (red, green, blue or black).
Pixel pixelOf(int colour);
int colourOf(Pixel pixel);

TableShape circleShape(double x, double y, double radius, Pixel colour);
TableShape lineShape(double x, double y, double dx, double dy, Pixel colour, bool hidden = false);
TableShape dotShape(double x, double y, Pixel colour, bool hidden = false);

/// Where a scene point lands in a window: column and row from the top-left corner, in pixels.
struct Spot {
    double column = 0.0;
    double row = 0.0;
};

/// The camera looks face-on at the middle of the box from twice its larger extent, under a 45-degree
/// vertical field of view filling the window's height.
struct View {
    double cx = 0.0;
    double cy = 0.0;
    double pixelsPerUnit = 0.0;
    int width = 0;
    int height = 0;
};

View viewOf(const Figure& figure, int width, int height);
Spot project(const View& view, double x, double y);

/// Pixels of about the colour within reach pixels of the pixel that holds the spot.
int countNear(const Image& frame, Spot s, int reach, Pixel colour);

/// Checks the frame against the figure with gtest expectations; label names the program in messages.
void expectFigure(const Image& frame, const Figure& figure, const std::string& label);

/// Checks that an anti-aliased picture of the same size shows what the frame shows, colour by colour (black, blue,
/// red): every pixel of the frame in one of them has a pixel of the picture within 2 pixels that mostly shows it,
/// and every pixel of the picture that mostly shows one has a pixel of that colour in the frame within 2 pixels.
void expectSameDrawing(const Image& frame, const Image& picture, const std::string& label);
