// inversion_explorer.cpp
// Drag a point, a line, a circle or two lines through a point and watch the image under inversion in k, with the
// explanation of its case.
#include "console.h"
#include "describe.h"
#include "explorer/band.h"
#include "explorer/explorer.h"
#include "export.h"
#include "render.h"
#include "viewer.h"

#include <GL/glut.h>
#ifndef __EMSCRIPTEN__
#include "text.h"

#include <GL/freeglut_ext.h>
#endif
#include <algorithm>
#include <cstdlib>
#include <string>

static Explorer explorer;

#ifndef __EMSCRIPTEN__
// The band's letters, large enough to be read across a classroom and larger on a projector, and its line spacing and
// margins in pixels, in proportion to them (22 and 10 for 18-pixel letters).
static int bandSize = 18;
static int bandLineHeight() {
    return (bandSize * 22 + 9) / 18;
}
static int bandMargin() {
    return (bandSize * 10 + 9) / 18;
}
// The band keeps room for this many lines, so that the figure does not jump while a drag changes the case.
static const int bandLeastLines = 5;
// The band's lines as last laid out.
static std::vector<std::string> bandText;
#endif

// Lays the band out for the figure as it now is, its text wrapped to the window's width; it never takes more than
// half the window. The figure takes the rest. The band is drawn anew when its text or its size changes.
static void layOutBand(bool resized) {
    const WindowSize size = shownWindowSize();
    int height = 0;
#ifndef __EMSCRIPTEN__
    std::vector<std::string> lines;
    if (explorer.bandShown) {
        bandSize = bandTextSize(size.height);
        useTextSize(bandSize);
        lines = bandLines(explorer, size.width - 2 * bandMargin(), textAdvance);
        const int rows = int(std::max(lines.size(), std::size_t(bandLeastLines)));
        height = std::min(rows * bandLineHeight() + bandMargin(), size.height / 2);
    }
    if (resized || height != explorer.area.band || lines != bandText) {
        showBand(height, resized);
    }
    bandText = std::move(lines);
#else
    (void)resized; // the page has its panel, not a band
#endif
    explorer.area = FigureArea{size.width, size.height - height, height};
}

// What an event did: printed, saved, ended, drawn again.
static void carryOut(const Effects& effects) {
    if (!effects.printed.empty()) {
        writeText(effects.printed.c_str());
    }
    if (effects.save) { // numbered, so that no figure saved earlier is replaced
        const FigureArea& area = explorer.area;
        const Language language = explorer.language;
        saveFigure("inversion_explorer", true, explorerDrawList(explorer, true),
                   fileFrame(explorer.view, area.width, area.height), area.width, area.height,
                   say(Sentence::ExplorerTitle, language).c_str(),
                   say(caseSentence(explorer.shownCase), language).c_str(), language);
    }
#ifndef __EMSCRIPTEN__ // a page is not closed by its program
    if (effects.quit) {
        std::exit(0);
    }
#endif
    if (effects.redraw) {
        glutPostRedisplay();
    }
}

static void handle(const InputEvent& event) {
    carryOut(handleEvent(explorer, event));
}

static void display() {
    layOutBand(false);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    useCamera(explorer.view, explorer.area.width, explorer.area.height, explorer.area.band);
    // Lines, dots and labels grow with the window, for a projector.
    useStrokeSizes(explorerStrokeSizes(explorer));
    drawItems(explorerDrawList(explorer, false));
    endFrame();
}

// The wheel (buttons 3 and 4) zooms; the left button takes a handle or holds the plane.
static void mouse(int button, int state, int x, int y) {
    if ((button == 3 || button == 4) && state == GLUT_DOWN) {
        handle(InputEvent{InputEvent::Wheel, x, y, button == 3 ? 1 : -1});
    } else if (button == GLUT_LEFT_BUTTON) {
        handle(InputEvent{state == GLUT_DOWN ? InputEvent::Press : InputEvent::Release, x, y});
    }
}

static void motion(int x, int y) {
    handle(InputEvent{InputEvent::Move, x, y});
}

static void keyboard(unsigned char key) {
    InputEvent event;
    event.key = char(key);
    handle(event);
}

static void special(int key, bool shift) {
#ifndef __EMSCRIPTEN__
    // F11: full screen for a projector, and back.
    if (key == GLUT_KEY_F11) {
        glutFullScreenToggle();
        return;
    }
#endif
    InputEvent event{InputEvent::Arrow};
    event.shift = shift;
    event.dx = key == GLUT_KEY_RIGHT ? 1 : key == GLUT_KEY_LEFT ? -1 : 0;
    event.dy = key == GLUT_KEY_UP ? 1 : key == GLUT_KEY_DOWN ? -1 : 0;
    if (event.dx != 0 || event.dy != 0) {
        handle(event);
    }
}

#ifndef __EMSCRIPTEN__
// The band's window: black text on white (21:1) under a black rule, in the window's pixels.
static void displayBand() {
    const int width = glutGet(GLUT_WINDOW_WIDTH);
    const int height = glutGet(GLUT_WINDOW_HEIGHT);
    glClearColor(1.0f, 1.0f, 1.0f, 0.0f);
    glClear(GL_COLOR_BUFFER_BIT);
    glViewport(0, 0, width, height);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluOrtho2D(0.0, width, 0.0, height);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glColor3f(0.0f, 0.0f, 0.0f);
    useTextSize(bandSize);
    beginText(width, height);
    for (std::size_t i = 0; i < bandText.size(); ++i) {
        // The baseline sits a fifth of a line above the line's bottom, room for the descenders.
        drawText(bandText[i], bandMargin(),
                 height - bandMargin() / 2 - int(i + 1) * bandLineHeight() + bandLineHeight() / 5);
    }
    endText();
    glBegin(GL_LINES);
    glVertex2f(0.0f, height - 0.5f);
    glVertex2f(float(width), height - 0.5f);
    glEnd();
    glutSwapBuffers();
}
#endif

static const Interaction explorerProgram = [] {
    Interaction program;
    program.view = explorer.view;
    program.start = [] { // before the window opens
        explorer.language = programLanguage();
        writeText(startExplorer(explorer).printed.c_str());
    };
    program.languageChosen = [] { carryOut(chooseLanguage(explorer, programLanguage())); };
    program.display = display;
    program.reshape = [](int, int) { layOutBand(true); };
    program.mouse = mouse;
    program.motion = motion;
    program.keyboard = keyboard;
    program.special = special;
#ifndef __EMSCRIPTEN__
    program.displayBand = displayBand;
#endif
    program.pageState = [] {
        PageState state{describeScene(explorerPicture(explorer), explorer.language), panelText(explorer),
                        explorer.announcement};
        explorer.announcement.clear();
        return state;
    };
    program.pagePointer = [](double drawingPerCss, bool finger) {
        explorer.cssScale = drawingPerCss > 0.0 ? drawingPerCss : 1.0;
        explorer.finger = finger;
    };
    program.pageScale = [](double drawingPerCss) { explorer.cssScale = drawingPerCss > 0.0 ? drawingPerCss : 1.0; };
    program.pinch = [](int x, int y, double factor, bool first) {
        InputEvent event{first ? InputEvent::PinchStart : InputEvent::Pinch, x, y};
        event.factor = factor;
        handle(event);
    };
    return program;
}();

int main(int argc, char** argv) {
    const std::string title = say(Sentence::ExplorerTitle, programLanguage());
    return runProgram(argc, argv, title.c_str(), explorerProgram);
}
