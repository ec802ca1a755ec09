// x_session.cpp
#include "x_session.h"

#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fstream>
#include <iterator>
#include <sys/mount.h>
#include <unistd.h>

VirtualDisplay testScreen;
Display* testDisplay = nullptr;

namespace {
struct VirtualDisplayEnvironment : testing::Environment {
    void SetUp() override {
        testScreen = startVirtualDisplay(2100, 1600);
        ASSERT_FALSE(testScreen.name.empty()) << "Xvfb did not start";
        testDisplay = openDisplay(testScreen.name);
        ASSERT_NE(testDisplay, nullptr);
    }
    void TearDown() override {
        if (testDisplay) {
            closeDisplay(testDisplay);
        }
        stopVirtualDisplay(testScreen);
    }
};
} // namespace

ScratchDirectory::ScratchDirectory() {
    std::string pattern = testing::TempDir() + "figure_XXXXXX";
    path = mkdtemp(pattern.data()) ? pattern : "";
}

ScratchDirectory::~ScratchDirectory() {
    for (const std::string& name : names()) {
        unlink((path + "/" + name).c_str());
    }
    umount2(path.c_str(), MNT_DETACH); // when it was made read-only
    rmdir(path.c_str());
}

std::set<std::string> ScratchDirectory::names() const {
    std::set<std::string> found;
    if (DIR* dir = opendir(path.c_str())) {
        while (const dirent* entry = readdir(dir)) {
            if (std::strcmp(entry->d_name, ".") != 0 && std::strcmp(entry->d_name, "..") != 0) {
                found.insert(entry->d_name);
            }
        }
        closedir(dir);
    }
    return found;
}

std::string fileText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::string readText(Child& child, std::size_t size) {
    std::string text;
    const double deadline = now() + 30.0;
    while (text.size() < size && now() < deadline) {
        text += readOutput(child, 0.2);
    }
    return text + readOutput(child, 0.2);
}

Window waitForWindow(Child& child, double timeoutSeconds, int* status, const char* title) {
    const double deadline = now() + timeoutSeconds;
    int ignored = 0;
    while (now() < deadline) {
        if (const Window window = findWindow(testDisplay, title)) {
            return window;
        }
        if (childEnded(child, status ? status : &ignored)) {
            return 0;
        }
        pause(0.01);
    }
    return 0;
}

// The renderer is not under test: libraries preloaded into the programs (a sanitizer run) stay out of it.
Image renderSvg(const std::string& svg, const std::string& png, int width, int height) {
    Image image;
    const std::string command = "env -u LD_PRELOAD rsvg-convert -w " + std::to_string(width) + " -h " +
                                std::to_string(height) + " -o '" + png + "' '" + svg + "'";
    if (std::system(command.c_str()) == 0) {
        readPng(png, &image);
    }
    return image;
}

Image frameAtSize(Child& child, Window window, int width, int height) {
    resizeWindow(testDisplay, window, width, height);
    const double deadline = now() + 60.0;
    while (now() < deadline) {
        const WindowPlace place = windowPlace(testDisplay, window);
        // The window takes its new size before the program draws at it: the frame counts once the program has
        // used no CPU for three polls in a row.
        long ticks = cpuTicks(child.pid);
        for (int quiet = 0; quiet < 3 && now() < deadline;) {
            pause(0.1);
            const long before = ticks;
            ticks = cpuTicks(child.pid);
            quiet = ticks == before ? quiet + 1 : 0;
        }
        Image frame;
        if (place.width == width && place.height == height &&
            waitForFrame(testDisplay, window, backgroundPixel, 30.0, &frame) && frame.width == width &&
            frame.height == height) {
            return frame;
        }
    }
    return Image{};
}

// Every window test program runs its tests on one private display.
int main(int argc, char** argv) {
    // The explorer speaks the language its environment asks for: the programs under test get the plain form, as on a
    // machine in the C locale, unless a test asks for another.
    for (const char* variable : {"LANGUAGE", "LC_ALL", "LC_MESSAGES"}) {
        unsetenv(variable);
    }
    setenv("LANG", "C", 1);
    testing::InitGoogleTest(&argc, argv);
    testing::AddGlobalTestEnvironment(new VirtualDisplayEnvironment);
    return RUN_ALL_TESTS();
}

bool hideBand(Window window, Image* frame) {
    movePointer(testDisplay, window, 10, 10);
    typeKey(testDisplay, 't');
    // The band's white reaches the window's bottom left corner; the figure's background is never white.
    const double deadline = now() + 30.0;
    while (now() < deadline) {
        if (waitForFrame(testDisplay, window, backgroundPixel, 30.0, frame) &&
            pixelAt(*frame, 0, frame->height - 1).b == backgroundPixel.b) {
            return true;
        }
        pause(0.05);
    }
    return false;
}

void dragPointer(Window window, Spot from, Spot to) {
    const int x0 = int(from.column), y0 = int(from.row), x1 = int(to.column), y1 = int(to.row);
    movePointer(testDisplay, window, x0, y0);
    pressButton(testDisplay, 1, true);
    for (int step = 1; step <= 8; ++step) {
        movePointer(testDisplay, window, x0 + (x1 - x0) * step / 8, y0 + (y1 - y0) * step / 8);
        pause(0.01);
    }
    pressButton(testDisplay, 1, false);
}
