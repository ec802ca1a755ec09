// viewer.h
// The window, the camera framed on the scene, and the entry that every program shares.
#pragma once

#include "scene.h"

#include <string>

/// Title of the window of every program.
constexpr const char* windowTitle = "Geometrija - prikaz zadatka";
constexpr int windowWidth = 1024;
constexpr int windowHeight = 700;
constexpr int windowX = 100;
constexpr int windowY = 50;
/// Vertical field of view in degrees of the projection every frame is drawn with.
constexpr double fieldOfView = 45.0;
/// Radius of the circle of inversion k.
constexpr float circleOfInversionRadius = 5.0f;

/// The camera, computed once from SceneBounds: it looks face-on at (cx, cy) from distance d.
struct Camera {
    float cx = 0.0f;      ///< centre of the box, x
    float cy = 0.0f;      ///< centre of the box, y
    float extentX = 0.0f; ///< maxX + |minX|, the box's width while minX <= 0
    float extentY = 0.0f; ///< maxY + |minY|, the box's height while minY <= 0
    float d = 0.0f;       ///< twice the larger extent
};

/// The camera that frames the box.
Camera frameCamera(const Bounds& box);

/// Scene units per pixel of a window height under the camera: every frame shows 2 d tan(22.5 deg) units from the
/// bottom of the window to its top.
double unitsPerPixel(const Camera& camera, int height);

/// The scene point under the centre of the pixel (x, y), counted from the window's top-left corner.
Point sceneOfPixel(const Camera& camera, int width, int height, int x, int y);

/// The program's own task: prints its explanation and adds its objects. Each program that uses the
/// common entry provides it.
void buildTask();

/// Writes a console text verbatim and flushes it, so that it is on the console before the program goes on.
void writeText(const char* text);

/// A number with exactly the given decimals (0 to 6), as printf's %.*f writes it, rounded half away from zero and
/// without a minus sign on a number that shows as zero; written digit by digit, so that no program needs printf's
/// formatting for it. Beyond 10^12 (far off any figure) the number is held at 10^12.
std::string decimalText(double value, int decimals);

/// Everything writeText has written so far, in order: the program's explanation, for a figure's description.
const std::string& writtenText();

/// Registers k (centre inversionCentre, radius inversionRadius) and O, both in Black. It does not set the
/// radius: the caller sets inversionRadius first, or k is registered with radius 0.
void registerCircleOfInversion();

/// The entry's scene-building steps: k and O, then the task. No window is opened.
void buildScene();

/// Opens the window with the given title, sets up the camera's projection and view, and returns; the caller
/// registers its callbacks and runs the GLUT main loop.
void openWindow(int argc, char** argv, const char* title, const Camera& camera);

/// Opens the window, frames the camera on SceneBounds and runs the GLUT main loop. The key s saves the figure as
/// shown, named after the program (argv[0]), into the current directory (saveFigure); no other key does anything.
void startViewer(int argc, char** argv);

/// The reshape callback: the viewport fills the window under a 45-degree projection of the window's
/// aspect. A height of 0 is taken as 1. It records the size for shownWindowSize.
void reshapeViewport(int width, int height);

/// A window's size in pixels.
struct WindowSize {
    int width = windowWidth;
    int height = windowHeight;
};

/// The size the last reshape gave the window (height 0 taken as 1); windowWidth x windowHeight before the first.
WindowSize shownWindowSize();
