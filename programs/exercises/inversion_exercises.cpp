// inversion_exercises.cpp
// Eight exercises in inversion in k, checked: place the image of a point, of a line, of a circle, choose what an
// image is, and read the verdict, the hint and at the end the score.
#include "console.h"
#include "describe.h"
#include "exercises/practice.h"
#include "export.h"
#include "render.h"
#include "viewer.h"
#ifdef __EMSCRIPTEN__
#include <emscripten.h>
#else
#include "band_window.h"
#endif

#include <GL/glut.h>
#include <cstdlib>
#include <cstring>
#include <numeric>
#include <string>

static Practice practice;

// The text of the option --skup, the set to open, or none.
static const char* setOption = nullptr;

// Lays the band out for the figure as it now is (natively: a page has its panel instead); the figure takes the rest.
static void layOutFigure(bool resized) {
    const WindowSize size = shownWindowSize();
#ifndef __EMSCRIPTEN__
    const int band = layOutBand(
        practice.bandShown,
        [](int width, const CharacterWidth& advance) { return practiceBandLines(practice, width, advance); }, resized);
#else
    (void)resized;
    const int band = 0;
#endif
    practice.area = FigureArea{size.width, size.height - band, band};
}

// What an event did: printed, saved, ended, drawn again.
static void carryOut(const Effects& effects) {
    if (!effects.printed.empty()) {
        writeText(effects.printed.c_str());
    }
    if (effects.save) { // numbered, so that no figure saved earlier is replaced
        const FigureArea& area = practice.area;
        const Language language = practice.language;
        saveFigure(
            "inversion_exercises", true, practiceDrawList(practice, true),
            fileFrame(practice.view, area.width, area.height), area.width, area.height,
            say(Sentence::ExercisesTitle, language).c_str(),
            promptText(practice.exercises[std::size_t(practice.current)], practice.current + 1, language).c_str(),
            language);
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
    carryOut(handlePracticeEvent(practice, event));
}

static void display() {
    layOutFigure(false);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    useCamera(practice.view, practice.area.width, practice.area.height, practice.area.band);
    useStrokeSizes(figureStrokeSizes(practice.area, practice.cssScale));
    drawItems(practiceDrawList(practice, false));
    endFrame();
}

static const Interaction exercisesProgram = [] {
    Interaction program;
    program.view = practice.view;
    program.start = [] { // before the window opens
        practice.language = programLanguage();
        writeText(openPractice(practice, setOption).printed.c_str());
    };
    program.languageChosen = [] { carryOut(choosePracticeLanguage(practice, programLanguage())); };
    program.display = display;
    program.reshape = [](int, int) { layOutFigure(true); };
    program.input = handle;
#ifndef __EMSCRIPTEN__
    program.displayBand = displayBand;
#endif
    program.pageState = [] {
        PageState state;
        state.description = describeScene(practicePicture(practice), practice.language);
        state.panel = practicePanelText(practice);
        state.announcement = practice.announcement;
        // For a learning platform: the work to keep, and the score so far.
        state.record = practiceRecord(practice);
        state.settled = settledCount(practice);
        state.percent = percentOfSet(std::accumulate(practice.points.begin(), practice.points.end(), 0.0));
        practice.announcement.clear();
        return state;
    };
    program.pagePointer = [](double drawingPerCss, bool finger) {
        practice.cssScale = drawingPerCss > 0.0 ? drawingPerCss : 1.0;
        practice.finger = finger;
    };
    program.pageScale = [](double drawingPerCss) { practice.cssScale = drawingPerCss > 0.0 ? drawingPerCss : 1.0; };
    return program;
}();

#ifdef __EMSCRIPTEN__
/// Called by the page with the record a learning platform kept from an earlier visit, one character at a time and
/// then 0: the work resumes there.
extern "C" EMSCRIPTEN_KEEPALIVE void pageResume(int character) {
    static std::string record;
    if (character != 0) {
        record += char(character);
        return;
    }
    Effects effects;
    if (resumePractice(practice, record, effects)) {
        carryOut(effects);
    }
    record.clear();
}
#endif

int main(int argc, char** argv) {
    // Read before GLUT takes its own options out of argv; none of them is --skup or its number.
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--skup") == 0) {
            setOption = i + 1 < argc ? argv[i + 1] : "";
        }
    }
    const std::string title = say(Sentence::ExercisesTitle, programLanguage());
    return runProgram(argc, argv, title.c_str(), exercisesProgram);
}
