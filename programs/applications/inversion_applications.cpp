// inversion_applications.cpp
// What inversion is for: Peaucellier's inversor, the Pappus chain, Steiner's chain and Ptolemy's theorem, each moved
// by its handles and explained step by step.
#include "applications/lesson.h"
#include "console.h"
#include "describe.h"
#include "export.h"
#include "render.h"
#include "viewer.h"
#ifndef __EMSCRIPTEN__
#include "band_window.h"
#endif

#include <GL/glut.h>
#include <cstdlib>
#include <string>

static Lesson lesson;

static const Camera& view() {
    return lesson.shown[int(lesson.current)].view;
}

// Lays the band out for the figure as it now is (natively: a page has its panel instead); the figure takes the rest.
static void layOutFigure(bool resized) {
    const WindowSize size = shownWindowSize();
#ifndef __EMSCRIPTEN__
    const int band = layOutBand(
        lesson.bandShown, [](int width, const CharacterWidth& advance) { return bandLines(lesson, width, advance); },
        resized);
#else
    (void)resized;
    const int band = 0;
#endif
    lesson.area = FigureArea{size.width, size.height - band, band};
}

// What an event did: printed, saved, ended, drawn again.
static void carryOut(const Effects& effects) {
    if (!effects.printed.empty()) {
        writeText(effects.printed.c_str());
    }
    if (effects.save) { // numbered, so that no figure saved earlier is replaced
        const FigureArea& area = lesson.area;
        saveFigure("inversion_applications", true, lessonDrawList(lesson, true),
                   fileFrame(view(), area.width, area.height), area.width, area.height,
                   say(Sentence::ApplicationsTitle, lesson.language).c_str(),
                   say(caseSentence(lesson.shownCase), lesson.language).c_str(), lesson.language);
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
    carryOut(handleEvent(lesson, event));
}

static void display() {
    layOutFigure(false);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    useCamera(view(), lesson.area.width, lesson.area.height, lesson.area.band);
    useStrokeSizes(lessonStrokeSizes(lesson));
    drawItems(lessonDrawList(lesson, false));
    endFrame();
}

static const Interaction applicationsProgram = [] {
    Interaction program;
    program.view = view();
    program.start = [] { // before the window opens
        lesson.language = programLanguage();
        writeText(startLesson(lesson).printed.c_str());
    };
    program.languageChosen = [] { carryOut(chooseLanguage(lesson, programLanguage())); };
    program.display = display;
    program.reshape = [](int, int) { layOutFigure(true); };
    program.input = handle;
#ifndef __EMSCRIPTEN__
    program.displayBand = displayBand;
#endif
    program.pageState = [] {
        PageState state;
        state.description = describeScene(lessonPicture(lesson), lesson.language);
        state.panel = panelText(lesson);
        state.announcement = lesson.announcement;
        lesson.announcement.clear();
        return state;
    };
    program.pagePointer = [](double drawingPerCss, bool finger) {
        lesson.cssScale = drawingPerCss > 0.0 ? drawingPerCss : 1.0;
        lesson.finger = finger;
    };
    program.pageScale = [](double drawingPerCss) { lesson.cssScale = drawingPerCss > 0.0 ? drawingPerCss : 1.0; };
    return program;
}();

int main(int argc, char** argv) {
    const std::string title = say(Sentence::ApplicationsTitle, programLanguage());
    return runProgram(argc, argv, title.c_str(), applicationsProgram);
}
