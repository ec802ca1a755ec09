// inversion_explorer.cpp
// Drag a point, a line, a circle or two lines through a point and watch the image under inversion in k, with the
// explanation of its case.
#include "console.h"
#include "explorer/band.h"
#include "explorer/construction.h"
#include "explorer/explorer.h"
#include "explorer/snapping.h"
#include "explorer/view.h"
#include "export.h"
#include "render.h"
#include "viewer.h"

#include <GL/glut.h>
#include <algorithm>
#include <cstdlib>
#include <string>

static const char* const explorerTitle = "Geometrija - istrazivanje inverzije";

static Explorer explorer;

// The view: it starts on the box from (-8, -8) to (8, 8), as the ten programs frame theirs, and then follows the
// wheel, the keys + - f 0, a drag away from the handles and the construction.
static Camera view = startView();
// Each notch of the wheel and each key + or - magnifies by this much.
static const double zoomStep = 1.25;
// Whether a drag away from the handles is moving the view, and the scene point it holds under the pointer.
static bool panning = false;
static Point panFrom;

/// The part of the window the figure is drawn in: all of it but the band.
struct FigureArea {
    int width = 0;
    int height = 0;
    int bottom = 0; ///< the band's height, under the figure
};

#ifndef __EMSCRIPTEN__
// Whether the band with the lesson is shown under the figure (key t); natively only, the page has its panel.
static bool bandShown = true;
// The band's font, large enough to be read across a classroom, and its line spacing and margins in pixels.
static void* const bandFont = GLUT_BITMAP_HELVETICA_18;
static const int bandLineHeight = 22;
static const int bandMargin = 10;
// The band keeps room for this many lines, so that the figure does not jump while a drag changes the case.
static const int bandLeastLines = 5;

// The band is a window of its own inside the figure's, along its bottom edge: its text is drawn when it changes,
// never again with each of the figure's frames.
static int figureWindow = 0;
static int bandWindow = 0;

/// What the band shows: its lines and its height in pixels (0 while it is hidden).
struct BandLayout {
    std::vector<std::string> lines;
    int height = 0;
};
static BandLayout band;

static std::vector<std::string> shownBandLines(int width) {
    return bandLines(explorer, width - 2 * bandMargin, [](char c) { return glutBitmapWidth(bandFont, c); });
}

// Lays the band out for the figure as it now is, its text wrapped to the window's width; it never takes more than
// half the window. When its text or its size changes, or the window's size did (resized), it is drawn anew.
static void layOutBand(bool resized) {
    const WindowSize size = shownWindowSize();
    BandLayout next;
    if (bandShown) {
        next.lines = shownBandLines(size.width);
        const int rows = int(std::max(next.lines.size(), std::size_t(bandLeastLines)));
        next.height = std::min(rows * bandLineHeight + bandMargin, size.height / 2);
    }
    const bool moved = resized || next.height != band.height;
    if (!moved && next.lines == band.lines) {
        return;
    }
    const int current = glutGetWindow();
    glutSetWindow(bandWindow);
    if (next.height == 0) {
        glutHideWindow();
    } else {
        if (moved) {
            glutPositionWindow(0, size.height - next.height);
            glutReshapeWindow(size.width, next.height);
            glutShowWindow();
        }
        glutPostRedisplay();
    }
    glutSetWindow(current);
    band = std::move(next);
}
#endif

static FigureArea figureArea() {
    const WindowSize size = shownWindowSize();
    FigureArea area{size.width, size.height, 0};
#ifndef __EMSCRIPTEN__
    area.bottom = band.height;
    area.height = size.height - area.bottom;
#endif
    return area;
}

// The scene point under the pixel (x, y) of the window, wherever it is.
static Point scenePoint(int x, int y) {
    const FigureArea area = figureArea();
    return sceneOfPixel(view, area.width, area.height, x, y);
}

// The scene point under the pointer, kept inside the figure's part of the window so that a handle dragged out stays
// in reach.
static Point pointer(int x, int y) {
    const FigureArea area = figureArea();
    return scenePoint(std::clamp(x, 0, area.width - 1), std::clamp(y, 0, area.height - 1));
}

static double scale() {
    return unitsPerPixel(view, figureArea().height);
}

// Drawing pixels per CSS pixel of the canvas when the page's last press was a finger's; 0 for the mouse (and
// natively, always).
static double touchDrawingPerCss = 0.0;

// The scale of the reach and the snapping zones of the pointer.
static double reach() {
    return touchDrawingPerCss > 0.0 ? touchUnitsPerPixel(scale(), touchDrawingPerCss) : scale();
}

static std::vector<Label> labels() {
    return placedFigureLabels(currentFigure(explorer), explorer.shownCase, explorer.steps, inversionRadius, scale(),
                              shownWindowSize().height);
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
    glBegin(GL_LINES);
    glVertex2f(0.0f, height - 0.5f);
    glVertex2f(float(width), height - 0.5f);
    glEnd();
    for (std::size_t i = 0; i < band.lines.size(); ++i) {
        // The baseline sits a fifth of a line above the line's bottom, room for the descenders.
        glRasterPos2i(bandMargin, height - bandMargin / 2 - int(i + 1) * bandLineHeight + bandLineHeight / 5);
        for (const char c : band.lines[i]) {
            glutBitmapCharacter(bandFont, c);
        }
    }
    glutSwapBuffers();
}
#endif

static void display() {
#ifndef __EMSCRIPTEN__
    layOutBand(false);
#endif
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    const FigureArea area = figureArea();
    const double perPixel = unitsPerPixel(view, area.height);
    useCamera(view, area.width, area.height, area.bottom);
    drawDashedScene(1.0 / perPixel, visibleRect(view, area.width, area.height));
    drawLabels(labels(), perPixel);
    for (const EdgeArrow& arrow : edgeArrows(view, area.width, area.height)) {
        drawStrokes(Red, arrowStrokes(arrow, perPixel));
    }
    endFrame();
}

// The wheel (buttons 3 and 4) zooms about the pointer; the left button takes a handle, or away from the handles
// (unless a click moves the chosen one there) holds the plane and moves the view.
static void mouse(int button, int state, int x, int y) {
    if ((button == 3 || button == 4) && state == GLUT_DOWN) {
        view = zoomAbout(view, pointer(x, y), button == 3 ? zoomStep : 1.0 / zoomStep);
        glutPostRedisplay();
        return;
    }
    if (button != GLUT_LEFT_BUTTON) {
        return;
    }
    if (state == GLUT_DOWN) {
        if (pressAt(explorer, pointer(x, y), reach())) {
            glutPostRedisplay();
        } else {
            panning = true;
            panFrom = scenePoint(x, y);
        }
    } else if (panning) {
        panning = false;
    } else if (releaseAt(explorer, pointer(x, y), reach())) {
        glutPostRedisplay();
    }
}

static void motion(int x, int y) {
    if (panning) {
        view = panned(view, panFrom, scenePoint(x, y));
        glutPostRedisplay();
    } else if (dragTo(explorer, pointer(x, y), reach())) {
        glutPostRedisplay();
    }
}

static void keyboard(unsigned char key, int, int) {
    switch (key) {
    case '1':
        showFigure(explorer, FigureKind::PointFigure);
        break;
    case '2':
        showFigure(explorer, FigureKind::LineFigure);
        break;
    case '3':
        showFigure(explorer, FigureKind::CircleFigure);
        break;
    case '4':
        showFigure(explorer, FigureKind::AngleFigure);
        break;
    case 'r':
        resetFigure(explorer);
        break;
    case 'k': {
        nextStep(explorer);
        // The step's new points come into sight.
        const FigureArea area = figureArea();
        if (explorer.steps > 0) {
            view = widenToInclude(view, sceneBox(true), area.width, area.height);
        }
        break;
    }
    case '+':
    case '=':
        view = zoomAbout(view, Point{view.cx, view.cy}, zoomStep);
        break;
    case '-':
        view = zoomAbout(view, Point{view.cx, view.cy}, 1.0 / zoomStep);
        break;
    case 'f':
        view = fitView(sceneBox(), figureArea().width, figureArea().height);
        break;
    case '0':
        view = startView();
        break;
#ifndef __EMSCRIPTEN__
    case 't':
        bandShown = !bandShown;
        break;
#endif
    case 'n':
        chooseNextHandle(explorer);
        break;
    case 'h':
        writeText(explorerHelpText);
        return;
    case 's': // numbered, so that no figure saved earlier is replaced
        saveFigure("inversion_explorer", true, view, figureArea().width, figureArea().height, explorerTitle,
                   caseText(explorer.shownCase), labels());
        return;
#ifndef __EMSCRIPTEN__ // a page is not closed by its program
    case 'q':
    case 27: // Escape
        std::exit(0);
#endif
    default:
        return;
    }
    glutPostRedisplay();
}

// The arrows move the chosen handle by a tenth, with Shift by a whole unit.
static void special(int key, int, int) {
    const int step = glutGetModifiers() & GLUT_ACTIVE_SHIFT ? 10 : 1;
    int dx = 0;
    int dy = 0;
    switch (key) {
    case GLUT_KEY_LEFT:
        dx = -step;
        break;
    case GLUT_KEY_RIGHT:
        dx = step;
        break;
    case GLUT_KEY_DOWN:
        dy = -step;
        break;
    case GLUT_KEY_UP:
        dy = step;
        break;
    default:
        return;
    }
    if (moveChosen(explorer, dx, dy, scale())) {
        glutPostRedisplay();
    }
}

#ifdef __EMSCRIPTEN__
/// The page says at each press whether a finger made it, and at what size the canvas is shown.
extern "C" void explorerPointer(double drawingPerCss) {
    touchDrawingPerCss = drawingPerCss;
}

/// The construction's points named in the figure's description as they are labelled in the drawing.
std::vector<Label> pageLabels() {
    return labels();
}

/// The panel beside the figure on the explorer's page (web/page_runtime.cpp hands it to the page).
extern "C" const char* explorerPanelText() {
    static std::string text;
    text = panelText(explorer);
    return text.c_str();
}

/// What changed with the last move, key or step, once: then nothing until the next.
extern "C" const char* explorerAnnouncementText() {
    static std::string text;
    text = explorer.announcement;
    explorer.announcement.clear();
    return text.c_str();
}
#endif

int main(int argc, char** argv) {
    inversionRadius = circleOfInversionRadius;
    showFigure(explorer, FigureKind::PointFigure);

    openWindow(argc, argv, explorerTitle, view);
#ifndef __EMSCRIPTEN__
    // Keys, clicks and drags over the band are the figure's: a drag may pass over it, and a key typed with the
    // pointer there goes to the band's window.
    figureWindow = glutGetWindow();
    bandWindow = glutCreateSubWindow(figureWindow, 0, 0, 1, 1);
    glutDisplayFunc(displayBand);
    glutKeyboardFunc([](unsigned char key, int x, int y) {
        glutSetWindow(figureWindow);
        keyboard(key, x, y);
    });
    glutSpecialFunc([](int key, int x, int y) {
        glutSetWindow(figureWindow);
        special(key, x, y);
    });
    glutMouseFunc([](int button, int state, int x, int y) {
        glutSetWindow(figureWindow);
        mouse(button, state, x, y + figureArea().height);
    });
    glutMotionFunc([](int x, int y) {
        glutSetWindow(figureWindow);
        motion(x, y + figureArea().height);
    });
    glutSetWindow(figureWindow);
    glutReshapeFunc([](int width, int height) {
        reshapeViewport(width, height);
        layOutBand(true);
    });
#else
    glutReshapeFunc(reshapeViewport);
#endif
    glutDisplayFunc(display);
    glutMouseFunc(mouse);
    glutMotionFunc(motion);
    glutKeyboardFunc(keyboard);
    glutSpecialFunc(special);
    glutMainLoop();
    return 0;
}
