// frame_bench.cpp
// One measured run for bench/run: starts a program with the frame shim preloaded on a given X display, and
// prints the seconds from its start to its first frame on screen, its resident peak then (kB), and the median
// seconds of one repaint (from the frame's glClear to its swap) over repaints asked for by Expose events.
// With --drag X Y it drags what lies at the window's pixel (X, Y) instead, with the left button held, and prints
// the median seconds from a motion event to the swap of its frame, the same from an Expose event (a bare repaint
// of the same window), both again counted from when the program takes the event from its queue, the resident size
// after 100 and after 10,000 motion events (kB), and the clock ticks of CPU it uses in the seconds after the button
// is released. With --key K it types the key K (digits, letters and the brackets, whose keysyms are their characters;
// several keys one after another) first, to show another figure or application, the band or a construction, or to
// change a count.
// With --random SEED it sends MOTIONS random keys (arrows with and without Shift, n, the digits 1 to 4, every letter
// but q, which ends the program) and clicks, and prints whether the program still runs, its resident size after 100
// and after all of them (kB); then it types s, so that the figure of the store is saved where it runs.
#include "xharness.h"

#include <X11/keysym.h>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <fstream>
#include <functional>
#include <iterator>
#include <random>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

struct FrameLog {
    std::string renderer;
    double firstShown = -1.0;
    long peakKiB = -1;
    std::vector<double> frameSeconds; ///< each frame, from its glClear to its swap
    std::vector<double> frameShown;   ///< each frame, when its swap returned
    std::vector<double> eventTaken;   ///< each frame, when the program last took an event before it
};

// Reads the lines the shim has added since the last call (the file only grows).
void readNewLines(std::ifstream& in, FrameLog& log) {
    in.clear();
    std::string line;
    std::streampos start = in.tellg();
    while (std::getline(in, line)) {
        if (in.eof()) { // a line still being written: read it again next time
            break;
        }
        start = in.tellg();
        std::istringstream fields(line);
        std::string kind;
        fields >> kind;
        if (kind == "renderer") {
            std::getline(fields >> std::ws, log.renderer);
        } else if (kind == "first") {
            fields >> log.firstShown >> log.peakKiB;
        } else if (kind == "frame") {
            double begun = 0.0;
            double shown = 0.0;
            double taken = 0.0;
            if (fields >> begun >> shown >> taken) {
                log.frameSeconds.push_back(shown - begun);
                log.frameShown.push_back(shown);
                log.eventTaken.push_back(taken);
            }
        }
    }
    in.clear();
    in.seekg(start);
}

int fail(const char* why, Child& child) {
    std::fprintf(stderr, "frame_bench: %s\n", why);
    killChild(child);
    return 1;
}

// The median of the values (which it reorders).
double median(std::vector<double> values) {
    std::nth_element(values.begin(), values.begin() + long(values.size() / 2), values.end());
    return values[values.size() / 2];
}

// Waits until the shim has logged a frame drawn after the program took an event later than sent; false after the
// timeout. A frame that answers an earlier event (a press that picks a handle up is drawn too) is passed over, so
// that each event is timed to its own frame and never to the one before it.
bool waitForFrameAfter(std::ifstream& in, FrameLog& log, double sent, double timeoutSeconds) {
    const double until = now() + timeoutSeconds;
    readNewLines(in, log);
    while ((log.eventTaken.empty() || log.eventTaken.back() <= sent) && now() < until) {
        pause(0.0002);
        readNewLines(in, log);
    }
    return !log.eventTaken.empty() && log.eventTaken.back() > sent;
}

// Seconds from each of count events, sent one at a time, to the swap of the frame it caused: from the moment it is
// sent, and (received, when given) from the moment the program takes it from its queue.
std::vector<double> eventToFrame(std::ifstream& in, FrameLog& log, int count, const std::function<void(int)>& send,
                                 std::vector<double>* received = nullptr) {
    std::vector<double> seconds;
    for (int i = 0; i < count; ++i) {
        const double sent = now();
        send(i);
        if (!waitForFrameAfter(in, log, sent, 10.0)) {
            break;
        }
        seconds.push_back(log.frameShown.back() - sent);
        if (received) {
            received->push_back(log.frameShown.back() - log.eventTaken.back());
        }
    }
    return seconds;
}

// Sends count random keys and clicks, each inside the window, so that its keys reach it.
void randomStorm(Display* x, Window window, Child& child, std::ifstream& in, FrameLog& log, int count, long seed) {
    static const unsigned long arrows[] = {XK_Left, XK_Right, XK_Up, XK_Down};
    const WindowPlace place = windowPlace(x, window);
    std::mt19937 random(static_cast<std::mt19937::result_type>(seed));
    const auto below = [&](int n) { return int(random() % unsigned(n)); };
    long after100 = -1;
    for (int i = 0; i < count; ++i) {
        movePointer(x, window, below(place.width), below(place.height));
        const int kind = below(10);
        if (kind < 3) {
            typeKey(x, arrows[below(4)], below(2) == 1);
        } else if (kind < 4) {
            typeKey(x, 'n');
        } else if (kind < 6) {
            const int key = below(29); // the digits 1 to 4 and the 25 letters but q
            typeKey(x, key < 4 ? '1' + key : key - 4 < 'q' - 'a' ? 'a' + key - 4 : 'a' + key - 3);
        } else { // a click, sometimes pulled a little before it is let go
            pressButton(x, 1, true);
            if (kind == 9) {
                movePointer(x, window, below(place.width), below(place.height));
            }
            pressButton(x, 1, false);
        }
        if (i % 50 == 49) { // let the program take what was sent, so that its queue does not swell
            eventToFrame(in, log, 1, [&](int) { exposeWindow(x, window); });
        }
        if (i + 1 == 100) {
            after100 = statusKiB(child.pid, "VmRSS");
        }
    }
    eventToFrame(in, log, 1, [&](int) { exposeWindow(x, window); });
    const long afterAll = statusKiB(child.pid, "VmRSS");
    int status = 0;
    const bool running = !childEnded(child, &status);
    if (running) {
        typeKey(x, 's');
        pause(1.0);
        closeWindow(x, window);
        waitChild(child, 20.0, &status);
    }
    std::printf("%d %ld %ld\n", running ? 1 : 0, after100, afterAll);
}

} // namespace

int main(int argc, char** argv) {
    int dragX = -1;
    int dragY = -1;
    std::string firstKeys;
    long seed = -1;
    if (argc > 2 && std::string(argv[1]) == "--key") {
        firstKeys = argv[2];
        argv += 2;
        argc -= 2;
    }
    if (argc > 2 && std::string(argv[1]) == "--random") {
        seed = std::atol(argv[2]);
        argv += 2;
        argc -= 2;
    }
    if (argc > 3 && std::string(argv[1]) == "--drag") {
        dragX = std::atoi(argv[2]);
        dragY = std::atoi(argv[3]);
        argv += 3;
        argc -= 3;
    }
    if (argc < 5) {
        std::fprintf(stderr,
                     "usage: %s [--key K] [--random SEED | --drag X Y] DISPLAY SHIM PROGRAM REPAINTS|MOTIONS "
                     "[PROGRAM ARGUMENTS...]\n",
                     argv[0]);
        return 2;
    }
    const std::string display = argv[1];
    const int count = std::atoi(argv[4]);
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
    // What the program prints goes nowhere: a pipe left unread would stop it once full.
    const int nowhere = open("/dev/null", O_WRONLY);
    Child child = startChildWritingTo(nowhere, argv[3], std::vector<std::string>(argv + 5, argv + argc), display);
    close(nowhere);
    unsetenv("LD_PRELOAD");

    std::ifstream in(logPath);
    FrameLog log;
    const double deadline = started + 60.0;
    while (log.firstShown < 0.0 && now() < deadline) {
        pause(0.0005);
        readNewLines(in, log);
    }
    if (log.firstShown < 0.0) {
        return fail("no first frame", child);
    }
    const Window window = findNamedWindow(x);
    if (!window) {
        return fail("no window", child);
    }
    // Let the start-up repaints settle, then ask for each repaint alone.
    pause(0.3);
    readNewLines(in, log);
    const std::size_t startFrames = log.frameSeconds.size();
    const auto expose = [&](int) { exposeWindow(x, window); };
    if (!firstKeys.empty()) {
        const WindowPlace place = windowPlace(x, window);
        movePointer(x, window, place.width / 2, place.height / 2); // the key goes to the window under the pointer
        for (const char key : firstKeys) {
            eventToFrame(in, log, 1, [&](int) { typeKey(x, (unsigned char)key); });
        }
    }

    if (seed >= 0) {
        randomStorm(x, window, child, in, log, count, seed);
    } else if (dragX < 0) {
        eventToFrame(in, log, count, expose);
        closeWindow(x, window);
        int status = 0;
        if (!waitChild(child, 20.0, &status)) {
            return fail("did not end", child);
        }
        const std::vector<double> repaints(log.frameSeconds.begin() + long(startFrames), log.frameSeconds.end());
        if (int(repaints.size()) < count) {
            std::fprintf(stderr, "frame_bench: %zu of %d repaints\n", repaints.size(), count);
            return fail("repaints missing", child);
        }
        std::printf("%.6f %ld %.6f %s\n", log.firstShown - started, log.peakKiB, median(repaints),
                    log.renderer.c_str());
    } else {
        // The baseline: as many bare repaints of the same window as there are timed motions. Then a hand drags
        // what lies at (X, Y) back and forth by 5 pixels, so that every motion moves it and is drawn: 100 motions,
        // then the timed ones, then on to 10,000.
        std::vector<double> bareReceived;
        const std::vector<double> bare = eventToFrame(in, log, count, expose, &bareReceived);
        movePointer(x, window, dragX, dragY);
        pressButton(x, 1, true);
        const auto motion = [&](int i) { movePointer(x, window, dragX + (i % 2 == 0 ? 5 : -5), dragY); };
        const int warmUp = 100;
        const int total = 10000;
        const std::size_t warmedUp = eventToFrame(in, log, warmUp, motion).size();
        const long after100 = statusKiB(child.pid, "VmRSS");
        std::vector<double> movedReceived;
        const std::vector<double> moved = eventToFrame(in, log, count, motion, &movedReceived);
        const std::size_t rest = eventToFrame(in, log, total - warmUp - count, motion).size();
        const long after10000 = statusKiB(child.pid, "VmRSS");
        if (warmedUp + moved.size() + rest < std::size_t(total)) {
            return fail("a motion was not drawn", child);
        }
        pressButton(x, 1, false);
        pause(1.0);
        const long ticks = cpuTicks(child.pid);
        pause(3.0);
        const long idleTicks = cpuTicks(child.pid) - ticks;
        closeWindow(x, window);
        int status = 0;
        if (!waitChild(child, 20.0, &status)) {
            return fail("did not end", child);
        }
        if (int(moved.size()) < count || int(bare.size()) < count) {
            return fail("frames missing", child);
        }
        std::printf("%.6f %.6f %.6f %.6f %ld %ld %ld\n", median(moved), median(bare), median(movedReceived),
                    median(bareReceived), after100, after10000, idleTicks);
    }
    killChild(child);
    closeDisplay(x);
    unlink(logPath.c_str());
    return 0;
}
