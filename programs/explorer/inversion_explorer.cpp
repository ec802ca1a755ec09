// inversion_explorer.cpp
// Drag a point, a line, a circle or two lines through a point and watch the image under inversion in k, with the
// explanation of its case.
#include "console.h"
#include "explorer/construction.h"
#include "explorer/explorer.h"
#include "explorer/snapping.h"
#include "export.h"
#include "render.h"
#include "viewer.h"

#include <GL/glut.h>
#include <algorithm>
#include <cstdlib>
#include <string>

static const char* const explorerTitle = "Geometrija - istrazivanje inverzije";
// The view never moves: it frames the box from (-8, -8) to (8, 8) as the ten programs frame theirs.
static const Camera view = frameCamera(Bounds{{-8.0f, -8.0f}, {8.0f, 8.0f}});

static Explorer explorer;

// The scene point under the pointer, kept inside the window so that a handle dragged out stays in reach.
static Point pointer(int x, int y) {
    const WindowSize size = shownWindowSize();
    return sceneOfPixel(view, size.width, size.height, std::clamp(x, 0, size.width - 1),
                        std::clamp(y, 0, size.height - 1));
}

static double scale() {
    return unitsPerPixel(view, shownWindowSize().height);
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

static void display() {
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    drawScene(1.0 / scale());
    drawLabels(labels(), scale());
    endFrame();
}

static void mouse(int button, int state, int x, int y) {
    if (button != GLUT_LEFT_BUTTON) {
        return;
    }
    if (state == GLUT_DOWN) {
        if (pressAt(explorer, pointer(x, y), reach())) {
            glutPostRedisplay();
        }
    } else if (releaseAt(explorer, pointer(x, y), reach())) {
        glutPostRedisplay();
    }
}

static void motion(int x, int y) {
    if (dragTo(explorer, pointer(x, y), reach())) {
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
    case 'k':
        nextStep(explorer);
        break;
    case 'n':
        chooseNextHandle(explorer);
        break;
    case 'h':
        writeText(explorerHelpText);
        return;
    case 's': // numbered, so that no figure saved earlier is replaced
        saveFigure("inversion_explorer", true, view, shownWindowSize().width, shownWindowSize().height, explorerTitle,
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
    glutDisplayFunc(display);
    glutReshapeFunc(reshapeViewport);
    glutMouseFunc(mouse);
    glutMotionFunc(motion);
    glutKeyboardFunc(keyboard);
    glutSpecialFunc(special);
    glutMainLoop();
    return 0;
}
