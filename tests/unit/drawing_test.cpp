// drawing_test.cpp
// The renderer's geometry without a GL context: the palette, the ends of a drawn line, the circle's vertices, the
// labels' strokes.
#include "drawing.h"
#include "explorer/band.h"
#include "labels.h"

#include <cmath>
#include <gtest/gtest.h>
#include <tuple>

TEST(Palette, TenNamedColoursAndNothingOutside) {
    const Rgb expected[10] = {{1, 0, 0}, {0, 1, 0}, {0, 0, 1},       {1, 1, 0}, {1, 0.5f, 0},
                              {1, 0, 1}, {0, 1, 1}, {0.5f, 0, 0.5f}, {1, 1, 1}, {0, 0, 0}};
    for (ColourCode code = Red; code <= Black; ++code) {
        SCOPED_TRACE(code);
        const Rgb* rgb = paletteColour(code);
        ASSERT_NE(rgb, nullptr);
        EXPECT_EQ(rgb->red, expected[code].red);
        EXPECT_EQ(rgb->green, expected[code].green);
        EXPECT_EQ(rgb->blue, expected[code].blue);
    }
    for (ColourCode code : {-1, 10, 12}) {
        EXPECT_EQ(paletteColour(code), nullptr) << code;
    }
}

struct EndsCase {
    Line line;
    Point first, second;
};

TEST(LineEnds, FromPlusToMinusHundredDirections) {
    const float x = 4.1666665f; // 25/6 in float: the image line of the circle through O
    const EndsCase cases[] = {
        {{{0, 0}, {1, 0}}, {100, 0}, {-100, 0}},
        {{{0, 0}, {0.5f, 0}}, {50, 0}, {-50, 0}},
        {{{3, -2}, {0, 0}}, {3, -2}, {3, -2}},
        {{{2, 1}, {-2, -1}}, {-198, -99}, {202, 101}},
        {{{x, 0}, {0, -x}}, {x, -416.66666f}, {x, 416.66666f}},
    };
    for (const EndsCase& c : cases) {
        SCOPED_TRACE(testing::Message() << "direction (" << c.line.direction.x << ", " << c.line.direction.y << ")");
        const auto ends = lineEnds(c.line);
        EXPECT_EQ(ends[0].x, c.first.x);
        EXPECT_EQ(ends[0].y, c.first.y);
        EXPECT_EQ(ends[1].x, c.second.x);
        EXPECT_EQ(ends[1].y, c.second.y);
    }
}

// The angle, its sine and cosine and the vertex are each rounded to float: at radius 5 about (1, 2) that is
// a few float ulps of magnitudes below 8, under 2e-6; twice that leaves room.
constexpr double vertexTolerance = 4e-6;
constexpr double pi = 3.141592653589793;

// Vertex i lies at angle 2 pi i / 100 counter-clockwise from angle 0 (vertex 25 is the top for radius > 0). A
// negative radius traces the same circle starting on the opposite side, at (centre.x - |radius|, centre.y).
TEST(CircleVertices, HundredCounterClockwiseFromAngleZero) {
    for (float radius : {5.0f, -5.0f}) {
        SCOPED_TRACE(radius);
        const auto v = circleVertices(Circle{{1, 2}, radius});
        EXPECT_EQ(v[0].x, 1 + radius);
        EXPECT_EQ(v[0].y, 2.0f);
        for (int i = 0; i < circleVertexCount; ++i) {
            const double angle = 2.0 * pi * i / circleVertexCount;
            EXPECT_NEAR(v[i].x, 1.0 + radius * std::cos(angle), vertexTolerance) << "vertex " << i;
            EXPECT_NEAR(v[i].y, 2.0 + radius * std::sin(angle), vertexTolerance) << "vertex " << i;
        }
    }
}

TEST(CircleVertices, RadiusZeroCollapsesOntoTheCentre) {
    for (const Point& p : circleVertices(Circle{{-3.5f, 7.25f}, 0})) {
        EXPECT_EQ(p.x, -3.5f);
        EXPECT_EQ(p.y, 7.25f);
    }
}

// A circle far larger than the window keeps its polygon within a quarter pixel of the true circle, up to the most
// vertices the browser's GL emulation takes.
TEST(OutlineVertexCount, TheFewestVerticesForAQuarterPixel) {
    for (double pixelsPerUnit : {26.4, 60.0}) {
        for (float radius : {1.0f, 12.5f, 250.0f, -250.0f, 2000.0f}) {
            const int n = outlineVertexCount(Circle{{0, 0}, radius}, pixelsPerUnit);
            const auto stray = [&](int count) {
                return std::fabs(radius) * pixelsPerUnit * (1.0 - std::cos(pi / count));
            };
            EXPECT_LE(stray(n), 0.25) << radius << " at " << pixelsPerUnit;
            EXPECT_TRUE(n == circleVertexCount || stray(n - 1) > 0.25) << radius << " at " << pixelsPerUnit;
        }
    }
    EXPECT_EQ(outlineVertexCount(Circle{{0, 0}, 1e9f}, 26.4), 4096);
}

// The font's grid is in half units, 12 to a capital 14 pixels tall. "P'" at (2, -1) at half a scene unit a pixel: the
// text starts 6 pixels, 3 units, right of and above the point; P is its stem, its top bar and its bowl closing at
// half height, 11 half units wide; the prime is a tick 3 half units long at the top, 1 half unit into its place.
// The ends are floats below 12: the circle vertices' tolerance holds.
TEST(LabelStrokes, SitOnTheFontsGridFromTheOffsetAndAdvance) {
    const double half = 14.0 / 12.0 * 0.5;
    const int grid[][4] = {{0, 0, 0, 12}, {0, 12, 6, 12}, {6, 12, 8, 10}, {8, 10, 8, 8},
                           {8, 8, 6, 6},  {6, 6, 0, 6},   {12, 12, 12, 9}};
    const auto strokes = labelStrokes(Label{"P'", Point{2, -1}, Role::Image}, 0.5);
    ASSERT_EQ(strokes.size(), std::size(grid));
    for (std::size_t i = 0; i < strokes.size(); ++i) {
        SCOPED_TRACE(testing::Message() << "stroke " << i);
        for (int end = 0; end < 2; ++end) {
            EXPECT_NEAR(strokes[i][end].x, 5.0 + grid[i][2 * end] * half, vertexTolerance);
            EXPECT_NEAR(strokes[i][end].y, 2.0 + grid[i][2 * end + 1] * half, vertexTolerance);
        }
    }
}

// WCAG asks 3:1 of the lines of a figure against what lies next to them: the construction's green has it on the
// frame's beige and on white paper, also as a deuteranope sees both. #777777 on white is WCAG's own example, 4.48:1;
// a deuteranope sees grey as it is, and pure green and pure red both as yellows.
TEST(Palette, TheConstructionGreenStandsOutOnTheBackgroundAndOnPaper) {
    const Rgb white{1, 1, 1};
    EXPECT_NEAR(contrastRatio(Rgb{0, 0, 0}, white), 21.0, 1e-9);
    EXPECT_NEAR(contrastRatio(white, Rgb{0x77 / 255.0f, 0x77 / 255.0f, 0x77 / 255.0f}), 4.48, 0.005);
    EXPECT_GE(contrastRatio(*paletteColour(ConstructionGreen), clearColour), 3.0);
    EXPECT_GE(contrastRatio(*paletteColour(ConstructionGreen), white), 3.0);
    EXPECT_NEAR(deuteranopeView(Rgb{0.5f, 0.5f, 0.5f}).green, 0.5f, 2e-3);
    const Rgb green = deuteranopeView(Rgb{0, 1, 0}), red = deuteranopeView(Rgb{1, 0, 0});
    EXPECT_TRUE(green.red > green.blue && green.green > green.blue && red.red > red.blue)
        << green.red << " " << red.red;
    EXPECT_GE(contrastRatio(deuteranopeView(*paletteColour(ConstructionGreen)), deuteranopeView(clearColour)), 3.0);
}

// A crowded figure at 1 unit a pixel: labels whose first places are taken by a label or a dot move on round their
// points, or further out, and in the end no two boxes overlap and none covers a dot; a label with room keeps the
// place up right.
TEST(PlaceLabels, NoLabelCoversAnotherOrADot) {
    std::vector<Label> labels{{"k", {0, 40}},  {"O", {0, 0}},    {"P", {8, 6}},         {"T1", {-16, 38}},
                              {"D", {30, 0}},  {"D'", {34, 2}},  {"P = P'", {20, -30}}, {"F", {-8, 4}},
                              {"B", {-6, 12}}, {"A", {100, 100}}};
    std::vector<Point> dots;
    for (const Label& label : labels) {
        dots.push_back(label.at);
    }
    // Dots all round A, 12 pixels out, cover its eight close places: it moves further out.
    for (const auto& [x, y] : {std::pair{1, 1}, {1, 0}, {1, -1}, {0, 1}, {0, -1}, {-1, 1}, {-1, 0}, {-1, -1}}) {
        dots.push_back(Point{100.0f + 12 * x, 100.0f + 12 * y});
    }
    placeLabels(labels, LabelObstacles{dots, {}, {}}, 1.0, labelHeightFor(700));
    EXPECT_EQ(labelHeightFor(400), 14.0);
    // Lines, dots, arrows and labels as the ten programs at the first size, and for a projector's 1080 rows; the
    // image's lines twice as wide as the given figure's; the band's letters as GLUT's 18-pixel font, then 28 pixels.
    for (const auto& [height, line, image, dot, arrow, label, band] : {std::tuple{400, 1.0, 2.0, 4.0, 1.0, 14.0, 18.0},
                                                                       {700, 1.0, 2.0, 4.0, 1.0, 17.5, 18.0},
                                                                       {1080, 3.0, 6.0, 8.0, 4.0, 28.0, 28.0}}) {
        const StrokeSizes sizes = strokeSizesFor(height);
        EXPECT_EQ((std::vector<double>{sizes.lineWidth, sizes.imageLineWidth, sizes.dotSize, sizes.arrowScale,
                                       labelHeightFor(height), double(bandTextSize(height))}),
                  (std::vector<double>{line, image, dot, arrow, label, band}))
            << height;
    }
    EXPECT_TRUE(labels[0].leftPixels == 6.0 && labels[0].bottomPixels == 6.0);
    const auto overlap = [](const PixelBox& a, const PixelBox& b) {
        return a.left < b.right && b.left < a.right && a.bottom < b.top && b.bottom < a.top;
    };
    for (std::size_t i = 0; i < labels.size(); ++i) {
        const PixelBox box = labelBox(labels[i], 1.0);
        EXPECT_GE(box.top - box.bottom, 17.5) << labels[i].text; // 2.5 % of 700 pixels
        for (std::size_t j = i + 1; j < labels.size(); ++j) {
            EXPECT_FALSE(overlap(box, labelBox(labels[j], 1.0))) << labels[i].text << " and " << labels[j].text;
        }
        for (const Point& dot : dots) {
            EXPECT_FALSE(overlap(box, PixelBox{dot.x - 2.0, dot.y - 2.0, dot.x + 2.0, dot.y + 2.0}))
                << labels[i].text << " on the dot at " << dot.x << ", " << dot.y;
        }
    }
}
