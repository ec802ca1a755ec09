// figure_check.cpp
#include "figure_check.h"

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>

// Mesa draws unsmoothed lines and dots in the exact palette colour; allow a little for the visual's depth.
static const int colourTolerance = 8;
// A one-pixel line lands within this many pixels of its exact projection.
static const int lineReachPixels = 2;
// Samples closer than this to a later object of another colour may be covered by it.
static const double coverPixels = 3.0;
static const double pi = 3.14159265358979323846;
// Comparing a frame with an anti-aliased picture of it: an object may lie this many pixels off in either, and the
// shares of an object's colour that count as showing it, in the picture near a frame's pixel (a one-pixel line
// spread over two pixels is at least half in one of them; a quarter leaves room for rounding), and as mostly
// showing it.
static const int drawingReach = 2;
static const double framePixelShare = 0.25;
static const double pictureShare = 0.5;

Pixel pixelOf(int colour) {
    return colour == 0 ? redPixel : colour == 1 ? greenPixel : colour == 2 ? bluePixel : blackPixel;
}

int colourOf(Pixel pixel) {
    for (int colour : {0, 1, 2}) {
        const Pixel p = pixelOf(colour);
        if (p.r == pixel.r && p.g == pixel.g && p.b == pixel.b) {
            return colour;
        }
    }
    return 9;
}

TableShape circleShape(double x, double y, double radius, Pixel colour) {
    TableShape s;
    s.kind = TableShape::CircleShape;
    s.x = x;
    s.y = y;
    s.radius = radius;
    s.colour = colourOf(colour);
    return s;
}

TableShape lineShape(double x, double y, double dx, double dy, Pixel colour, bool hidden) {
    TableShape s;
    s.kind = TableShape::LineShape;
    s.x = x;
    s.y = y;
    s.dx = dx;
    s.dy = dy;
    s.colour = colourOf(colour);
    s.hidden = hidden;
    return s;
}

TableShape dotShape(double x, double y, Pixel colour, bool hidden) {
    TableShape s;
    s.x = x;
    s.y = y;
    s.colour = colourOf(colour);
    s.hidden = hidden;
    return s;
}

View viewOf(const Figure& figure, int width, int height) {
    View view;
    view.cx = (figure.minX + figure.maxX) / 2.0;
    view.cy = (figure.minY + figure.maxY) / 2.0;
    const double d = 2.0 * std::max(figure.maxX + std::fabs(figure.minX), figure.maxY + std::fabs(figure.minY));
    // At distance d the 45-degree view spans 2 d tan(22.5 deg) scene units over the window's height.
    view.pixelsPerUnit = height / (2.0 * d * std::tan(pi / 8.0));
    view.width = width;
    view.height = height;
    return view;
}

Spot project(const View& view, double x, double y) {
    return Spot{view.width / 2.0 + (x - view.cx) * view.pixelsPerUnit,
                view.height / 2.0 - (y - view.cy) * view.pixelsPerUnit};
}

static bool sameColour(Pixel a, Pixel b) {
    return std::abs(a.r - b.r) <= colourTolerance && std::abs(a.g - b.g) <= colourTolerance &&
           std::abs(a.b - b.b) <= colourTolerance;
}

static bool inside(const Image& frame, Spot s, double margin) {
    return s.column >= margin && s.row >= margin && s.column < frame.width - margin && s.row < frame.height - margin;
}

int countNear(const Image& frame, Spot s, int reach, Pixel colour) {
    int count = 0;
    const int c = int(std::floor(s.column));
    const int r = int(std::floor(s.row));
    for (int y = std::max(0, r - reach); y <= std::min(frame.height - 1, r + reach); ++y) {
        for (int x = std::max(0, c - reach); x <= std::min(frame.width - 1, c + reach); ++x) {
            count += sameColour(pixelAt(frame, x, y), colour);
        }
    }
    return count;
}

// Distance in pixels from a spot to the drawn outline of a shape.
static double pixelDistance(const View& view, const TableShape& shape, Spot s) {
    const Spot centre = project(view, shape.x, shape.y);
    const double ex = s.column - centre.column;
    const double ey = s.row - centre.row;
    switch (shape.kind) {
    case TableShape::CircleShape:
        return std::fabs(std::hypot(ex, ey) - std::fabs(shape.radius) * view.pixelsPerUnit);
    case TableShape::LineShape: {
        const double length = std::hypot(shape.dx, shape.dy);
        return std::fabs(ex * -shape.dy - ey * shape.dx) / length;
    }
    case TableShape::SegmentShape: {
        // In pixels, rows growing downwards: the share of the way along it nearest to the spot, kept to its ends.
        const double ax = shape.dx * view.pixelsPerUnit, ay = -shape.dy * view.pixelsPerUnit;
        const double t = std::clamp((ex * ax + ey * ay) / (ax * ax + ay * ay), 0.0, 1.0);
        return std::hypot(ex - t * ax, ey - t * ay);
    }
    case TableShape::DotShape:
    case TableShape::LabelShape:
        break;
    }
    return std::max(std::fabs(ex), std::fabs(ey));
}

// Points along a circle or a line that fall inside the frame.
static std::vector<Spot> samplesOf(const View& view, const TableShape& shape, const Image& frame) {
    std::vector<Spot> spots;
    if (shape.kind == TableShape::CircleShape) {
        for (int i = 0; i < 36; ++i) {
            const double angle = (i + 0.5) * 2.0 * pi / 36.0;
            spots.push_back(
                project(view, shape.x + shape.radius * std::cos(angle), shape.y + shape.radius * std::sin(angle)));
        }
    } else if (shape.kind == TableShape::LineShape) {
        // The drawn piece runs from t = -100 to t = 100; keep about 30 evenly spaced spots of what is in view.
        std::vector<Spot> visible;
        for (int i = -20000; i <= 20000; ++i) {
            const double t = i / 200.0;
            const Spot s = project(view, shape.x + t * shape.dx, shape.y + t * shape.dy);
            if (inside(frame, s, 4.0)) {
                visible.push_back(s);
            }
        }
        for (std::size_t i = 0; i < visible.size(); i += std::max<std::size_t>(1, visible.size() / 30)) {
            spots.push_back(visible[i]);
        }
        return spots;
    } else if (shape.kind == TableShape::SegmentShape) {
        // Between its end dots, which are checked as dots of their own.
        for (int i = 1; i < 30; ++i) {
            spots.push_back(project(view, shape.x + i / 30.0 * shape.dx, shape.y + i / 30.0 * shape.dy));
        }
    }
    std::vector<Spot> kept;
    std::copy_if(spots.begin(), spots.end(), std::back_inserter(kept), [&](Spot s) { return inside(frame, s, 4.0); });
    return kept;
}

// A dot is a 4 x 4 square of its colour centred on its projection; the whole square must show, so a dot drawn
// before a line or circle that passes under it fails.
static void expectDot(const Image& frame, const View& view, const TableShape& dot, const std::string& where) {
    const Spot s = project(view, dot.x, dot.y);
    if (dot.hidden) {
        EXPECT_EQ(countNear(frame, s, 4, pixelOf(dot.colour)), 0) << where << ": a covered dot shows";
        return;
    }
    auto square = [&](int left, int top, int size) {
        for (int y = top; y < top + size; ++y) {
            for (int x = left; x < left + size; ++x) {
                if (x < 0 || y < 0 || x >= frame.width || y >= frame.height ||
                    !sameColour(pixelAt(frame, x, y), pixelOf(dot.colour))) {
                    return false;
                }
            }
        }
        return true;
    };
    const int c = int(std::floor(s.column));
    const int r = int(std::floor(s.row));
    bool found = false;
    for (int top = r - 3; top <= r && !found; ++top) {
        for (int left = c - 3; left <= c && !found; ++left) {
            found = square(left, top, 4);
        }
    }
    EXPECT_TRUE(found) << where << ": no 4x4 dot near (" << s.column << ", " << s.row << ")";
    bool larger = false;
    for (int top = r - 4; top <= r; ++top) {
        for (int left = c - 4; left <= c; ++left) {
            larger = larger || square(left, top, 5);
        }
    }
    EXPECT_FALSE(larger) << where << ": the dot is larger than 4x4";
}

// Where a line crosses a circle, in pixels of the frame.
static std::vector<Spot> crossings(const View& view, const TableShape& line, const TableShape& circle) {
    const double px = line.x - circle.x, py = line.y - circle.y;
    const double a = line.dx * line.dx + line.dy * line.dy;
    const double b = px * line.dx + py * line.dy;
    const double disc = b * b - a * (px * px + py * py - circle.radius * circle.radius);
    std::vector<Spot> spots;
    for (double sign : {-1.0, 1.0}) {
        if (disc > 0.0) {
            const double t = (-b + sign * std::sqrt(disc)) / a;
            spots.push_back(project(view, line.x + t * line.dx, line.y + t * line.dy));
        }
    }
    return spots;
}

// A line drawn after a circle covers it where they cross: the pixels of the line's one-pixel path next to the
// crossing show the line's colour. A pixel belongs to the path when its centre is within half a pixel of the
// ideal line across the line's major axis; those within 0.1 of that bound are left out, since float rounding
// may put them on either side.
static void expectOnTop(const Image& frame, const TableShape& line, Spot crossing, const std::string& where) {
    const double dx = line.dx, dy = -line.dy; // in pixels, rows grow downwards
    const bool xMajor = std::fabs(dx) >= std::fabs(dy);
    const double slope = xMajor ? dy / dx : dx / dy;
    const double major = xMajor ? crossing.column : crossing.row;
    const double minor = xMajor ? crossing.row : crossing.column;
    for (int step = -2; step <= 2; ++step) {
        const double m = std::floor(major) + step + 0.5;
        const double n = minor + (m - major) * slope;
        if (std::fabs(n - std::floor(n) - 0.5) > 0.4) {
            continue;
        }
        const int column = int(xMajor ? m : n), row = int(xMajor ? n : m);
        if (column < 0 || row < 0 || column >= frame.width || row >= frame.height) {
            continue;
        }
        const Pixel seen = pixelAt(frame, column, row);
        EXPECT_TRUE(sameColour(seen, pixelOf(line.colour)))
            << where << ": at the crossing near (" << crossing.column << ", " << crossing.row << ") pixel (" << column
            << ", " << row << ") shows (" << seen.r << ", " << seen.g << ", " << seen.b << "), not the line";
    }
}

// Whether an object drawn after shape i, in another colour, may cover the spot.
static bool coveredLater(const View& view, const Figure& figure, std::size_t i, Spot s) {
    for (std::size_t j = i + 1; j < figure.shapes.size(); ++j) {
        const TableShape& later = figure.shapes[j];
        if (later.kind != TableShape::LabelShape && later.colour != figure.shapes[i].colour &&
            pixelDistance(view, later, s) < coverPixels + 2.0 * (later.kind == TableShape::DotShape)) {
            return true;
        }
    }
    return false;
}

void expectFigure(const Image& frame, const Figure& figure, const std::string& label) {
    ASSERT_GT(frame.width, 0) << label;
    const View view = viewOf(figure, frame.width, frame.height);
    // The background fills the corners (no object reaches them in any figure).
    for (Spot corner : {Spot{2, 2}, Spot{double(frame.width) - 3, double(frame.height) - 3}}) {
        EXPECT_TRUE(sameColour(pixelAt(frame, int(corner.column), int(corner.row)), backgroundPixel))
            << label << ": background at a corner";
    }
    for (std::size_t i = 0; i < figure.shapes.size(); ++i) {
        const TableShape& shape = figure.shapes[i];
        const std::string where = label + ", object " + std::to_string(i);
        if (shape.kind == TableShape::LabelShape) { // placed by the program among the places round its point
            continue;
        }
        if (shape.kind == TableShape::DotShape) {
            expectDot(frame, view, shape, where);
            continue;
        }
        const std::vector<Spot> samples = samplesOf(view, shape, frame);
        EXPECT_GE(samples.size(), 8u) << where << ": too little of it is in view";
        for (Spot s : samples) {
            const int seen = countNear(frame, s, lineReachPixels, pixelOf(shape.colour));
            if (shape.hidden) {
                EXPECT_EQ(seen, 0) << where << ": covered outline shows at (" << s.column << ", " << s.row << ")";
                continue;
            }
            if (!coveredLater(view, figure, i, s)) {
                EXPECT_GT(seen, 0) << where << ": outline missing at (" << s.column << ", " << s.row << ")";
            }
        }
        if (shape.kind != TableShape::LineShape || shape.hidden) {
            continue;
        }
        for (std::size_t j = 0; j < i; ++j) {
            const TableShape& earlier = figure.shapes[j];
            if (earlier.kind != TableShape::CircleShape || earlier.colour == shape.colour) {
                continue;
            }
            for (Spot crossing : crossings(view, shape, earlier)) {
                if (inside(frame, crossing, 4.0) && !coveredLater(view, figure, i, crossing)) {
                    expectOnTop(frame, shape, crossing, where);
                }
            }
        }
    }
}

// The three colours of every figure, which the comparison of a frame with a picture tells apart.
static const Pixel figureColours[3] = {blackPixel, bluePixel, redPixel};

static double determinant(const double a[3], const double b[3], const double c[3]) {
    return a[0] * (b[1] * c[2] - b[2] * c[1]) - b[0] * (a[1] * c[2] - a[2] * c[1]) + c[0] * (a[1] * b[2] - a[2] * b[1]);
}

// An anti-aliased pixel mixes the colours of the objects that cover part of it with the background:
// p = background + sum of a_i (colour_i - background). Black, blue and red differ from the background in three
// independent directions, so every pixel has exactly one such reading; this is the share a_i of colour i in it.
static double shareOf(Pixel p, int colour) {
    double u[3][3];
    for (int i = 0; i < 3; ++i) {
        const Pixel c = figureColours[i];
        u[i][0] = c.r - backgroundPixel.r;
        u[i][1] = c.g - backgroundPixel.g;
        u[i][2] = c.b - backgroundPixel.b;
    }
    const double v[3] = {double(p.r - backgroundPixel.r), double(p.g - backgroundPixel.g),
                         double(p.b - backgroundPixel.b)};
    // Cramer's rule: the column of the colour replaced by the pixel.
    const double* columns[3] = {u[0], u[1], u[2]};
    columns[colour] = v;
    return determinant(columns[0], columns[1], columns[2]) / determinant(u[0], u[1], u[2]);
}

// Whether some pixel within drawingReach of (x, y) passes the test.
template <class Test> static bool anyNear(const Image& image, int x, int y, Test test) {
    for (int j = std::max(0, y - drawingReach); j <= std::min(image.height - 1, y + drawingReach); ++j) {
        for (int i = std::max(0, x - drawingReach); i <= std::min(image.width - 1, x + drawingReach); ++i) {
            if (test(pixelAt(image, i, j))) {
                return true;
            }
        }
    }
    return false;
}

void expectSameDrawing(const Image& frame, const Image& picture, const std::string& label) {
    ASSERT_EQ(picture.width, frame.width) << label;
    ASSERT_EQ(picture.height, frame.height) << label;
    const char* const names[3] = {"black", "blue", "red"};
    for (int colour = 0; colour < 3; ++colour) {
        const Pixel c = figureColours[colour];
        const char* const name = names[colour];
        auto inFrame = [c](Pixel p) { return sameColour(p, c); };
        auto inPicture = [colour](Pixel p) { return shareOf(p, colour) >= pictureShare; };
        int missing = 0;
        int stray = 0;
        std::string firstMissing;
        std::string firstStray;
        for (int y = 0; y < frame.height; ++y) {
            for (int x = 0; x < frame.width; ++x) {
                const std::string at = "(" + std::to_string(x) + ", " + std::to_string(y) + ")";
                if (inFrame(pixelAt(frame, x, y))) {
                    // A frame's one-pixel line is at least half covered in one of the picture's pixels near it.
                    // Or covered by a dash of the construction, whose ends two rasterisers may put a pixel apart.
                    const auto shown = [colour](Pixel p) {
                        return shareOf(p, colour) >= framePixelShare || (p.g > p.r + 40 && p.g > p.b + 40);
                    };
                    if (!anyNear(picture, x, y, shown)) {
                        firstMissing =
                            firstMissing.empty() ? "the frame's pixel " + at + " is not in the picture" : firstMissing;
                        ++missing;
                    }
                }
                // The construction's dark green reads as half black in the picture's mixes: the frame's dashes
                // account for it.
                const auto drawnThere = [&](Pixel p) {
                    return inFrame(p) || (colour == 0 && sameColour(p, constructionPixel));
                };
                if (inPicture(pixelAt(picture, x, y)) && !anyNear(frame, x, y, drawnThere)) {
                    firstStray = firstStray.empty() ? "the picture's pixel " + at + " is not in the frame" : firstStray;
                    ++stray;
                }
            }
        }
        EXPECT_EQ(missing, 0) << label << ", " << name << ": " << firstMissing;
        EXPECT_EQ(stray, 0) << label << ", " << name << ": " << firstStray;
    }
}
