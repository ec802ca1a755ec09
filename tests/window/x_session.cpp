// x_session.cpp
#include "x_session.h"

VirtualDisplay testScreen;
Display* testDisplay = nullptr;

namespace {
struct VirtualDisplayEnvironment : testing::Environment {
    void SetUp() override {
        testScreen = startVirtualDisplay(2100, 1600);
        ASSERT_FALSE(testScreen.name.empty()) << "Xvfb did not start";
        testDisplay = openDisplay(testScreen.name);
        ASSERT_NE(testDisplay, nullptr);
    }
    void TearDown() override {
        if (testDisplay) {
            closeDisplay(testDisplay);
        }
        stopVirtualDisplay(testScreen);
    }
};
} // namespace

Window waitForWindow(Child& child, double timeoutSeconds, int* status, const char* title) {
    const double deadline = now() + timeoutSeconds;
    int ignored = 0;
    while (now() < deadline) {
        if (const Window window = findWindow(testDisplay, title)) {
            return window;
        }
        if (childEnded(child, status ? status : &ignored)) {
            return 0;
        }
        pause(0.01);
    }
    return 0;
}

// Every window test program runs its tests on one private display.
int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    testing::AddGlobalTestEnvironment(new VirtualDisplayEnvironment);
    return RUN_ALL_TESTS();
}
