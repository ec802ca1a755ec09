// export_test.cpp
// The figure files without a window: what a frame draws and in which colour, and saving the two files so that no
// name is lost or left half written. The window tests render the files and compare them with the frames.
#include "export.h"
#include "fresh_scene.h"

#include <csignal>
#include <cstdio>
#include <cstring>
#include <dirent.h>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <set>
#include <sys/resource.h>
#include <unistd.h>

namespace {

const Camera kAndO = frameCamera(Bounds{{-5, -5}, {5, 5}});
const WalkFrame kAndOFile = fileFrame(kAndO, 1024, 700);

struct Expected {
    DrawnItem::Kind kind;
    ColourCode colour;
    double x, y, x2, y2, radius;
};

// Under kAndO at 1024 x 700 the window shows y within 20 tan 22.5 deg = 8.28 of 0, and x within 12.12.
TEST(DrawnItems, InTheRenderersOrderWithItsColoursAndOnlyWhatReachesTheView) {
    resetScene();
    const double halfHeight = 20.0 * std::tan(3.14159265358979 / 8.0);
    const double halfWidth = halfHeight * 1024.0 / 700.0;
    sceneCircles = {
        circle(0, 0, 5, 12),      // no colour yet: White
        circle(1, 1, -2, Blue),   // a negative radius is the same circle
        circle(100, 100, 1, Red), // out of view, yet Red becomes the current colour
        circle(0, 0, 1000, 42),   // encloses the view: its outline never shows
        circle(20, 0, 8.5f, -3),  // reaches in from the right, in Red
    };
    sceneLines = {
        line(0, 0, 1, 0, -1),                 // Red too, cut to the view's width
        line(0, 50, 1, 0, Yellow),            // above the view
        line(0, 1, 0.01f, 0, Magenta),        // drawn from -1 to 1 only: nothing to cut
        line(0, -2, 1, 0, ConstructionGreen), // the explorer's construction, dashed in the files
        line(0, 20, 1, -1, Cyan),             // cut to where it enters the view's top right corner and leaves it
    };
    sceneSegments = {
        Segment{{-1, -1}, {2, 2}, 99},
        Segment{{2, 2}, {3, 1}, 99}, // each segment with both its dots
        Segment{{3, 1}, {3, 0}, Blue},
        Segment{{3, 0}, {4, 0}, ConstructionGreen}, // dashed: no dots of its own
        Segment{{4, 0}, {5, 0}, ConstructionGreen},
    };
    scenePoints = {Point{3, 3, 11}, Point{100, 0, Purple}, Point{4, 4, -5}};

    const Expected expected[] = {
        {DrawnItem::Outline, White, 0, 0, 0, 0, 5},
        {DrawnItem::Outline, Blue, 1, 1, 0, 0, 2},
        {DrawnItem::Outline, Red, 20, 0, 0, 0, 8.5},
        {DrawnItem::Stroke, Red, halfWidth, 0, -halfWidth, 0, 0},
        {DrawnItem::Stroke, Magenta, 1, 1, -1, 1, 0},
        {DrawnItem::Stroke, ConstructionGreen, halfWidth, -2, -halfWidth, -2, 0},
        {DrawnItem::Stroke, Cyan, halfWidth, 20 - halfWidth, 20 - halfHeight, halfHeight, 0},
        {DrawnItem::Stroke, Cyan, -1, -1, 2, 2, 0},
        {DrawnItem::Dot, Cyan, -1, -1, 0, 0, 0},
        {DrawnItem::Dot, Cyan, 2, 2, 0, 0, 0},
        {DrawnItem::Stroke, Cyan, 2, 2, 3, 1, 0},
        {DrawnItem::Dot, Cyan, 2, 2, 0, 0, 0},
        {DrawnItem::Dot, Cyan, 3, 1, 0, 0, 0},
        {DrawnItem::Stroke, Blue, 3, 1, 3, 0, 0},
        {DrawnItem::Dot, Blue, 3, 1, 0, 0, 0},
        {DrawnItem::Dot, Blue, 3, 0, 0, 0, 0},
        {DrawnItem::Stroke, ConstructionGreen, 3, 0, 4, 0, 0},
        {DrawnItem::Stroke, ConstructionGreen, 4, 0, 5, 0, 0},
        {DrawnItem::Dot, ConstructionGreen, 3, 3, 0, 0, 0},
        {DrawnItem::Dot, Purple, 4, 4, 0, 0, 0},
    };
    const std::vector<DrawnItem> items = drawList(storePicture(), kAndOFile);
    ASSERT_EQ(items.size(), std::size(expected));
    for (std::size_t i = 0; i < items.size(); ++i) {
        SCOPED_TRACE(testing::Message() << "item " << i);
        const Expected& e = expected[i];
        EXPECT_EQ(items[i].kind, e.kind);
        EXPECT_EQ(items[i].colour, e.colour);
        // The line ends are floats.
        for (const auto& [actual, wanted] : {std::pair{items[i].x, e.x},
                                             {items[i].y, e.y},
                                             {items[i].x2, e.x2},
                                             {items[i].y2, e.y2},
                                             {items[i].radius, e.radius}}) {
            EXPECT_NEAR(actual, wanted, 1e-4);
        }
    }
    // Only the construction is dashed, 8 pixels on and 5 off: in SVG in the units of the plane, in TikZ in the
    // centimetres of a picture 12 cm wide for 1024 pixels, in a dark green of its own.
    const std::string svg = figureSvg(items, kAndOFile, 1024, 700, "", ""), tex = figureTikz(items, kAndOFile);
    const std::string svgDash = R"x(stroke="rgb(0%,50%,0%)" stroke-dasharray=")x";
    const std::string texDash = "\\draw[figureConstructionGreen, dash pattern=on ";
    ASSERT_NE(svg.find(svgDash), std::string::npos) << svg;
    ASSERT_NE(tex.find(texDash), std::string::npos) << tex;
    const auto count = [](const std::string& text, const std::string& part) {
        std::size_t found = 0;
        for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) {
            ++found;
        }
        return found;
    };
    // The line and the two segments of the construction.
    EXPECT_EQ(count(svg, "dasharray"), 3u);
    EXPECT_EQ(count(svg, svgDash), 3u);
    EXPECT_EQ(count(tex, "dash pattern"), 3u);
    EXPECT_EQ(count(tex, texDash), 3u);
    EXPECT_NE(tex.find("\\definecolor{figureConstructionGreen}{rgb}{0,0.5,0}\n"), std::string::npos);
    double dash[4] = {};
    ASSERT_EQ(std::sscanf(svg.c_str() + svg.find(svgDash) + svgDash.size(), "%lf %lf", &dash[0], &dash[1]), 2);
    ASSERT_EQ(std::sscanf(tex.c_str() + tex.find(texDash) + texDash.size(), "%lfcm off %lfcm", &dash[2], &dash[3]), 2);
    const double pixel = 2 * halfHeight / 700, cm = 12.0 / 1024;
    for (const auto& [got, wanted] :
         {std::pair{dash[0], 8 * pixel}, {dash[1], 5 * pixel}, {dash[2], 8 * cm}, {dash[3], 5 * cm}}) {
        EXPECT_NEAR(got, wanted, 1e-4);
    }
    resetScene();
}

// Saving in a fresh directory of its own as the current directory.
class SaveFigure : public testing::Test {
  protected:
    void SetUp() override {
        std::string pattern = testing::TempDir() + "save_XXXXXX";
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        directory = pattern;
        ASSERT_NE(getcwd(previous, sizeof previous), nullptr);
        ASSERT_EQ(chdir(directory.c_str()), 0);
    }
    void TearDown() override {
        for (const std::string& name : names()) {
            unlink(name.c_str());
        }
        EXPECT_EQ(chdir(previous), 0);
        rmdir(directory.c_str());
    }
    // Saves and returns what it printed.
    std::string save(bool numbered) {
        testing::internal::CaptureStdout();
        saveFigure("fig", numbered, {}, kAndOFile, 1024, 700, "title", "text");
        return testing::internal::GetCapturedStdout();
    }
    static std::set<std::string> names() {
        std::set<std::string> found;
        if (DIR* dir = opendir(".")) {
            while (const dirent* entry = readdir(dir)) {
                if (std::strcmp(entry->d_name, ".") != 0 && std::strcmp(entry->d_name, "..") != 0) {
                    found.insert(entry->d_name);
                }
            }
            closedir(dir);
        }
        return found;
    }
    static std::string text(const char* path) {
        std::ifstream in(path);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    std::string directory;
    char previous[4096] = {};
};

TEST_F(SaveFigure, NumberedTakesTheFirstFreeNumberAndNeverReplacesAFile) {
    std::ofstream("fig-1.tex") << "kept";
    EXPECT_EQ(save(true), "Sacuvano: fig-2.svg, fig-2.tex\n");
    EXPECT_EQ(save(true), "Sacuvano: fig-3.svg, fig-3.tex\n");
    EXPECT_EQ(text("fig-1.tex"), "kept");
    EXPECT_EQ(names(), (std::set<std::string>{"fig-1.tex", "fig-2.svg", "fig-2.tex", "fig-3.svg", "fig-3.tex"}));
}

// A disk that fills up in the middle of a file: the process may write no more than 100 bytes to any file (root
// too), so the SVG breaks off after 100 bytes, and the hidden file it was written under must go as well.
TEST_F(SaveFigure, AWriteThatBreaksOffLeavesNoFileAndNamesTheReason) {
    rlimit before{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &before), 0);
    const rlimit small{100, before.rlim_max};
    // Past the limit a write fails with EFBIG instead of ending the process.
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const std::string printed = save(false);
    setrlimit(RLIMIT_FSIZE, &before);
    std::signal(SIGXFSZ, previousHandler);

    EXPECT_EQ(printed, "Greska: fig.svg: File too large\n");
    EXPECT_EQ(names(), std::set<std::string>{});
}

} // namespace
