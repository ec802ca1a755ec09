// robustness_test.cpp
// What a person relies on without noticing: a program survives a storm of resizes and repaints without growing,
// sits still while nothing happens, and writes the same bytes to a terminal, a file and a pipe.
#include "program_cases.h"
#include "x_session.h"

#include <algorithm>
#include <cstdlib>
#include <fcntl.h>
#include <fstream>
#include <iterator>
#include <pty.h>
#include <random>
#include <sstream>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

namespace {

// The storm: this many events, resizes and whole-window repaints in turn; memory is first read after
// stormWarmUp of them, once every buffer size the storm needs has been met.
const int stormEvents = 600;
const int stormWarmUp = 50;
// Allocators keep a little of what was freed; a buffer leaked per resize is megabytes.
const double residentGrowthAllowed = 1.05;
// A measurement can straddle one clock tick of work done just before it started.
const long idleTicksAllowed = 1;
const double idleSeconds = 3.0;
#ifdef __SANITIZE_ADDRESS__
// AddressSanitizer holds freed memory back in quarantine, so under it the resident size grows by design.
const bool residentSizeIsMeaningful = false;
#else
const bool residentSizeIsMeaningful = true;
#endif

struct Size {
    int width = 0;
    int height = 0;
};

// Waits until the process has used no CPU for several polls in a row: it has handled what was sent to it.
bool waitUntilQuiet(pid_t pid, double timeoutSeconds) {
    const double deadline = now() + timeoutSeconds;
    long last = cpuTicks(pid);
    for (int quiet = 0; now() < deadline;) {
        pause(0.1);
        const long ticks = cpuTicks(pid);
        quiet = ticks == last ? quiet + 1 : 0;
        last = ticks;
        if (quiet == 3) {
            return true;
        }
    }
    return false;
}

// Resizes the window, waits until the program has caught up and drawn, and reads the frame.
Image settledFrame(Child& child, Window window, Size size) {
    resizeWindow(testDisplay, window, size.width, size.height);
    const double deadline = now() + 60.0;
    Image frame;
    while (now() < deadline) {
        const WindowPlace place = windowPlace(testDisplay, window);
        if (place.width == size.width && place.height == size.height && waitUntilQuiet(child.pid, 30.0) &&
            waitForFrame(testDisplay, window, backgroundPixel, 30.0, &frame) && frame.width == size.width &&
            frame.height == size.height) {
            return frame;
        }
        pause(0.05);
    }
    return Image{};
}

// A program that answers a person also gets the pointer and the keys in the storm: moves in and out of the window,
// presses and releases of every button anywhere, and keys in any order but those that end it.
void pointerAndKeys(Window window, std::minstd_rand& random) {
    const char keys[] = "1234rhik[]0x ";
    switch (random() % 4) {
    case 0:
        pressButton(testDisplay, int(1 + random() % 5), random() % 2 == 0);
        break;
    case 1:
        typeKey(testDisplay, (unsigned char)keys[random() % (sizeof keys - 1)]);
        break;
    default:
        movePointer(testDisplay, window, int(random() % 2400) - 200, int(random() % 1800) - 200);
    }
}

class EventStorm : public testing::TestWithParam<ProgramCase> {};

TEST_P(EventStorm, SurvivesResizesAndRepaintsWithoutGrowingAndStillDrawsItsFigure) {
    const ProgramCase& c = GetParam();
    const bool answering = c.answers;
    // glibc's allocator otherwise raises its mmap threshold after the first large buffer is freed and keeps
    // later ones in the heap for reuse; with a fixed threshold each freed window buffer goes back at once, and
    // what stays resident is what the program holds.
    setenv("MALLOC_MMAP_THRESHOLD_", "131072", 1);
    ChildGuard guard{startChild(programPath(c.name), {}, testScreen.name, true)};
    unsetenv("MALLOC_MMAP_THRESHOLD_");
    const Window window = waitForWindow(guard.child, 60.0, nullptr, c.title);
    ASSERT_NE(window, 0u);
    Image frame;
    ASSERT_TRUE(waitForFrame(testDisplay, window, backgroundPixel, 60.0, &frame)) << "no first frame";

    // The extremes first, then sizes all over the range between them.
    std::vector<Size> sizes{{1, 1}, {2000, 1500}};
    std::minstd_rand random(1);
    while (int(sizes.size()) < stormEvents / 2) {
        sizes.push_back({int(1 + random() % 2000), int(1 + random() % 1500)});
    }
    auto storm = [&](int first, int end) {
        for (int i = first; i < end; ++i) {
            if (i % 2 == 0) {
                resizeWindow(testDisplay, window, sizes[i / 2].width, sizes[i / 2].height);
            } else {
                exposeWindow(testDisplay, window);
            }
            if (answering) {
                pointerAndKeys(window, random);
                readOutput(guard.child, 0.0); // what it prints must not fill the pipe and stall it
            }
            pause(0.001); // about as fast as a window manager sends them while a corner is dragged
        }
        for (int button = 1; button <= 5; ++button) {
            pressButton(testDisplay, button, false);
        }
    };
    // Memory is compared at one size, so that the window's own buffers weigh the same both times; no taller than the
    // first size, where the explorer's dots are the programs' 4 pixels.
    const Size settled{1300, 700};

    storm(0, stormWarmUp);
    if (answering) { // every figure, with all its steps, its other picture, its most circles and the help, once
        for (const char* keys : {"1kkkk", "2kkkki]]]]]]]", "3kkkki]]]]]]]]]]]]]]]]]", "4kkkkh"}) {
            for (const char* key = keys; *key; ++key) {
                typeKey(testDisplay, (unsigned char)*key);
            }
        }
    }
    ASSERT_GT(settledFrame(guard.child, window, settled).width, 0) << "no frame after the first events";
    const long before = statusKiB(guard.child.pid, "VmRSS");
    storm(stormWarmUp, stormEvents);
    if (answering) { // back to the figure and the view it started with
        movePointer(testDisplay, window, 10, 10);
        typeKey(testDisplay, '1');
        typeKey(testDisplay, 'r');
        typeKey(testDisplay, '0');
        ASSERT_TRUE(hideBand(window, &frame));
    }
    frame = settledFrame(guard.child, window, settled);
    int status = 0;
    ASSERT_FALSE(childEnded(guard.child, &status)) << "ended during the storm";
    ASSERT_GT(frame.width, 0) << "no frame after the storm";
    expectFigure(frame, c.figure, std::string(c.name) + " after the storm");
    const long after = statusKiB(guard.child.pid, "VmRSS");
    if (residentSizeIsMeaningful) {
        EXPECT_LE(double(after), double(before) * residentGrowthAllowed)
            << "resident memory grew from " << before << " kB to " << after << " kB";
    }

    closeWindow(testDisplay, window);
    ASSERT_TRUE(waitChild(guard.child, 20.0, &status));
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
}

std::vector<ProgramCase> stormPrograms() {
    std::vector<ProgramCase> programs{programGiving(circleShape(3, 0, 3, bluePixel))};
    programs.insert(programs.end(), answeringPrograms.begin(), answeringPrograms.end());
    return programs;
}

INSTANTIATE_TEST_SUITE_P(CircleProgramAndAnsweringPrograms, EventStorm, testing::ValuesIn(stormPrograms()),
                         [](const testing::TestParamInfo<ProgramCase>& info) { return std::string(info.param.name); });

TEST(Idle, NoProgramUsesCpuWhileItsWindowJustStands) {
    // All nine and the programs that answer a person at once, each shown and drawn, then watched over the same
    // seconds.
    std::vector<ProgramCase> programs = windowPrograms;
    programs.insert(programs.end(), answeringPrograms.begin(), answeringPrograms.end());
    std::vector<ChildGuard> guards(programs.size());
    std::vector<Window> shown;
    for (std::size_t i = 0; i < programs.size(); ++i) {
        const char* name = programs[i].name;
        guards[i].child = startChild(programPath(name), {}, testScreen.name, true);
        Window window = 0;
        int status = 0;
        const double deadline = now() + 60.0;
        while (!window && now() < deadline && !childEnded(guards[i].child, &status)) {
            for (Window w : findWindows(testDisplay, programs[i].title)) {
                window = std::find(shown.begin(), shown.end(), w) == shown.end() ? w : window;
            }
            pause(0.01);
        }
        ASSERT_NE(window, 0u) << name << ": no window";
        shown.push_back(window);
        Image frame;
        ASSERT_TRUE(waitForFrame(testDisplay, window, backgroundPixel, 60.0, &frame)) << name << ": no frame";
    }
    std::vector<long> before;
    for (const ChildGuard& guard : guards) {
        before.push_back(cpuTicks(guard.child.pid));
    }
    pause(idleSeconds);
    for (std::size_t i = 0; i < guards.size(); ++i) {
        EXPECT_LE(cpuTicks(guards[i].child.pid) - before[i], idleTicksAllowed) << programs[i].name;
    }
}

enum class Channel { Terminal, File, Pipe };

const char* channelName(Channel channel) {
    return channel == Channel::Terminal ? "terminal" : channel == Channel::File ? "file" : "pipe";
}

// Runs the program with its standard output on the channel, closes its window when it appears, and returns
// every byte it wrote there, with its wait status.
std::string consoleBytes(const char* name, Channel channel, int* status) {
    ChildGuard guard;
    int file = -1;
    if (channel == Channel::Pipe) {
        guard.child = startChild(programPath(name), {}, testScreen.name, true);
    } else if (channel == Channel::Terminal) {
        int terminal = -1;
        int program = -1;
        if (openpty(&terminal, &program, nullptr, nullptr, nullptr) != 0) {
            return "(no pseudo-terminal)";
        }
        // Bytes pass unchanged: no "\n" to "\r\n" on the way out.
        termios mode{};
        tcgetattr(program, &mode);
        cfmakeraw(&mode);
        tcsetattr(program, TCSANOW, &mode);
        fcntl(terminal, F_SETFD, FD_CLOEXEC);
        guard.child = startChildWritingTo(program, programPath(name), {}, testScreen.name);
        close(program);
        guard.child.out = terminal; // read like a pipe; closed with the guard
    } else {
        std::string path = testing::TempDir() + "console_bytes_XXXXXX";
        file = mkostemp(path.data(), O_CLOEXEC);
        unlink(path.c_str());
        guard.child = startChildWritingTo(file, programPath(name), {}, testScreen.name);
    }

    std::string bytes;
    bool ended = false;
    if (const Window window = waitForWindow(guard.child, 60.0, status)) {
        closeWindow(testDisplay, window);
    } else {
        ended = guard.child.pid < 0;
    }
    const double deadline = now() + 20.0;
    while (!ended && !(ended = childEnded(guard.child, status)) && now() < deadline) {
        bytes += readOutput(guard.child, 0.05);
    }
    if (!ended) {
        return "(still running)";
    }
    bytes += readOutput(guard.child, 0.5);
    if (file >= 0) {
        char buffer[4096];
        ssize_t n = 0;
        for (off_t at = 0; (n = pread(file, buffer, sizeof buffer, at)) > 0; at += n) {
            bytes.append(buffer, std::size_t(n));
        }
        close(file);
    }
    return bytes;
}

struct ConsoleCase {
    const char* name;
    const char* text;
    int exitStatus;
};

std::vector<ConsoleCase> consoleCases() {
    std::vector<ConsoleCase> cases{{atCentreName, atCentreText, 1}};
    for (const ProgramCase& c : windowPrograms) {
        cases.push_back({c.name, c.text, 0});
    }
    return cases;
}

void PrintTo(const ConsoleCase& c, std::ostream* out) {
    *out << c.name;
}

class Console : public testing::TestWithParam<ConsoleCase> {};

TEST_P(Console, WritesItsTextByteForByteToATerminalAFileAndAPipe) {
    const ConsoleCase& c = GetParam();
    for (Channel channel : {Channel::Terminal, Channel::File, Channel::Pipe}) {
        int status = 0;
        EXPECT_EQ(consoleBytes(c.name, channel, &status), c.text) << channelName(channel);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == c.exitStatus) << channelName(channel);
    }
}

INSTANTIATE_TEST_SUITE_P(TenPrograms, Console, testing::ValuesIn(consoleCases()),
                         [](const testing::TestParamInfo<ConsoleCase>& info) { return std::string(info.param.name); });

TEST(PointAtCentre, EndsWithStatusOneAtOnceWhenItsInputIsClosed) {
    ChildGuard guard{startChild(programPath(atCentreName), {}, testScreen.name, true, ChildInput::Closed)};
    int status = 0;
    ASSERT_TRUE(waitChild(guard.child, 10.0, &status)) << "blocks with its input closed";
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 1);
    EXPECT_EQ(readOutput(guard.child, 1.0), atCentreText);
}

} // namespace
