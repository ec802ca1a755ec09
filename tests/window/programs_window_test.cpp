// programs_window_test.cpp
// Each program as a person meets it: the console text, the one window, its first frame, and closing it.
#include "x_session.h"

#include <cmath>
#include <sys/wait.h>
#include <unistd.h>

namespace {

const char* const lineOffText = "Ukoliko prava ciju inverziju trazimo NE prolazi kroz centar kruga, njena inverzija je "
                                "krug cija kruznica ne sadrzi centar kruga u odnosu na koji invertujemo.";
const char* const circleOffText = "Ukoliko se centar kruga inverzije ne nalazi na kruznici kruga koji invertujemo, "
                                  "onda je slika tog kruga takodje krug.";

struct ProgramCase {
    const char* name;
    const char* text;
    Figure figure;
};

const Shape k = circleShape(0.0, 0.0, 5.0, blackPixel);
const Shape o = dotShape(0.0, 0.0, blackPixel);

// The image circle of a line that misses O has the segment from O to the image of the foot of the
// perpendicular as a diameter.
const double offA = 25.0 / 28.0;
const double offBRadius = 25.0 * std::sqrt(5.0) / 4.0;

const ProgramCase programCases[] = {
    {"invert_point_inside",
     "Inverzija tacke sa koordinatama P(2,2), u odnosu na krug k\nsa centrom u tacki O(0,0) i poluprecnikom r=5",
     {-5, -5, 6.25, 6.25, {k, o, dotShape(2, 2, bluePixel), dotShape(6.25, 6.25, redPixel)}}},
    {"invert_point_outside",
     "Inverzija tacke koja se nalazi izvan kruga sa koordinatama P(5,5), u odnosu na krug k sa centrom u tacki "
     "O(0,0) i poluprecnikom r=5",
     {-5, -5, 5, 5, {k, o, dotShape(5, 5, bluePixel), dotShape(2.5, 2.5, redPixel)}}},
    {"invert_point_on_circle",
     "Inverzija tacke koja se nalazi na kruznici je ista ta tacka.",
     {-5, -5, 5, 5, {k, o, dotShape(3, 4, bluePixel, true), dotShape(3, 4, redPixel)}}},
    {"invert_line_off_centre_a",
     lineOffText,
     {-5,
      -5,
      5,
      5,
      {k, circleShape(offA, offA, offA* std::sqrt(2.0), redPixel), lineShape(7, 7, -1, 1, bluePixel), o}}},
    {"invert_line_off_centre_b",
     lineOffText,
     {-6.25 - offBRadius,
      -5,
      -6.25 + offBRadius,
      12.5 + offBRadius,
      {k, circleShape(-6.25, 12.5, offBRadius, redPixel), lineShape(2, 2, -2, -1, bluePixel), o}}},
    {"invert_line_through_centre",
     "Ukoliko prava ciju inverziju trazimo prolazi kroz centar kruga, njena inverzija je takodje ta ista prava bez "
     "centra kruga u odnosu na koji invertujemo.",
     {-5, -5, 5, 5, {k, lineShape(2, 1, -2, -1, bluePixel, true), lineShape(2, 1, -2, -1, redPixel), o}}},
    {"invert_circle_through_centre",
     "Ako se centar kruga inverzije nalazi na kruznici kruga koji invertujemo, onda je slika tog kruga prava linija "
     "odredjena dvema invertovanim tackama sa kruznice ciju inverziju trazimo.\n",
     {-5,
      -5,
      6,
      5,
      {k, circleShape(3, 0, 3, bluePixel), lineShape(25.0 / 6, 0, 0, -25.0 / 6, redPixel), o,
       dotShape(25.0 / 6, 0, redPixel), dotShape(25.0 / 6, 25.0 / 6, redPixel)}}},
    {"invert_circle_off_centre_a",
     circleOffText,
     {-5, -5, 25, 25, {k, circleShape(2, 2, 2, bluePixel), circleShape(12.5, 12.5, 12.5, redPixel), o}}},
    {"invert_circle_off_centre_b",
     circleOffText,
     {-5, -5, 10.9375, 9.375, {k, circleShape(4, 3, 3, bluePixel), circleShape(6.25, 4.6875, 4.6875, redPixel), o}}},
};

// Names the case by its program in test names and messages.
void PrintTo(const ProgramCase& c, std::ostream* out) {
    *out << c.name;
}

std::string programPath(const char* name) {
    return std::string(PROGRAM_DIR) + "/" + name;
}

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

INSTANTIATE_TEST_SUITE_P(TenPrograms, ProgramWindow, testing::ValuesIn(programCases),
                         [](const testing::TestParamInfo<ProgramCase>& info) { return std::string(info.param.name); });

const char* const atCentreText = "Inverzija tacke koja ima iste koordinate kao i centar kruga.\nNepravilan unos, slika "
                                 "centra kruga nije definisana\nniti je centar kruga slika neke tacke ravni!";

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

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    useVirtualDisplay();
    return RUN_ALL_TESTS();
}
