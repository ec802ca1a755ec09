// exercises_window_test.cpp
// The exercises driven from the keyboard on the virtual display: the window opens with the first prompt and its
// given point, and an answer placed with the arrow keys is checked.
#include "program_cases.h"
#include "x_session.h"

#include <X11/keysym.h>
#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

const ProgramCase& exercises() {
    return *std::find_if(answeringPrograms.begin(), answeringPrograms.end(),
                         [](const ProgramCase& c) { return std::string(c.name) == "inversion_exercises"; });
}

// Types the arrow key count times (left or down for a negative count), with Shift for whole units.
void arrows(Window window, unsigned long positive, unsigned long negative, int count, bool shift) {
    movePointer(testDisplay, window, 10, 10);
    for (int i = 0; i < std::abs(count); ++i) {
        typeKey(testDisplay, count > 0 ? positive : negative, shift);
    }
}

TEST(Exercises, OpensWithItsPromptAndChecksAnAnswerPlacedWithTheArrows) {
    const ProgramCase& exercisesStart = exercises();
    ChildGuard guard{startChild(programPath(exercisesStart.name), {}, testScreen.name, true)};
    const Window window = waitForWindow(guard.child, 60.0, nullptr, exercisesStart.title);
    ASSERT_NE(window, 0u) << "no window appeared";
    Image frame;
    ASSERT_TRUE(waitForFrame(testDisplay, window, backgroundPixel, 60.0, &frame) && hideBand(window, &frame));
    expectFigure(frame, exercisesStart.figure, "start");
    EXPECT_EQ(readOutput(guard.child, 0.0), exercisesStart.text);

    // The given P is the table's blue dot; its image 25 P / |OP|^2, in tenths, is where the answer's handle goes
    // from (-6, -6): a whole unit with Shift, a tenth without.
    const TableShape p = exercisesStart.figure.shapes.back();
    const double s = 25.0 / (p.x * p.x + p.y * p.y);
    const int x = int(std::lround(p.x * s * 10.0)), y = int(std::lround(p.y * s * 10.0));
    arrows(window, XK_Right, XK_Left, (x + 60) / 10, true);
    arrows(window, XK_Right, XK_Left, (x + 60) % 10, false);
    arrows(window, XK_Up, XK_Down, (y + 60) / 10, true);
    arrows(window, XK_Up, XK_Down, (y + 60) % 10, false);
    typeKey(testDisplay, XK_Return);
    EXPECT_EQ(readText(guard.child, 7), "Tacno.\n");
    const Spot answer = project(viewOf(exercisesStart.figure, frame.width, frame.height), x / 10.0, y / 10.0);
    Image checked;
    const double deadline = now() + 30.0;
    while (now() < deadline && !(waitForFrame(testDisplay, window, backgroundPixel, 30.0, &checked) &&
                                 countNear(checked, answer, 2, constructionPixel) >= 9)) {
        pause(0.05);
    }
    EXPECT_GE(countNear(checked, answer, 2, constructionPixel), 9) << "no answer's dot at P'";
}

} // namespace
