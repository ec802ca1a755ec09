// xharness.h
// Running a program on a virtual X display and looking at its window as a person would: find it, read back
// what it shows, close it the way a window manager does. Used by the headless runner, the gallery and the tests.
#pragma once

#include <cstdint>
#include <string>
#include <sys/types.h>
#include <vector>

// The X types, declared as Xlib declares them, so that users of this header do not get Xlib's macros.
typedef struct _XDisplay Display;
typedef unsigned long Window;

/// A private X server (Xvfb) started for one run.
struct VirtualDisplay {
    pid_t pid = -1;
    std::string name; ///< e.g. ":12", for DISPLAY
};

/// Starts Xvfb on a free display with one screen of the given size; name is empty on failure.
VirtualDisplay startVirtualDisplay(int width = 1600, int height = 1200);
void stopVirtualDisplay(VirtualDisplay& display);

/// A started program: its pid, and the read end of its standard output (or -1 when it was inherited).
struct Child {
    pid_t pid = -1;
    int out = -1;
    int in = -1; ///< write end of its standard input, or -1
};

/// How the child's standard input is connected: inherited, at end of input (/dev/null), a pipe, or closed.
enum class ChildInput { Inherit, AtEnd, Pipe, Closed };

/// Starts path with argv[0] = path and the given extra arguments. display, when not empty, becomes DISPLAY;
/// otherwise DISPLAY is removed. captureOutput makes standard output a pipe; mergeError sends standard error
/// into the same pipe (otherwise it is inherited). workingDirectory, when not empty, is the child's current
/// directory (a relative path is then taken from there, so pass an absolute one).
Child startChild(const std::string& path, const std::vector<std::string>& args, const std::string& display,
                 bool captureOutput, ChildInput input = ChildInput::AtEnd, bool mergeError = false,
                 const std::string& workingDirectory = "");

/// Starts path like startChild, with its standard output on the given descriptor (a file or a terminal, which
/// the caller keeps and closes); standard error is inherited.
Child startChildWritingTo(int output, const std::string& path, const std::vector<std::string>& args,
                          const std::string& display, ChildInput input = ChildInput::AtEnd);

/// Reads what the child has written so far, waiting at most timeoutSeconds for the first byte.
std::string readOutput(Child& child, double timeoutSeconds);

/// Waits for the child to end; returns true and its wait status, or false after the timeout.
bool waitChild(Child& child, double timeoutSeconds, int* status);

/// Kills the child if it still runs and reaps it; closes its pipes.
void killChild(Child& child);

/// Whether the child has ended (reaping it if so).
bool childEnded(Child& child, int* status);

/// A connection to the display, or nullptr; closeDisplay ends it.
Display* openDisplay(const std::string& name);
void closeDisplay(Display* display);

/// The first top-level window whose name is title, or 0.
Window findWindow(Display* display, const char* title);

/// Counts the top-level windows whose name is title.
int countWindows(Display* display, const char* title);

/// The window's title: its UTF-8 name (_NET_WM_NAME) where it has one, else its WM_NAME; empty for none.
std::string windowTitle(Display* display, Window window);

/// All top-level windows whose name is title, in stacking order from the bottom.
std::vector<Window> findWindows(Display* display, const char* title);

/// A window's place on the screen: its top-left corner and its size, in pixels.
struct WindowPlace {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

WindowPlace windowPlace(Display* display, Window window);

/// Asks for a new size, as a user dragging the window's corner does.
void resizeWindow(Display* display, Window window, int width, int height);

/// Asks for a repaint of the whole window, as uncovering it does (an Expose event).
void exposeWindow(Display* display, Window window);

/// An RGB image, rows from the top.
struct Image {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> rgb;
};

/// The red, green and blue bytes of a pixel.
struct Pixel {
    int r = 0;
    int g = 0;
    int b = 0;
};

/// The background of every frame: the clear colour (0.9, 0.9, 0.8) as Mesa writes it in 8 bits.
const Pixel backgroundPixel{230, 230, 204};

inline Pixel pixelAt(const Image& image, int x, int y) {
    const std::size_t i = (std::size_t(y) * image.width + x) * 3;
    return Pixel{image.rgb[i], image.rgb[i + 1], image.rgb[i + 2]};
}

/// What the window shows now.
Image grabWindow(Display* display, Window window);

/// Waits until the window shows a finished frame that the program drew after this call: the window is first
/// painted over with a colour no program draws and repainted (an Expose event), and a frame counts once none of
/// that colour is left and its corner pixel is the background. Two such frames in a row, each drawn after a fresh
/// mark, must agree, so that a frame drawn while the program still had earlier events (a resize) to handle is not
/// taken. Returns false after the timeout.
bool waitForFrame(Display* display, Window window, Pixel background, double timeoutSeconds, Image* frame);

/// The first top-level window that has a name, or 0: on a private display, the window of the one program on it.
Window findNamedWindow(Display* display);

/// Moves the pointer to the pixel (x, y) of the window, counted from its top-left corner, as a person moving the
/// mouse does (through the XTEST extension, so the program gets real pointer events).
void movePointer(Display* display, Window window, int x, int y);

/// Presses (down) or releases a mouse button (1 is the left one) where the pointer is.
void pressButton(Display* display, int button, bool down);

/// Presses and releases the key of an X keysym (a digit or a lower-case letter is its own keysym) in the window
/// under the pointer; with shift, while Shift is held.
void typeKey(Display* display, unsigned long keysym, bool shift = false);

/// Asks the window to close, as a window manager does (WM_DELETE_WINDOW).
void closeWindow(Display* display, Window window);

/// A field of /proc/<pid>/status (VmRSS, VmHWM ...), in kB, or -1.
long statusKiB(pid_t pid, const std::string& field);

/// User and system time of the whole process, all its threads, in clock ticks.
long cpuTicks(pid_t pid);

/// Seconds on a monotonic clock.
double now();

/// Sleeps for the given seconds (a poll interval, never the only wait).
void pause(double seconds);

bool writePng(const std::string& path, const Image& image);
bool readPng(const std::string& path, Image* image);
