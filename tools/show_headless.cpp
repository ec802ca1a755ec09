// show_headless.cpp
// Shows a program on a private virtual display, saves its first frame as a PNG (or has the program save its
// figure, with the key s) and closes its window. With --keys, the frame is taken after those keys were typed. For
// machines without a desktop; the program runs unchanged and its console text goes to this console.
#include "xharness.h"

#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <sys/wait.h>

// Presses s in the window and passes on what the program prints until its line about the files has come.
static bool saveFigure(Display* display, Window window, Child& child) {
    movePointer(display, window, 10, 10);
    typeKey(display, 's');
    std::string text;
    const double deadline = now() + 30.0;
    // The line about the files has come when one of its two beginnings is followed by a line break.
    auto answered = [&text] {
        for (const char* start : {"Sacuvano: ", "Greska: "}) {
            const std::size_t at = text.find(start);
            if (at != std::string::npos && text.find('\n', at) != std::string::npos) {
                return true;
            }
        }
        return false;
    };
    while (!answered() && now() < deadline) {
        text += readOutput(child, 0.2);
    }
    std::fputs(text.c_str(), stdout);
    return answered() && text.find("Sacuvano: ") != std::string::npos;
}

int main(int argc, char** argv) {
    // show_headless --figure DIRECTORY PROGRAM [ARGUMENTS...] runs PROGRAM in DIRECTORY and presses s there;
    // show_headless --keys KEYS PROGRAM OUTPUT.png types each character of KEYS before it takes the frame.
    const bool figure = argc > 1 && std::strcmp(argv[1], "--figure") == 0;
    const bool typed = argc > 2 && std::strcmp(argv[1], "--keys") == 0;
    const std::string keys = typed ? argv[2] : "";
    const char* const self = argv[0];
    if (typed) {
        argv += 2;
        argc -= 2;
    }
    const int first = figure ? 2 : 1;
    if (argc < first + 2) {
        std::fprintf(stderr,
                     "usage: %s [--keys KEYS] PROGRAM OUTPUT.png [ARGUMENTS...]\n"
                     "       %s --figure DIRECTORY PROGRAM [ARGUMENTS...]\n",
                     self, self);
        return 2;
    }
    std::string program = argv[first + (figure ? 1 : 0)];
    const std::string output = argv[first + (figure ? 0 : 1)];
    const std::vector<std::string> args(argv + first + 2, argv + argc);
    if (figure) {
        // The program starts in DIRECTORY, so a relative path to it must be made absolute first.
        char resolved[PATH_MAX];
        if (!realpath(program.c_str(), resolved)) {
            std::fprintf(stderr, "show_headless: no program %s\n", program.c_str());
            return 2;
        }
        program = resolved;
    }

    VirtualDisplay screen = startVirtualDisplay();
    Display* display = screen.name.empty() ? nullptr : openDisplay(screen.name);
    if (!display) {
        std::fprintf(stderr, "show_headless: could not start a virtual X display (is Xvfb installed?)\n");
        stopVirtualDisplay(screen);
        return 2;
    }
    Child child = figure ? startChild(program, args, screen.name, true, ChildInput::Inherit, false, output)
                         : startChild(program, args, screen.name, false, ChildInput::Inherit);

    int status = 0;
    bool ended = false;
    Window window = 0;
    const double deadline = now() + 60.0;
    while (!window && !(ended = childEnded(child, &status)) && now() < deadline) {
        window = findNamedWindow(display);
        pause(0.02);
    }
    bool saved = false;
    if (window) {
        Image frame;
        bool shown = waitForFrame(display, window, backgroundPixel, 60.0, &frame);
        if (shown && !keys.empty()) {
            movePointer(display, window, 10, 10);
            for (const char key : keys) {
                typeKey(display, static_cast<unsigned char>(key));
            }
            shown = waitForFrame(display, window, backgroundPixel, 60.0, &frame);
        }
        if (figure) {
            saved = shown && saveFigure(display, window, child);
        } else if (shown && writePng(output, frame)) {
            saved = true;
            std::printf("\nSaved the window to %s\n", output.c_str());
        }
        if (!saved) {
            std::fprintf(stderr, "\nshow_headless: no %s could be saved\n", figure ? "figure" : "frame");
        }
        std::fflush(stdout);
        closeWindow(display, window);
        ended = waitChild(child, 10.0, &status);
    }
    if (!ended) {
        killChild(child);
        status = 1 << 8;
    }
    closeDisplay(display);
    stopVirtualDisplay(screen);
    if (figure && status == 0 && !saved) {
        return 1;
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : 1;
}
