// inversion_explorer.cpp
// Drag a point, a line, a circle or two lines through a point and watch the image under inversion in k, with the
// explanation of its case.
#include "console.h"
#include "describe.h"
#include "explorer/band.h"
#include "explorer/explorer.h"
#include "explorer/link.h"
#include "export.h"
#include "render.h"
#include "viewer.h"
#ifndef __EMSCRIPTEN__
#include "band_window.h"
#endif

#include <GL/glut.h>
#include <cstdlib>
#include <cstring>
#include <string>

static Explorer explorer;

// The text of the option --slika, the figure to open, or none.
static const char* linkOption = nullptr;

// Lays the band out for the figure as it now is (natively: a page has its panel instead); the figure takes the rest.
static void layOutFigure(bool resized) {
    const WindowSize size = shownWindowSize();
#ifndef __EMSCRIPTEN__
    const int band = layOutBand(
        explorer.bandShown,
        [](int width, const CharacterWidth& advance) { return bandLines(explorer, width, advance); }, resized);
#else
    (void)resized;
    const int band = 0;
#endif
    explorer.area = FigureArea{size.width, size.height - band, band};
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
    layOutFigure(false);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    useCamera(explorer.view, explorer.area.width, explorer.area.height, explorer.area.band);
    // Lines, dots and labels grow with the window, for a projector.
    useStrokeSizes(explorerStrokeSizes(explorer));
    drawItems(explorerDrawList(explorer, false));
    endFrame();
}

static const Interaction explorerProgram = [] {
    Interaction program;
    program.view = explorer.view;
    program.start = [] { // before the window opens
        explorer.language = programLanguage();
        writeText((linkOption ? openExplorerLink(explorer, linkOption) : startExplorer(explorer)).printed.c_str());
    };
    program.languageChosen = [] { carryOut(chooseLanguage(explorer, programLanguage())); };
    program.display = display;
    program.reshape = [](int, int) { layOutFigure(true); };
    program.input = handle;
#ifndef __EMSCRIPTEN__
    program.displayBand = displayBand;
#endif
    program.pageState = [] {
        PageState state;
        state.description = describeScene(explorerPicture(explorer), explorer.language);
        state.panel = panelText(explorer);
        state.announcement = explorer.announcement;
        // The page's address keeps the figure, so that it can be handed on as a link.
        state.link = figureLinkText(currentFigure(explorer), explorer.view, explorer.steps);
        explorer.announcement.clear();
        return state;
    };
    program.pagePointer = [](double drawingPerCss, bool finger) {
        explorer.cssScale = drawingPerCss > 0.0 ? drawingPerCss : 1.0;
        explorer.finger = finger;
    };
    program.pageScale = [](double drawingPerCss) { explorer.cssScale = drawingPerCss > 0.0 ? drawingPerCss : 1.0; };
    return program;
}();

int main(int argc, char** argv) {
    // Read before GLUT takes its own options out of argv; none of them is --slika or its text.
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--slika") == 0) {
            linkOption = i + 1 < argc ? argv[i + 1] : "";
        }
    }
    const std::string title = say(Sentence::ExplorerTitle, programLanguage());
    return runProgram(argc, argv, title.c_str(), explorerProgram);
}
