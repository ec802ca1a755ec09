// frame_bench.cpp
// One measured run for bench/run: starts a program with the frame shim preloaded on a given X display, and
// prints the seconds from its start to its first frame on screen, its resident peak then (kB), and the median
// seconds of one repaint (from the frame's glClear to its swap) over repaints asked for by Expose events.
#include "xharness.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

const char* const title = "Geometrija - prikaz zadatka";

struct FrameLog {
    std::string renderer;
    double firstShown = -1.0;
    long peakKiB = -1;
    std::vector<double> frameSeconds; ///< each frame, from its glClear to its swap
};

FrameLog readLog(const std::string& path) {
    FrameLog log;
    std::ifstream in(path);
    std::string line;
    while (std::getline(in, line)) {
        std::istringstream fields(line);
        std::string kind;
        fields >> kind;
        if (kind == "renderer") {
            std::getline(fields >> std::ws, log.renderer);
        } else if (kind == "first") {
            fields >> log.firstShown >> log.peakKiB;
        } else if (kind == "frame") {
            double start = 0.0;
            double shown = 0.0;
            if (fields >> start >> shown) {
                log.frameSeconds.push_back(shown - start);
            }
        }
    }
    return log;
}

int fail(const char* why, Child& child) {
    std::fprintf(stderr, "frame_bench: %s\n", why);
    killChild(child);
    return 1;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 5) {
        std::fprintf(stderr, "usage: %s DISPLAY SHIM PROGRAM REPAINTS [PROGRAM ARGUMENTS...]\n", argv[0]);
        return 2;
    }
    const std::string display = argv[1];
    const int repaints = std::atoi(argv[4]);
    const char* tmp = std::getenv("TMPDIR");
    std::string logPath = std::string(tmp ? tmp : "/tmp") + "/frame_bench_XXXXXX";
    close(mkstemp(logPath.data()));
    Display* x = openDisplay(display);
    if (!x) {
        std::fprintf(stderr, "frame_bench: cannot open display %s\n", display.c_str());
        return 1;
    }

    // Only the child gets the shim.
    setenv("FRAME_LOG", logPath.c_str(), 1);
    setenv("LD_PRELOAD", argv[2], 1);
    const double started = now();
    Child child = startChild(argv[3], std::vector<std::string>(argv + 5, argv + argc), display, true);
    unsetenv("LD_PRELOAD");

    FrameLog log;
    const double deadline = started + 60.0;
    while ((log = readLog(logPath)).firstShown < 0.0 && now() < deadline) {
        pause(0.0005);
    }
    if (log.firstShown < 0.0) {
        return fail("no first frame", child);
    }
    const Window window = findWindow(x, title);
    if (!window) {
        return fail("no window", child);
    }
    // Let the start-up repaints settle, then ask for each repaint alone.
    pause(0.3);
    const std::size_t startFrames = readLog(logPath).frameSeconds.size();
    for (int i = 0; i < repaints; ++i) {
        const std::size_t before = readLog(logPath).frameSeconds.size();
        exposeWindow(x, window);
        const double until = now() + 10.0;
        while (readLog(logPath).frameSeconds.size() == before && now() < until) {
            pause(0.0005);
        }
    }
    log = readLog(logPath);
    closeWindow(x, window);
    int status = 0;
    if (!waitChild(child, 20.0, &status)) {
        return fail("did not end", child);
    }
    killChild(child);
    closeDisplay(x);
    unlink(logPath.c_str());

    std::vector<double> repaintSeconds(log.frameSeconds.begin() + long(startFrames), log.frameSeconds.end());
    if (int(repaintSeconds.size()) < repaints) {
        std::fprintf(stderr, "frame_bench: %zu of %d repaints\n", repaintSeconds.size(), repaints);
        return 1;
    }
    std::nth_element(repaintSeconds.begin(), repaintSeconds.begin() + long(repaintSeconds.size() / 2),
                     repaintSeconds.end());
    std::printf("%.6f %ld %.6f %s\n", log.firstShown - started, log.peakKiB, repaintSeconds[repaintSeconds.size() / 2],
                log.renderer.c_str());
    return 0;
}
