// first_frame_shim.c
// Preloaded into a program by the benchmark only, never linked: it notes when each frame starts (the frame's
// first glClear) and when its buffer swap has returned, and the resident peak and renderer at the first frame.
// The program itself runs unchanged. Lines go to the file named by FRAME_LOG.
#define _GNU_SOURCE
#include <GL/gl.h>
#include <GL/glx.h>
#include <X11/Xlib.h>
#include <dlfcn.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <time.h>

static FILE* frameLog = NULL;
static double frameStart = -1.0;
static double eventTaken = -1.0;
static int framesShown = 0;

static double seconds(void) {
    struct timespec t;
    clock_gettime(CLOCK_MONOTONIC, &t);
    return (double)t.tv_sec + (double)t.tv_nsec * 1e-9;
}

// VmHWM of this process in kB: the most it has held resident so far.
static long residentPeakKiB(void) {
    FILE* status = fopen("/proc/self/status", "r");
    char line[256];
    long peak = -1;
    while (status && fgets(line, sizeof line, status)) {
        if (strncmp(line, "VmHWM:", 6) == 0) {
            peak = atol(line + 6);
        }
    }
    if (status) {
        fclose(status);
    }
    return peak;
}

void glClear(GLbitfield mask) {
    static void (*realClear)(GLbitfield) = NULL;
    if (!realClear) {
        *(void**)&realClear = dlsym(RTLD_NEXT, "glClear"); // the POSIX way to a function pointer
    }
    if (frameStart < 0.0) {
        frameStart = seconds();
    }
    realClear(mask);
}

// When the program last took an event from its queue: what a frame after an event answers.
int XNextEvent(Display* display, XEvent* event) {
    static int (*realNext)(Display*, XEvent*) = NULL;
    if (!realNext) {
        *(void**)&realNext = dlsym(RTLD_NEXT, "XNextEvent");
    }
    const int result = realNext(display, event);
    eventTaken = seconds();
    return result;
}

void glXSwapBuffers(Display* display, GLXDrawable drawable) {
    static void (*realSwap)(Display*, GLXDrawable) = NULL;
    if (!realSwap) {
        *(void**)&realSwap = dlsym(RTLD_NEXT, "glXSwapBuffers");
    }
    realSwap(display, drawable);
    const double shown = seconds();
    if (!frameLog && getenv("FRAME_LOG")) {
        frameLog = fopen(getenv("FRAME_LOG"), "w");
    }
    if (frameLog) {
        if (framesShown == 0) {
            fprintf(frameLog, "renderer %s\n", (const char*)glGetString(GL_RENDERER));
            fprintf(frameLog, "first %.9f %ld\n", shown, residentPeakKiB());
        }
        fprintf(frameLog, "frame %.9f %.9f %.9f\n", frameStart, shown, eventTaken);
        fflush(frameLog);
    }
    ++framesShown;
    frameStart = -1.0;
}
