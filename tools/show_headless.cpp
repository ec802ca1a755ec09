// show_headless.cpp
// Shows a program on a private virtual display, saves its first frame as a PNG and closes its window.
// For machines without a desktop; the program runs unchanged and its console text goes to this console.
#include "xharness.h"

#include <cstdio>
#include <sys/wait.h>

// The background of every frame, (0.9, 0.9, 0.8) in 8 bits.
static const Pixel background{229, 229, 204};

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s PROGRAM OUTPUT.png [ARGUMENTS...]\n", argv[0]);
        return 2;
    }
    const std::string program = argv[1];
    const std::string output = argv[2];
    const std::vector<std::string> args(argv + 3, argv + argc);

    VirtualDisplay screen = startVirtualDisplay();
    Display* display = screen.name.empty() ? nullptr : openDisplay(screen.name);
    if (!display) {
        std::fprintf(stderr, "show_headless: could not start a virtual X display (is Xvfb installed?)\n");
        stopVirtualDisplay(screen);
        return 2;
    }
    Child child = startChild(program, args, screen.name, false, ChildInput::Inherit);

    int status = 0;
    bool ended = false;
    Window window = 0;
    const double deadline = now() + 60.0;
    while (!window && !(ended = childEnded(child, &status)) && now() < deadline) {
        window = findNamedWindow(display);
        pause(0.02);
    }
    if (window) {
        Image frame;
        if (waitForFrame(display, window, background, 60.0, &frame) && writePng(output, frame)) {
            std::printf("\nSaved the window to %s\n", output.c_str());
        } else {
            std::fprintf(stderr, "\nshow_headless: no frame could be saved\n");
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
    return WIFEXITED(status) ? WEXITSTATUS(status) : 1;
}
