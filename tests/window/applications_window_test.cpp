// applications_window_test.cpp
// The applications of inversion driven with real pointer and key events: the inversor's first frame as the table of
// programs gives it, D dragged along its line with its trace there in the window's pixels, and the figure saved as
// shown.
#include "program_cases.h"
#include "x_session.h"

#include <algorithm>
#include <cmath>

namespace {

const ProgramCase& applications() {
    return *std::find_if(answeringPrograms.begin(), answeringPrograms.end(),
                         [](const ProgramCase& c) { return std::string(c.name) != explorerStart.name; });
}

TEST(Applications, DDraggedAlongItsLineLeavesItsTraceOnXEqualsFive) {
    const ProgramCase& c = applications();
    const ScratchDirectory directory;
    ChildGuard guard{
        startChild(programPath(c.name), {}, testScreen.name, true, ChildInput::AtEnd, false, directory.path)};
    const Window window = waitForWindow(guard.child, 60.0, nullptr, c.title);
    ASSERT_NE(window, 0u);
    Image frame;
    ASSERT_TRUE(waitForFrame(testDisplay, window, backgroundPixel, 60.0, &frame) && hideBand(window, &frame));
    expectFigure(frame, c.figure, "start");
    EXPECT_EQ(readOutput(guard.child, 0.0), c.text);

    // D(5, 3.75) dragged down its line to (5, -4): B follows as its image, and the release prints the numbers.
    const View view = viewOf(c.figure, frame.width, frame.height);
    dragPointer(window, project(view, 5, 3.75), project(view, 5, -4));
    const std::string released = readText(guard.child, 40);
    EXPECT_EQ(released.substr(0, 2), "B(");
    EXPECT_NE(released.find("  D(5.00, -"), std::string::npos) << released;
    const std::string product = "  |OB| * |OD| = 25.00\n";
    EXPECT_EQ(released.substr(released.size() - std::min(released.size(), product.size())), product);
    const Spot d = project(view, 5, -4);
    frame = frameWhen(window, [&](const Image& f) { return countNear(f, d, 3, redPixel) >= 16; });
    EXPECT_GE(countNear(frame, d, 3, redPixel), 16) << "no dot of D at (5, -4)";
    // The trace runs from where D was to where it is: red in every row between, and no red off x = 5 in the rows
    // that D's name, drawn within three of its heights of D, cannot reach.
    const int x = int(std::floor(project(view, 5, 0).column));
    for (int row = int(project(view, 0, 3.75).row) + 3; row < int(d.row) - 3; ++row) {
        EXPECT_GT(countNear(frame, Spot{double(x), double(row)}, 1, redPixel), 0) << "no trace in row " << row;
    }
    for (int row = int(project(view, 0, 3.0).row); row < int(project(view, 0, -1.5).row); ++row) {
        for (int column = 0; column < frame.width; ++column) {
            if (std::abs(column - x) > 2 && countNear(frame, Spot{double(column), double(row)}, 0, redPixel) > 0) {
                ADD_FAILURE() << "red at (" << column << ", " << row << "), off the line x = 5";
            }
        }
    }

    // s saves what is shown.
    movePointer(testDisplay, window, 10, 10);
    typeKey(testDisplay, 's');
    const std::string saved = "Sacuvano: " + std::string(c.name) + "-1.svg, " + c.name + "-1.tex\n";
    EXPECT_EQ(readText(guard.child, saved.size()), saved);
    const std::string svg = directory.path + "/" + c.name + "-1.svg";
    expectSameDrawing(frame, renderSvg(svg, directory.path + "/1.png"), "saved");
}

} // namespace
