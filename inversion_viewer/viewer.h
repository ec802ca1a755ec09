// viewer.h
// The window, its camera set up in OpenGL (in the browser handed to the WebGL back end as a matrix), and the entry that
// every program shares.
#pragma once

#include "camera.h"
#include "task.h"

/// Title of the window of every program.
constexpr const char* windowTitle = "Geometrija - prikaz zadatka";
constexpr int windowX = 100;
constexpr int windowY = 50;

/// Opens the window with the given title, sets up the camera's projection and view, and returns; the caller
/// registers its callbacks and runs the GLUT main loop.
void openWindow(int argc, char** argv, const char* title, const Camera& camera);

/// Opens the window, frames the camera on SceneBounds and runs the GLUT main loop. The key s saves the figure as
/// shown, named after the program (argv[0]), into the current directory (saveFigure); no other key does anything.
void startViewer(int argc, char** argv);

/// The entry of a program that shows one fixed figure: builds its scene (buildProgramScene) and shows it. A task
/// that refuses its input opens no window: the program waits for one character on standard input and returns 1.
int runProgram(int argc, char** argv, Task task);

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
