// xharness.cpp
#include "xharness.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>
#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <fstream>
#include <iterator>
#include <png.h>
#include <poll.h>
#include <sstream>
#include <sys/wait.h>
#include <unistd.h>

long statusKiB(pid_t pid, const std::string& field) {
    std::ifstream in("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(in, line)) {
        if (line.compare(0, field.size() + 1, field + ":") == 0) {
            return std::atol(line.c_str() + field.size() + 1);
        }
    }
    return -1;
}

long cpuTicks(pid_t pid) {
    std::ifstream in("/proc/" + std::to_string(pid) + "/stat");
    const std::string stat{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    // The command name is in parentheses and may hold spaces; the state, field 3, follows it. utime and stime
    // are fields 14 and 15.
    std::istringstream fields(stat.substr(stat.rfind(')') + 1));
    std::string field;
    long ticks = 0;
    for (int i = 3; i <= 15 && fields >> field; ++i) {
        ticks += i >= 14 ? std::atol(field.c_str()) : 0;
    }
    return ticks;
}

double now() {
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return double(t.tv_sec) + double(t.tv_nsec) * 1e-9;
}

void pause(double seconds) {
    timespec t{};
    t.tv_sec = time_t(seconds);
    t.tv_nsec = long((seconds - double(t.tv_sec)) * 1e9);
    nanosleep(&t, nullptr);
}

// A window can vanish between two requests (its program ends); such an error must not end the caller.
static int ignoreXError(Display*, XErrorEvent*) {
    return 0;
}

VirtualDisplay startVirtualDisplay(int width, int height) {
    VirtualDisplay result;
    int fds[2];
    if (pipe(fds) != 0) {
        return result;
    }
    const std::string screen = std::to_string(width) + "x" + std::to_string(height) + "x24";
    const std::string fd = std::to_string(fds[1]);
    const pid_t pid = fork();
    if (pid == 0) {
        close(fds[0]);
        // The X server is not under test: libraries preloaded into the programs (a sanitizer run) stay out.
        unsetenv("LD_PRELOAD");
        // It takes SIGTERM from stopVirtualDisplay, whatever signals its starter keeps blocked.
        sigset_t none;
        sigemptyset(&none);
        sigprocmask(SIG_SETMASK, &none, nullptr);
        const int devNull = open("/dev/null", O_RDWR);
        dup2(devNull, 0);
        dup2(devNull, 1);
        dup2(devNull, 2);
        execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", screen.c_str(), "-nolisten", "tcp",
               static_cast<char*>(nullptr));
        _exit(127);
    }
    close(fds[1]);
    if (pid < 0) {
        close(fds[0]);
        return result;
    }
    // Xvfb writes the number of the display it took once it accepts connections.
    std::string number;
    const double deadline = now() + 30.0;
    pollfd p{fds[0], POLLIN, 0};
    while (now() < deadline && number.find('\n') == std::string::npos) {
        if (poll(&p, 1, 200) > 0) {
            char buffer[32];
            const ssize_t n = read(fds[0], buffer, sizeof buffer);
            if (n <= 0) {
                break;
            }
            number.append(buffer, std::size_t(n));
        }
    }
    close(fds[0]);
    result.pid = pid;
    if (number.find('\n') == std::string::npos) {
        stopVirtualDisplay(result);
        return result;
    }
    result.name = ":" + number.substr(0, number.find('\n'));
    XSetErrorHandler(ignoreXError);
    return result;
}

void stopVirtualDisplay(VirtualDisplay& display) {
    if (display.pid > 0) {
        kill(display.pid, SIGTERM);
        int status = 0;
        const double deadline = now() + 10.0;
        while (waitpid(display.pid, &status, WNOHANG) == 0) {
            if (now() > deadline) {
                kill(display.pid, SIGKILL);
                waitpid(display.pid, &status, 0);
                break;
            }
            pause(0.02);
        }
    }
    display.pid = -1;
    display.name.clear();
}

// Starts path with standard output on output (or a new pipe when capture is set, or inherited).
static Child spawn(const std::string& path, const std::vector<std::string>& args, const std::string& display,
                   int output, bool capture, ChildInput input, bool mergeError,
                   const std::string& workingDirectory = "") {
    Child child;
    int out[2] = {-1, -1};
    int in[2] = {-1, -1};
    if ((capture && pipe(out) != 0) || (input == ChildInput::Pipe && pipe(in) != 0)) {
        return child;
    }
    const pid_t pid = fork();
    if (pid == 0) {
        if (!workingDirectory.empty() && chdir(workingDirectory.c_str()) != 0) {
            _exit(127);
        }
        if (display.empty()) {
            unsetenv("DISPLAY");
        } else {
            setenv("DISPLAY", display.c_str(), 1);
        }
        if (capture) {
            output = out[1];
            close(out[0]);
        }
        if (output >= 0) {
            dup2(output, 1);
            if (mergeError) {
                dup2(output, 2);
            }
            close(output);
        }
        if (input == ChildInput::Pipe) {
            dup2(in[0], 0);
            close(in[0]);
            close(in[1]);
        } else if (input == ChildInput::AtEnd) {
            const int devNull = open("/dev/null", O_RDONLY);
            dup2(devNull, 0);
            close(devNull);
        } else if (input == ChildInput::Closed) {
            close(0);
        }
        std::vector<char*> argv;
        argv.push_back(const_cast<char*>(path.c_str()));
        for (const std::string& arg : args) {
            argv.push_back(const_cast<char*>(arg.c_str()));
        }
        argv.push_back(nullptr);
        execv(path.c_str(), argv.data());
        _exit(127);
    }
    child.pid = pid;
    if (capture) {
        close(out[1]);
        child.out = out[0];
    }
    if (input == ChildInput::Pipe) {
        close(in[0]);
        child.in = in[1];
    }
    return child;
}

Child startChild(const std::string& path, const std::vector<std::string>& args, const std::string& display,
                 bool captureOutput, ChildInput input, bool mergeError, const std::string& workingDirectory) {
    return spawn(path, args, display, -1, captureOutput, input, mergeError, workingDirectory);
}

Child startChildWritingTo(int output, const std::string& path, const std::vector<std::string>& args,
                          const std::string& display, ChildInput input) {
    return spawn(path, args, display, output, false, input, false);
}

std::string readOutput(Child& child, double timeoutSeconds) {
    std::string text;
    if (child.out < 0) {
        return text;
    }
    pollfd p{child.out, POLLIN, 0};
    int wait = int(timeoutSeconds * 1000.0);
    while (poll(&p, 1, wait) > 0) {
        char buffer[4096];
        const ssize_t n = read(child.out, buffer, sizeof buffer);
        if (n <= 0) {
            break;
        }
        text.append(buffer, std::size_t(n));
        wait = 0;
    }
    return text;
}

bool childEnded(Child& child, int* status) {
    if (child.pid <= 0) {
        return true;
    }
    const pid_t r = waitpid(child.pid, status, WNOHANG);
    if (r == child.pid) {
        child.pid = -1;
        return true;
    }
    return false;
}

bool waitChild(Child& child, double timeoutSeconds, int* status) {
    const double deadline = now() + timeoutSeconds;
    while (!childEnded(child, status)) {
        if (now() > deadline) {
            return false;
        }
        pause(0.01);
    }
    return true;
}

void killChild(Child& child) {
    if (child.pid > 0) {
        kill(child.pid, SIGKILL);
        int status = 0;
        waitpid(child.pid, &status, 0);
        child.pid = -1;
    }
    for (int* fd : {&child.out, &child.in}) {
        if (*fd >= 0) {
            close(*fd);
            *fd = -1;
        }
    }
}

Display* openDisplay(const std::string& name) {
    return XOpenDisplay(name.c_str());
}

void closeDisplay(Display* display) {
    XCloseDisplay(display);
}

WindowPlace windowPlace(Display* display, Window window) {
    WindowPlace place;
    XWindowAttributes attributes{};
    if (XGetWindowAttributes(display, window, &attributes)) {
        Window child = 0;
        XTranslateCoordinates(display, window, DefaultRootWindow(display), 0, 0, &place.x, &place.y, &child);
        place.width = attributes.width;
        place.height = attributes.height;
    }
    return place;
}

void resizeWindow(Display* display, Window window, int width, int height) {
    XResizeWindow(display, window, unsigned(width), unsigned(height));
    XFlush(display);
}

std::string windowTitle(Display* display, Window window) {
    // The name in UTF-8 where the window has one (_NET_WM_NAME), else its Latin-1 WM_NAME.
    Atom type = 0;
    int format = 0;
    unsigned long length = 0, after = 0;
    unsigned char* data = nullptr;
    std::string title;
    if (XGetWindowProperty(display, window, XInternAtom(display, "_NET_WM_NAME", False), 0, 1024, False,
                           XInternAtom(display, "UTF8_STRING", False), &type, &format, &length, &after,
                           &data) == Success &&
        data && type != None) {
        title.assign(reinterpret_cast<char*>(data), length);
        XFree(data);
        return title;
    }
    if (data) {
        XFree(data);
    }
    char* name = nullptr;
    if (XFetchName(display, window, &name) && name) {
        title = name;
        XFree(name);
    }
    return title;
}

std::vector<Window> findWindows(Display* display, const char* title) {
    std::vector<Window> found;
    Window root = 0;
    Window parent = 0;
    Window* children = nullptr;
    unsigned count = 0;
    if (!XQueryTree(display, DefaultRootWindow(display), &root, &parent, &children, &count)) {
        return found;
    }
    for (unsigned i = 0; i < count; ++i) {
        if (windowTitle(display, children[i]) == title) {
            found.push_back(children[i]);
        }
    }
    if (children) {
        XFree(children);
    }
    return found;
}

Window findWindow(Display* display, const char* title) {
    const std::vector<Window> windows = findWindows(display, title);
    return windows.empty() ? 0 : windows.front();
}

int countWindows(Display* display, const char* title) {
    return int(findWindows(display, title).size());
}

void exposeWindow(Display* display, Window window) {
    XClearArea(display, window, 0, 0, 0, 0, True);
    XFlush(display);
}

// The position of the lowest set bit and the width of a colour mask, to pick a channel out of a pixel.
static Pixel splitPixel(unsigned long value, const XImage* image) {
    auto channel = [value](unsigned long mask) {
        int shift = 0;
        while (mask && !(mask & 1ul)) {
            mask >>= 1;
            ++shift;
        }
        const unsigned long v = (value >> shift) & mask;
        return mask == 255ul ? int(v) : int(v * 255ul / (mask ? mask : 1ul));
    };
    return Pixel{channel(image->red_mask), channel(image->green_mask), channel(image->blue_mask)};
}

Image grabWindow(Display* display, Window window) {
    Image result;
    XWindowAttributes attributes{};
    if (!XGetWindowAttributes(display, window, &attributes) || attributes.map_state != IsViewable) {
        return result;
    }
    XImage* image =
        XGetImage(display, window, 0, 0, unsigned(attributes.width), unsigned(attributes.height), AllPlanes, ZPixmap);
    if (!image) {
        return result;
    }
    result.width = attributes.width;
    result.height = attributes.height;
    result.rgb.resize(std::size_t(result.width) * result.height * 3);
    for (int y = 0; y < result.height; ++y) {
        for (int x = 0; x < result.width; ++x) {
            const Pixel p = splitPixel(XGetPixel(image, x, y), image);
            const std::size_t i = (std::size_t(y) * result.width + x) * 3;
            result.rgb[i] = std::uint8_t(p.r);
            result.rgb[i + 1] = std::uint8_t(p.g);
            result.rgb[i + 2] = std::uint8_t(p.b);
        }
    }
    XDestroyImage(image);
    return result;
}

static bool near(Pixel a, Pixel b) {
    return std::abs(a.r - b.r) <= 2 && std::abs(a.g - b.g) <= 2 && std::abs(a.b - b.b) <= 2;
}

// The colour a window is marked with before a frame is awaited; no program draws it (the palette has no such
// colour and nothing is blended), so a window that still shows it has not been drawn since it was marked.
static const Pixel unpainted{17, 119, 51};

static bool hasUnpainted(const Image& image) {
    for (std::size_t i = 0; i + 2 < image.rgb.size(); i += 3) {
        if (image.rgb[i] == unpainted.r && image.rgb[i + 1] == unpainted.g && image.rgb[i + 2] == unpainted.b) {
            return true;
        }
    }
    return false;
}

// Paints the whole window in the unpainted colour and asks the program to repaint it.
static void markUnpainted(Display* display, Window window) {
    XWindowAttributes attributes{};
    if (!XGetWindowAttributes(display, window, &attributes)) {
        return;
    }
    XColor colour{};
    colour.red = std::uint16_t(unpainted.r * 257);
    colour.green = std::uint16_t(unpainted.g * 257);
    colour.blue = std::uint16_t(unpainted.b * 257);
    colour.flags = DoRed | DoGreen | DoBlue;
    if (XAllocColor(display, attributes.colormap, &colour)) {
        GC gc = XCreateGC(display, window, 0, nullptr);
        XSetForeground(display, gc, colour.pixel);
        XFillRectangle(display, window, gc, 0, 0, unsigned(attributes.width), unsigned(attributes.height));
        XFreeGC(display, gc);
    }
    exposeWindow(display, window);
}

bool waitForFrame(Display* display, Window window, Pixel background, double timeoutSeconds, Image* frame) {
    const double deadline = now() + timeoutSeconds;
    Image previous;
    while (now() < deadline) {
        markUnpainted(display, window);
        Image current;
        while (now() < deadline) {
            current = grabWindow(display, window);
            if (current.width > 0 && near(pixelAt(current, 0, 0), background) && !hasUnpainted(current)) {
                break;
            }
            current = Image{};
            pause(0.02);
        }
        if (current.width == 0) {
            return false;
        }
        if (current.width == previous.width && current.height == previous.height && current.rgb == previous.rgb) {
            *frame = std::move(current);
            return true;
        }
        previous = std::move(current);
    }
    return false;
}

Window findNamedWindow(Display* display) {
    Window root = 0;
    Window parent = 0;
    Window* children = nullptr;
    unsigned count = 0;
    Window found = 0;
    if (!XQueryTree(display, DefaultRootWindow(display), &root, &parent, &children, &count)) {
        return found;
    }
    for (unsigned i = 0; i < count && !found; ++i) {
        found = windowTitle(display, children[i]).empty() ? 0 : children[i];
    }
    if (children) {
        XFree(children);
    }
    return found;
}

void movePointer(Display* display, Window window, int x, int y) {
    const WindowPlace place = windowPlace(display, window);
    XTestFakeMotionEvent(display, DefaultScreen(display), place.x + x, place.y + y, CurrentTime);
    XFlush(display);
}

void pressButton(Display* display, int button, bool down) {
    XTestFakeButtonEvent(display, unsigned(button), down ? True : False, CurrentTime);
    XFlush(display);
}

void typeKey(Display* display, unsigned long keysym, bool shift) {
    const KeyCode code = XKeysymToKeycode(display, keysym);
    const KeyCode shiftCode = XKeysymToKeycode(display, XK_Shift_L);
    if (shift) {
        XTestFakeKeyEvent(display, shiftCode, True, CurrentTime);
    }
    XTestFakeKeyEvent(display, code, True, CurrentTime);
    XTestFakeKeyEvent(display, code, False, CurrentTime);
    if (shift) {
        XTestFakeKeyEvent(display, shiftCode, False, CurrentTime);
    }
    XFlush(display);
}

void closeWindow(Display* display, Window window) {
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = long(XInternAtom(display, "WM_DELETE_WINDOW", False));
    event.xclient.data.l[1] = CurrentTime;
    XSendEvent(display, window, False, NoEventMask, &event);
    XFlush(display);
}

bool writePng(const std::string& path, const Image& image) {
    png_image png{};
    png.version = PNG_IMAGE_VERSION;
    png.width = png_uint_32(image.width);
    png.height = png_uint_32(image.height);
    png.format = PNG_FORMAT_RGB;
    return png_image_write_to_file(&png, path.c_str(), 0, image.rgb.data(), 0, nullptr) != 0;
}

bool readPng(const std::string& path, Image* image) {
    png_image png{};
    png.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_file(&png, path.c_str())) {
        return false;
    }
    png.format = PNG_FORMAT_RGB;
    image->width = int(png.width);
    image->height = int(png.height);
    image->rgb.resize(PNG_IMAGE_SIZE(png));
    return png_image_finish_read(&png, nullptr, image->rgb.data(), 0, nullptr) != 0;
}
