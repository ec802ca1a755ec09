// programs_window_test.cpp
// Each program as a person meets it: the console text, the one window, its first frame, and closing it.
#include "program_cases.h"
#include "x_session.h"

#include <cmath>
#include <sys/wait.h>
#include <unistd.h>

namespace {

class ProgramWindow : public testing::TestWithParam<ProgramCase> {};

TEST_P(ProgramWindow, ShowsItsFigureAndClosesLikeAWindow) {
    const ProgramCase& c = GetParam();
    ChildGuard guard{startChild(programPath(c.name), {}, testScreen.name, true)};
    const Window window = waitForWindow(guard.child, 60.0);
    ASSERT_NE(window, 0u) << "no window appeared";

    // The explanation is on the pipe, whole, by the time the window exists.
    EXPECT_EQ(readOutput(guard.child, 0.0), c.text);
    EXPECT_EQ(countWindows(testDisplay, expectedTitle), 1);

    const WindowPlace place = windowPlace(testDisplay, window);
    EXPECT_EQ(place.width, 1024);
    EXPECT_EQ(place.height, 700);
    EXPECT_EQ(place.x, 100);
    EXPECT_EQ(place.y, 50);

    Image frame;
    ASSERT_TRUE(waitForFrame(testDisplay, window, backgroundPixel, 60.0, &frame)) << "no frame was drawn";
    expectFigure(frame, c.figure, c.name);

    closeWindow(testDisplay, window);
    int status = 0;
    ASSERT_TRUE(waitChild(guard.child, 20.0, &status)) << "still running after its window was closed";
    EXPECT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_EQ(readOutput(guard.child, 0.0), "") << "nothing more is printed";
}

TEST_P(ProgramWindow, WithoutADisplayExplainsThenFails) {
    const ProgramCase& c = GetParam();
    ChildGuard guard{startChild(programPath(c.name), {}, "", true, ChildInput::AtEnd, true)};
    int status = 0;
    ASSERT_TRUE(waitChild(guard.child, 20.0, &status)) << "hangs without a display";
    ASSERT_TRUE(WIFEXITED(status)) << "ended by a signal";
    EXPECT_NE(WEXITSTATUS(status), 0);
    const std::string output = readOutput(guard.child, 1.0);
    ASSERT_GT(output.size(), std::string(c.text).size()) << "no error after the explanation";
    EXPECT_EQ(output.substr(0, std::string(c.text).size()), c.text);
}

INSTANTIATE_TEST_SUITE_P(TenPrograms, ProgramWindow, testing::ValuesIn(windowPrograms),
                         [](const testing::TestParamInfo<ProgramCase>& info) { return std::string(info.param.name); });

TEST(PointAtCentre, RefusesAtOnceAtEndOfInputWithoutAWindow) {
    ChildGuard guard{startChild(programPath("invert_point_at_centre"), {}, testScreen.name, true)};
    int status = 0;
    bool ended = false;
    const double deadline = now() + 20.0;
    while (!(ended = childEnded(guard.child, &status)) && now() < deadline) {
        EXPECT_EQ(countWindows(testDisplay, expectedTitle), 0);
        pause(0.005);
    }
    ASSERT_TRUE(ended);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 1);
    EXPECT_EQ(readOutput(guard.child, 1.0), atCentreText);
}

TEST(PointAtCentre, WaitsForOneCharacter) {
    ChildGuard guard{startChild(programPath("invert_point_at_centre"), {}, testScreen.name, true, ChildInput::Pipe)};
    // Both texts arrive, then the program waits on its input.
    std::string output;
    const double deadline = now() + 20.0;
    while (output.size() < std::string(atCentreText).size() && now() < deadline) {
        output += readOutput(guard.child, 0.5);
    }
    EXPECT_EQ(output, atCentreText);
    int status = 0;
    EXPECT_FALSE(waitChild(guard.child, 1.0, &status)) << "did not wait for a key";
    EXPECT_EQ(countWindows(testDisplay, expectedTitle), 0);

    ASSERT_EQ(write(guard.child.in, "x", 1), 1);
    ASSERT_TRUE(waitChild(guard.child, 10.0, &status));
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 1);
}

} // namespace
