// programs_window_test.cpp
// Each program as a person meets it: the console text, the one window, its first frame, saving its figure with the
// key s, and closing it.
#include "program_cases.h"
#include "x_session.h"

#include <X11/keysym.h>
#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fstream>
#include <iterator>
#include <sched.h>
#include <set>
#include <sys/mount.h>
#include <sys/statvfs.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// The line about the files starts a line of its own.
std::string onItsOwnLine(const char* consoleText, const std::string& line) {
    const std::string text = consoleText;
    return (text.empty() || text.back() == '\n' ? "" : "\n") + line;
}

// Presses keys that mean something elsewhere (q and Escape end the explorer), then s.
void pressKeysThenS(Window window) {
    movePointer(testDisplay, window, 10, 10);
    for (unsigned long key : {XK_q, XK_Escape, XK_1, XK_r}) {
        typeKey(testDisplay, key);
    }
    typeKey(testDisplay, XK_s);
}

class ProgramWindow : public testing::TestWithParam<ProgramCase> {};

TEST_P(ProgramWindow, ShowsItsFigureSavesItWithSAndClosesLikeAWindow) {
    const ProgramCase& c = GetParam();
    const ScratchDirectory directory;
    ASSERT_FALSE(directory.path.empty());
    ChildGuard guard{
        startChild(programPath(c.name), {}, testScreen.name, true, ChildInput::AtEnd, false, directory.path)};
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

    // s writes the figure as shown, in the program's current directory, and says so; no other key does anything.
    pressKeysThenS(window);
    const std::string svg = std::string(c.name) + ".svg";
    const std::string tex = std::string(c.name) + ".tex";
    const std::string saved = onItsOwnLine(c.text, "Sacuvano: " + svg + ", " + tex + "\n");
    EXPECT_EQ(readText(guard.child, saved.size()), saved);
    ASSERT_EQ(directory.names(), (std::set<std::string>{svg, tex}));
    // docs/figures holds exactly what the programs save.
    EXPECT_EQ(fileText(directory.path + "/" + svg), fileText(std::string(FIGURES_DIR) + "/" + svg))
        << "docs/figures differs from the program: run scripts/figures";
    EXPECT_EQ(fileText(directory.path + "/" + tex), fileText(std::string(FIGURES_DIR) + "/" + tex))
        << "docs/figures differs from the program: run scripts/figures";
    const Image picture = renderSvg(directory.path + "/" + svg, directory.path + "/rendered.png");
    ASSERT_GT(picture.width, 0) << "rsvg-convert could not render the SVG";
    expectSameDrawing(frame, picture, c.name);

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

// A directory on a read-only mount, which refuses a new file to everyone: permission bits would not stop root,
// and the tests may run as root. The mount is made in a mount namespace of this test process alone (in a user
// namespace of its own when not run by root), which the program started afterwards shares.
testing::AssertionResult makeReadOnly(const std::string& path) {
    const std::string uid = std::to_string(geteuid());
    const std::string gid = std::to_string(getegid());
    const bool root = geteuid() == 0;
    if (unshare(root ? CLONE_NEWNS : CLONE_NEWUSER | CLONE_NEWNS) != 0) {
        return testing::AssertionFailure() << "unshare: " << std::strerror(errno);
    }
    if (!root) {
        std::ofstream("/proc/self/setgroups") << "deny";
        std::ofstream("/proc/self/uid_map") << "0 " << uid << " 1";
        std::ofstream("/proc/self/gid_map") << "0 " << gid << " 1";
    }
    // The flags the mount already has must stay: a user namespace may add restrictions, never lift them.
    struct statvfs before;
    statvfs(path.c_str(), &before);
    unsigned long kept = 0;
    for (const auto& [from, to] : {std::pair<unsigned long, unsigned long>{ST_NOSUID, MS_NOSUID},
                                   {ST_NODEV, MS_NODEV},
                                   {ST_NOEXEC, MS_NOEXEC},
                                   {ST_NOATIME, MS_NOATIME},
                                   {ST_RELATIME, MS_RELATIME}}) {
        kept |= (before.f_flag & from) ? to : 0;
    }
    // The namespace's mounts stop sharing mount events with the rest of the machine. In a chroot whose root is no
    // mount point this cannot be asked (EINVAL): the bind below then shares what the mount holding the chroot
    // shares, and its removal with the scratch directory goes the same way.
    if (mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 && errno != EINVAL) {
        return testing::AssertionFailure() << "mount: " << std::strerror(errno);
    }
    if (mount(path.c_str(), path.c_str(), nullptr, MS_BIND, nullptr) != 0 ||
        mount(nullptr, path.c_str(), nullptr, MS_REMOUNT | MS_BIND | MS_RDONLY | kept, nullptr) != 0) {
        return testing::AssertionFailure() << "mount: " << std::strerror(errno);
    }
    return testing::AssertionSuccess();
}

TEST(SaveFigure, InAReadOnlyDirectoryNamesTheFileAndTheReasonLeavesNoFileAndGoesOn) {
    const ProgramCase& c = windowPrograms.front();
    const ScratchDirectory directory;
    ASSERT_FALSE(directory.path.empty());
    ASSERT_TRUE(makeReadOnly(directory.path));
    ChildGuard guard{
        startChild(programPath(c.name), {}, testScreen.name, true, ChildInput::AtEnd, false, directory.path)};
    const Window window = waitForWindow(guard.child, 60.0);
    ASSERT_NE(window, 0u);
    Image frame;
    ASSERT_TRUE(waitForFrame(testDisplay, window, backgroundPixel, 60.0, &frame));
    pressKeysThenS(window);
    const std::string refused =
        c.text + onItsOwnLine(c.text, "Greska: " + std::string(c.name) + ".svg: Read-only file system\n");
    EXPECT_EQ(readText(guard.child, refused.size()), refused);
    EXPECT_EQ(directory.names(), std::set<std::string>{});

    // The program goes on: its window still draws, and closes as ever.
    exposeWindow(testDisplay, window);
    ASSERT_TRUE(waitForFrame(testDisplay, window, backgroundPixel, 60.0, &frame));
    expectFigure(frame, c.figure, c.name);
    closeWindow(testDisplay, window);
    int status = 0;
    ASSERT_TRUE(waitChild(guard.child, 20.0, &status));
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
}

// A window resized to another shape saves its figure at its new size, as the frame at that size shows it.
TEST(SaveFigure, AfterAResizeAtTheNewSize) {
    const ProgramCase& c = windowPrograms.back();
    const ScratchDirectory directory;
    ChildGuard guard{
        startChild(programPath(c.name), {}, testScreen.name, true, ChildInput::AtEnd, false, directory.path)};
    const Window window = waitForWindow(guard.child, 60.0);
    ASSERT_NE(window, 0u);
    Image frame;
    ASSERT_TRUE(waitForFrame(testDisplay, window, backgroundPixel, 60.0, &frame));
    frame = frameAtSize(guard.child, window, 640, 600);
    ASSERT_EQ(frame.width, 640) << "no frame at the new size";
    pressKeysThenS(window);
    const std::string saved =
        c.text + onItsOwnLine(c.text, "Sacuvano: " + std::string(c.name) + ".svg, " + c.name + ".tex\n");
    EXPECT_EQ(readText(guard.child, saved.size()), saved);
    const std::string svg = directory.path + "/" + c.name + ".svg";
    EXPECT_NE(fileText(svg).find(R"(width="640" height="600")"), std::string::npos);
    expectSameDrawing(frame, renderSvg(svg, directory.path + "/rendered.png", 640, 600), "at 640 x 600");
}

INSTANTIATE_TEST_SUITE_P(TenPrograms, ProgramWindow, testing::ValuesIn(windowPrograms),
                         [](const testing::TestParamInfo<ProgramCase>& info) { return std::string(info.param.name); });

TEST(PointAtCentre, RefusesAtOnceAtEndOfInputWithoutAWindow) {
    ChildGuard guard{startChild(programPath(atCentreName), {}, testScreen.name, true)};
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
    ChildGuard guard{startChild(programPath(atCentreName), {}, testScreen.name, true, ChildInput::Pipe)};
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
