// viewer_window_test.cpp
// The viewer on its own: a task that adds nothing shows k and O, centred, and stays centred when resized.
#include "x_session.h"

#include <sys/wait.h>

namespace {

const Figure circleOfInversion{-5, -5, 5, 5, {circleShape(0, 0, 5, blackPixel), dotShape(0, 0, blackPixel)}};

TEST(Viewer, ShowsKAndOCentredAndKeepsTheVerticalScaleWhenResized) {
    ChildGuard guard{startChild(EMPTY_SCENE, {}, testScreen.name, true)};
    const Window window = waitForWindow(guard.child, 60.0);
    ASSERT_NE(window, 0u);
    Image frame;
    ASSERT_TRUE(waitForFrame(testDisplay, window, backgroundPixel, 60.0, &frame));
    EXPECT_EQ(frame.width, 1024);
    EXPECT_EQ(frame.height, 700);
    expectFigure(frame, circleOfInversion, "1024x700");

    // Taller and narrower, then wider than the first window: k stays in the middle and keeps its share of the
    // window's height.
    for (const auto& size : {std::pair<int, int>{600, 900}, std::pair<int, int>{1900, 500}}) {
        resizeWindow(testDisplay, window, size.first, size.second);
        const double deadline = now() + 60.0;
        do {
            ASSERT_TRUE(waitForFrame(testDisplay, window, backgroundPixel, 60.0, &frame));
        } while ((frame.width != size.first || frame.height != size.second) && now() < deadline);
        ASSERT_EQ(frame.width, size.first);
        ASSERT_EQ(frame.height, size.second);
        expectFigure(frame, circleOfInversion, std::to_string(size.first) + "x" + std::to_string(size.second));
    }

    closeWindow(testDisplay, window);
    int status = 0;
    ASSERT_TRUE(waitChild(guard.child, 20.0, &status));
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
}

} // namespace
