// gallery_test.cpp
// The pictures in docs/images are what the programs draw: each is rendered again and compared.
#include "program_cases.h"
#include "x_session.h"

#include <cstdlib>

namespace {

// Another Mesa version may rasterise a few line pixels differently; a changed figure moves hundreds.
const int allowedDifferentPixels = 60;
const int channelTolerance = 24;

// The nine programs with a window, and the programs that answer a person as they start.
std::vector<ProgramCase> galleryPrograms() {
    std::vector<ProgramCase> programs = windowPrograms;
    programs.insert(programs.end(), answeringPrograms.begin(), answeringPrograms.end());
    return programs;
}

int differentPixels(const Image& a, const Image& b) {
    int count = 0;
    for (std::size_t i = 0; i < a.rgb.size(); i += 3) {
        bool differs = false;
        for (std::size_t c = 0; c < 3; ++c) {
            differs = differs || std::abs(int(a.rgb[i + c]) - int(b.rgb[i + c])) > channelTolerance;
        }
        count += differs;
    }
    return count;
}

class Gallery : public testing::TestWithParam<ProgramCase> {};

TEST_P(Gallery, PictureMatchesTheProgram) {
    const std::string name = GetParam().name;
    Image picture;
    ASSERT_TRUE(readPng(std::string(GALLERY_DIR) + "/" + name + ".png", &picture)) << "no picture of " << name;

    ChildGuard guard{startChild(programPath(name.c_str()), {}, testScreen.name, true)};
    const Window window = waitForWindow(guard.child, 60.0, nullptr, GetParam().title);
    ASSERT_NE(window, 0u);
    Image frame;
    ASSERT_TRUE(waitForFrame(testDisplay, window, backgroundPixel, 60.0, &frame));
    if (GetParam().answers) { // its picture is the figure alone, as its page shows it
        ASSERT_TRUE(hideBand(window, &frame));
    }
    ASSERT_EQ(frame.width, picture.width);
    ASSERT_EQ(frame.height, picture.height);
    EXPECT_LE(differentPixels(frame, picture), allowedDifferentPixels);
}

INSTANTIATE_TEST_SUITE_P(Pictures, Gallery, testing::ValuesIn(galleryPrograms()),
                         [](const testing::TestParamInfo<ProgramCase>& info) { return std::string(info.param.name); });

} // namespace
