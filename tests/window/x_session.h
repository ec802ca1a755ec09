// x_session.h
// One private virtual X display for a whole test program, and the window-level checks the tests share.
#pragma once

#include "program_cases.h"
#include "xharness.h"

#include <gtest/gtest.h>
#include <set>
#include <string>

/// The display every test of the program uses; set up before the first test by the main of every window test
/// program, which this library provides.
extern VirtualDisplay testScreen;
extern Display* testDisplay;

// Bound to the title, which the table of programs gives once the tests start.
static const char* const& expectedTitle = programTitle;

/// A started child that is killed when the test leaves its scope, however it leaves.
struct ChildGuard {
    Child child;
    ~ChildGuard() { killChild(child); }
};

/// A new empty directory for one program to write into; removed with what is in it when it goes out of scope.
struct ScratchDirectory {
    std::string path;
    ScratchDirectory();
    ~ScratchDirectory();
    /// Every name in it, hidden ones included.
    std::set<std::string> names() const;
};

/// The contents of a file.
std::string fileText(const std::string& path);

/// What the program prints until it has printed size bytes, and whatever more comes soon after.
std::string readText(Child& child, std::size_t size);

/// Polls for the program's window, by its title, while the program runs; 0 when it ended (its wait status then goes
/// to status, when given) or time ran out.
Window waitForWindow(Child& child, double timeoutSeconds, int* status = nullptr, const char* title = expectedTitle);

/// The SVG drawn by librsvg at the given size, as a person's viewer would show it; an empty image when it cannot be.
Image renderSvg(const std::string& svg, const std::string& png, int width = 1024, int height = 700);

/// Types t in the explorer's window, which takes its band with the lesson away, and waits for the frame without it:
/// the figure in the whole window, as its page shows it and as the table of programs gives its first frame. False
/// when no such frame comes.
bool hideBand(Window window, Image* frame);

/// Resizes the program's window and waits for the frame it draws at the new size; an empty image when none comes.
Image frameAtSize(Child& child, Window window, int width, int height);

/// Drags with the left button from one pixel of the window to another in eight steps, as a hand does.
void dragPointer(Window window, Spot from, Spot to);

/// The frame, once it shows what is asked of it: the program has handled the events sent before.
template <class Ready> Image frameWhen(Window window, Ready ready) {
    Image frame;
    const double deadline = now() + 30.0;
    while (now() < deadline && !(waitForFrame(testDisplay, window, backgroundPixel, 30.0, &frame) && ready(frame))) {
        pause(0.05);
    }
    return frame;
}
