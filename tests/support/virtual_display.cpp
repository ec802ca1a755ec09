// virtual_display.cpp
// Starts a private virtual X display (Xvfb) on a free display number, the way the window tests and the headless
// runner do, prints its name (":N") on a line of its own once it accepts connections, and stops it when asked to end
// (SIGTERM, SIGINT or SIGHUP) or when the process that started this command ends. For the scripts that need a
// display: the package test and the benchmark.
// Usage: virtual_display [WIDTHxHEIGHT]   (default 1600x1200)
#include "xharness.h"

#include <csignal>
#include <cstdio>
#include <sys/prctl.h>
#include <sys/signalfd.h>
#include <unistd.h>

int main(int argc, char** argv) {
    int width = 1600;
    int height = 1200;
    if (argc > 2 || (argc == 2 && (std::sscanf(argv[1], "%dx%d", &width, &height) != 2 || width <= 0 || height <= 0))) {
        std::fprintf(stderr, "Usage: virtual_display [WIDTHxHEIGHT]\n");
        return 2;
    }
    // The ending signals are read from a descriptor rather than handled, so that the display is always stopped; the
    // end of the starting process is one of them.
    const pid_t starter = getppid();
    sigset_t ending;
    sigemptyset(&ending);
    for (int signal : {SIGTERM, SIGINT, SIGHUP}) {
        sigaddset(&ending, signal);
    }
    sigprocmask(SIG_BLOCK, &ending, nullptr);
    const int signals = signalfd(-1, &ending, SFD_CLOEXEC);
    prctl(PR_SET_PDEATHSIG, SIGTERM);
    if (signals < 0 || getppid() != starter) {
        return 1;
    }

    VirtualDisplay display = startVirtualDisplay(width, height);
    if (display.name.empty()) {
        std::fprintf(stderr, "virtual_display: could not start Xvfb\n");
        return 1;
    }
    std::printf("%s\n", display.name.c_str());
    std::fflush(stdout);

    signalfd_siginfo received;
    while (read(signals, &received, sizeof received) < 0) {
    }
    stopVirtualDisplay(display);
    return 0;
}
